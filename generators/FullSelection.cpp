#include "generators/FullSelection.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>
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
    // then of the 1st, 3rd, ..., passing over the places the last line takes
    // itself, so that no number comes twice in it; counted round again when
    // the pool holds fewer (the line never needs more than those).
    const int whole = n - n % k; // places from whole + 1 on are the last line's
    std::array<int, kFullSelectionSpill> places{};
    int found = 0;
    for (int first : {2, 1})
        for (int place = first; place <= whole && found < kFullSelectionSpill; place += 2)
            places[std::size_t(found++)] = place;
    for (int i = 0; i < kFullSelectionSpill; ++i)
        BallPool[n + i + 1] = BallPool[places[std::size_t(i % found)]];
    int lines = n / k;
    if (n % k > 0 && includeAll)
        ++lines;
    lines = std::min(lines, kMaxEntryLines);
    int p = 0;
    for (int r = 1; r <= lines; ++r) {
        for (int c = 1; c <= k; ++c)
            Entries[r][c] = BallPool[++p];
        if (e > 0)
            Entries[r][kExtraBallColumn] = std::int16_t(RandomNumber(e));
    }
    EndEntries(lines);
}
