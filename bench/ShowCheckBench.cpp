// The Show/Check window on a saved-entries file of a million lines: opened,
// checked and closed, with the process's peak resident memory over the run.
#include "bench/BenchFiles.h"
#include "databases/SavedEntries.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "platform/Folder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {
constexpr int kSavedLines = 1000000;
constexpr int kDrawDays = 400;

// A 6/49 lottery of 400 draws, one a day back from 5 Dec 2026, and a million
// saved entries dated on those days, each line ended by lineEnd; with
// accented, one line in ten holds a name with a letter outside ASCII.
struct ManyEntriesFixture {
    QTemporaryDir dir;
    ManyEntriesFixture(const QByteArray& lineEnd, bool accented)
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        unsigned x = 2024;
        WriteDailyDatabase("dbase1.txt", kDrawDays, x);
        WriteManySavedEntries(kSavedEntriesFile, kSavedLines, kDrawDays, x, lineEnd, accented);
    }
};

void ShowAndCheck(benchmark::State& state, const ManyEntriesFixture& fixture)
{
    SetProgramFolder(fixture.dir.path());
    MakeProgramFolderCurrent();
    double peak = 0, above = 0;
    std::array<int, 21> counts{};
    int shown = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        const double before = StatusMB("VmRSS:");
        {
            ShowMyDrawsW window;
            window.Load();
            window.show();
            QCoreApplication::processEvents();
            window.Command2_Click();
            counts = window.MatchCounts;
            shown = static_cast<int>(window.MyDraws.rows.size());
            window.Changed = false;
            window.close();
        }
        peak = std::max(peak, StatusMB("VmHWM:"));
        above = std::max(above, StatusMB("VmHWM:") - before);
    }
    state.counters["peak_MB"] = peak;
    state.counters["peak_above_MB"] = above;
    state.counters["shown"] = shown;
    state.counters["counted"] = std::accumulate(counts.begin(), counts.end(), 0);
    for (int k : {2, 3, 12, 13})
        state.counters[QStringLiteral("m%1").arg(k).toStdString()] = counts[std::size_t(k)];
}
} // namespace

static void BM_ShowCheckManyEntries(benchmark::State& state)
{
    static const ManyEntriesFixture fixture("\r\n", false);
    ShowAndCheck(state, fixture);
}
BENCHMARK(BM_ShowCheckManyEntries)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same with LF line ends, as editors outside Windows save text.
static void BM_ShowCheckManyEntriesLF(benchmark::State& state)
{
    static const ManyEntriesFixture fixture("\n", true);
    ShowAndCheck(state, fixture);
}
BENCHMARK(BM_ShowCheckManyEntriesLF)->Unit(benchmark::kMillisecond)->Iterations(1);
