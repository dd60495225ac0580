#include "analysis/DrawStatistics.h"

#include <algorithm>
#include <numeric>

// ---------------------------------------------------------------- frequencies

ExtraBall ExtraBallKind(const AnalysisInput& in)
{
    if (in.extraBallMax > 0)
        return ExtraBall::Powerball;
    return in.hasBonusBall ? ExtraBall::Bonus : ExtraBall::None;
}

int ExtraBallRange(const AnalysisInput& in)
{
    switch (ExtraBallKind(in)) {
    case ExtraBall::Powerball: return in.extraBallMax;
    case ExtraBall::Bonus: return in.maxBall;
    case ExtraBall::None: break;
    }
    return 0;
}

NumberFrequencies CountNumbers(const AnalysisInput& in)
{
    NumberFrequencies f;
    f.numbers.assign(in.maxBall + 1, 0);
    const int extras = ExtraBallRange(in);
    f.extras.assign(extras + 1, 0);
    ForEachDraw(in, [&](const std::int16_t* row) {
        for (int c = 1; c <= in.ballsDrawn; ++c)
            if (IsMainNumber(in, row[c]))
                ++f.numbers[row[c]];
        const int w = row[kExtraBallColumn];
        if (w >= 1 && w <= extras)
            ++f.extras[w];
    });
    return f;
}

void TurnToCold(std::vector<int>& counts)
{
    if (counts.size() < 2)
        return;
    const int highest = *std::max_element(counts.begin() + 1, counts.end());
    for (std::size_t n = 1; n < counts.size(); ++n)
        counts[n] = highest - counts[n];
}

std::vector<int> TopTen(const std::vector<int>& counts)
{
    std::vector<int> numbers;
    for (int n = 1; n < int(counts.size()); ++n)
        numbers.push_back(n);
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) { return counts[a] > counts[b]; });
    if (numbers.size() > 10)
        numbers.resize(10);
    return numbers;
}

QString NumberList(const std::vector<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

CommonNumbers AnalyseCommonNumbers(const AnalysisInput& in, bool cold)
{
    CommonNumbers result;
    result.shown = CountNumbers(in);
    if (cold) {
        TurnToCold(result.shown.numbers);
        TurnToCold(result.shown.extras);
    }
    if (in.drawCount > 0)
        result.topTen = TopTen(result.shown.numbers);
    return result;
}

// ---------------------------------------------------------------- sums and low:high

QString RatioLabel(int k, int ballsDrawn) { return QString::number(k) + ':' + QString::number(ballsDrawn - k); }

SumsAnalysis AnalyseSums(const AnalysisInput& in)
{
    SumsAnalysis a;
    long long total = 0;
    int smallest = 0, largest = 0;
    ForNewest50(in, [&](int r, const std::int16_t* row) {
        int s = 0;
        for (int c = 1; c <= in.ballsDrawn; ++c)
            if (IsMainNumber(in, row[c]))
                s += row[c];
        a.sums[r] = s;
        if (s > 0) {
            smallest = a.counted == 0 ? s : std::min(smallest, s);
            largest = std::max(largest, s);
            total += s;
            ++a.counted;
        }
    });
    a.smallest = smallest;
    a.largest = largest;
    a.average = a.counted > 0 ? int(total / a.counted) : 0;

    a.lowCount.assign(in.ballsDrawn + 1, 0);
    ForEachDraw(in, [&](const std::int16_t* row) {
        int k = 0;
        for (int c = 1; c <= in.ballsDrawn; ++c)
            if (IsLowInDistribution(row[c], in.maxBall))
                ++k;
        ++a.lowCount[k];
    });
    return a;
}

// ---------------------------------------------------------------- the four newest draws

std::array<LatestDraw, 4> LatestDraws(const AnalysisInput& in, const std::function<bool(int)>& counts)
{
    std::array<LatestDraw, 4> rows;
    for (int i = 1; i <= 4; ++i) {
        QStringList numbers;
        int k = 0;
        for (int c = 1; c <= in.ballsDrawn; ++c) {
            const int v = i <= in.drawCount ? Draws[i][c] : 0;
            if (counts(v))
                ++k;
            numbers << (v >= 0 ? QStringLiteral(" ") : QString()) + QString::number(v);
        }
        rows[i - 1].numbers = numbers.join(',');
        rows[i - 1].ratio = RatioLabel(k, in.ballsDrawn);
    }
    return rows;
}

// ---------------------------------------------------------------- number positions

QString Ordinal(int p)
{
    static const char* const names[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};
    return p >= 1 && p <= 7 ? QString::fromLatin1(names[p - 1]) : QString::number(p) + "th";
}

QString PositionChartTitle(int p, int draws)
{
    return " Value of " + Ordinal(p) + " number over last " + QString::number(draws) + " draws";
}

PositionAnalysis AnalysePosition(const AnalysisInput& in, int p)
{
    PositionAnalysis a;
    a.positionCount.assign(in.maxBall + 1, 0);
    if (p < 1 || p > in.ballsDrawn)
        return a;
    long long sum = 0;
    ForEachDraw(in, [&](const std::int16_t* row) {
        const int v = row[p];
        sum += v;
        if (int(a.newest.size()) < kNewestPositions)
            a.newest.push_back(v);
        if (IsMainNumber(in, v))
            ++a.positionCount[v];
    });
    a.average = in.drawCount > 0 ? int(sum / in.drawCount) : 0;
    return a;
}

// ---------------------------------------------------------------- ranges

int DrawRange(const AnalysisInput& in, const std::int16_t* row)
{
    int low = 0, high = 0;
    for (int c = 1; c <= in.ballsDrawn; ++c) {
        const int v = row[c];
        if (!IsMainNumber(in, v))
            continue;
        low = low == 0 ? v : std::min(low, v);
        high = std::max(high, v);
    }
    return high - low;
}

RangeAnalysis AnalyseRanges(const AnalysisInput& in)
{
    RangeAnalysis a;
    a.rangeCount.assign(in.maxBall + 1, 0);
    ForNewest50(in, [&](int r, const std::int16_t* row) {
        const int d = DrawRange(in, row);
        a.ranges[r] = d;
        if (d >= 1 && d <= in.maxBall)
            ++a.rangeCount[d];
    });
    long long total = 0;
    ForEachDraw(in, [&](const std::int16_t* row) { total += DrawRange(in, row); });
    a.average = in.drawCount > 0 ? int(total / in.drawCount) : 0;
    return a;
}

// ---------------------------------------------------------------- odd and even

int OddNumbers(const AnalysisInput& in, const std::int16_t* row)
{
    int k = 0;
    for (int c = 1; c <= in.ballsDrawn; ++c)
        if (IsOdd(row[c]))
            ++k;
    return k;
}

OddEvenAnalysis AnalyseOddEven(const AnalysisInput& in)
{
    OddEvenAnalysis a;
    for (int r = 1; r <= std::min(in.drawCount, kNewestRows); ++r) {
        a.odd[r] = OddNumbers(in, Draws[r]);
        a.even[r] = in.ballsDrawn - a.odd[r];
    }
    a.oddCount.assign(in.ballsDrawn + 1, 0);
    ForEachDraw(in, [&](const std::int16_t* row) {
        const int k = OddNumbers(in, row);
        a.oddTotal += k;
        a.evenTotal += in.ballsDrawn - k;
        ++a.oddCount[k];
    });
    return a;
}
