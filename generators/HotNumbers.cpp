#include "generators/HotNumbers.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace {
constexpr int kHotLines = 10;
} // namespace

HotCounts CountDrawnNumbers(int k, int n, int e)
{
    HotCounts counts{DrawnCounts(std::size_t(std::max(n, 0)) + 1, 0), DrawnCounts(std::size_t(std::max(e, 0)) + 1, 0)};
    k = std::clamp(k, 0, 7);
    for (int d = 1; d <= kDrawRows && Draws[d][1] >= 1; ++d) {
        for (int c = 1; c <= k; ++c)
            if (const int v = Draws[d][c]; v >= 1 && v <= n)
                ++counts.numbers[std::size_t(v)];
        if (const int v = Draws[d][kExtraBallColumn]; v >= 1 && v <= e)
            ++counts.extras[std::size_t(v)];
    }
    return counts;
}

void InvertCounts(DrawnCounts& counts)
{
    if (counts.size() < 2)
        return;
    const int highest = *std::max_element(counts.begin() + 1, counts.end());
    for (std::size_t v = 1; v < counts.size(); ++v)
        counts[v] = highest - counts[v];
}

void GetHotNumbers(int n, const DrawnCounts& counts)
{
    n = std::clamp(n, 0, std::min(kBallPoolSize, int(counts.size()) - 1));
    std::fill(BallPool, BallPool + n + 1, std::int16_t(0));
    std::vector<int> ranking(static_cast<std::size_t>(n));
    for (int v = 1; v <= n; ++v)
        ranking[std::size_t(v - 1)] = v;
    // Most drawn first; a stable sort keeps equal counts in ascending order.
    std::stable_sort(ranking.begin(), ranking.end(),
                     [&](int a, int b) { return counts[std::size_t(a)] > counts[std::size_t(b)]; });
    for (int p = 1; p <= n; ++p)
        BallPool[p] = std::int16_t(ranking[std::size_t(p - 1)]);
}

QString HotNumbersText(int count)
{
    QStringList numbers;
    for (int i = 1; i <= std::min(count, kBallPoolSize); ++i)
        numbers << QString::number(BallPool[i]);
    return numbers.join(", ");
}

int HotPoolSize(int n) { return std::clamp(n, 0, kHotLines); }

void AddToGrid(int m)
{
    const int k = std::clamp(BallsDrawn, 0, 7);
    m = std::clamp(m, 0, kHotLines);
    for (int r = 1; r <= kHotLines; ++r) {
        // The places keep the order the line before left them in.
        for (int i = 1; i <= m; ++i)
            std::swap(BallPool[i], BallPool[RandomNumber(m)]);
        for (int c = 1; c <= 7; ++c)
            Entries[r][c] = c <= k ? BallPool[c] : std::int16_t(0);
    }
    EndEntries(kHotLines);
    SortEntries(k);
}

QString HotNumbersLines(bool coldMode)
{
    const int k = BallsDrawn, n = std::min(MaxBall, kBallPoolSize), e = std::min(ExtraBallMax, kBallPoolSize);
    HotCounts counts = CountDrawnNumbers(k, n, e);
    if (coldMode)
        InvertCounts(counts.numbers);
    GetHotNumbers(n, counts.numbers);
    const int m = HotPoolSize(n);
    const QString text = HotNumbersText(m);
    AddToGrid(m);
    if (e > 0) {
        if (coldMode)
            InvertCounts(counts.extras);
        GetHotNumbers(e, counts.extras);
        for (int r = 1; r <= kHotLines; ++r)
            Entries[r][kExtraBallColumn] = BallPool[(r - 1) % e + 1];
    } else {
        for (int r = 1; r <= kHotLines; ++r)
            Entries[r][kExtraBallColumn] = 0;
    }
    return text;
}
