// The history test and one try of lucky dip on a 2994-draw 6/49 lottery.
#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/HistoryIndex.h"
#include "generators/PLuckyDip.h"
#include "generators/RetryLoop.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>
#include <algorithm>

namespace {

// Draws of six different numbers from 1 to 49, as a loaded database holds
// them, and the open lottery's definition.
void LoadLotto()
{
    ResetOpenLottery();
    BallsDrawn = 6;
    MaxBall = 49;
    HasBonusBall = 1;
    RandomizeSeed(2994);
    for (int r = 1; r <= kMaxDrawsLoaded; ++r) {
        std::int16_t pool[50];
        for (int i = 1; i <= 49; ++i)
            pool[i] = std::int16_t(i);
        for (int c = 1; c <= 7; ++c)
            std::swap(pool[c], pool[c + RandomNumber(49 - c + 1) - 1]);
        for (int c = 1; c <= 6; ++c)
            Draws[r][c] = pool[c];
        Draws[r][8] = pool[7];
    }
    ResetHistoryIndex();
}

// 179 lines that pass the history test, so every line is compared.
void FullList()
{
    ClearEntries();
    RandomizeSeed(180);
    LuckyDipLines(kMaxEntryLines);
    for (int r = 1; r <= EntryCount(); ++r)
        while (HistoryLineFailsPairLoop(Entries[r], 6, 1))
            Entries[r][1] = std::int16_t(Entries[r][1] % 49 + 1);
}

RetryTests AllBoxes(int strength)
{
    RetryTests t;
    t.oddEven = t.highLow = t.history = true;
    t.k = BallsDrawn;
    t.n = MaxBall;
    t.strengths.oddEven = t.strengths.highLow = t.strengths.history = strength;
    return t;
}

} // namespace

static void BM_HistoryOK(benchmark::State& state)
{
    LoadLotto();
    FullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(EntriesHistoryOK(6, 1));
    state.SetItemsProcessed(state.iterations() * EntryCount());
}
BENCHMARK(BM_HistoryOK)->Unit(benchmark::kMicrosecond);

static void BM_HistoryOK_BitSet(benchmark::State& state)
{
    LoadLotto();
    FullList();
    for (auto _ : state) {
        const HistoryCheck check(6, 1);
        bool ok = true;
        for (int r = 1; r <= EntryCount() && ok; ++r)
            ok = !check.failsBitSet(Entries[r]);
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * EntryCount());
}
BENCHMARK(BM_HistoryOK_BitSet)->Unit(benchmark::kMicrosecond);

static void BM_HistoryOK_PairLoop(benchmark::State& state)
{
    LoadLotto();
    FullList();
    for (auto _ : state) {
        bool ok = true;
        for (int r = 1; r <= EntryCount() && ok; ++r)
            ok = !HistoryLineFailsPairLoop(Entries[r], 6, 1);
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * EntryCount());
}
BENCHMARK(BM_HistoryOK_PairLoop)->Unit(benchmark::kMicrosecond);

// One try of the retry loop: 30 lucky-dip lines, a clock reading and the
// three tests, all boxes ticked at strength 1 (the status line is repainted
// at most 25 times a second, outside this measure).
static void BM_LuckyDipTry(benchmark::State& state)
{
    LoadLotto();
    const RetryTests tests = AllBoxes(1);
    Randomize();
    long passed = 0;
    for (auto _ : state) {
        LuckyDipLines(30);
        benchmark::DoNotOptimize(MonotonicSeconds());
        passed += RetryTestsPass(tests);
    }
    state.counters["pass_share"] = double(passed) / double(state.iterations());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LuckyDipTry)->Unit(benchmark::kMicrosecond);

// The same try with odd/even and high/low at strength 2: the share of tries
// that pass decides how many 10-second runs find compliant lines.
static void BM_LuckyDipTry_Strength2(benchmark::State& state)
{
    LoadLotto();
    RetryTests tests = AllBoxes(2);
    tests.strengths.history = 1;
    Randomize();
    long passed = 0;
    for (auto _ : state) {
        LuckyDipLines(30);
        benchmark::DoNotOptimize(MonotonicSeconds());
        passed += RetryTestsPass(tests);
    }
    state.counters["pass_share"] = double(passed) / double(state.iterations());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LuckyDipTry_Strength2)->Unit(benchmark::kMicrosecond)->MinTime(3.0);
