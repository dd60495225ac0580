#pragma once
// Fast answers to "does this line share more than k - l numbers with some
// past draw?" over Draws.
//
// Regular draws (k different numbers from 1 to 127) go into a hash set of all
// their subsets of m = k - l + 1 numbers, built once for the draws loaded and
// rebuilt when Draws, k or m change; a regular line then fails exactly when
// one of its m-subsets is in the set. Irregular draws and lines (zeros,
// repeated numbers) are compared pair by pair (DrawPairCount), so the answer
// is always the pair count's own.

#include <cstdint>
#include <memory>

// The previous-draws test itself: the pairs (i, j), i and j from 1 to k, for which
// column i of the draw equals column j of the line.
int DrawPairCount(const std::int16_t* draw, const std::int16_t* line, int k);
// That pair count over every draw, stopping at the first failing one.
bool HistoryLineFailsPairLoop(const std::int16_t* line, int k, int l);
// The same answer through the index.
bool HistoryLineFails(const std::int16_t* line, int k, int l);

struct HistoryIndexData;

// The index made current once for many lines: what a whole-list test or
// filter uses. Draws must not change while it lives; other checks made
// meanwhile (for another k or l) do not disturb it.
class HistoryCheck {
public:
    HistoryCheck(int k, int l);
    bool fails(const std::int16_t* line) const;
    // The same answer comparing the line with each draw as bit sets.
    bool failsBitSet(const std::int16_t* line) const;

private:
    int k_, l_, m_;
    std::shared_ptr<const HistoryIndexData> index_;
};
// The same answer comparing the line with each draw as bit sets.
bool HistoryLineFailsBitSet(const std::int16_t* line, int k, int l);
// Drops the index (tests, benchmarks); the next call rebuilds it.
void ResetHistoryIndex();
