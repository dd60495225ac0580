#pragma once
// The full-selection method: every number of the lottery dealt once.

// Shuffles the numbers 1 to N in BallPool and deals them into Entries, K to
// a line, as many whole lines as they fill; with includeAll, the numbers left
// over are completed into one more line from copies of the 2nd, 4th, ...
// shuffled numbers, then of the 1st, 3rd, ..., leaving out those of the last
// line itself (BallPool N + 1 to N + 10), so no line holds a number twice.
// Each line gets a random extra ball when the lottery has one. The lines are
// not sorted.
void FullSelectionLines(bool includeAll);

// How many pool places beyond N the spill-over uses.
inline constexpr int kFullSelectionSpill = 10;
