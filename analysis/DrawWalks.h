#pragma once
// What the analysis windows read of the open lottery, and the ways they walk
// its draws.
//
// Every analysis reads Draws through an AnalysisInput: the lottery's shape,
// clamped to what a table can hold, and how many draws Draws holds. A window
// with no lottery to show passes NoLottery() and gets empty results.
//
// Two walks recur:
// - the draw walk: rows 1, 2, ... while column 1 holds a number (1 or more),
//   the draws and nothing else. (An older walk went on from row 1 whatever it
//   held, so an empty database counted one draw of zeros; every statistic
//   now walks the draws only.)
// - the newest 50: rows 1 to 50 whatever the number of draws, each row past
//   the last draw read as zeros.

#include "core/OpenLottery.h"

#include <cstdint>

inline constexpr int kNewestRows = 50;
inline constexpr int kMaxMainBalls = 7;

struct AnalysisInput {
    int ballsDrawn = 0;   // main numbers per draw, 0 to 7
    int maxBall = 0;      // highest main number, 0 to 120
    int extraBallMax = 0; // highest extra ball, 0 when none
    bool hasBonusBall = false;
    int drawCount = 0; // rows 1 to drawCount of Draws are the draws
};

// The open lottery and its draws.
AnalysisInput OpenLotteryInput();
// Nothing to analyse: no numbers, no draws.
inline AnalysisInput NoLottery() { return {}; }

// Draw walk: visit(row) for every draw, newest first.
template <class Visit>
void ForEachDraw(const AnalysisInput& in, Visit&& visit)
{
    for (int r = 1; r <= in.drawCount; ++r)
        visit(Draws[r]);
}

// The newest 50 rows: visit(r, row) for r = 1 to 50; rows past the last draw
// are all zeros.
template <class Visit>
void ForNewest50(const AnalysisInput& in, Visit&& visit)
{
    static const std::int16_t zeros[9] = {};
    for (int r = 1; r <= kNewestRows; ++r)
        visit(r, r <= in.drawCount ? Draws[r] : zeros);
}

// A main number that can be counted: 1 to maxBall.
inline bool IsMainNumber(const AnalysisInput& in, int v) { return v >= 1 && v <= in.maxBall; }
