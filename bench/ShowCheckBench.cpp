// The Show/Check window on a saved-entries file of a million lines: opened,
// checked and closed, with the process's peak resident memory over the run.
#include "bench/BenchFiles.h"
#include "databases/SavedEntries.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <numeric>

namespace {
constexpr int kSavedLines = 1000000;
constexpr int kDrawDays = 400;

// A 6/49 lottery of 400 draws, one a day back from 5 Dec 2026, and a million
// saved entries dated on those days, about 57 bytes a line.
struct ManyEntriesFixture {
    QTemporaryDir dir;
    ManyEntriesFixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        unsigned x = 2024;
        const QDate newest(2026, 12, 5);
        WriteDailyDatabase("dbase1.txt", kDrawDays, x);

        WriteChunked(
            kSavedEntriesFile,
            [&x, newest](int i) {
                QByteArray line = FormatShortDate(newest.addDays(-int(NextRandom(x) % kDrawDays))).toLatin1();
                for (int c = 0; c < 6; ++c)
                    line += ',' + QByteArray::number(NextRandom(x) % 49 + 1);
                return line + ",,,UK Lotto,Player " + QByteArray::number(i % 100) + ",dbase1.txt\r\n";
            },
            kSavedLines);
    }
};

} // namespace

static void BM_ShowCheckManyEntries(benchmark::State& state)
{
    static ManyEntriesFixture fixture;
    SetProgramFolder(fixture.dir.path());
    MakeProgramFolderCurrent();
    double peak = 0;
    std::array<int, 21> counts{};
    int shown = 0;
    for (auto _ : state) {
        ResetPeakMemory();
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
    }
    state.counters["peak_MB"] = peak;
    state.counters["shown"] = shown;
    state.counters["counted"] = std::accumulate(counts.begin(), counts.end(), 0);
    for (int k : {2, 3, 12, 13})
        state.counters[QStringLiteral("m%1").arg(k).toStdString()] = counts[std::size_t(k)];
}
BENCHMARK(BM_ShowCheckManyEntries)->Unit(benchmark::kMillisecond)->Iterations(1);
