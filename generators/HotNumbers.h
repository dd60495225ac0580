#pragma once
// The hot- and cold-numbers method: ten lines drawn from the ten numbers
// drawn most often (hot) or least often (cold) in the open lottery's draws,
// each line's extra ball one of the extra balls drawn most (least) often.

#include <QString>
#include <vector>

// How often each value was drawn: place v for v = 1 to the top of its range;
// place 0 is never used.
using DrawnCounts = std::vector<int>;

// The counts of the loaded draws: the main numbers (columns 1 to K) of every
// draw in places 1 to N, the extra balls (column 8) in places 1 to E. Values
// outside those ranges are not counted.
struct HotCounts {
    DrawnCounts numbers;
    DrawnCounts extras;
};
HotCounts CountDrawnNumbers(int k, int n, int e);

// Turns hot into cold: each count of places 1 to the end becomes the highest
// of them minus itself, so the least drawn have the highest counts.
void InvertCounts(DrawnCounts& counts);

// Ranks the values 1 to n by their counts, most drawn first and equal counts
// lowest value first, into BallPool 1 to n (BallPool 0 is zeroed).
void GetHotNumbers(int n, const DrawnCounts& counts);

// The numbers a window shows for the ranking: BallPool 1 to `count` as
// "7, 23, 41".
QString HotNumbersText(int count);

// Ten lines of K numbers, each a random choice from the first m places of
// BallPool (m = 10, or fewer for a lottery of fewer numbers): before every
// line those places are shuffled again from where they stand. The list ends
// after line 10 and every line is sorted.
void AddToGrid(int m);

// How many ranked numbers the lines are drawn from: ten, or every number of
// a smaller lottery.
int HotPoolSize(int n);

// The whole method once, on the open lottery: counts the draws (inverted in
// cold mode), ranks them, fills Entries with ten lines from the top numbers
// and gives line r the r-th ranked extra ball (counting round the ranking
// when there are fewer than ten). Returns the top numbers as text.
QString HotNumbersLines(bool coldMode);
