// Checking saved entries against their draws, and the what-if tally.
#include "core/OpenLottery.h"
#include "databases/EntryCheck.h"
#include "databases/WhatIfRule.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kDraws = 2994;
constexpr int kFiles = 5;
constexpr int kEntries = 500;

unsigned Next(unsigned& x)
{
    x = x * 1103515245u + 12345u;
    return x >> 16;
}

// Five 6/49 databases of 2994 draws, one every third day back from today,
// and 500 entries dated on draws spread over them.
struct Fixture {
    QTemporaryDir dir;
    std::vector<EntryToCheck> entries;
    Fixture()
    {
        QDir::setCurrent(dir.path());
        unsigned x = 4711;
        const QDate newest = QDate(2026, 12, 5);
        for (int f = 0; f < kFiles; ++f) {
            QStringList lines{QStringLiteral("Lottery %1").arg(f), "http://example.org", "6,49,0,0,1"};
            for (int d = 0; d < kDraws; ++d) {
                const QDate date = newest.addDays(-3 * d);
                QStringList fields{d % 2 ? FormatShortDate(date) : MediumDate(date)};
                for (int c = 0; c < 6; ++c)
                    fields << QString::number(Next(x) % 49 + 1);
                fields << "" << QString::number(Next(x) % 49 + 1);
                lines << fields.join(',');
            }
            WriteLines(QStringLiteral("dbase%1.txt").arg(f + 1), lines);
        }
        for (int e = 0; e < kEntries; ++e) {
            EntryToCheck entry;
            entry.date = MediumDate(newest.addDays(-3 * static_cast<int>(Next(x) % kDraws)));
            for (int c = 1; c <= 6; ++c)
                entry.numbers[c] = static_cast<int>(Next(x) % 49 + 1);
            entry.dbaseFile = QStringLiteral("dbase%1.txt").arg(e % kFiles + 1);
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

static void BM_WhatIf(benchmark::State& state)
{
    Fixture& f = fixture();
    LoadDatabaseFile("dbase1.txt");
    const int draws = DrawCount();
    std::vector<BallRow> lines;
    for (int i = 0; i < 179; ++i)
        lines.push_back(f.entries[i].numbers);
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
