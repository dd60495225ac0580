#include "core/OpenLottery.h"

#include <algorithm>
#include <cstring>

std::array<QString, kMaxDatabases> DbaseFiles;
QStringList UnlistedDatabasesTold;
QString DbaseFile;
QString LotteryName;
QString LotteryWebsite;
int BallsDrawn = 0;
int MaxBall = 0;
int HeaderValue3 = 0;
int ExtraBallMax = 0;
std::int16_t HasBonusBall = 0;
std::int16_t Draws[kDrawRows + 1][kDrawColumns];

namespace {
std::uint64_t generation = 0;

void clearDrawsFrom(int row)
{
    for (int r = std::max(row, 0); r <= kDrawRows; ++r)
        std::memset(Draws[r], 0, sizeof Draws[r]);
    ++generation;
}

} // namespace

void ClearDraws() { clearDrawsFrom(1); }

void SortDraws(int n)
{
    n = std::clamp(n, 0, 8);
    // Zeros (missing numbers) sort after the numbers.
    auto key = [](std::int16_t v) { return v == 0 ? 0x7FFF : int(v); };
    int row = 1;
    do {
        std::int16_t* cells = Draws[row] + 1;
        std::stable_sort(cells, cells + n, [&](std::int16_t a, std::int16_t b) { return key(a) < key(b); });
        ++row;
    } while (row <= kDrawRows && Draws[row][1] != 0);
    ++generation;
}

void OpenLotteryChanged() { ++generation; }

std::uint64_t OpenLotteryGeneration() { return generation; }

int DrawCount()
{
    int n = 0;
    while (n < kDrawRows && Draws[n + 1][1] != 0)
        ++n;
    return n;
}

void ResetOpenLottery()
{
    DbaseFiles.fill(QString());
    UnlistedDatabasesTold.clear();
    DbaseFile.clear();
    LotteryName.clear();
    LotteryWebsite.clear();
    BallsDrawn = MaxBall = HeaderValue3 = ExtraBallMax = 0;
    HasBonusBall = 0;
    std::memset(Draws, 0, sizeof Draws);
    ++generation;
}
