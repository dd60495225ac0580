#include "generators/LuckyDip.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

void LuckyDipLines(int lines)
{
    const int k = BallsDrawn, n = std::min(MaxBall, kBallPoolSize), e = ExtraBallMax;
    FillBallPool(n);
    lines = std::clamp(lines, 0, kMaxEntryLines);
    for (int r = 1; r <= lines; ++r) {
        // The pool is shuffled again for every line, from where it stands.
        ShuffleBallPool(n);
        for (int c = 1; c <= k; ++c)
            Entries[r][c] = BallPool[c];
        if (e > 0)
            Entries[r][kExtraBallColumn] = std::int16_t(RandomNumber(e));
    }
    EndEntries(lines);
    SortEntries(k);
}
