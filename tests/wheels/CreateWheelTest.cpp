// Create-a-wheel's rings of the player's numbers.
#include "generators/Entries.h"
#include "platform/Random.h"
#include "support/WheelFixtures.h"
#include "wheels/CreateWheel.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

using Line = std::vector<int>;

} // namespace

// The worked rings: each line runs on from the one before by the interval,
// round past the last number to the first.
TEST(CreateWheelRings, WorkedExamples)
{
    ResetEntries();
    PoolOneTo(8);
    ASSERT_EQ(CreateWheelLines(8, 1, 6, 0), 8);
    EXPECT_EQ(EntryLines(6),
              (std::vector<Line>{{1, 2, 3, 4, 5, 6},
                                 {2, 3, 4, 5, 6, 7},
                                 {3, 4, 5, 6, 7, 8},
                                 {4, 5, 6, 7, 8, 1},
                                 {5, 6, 7, 8, 1, 2},
                                 {6, 7, 8, 1, 2, 3},
                                 {7, 8, 1, 2, 3, 4},
                                 {8, 1, 2, 3, 4, 5}}));
    SortEntries(6);
    EXPECT_EQ(EntryLines(6)[3], Line({1, 4, 5, 6, 7, 8}));

    PoolOneTo(8);
    ASSERT_EQ(CreateWheelLines(8, 3, 6, 0), 3);
    EXPECT_EQ(EntryLines(6), (std::vector<Line>{{1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 1}, {7, 8, 1, 2, 3, 4}}));

    PoolOneTo(9);
    ASSERT_EQ(CreateWheelLines(9, 2, 6, 0), 5);
    EXPECT_EQ(EntryLines(1), (std::vector<Line>{{1}, {3}, {5}, {7}, {9}}));

    PoolOneTo(20);
    ASSERT_EQ(CreateWheelLines(20, 5, 6, 0), 4);
    EXPECT_EQ(EntryLines(1), (std::vector<Line>{{1}, {6}, {11}, {16}}));
    EXPECT_EQ(EntryLines(6)[3], Line({16, 17, 18, 19, 20, 1}));

    PoolOneTo(10);
    ASSERT_EQ(CreateWheelLines(10, 5, 7, 0), 2);
    EXPECT_EQ(EntryLines(8), (std::vector<Line>{{1, 2, 3, 4, 5, 6, 7, 0}, {6, 7, 8, 9, 10, 1, 2, 0}}));

    // A four-number lottery is wheeled like any other.
    PoolOneTo(8);
    ASSERT_EQ(CreateWheelLines(8, 1, 4, 0), 8);
    EXPECT_EQ(EntryLines(5)[7], Line({8, 1, 2, 3, 0}));
}

// Over every count, interval and lottery size the window offers: the count
// divided by the interval, rounded up, lines; every line of different
// numbers; every number played.
TEST(CreateWheelRings, EveryCountAndInterval)
{
    ResetEntries();
    for (int count = kCreateWheelFewest; count <= kCreateWheelBoxes; ++count)
        for (int interval = 1; interval <= kCreateWheelLongestStep; ++interval)
            for (int k = 1; k <= 7; ++k) {
                PoolOneTo(count);
                const int lines = CreateWheelLines(count, interval, k, 0);
                ASSERT_EQ(lines, CreateWheelLineCount(count, interval));
                ASSERT_EQ(EntryCount(), lines);
                std::set<int> played;
                for (const Line& line : EntryLines(k)) {
                    const std::set<int> numbers(line.begin(), line.end());
                    EXPECT_EQ(int(numbers.size()), k);
                    played.insert(numbers.begin(), numbers.end());
                }
                if (k >= kCreateWheelLongestStep) {
                    EXPECT_EQ(int(played.size()), count) << count << " " << interval << " " << k;
                }
            }
    EXPECT_EQ(CreateWheelLineCount(20, 1), 20);
    EXPECT_EQ(CreateWheelLineCount(10, 5), 2);
}

// Counts, intervals and sizes that make no wheel give no lines, never a
// division by nothing or an endless loop.
TEST(CreateWheelRings, NothingToWheel)
{
    ResetEntries();
    PoolOneTo(8);
    EXPECT_EQ(CreateWheelLines(8, 0, 6, 0), 0);
    EXPECT_EQ(CreateWheelLines(8, -2, 6, 0), 0);
    EXPECT_EQ(CreateWheelLines(0, 1, 6, 0), 0);
    EXPECT_EQ(CreateWheelLines(8, 1, 0, 0), 0);
    EXPECT_EQ(CreateWheelLines(5, 1, 6, 0), 0); // a line would repeat a number
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(CreateWheelLineCount(8, 0), 0);
    EXPECT_EQ(RingLineCount(8, 1, -1), 0);
}

// The input check, and an extra ball on every line when the lottery has one.
TEST(CreateWheelRings, InputAndExtraBalls)
{
    EXPECT_TRUE(CreateWheelInputOK({"1", "99", "7", "7"}, 99));
    EXPECT_FALSE(CreateWheelInputOK({"1", ""}, 99));
    EXPECT_FALSE(CreateWheelInputOK({"0", "5"}, 99));
    EXPECT_FALSE(CreateWheelInputOK({"000"}, 99));

    ResetEntries();
    RandomizeSeed(12);
    PoolOneTo(20);
    ASSERT_EQ(CreateWheelLines(20, 1, 5, 10), 20);
    for (int r = 1; r <= 20; ++r)
        EXPECT_TRUE(Entries[r][kExtraBallColumn] >= 1 && Entries[r][kExtraBallColumn] <= 10);
    PoolOneTo(20);
    ASSERT_EQ(CreateWheelLines(20, 1, 5, 0), 20);
    for (int r = 1; r <= 20; ++r)
        EXPECT_EQ(Entries[r][kExtraBallColumn], 0);
}
