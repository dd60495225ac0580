#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "databases/DrawDatabase.h"
#include "databases/DrawEdit.h"
#include "databases/EntryCheck.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

#include <QFile>
#include <functional>

TEST(DrawDatabaseFormat, DefinitionsParseAndCheckTheirRanges)
{
    auto d = ParseDefinition("6,49,0,0,1");
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->valid());
    EXPECT_EQ(d->toLine(), "6,49,0,0,1");
    EXPECT_TRUE(ParseDefinition("5,34,1,14,0")->valid());
    EXPECT_FALSE(ParseDefinition("6,49,0,0")); // four values
    EXPECT_FALSE(ParseDefinition("6,49,0,,1"));
    EXPECT_FALSE(ParseDefinition("0,49,0,0,1")->valid());
    EXPECT_FALSE(ParseDefinition("8,49,0,0,1")->valid());
    EXPECT_FALSE(ParseDefinition("6,121,0,0,1")->valid());
    EXPECT_FALSE(ParseDefinition("6,49,0,121,0")->valid());
    EXPECT_FALSE(ParseDefinition("6,49,0,0,2")->valid());
    EXPECT_FALSE(ParseDefinition("6,99999,0,0,1")->valid()); // does not fit 16 bits: 0
}

TEST(DrawDatabaseFormat, NewLinesHaveNineFields)
{
    EXPECT_EQ(FormatDrawLine(QDate(2005, 3, 5), {"1", "2", "3", "4", "5"}), "05 Mar 05,1,2,3,4,5,,,");
    EXPECT_EQ(FormatDrawLine(QDate(2005, 3, 5), {"1", "2", "3", "4", "5", "6", "", "7"}), "05 Mar 05,1,2,3,4,5,6,,7");
    EXPECT_EQ(DrawLineDate("05-Mar-2005,1,2"), "05-Mar-2005");
}

class Rewrites : public ProgramFolderTest {
protected:
    void database(const QStringList& draws) { writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", draws)); }
    QStringList drawLines() const
    {
        QStringList lines = readFile("dbase1.txt").split("\r\n");
        lines.removeLast();
        return lines.mid(3);
    }
    const QStringList three{"12 Mar 05,1,2,3,4,5,6,,7", "05-Mar-2005,8,9,10,11,12,13,0,14",
                            "26 Feb 05,15,16,17,18,19,20,,21"};
};

TEST_F(Rewrites, InsertByDateInEveryPlace)
{
    // Newest, the same day as a stored draw (goes before it), between, oldest.
    const std::pair<QDate, int> cases[] = {
        {QDate(2005, 3, 19), 0}, {QDate(2005, 3, 12), 0}, {QDate(2005, 3, 8), 1}, {QDate(2005, 1, 1), 3}};
    for (const auto& [date, place] : cases) {
        const QString line = FormatShortDate(date) + ",1,1,1,1,1,1,,1";
        database(three);
        ASSERT_EQ(InsertDrawByDate("dbase1.txt", line, date), RewriteResult::Done);
        QStringList want = three;
        want.insert(place, line);
        EXPECT_EQ(drawLines(), want) << place;
    }
    // The file itself is read: no scratch copy is made or needed.
    EXPECT_FALSE(QFile::exists(path("temp.txt")));
}

TEST_F(Rewrites, UnorderedFilesTakeTheLineBeforeTheFirstOlderOne)
{
    database({"01 Mar 05,1,2,3,4,5,6,,", "20 Mar 05,1,2,3,4,5,6,,", "10 Mar 05,1,2,3,4,5,6,,"});
    InsertDrawByDate("dbase1.txt", "15 Mar 05,9,9,9,9,9,9,,", QDate(2005, 3, 15));
    EXPECT_EQ(drawLines().first(), "15 Mar 05,9,9,9,9,9,9,,");
    EXPECT_EQ(drawLines()[2], "20 Mar 05,1,2,3,4,5,6,,");
}

TEST_F(Rewrites, HeaderOnlyFilesAndUnreadableDates)
{
    database({});
    ASSERT_EQ(InsertDrawByDate("dbase1.txt", "05 Mar 05,1,2,3,4,5,6,,", QDate(2005, 3, 5)), RewriteResult::Done);
    EXPECT_EQ(drawLines(), QStringList({"05 Mar 05,1,2,3,4,5,6,,"}));

    database({"not a date,1,2,3,4,5,6,,"});
    const QByteArray before = readBytes("dbase1.txt");
    EXPECT_EQ(InsertDrawByDate("dbase1.txt", "05 Mar 05,1,2,3,4,5,6,,", QDate(2005, 3, 5)), RewriteResult::BadDate);
    EXPECT_EQ(readBytes("dbase1.txt"), before);
    EXPECT_EQ(InsertDrawByDate("dbase1.txt", "x", QDate()), RewriteResult::BadDate);
    EXPECT_EQ(readBytes("dbase1.txt"), before);
}

TEST_F(Rewrites, TwoDigitYearsOfTheNextDecadeSortAfterToday)
{
    database({"05 Mar 31,1,2,3,4,5,6,,", "05 Mar 29,1,2,3,4,5,6,,"});
    InsertDrawByDate("dbase1.txt", "05 Mar 30,7,7,7,7,7,7,,", QDate(2030, 3, 5));
    EXPECT_EQ(drawLines()[1], "05 Mar 30,7,7,7,7,7,7,,");
}

TEST_F(Rewrites, RemoveDrawLineCountsAndSkipsOneLine)
{
    database(three);
    EXPECT_EQ(RemoveDrawLine("dbase1.txt", "dbase1.txt", 2), 3);
    EXPECT_EQ(drawLines(), QStringList({three[0], three[2]}));
    EXPECT_EQ(RemoveDrawLine("missing.txt", "dbase1.txt", 1), -1);
    EXPECT_EQ(drawLines().size(), 2);
}

TEST_F(Rewrites, NextDatabaseNameReusesFreedNumbers)
{
    EXPECT_EQ(NextDatabaseFileName(), "dbase1.txt");
    writeFile("dbase1.txt", "");
    writeFile("DBASE2.TXT", "");
    writeFile("dbase4.txt", "");
    EXPECT_EQ(NextDatabaseFileName(), "dbase3.txt");
}

TEST_F(Rewrites, HeaderReadersSetTheOpenLotteryFromTheFirstLinesOnly)
{
    // The open lottery's draws are left as they are.
    Draws[1][1] = 5;
    EXPECT_FALSE(ReadOpenLotteryHeader("nothing.txt"));
    QStringList draws;
    for (int i = 0; i < 30000; ++i)
        draws << QStringLiteral("01 Jan 05,%1,2,3,4,5,6,,7").arg(i % 40 + 10);
    writeLines("dbase1.txt", DatabaseLines("Big, Lotto", "6,49,1,35,1", draws));
    const qint64 before = BytesReadByProcess();
    ASSERT_GE(before, 0);
    const auto header = ReadDatabaseHeader("dbase1.txt");
    EXPECT_TRUE(ReadOpenLotteryHeader("dbase1.txt"));
    EXPECT_EQ(FindDatabases(), QStringList({"Big, Lotto"}));
    const qint64 read = BytesReadByProcess() - before;
    ASSERT_TRUE(header);
    EXPECT_EQ(header->name, "Big, Lotto");
    EXPECT_EQ(header->website, "http://example.org");
    EXPECT_EQ(header->definitionLine, "6,49,1,35,1");
    EXPECT_EQ(LotteryName, "Big, Lotto");
    EXPECT_EQ(HeaderValue3, 1);
    EXPECT_EQ(ExtraBallMax, 35);
    EXPECT_EQ(Draws[1][1], 5);
    // The file is about 780 KB; three header reads take a few chunks.
    EXPECT_LT(read, 256 * 1024);
}

TEST_F(Rewrites, BlankLinesAreNotDrawLines)
{
    const QStringList withBlanks{three[0], "", three[1], "  ", three[2]};
    database(withBlanks);
    // Draw line 2 is the second draw, whatever blank lines stand before it.
    const std::vector<HistoryRow> rows = ReadHistoryRows("dbase1.txt", 10);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].date, "05-Mar-2005");
    EXPECT_EQ(rows[1].numbers[1], 8);
    EXPECT_EQ(RemoveDrawLine("dbase1.txt", "dbase1.txt", 2), 3);
    EXPECT_EQ(drawLines(), QStringList({three[0], "", "  ", three[2]}));

    // The history shows and checks the same draws as the loader keeps.
    database(withBlanks);
    ASSERT_EQ(DeleteDraw("dbase1.txt", 3), RewriteResult::Done);
    EXPECT_EQ(drawLines(), QStringList({three[0], "", three[1], "  "}));
    EXPECT_EQ(CheckDrawUpdate("dbase1.txt", ReadHistoryRows("dbase1.txt", 10), 2, QDate(2005, 3, 5)),
              DrawEditCheck::Allowed);
}

TEST_F(Rewrites, AByteOrderMarkIsNoDrawForAnyReaderOrRewrite)
{
    const QString mark(QChar(0xFEFF));
    // A line holding only a mark holds no draw: deleting row 2 deletes the
    // second draw.
    database({three[0], mark, three[1], three[2]});
    ASSERT_EQ(ReadHistoryRows("dbase1.txt", 10).size(), 3u);
    ASSERT_EQ(DeleteDraw("dbase1.txt", 2), RewriteResult::Done);
    EXPECT_EQ(drawLines(), QStringList({three[0], mark, three[2]}));

    // A mark before a draw leaves it a draw, dated for the insert as well.
    database({mark + three[0], three[1]});
    EXPECT_EQ(ReadHistoryRows("dbase1.txt", 10).front().date, "12 Mar 05");
    const QString line = "10 Mar 05,1,2,3,4,5,6,,7";
    ASSERT_EQ(InsertDrawByDate("dbase1.txt", line, QDate(2005, 3, 10)), RewriteResult::Done);
    EXPECT_EQ(drawLines(), QStringList({mark + three[0], line, three[1]}));
}

TEST_F(Rewrites, EveryReaderTakesNumbersOutOfRangeAsMissing)
{
    database({"12 Mar 05,50,2,3,4,5,6,,60", "\"05 Mar 05\", 8,9,10,11,12,13,0,14"});
    const std::vector<HistoryRow> rows = ReadHistoryRows("dbase1.txt", 10);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].numbers, (std::array<int, 9>{0, 0, 2, 3, 4, 5, 6, 0, 0}));
    EXPECT_EQ(rows[1].date, "05 Mar 05");
    EXPECT_EQ(rows[1].numbers[1], 8);

    // The entries check: a 50 in the draw matches no entry, not even one
    // holding 50 itself.
    const auto file = ReadDrawFile("dbase1.txt");
    ASSERT_TRUE(file);
    ASSERT_EQ(file->draws.size(), 2u);
    EXPECT_EQ(file->draws[0].numbers, (BallRow{0, 0, 2, 3, 4, 5, 6, 0, 0}));
    EXPECT_EQ(file->draws[1].date, QDate(2005, 3, 5));
    EXPECT_EQ(CheckLotto(BallRow{0, 50, 2, 40, 41, 42, 43, 0, 0}, file->draws[0].numbers, file->lottery).mainMatches,
              1);
}

TEST_F(Rewrites, ALineTooLongToReadIsPassedOverByEveryReaderAndKeptByTheRewrites)
{
    // 300 draws, the ninth a line longer than any reader takes.
    QStringList draws;
    for (int d = 0; d < 300; ++d)
        draws << FormatShortDate(QDate(2005, 3, 1).addDays(-d)) + QStringLiteral(",%1,2,3,4,5,6,,7").arg(d % 40 + 8);
    const QString longLine = draws[8] + QString(70 * 1024, u'x');
    draws[8] = longLine;
    database(draws);
    ASSERT_TRUE(LoadDatabaseFile("dbase1.txt"));
    EXPECT_EQ(DrawCount(), 299);
    const std::vector<HistoryRow> rows = ReadHistoryRows("dbase1.txt", 400);
    ASSERT_EQ(rows.size(), 299u);
    EXPECT_EQ(rows[8].date, DrawLineDate(draws[9]));
    // Draw 200 as the history shows it is the one deleted; the long line
    // stays as it stands.
    ASSERT_EQ(DeleteDraw("dbase1.txt", 200), RewriteResult::Done);
    QStringList want = draws;
    want.removeAt(200);
    EXPECT_EQ(drawLines(), want);
}

TEST_F(Rewrites, LineByLineRewritesWriteWhatTheWholeFileRulesGive)
{
    // Every line end, a byte-order mark, a Windows-1252 line, blank lines
    // between the draws and at the end, a draw line that is not in order.
    const QByteArray file = "\xEF\xBB\xBFLotto\r\nhttp://example.org\n6,49,0,0,1\r"
                            "12 Mar 05,1,2,3,4,5,6,,7\r\n\r\n  \n05-Mar-2005,8,9,10,11,12,13,0,14\r"
                            "caf\xE9 26 Feb 05,15,16,17,18,19,20,,21\r\n"
                            "01 Mar 05,1,1,1,1,1,1,,1\r\n26 Feb 05,15,16,17,18,19,20,,21\r\n \r\n\r\n";
    auto expected = [&file](const std::function<void(QStringList&)>& change) {
        QStringList lines = SplitLines(DecodeText(file));
        change(lines);
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + "\r\n";
        return bytes;
    };
    auto write = [this, &file] {
        QFile f(path("dbase1.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(file);
    };
    for (int k = 1; k <= 6; ++k) {
        write();
        ASSERT_EQ(DeleteDraw("dbase1.txt", k), RewriteResult::Done);
        EXPECT_EQ(readBytes("dbase1.txt"), expected([k](QStringList& l) { RemoveDrawLine(l, k); })) << k;
    }
    // The third draw line's date cannot be read: a later date is placed
    // before it, an earlier one refused and the file left as it was.
    for (const QDate& date : {QDate(2005, 3, 19), QDate(2005, 3, 12), QDate(2005, 3, 8)}) {
        const QString line = FormatShortDate(date) + ",1,2,3,4,5,6,,7";
        write();
        ASSERT_EQ(InsertDrawByDate("dbase1.txt", line, date), RewriteResult::Done);
        EXPECT_EQ(readBytes("dbase1.txt"), expected([&](QStringList& l) { InsertDrawByDate(l, line, date); }));
        for (int k = 1; k <= 6; ++k) {
            write();
            const RewriteResult result = ReplaceDraw("dbase1.txt", k, line, date);
            QStringList lines = SplitLines(DecodeText(file));
            RemoveDrawLine(lines, k);
            ASSERT_EQ(result, InsertDrawByDate(lines, line, date)) << k;
            EXPECT_EQ(readBytes("dbase1.txt"),
                      result == RewriteResult::Done ? expected([&](QStringList& l) {
                          RemoveDrawLine(l, k);
                          InsertDrawByDate(l, line, date);
                      })
                                                    : file)
                << k;
        }
    }
    write();
    EXPECT_EQ(InsertDrawByDate("dbase1.txt", "x", QDate(2005, 1, 1)), RewriteResult::BadDate);
    EXPECT_EQ(readBytes("dbase1.txt"), file);
}
