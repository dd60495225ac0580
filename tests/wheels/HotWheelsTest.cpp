// Hot and cold wheels: the ranking of the draws, the windows over it and the
// ranked extra balls.
#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "wheels/HotWheels.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

using Line = std::vector<int>;

// Puts draws into the open lottery: each draw its main numbers, then the
// value of column 8 (0 for none).
void SetDraws(int k, int n, int e, const std::vector<Line>& draws)
{
    ResetOpenLottery();
    BallsDrawn = k;
    MaxBall = n;
    ExtraBallMax = e;
    int r = 1;
    for (const auto& draw : draws) {
        for (int c = 1; c <= k; ++c)
            Draws[r][c] = std::int16_t(draw[std::size_t(c - 1)]);
        Draws[r][kExtraBallColumn] = std::int16_t(draw.size() > std::size_t(k) ? draw[std::size_t(k)] : 0);
        ++r;
    }
    OpenLotteryChanged();
}

std::vector<Line> Lines(int columns)
{
    std::vector<Line> out;
    for (int r = 1; r <= EntryCount(); ++r)
        out.emplace_back(Entries[r] + 1, Entries[r] + 1 + columns);
    return out;
}

Line Sorted(Line line)
{
    std::sort(line.begin(), line.end());
    return line;
}

} // namespace

// The ranking runs hot to cold with ties to the lower number; the first six
// ranks are turned round; the windows run round the chosen numbers.
TEST(HotWheelLinesTest, RankingAndWindows)
{
    ResetEntries();
    // 9 four times; 2 three times; 5 and 7 twice; 1, 3, 4, 8, 11 once; 6, 10,
    // 12 to 20 never.
    SetDraws(5, 20, 0, {{9, 2, 5, 7, 1}, {9, 2, 5, 7, 3}, {9, 2, 4, 8, 11}, {9, 13, 14, 15, 16}, {17, 18, 19, 20, 13}});
    // 13 is drawn twice too, so the ranking starts 9, 2, 5, 7, 13, 1, 3, 4.
    HotWheelResult hot = HotWheelLines(false, 8, 1);
    EXPECT_EQ(hot.topNumbers, "9, 2, 5, 7, 13, 1, 3, 4, 8, 11");
    // Places after turning: 1 13 7 5 2 9 3 4; windows of five from places
    // 0 to 7 (the last start n + 4 - 5 = 7).
    ASSERT_EQ(hot.lines, 8);
    EXPECT_EQ(Lines(5),
              (std::vector<Line>{Sorted({1, 13, 7, 5, 2}), Sorted({13, 7, 5, 2, 9}), Sorted({7, 5, 2, 9, 3}),
                                 Sorted({5, 2, 9, 3, 4}), Sorted({2, 9, 3, 4, 1}), Sorted({9, 3, 4, 1, 13}),
                                 Sorted({3, 4, 1, 13, 7}), Sorted({4, 1, 13, 7, 5})}));
    // Pressing Generate again gives the same lines.
    const auto first = Lines(8);
    HotWheelLines(false, 8, 1);
    EXPECT_EQ(Lines(8), first);

    // Cold: never-drawn numbers first, in ascending order; the most drawn last.
    HotWheelResult cold = HotWheelLines(true, 8, 3);
    EXPECT_EQ(cold.topNumbers, "6, 10, 12, 1, 3, 4, 8, 11, 14, 15");
    EXPECT_EQ(cold.lines, 3);
    EXPECT_EQ(Lines(5),
              (std::vector<Line>{Sorted({4, 3, 1, 12, 10}), Sorted({12, 10, 6, 8, 11}), Sorted({8, 11, 4, 3, 1})}));
}

// The line counts the window shows: for a six-number lottery 8 numbers at
// interval 1 give 7 lines, 20 give 19, 8 at interval 5 give 2; lotteries of
// five to seven follow (n + 4 - k) / step + 1, and no window ever starts past
// the last chosen number.
TEST(HotWheelLinesTest, LineCounts)
{
    EXPECT_EQ(HotWheelLineCount(8, 1, 6, 49), 7);
    EXPECT_EQ(HotWheelLineCount(20, 1, 6, 49), 19);
    EXPECT_EQ(HotWheelLineCount(8, 5, 6, 49), 2);
    std::vector<Line> draws;
    for (int d = 0; d < 30; ++d)
        draws.push_back({d % 40 + 1, (d + 7) % 40 + 1, (d + 14) % 40 + 1, (d + 21) % 40 + 1, (d + 28) % 40 + 1,
                         (d + 35) % 40 + 1, (d + 3) % 40 + 1});
    for (int k = 3; k <= 7; ++k) {
        SetDraws(k, 40, 0, draws);
        for (int n = 8; n <= 20; ++n)
            for (int step = 1; step <= 5; ++step) {
                const int count = HotWheelLineCount(n, step, k, 40);
                if (k >= 5) {
                    EXPECT_EQ(count, (n + 4 - k) / step + 1);
                }
                EXPECT_EQ(count, HotWheelLastStart(n, k) / step + 1);
                ASSERT_LE(HotWheelLastStart(n, k), n - 1);
                const HotWheelResult result = HotWheelLines(false, n, step);
                ASSERT_EQ(result.lines, count);
                ASSERT_EQ(EntryCount(), count);
                for (const Line& line : Lines(k))
                    EXPECT_EQ(int(std::set<int>(line.begin(), line.end()).size()), k);
            }
    }
    // A count or interval of nothing makes no lines.
    EXPECT_EQ(HotWheelLineCount(8, 0, 6, 49), 0);
    EXPECT_EQ(HotWheelLineCount(0, 1, 6, 49), 0);
    EXPECT_EQ(HotWheelLineCount(8, -1, 6, 49), 0);
    EXPECT_EQ(HotWheelLineCount(8, 1, 0, 49), 0);
    SetDraws(6, 49, 0, {});
    EXPECT_EQ(HotWheelLines(false, 8, 0).lines, 0);
    EXPECT_EQ(EntryCount(), 0);
}

// A four-number lottery wheels as far as the last chosen number, never into
// ranks past it.
TEST(HotWheelLinesTest, SmallPicksStayInsideTheChosenNumbers)
{
    ResetEntries();
    SetDraws(4, 30, 0, {{1, 2, 3, 4}, {1, 2, 3, 5}, {1, 2, 6, 7}, {1, 8, 9, 10}});
    const HotWheelResult result = HotWheelLines(false, 8, 1);
    ASSERT_EQ(result.lines, 8);
    // The eight hottest: 1 2 3 4 5 6 7 8; nothing past them.
    for (const Line& line : Lines(4))
        for (int v : line)
            EXPECT_TRUE(v >= 1 && v <= 8) << v;
}

// Extra balls: lines 1 to 10 take the ranked extra balls, hottest (or
// coldest) first; later lines none; a lottery with fewer than ten extra
// balls, or fewer lines, fills only the ranks and lines there are.
TEST(HotWheelLinesTest, RankedExtraBalls)
{
    ResetEntries();
    std::vector<Line> draws;
    for (int d = 0; d < 20; ++d)
        draws.push_back({d % 30 + 1, (d + 5) % 30 + 1, (d + 10) % 30 + 1, (d + 15) % 30 + 1, (d + 20) % 30 + 1,
                         d < 5 ? 12 : (d < 9 ? 3 : d % 4 + 5)});
    // Extra balls: 12 five times, 3 four times, 6 to 8 three times, 5 twice.
    SetDraws(5, 30, 12, draws);
    HotWheelResult hot = HotWheelLines(false, 20, 1);
    ASSERT_EQ(hot.lines, 20);
    const Line hotExtras{12, 3, 6, 7, 8, 5, 1, 2, 4, 9};
    for (int r = 1; r <= 20; ++r)
        EXPECT_EQ(Entries[r][kExtraBallColumn], r <= 10 ? hotExtras[std::size_t(r - 1)] : 0) << r;
    HotWheelLines(true, 20, 1);
    const Line coldExtras{1, 2, 4, 9, 10, 11, 5, 6, 7, 8};
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(Entries[r][kExtraBallColumn], coldExtras[std::size_t(r - 1)]) << r;

    SetDraws(5, 30, 4, draws);
    HotWheelLines(false, 20, 1);
    EXPECT_EQ(Line({Entries[1][kExtraBallColumn], Entries[2][kExtraBallColumn], Entries[3][kExtraBallColumn],
                    Entries[4][kExtraBallColumn], Entries[5][kExtraBallColumn]}),
              Line({3, 1, 2, 4, 0}));

    SetDraws(5, 30, 12, draws);
    ASSERT_EQ(HotWheelLines(false, 8, 5).lines, 2);
    EXPECT_EQ(Entries[2][kExtraBallColumn], 3);
    EXPECT_EQ(Entries[3][kExtraBallColumn], 0);
}

// A lottery with fewer numbers than the count wheels all of them; a bonus
// number in column 8 of a lottery without extra balls is never counted.
TEST(HotWheelLinesTest, SmallLotteriesAndBonusNumbers)
{
    ResetEntries();
    SetDraws(5, 7, 0, {{1, 2, 3, 4, 5, 7}, {2, 3, 4, 5, 6, 7}});
    const HotWheelResult small = HotWheelLines(false, 8, 1);
    EXPECT_EQ(small.topNumbers, "2, 3, 4, 5, 1, 6, 7");
    ASSERT_EQ(small.lines, 7);
    for (const Line& line : Lines(8)) {
        EXPECT_EQ(std::set<int>(line.begin(), line.begin() + 5).size(), 5u);
        EXPECT_EQ(line[5], 0);
        EXPECT_EQ(line[kExtraBallColumn - kFirstNumberColumn], 0);
    }
}
