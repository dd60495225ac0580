// The entries table, the line rules, the filters and the history index.
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/HistoryIndex.h"
#include "platform/Random.h"

#include <QCheckBox>
#include <QDialog>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Line = std::vector<int>;

void SetLine(int r, const Line& numbers, int extra = 0)
{
    for (int c = 1; c <= 7; ++c)
        Entries[r][c] = c <= int(numbers.size()) ? numbers[c - 1] : 0;
    Entries[r][kExtraBallColumn] = extra;
}

void SetList(const std::vector<Line>& lines)
{
    ClearEntries();
    for (int r = 0; r < int(lines.size()); ++r)
        SetLine(r + 1, lines[r]);
    EndEntries(int(lines.size()));
}

std::vector<Line> List(int k = 6)
{
    std::vector<Line> out;
    for (int r = 1; r <= EntryCount(); ++r) {
        Line l;
        for (int c = 1; c <= k; ++c)
            l.push_back(Entries[r][c]);
        out.push_back(l);
    }
    return out;
}

void SetDraws(const std::vector<Line>& draws)
{
    const int k = BallsDrawn, n = MaxBall;
    ResetOpenLottery();
    BallsDrawn = k;
    MaxBall = n;
    for (int r = 0; r < int(draws.size()); ++r)
        for (int c = 0; c < int(draws[r].size()); ++c)
            Draws[r + 1][c + 1] = draws[r][c];
    OpenLotteryChanged();
}

class Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        BallsDrawn = 6;
        MaxBall = 49;
        Settings.set(OddEvenFilter, "1 Odd/Even filter");
        Settings.set(HighLowFilter, "1 High/Low filter");
        Settings.set(HistoryFilter, "1 History  filter");
        Settings.set(LongRunFilter, "3 Long Run filter");
    }
};

} // namespace

TEST_F(Rules, SortEntriesSortsNumbersAndLeavesTheExtraBall)
{
    ClearEntries();
    SetLine(1, {9, 3, 7, 1, 5, 2, 4}, 3);
    SetLine(2, {5, 5, 1, 4, 3, 2}, 1);
    EndEntries(2);
    SortEntries(6);
    EXPECT_EQ(List(7), (std::vector<Line>{{1, 2, 3, 5, 7, 9, 4}, {1, 2, 3, 4, 5, 5, 0}}));
    EXPECT_EQ(Entries[1][kExtraBallColumn], 3);
    ClearEntries();
    SortEntries(6); // an empty list stays empty
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(Entries[1][2], 0);
}

TEST_F(Rules, ListEndsAtRow180AndDeletionNeverPullsStaleRowsBack)
{
    ClearEntries();
    for (int r = 1; r <= kEntryRows; ++r)
        SetLine(r, {r, r + 1});
    EXPECT_EQ(EntryCount(), kMaxEntryLines);
    DeleteEntry(1);
    EXPECT_EQ(EntryCount(), kMaxEntryLines - 1);
    EXPECT_EQ(Entries[1][1], 2);

    // A stale row after the end never comes back.
    SetList({{1, 2, 3, 4, 5, 6}});
    SetLine(3, {7, 8, 9, 10, 11, 12});
    DeleteEntry(1);
    EXPECT_EQ(EntryCount(), 0);
    DeleteEntry(1);
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(Entries[3][1], 7);
    // Deleting the last line moves the end up one row.
    SetList({{1}, {2}, {3}});
    DeleteEntry(3);
    EXPECT_EQ(List(1), (std::vector<Line>{{1}, {2}}));
}

TEST_F(Rules, OddEvenAndHighLowLines)
{
    const std::int16_t evens[] = {0, 2, 4, 6, 8, 10, 12};
    const std::int16_t mixed[] = {0, 1, 2, 4, 6, 8, 10};
    EXPECT_FALSE(OddEvenLineOK(evens, 6, 1));
    EXPECT_TRUE(OddEvenLineOK(mixed, 6, 1));
    EXPECT_FALSE(OddEvenLineOK(mixed, 6, 2));
    EXPECT_TRUE(OddEvenLineOK(evens, 6, 0));

    const std::int16_t spread[] = {0, 1, 2, 3, 30, 40, 45};
    const std::int16_t low[] = {0, 1, 2, 3, 4, 5, 30};
    EXPECT_TRUE(HighLowLineOK(spread, 6, 49, 2));
    EXPECT_FALSE(HighLowLineOK(low, 6, 49, 2));
    // 24 is low and 25 high for 49 and for 50.
    const std::int16_t edge[] = {0, 24, 25, 26, 27, 28, 29};
    EXPECT_TRUE(HighLowLineOK(edge, 6, 49, 1));
    EXPECT_TRUE(HighLowLineOK(edge, 6, 50, 1));
    EXPECT_TRUE(HighLowLineOK(edge, 6, 51, 2)); // 25 is low for 51
    EXPECT_FALSE(HighLowLineOK(edge, 6, 50, 2));
}

TEST_F(Rules, LongRunsCountStepsInAdjacentColumns)
{
    const std::int16_t four[] = {0, 5, 6, 7, 8, 20, 30};
    const std::int16_t threes[] = {0, 5, 6, 7, 20, 21, 22};
    EXPECT_FALSE(LongRunLineOK(four, 6, 3));
    EXPECT_TRUE(LongRunLineOK(threes, 6, 3));
    EXPECT_FALSE(LongRunLineOK(threes, 6, 2));
    // The run stops at column K even when the extra ball continues it.
    const std::int16_t seven[] = {0, 1, 10, 20, 30, 31, 32, 33, 34};
    EXPECT_TRUE(LongRunLineOK(seven, 7, 4));
    EXPECT_FALSE(LongRunLineOK(seven, 7, 3));
}

TEST_F(Rules, TestsFollowTheirBoxesAndAnEmptyListPasses)
{
    SetDraws({{1, 2, 3, 4, 5, 6}});
    SetList({{2, 4, 6, 8, 10, 12}, {1, 2, 3, 4, 5, 6}});
    EXPECT_TRUE(OddEvenOK(false));
    EXPECT_TRUE(HighLowOK(false));
    EXPECT_TRUE(HistoryOK(false));
    EXPECT_FALSE(OddEvenOK(true));
    EXPECT_FALSE(HighLowOK(true));
    EXPECT_FALSE(HistoryOK(true));

    ClearEntries();
    EXPECT_TRUE(OddEvenOK(true));
    EXPECT_TRUE(HighLowOK(true));
    EXPECT_TRUE(HistoryOK(true));
}

TEST_F(Rules, FiltersDeleteFailingLinesInOrder)
{
    SetList(
        {{2, 4, 6, 8, 10, 12}, {1, 3, 5, 7, 9, 11}, {1, 2, 3, 30, 40, 41}, {5, 6, 7, 8, 20, 30}, {1, 2, 3, 4, 5, 6}});
    FilterOddEven();
    EXPECT_EQ(List(), (std::vector<Line>{{1, 2, 3, 30, 40, 41}, {5, 6, 7, 8, 20, 30}, {1, 2, 3, 4, 5, 6}}));
    FilterLongRuns();
    EXPECT_EQ(List(), (std::vector<Line>{{1, 2, 3, 30, 40, 41}}));
    Settings.set(HighLowFilter, "3");
    FilterHighLow();
    EXPECT_EQ(List(), (std::vector<Line>{{1, 2, 3, 30, 40, 41}}));
    SetList({{1, 2, 3, 4, 5, 30}});
    FilterHighLow();
    FilterHighLow(); // an empty list stays empty
    EXPECT_EQ(EntryCount(), 0);
}

TEST_F(Rules, FilterHistoryAtStrengthsOneAndTwo)
{
    SetDraws({{10, 20, 30, 40, 45, 49}, {1, 2, 3, 4, 5, 6}});
    const std::vector<Line> lines{
        {1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 7}, {10, 20, 30, 40, 45, 48}, {7, 8, 9, 11, 12, 13}};
    SetList(lines);
    FilterHistory();
    EXPECT_EQ(List(), (std::vector<Line>{{6, 5, 4, 3, 2, 7}, {10, 20, 30, 40, 45, 48}, {7, 8, 9, 11, 12, 13}}));
    Settings.set(HistoryFilter, "2");
    FilterHistory();
    EXPECT_EQ(List(), (std::vector<Line>{{7, 8, 9, 11, 12, 13}}));
}

TEST_F(Rules, RemoveDuplicatesKeepsTheLastOfEqualLines)
{
    ClearEntries();
    SetLine(1, {1, 2, 3, 4, 5, 6}, 1);
    SetLine(2, {7, 8, 9, 10, 11, 12}, 2);
    SetLine(3, {1, 2, 3, 4, 5, 6}, 3);
    SetLine(4, {13, 14, 15, 16, 17, 18}, 4);
    SetLine(5, {7, 8, 9, 10, 11, 12}, 5);
    EndEntries(5);
    RemoveDuplicates();
    EXPECT_EQ(List(), (std::vector<Line>{{1, 2, 3, 4, 5, 6}, {13, 14, 15, 16, 17, 18}, {7, 8, 9, 10, 11, 12}}));
    EXPECT_EQ(Entries[1][kExtraBallColumn], 3);
    EXPECT_EQ(Entries[3][kExtraBallColumn], 5);
    // Seven-number lines that differ only in the seventh are different lines.
    BallsDrawn = 7;
    SetList({{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 8}, {1, 2, 3, 4, 5, 6, 7}});
    RemoveDuplicates();
    EXPECT_EQ(List(7), (std::vector<Line>{{1, 2, 3, 4, 5, 6, 8}, {1, 2, 3, 4, 5, 6, 7}}));
}

TEST_F(Rules, StrengthsFromAHandEditedFileAreClamped)
{
    Settings.set(OddEvenFilter, "9");
    Settings.set(HighLowFilter, "-4 x");
    Settings.set(HistoryFilter, "99");
    Settings.set(LongRunFilter, "0");
    const FilterStrengths s = ReadFilterStrengths(6);
    EXPECT_EQ(s.oddEven, 3);
    EXPECT_EQ(s.highLow, 0);
    EXPECT_EQ(s.history, 6);
    EXPECT_EQ(s.longRun, 1);
    // A strength no line could meet still leaves a list that ends.
    Settings.set(HistoryFilter, "99");
    SetDraws({{1, 2, 3, 4, 5, 6}});
    SetList({{1, 7, 8, 9, 10, 11}, {12, 13, 14, 15, 16, 17}});
    FilterHistory();
    EXPECT_EQ(List(), (std::vector<Line>{{12, 13, 14, 15, 16, 17}}));
}

// The index must give the rule's own answer, irregular rows included.
TEST_F(Rules, HistoryIndexAgreesWithThePairLoop)
{
    RandomizeSeed(7);
    for (int k : {3, 5, 6, 7}) {
        const int n = k == 3 ? 12 : 30;
        ResetOpenLottery();
        for (int r = 1; r <= 400; ++r)
            for (int c = 1; c <= k; ++c)
                Draws[r][c] = std::int16_t(RandomNumber(n)); // repeats happen
        Draws[17][k] = 0;                                    // a zero inside a draw
        OpenLotteryChanged();
        for (int l = 0; l <= k; ++l) {
            for (int t = 0; t < 300; ++t) {
                std::int16_t line[9] = {};
                for (int c = 1; c <= k; ++c)
                    line[c] = std::int16_t(t % 10 == 0 ? RandomNumber(n + 1) - 1 : RandomNumber(n));
                const bool expected = HistoryLineFailsPairLoop(line, k, l);
                ASSERT_EQ(HistoryLineFails(line, k, l), expected) << "k " << k << " l " << l;
                ASSERT_EQ(HistoryLineFailsBitSet(line, k, l), expected) << "k " << k << " l " << l;
            }
        }
    }
}

TEST_F(Rules, HistoryIndexFollowsChangedDraws)
{
    SetDraws({{1, 2, 3, 4, 5, 6}});
    const std::int16_t line[] = {0, 7, 8, 9, 10, 11, 12};
    EXPECT_FALSE(HistoryLineFails(line, 6, 1));
    Draws[2][1] = 7, Draws[2][2] = 8, Draws[2][3] = 9, Draws[2][4] = 10, Draws[2][5] = 11, Draws[2][6] = 12;
    OpenLotteryChanged();
    EXPECT_TRUE(HistoryLineFails(line, 6, 1));
    // A check made for another strength leaves one alive undisturbed.
    const std::int16_t five[] = {0, 7, 8, 9, 10, 11, 40};
    const HistoryCheck strength1(6, 1);
    const HistoryCheck strength2(6, 2);
    EXPECT_FALSE(strength1.fails(five));
    EXPECT_TRUE(strength2.fails(five));
    Draws[1][1] = 0; // now no draws at all
    OpenLotteryChanged();
    EXPECT_FALSE(HistoryLineFails(line, 6, 1));
}
