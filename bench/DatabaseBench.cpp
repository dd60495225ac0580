// Loading and sorting a full database.
#include "core/OpenLottery.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// A 2994-draw 6/49 database with a bonus ball, in a temporary program folder.
struct Fixture {
    QTemporaryDir dir;
    Fixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        QStringList lines{"UK Lotto", "http://www.national-lottery.co.uk", "6,49,0,0,1"};
        unsigned x = 12345;
        for (int i = 0; i < 2994; ++i) {
            QStringList fields{"05 Mar 05"};
            for (int c = 0; c < 7; ++c) {
                x = x * 1103515245u + 12345u;
                fields << QString::number((x >> 16) % 49 + 1);
            }
            fields << "";
            lines << fields.join(',');
        }
        WriteLines("dbase1.txt", lines);
        DbaseFiles[0] = "dbase1.txt";
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}
} // namespace

static void BM_LoadDatabase(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        LoadDatabase(0);
        benchmark::DoNotOptimize(Draws[1][1]);
    }
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMicrosecond);

static void BM_SortDraws(benchmark::State& state)
{
    fixture();
    for (auto _ : state) {
        state.PauseTiming();
        LoadDatabase(0);
        state.ResumeTiming();
        SortDraws(6);
        benchmark::DoNotOptimize(Draws[1][1]);
    }
}
BENCHMARK(BM_SortDraws)->Unit(benchmark::kMicrosecond);
