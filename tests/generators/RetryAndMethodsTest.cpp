// The retry loop's limit, a generator window that stays responsive while the
// loop runs, and the lucky-dip and full-selection methods with a seeded
// source.
#include "GeneratorHelpers.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/FullSelection.h"
#include "generators/LuckyDip.h"
#include "generators/RetryLoop.h"
#include "generators/ui/PFullSel.h"
#include "generators/ui/PLuckyDip.h"
#include "generators/ui/P3KeyNum.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>
#include <map>
#include <set>

// The loop goes on while no more than ten seconds have passed and stops at
// the first reading past them, and reports the last try.
TEST(RetryLoopRule, StopsOnlyPastTenSecondsAndReportsTheLastTry)
{
    ResetEntries();
    SetLottery(6, 49);
    const std::array<double, 4> readings{2.5, 5.0, 10.0, 10.001};
    std::size_t next = 0;
    SetMonotonicClockForTests([&] { return readings[std::min(next++, readings.size() - 1)]; });
    QStringList reports;
    RetryTests never;
    never.own = [] { return false; };
    const RetryOutcome out = RunRetryLoop([&](const QString& s) { reports << s; }, 3, 0.0, [] {}, never);
    SetMonotonicClockForTests({});
    EXPECT_EQ(out.tries, 4); // 10.000 is not past the limit, 10.001 is
    EXPECT_FALSE(out.passed);
    EXPECT_DOUBLE_EQ(out.seconds, 10.001);
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(reports.last(), "Tries: 4   Time: 10.001 sec");
    EXPECT_EQ(FinalRetryStatus(out, 3), "Tries: 4   Time: 10.001 sec" + kNotComplySuffix);

    // A pass ends the loop at once, without the suffix.
    SetMonotonicClockForTests([] { return 1.0; });
    int tries = 0;
    RetryTests third;
    third.own = [&] { return tries == 3; };
    const RetryOutcome passed = RunRetryLoop(
        {}, 2, 0.0, [&] { ++tries; }, third);
    SetMonotonicClockForTests({});
    EXPECT_EQ(passed.tries, 3);
    EXPECT_TRUE(passed.passed);
    EXPECT_EQ(FinalRetryStatus(passed, 2), "Tries: 3   Time: 1.00 sec");
}

class ResponsiveGenerators : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        for (SettingsItem item : {OddEvenFilter, HighLowFilter, HistoryFilter, LongRunFilter})
            Settings.set(item, "1");
        // Every line of 3 from 4 repeats a past draw: no try passes the
        // previous-draws test.
        writeLines("dbase100.txt",
                   DatabaseLines("Four", "3,4,0,0,0",
                                 {"01 Jan 05,1,2,3", "02 Jan 05,1,2,4", "03 Jan 05,1,3,4", "04 Jan 05,2,3,4"}));
        writeLines("dbase200.txt", DatabaseLines("Other", "6,49,0,0,0", {}));
    }

    // Clicks every command of the window once, from inside the running loop.
    static void clickEverything(GeneratorFrame& w)
    {
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b != w.Command1 && !w.HelpButtons.contains(b) && b->objectName() != "Command3")
                b->click();
        w.List1->setCurrentRow(1); // another lottery
        w.Command1->click();       // Close
    }
};

// While the loop runs, events are delivered: the clicks on Generate, the
// filters, Print and Save do nothing, the list keeps the lottery being played,
// and Close waits for the loop to end. The lines are whole afterwards.
TEST_F(ResponsiveGenerators, ClicksDuringTheLoopAreIgnoredAndCloseWaits)
{
    PLuckyDip w;
    w.HScroll1->setValue(2);
    w.Load(); // the first lottery: unticked boxes, one try
    ASSERT_EQ(w.List1->currentRow(), 0);
    w.Check3->setChecked(true);

    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 0.01; });
    int dialogs = 0;
    SetModalHook([&](QDialog*) {
        ++dialogs;
        return int(QDialog::Rejected);
    });
    bool finished = false;
    QObject::connect(&w, &QDialog::finished, [&] { finished = true; });
    int clickedAtTry = -1;
    QTimer::singleShot(0, &w, [&] {
        EXPECT_TRUE(Busy);
        clickedAtTry = w.Label5->text().section(' ', 1, 1).toInt();
        clickEverything(w);
        EXPECT_FALSE(finished); // not while the loop runs
    });
    w.Command2->click();

    EXPECT_GE(clickedAtTry, 1); // the clicks came during the loop
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(w.Label5->text().endsWith(kNotComplySuffix)) << w.Label5->text().toStdString();
    EXPECT_TRUE(w.Label5->text().contains("Time: 10.0")) << w.Label5->text().toStdString();
    EXPECT_EQ(w.List1->currentRow(), 0);
    EXPECT_EQ(LotteryName, "Four");
    // Two whole lines of three different numbers from 1 to 4 (one when the
    // last try drew the same line twice).
    ASSERT_GE(EntryCount(), 1);
    ASSERT_LE(EntryCount(), 2);
    for (const auto& line : EntryLines(3)) {
        EXPECT_EQ(std::set<int>(line.begin(), line.end()).size(), 3u);
        for (int n : line)
            EXPECT_TRUE(n >= 1 && n <= 4);
    }
    EXPECT_FALSE(Busy);
    // The Close that came during the loop closed the window when it ended.
    EXPECT_TRUE(finished);
    EXPECT_EQ(w.result(), int(QDialog::Rejected));
}

TEST_F(ResponsiveGenerators, FullSelectionIgnoresCloseWhileBusy)
{
    writeLines("dbase100.txt", DatabaseLines("Four", "3,4,0,0,0", {"01 Jan 05,1,2,3"}));
    PFullSel w;
    w.Load();
    w.Check3->setChecked(true);
    Settings.set(HistoryFilter, "3"); // no line of three may share a number with a draw
    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 0.05; });
    bool finished = false;
    QObject::connect(&w, &QDialog::finished, [&] { finished = true; });
    QTimer::singleShot(0, &w, [&] { w.Command1->click(); });
    w.Command2->click();
    EXPECT_TRUE(w.Label5->text().endsWith(kNotComplySuffix));
    EXPECT_FALSE(finished);
    w.Command1->click(); // now it closes
    EXPECT_TRUE(finished);
}

// The player changes an input while the loop runs (a key bar moved onto
// another key, "Include all numbers" clicked): the lines shown, and what the
// window says of them, follow the inputs it shows once the run is over.
TEST_F(ResponsiveGenerators, InputsChangedDuringTheLoopDoNotMixIntoTheLines)
{
    // Every number has been drawn, and no line may share a number with a
    // past draw: no try ever passes, whatever the random source gives.
    QStringList draws;
    for (int d = 0; d < 9; ++d) {
        const int first = std::min(1 + 6 * d, 44); // 1 to 6, ..., 43 to 48, 44 to 49
        QStringList numbers;
        for (int n = first; n < first + 6; ++n)
            numbers << QString::number(n);
        draws << QString("0%1 Jan 05,").arg(d + 1) + numbers.join(',');
    }
    writeLines("dbase100.txt", DatabaseLines("Lotto", "6,49,0,0,0", draws));
    Settings.set(HistoryFilter, "6");
    struct Case {
        const char* name;
        std::function<GeneratorFrame*()> make;
        std::function<void(GeneratorFrame&)> change;
        std::function<void(GeneratorFrame&, const std::vector<std::vector<int>>&)> check;
    };
    const auto lines = [](GeneratorFrame& w) {
        std::vector<std::vector<int>> out;
        for (int r = 1; r <= ShownLines(w.MSFlexGrid1); ++r) {
            std::vector<int> line;
            for (int c = 1; c <= 6; ++c)
                line.push_back(w.MSFlexGrid1->TextMatrix(r, c).toInt());
            out.push_back(line);
        }
        return out;
    };
    const Case cases[] = {
        {"three keys",
         [] {
             auto* w = new P3KeyNum;
             w->Load();
             w->Bars[2]->setValue(47);
             return w;
         },
         [](GeneratorFrame& f) {
             auto& w = static_cast<P3KeyNum&>(f);
             QTest::keyClick(w.Bars[0], Qt::Key_End); // bar 1 to its end, onto bar 3
         },
         [](GeneratorFrame& f, const std::vector<std::vector<int>>& shown) {
             auto& w = static_cast<P3KeyNum&>(f);
             const std::vector<int> keys = w.Keys();
             ASSERT_FALSE(shown.empty());
             for (const auto& line : shown) {
                 EXPECT_EQ(std::set<int>(line.begin(), line.end()).size(), 6u);
                 for (int key : keys)
                     EXPECT_NE(std::find(line.begin(), line.end(), key), line.end()) << key;
             }
         }},
        {"full selection",
         [] {
             auto* w = new PFullSel;
             w->Load();
             return w;
         },
         [](GeneratorFrame& f) { QTest::mouseClick(static_cast<PFullSel&>(f).Check4, Qt::LeftButton); },
         [](GeneratorFrame& f, const std::vector<std::vector<int>>& shown) {
             auto& w = static_cast<PFullSel&>(f);
             std::set<int> played;
             for (const auto& line : shown)
                 played.insert(line.begin(), line.end());
             const bool all = w.Check4->isChecked();
             EXPECT_EQ(w.Label4->text().toStdString(), all ? "  All numbers used" : "  1 numbers unused");
             EXPECT_EQ(played.size(), all ? 49u : 48u);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<GeneratorFrame> w(c.make());
        w->Check3->setChecked(true);
        double now = 0;
        SetMonotonicClockForTests([&now] { return now += 0.05; });
        bool changed = false;
        QTimer::singleShot(0, w.get(), [&] {
            c.change(*w);
            changed = true;
        });
        w->Command2->click();
        SetMonotonicClockForTests({});
        ASSERT_TRUE(changed);
        EXPECT_TRUE(w->Label5->text().endsWith(kNotComplySuffix)) << w->Label5->text().toStdString();
        c.check(*w, lines(*w));
    }
}

// Another window opening another lottery does not change what this window
// plays: Generate loads its own lottery again.
TEST_F(ResponsiveGenerators, GenerateUsesTheLotteryChosenHere)
{
    PLuckyDip w;
    w.Load();
    ASSERT_EQ(LotteryName, "Four");
    ASSERT_TRUE(LoadDatabaseFile("dbase200.txt"));
    w.Command2->click();
    EXPECT_EQ(LotteryName, "Four");
    ASSERT_GE(EntryCount(), 1);
    for (const auto& line : EntryLines(3))
        for (int n : line)
            EXPECT_TRUE(n >= 1 && n <= 4) << n;
    EXPECT_EQ(Entries[1][4], 0);
}

// Lucky dip with a seeded source: every line holds K different numbers in
// order, and over many lines every number turns up about equally often, so
// the shuffle reaches every place of the pool.
TEST(LuckyDipMethod, EveryNumberIsReachedAboutEquallyOften)
{
    ResetEntries();
    SetLottery(6, 49, 10);
    RandomizeSeed(20261208);
    std::array<int, 50> count{};
    std::array<int, 11> extras{};
    const int rounds = 100;
    for (int round = 0; round < rounds; ++round) {
        LuckyDipLines(kMaxEntryLines);
        ASSERT_EQ(EntryCount(), kMaxEntryLines);
        for (int r = 1; r <= kMaxEntryLines; ++r) {
            for (int c = 1; c <= 6; ++c) {
                ASSERT_TRUE(Entries[r][c] >= 1 && Entries[r][c] <= 49);
                if (c > 1) {
                    ASSERT_LT(Entries[r][c - 1], Entries[r][c]);
                }
                ++count[std::size_t(Entries[r][c])];
            }
            ASSERT_TRUE(Entries[r][kExtraBallColumn] >= 1 && Entries[r][kExtraBallColumn] <= 10);
            ++extras[std::size_t(Entries[r][kExtraBallColumn])];
        }
    }
    const double picks = double(rounds) * kMaxEntryLines * 6;
    const double mean = picks / 49;
    const double sd = std::sqrt(mean * (1 - 6.0 / 49));
    for (int n = 1; n <= 49; ++n)
        EXPECT_NEAR(count[std::size_t(n)], mean, 6 * sd) << "number " << n;
    const double extraMean = double(rounds) * kMaxEntryLines / 10;
    for (int e = 1; e <= 10; ++e)
        EXPECT_NEAR(extras[std::size_t(e)], extraMean, 6 * std::sqrt(extraMean)) << "extra " << e;

    // The same seed gives the same lines.
    RandomizeSeed(99);
    LuckyDipLines(5);
    const auto first = EntryLines(6);
    RandomizeSeed(99);
    LuckyDipLines(5);
    EXPECT_EQ(EntryLines(6), first);
}

// Each line's shuffle exchanges every place with a random place of the whole
// pool: after one line of 3 from 4 the pool's order follows the distribution
// of the 4^4 equally likely choices of places, which a shuffle that skips a
// place or never chooses the last one does not.
TEST(LuckyDipMethod, TheShuffleReachesEveryPlace)
{
    std::map<std::array<int, 4>, double> expected;
    for (int code = 0; code < 256; ++code) {
        std::array<int, 4> pool{1, 2, 3, 4};
        for (int i = 0, c = code; i < 4; ++i, c /= 4)
            std::swap(pool[std::size_t(i)], pool[std::size_t(c % 4)]);
        expected[pool] += 1.0 / 256;
    }
    ResetEntries();
    SetLottery(3, 4);
    RandomizeSeed(1208);
    const int samples = 100000;
    std::map<std::array<int, 4>, int> seen;
    for (int s = 0; s < samples; ++s) {
        LuckyDipLines(1);
        ++seen[{BallPool[1], BallPool[2], BallPool[3], BallPool[4]}];
    }
    for (const auto& [order, count] : seen)
        EXPECT_TRUE(expected.count(order)) << "an order no shuffle gives";
    for (const auto& [order, p] : expected) {
        const double sd = std::sqrt(p * (1 - p) / samples);
        EXPECT_NEAR(double(seen[order]) / samples, p, 6 * sd) << order[0] << order[1] << order[2] << order[3];
    }
}

// Full selection deals every number once; with every number included the
// last line is completed from the spill-over; a lottery the pool cannot deal
// gives no lines.
TEST(FullSelectionMethod, DealsEveryNumberOnce)
{
    ResetEntries();
    SetLottery(6, 49);
    RandomizeSeed(5);
    FullSelectionLines(false);
    ASSERT_EQ(EntryCount(), 8);
    std::set<int> seen;
    for (const auto& line : EntryLines(6))
        seen.insert(line.begin(), line.end());
    EXPECT_EQ(seen.size(), 48u);

    FullSelectionLines(true);
    ASSERT_EQ(EntryCount(), 9);
    seen.clear();
    for (const auto& line : EntryLines(6))
        seen.insert(line.begin(), line.end());
    EXPECT_EQ(seen.size(), 49u);

    // On small lotteries the last line still holds no number twice.
    for (auto [k, n] : {std::pair{7, 10}, std::pair{6, 8}, std::pair{5, 7}}) {
        SetLottery(k, n);
        FullSelectionLines(true);
        seen.clear();
        for (const auto& line : EntryLines(k)) {
            EXPECT_EQ(std::set<int>(line.begin(), line.end()).size(), std::size_t(k)) << k << "/" << n;
            seen.insert(line.begin(), line.end());
        }
        EXPECT_EQ(seen.size(), std::size_t(n));
    }

    SetLottery(0, 49);
    FullSelectionLines(true);
    EXPECT_EQ(EntryCount(), 0);
    SetLottery(6, 115);
    FullSelectionLines(true);
    EXPECT_EQ(EntryCount(), 0);
}
