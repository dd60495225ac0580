#include "generators/FullSelection.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

void FullSelectionLines(bool includeAll)
{
    const int k = BallsDrawn, n = MaxBall, e = ExtraBallMax;
    if (k < 1 || k > 7 || n < k || n > kBallPoolSize - kFullSelectionSpill) {
        EndEntries(0); // a lottery the pool cannot deal
        return;
    }
    FillBallPool(n);
    ShuffleBallPool(n);
    // Spill-over for a last line: copies of the 2nd, 4th, ... shuffled numbers,
    // counted round the pool when it holds fewer than 20.
    for (int i = 1; i <= kFullSelectionSpill; ++i)
        BallPool[n + i] = BallPool[(2 * i - 1) % n + 1];
    int lines = n / k;
    if (n % k > 0 && includeAll)
        ++lines;
    lines = std::min(lines, kMaxEntryLines);
    int p = 0;
    for (int r = 1; r <= lines; ++r) {
        for (int c = 1; c <= k; ++c)
            Entries[r][c] = BallPool[++p];
        if (e > 0)
            Entries[r][8] = std::int16_t(RandomNumber(e));
    }
    EndEntries(lines);
}
