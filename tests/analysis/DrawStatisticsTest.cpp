// The analysis rules on the twelve hand-worked draws of AnalysisData.h, on an
// empty database and on values a hand-edited file could hold.

#include "AnalysisData.h"
#include "analysis/DrawStatistics.h"
#include "analysis/NumberStats.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"

#include <gtest/gtest.h>

namespace {

class Statistics : public ProgramFolderTest {
protected:
    // Writes the database and loads it as the open lottery.
    AnalysisInput load(const std::vector<TestDraw>& draws, const QString& definition = "6,49,0,0,1")
    {
        writeLines("dbase1.txt", DatabaseLines("Test lotto", definition, DrawLinesOf(draws)));
        EXPECT_TRUE(LoadDatabaseFile("dbase1.txt"));
        return OpenLotteryInput();
    }
};

// Each value at its index.
template <typename Values>
void ExpectAt(const Values& values, std::initializer_list<std::pair<int, int>> expected)
{
    for (const auto& [index, value] : expected)
        EXPECT_EQ(values[index], value) << "at " << index;
}

std::vector<int> Column(const std::vector<NumberStatsRow>& rows, int column, int count)
{
    std::vector<int> numbers;
    for (int i = 0; i < count && i < int(rows.size()); ++i)
        numbers.push_back(rows[i][column].toInt());
    return numbers;
}

} // namespace

TEST_F(Statistics, HotAndColdCountsAndTheirOrder)
{
    const AnalysisInput in = load(kTwelveDraws);
    EXPECT_EQ(in.drawCount, 12);

    const CommonNumbers hot = AnalyseCommonNumbers(in, false);
    ASSERT_EQ(hot.shown.numbers.size(), 50u);
    ExpectAt(hot.shown.numbers, {{7, 4}, {24, 4}, {49, 3}, {11, 1}, {13, 0}});
    // Ties go to the lower number: 7, 14, 24 (four times), 3, 19, 49 (three),
    // then the lowest of those drawn twice.
    EXPECT_EQ(hot.topTen, (std::vector<int>{7, 14, 24, 3, 19, 49, 1, 2, 12, 22}));
    EXPECT_EQ(NumberList(hot.topTen), "7, 14, 24, 3, 19, 49, 1, 2, 12, 22");
    // Bonus balls of the main range, counted on their own.
    ASSERT_EQ(hot.shown.extras.size(), 50u);
    ExpectAt(hot.shown.extras, {{10, 3}, {12, 2}, {19, 1}, {4, 0}});

    // Cold: the highest count (4) minus each count; the two numbers never
    // drawn lead, then those drawn once in ascending order.
    const CommonNumbers cold = AnalyseCommonNumbers(in, true);
    ExpectAt(cold.shown.numbers, {{7, 0}, {49, 1}, {13, 4}});
    EXPECT_EQ(cold.topTen, (std::vector<int>{13, 23, 4, 5, 6, 8, 9, 10, 11, 15}));
    // The extra balls turn over against their own highest count (3).
    ExpectAt(cold.shown.extras, {{10, 0}, {3, 1}, {4, 3}});

    // Fewer than ten numbers: every number once.
    EXPECT_EQ(TopTen({0, 2, 5, 2, 0}), (std::vector<int>{2, 1, 3, 4}));
    EXPECT_EQ(NumberList({}), "");
}

TEST_F(Statistics, ExtraBallsAndValuesOutOfRange)
{
    AnalysisInput in = load(kTwelveDraws, "6,49,0,0,0");
    EXPECT_EQ(ExtraBallKind(in), ExtraBall::None);
    EXPECT_TRUE(AnalyseCommonNumbers(in, false).shown.extras.size() == 1u); // nothing counted
    in = load({{{1, 2, 3, 4, 5}, 26}, {{6, 7, 8, 9, 10}, 26}}, "5,59,0,26,1");
    EXPECT_EQ(ExtraBallKind(in), ExtraBall::Powerball); // wins over the bonus flag
    EXPECT_EQ(ExtraBallRange(in), 26);
    EXPECT_EQ(AnalyseCommonNumbers(in, false).shown.extras[26], 2);

    // A table written by hand with numbers no lottery of this shape draws:
    // nothing outside the counters is touched or counted.
    in = load(kTwelveDraws);
    Draws[1][2] = 80;
    Draws[1][3] = -4;
    Draws[1][kExtraBallColumn] = 200;
    Draws[2][1] = 32000;
    OpenLotteryChanged();
    in = OpenLotteryInput();
    const CommonNumbers hot = AnalyseCommonNumbers(in, false);
    EXPECT_EQ(hot.shown.numbers[7], 3); // row 1 lost its 7
    EXPECT_EQ(hot.shown.extras[10], 2);
    EXPECT_EQ(AnalyseSums(in).sums[1], 3 + 19 + 26 + 35);
    EXPECT_EQ(DrawRange(in, Draws[1]), 35 - 3);
    EXPECT_EQ(NumberStatistics(in).size(), 49u);
    const RangeAnalysis ranges = AnalyseRanges(in);
    EXPECT_EQ(ranges.rangeCount.size(), 50u);
}

TEST_F(Statistics, SumsAndLowHighSplits)
{
    const AnalysisInput in = load(kTwelveDraws);
    const SumsAnalysis a = AnalyseSums(in);
    ExpectAt(a.sums, {{1, 104}, {2, 152}, {12, 164}, {13, 0}, {50, 0}});
    // Counted, smallest, largest and average (1711 / 12).
    EXPECT_EQ(std::vector<int>({a.counted, a.smallest, a.largest, a.average}), std::vector<int>({12, 104, 165, 142}));
    // Low below 24.5: draw 12 has two low numbers, seven draws three, four
    // draws four.
    EXPECT_EQ(a.lowCount, (std::vector<int>{0, 0, 1, 7, 4, 0, 0}));

    // The two low rules for 49: 24 is low in the distribution, high in the
    // four newest draws.
    EXPECT_TRUE(IsLowInDistribution(24, 49));
    EXPECT_FALSE(IsLowInLatestDraws(24, 49));
    EXPECT_TRUE(IsLowInLatestDraws(23, 49));
    EXPECT_FALSE(IsLowInDistribution(25, 49));
    EXPECT_TRUE(IsLowInDistribution(24, 50));
    EXPECT_TRUE(IsLowInLatestDraws(24, 50));
    EXPECT_FALSE(IsLowInDistribution(25, 50));
    EXPECT_EQ(RatioLabel(2, 6), "2:4");
}

TEST_F(Statistics, LatestDrawsPanel)
{
    AnalysisInput in = load(kTwelveDraws);
    auto low = [&](int v) { return IsLowInLatestDraws(v, in.maxBall); };
    auto rows = LatestDraws(in, low);
    EXPECT_EQ(rows[0].numbers, " 3, 7, 14, 19, 26, 35");
    EXPECT_EQ(rows[0].ratio, "4:2");
    EXPECT_EQ(rows[1].numbers, " 41, 7, 1, 49, 24, 30"); // in draw order
    EXPECT_EQ(rows[1].ratio, "2:4");                     // 24 is high here
    EXPECT_EQ(rows[3].ratio, "4:2");
    rows = LatestDraws(in, IsOdd);
    EXPECT_EQ(rows[0].ratio, "4:2");
    EXPECT_EQ(rows[2].ratio, "3:3");
    EXPECT_EQ(rows[3].ratio, "2:4");

    // Two draws: the missing rows show their zeros, counted by the rule.
    in = load({kTwelveDraws[0], kTwelveDraws[1]});
    rows = LatestDraws(in, low);
    EXPECT_EQ(rows[1].numbers, " 41, 7, 1, 49, 24, 30");
    EXPECT_EQ(rows[2].numbers, " 0, 0, 0, 0, 0, 0");
    EXPECT_EQ(rows[2].ratio, "6:0");
    EXPECT_EQ(LatestDraws(in, IsOdd)[3].ratio, "0:6");
}

TEST_F(Statistics, AveragesPerPositionOfTheSortedDraw)
{
    AnalysisInput in = load(kTwelveDraws);
    SortDraws(in.ballsDrawn);
    in = OpenLotteryInput();
    PositionAnalysis a = AnalysePosition(in, 1);
    // Smallest numbers, newest first: 3 1 7 2 5 3 9 6 4 10 1 2 (53 in all).
    EXPECT_EQ(a.newest, (std::vector<int>{3, 1, 7, 2, 5, 3, 9, 6, 4, 10, 1, 2}));
    EXPECT_EQ(a.average, 4);
    ExpectAt(a.positionCount, {{1, 2}, {3, 2}, {10, 1}, {11, 0}});
    a = AnalysePosition(in, 6);
    // Largest numbers: 35 49 45 47 44 42 48 43 46 49 49 44 (541 in all).
    EXPECT_EQ(a.average, 45);
    ExpectAt(a.positionCount, {{49, 3}, {44, 2}});
    EXPECT_TRUE(AnalysePosition(in, 7).newest.empty()); // a position this lottery lacks
    EXPECT_EQ(PositionChartTitle(1, 12), " Value of 1st number over last 12 draws");
    EXPECT_EQ(PositionChartTitle(3, 100), " Value of 3rd number over last 100 draws");

    // The chart of values covers the newest 100 draws, the average all.
    in = load(ManyDraws(250));
    SortDraws(6);
    in = OpenLotteryInput();
    a = AnalysePosition(in, 2);
    EXPECT_EQ(a.newest.size(), 100u);
    EXPECT_EQ(a.newest[0], 2);
    long long sum = 0;
    for (int i = 0; i < 250; ++i)
        sum += i % 43 + 2;
    EXPECT_EQ(a.average, int(sum / 250));
}

TEST_F(Statistics, Ranges)
{
    AnalysisInput in = load(kTwelveDraws);
    SortDraws(in.ballsDrawn);
    in = OpenLotteryInput();
    const RangeAnalysis a = AnalyseRanges(in);
    const int expected[] = {32, 48, 38, 45, 39, 39, 39, 37, 42, 39, 48, 42};
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(a.ranges[r], expected[r - 1]) << r;
    EXPECT_EQ(a.ranges[13], 0);
    ExpectAt(a.rangeCount, {{39, 4}, {48, 2}, {32, 1}});
    EXPECT_EQ(a.average, 40); // 488 / 12

    // A short draw (one number missing, sorted last as 0): the range of the
    // numbers it has.
    in = load({{{30, 5, 12, 44, 20}, 0}});
    SortDraws(6);
    in = OpenLotteryInput();
    EXPECT_EQ(DrawRange(in, Draws[1]), 39);
    EXPECT_EQ(AnalyseRanges(in).rangeCount[39], 1);
}

TEST_F(Statistics, OddAndEven)
{
    const AnalysisInput in = load(kTwelveDraws);
    const OddEvenAnalysis a = AnalyseOddEven(in);
    const int odd[] = {4, 4, 3, 2, 4, 3, 2, 2, 2, 3, 4, 2};
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(a.odd[r], odd[r - 1]) << r;
        EXPECT_EQ(a.even[r], 6 - odd[r - 1]) << r;
    }
    EXPECT_EQ(a.odd[13] + a.even[13], 0);
    EXPECT_EQ(a.oddTotal, 35);
    EXPECT_EQ(a.evenTotal, 37);
    EXPECT_EQ(a.oddCount, (std::vector<int>{0, 0, 5, 3, 4, 0, 0}));
}

TEST_F(Statistics, AnEmptyDatabaseCountsNothing)
{
    const AnalysisInput in = load({});
    EXPECT_EQ(in.drawCount, 0);
    const CommonNumbers common = AnalyseCommonNumbers(in, true);
    EXPECT_EQ(common.shown.numbers[1], 0);
    EXPECT_TRUE(common.topTen.empty());
    const SumsAnalysis sums = AnalyseSums(in);
    EXPECT_EQ(std::vector<int>({sums.counted, sums.smallest, sums.largest, sums.average}), std::vector<int>(4, 0));
    EXPECT_EQ(sums.lowCount, std::vector<int>(7, 0)); // no draw of zeros
    const PositionAnalysis position = AnalysePosition(in, 1);
    EXPECT_EQ(position.average, 0);
    EXPECT_TRUE(position.newest.empty());
    EXPECT_EQ(AnalyseRanges(in).average, 0);
    const OddEvenAnalysis oddEven = AnalyseOddEven(in);
    EXPECT_EQ(oddEven.even[1], 0);
    EXPECT_EQ(oddEven.evenTotal, 0);
    EXPECT_EQ(oddEven.oddCount, std::vector<int>(7, 0));
    const auto stats = NumberStatistics(in);
    ASSERT_EQ(stats.size(), 49u);
    EXPECT_EQ(stats[0], (NumberStatsRow{"1", "Never", "0 / 0 draws", "Never"}));

    // No lottery at all: nothing to show.
    EXPECT_TRUE(NumberStatistics(NoLottery()).empty());
    EXPECT_TRUE(AnalyseSums(NoLottery()).lowCount == std::vector<int>{0});
}

TEST_F(Statistics, NumberStatisticsStrings)
{
    AnalysisInput in = load(kTwelveDraws);
    auto rows = NumberStatistics(in);
    ASSERT_EQ(rows.size(), 49u);
    EXPECT_EQ(rows[6], (NumberStatsRow{"7", "1 draws ago", "4 / 12 draws", "3.00 draws"}));
    EXPECT_EQ(rows[10], (NumberStatsRow{"11", "5 draws ago", "1 / 12 draws", "12.00 draws"}));
    EXPECT_EQ(rows[12], (NumberStatsRow{"13", "Never", "0 / 12 draws", "Never"}));

    // 100 draws, 5 drawn in twelve of them.
    std::vector<TestDraw> hundred;
    for (int i = 0; i < 100; ++i)
        hundred.push_back({{10, 20, 30, 40, 45, (i % 8 == 0 && i < 96) ? 5 : 6}, 0});
    in = load(hundred);
    rows = NumberStatistics(in);
    EXPECT_EQ(rows[4], (NumberStatsRow{"5", "1 draws ago", "12 / 100 draws", "8.33 draws"}));
    EXPECT_EQ(rows[5][1], "2 draws ago");
}

TEST_F(Statistics, TheThreeSortsAreStable)
{
    const AnalysisInput in = load(kTwelveDraws);
    const auto fresh = NumberStatistics(in);
    auto rows = fresh;
    SortNumberStats(rows, StatsSort::Overdue);
    // Last seen in draw 10, then 9, then 8; never drawn at the bottom.
    EXPECT_EQ(Column(rows, 0, 10), (std::vector<int>{10, 17, 18, 32, 39, 4, 15, 37, 46, 6}));
    EXPECT_EQ(rows[47][0], "13");
    EXPECT_EQ(rows[48][0], "23");
    EXPECT_EQ(SortMessage(rows, StatsSort::Overdue),
              "These numbers haven't appeared for a long time and are overdue: 10, 17, 18, 32, 39, 4, 15, 37, 46, 6");
    auto again = rows;
    SortNumberStats(again, StatsSort::Overdue);
    EXPECT_EQ(again, rows);

    // Ties keep the previous order: after the overdue sort 24 (last seen in
    // draw 2) stands before 7 and 14 (draw 1), and 49 before 3 and 19.
    SortNumberStats(rows, StatsSort::MostCommon);
    EXPECT_EQ(Column(rows, 0, 6), (std::vector<int>{24, 7, 14, 49, 3, 19}));

    rows = fresh;
    SortNumberStats(rows, StatsSort::MostCommon);
    EXPECT_EQ(SortMessage(rows, StatsSort::MostCommon),
              "For some reason, these numbers appear more often than others: 7, 14, 24, 3, 19, 49, 1, 2, 12, 22");
    rows = fresh;
    SortNumberStats(rows, StatsSort::Expected);
    EXPECT_EQ(SortMessage(rows, StatsSort::Expected),
              "These numbers are expected soon to improve their average: 13, 23, 4, 5, 6, 8, 9, 10, 11, 15");

    // A lottery of fewer than ten numbers lists what it has.
    std::vector<NumberStatsRow> few{{"1", "", "3 / 4 draws", ""}, {"2", "", "1 / 4 draws", ""}};
    EXPECT_EQ(SortMessage(few, StatsSort::Expected), "These numbers are expected soon to improve their average: 1, 2");
}
