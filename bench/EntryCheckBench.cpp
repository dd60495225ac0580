// Checking saved entries against their draws, and the what-if tally.
#include "bench/BenchRandom.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "databases/EntryCheck.h"
#include "databases/WhatIfRule.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kDraws = 300000;
constexpr int kDrawsPerDay = 3;
constexpr int kEntries = 499;

// One 6/49 database of 300,000 draws, three a day back from 5 Dec 2026 (the
// last twenty years in both date forms, the older ones with four-digit
// years), and the 499 entries a saved-entries file holds at most, dated on
// the draws of the last hundred days.
struct Fixture {
    QTemporaryDir dir;
    std::vector<EntryToCheck> entries;
    Fixture()
    {
        QDir::setCurrent(dir.path());
        unsigned x = 4711;
        const QDate newest = QDate(2026, 12, 5);
        QStringList lines{QStringLiteral("Lottery"), "http://example.org", "6,49,0,0,1"};
        for (int d = 0; d < kDraws; ++d) {
            const QDate date = newest.addDays(-d / kDrawsPerDay);
            QStringList fields{d % 2 && date.year() > 2006 ? FormatShortDate(date) : MediumDate(date)};
            for (int c = 0; c < 6; ++c)
                fields << QString::number(NextRandom(x) % 49 + 1);
            fields << "" << QString::number(NextRandom(x) % 49 + 1);
            lines << fields.join(',');
        }
        WriteLines(QStringLiteral("dbase1.txt"), lines);
        for (int e = 0; e < kEntries; ++e) {
            EntryToCheck entry;
            entry.date = MediumDate(newest.addDays(-static_cast<int>(NextRandom(x) % 100)));
            for (int c = 1; c <= 6; ++c)
                entry.numbers[c] = static_cast<int>(NextRandom(x) % 49 + 1);
            entry.dbaseFile = QStringLiteral("dbase1.txt");
            entries.push_back(entry);
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
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
