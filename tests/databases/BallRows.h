#pragma once
// Lotteries and number rows written briefly, for the check and what-if tests.

#include "core/OpenLottery.h"
#include "databases/DrawDatabase.h"
#include "databases/EntryCheck.h"

#include <initializer_list>

inline LotteryDefinition Lottery(int balls, int max, int extra, int bonus)
{
    LotteryDefinition d;
    d.ballsDrawn = balls;
    d.maxBall = max;
    d.extraBallMax = extra;
    d.hasBonusBall = bonus;
    return d;
}

// Main numbers in items 1 on, `last` (bonus or extra ball) in item 8.
inline BallRow Row(std::initializer_list<int> numbers, int last = 0)
{
    BallRow r{};
    int i = 1;
    for (int n : numbers)
        r[i++] = n;
    r[kExtraBallColumn] = last;
    return r;
}
