#pragma once
// The statistics the analysis windows chart: how often each number comes up,
// the sums and low:high splits of the draws, the numbers at each position of
// the sorted draw, the ranges and the odd:even splits. Each is computed from
// Draws through an AnalysisInput (analysis/DrawWalks.h); values outside the
// lottery's range are never counted.

#include "analysis/DrawWalks.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

// ---------------------------------------------------------------- frequencies

// Which extra number the lottery draws besides its main numbers.
enum class ExtraBall { None, Bonus, Powerball };
// A Powerball type extra ball (ExtraBallMax above 0) wins over a bonus ball.
ExtraBall ExtraBallKind(const AnalysisInput& in);
// The highest extra number shown: ExtraBallMax, or MaxBall for a bonus ball,
// 0 for none.
int ExtraBallRange(const AnalysisInput& in);

struct NumberFrequencies {
    // Element n: how often main number n was drawn (1 to maxBall; 0 unused).
    std::vector<int> numbers;
    // Element n: how often n stood as the bonus or extra ball (1 to the extra
    // range; 0 unused). Draws without one are not counted.
    std::vector<int> extras;
};
NumberFrequencies CountNumbers(const AnalysisInput& in);

// The cold view: every count n from 1 on becomes the highest count minus
// count n, so the least common number has the tallest bar.
void TurnToCold(std::vector<int>& counts);

// The ten numbers with the highest values, highest first; equal values go to
// the lower number. Every number is listed once; with fewer than ten numbers,
// all of them.
std::vector<int> TopTen(const std::vector<int>& counts);
// "5, 12, 3": numbers separated by a comma and a blank.
QString NumberList(const std::vector<int>& numbers);

// What the most and least common numbers window shows: the counts as charted
// (turned over in the cold view, main and extra numbers each on their own)
// and the ten hottest or coldest main numbers, none when there is no draw.
struct CommonNumbers {
    NumberFrequencies shown;
    std::vector<int> topTen;
};
CommonNumbers AnalyseCommonNumbers(const AnalysisInput& in, bool cold);

// ---------------------------------------------------------------- sums and low:high

struct SumsAnalysis {
    std::array<int, kNewestRows + 1> sums{}; // sums of rows 1 to 50 (0 after the last draw)
    int counted = 0;                         // rows of the 50 with a sum above 0
    int smallest = 0;                        // of those; 0 when there is none
    int largest = 0;
    int average = 0; // whole part of their mean; 0 when there is none
    // Element k (0 to ballsDrawn): draws with exactly k low numbers, a
    // number being low below the exact half of MaxBall.
    std::vector<int> lowCount;
};
SumsAnalysis AnalyseSums(const AnalysisInput& in);

// Low in the low:high distribution: below the exact half of MaxBall (for 49,
// 1 to 24).
inline bool IsLowInDistribution(int v, int maxBall) { return 2 * v < maxBall; }
// Low in the four newest draws: below the integer half of MaxBall (for 49, 1
// to 23). The two rules differ for an odd MaxBall, as they always have.
inline bool IsLowInLatestDraws(int v, int maxBall) { return v < maxBall / 2; }
inline bool IsOdd(int v) { return v % 2 != 0; }

// "k:rest", both plain integers ("2:4").
QString RatioLabel(int k, int ballsDrawn);

// ---------------------------------------------------------------- the four newest draws

struct LatestDraw {
    QString numbers; // " 3, 7, 14, 19, 26, 35": a blank before every number
    QString ratio;   // "4:2": numbers that count, then the others
};
// Draws 1 to 4, newest first, with the numbers for which counts() holds
// counted. A missing draw shows its zeros as numbers and counts them as
// counts() says.
std::array<LatestDraw, 4> LatestDraws(const AnalysisInput& in, const std::function<bool(int)>& counts);

// ---------------------------------------------------------------- number positions

struct PositionAnalysis {
    int average = 0;                // whole part of the mean at the position over all draws
    std::vector<int> newest;        // the value at the position in the newest draws, at most 100
    std::vector<int> positionCount; // element v (1 to maxBall): draws with v at the position
};
inline constexpr int kNewestPositions = 100;
// Position p (1 = smallest) of draws sorted by SortDraws.
PositionAnalysis AnalysePosition(const AnalysisInput& in, int p);
// "1st" to "7th".
QString Ordinal(int p);
// " Value of 1st number over last 40 draws"
QString PositionChartTitle(int p, int draws);

// ---------------------------------------------------------------- ranges

struct RangeAnalysis {
    std::array<int, kNewestRows + 1> ranges{}; // ranges of rows 1 to 50 (0 after the last draw)
    std::vector<int> rangeCount;               // element d (1 to maxBall): rows of the 50 with range d
    int average = 0;                           // whole part of the mean range of all draws
};
// The range of a draw: its highest main number minus its lowest, the missing
// numbers of a short draw left out; 0 for a row without numbers.
int DrawRange(const AnalysisInput& in, const std::int16_t* row);
RangeAnalysis AnalyseRanges(const AnalysisInput& in);

// ---------------------------------------------------------------- odd and even

struct OddEvenAnalysis {
    std::array<int, kNewestRows + 1> odd{};  // odd numbers of rows 1 to 50
    std::array<int, kNewestRows + 1> even{}; // even numbers of rows 1 to 50 (0 after the last draw)
    int oddTotal = 0;                        // over all draws
    int evenTotal = 0;
    std::vector<int> oddCount; // element k (0 to ballsDrawn): draws with exactly k odd numbers
};
// The odd numbers among columns 1 to ballsDrawn of a row (an empty column is
// even).
int OddNumbers(const AnalysisInput& in, const std::int16_t* row);
OddEvenAnalysis AnalyseOddEven(const AnalysisInput& in);
