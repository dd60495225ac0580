#pragma once
// Create-a-wheel: the player's numbers taken as a ring; each line is a run of
// as many consecutive numbers as the lottery draws, the first starting at the
// first number and each next one a chosen interval further round the ring.
// The hot and cold wheels build their lines the same way.

#include <QStringList>
#include <cstdint>

inline constexpr int kCreateWheelBoxes = 20;
inline constexpr int kCreateWheelFewest = 8; // the counts offered: 8 to 20
inline constexpr int kCreateWheelLongestStep = 5;

// Lines of k numbers that follow one another on the ring numbers[0] to
// numbers[n - 1] (numbers[n - 1] followed by numbers[0]): line j starts at
// place (j - 1) * step, for every start up to lastStart and never past place
// n - 1. Writes columns 1 to k of Entries rows 1 on, leaves the other
// columns alone and ends the list; returns the number of lines. Makes none
// when n, k or step is below 1, or k is above n (a line would repeat a
// place), or lastStart is below 0.
int RingLines(const std::int16_t* numbers, int n, int k, int step, int lastStart);
// How many lines RingLines makes for those starts.
int RingLineCount(int n, int step, int lastStart);

// The create-a-wheel line count: count divided by interval, rounded up (0
// for a count or interval below 1).
int CreateWheelLineCount(int count, int interval);

// Whether the boxes in use hold numbers to wheel: each a whole number from 1
// to the lottery's highest, maxBall. Repeated numbers pass.
bool CreateWheelInputOK(const QStringList& activeBoxes, int maxBall);

// Builds the lines from BallPool 0 to count - 1 into Entries for a lottery of
// k main numbers, each with an extra ball of 1 to extraBallMax when that is
// above 0; the lines are not sorted. Entries is cleared first. Returns the
// number of lines (0 when the count, the interval or k cannot make a wheel).
int CreateWheelLines(int count, int interval, int k, int extraBallMax);
