// The writer gathers small pieces into blocks; a file larger than a block
// must still come out byte for byte as meant, whether it is written in many
// small pieces (the draw rewrites) or in large pieces among small ones
// (Show/Check's save, which writes the lines it keeps aside a block at a
// time after the shown entries).

#include "databases/SavedEntries.h"
#include "databases/ui/DbaseUpdateW.h"
#include "databases/ui/HistoryW.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "platform/Dates.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <functional>

namespace {
QByteArray crLf(const QStringList& lines) { return (lines.join("\r\n") + "\r\n").toUtf8(); }

// Where two contents first differ; -1 when they are the same.
qsizetype firstDifference(const QByteArray& a, const QByteArray& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return i;
    }
    return a.size() == b.size() ? -1 : n;
}

class LargeFileWrites : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetClockForTests(QDateTime(QDate(2025, 1, 10), QTime(12, 0)));
    }
};
} // namespace

TEST_F(LargeFileWrites, ComeOutByteForByte)
{
    // 10,000 draws, each line its own by its date: over 300 KB.
    QStringList draws;
    for (int i = 0; i < 10000; ++i)
        draws << FormatShortDate(QDate(2024, 12, 31).addDays(-i)) + ",11,22,33,40,45,49,,17";
    auto database = [&draws](const QStringList& lines) { return DatabaseLines("Lotto", "6,49,0,0,1", lines); };
    QStringList updated = draws;
    updated[0].replace(",11,", ",12,");
    // 499 entries shown and 19,501 kept aside: over 1 MB.
    QStringList entries;
    for (int i = 0; i < 20000; ++i)
        entries << QStringLiteral("09 Mar 05,3,11,19,27,38,45,,,Lotto,Player %1,dbase1.txt").arg(i);

    auto pickFirstDraw = [](HistoryW& w) {
        w.MSFlexGrid1->setRow(1);
        w.MSFlexGrid1_Click();
    };
    const struct {
        const char* name;
        QString file;
        QStringList before;
        std::function<void()> act;
        QStringList after;
    } cases[] = {
        {"Delete Draw", "dbase1.txt", database(draws),
         [&] {
             LoadedWindow<HistoryW> w;
             pickFirstDraw(w);
             w.Command2_Click();
         },
         database(draws.mid(1))},
        {"Update Draw", "dbase1.txt", database(draws),
         [&] {
             LoadedWindow<HistoryW> w;
             pickFirstDraw(w);
             w.Text1[1]->setText("12");
             w.Command3_Click();
         },
         database(updated)},
        {"hand entry", "dbase1.txt", database(draws),
         [] {
             LoadedWindow<DbaseUpdateW> w;
             w.DTPicker1->setDate(QDate(2025, 1, 4));
             const QStringList numbers{"1", "2", "3", "4", "5", "6", "", "7"};
             for (int k = 0; k < 8; ++k)
                 w.Text1[k]->setText(numbers[k]);
             w.Command1_Click();
         },
         database(QStringList{"04 Jan 25,1,2,3,4,5,6,,7"} + draws)},
        {"Show/Check Save", kSavedEntriesFile, entries,
         [] {
             LoadedWindow<ShowMyDrawsW> w;
             w.Command13_Click();
         },
         entries},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeLines("dbase1.txt", database(draws));
        writeLines(c.file, c.before);
        c.act();
        EXPECT_TRUE(boxes().empty());
        EXPECT_EQ(firstDifference(readBytes(c.file), crLf(c.after)), -1);
    }
}
