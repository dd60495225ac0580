// The history test and one try of lucky dip on a 2994-draw 6/49 lottery.
#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/HistoryIndex.h"
#include "generators/LuckyDip.h"
#include "generators/ui/PLuckyDip.h"
#include "generators/RetryLoop.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <vector>

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
        Draws[r][kExtraBallColumn] = pool[7];
    }
    OpenLotteryChanged();
    ResetHistoryIndex();
}

// 179 lines that pass the history test at strength l, so every line is
// compared with every draw.
void FullList(int l)
{
    std::vector<std::array<std::int16_t, kEntryColumns + 1>> passing;
    RandomizeSeed(180);
    const HistoryCheck check(6, l);
    while (int(passing.size()) < kMaxEntryLines) {
        LuckyDipLines(kMaxEntryLines);
        for (int r = 1; r <= EntryCount() && int(passing.size()) < kMaxEntryLines; ++r) {
            if (!check.fails(Entries[r])) {
                passing.emplace_back();
                std::copy(std::begin(Entries[r]), std::end(Entries[r]), passing.back().begin());
            }
        }
    }
    ClearEntries();
    for (int r = 1; r <= kMaxEntryLines; ++r)
        std::copy(passing[r - 1].begin(), passing[r - 1].end(), Entries[r]);
}

RetryTests AllBoxes(int strength)
{
    RetryTests t;
    t.oddEven = t.highLow = t.history = true;
    t.k = BallsDrawn;
    t.n = MaxBall;
    t.strengths.oddEven = t.strengths.highLow = strength;
    t.strengths.history = 1;
    return t;
}

} // namespace

// The history test of a whole list: argument L, the strength (a line may
// share at most 6 - L numbers with a draw). The index is built before the
// timing (BM_HistoryIndexBuild measures that).
static void BM_HistoryOK(benchmark::State& state)
{
    const int l = int(state.range(0));
    LoadLotto();
    FullList(l);
    if (!EntriesHistoryOK(6, l))
        state.SkipWithError("the list does not pass");
    for (auto _ : state)
        benchmark::DoNotOptimize(EntriesHistoryOK(6, l));
    state.SetItemsProcessed(state.iterations() * EntryCount());
}
BENCHMARK(BM_HistoryOK)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// Building the history index over 2994 draws, as the first test after a
// load does: argument L, the strength.
static void BM_HistoryIndexBuild(benchmark::State& state)
{
    const int l = int(state.range(0));
    LoadLotto();
    for (auto _ : state) {
        ResetHistoryIndex();
        const HistoryCheck check(6, l);
        benchmark::DoNotOptimize(&check);
    }
}
BENCHMARK(BM_HistoryIndexBuild)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// The history test line by line with another way of comparing.
// (The lottery is loaded and the list made first.)
template <typename Fails>
void HistoryLineByLine(benchmark::State& state, Fails fails)
{
    for (auto _ : state) {
        bool ok = true;
        for (int r = 1; r <= EntryCount() && ok; ++r)
            ok = !fails(Entries[r]);
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * EntryCount());
}

static void BM_HistoryOK_BitSet(benchmark::State& state)
{
    const int l = int(state.range(0));
    LoadLotto();
    FullList(l);
    const HistoryCheck check(6, l);
    HistoryLineByLine(state, [&](const std::int16_t* line) { return check.failsBitSet(line); });
}
BENCHMARK(BM_HistoryOK_BitSet)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

static void BM_HistoryOK_PairLoop(benchmark::State& state)
{
    const int l = int(state.range(0));
    LoadLotto();
    FullList(l);
    HistoryLineByLine(state, [l](const std::int16_t* line) { return HistoryLineFailsPairLoop(line, 6, l); });
}
BENCHMARK(BM_HistoryOK_PairLoop)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// One try of the retry loop: 30 lucky-dip lines, a clock reading and the
// three tests, all boxes ticked; odd/even and high/low at the strength given,
// history at 1. The status line is repainted at most 25 times a second,
// outside this measure.
//
// Counters: pass_share, the tries that pass (measured); runs_10s, the share
// of 10-second runs that find a passing try, computed, not measured: with q
// the share of single lines that pass (measured over 600,000 seeded lines
// before the timing) and T the tries in 10 s at this run's wall-clock speed,
// a try of 30 independent lines passes with p = q^30, and a run finds one
// with 1 - (1 - p)^T, about 1 - exp(-T * p). A busy machine lowers T.
static void BM_LuckyDipTry(benchmark::State& state)
{
    LoadLotto();
    const RetryTests tests = AllBoxes(int(state.range(0)));
    RandomizeSeed(30);
    long lines = 0, linesPassed = 0;
    for (int t = 0; t < 20000; ++t) {
        LuckyDipLines(30);
        for (int r = 1; r <= 30; ++r, ++lines) {
            const std::int16_t* row = Entries[r];
            linesPassed += OddEvenLineOK(row, tests.k, tests.strengths.oddEven)
                && HighLowLineOK(row, tests.k, tests.n, tests.strengths.highLow)
                && HistoryLineOK(row, tests.k, tests.strengths.history);
        }
    }
    Randomize();
    long passed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        LuckyDipLines(30);
        benchmark::DoNotOptimize(MonotonicSeconds());
        passed += RetryTestsPass(tests);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double triesIn10s = double(state.iterations()) / seconds * kRetrySeconds;
    const double tryShare = std::pow(double(linesPassed) / double(lines), 30);
    state.counters["pass_share"] = double(passed) / double(state.iterations());
    state.counters["runs_10s"] = 1 - std::exp(-triesIn10s * tryShare);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LuckyDipTry)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
