#include "databases/MyDraws.h"
#include "support/TestSupport.h"

#include <QFile>

namespace {
SavedEntry Entry(const QString& date, const QString& lottery = "UK Lotto", const QString& name = QString())
{
    return ParseSavedEntry(date + ",1,2,3,4,5,6,,," + lottery + "," + name + ",dbase100.txt");
}

QStringList Column(const QList<SavedEntry>& rows, int column)
{
    QStringList out;
    for (const SavedEntry& e : rows)
        out << EntryField(e, column);
    return out;
}
} // namespace

TEST(MyDrawsSortTest, SortsAreStableAndDatesGoNewestFirstInEitherForm)
{
    QList<SavedEntry> rows{Entry("01-Mar-2005", "A", "first"), Entry("not a date", "B"), Entry("05 Mar 05", "C"),
                           Entry("01 Mar 05", "D", "second"), Entry("12-Mar-2005", "E")};
    SortMyDraws(rows, MyDrawsOrder::ByDate);
    EXPECT_EQ(Column(rows, 9), QStringList({"E", "C", "A", "D", "B"}));

    QList<SavedEntry> names{Entry("01 Mar 05", "L1", "bob"), Entry("01 Mar 05", "L2", "Alice"),
                            Entry("01 Mar 05", "L3", ""), Entry("01 Mar 05", "L4", "BOB")};
    SortMyDraws(names, MyDrawsOrder::ByName);
    EXPECT_EQ(Column(names, 10), QStringList({"", "Alice", "bob", "BOB"}));
    SortMyDraws(names, MyDrawsOrder::ByLottery);
    EXPECT_EQ(Column(names, 9), QStringList({"L1", "L2", "L3", "L4"}));
}

TEST(MyDrawsOutOfDateTest, AtNoonYesterdayGoesAndTodayStays)
{
    QList<SavedEntry> rows{Entry("07 Mar 05"), Entry("08-Mar-2005"), Entry("someday"), Entry("06 Mar 05"),
                           Entry("09 Mar 05")};
    EXPECT_EQ(RemoveOutOfDate(rows, QDateTime(QDate(2005, 3, 8), QTime(12, 0))), 2);
    EXPECT_EQ(Column(rows, 0), QStringList({"08-Mar-2005", "someday", "09 Mar 05"}));
    // At exactly midnight yesterday's entry is not yet a full day old.
    QList<SavedEntry> midnight{Entry("07 Mar 05")};
    EXPECT_EQ(RemoveOutOfDate(midnight, QDateTime(QDate(2005, 3, 8), QTime(0, 0))), 0);
}

class MyDrawsFileTest : public ProgramFolderTest {};

TEST_F(MyDrawsFileTest, EveryLineSurvivesALoadAndSave)
{
    QStringList lines;
    for (int i = 1; i <= 600; ++i) {
        lines << QStringLiteral("05 Mar 05,%1,2,3,4,5,6,,,UK Lotto,P%1,dbase100.txt").arg(i);
        if (i == 10)
            lines << "05 Mar 05,1,2,3"; // short line
        if (i == 20)
            lines << "05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann, Bob,dbase100.txt"; // thirteen fields
    }
    writeLines(kSavedEntriesFile, lines);

    MyDrawsTable table = LoadMyDrawsFile();
    ASSERT_EQ(table.rows.size(), 499);
    EXPECT_EQ(table.kept.size(), 103);
    EXPECT_EQ(EntryField(table.rows[10], 10), "P11"); // the short line shifted nothing
    EXPECT_EQ(EntryField(table.rows[498], 10), "P499");

    ASSERT_TRUE(SaveMyDrawsFile(table));
    const QStringList after = QString::fromUtf8(readBytes(kSavedEntriesFile)).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(after.size(), 602);
    QStringList expected = lines;
    expected.removeAll("05 Mar 05,1,2,3");
    expected.removeAll("05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann, Bob,dbase100.txt");
    expected << "05 Mar 05,1,2,3"
             << "05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann, Bob,dbase100.txt";
    // The unreadable lines come after the shown entries, before the entries beyond 499.
    EXPECT_EQ(after.mid(0, 499), expected.mid(0, 499));
    EXPECT_EQ(after.mid(499, 2), expected.mid(600, 2));
    EXPECT_EQ(after.mid(501), expected.mid(499, 101));

    table.rows.clear();
    table.kept.clear();
    ASSERT_TRUE(SaveMyDrawsFile(table));
    EXPECT_FALSE(exists(kSavedEntriesFile));
}

TEST_F(MyDrawsFileTest, LinesBeyondTheShownOnesAreCountedAndKeptAsTheyStand)
{
    // Beyond the 499 shown, lines of every kind: plain, quoted, not ASCII,
    // blank in several ways, short, long, and with each kind of line end.
    QByteArray bytes;
    for (int i = 1; i <= 499; ++i)
        bytes += QByteArray("05 Mar 05,1,2,3,4,5,6,,,UK Lotto,P") + QByteArray::number(i) + ",dbase100.txt\r\n";
    const QList<std::pair<QByteArray, bool>> beyond{
        // line, readable
        {"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann,dbase100.txt", true},
        {"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,\"Ann, Bob\",dbase100.txt", true},
        {"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,\"Ann, Bob,dbase100.txt", false},
        {"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ren\xC3\xA9,dbase100.txt", true},
        {"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ren\xE9,Bob,dbase100.txt", false},
        {"05 Mar 05,1,2,3", false},
        {"05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann,Bob,dbase100.txt", false},
        {"\xC2\xA0", false}, // a blank that is not ASCII
    };
    const char* const ends[] = {"\r\n", "\n", "\r"};
    int e = 0;
    const QByteArray shown = bytes;
    for (const auto& [line, readable] : beyond) {
        bytes += line + ends[e++ % 3];
        bytes += QByteArray(" \t") + ends[e++ % 3];
    }
    const QByteArray last = "05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Last,dbase100.txt"; // no line end
    bytes += last;
    writeBytes(kSavedEntriesFile, bytes);

    const auto table = ReadMyDraws();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rows.size(), 499);
    QByteArray kept;
    for (const auto& [line, readable] : beyond)
        if (line != "\xC2\xA0")
            kept += line + "\r\n";
    kept += last + "\r\n";
    EXPECT_EQ(table->kept.bytes(), kept);
    EXPECT_EQ(table->unreadable, 4);
    // Saved, they follow the shown entries as they were read, each ended by CR LF.
    ASSERT_TRUE(SaveMyDrawsFile(*table));
    EXPECT_EQ(readBytes(kSavedEntriesFile), shown + kept);
}

TEST_F(MyDrawsFileTest, LinesAcrossTheReadersPiecesReadAsTheyStand)
{
    // Over a megabyte of lines with each kind of line end, one of them ending
    // with its first line-end byte as the first megabyte's last byte (a CR LF
    // among LF lines as well).
    const auto line = [](int i, int pad) {
        return "05 Mar 05,1,2,3,4,5,6,,,UK Lotto,P" + QByteArray(pad, 'x') + QByteArray::number(i) + ",dbase100.txt";
    };
    const std::pair<QByteArray, QByteArray> cases[] = {{"\r\n", "\r\n"}, {"\r", "\r"}, {"\n", "\n"}, {"\n", "\r\n"}};
    for (const auto& [end, cutEnd] : cases) {
        SCOPED_TRACE(end.toHex().toStdString() + " " + cutEnd.toHex().toStdString());
        QByteArray bytes, kept;
        const auto add = [&](int i, int pad, const QByteArray& lineEnd) {
            bytes += line(i, pad) + lineEnd;
            if (i >= 499)
                kept += line(i, pad) + "\r\n";
        };
        int i = 0;
        for (; bytes.size() < (1 << 20) - 200; ++i)
            add(i, 0, end);
        add(i, int((1 << 20) - 1 - bytes.size() - line(i, 0).size()), cutEnd);
        for (const int last = i + 1000; ++i < last;)
            add(i, 0, end);
        writeBytes(kSavedEntriesFile, bytes);

        const auto table = ReadMyDraws();
        ASSERT_TRUE(table);
        EXPECT_EQ(table->rows.size(), 499);
        EXPECT_EQ(table->kept.bytes(), kept);
        EXPECT_EQ(table->unreadable, 0);
    }
}
