// Proving wheel 49 over all 13,983,816 draws of six from 49, the fast way and
// every draw against every line; and proving every stored guaranteed wheel.
#include "wheels/GuaranteedTables.h"
#include "wheels/Wheel49.h"
#include "wheels/WheelCheck.h"

#include <benchmark/benchmark.h>
#include <bit>

namespace {

void BM_Wheel49Proof(benchmark::State& state)
{
    const auto lines = Wheel49LineSets(BuildWheel49Pattern());
    for (auto _ : state) {
        const Wheel49Proof proof = ProveWheel49(lines);
        if (!proof.holds())
            state.SkipWithError("wheel 49 misses a draw");
        benchmark::DoNotOptimize(proof);
    }
}
BENCHMARK(BM_Wheel49Proof)->Unit(benchmark::kMillisecond);

// Every draw as a set of bits, tested against the lines in turn until one
// holds three of its numbers.
void BM_Wheel49ProofNaive(benchmark::State& state)
{
    const auto lines = Wheel49LineSets(BuildWheel49Pattern());
    for (auto _ : state) {
        quint64 draws = 0;
        quint64 missed = 0;
        for (int a = 0; a < 44; ++a)
            for (int b = a + 1; b < 45; ++b)
                for (int c = b + 1; c < 46; ++c)
                    for (int d = c + 1; d < 47; ++d)
                        for (int e = d + 1; e < 48; ++e)
                            for (int f = e + 1; f < 49; ++f) {
                                const LetterSet draw = (LetterSet(1) << a) | (LetterSet(1) << b) | (LetterSet(1) << c)
                                    | (LetterSet(1) << d) | (LetterSet(1) << e) | (LetterSet(1) << f);
                                ++draws;
                                bool met = false;
                                for (LetterSet line : lines)
                                    if (std::popcount(line & draw) >= 3) {
                                        met = true;
                                        break;
                                    }
                                if (!met)
                                    ++missed;
                            }
        if (draws != 13983816 || missed != 0)
            state.SkipWithError("wheel 49 misses a draw");
        benchmark::DoNotOptimize(missed);
    }
}
BENCHMARK(BM_Wheel49ProofNaive)->Unit(benchmark::kMillisecond)->Iterations(1);

// The 32 guaranteed wheels, each over every set of drawn letters, as the
// tests prove them.
void BM_GuaranteedWheelsProof(benchmark::State& state)
{
    for (auto _ : state) {
        for (const GuaranteedWheel& w : GuaranteedWheels()) {
            const WheelCheck check = CheckWheel(WheelLineSets(w.letters), w.numbers, w.drawn, w.match);
            if (!check.holds())
                state.SkipWithError("a wheel misses its promise");
            benchmark::DoNotOptimize(check);
        }
    }
}
BENCHMARK(BM_GuaranteedWheelsProof)->Unit(benchmark::kMillisecond);

} // namespace
