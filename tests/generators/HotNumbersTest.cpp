// The hot- and cold-numbers method with a seeded source, and its window
// opened from the Play menu.
#include "GeneratorHelpers.h"
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "generators/HotNumbers.h"
#include "generators/ui/PHotNumbers.h"
#include "platform/Dates.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"
#include "support/WheelFixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

namespace {

std::vector<int> Ranking(int n) { return std::vector<int>(BallPool + 1, BallPool + n + 1); }

} // namespace

// Ties go to the lower number; cold mode turns the ranking round, never-drawn
// numbers first; the most drawn number comes last.
TEST(HotNumbersRule, RanksByCountsLowestNumberFirstOnTiesAndInvertsForCold)
{
    ResetEntries();
    SetLottery(3, 12, 0, {{5, 9, 2}, {9, 5, 11}, {9, 7, 3}, {4, 2, 8}});
    // 9 three times; 2 and 5 twice; 3, 4, 7, 8, 11 once; the rest never.
    HotCounts counts = CountDrawnNumbers(3, 12, 0);
    GetHotNumbers(12, counts.numbers);
    EXPECT_EQ(Ranking(12), (std::vector<int>{9, 2, 5, 3, 4, 7, 8, 11, 1, 6, 10, 12}));
    EXPECT_EQ(HotNumbersText(10), "9, 2, 5, 3, 4, 7, 8, 11, 1, 6");
    EXPECT_EQ(BallPool[0], 0);

    InvertCounts(counts.numbers);
    GetHotNumbers(12, counts.numbers);
    EXPECT_EQ(Ranking(12), (std::vector<int>{1, 6, 10, 12, 3, 4, 7, 8, 11, 2, 5, 9}));

    // Nothing drawn yet: every count 0, the numbers in order, hot or cold.
    SetLottery(6, 49, 0, {});
    counts = CountDrawnNumbers(6, 49, 0);
    InvertCounts(counts.numbers);
    GetHotNumbers(49, counts.numbers);
    EXPECT_EQ(HotNumbersText(10), "1, 2, 3, 4, 5, 6, 7, 8, 9, 10");
}

// Ten lines, each K different numbers of the top ten, sorted; the extra ball
// of line r is the r-th most drawn, round again when there are fewer than
// ten extra balls.
TEST(HotNumbersRule, TenLinesFromTheTopTenWithRankedExtraBalls)
{
    ResetEntries();
    std::vector<std::vector<int>> draws;
    for (int d = 0; d < 40; ++d) // numbers 1 to 12 drawn, 13 to 49 never
        draws.push_back({d % 12 + 1, (d + 3) % 12 + 1, (d + 5) % 12 + 1, (d + 7) % 12 + 1, (d + 9) % 12 + 1,
                         (d + 11) % 12 + 1, d % 4 + 1});
    draws.push_back({1, 2, 3, 4, 5, 6, 4}); // extra ball 4 drawn most
    SetLottery(6, 49, 4, draws);
    RandomizeSeed(77);
    const QString hot = HotNumbersLines(false);
    const std::vector<int> top = Ranking(4); // the extra-ball ranking is left in BallPool
    EXPECT_EQ(top, (std::vector<int>{4, 1, 2, 3}));
    ASSERT_EQ(EntryCount(), 10);
    const QStringList topTen = hot.split(", ");
    ASSERT_EQ(topTen.size(), 10);
    for (int r = 1; r <= 10; ++r) {
        std::set<int> line;
        for (int c = 1; c <= 6; ++c) {
            EXPECT_TRUE(topTen.contains(QString::number(Entries[r][c])));
            if (c > 1) {
                EXPECT_LT(Entries[r][c - 1], Entries[r][c]);
            }
            line.insert(Entries[r][c]);
        }
        EXPECT_EQ(line.size(), 6u);
        EXPECT_EQ(Entries[r][7], 0);
        EXPECT_EQ(Entries[r][kExtraBallColumn], top[std::size_t((r - 1) % 4)]) << "line " << r;
    }

    // Cold mode on the same draws: the never-drawn numbers, 13 upwards; the
    // least drawn extra ball first.
    RandomizeSeed(77);
    EXPECT_EQ(HotNumbersLines(true), "13, 14, 15, 16, 17, 18, 19, 20, 21, 22");
    EXPECT_EQ(Entries[1][kExtraBallColumn], 1);
    for (int r = 1; r <= 10; ++r)
        EXPECT_GE(Entries[r][1], 13);
}

// A fixed seed gives these lines on every machine: the source is asked for
// ten places per line, line after line, and nothing else.
TEST(HotNumbersRule, SeededLinesAreFixed)
{
    ResetEntries();
    SetLottery(5, 20, 0, {{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}, {1, 2, 8, 9, 10}});
    RandomizeSeed(2026);
    EXPECT_EQ(HotNumbersLines(false), "1, 2, 3, 4, 5, 6, 7, 8, 9, 10");
    const std::vector<std::vector<int>> expected{{2, 3, 4, 9, 10}, {2, 4, 6, 7, 10}, {1, 2, 4, 8, 9}, {2, 3, 4, 6, 9},
                                                 {2, 4, 5, 8, 9},  {1, 5, 6, 7, 10}, {4, 5, 6, 7, 9}, {1, 2, 4, 8, 9},
                                                 {2, 5, 6, 7, 8},  {1, 2, 3, 5, 9}};
    EXPECT_EQ(EntryLines(5), expected);
}

// A lottery of fewer than ten numbers plays all of them; counters take
// every number of a large lottery; a lottery without extra balls leaves
// column 8 empty.
TEST(HotNumbersRule, SmallAndLargeLotteries)
{
    ResetEntries();
    SetLottery(3, 6, 0, {{6, 5, 4}, {6, 1, 2}});
    RandomizeSeed(5);
    EXPECT_EQ(HotNumbersLines(true), "3, 1, 2, 4, 5, 6");
    ASSERT_EQ(EntryCount(), 10);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_TRUE(Entries[r][1] >= 1 && Entries[r][3] <= 6);
        EXPECT_TRUE(Entries[r][1] < Entries[r][2] && Entries[r][2] < Entries[r][3]);
        EXPECT_EQ(Entries[r][kExtraBallColumn], 0);
    }
    std::vector<std::vector<int>> draws(3, {100, 110, 120});
    SetLottery(3, 120, 0, draws);
    EXPECT_EQ(HotNumbersLines(false), "100, 110, 120, 1, 2, 3, 4, 5, 6, 7");
    // Repeated Generates start from fresh counts.
    EXPECT_EQ(HotNumbersLines(false), "100, 110, 120, 1, 2, 3, 4, 5, 6, 7");
}

namespace {

using HotNumbersWindow = HotDrawsFolder;

} // namespace

TEST_F(HotNumbersWindow, HotThenColdAndSavedFromThePlayMenu)
{
    SetClockForTests(QDateTime(QDate(2026, 12, 7), QTime(9, 0))); // a Monday
    RegisterAllWindows();
    int saved = 0;
    SetModalHook([&](QDialog* dialog) {
        if (auto* w = qobject_cast<PHotNumbers*>(dialog)) {
            EXPECT_EQ(w->windowTitle(), "Hot Numbers");
            EXPECT_EQ(w->findChild<QWidget*>("Check1"), nullptr);
            EXPECT_EQ(w->findChild<QWidget*>("Label6(0)"), nullptr);
            EXPECT_EQ(w->Label6[1]->text(), "Filters   ");
            EXPECT_EQ(w->findChild<QPushButton*>("Command8")->toolTip(), " Delete bad entries ");
            EXPECT_EQ(w->Command7->toolTip(), "Save the lottery entries to disk");
            EXPECT_EQ(w->Label5->text(), "7, 3, 40, 11, 12, 13, 14, 15, 16, 17");
            EXPECT_EQ(w->Label5->palette().color(QPalette::WindowText), QColor(192, 0, 0));
            EXPECT_GE(ShownLines(w->MSFlexGrid1), 1);
            EXPECT_EQ(w->MSFlexGrid1->TextMatrix(1, 6), "");
            // Line r has the r-th most drawn extra ball (a repeated line may have gone).
            for (int r = 1; r <= ShownLines(w->MSFlexGrid1); ++r)
                EXPECT_TRUE(QStringList({"30", "2", "1", "3", "4", "5", "6", "7", "8", "9"})
                                .contains(w->MSFlexGrid1->TextMatrix(r, 8)));

            QTest::mouseClick(w->Option1[1], Qt::LeftButton);
            EXPECT_TRUE(w->ColdMode);
            EXPECT_EQ(w->windowTitle(), "Cold numbers");
            EXPECT_EQ(w->Label7->text(), "Cold numbers");
            EXPECT_EQ(w->Label8->text(), "Cold numbers");
            EXPECT_EQ(w->Label8->palette().color(QPalette::Window), QColor(0, 0, 192));
            EXPECT_EQ(w->Label5->palette().color(QPalette::WindowText), QColor(0, 0, 192));
            EXPECT_TRUE(w->Label2->text().startsWith("Some draw numbers have not come up"));
            EXPECT_EQ(w->Label5->text(), "1, 2, 4, 5, 6, 8, 9, 10, 19, 20");
            QTest::mouseClick(w->Command7, Qt::LeftButton);
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            return int(w->result());
        }
        ++saved;
        return AnswerSaveDialog(dialog, {"2"});
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayHot, nullptr));
    EXPECT_EQ(saved, 1);
    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2);
    EXPECT_EQ((*entries)[0].date, "09-Dec-2026"); // Wednesday's draw
    EXPECT_EQ((*entries)[0].lottery, "US Powerball");
    for (const SavedEntry& e : *entries) {
        for (int i = 1; i <= 5; ++i)
            EXPECT_TRUE(QStringList({"1", "2", "4", "5", "6", "8", "9", "10", "19", "20"})
                            .contains(e.numbers[std::size_t(i - 1)]));
        EXPECT_EQ(e.numbers[5], "");
    }
}

TEST_F(HotNumbersWindow, ColdNumbersItemOpensInColdMode)
{
    RegisterAllWindows();
    bool shown = false;
    SetModalHook([&](QDialog* dialog) {
        auto* w = qobject_cast<PHotNumbers*>(dialog);
        if (!w)
            return Harness::UnexpectedWindow(dialog);
        shown = true;
        EXPECT_TRUE(w->Option1[1]->isChecked());
        EXPECT_EQ(w->windowTitle(), "Cold numbers");
        EXPECT_EQ(w->Label5->text(), "1, 2, 4, 5, 6, 8, 9, 10, 19, 20");
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayColdNums, nullptr));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(HasWindow(MenuItem::PlayHot));
}
