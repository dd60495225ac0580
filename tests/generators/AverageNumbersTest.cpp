// The average-numbers method with a seeded source, and its window opened
// from the Play menu.
#include "GeneratorHelpers.h"
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "generators/AverageNumbers.h"
#include "generators/Entries.h"
#include "generators/RetryLoop.h"
#include "generators/ui/PAverage.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <set>

// The mean of each place of the sorted draws, its whole part; no draws, no
// averages.
TEST(AverageNumbersRule, AveragesOfEachPlaceOfTheSortedDraws)
{
    SetLottery(3, 20, 0, {{9, 2, 5}, {3, 1, 20}, {4, 6, 8}});
    SortDraws(3);
    // Sorted: 2 5 9 / 1 3 20 / 4 6 8: sums 7, 14, 37.
    EXPECT_EQ(DrawAverages(3), (std::vector<int>{0, 2, 4, 12}));
    SetLottery(3, 20, 0, {});
    EXPECT_TRUE(DrawAverages(3).empty());
}

// Every number lies within one of its average and inside 1 to N; an extra
// ball is drawn for each line; the same seed gives the same lines.
TEST(AverageNumbersRule, NumbersWithinOneOfTheAverageAndClamped)
{
    ResetEntries();
    SetLottery(4, 30, 5, {});
    const std::vector<int> averages{0, 1, 10, 20, 30};
    RandomizeSeed(4);
    AverageLines(averages, 30);
    ASSERT_EQ(EntryCount(), 30);
    std::set<int> seen[5];
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_LE(std::abs(Entries[r][c] - averages[std::size_t(c)]), 1);
            seen[c].insert(Entries[r][c]);
        }
        EXPECT_TRUE(Entries[r][kExtraBallColumn] >= 1 && Entries[r][kExtraBallColumn] <= 5);
    }
    EXPECT_EQ(seen[1], (std::set<int>{1, 2}));      // 0 becomes 1
    EXPECT_EQ(seen[2], (std::set<int>{9, 10, 11})); // all three offsets come up
    EXPECT_EQ(seen[4], (std::set<int>{29, 30}));    // 31 becomes 30

    RandomizeSeed(2026);
    AverageLines({0, 5, 10, 15, 20}, 3);
    const std::vector<std::vector<int>> expected{{4, 10, 16, 19}, {4, 11, 14, 20}, {4, 9, 14, 20}};
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(std::vector<int>(Entries[r] + 1, Entries[r] + 5), expected[std::size_t(r - 1)]) << "line " << r;
}

TEST(AverageNumbersRule, CheckDuplicateLooksAtEveryPairOfALine)
{
    ResetEntries();
    const std::int16_t lines[3][5] = {{0, 4, 5, 6, 7}, {0, 4, 5, 4, 8}, {0, 1, 2, 3, 4}};
    for (int r = 0; r < 3; ++r)
        for (int c = 1; c <= 4; ++c)
            Entries[r + 1][c] = lines[r][c];
    EndEntries(3);
    EXPECT_FALSE(CheckDuplicate(4)); // line 2: 4 in places 1 and 3
    Entries[2][3] = 9;
    EXPECT_TRUE(CheckDuplicate(4));
    EndEntries(0);
    EXPECT_TRUE(CheckDuplicate(4));
}

using AverageWindow = ProgramFolderTest;

TEST_F(AverageWindow, GeneratesAroundTheAveragesAndSavesFromThePlayMenu)
{
    // Sorted averages: 2, 5 (sums 4 and 11 over 2 draws).
    writeLines("dbase100.txt", DatabaseLines("Pick Three", "3,10,0,0,0", {"05 Mar 05,6,1,9", "02 Mar 05,3,5,10"}));
    writeLines("dbase200.txt", DatabaseLines("Empty", "6,49,0,0,0", {}));
    RegisterAllWindows();
    int saved = 0;
    SetModalHook([&](QDialog* dialog) {
        if (auto* w = qobject_cast<PAverage*>(dialog)) {
            EXPECT_EQ(w->windowTitle(), "Average Numbers");
            EXPECT_EQ(w->MSFlexGrid1->Rows(), 33);
            EXPECT_EQ(w->Averages(), (std::vector<int>{0, 2, 5, 9}));
            EXPECT_TRUE(w->Label5->text().startsWith("Tries: ")) << w->Label5->text().toStdString();
            // The choice unticked the boxes; lines are sorted, no number twice.
            EXPECT_FALSE(w->Check1->isChecked());
            const int shown = ShownLines(w->MSFlexGrid1);
            EXPECT_TRUE(shown >= 1 && shown <= 5);
            for (int r = 1; r <= shown; ++r) {
                const int a = w->MSFlexGrid1->TextMatrix(r, 1).toInt(), b = w->MSFlexGrid1->TextMatrix(r, 2).toInt(),
                          c = w->MSFlexGrid1->TextMatrix(r, 3).toInt();
                EXPECT_TRUE(a < b && b < c) << a << " " << b << " " << c;
                EXPECT_TRUE(a >= 1 && a <= 3 && b >= 4 && b <= 6 && c >= 8 && c <= 10);
            }
            // The bar changes the count at once, the lines at Generate.
            w->HScroll1->setValue(20);
            EXPECT_EQ(w->Label8->text(), "20");
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), shown);
            w->Check1->setChecked(true);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_GT(ShownLines(w->MSFlexGrid1), shown);
            // Another lottery unticks the boxes again.
            w->List1->setCurrentRow(1);
            EXPECT_FALSE(w->Check1->isChecked());
            EXPECT_EQ(w->Label5->text(), "This lottery has no draws yet to take the averages of.");
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 0);
            w->List1->setCurrentRow(0);
            QTest::mouseClick(w->Command7, Qt::LeftButton);
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            return int(w->result());
        }
        ++saved;
        return AnswerSaveDialog(dialog, {"1"});
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayAverages, nullptr));
    EXPECT_EQ(saved, 1);
    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries && entries->size() == 1);
    EXPECT_EQ((*entries)[0].lottery, "Pick Three");
    EXPECT_EQ((*entries)[0].numbers[3], "");
}

TEST_F(AverageWindow, NoLineHoldsANumberTwiceAfterTheTimeLimit)
{
    // Averages 1, 2, 3 of 3 from 4: nearly every line repeats a number, and
    // the clock runs out after the first try.
    writeLines("dbase100.txt", DatabaseLines("Pick Three", "3,4,0,0,0", {"05 Mar 05,1,2,3", "02 Mar 05,3,2,1"}));
    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 11; });
    PAverage w;
    w.HScroll1->setValue(30);
    w.Load();
    SetMonotonicClockForTests({});
    EXPECT_TRUE(w.Label5->text().endsWith(kNotComplySuffix));
    const int shown = ShownLines(w.MSFlexGrid1);
    EXPECT_GE(shown, 1);
    for (int r = 1; r <= shown; ++r) {
        const int a = w.MSFlexGrid1->TextMatrix(r, 1).toInt(), b = w.MSFlexGrid1->TextMatrix(r, 2).toInt(),
                  c = w.MSFlexGrid1->TextMatrix(r, 3).toInt();
        EXPECT_TRUE(a < b && b < c) << a << " " << b << " " << c;
    }
}
