#pragma once
// The key-number method: every line holds the player's one, two or three key
// numbers, and the other places run once through every other number of the
// lottery in a shuffled order.

#include <vector>

// How many lines the method makes: the other numbers, N - keys, dealt
// K - keys to a line, the last line filled up from the start of the pool.
// 0 when a line has no place beside the keys.
int KeyNumberLineCount(int n, int k, int keys);

// Fills Entries with the lines for the keys (different numbers from 1 to N)
// on the open lottery. BallPool 1 to N holds 1 to N, every second place
// exchanged with a random place; BallPool N + 1 to N + 20 repeats its first
// 20 places for the last line. Each line: the keys in columns 1 to keys, then
// the next pool numbers that are not keys. A line is begun only while a
// number that is not a key is left in places 1 to N. Then, when the lottery
// has extra balls, 1 to E are shuffled (every place) and line r takes place
// r, counting round when there are more lines than extra balls. The lines are
// not sorted.
void KeyNumberLines(const std::vector<int>& keys);
