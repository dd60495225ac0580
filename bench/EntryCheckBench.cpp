// Checking saved entries against their draws, and the what-if tally.
#include "bench/BenchFiles.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "databases/EntryCheck.h"
#include "databases/WhatIfRule.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {
constexpr int kDraws = 300000;
constexpr int kDrawsPerDay = 3;
constexpr int kEntries = 499;

// A 6/49 database of the given number of draws, three a day back from
// 5 Dec 2026 (the last twenty years in both date forms, the older ones with
// four-digit years), and entries dated on the draws of the last hundred days.
struct Fixture {
    QTemporaryDir dir;
    std::vector<EntryToCheck> entries;
    Fixture(int draws, int entryCount)
    {
        QDir::setCurrent(dir.path());
        unsigned x = 4711;
        const QDate newest = QDate(2026, 12, 5);
        WriteChunked(
            QStringLiteral("dbase1.txt"),
            [&x, newest](int i) {
                if (i == 0)
                    return QByteArray("Lottery\r\nhttp://example.org\r\n6,49,0,0,1\r\n");
                const int d = i - 1;
                const QDate date = newest.addDays(-d / kDrawsPerDay);
                QByteArray line = (d % 2 && date.year() > 2006 ? FormatShortDate(date) : MediumDate(date)).toLatin1();
                for (int c = 0; c < 6; ++c)
                    line += ',' + QByteArray::number(NextRandom(x) % 49 + 1);
                return line + ",," + QByteArray::number(NextRandom(x) % 49 + 1) + "\r\n";
            },
            draws + 1);
        for (int e = 0; e < entryCount; ++e) {
            EntryToCheck entry;
            entry.date = MediumDate(newest.addDays(-static_cast<int>(NextRandom(x) % 100)));
            for (int c = 1; c <= 6; ++c)
                entry.numbers[c] = static_cast<int>(NextRandom(x) % 49 + 1);
            entry.dbaseFile = QStringLiteral("dbase1.txt");
            entries.push_back(entry);
        }
    }
};

// The 499 entries a saved-entries file holds at most against 300,000 draws.
Fixture& fixture()
{
    static Fixture f(kDraws, kEntries);
    QDir::setCurrent(f.dir.path());
    return f;
}
} // namespace

static void BM_CheckEntries(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        CheckSummary s = CheckEntries(f.entries);
        benchmark::DoNotOptimize(s.matchCounts);
    }
}
BENCHMARK(BM_CheckEntries)->Unit(benchmark::kMillisecond);

// The same check reading the whole file, as it did before reading stopped at
// the oldest entry's date.
static void BM_CheckEntries_WholeFile(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        std::array<int, 21> counts{};
        const auto file = ReadDrawFile("dbase1.txt");
        for (const EntryToCheck& entry : f.entries)
            for (const DrawFile::Draw* draw : FindDraws(*file, *ParseDate(entry.date)))
                ++counts[CheckLotto(entry.numbers, draw->numbers, file->lottery).countIndex()];
        benchmark::DoNotOptimize(counts);
    }
}
BENCHMARK(BM_CheckEntries_WholeFile)->Unit(benchmark::kMillisecond);

// A hundred entries against a million draws, one dated before the oldest
// draw, so the whole file is read; the process's peak resident memory.
static void BM_CheckOldEntryLargeDatabase(benchmark::State& state)
{
    static Fixture f(1000000, 100);
    QDir::setCurrent(f.dir.path());
    f.entries.back().date = MediumDate(QDate(2026, 12, 5).addDays(-1000000 / kDrawsPerDay - 1));
    double peak = 0, above = 0;
    CheckSummary s;
    for (auto _ : state) {
        ResetPeakMemory();
        const double before = StatusMB("VmRSS:");
        s = CheckEntries(f.entries);
        peak = std::max(peak, StatusMB("VmHWM:"));
        above = std::max(above, StatusMB("VmHWM:") - before);
    }
    state.counters["peak_MB"] = peak;
    state.counters["peak_above_MB"] = above;
    state.counters["counted"] = std::accumulate(s.matchCounts.begin(), s.matchCounts.end(), 0);
    state.counters["no_draw"] = s.noDraw;
}
BENCHMARK(BM_CheckOldEntryLargeDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

static void BM_WhatIf(benchmark::State& state)
{
    Fixture& f = fixture();
    LoadDatabaseFile("dbase1.txt");
    const int draws = DrawCount();
    std::vector<BallRow> lines;
    for (int i = 0; i < 179; ++i)
        lines.push_back(f.entries[std::size_t(i)].numbers);
    LotteryDefinition lottery;
    lottery.ballsDrawn = BallsDrawn;
    lottery.maxBall = MaxBall;
    lottery.extraBallMax = ExtraBallMax;
    lottery.hasBonusBall = HasBonusBall;
    for (auto _ : state) {
        WhatIfTallies t = WhatIfTally(lines, Draws, draws, lottery);
        benchmark::DoNotOptimize(t);
    }
    state.counters["draws"] = draws;
}
BENCHMARK(BM_WhatIf)->Unit(benchmark::kMillisecond);
