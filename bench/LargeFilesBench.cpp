// Large files taken a line at a time: the what-if window loading the saved
// lines of one lottery from a saved-entries file of a million lines, and a
// draw deleted from and inserted into a database of a million lines. Each
// reports its peak resident memory above what the process held before it.
#include "bench/BenchFiles.h"
#include "core/OpenLottery.h"
#include "databases/DrawDatabase.h"
#include "databases/DrawEdit.h"
#include "databases/SavedEntries.h"
#include "databases/ui/WhatIf.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kLines = 1000000;

// A 6/49 database of 400 draws and a million saved entries of three
// lotteries, one line in a thousand of the one chosen, so that its lines
// are found all through the file.
struct WhatIfFixture {
    QTemporaryDir dir;
    WhatIfFixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        unsigned x = 99;
        const QDate newest(2026, 12, 5);
        WriteDailyDatabase("dbase1.txt", 400, x);
        WriteChunked(
            kSavedEntriesFile,
            [&x, newest](int i) {
                QByteArray line = FormatShortDate(newest.addDays(-int(NextRandom(x) % 400))).toLatin1();
                for (int c = 0; c < 6; ++c)
                    line += ',' + QByteArray::number(NextRandom(x) % 49 + 1);
                const char* lottery = i % 1000 == 999 ? "UK Lotto" : i % 2 ? "UK Lotto Extra" : "EuroMillions";
                return line + ",,," + lottery + ",Player " + QByteArray::number(i % 100) + ",dbase1.txt\r\n";
            },
            kLines);
    }
};

// A 6/49 database of a million draws, one a day back from 5 Dec 2026.
struct DatabaseFixture {
    QTemporaryDir dir;
    DatabaseFixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        unsigned x = 7;
        WriteDailyDatabase("dbase1.txt", kLines, x);
    }
};
} // namespace

// Choosing the lottery and answering Yes to "Load saved draws?".
static void BM_WhatIfManyEntries(benchmark::State& state)
{
    static WhatIfFixture fixture;
    SetProgramFolder(fixture.dir.path());
    MakeProgramFolderCurrent();
    SetMsgBoxHook([](const MsgBoxCall&) { return vbYes; });
    double before = 0;
    double peak = 0;
    double processPeak = 0;
    double kept = 0;
    int loaded = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<WhatIf>();
        window->Load();
        QCoreApplication::processEvents();
        ResetPeakMemory();
        before = StatusMB("VmRSS:");
        state.ResumeTiming();
        window->List1->setCurrentRow(0);
        state.PauseTiming();
        peak = std::max(peak, StatusMB("VmHWM:") - before);
        processPeak = std::max(processPeak, StatusMB("VmHWM:"));
        loaded = 0;
        while (loaded + 1 < window->MSFlexGrid1->Rows() && !window->MSFlexGrid1->TextMatrix(loaded + 1, 1).isEmpty())
            ++loaded;
        window.reset();
        kept = std::max(kept, StatusMB("VmRSS:") - before);
        state.ResumeTiming();
    }
    SetMsgBoxHook({});
    state.counters["peak_above_MB"] = peak;
    state.counters["peak_MB"] = processPeak;
    state.counters["kept_MB"] = kept;
    state.counters["loaded"] = loaded;
}
BENCHMARK(BM_WhatIfManyEntries)->Unit(benchmark::kMillisecond)->Iterations(3);

// Deleting the hundredth draw, then inserting a draw of the newest day: the
// database is written back whole each time.
static void BM_ChangeDrawLargeDatabase(benchmark::State& state)
{
    static DatabaseFixture fixture;
    SetProgramFolder(fixture.dir.path());
    MakeProgramFolderCurrent();
    const QString line = FormatDrawLine(QDate(2026, 12, 5), {"1", "2", "3", "4", "5", "6", "", "7"});
    double peak = 0;
    double processPeak = 0;
    int failed = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        const double before = StatusMB("VmRSS:");
        failed += DeleteDraw("dbase1.txt", 100) != RewriteResult::Done;
        failed += InsertDrawByDate("dbase1.txt", line, QDate(2026, 12, 5)) != RewriteResult::Done;
        peak = std::max(peak, StatusMB("VmHWM:") - before);
        processPeak = std::max(processPeak, StatusMB("VmHWM:"));
    }
    state.counters["peak_above_MB"] = peak;
    state.counters["peak_MB"] = processPeak;
    state.counters["failed"] = failed;
}
BENCHMARK(BM_ChangeDrawLargeDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);
