// Loading and sorting a database, and reading a database's header.
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "databases/DrawDatabase.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {
// 6/49 databases with a bonus ball in a temporary program folder: one of
// 2994 draws (what the table holds), one just above it and one ten times
// larger. DbaseFiles[0] is the 2994-draw file.
struct Fixture {
    QTemporaryDir dir;
    std::map<int, int> index; // draws -> DbaseFiles index
    QStringList names;
    // Other benchmarks use other folders: each benchmark here comes back.
    void enter()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        for (int i = 0; i < names.size(); ++i)
            DbaseFiles[i] = names[i];
    }
    Fixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        int i = 0;
        for (int draws : {2994, 3000, 30000}) {
            QStringList lines{"UK Lotto", "http://www.national-lottery.co.uk", "6,49,0,0,1"};
            unsigned x = 12345;
            for (int d = 0; d < draws; ++d) {
                QStringList fields{"05 Mar 05"};
                for (int c = 0; c < 7; ++c) {
                    x = x * 1103515245u + 12345u;
                    fields << QString::number((x >> 16) % 49 + 1);
                }
                fields << "";
                lines << fields.join(',');
            }
            const QString name = QStringLiteral("dbase%1.txt").arg(draws);
            WriteLines(name, lines);
            names << name;
            index[draws] = i++;
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    f.enter();
    return f;
}
} // namespace

// Argument: the draws in the file.
static void BM_LoadDatabase(benchmark::State& state)
{
    const int i = fixture().index.at(int(state.range(0)));
    for (auto _ : state) {
        LoadDatabase(i);
        benchmark::DoNotOptimize(Draws[1][1]);
    }
}
BENCHMARK(BM_LoadDatabase)->Arg(2994)->Arg(3000)->Arg(30000)->Unit(benchmark::kMicrosecond);

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

// The three header lines, as the hand-entry and store-entries windows read
// them; argument: the draws in the file.
static void BM_ReadDatabaseHeader(benchmark::State& state)
{
    const QString file = DbaseFiles[fixture().index.at(int(state.range(0)))];
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadDatabaseHeader(file));
}
BENCHMARK(BM_ReadDatabaseHeader)->Arg(30000)->Unit(benchmark::kMicrosecond);
