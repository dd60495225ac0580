#include "generators/KeyNumbers.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {
constexpr int kSpill = 20; // pool places beyond N for the last line
} // namespace

int KeyNumberLineCount(int n, int k, int keys)
{
    if (k <= keys || n <= keys)
        return 0;
    return (n - keys + (k - keys) - 1) / (k - keys);
}

void KeyNumberLines(const std::vector<int>& keys)
{
    const int k = BallsDrawn, n = MaxBall, e = std::min(ExtraBallMax, kBallPoolSize);
    const int keyCount = int(keys.size());
    if (k > 7 || k <= keyCount || n < k || n + kSpill > kBallPoolSize) {
        EndEntries(0); // a lottery the pool cannot deal
        return;
    }
    auto isKey = [&](int v) { return std::find(keys.begin(), keys.end(), v) != keys.end(); };

    FillBallPool(n);
    ShuffleBallPool(n, 2);
    // Round the pool again when it holds fewer than 20.
    for (int i = 1; i <= kSpill; ++i)
        BallPool[n + i] = BallPool[i];

    int pos = 1, lines = 0;
    while (lines < kMaxEntryLines) {
        // Keys at the end of the pool leave nothing new for another line.
        while (pos <= n && isKey(BallPool[pos]))
            ++pos;
        if (pos > n)
            break;
        ++lines;
        for (int c = 1; c <= keyCount; ++c)
            Entries[lines][c] = std::int16_t(keys[std::size_t(c - 1)]);
        for (int c = keyCount + 1; c <= k; ++c) {
            while (isKey(BallPool[pos]))
                ++pos;
            Entries[lines][c] = BallPool[pos++];
        }
    }
    EndEntries(lines);

    if (e > 0) {
        FillBallPool(e);
        ShuffleBallPool(e);
        for (int r = 1; r <= lines; ++r)
            Entries[r][kExtraBallColumn] = BallPool[(r - 1) % e + 1];
    }
}
