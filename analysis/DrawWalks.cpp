#include "analysis/DrawWalks.h"

#include <algorithm>

AnalysisInput OpenLotteryInput()
{
    AnalysisInput in;
    in.ballsDrawn = std::clamp(BallsDrawn, 0, kMaxMainBalls);
    in.maxBall = std::clamp(MaxBall, 0, 120);
    in.extraBallMax = std::clamp(ExtraBallMax, 0, 120);
    in.hasBonusBall = HasBonusBall > 0;
    int r = 1;
    while (r <= kDrawRows && Draws[r][1] >= 1)
        ++r;
    in.drawCount = r - 1;
    return in;
}
