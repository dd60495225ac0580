#include "generators/HistoryIndex.h"

#include "core/OpenLottery.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kMaxK = 7;
constexpr int kMaxIndexed = 127; // numbers packed in 7 bits

struct BitSet128 {
    std::uint64_t lo = 0, hi = 0;
    void set(int n) { (n < 64 ? lo : hi) |= std::uint64_t(1) << (n & 63); }
    int common(const BitSet128& o) const { return std::popcount(lo & o.lo) + std::popcount(hi & o.hi); }
};

// Columns 1 to k of a row, sorted, into out. True when they are k different
// numbers from 1 to 127.
bool RegularSorted(const std::int16_t* row, int k, std::int16_t* out)
{
    if (k < 1 || k > kMaxK)
        return false;
    std::copy(row + 1, row + 1 + k, out);
    std::sort(out, out + k);
    if (out[0] < 1 || out[k - 1] > kMaxIndexed)
        return false;
    for (int i = 1; i < k; ++i)
        if (out[i] == out[i - 1])
            return false;
    return true;
}

// Rows of Draws from 1 up to, not including, the first whose column 1 is 0.
int LoadedDraws()
{
    int r = 1;
    while (r <= kDrawRows && Draws[r][1] != 0)
        ++r;
    return r - 1;
}

} // namespace

struct HistoryIndexData {
    int k = -1;
    int m = -1;
    std::uint64_t generation = 0; // of the open lottery it was made from
    std::unordered_set<std::uint64_t> subsets;
    std::vector<BitSet128> regular; // regular draws as bit sets
    std::vector<int> irregular;     // rows compared pair by pair
    std::vector<unsigned> combos;   // k-bit masks of m set bits
};

namespace {

using Index = HistoryIndexData;

std::shared_ptr<Index>& index()
{
    static std::shared_ptr<Index> i;
    return i;
}

std::uint64_t Pack(const std::int16_t* sorted, unsigned combo, int k)
{
    std::uint64_t key = 0;
    for (int i = 0; i < k; ++i)
        if (combo & (1u << i))
            key = (key << 7) | std::uint64_t(sorted[i]);
    return key;
}

// The index for k and m, made anew when Draws changed since it was built.
std::shared_ptr<const Index> CurrentIndex(int k, int m)
{
    if (const auto& current = index();
        current && current->k == k && current->m == m && current->generation == OpenLotteryGeneration())
        return current;

    auto made = std::make_shared<Index>();
    Index& ix = *made;
    ix.k = k;
    ix.m = m;
    const int count = LoadedDraws();
    ix.generation = OpenLotteryGeneration();
    for (unsigned c = 0; c < (1u << k); ++c)
        if (std::popcount(c) == m)
            ix.combos.push_back(c);
    ix.subsets.reserve(std::size_t(count) * ix.combos.size() * 2 + 1);
    std::int16_t sorted[kMaxK];
    for (int r = 1; r <= count; ++r) {
        if (!RegularSorted(Draws[r], k, sorted)) {
            ix.irregular.push_back(r);
            continue;
        }
        BitSet128 bits;
        for (int i = 0; i < k; ++i)
            bits.set(sorted[i]);
        ix.regular.push_back(bits);
        for (unsigned c : ix.combos)
            ix.subsets.insert(Pack(sorted, c, k));
    }
    index() = made;
    return made;
}

bool IrregularFails(const Index& ix, const std::int16_t* line, int k, int l)
{
    for (int r : ix.irregular)
        if (DrawPairCount(Draws[r], line, k) > k - l)
            return true;
    return false;
}

} // namespace

int DrawPairCount(const std::int16_t* draw, const std::int16_t* line, int k)
{
    int count = 0;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j)
            if (draw[i] == line[j])
                ++count;
    return count;
}

bool HistoryLineFailsPairLoop(const std::int16_t* line, int k, int l)
{
    for (int r = 1; r <= kDrawRows && Draws[r][1] != 0; ++r)
        if (DrawPairCount(Draws[r], line, k) > k - l)
            return true;
    return false;
}

HistoryCheck::HistoryCheck(int k, int l) : k_(k), l_(l), m_(k - l + 1)
{
    // m: the shared numbers that make a line fail.
    if (m_ >= 1 && k_ >= 1 && k_ <= kMaxK)
        index_ = CurrentIndex(k_, m_);
}

bool HistoryCheck::fails(const std::int16_t* line) const
{
    std::int16_t sorted[kMaxK];
    if (!index_ || !RegularSorted(line, k_, sorted))
        return HistoryLineFailsPairLoop(line, k_, l_);
    const Index& ix = *index_;
    if (m_ <= k_)
        for (unsigned c : ix.combos)
            if (ix.subsets.contains(Pack(sorted, c, k_)))
                return true;
    return IrregularFails(ix, line, k_, l_);
}

bool HistoryLineFails(const std::int16_t* line, int k, int l) { return HistoryCheck(k, l).fails(line); }

bool HistoryCheck::failsBitSet(const std::int16_t* line) const
{
    std::int16_t sorted[kMaxK];
    if (!index_ || !RegularSorted(line, k_, sorted))
        return HistoryLineFailsPairLoop(line, k_, l_);
    const Index& ix = *index_;
    BitSet128 bits;
    for (int i = 0; i < k_; ++i)
        bits.set(sorted[i]);
    for (const BitSet128& draw : ix.regular)
        if (draw.common(bits) >= m_)
            return true;
    return IrregularFails(ix, line, k_, l_);
}

bool HistoryLineFailsBitSet(const std::int16_t* line, int k, int l) { return HistoryCheck(k, l).failsBitSet(line); }

void ResetHistoryIndex() { index().reset(); }
