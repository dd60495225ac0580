#pragma once
// The average-numbers method: lines whose k-th number lies within one of the
// average of the k-th smallest number of the past draws.

#include <vector>

// The average of each place of the loaded draws, their numbers sorted first
// (SortDraws): element k (1 to k) is the whole part of the mean of column k.
// Empty when no draw is loaded.
std::vector<int> DrawAverages(int k);

// Fills Entries with `lines` lines (at most 179): number k of a line is
// average k minus 1, the average or the average plus 1, equally likely, kept
// within 1 to N; then, when the lottery has one, a random extra ball. The
// lines are not sorted.
void AverageLines(const std::vector<int>& averages, int lines);

// True when no line of the list holds a number twice (columns 1 to k).
bool CheckDuplicate(int k);

// Gives every number of a line that repeats one before it in the line (left
// there when the retry loop ran out of time) the free number nearest its
// place's average: the average, then one above, one below, two above, ...
// within 1 to N. A lottery with fewer numbers than places is left alone.
void MendRepeatedNumbers(const std::vector<int>& averages);
