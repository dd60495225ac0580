#include "wheels/HotWheels.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/HotNumbers.h"
#include "wheels/CreateWheel.h"

#include <algorithm>
#include <utility>

int HotWheelNumbers(int count, int maxBall) { return std::clamp(std::min(count, maxBall), 0, kBallPoolSize); }

int HotWheelLastStart(int n, int k) { return std::min(n + 4 - k, n - 1); }

int HotWheelLineCount(int count, int interval, int k, int maxBall)
{
    const int n = HotWheelNumbers(count, maxBall);
    if (k < 1 || k > n || k > 7)
        return 0;
    return RingLineCount(n, interval, HotWheelLastStart(n, k));
}

HotWheelResult HotWheelLines(bool coldMode, int count, int interval)
{
    ClearEntries();
    HotWheelResult result;
    const int k = BallsDrawn;
    const int maxBall = std::clamp(MaxBall, 0, kBallPoolSize);
    const int extras = std::clamp(ExtraBallMax, 0, kBallPoolSize);
    HotCounts counts = CountDrawnNumbers(k, maxBall, extras);
    if (coldMode)
        InvertCounts(counts.numbers);
    GetHotNumbers(maxBall, counts.numbers);
    result.topNumbers = HotNumbersText(std::min(kHotWheelShown, maxBall));

    // The six hottest are turned round, so the first line does not hold all
    // of them in rank order.
    const int n = HotWheelNumbers(count, maxBall);
    const int turned = std::min(6, n);
    std::reverse(BallPool + 1, BallPool + 1 + turned);
    result.lines = RingLines(BallPool + 1, n, k, interval, HotWheelLastStart(n, k));
    SortEntries(k);

    if (extras > 0 && result.lines > 0) {
        if (coldMode)
            InvertCounts(counts.extras);
        GetHotNumbers(extras, counts.extras);
        const int ranked = std::min({kHotWheelExtraLines, extras, result.lines});
        for (int i = 1; i <= ranked; ++i)
            Entries[i][kExtraBallColumn] = BallPool[i];
    }
    return result;
}
