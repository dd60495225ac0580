#pragma once
// The lucky-dip method: completely random lines.

// Fills Entries with `lines` random lines of the open lottery (at most 179),
// each of K different numbers sorted ascending, with a random extra ball when
// the lottery has one. BallPool 1 to N holds the pool, shuffled again for
// every line from where it stands.
void LuckyDipLines(int lines);
