// The budget wheels' stored tables and the lines they make.
#include "generators/Entries.h"
#include "platform/Random.h"
#include "support/WheelFixtures.h"
#include "wheels/BudgetWheels.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

using Line = std::vector<int>;

// The numbers of a group (A = 1 2 3 with the pool 1 to 18).
Line Group(char letter)
{
    const int g = letter - 'A';
    return {3 * g + 1, 3 * g + 2, 3 * g + 3};
}

} // namespace

// Each table wheels its size in groups of three: sizes 9 to 18 in 3, 4, 5 and
// 8 lines; every line joins two different groups of that size, no pair twice,
// and every group of the size plays in some line.
TEST(BudgetWheelTables, SizesLinesAndGroups)
{
    const std::vector<std::pair<int, int>> expected{{9, 3}, {12, 4}, {15, 5}, {18, 8}};
    ASSERT_EQ(BudgetWheels().size(), expected.size());
    for (int option = 0; option < 4; ++option) {
        const QString table = BudgetWheelTable(option);
        const int size = BudgetWheelSize(option);
        EXPECT_EQ(size, expected[std::size_t(option)].first);
        EXPECT_EQ(table.size() % 2, 0);
        EXPECT_EQ(BudgetWheelLineCount(table), expected[std::size_t(option)].second);
        std::set<QString> pairs;
        std::set<QChar> groups;
        for (int j = 0; j < table.size(); j += 2) {
            const QChar x = table[j], y = table[j + 1];
            for (QChar g : {x, y}) {
                EXPECT_GE(g, QChar('A'));
                EXPECT_LT(g.unicode() - 'A', size / 3) << table.toStdString();
                groups.insert(g);
            }
            EXPECT_NE(x, y);
            EXPECT_TRUE(pairs.insert(x < y ? QString(x) + y : QString(y) + x).second) << table.toStdString();
        }
        EXPECT_EQ(int(groups.size()), size / 3);
    }
    // A size button out of range reads as the first.
    EXPECT_EQ(BudgetWheelTable(7), "ABBCAC");
}

// Six-number lines are the two groups whole: 9 numbers give 1-6, 4-9 and
// 1 2 3 7 8 9; the larger sizes follow their tables' group pairs.
TEST(BudgetWheelLinesTest, SixNumbersJoinTwoGroups)
{
    ResetEntries();
    PoolOneTo(kBudgetBoxes);
    ASSERT_EQ(BudgetWheelLines(0, 6, 0), BudgetOutcome::Built);
    EXPECT_EQ(EntryLines(8),
              (std::vector<Line>{{1, 2, 3, 4, 5, 6, 0, 0}, {4, 5, 6, 7, 8, 9, 0, 0}, {1, 2, 3, 7, 8, 9, 0, 0}}));

    const std::vector<std::pair<int, const char*>> pairs{
        {1, "AB CD BC AD"}, {2, "AB CD AE BE BC"}, {3, "AB CD EF AC BD AF BC DE"}};
    for (const auto& [option, text] : pairs) {
        PoolOneTo(kBudgetBoxes);
        ASSERT_EQ(BudgetWheelLines(option, 6, 0), BudgetOutcome::Built);
        std::vector<Line> expected;
        for (const QString& pair : QString(text).split(' ')) {
            Line line = Group(char(pair[0].unicode()));
            const Line second = Group(char(pair[1].unicode()));
            line.insert(line.end(), second.begin(), second.end());
            std::sort(line.begin(), line.end());
            expected.push_back(line);
        }
        EXPECT_EQ(EntryLines(6), expected) << text;
    }
}

// Five-number lines take the first two or the last two of the second group;
// seven-number lines a seventh of the nine numbers that is not among the six.
TEST(BudgetWheelLinesTest, FiveAndSevenNumbers)
{
    ResetEntries();
    int firstTwo = 0, lastTwo = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandomizeSeed(seed);
        PoolOneTo(kBudgetBoxes);
        ASSERT_EQ(BudgetWheelLines(0, 5, 0), BudgetOutcome::Built);
        const auto lines = EntryLines(6);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_TRUE(lines[0] == Line({1, 2, 3, 4, 5, 0}) || lines[0] == Line({1, 2, 3, 5, 6, 0}));
        EXPECT_TRUE(lines[1] == Line({4, 5, 6, 7, 8, 0}) || lines[1] == Line({4, 5, 6, 8, 9, 0}));
        (lines[0][3] == 4 ? firstTwo : lastTwo) += 1;

        PoolOneTo(kBudgetBoxes);
        ASSERT_EQ(BudgetWheelLines(0, 7, 0), BudgetOutcome::Built);
        const auto seven = EntryLines(8);
        ASSERT_EQ(seven.size(), 3u);
        for (const Line& line : seven) {
            EXPECT_EQ(std::set<int>(line.begin(), line.begin() + 7).size(), 7u);
            EXPECT_LE(line[6], 9);
            EXPECT_EQ(line[kExtraBallColumn - kFirstNumberColumn], 0);
        }
        const Line a = Group('A'), b = Group('B');
        EXPECT_TRUE(std::includes(seven[0].begin(), seven[0].begin() + 7, a.begin(), a.end()));
        EXPECT_TRUE(std::includes(seven[0].begin(), seven[0].begin() + 7, b.begin(), b.end()));
    }
    EXPECT_GT(firstTwo, 0);
    EXPECT_GT(lastTwo, 0);

    // The same seed gives the same lines: the source is asked, line by line,
    // for the toss or the seventh numbers, then the extra ball.
    RandomizeSeed(2026);
    PoolOneTo(kBudgetBoxes);
    ASSERT_EQ(BudgetWheelLines(3, 7, 10), BudgetOutcome::Built);
    EXPECT_EQ(EntryLines(8),
              (std::vector<Line>{{1, 2, 3, 4, 5, 6, 12, 9},
                                 {2, 7, 8, 9, 10, 11, 12, 9},
                                 {4, 13, 14, 15, 16, 17, 18, 9},
                                 {1, 2, 3, 7, 8, 9, 12, 2},
                                 {2, 4, 5, 6, 10, 11, 12, 3},
                                 {1, 2, 3, 7, 16, 17, 18, 1},
                                 {3, 4, 5, 6, 7, 8, 9, 1},
                                 {10, 11, 12, 13, 14, 15, 17, 1}}));
}

// A lottery of four numbers has no budget wheel; repeated numbers that leave
// a seven-number line no seventh refuse instead of drawing for ever; numbers
// above the lottery and repeated ones otherwise play as they are.
TEST(BudgetWheelLinesTest, RefusalsAndRepeatedNumbers)
{
    ResetEntries();
    PoolOneTo(kBudgetBoxes);
    Entries[1][1] = 5;
    EXPECT_EQ(BudgetWheelLines(0, 4, 0), BudgetOutcome::NotAvailable);
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(BudgetWheelLines(0, 8, 0), BudgetOutcome::NotAvailable);

    for (int i = 0; i < 9; ++i)
        BallPool[i] = 5;
    EXPECT_EQ(BudgetWheelLines(0, 7, 0), BudgetOutcome::NoSeventhNumber);
    EXPECT_EQ(EntryCount(), 0);
    ASSERT_EQ(BudgetWheelLines(0, 6, 0), BudgetOutcome::Built);
    EXPECT_EQ(EntryLines(6)[0], Line({5, 5, 5, 5, 5, 5}));

    // One other number in each group: every line has a seventh.
    BallPool[0] = 97;
    BallPool[3] = 98;
    BallPool[6] = 99;
    ASSERT_EQ(BudgetWheelLines(0, 7, 0), BudgetOutcome::Built);
    EXPECT_EQ(EntryLines(7),
              (std::vector<Line>{{5, 5, 5, 5, 97, 98, 99}, {5, 5, 5, 5, 97, 98, 99}, {5, 5, 5, 5, 97, 98, 99}}));
    // Two: the line that joins their groups (A C) holds both.
    BallPool[3] = 5;
    EXPECT_EQ(BudgetWheelLines(0, 7, 0), BudgetOutcome::NoSeventhNumber);
}

// Every line carries an extra ball of 1 to the lottery's highest, or none.
TEST(BudgetWheelLinesTest, ExtraBalls)
{
    ResetEntries();
    RandomizeSeed(9);
    PoolOneTo(kBudgetBoxes);
    ASSERT_EQ(BudgetWheelLines(3, 6, 10), BudgetOutcome::Built);
    ASSERT_EQ(EntryCount(), 8);
    for (int r = 1; r <= 8; ++r)
        EXPECT_TRUE(Entries[r][kExtraBallColumn] >= 1 && Entries[r][kExtraBallColumn] <= 10);
    PoolOneTo(kBudgetBoxes);
    ASSERT_EQ(BudgetWheelLines(3, 5, 0), BudgetOutcome::Built);
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(Entries[r][kExtraBallColumn], 0);
}

// Only whole numbers from 1 that fit a cell pass.
TEST(BudgetWheelInput, WhatTheBoxesMayHold)
{
    EXPECT_TRUE(BudgetInputOK({"1", "49", "99", " 7", "3.6", "2.5", "12a", "7", "7"}, 99));
    for (const char* bad : {"", "abc", "0", "-3", "0.4", "0.5", "99999", "-", "."})
        EXPECT_FALSE(BudgetInputOK({"1", bad}, 99)) << bad;
    EXPECT_TRUE(BudgetInputOK({}, 49));
}
