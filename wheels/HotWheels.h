#pragma once
// Hot and cold wheels: the open lottery's main numbers ranked by how often
// they were drawn (most first, or least first in cold mode), the first
// `count` of them wheeled in windows of as many numbers as the lottery draws,
// each window starting `interval` places after the one before. When the
// lottery has an extra ball, the top-ranked extra balls go to the first ten
// lines.

#include <QString>

inline constexpr int kHotWheelExtraLines = 10;
inline constexpr int kHotWheelShown = 10; // numbers listed over the lines

// How many of the ranked numbers are wheeled: the count asked for, or every
// number of a lottery that has fewer.
int HotWheelNumbers(int count, int maxBall);
// The place of the last window's start: n + 4 - k (so a lottery of five or
// more numbers never starts a window past the last place), and never past
// place n - 1 for smaller ones.
int HotWheelLastStart(int n, int k);
// How many lines the count and interval give for a lottery of k numbers from
// 1 to maxBall (0 when the count, interval or k cannot make a wheel).
int HotWheelLineCount(int count, int interval, int k, int maxBall);

struct HotWheelResult {
    QString topNumbers; // the ten top-ranked numbers, "7, 3, 40"
    int lines = 0;
};

// The whole wheel on the open lottery and its draws: counts and ranks the
// numbers (ties to the lower number), turns the first six ranks round,
// builds the lines into Entries (cleared first) and sorts each line's main
// numbers; then gives line i (1 to 10, as far as there are lines and
// extra-ball ranks) the i-th ranked extra ball. Draws no random numbers.
HotWheelResult HotWheelLines(bool coldMode, int count, int interval);
