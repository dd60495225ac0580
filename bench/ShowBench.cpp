// Showing generated lines in a results grid, labelling a chart, and opening
// the draws history, each beside the way it was done before.
#include "core/OpenLottery.h"
#include "databases/ui/HistoryW.h"
#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"
#include "platform/ui/Chart.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FlexGrid.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 179 lines of six numbers and an extra ball.
void FillEntries()
{
    for (int r = 1; r <= kMaxEntryLines; ++r) {
        for (int c = 1; c <= 6; ++c)
            Entries[r][c] = std::int16_t((r * 7 + c * 5) % 49 + 1);
        Entries[r][kExtraBallColumn] = std::int16_t(r % 10 + 1);
    }
    EndEntries(kMaxEntryLines);
}

// The way lines were shown before: cell by cell, the current cell moved to
// each row's extra ball to colour it.
void ShowEntriesCellByCell(FlexGrid* grid)
{
    const int count = EntryCount();
    if (grid->Rows() < count + 2)
        grid->setRows(count + 2);
    for (int r = 1; r <= count; ++r) {
        grid->setTextMatrix(r, 0, QString::number(r));
        for (int c = 1; c <= kExtraBallColumn; ++c)
            grid->setTextMatrix(r, c, Entries[r][c] < 1 ? QString() : QString::number(Entries[r][c]));
        grid->setRow(r);
        grid->setCol(8);
        grid->setCellForeColor(kExtraBallColour);
    }
    for (int r = count + 1; r < grid->Rows() && !grid->TextMatrix(r, 0).isEmpty(); ++r)
        for (int c = 8; c >= 0; --c)
            grid->setTextMatrix(r, c, QString());
    grid->setRow(count + 1);
    grid->setCol(0);
    grid->setTopRow(1);
}

// A generator window's results grid, shown: 181 rows of 9 columns. Each
// pass shows the lines on an empty grid, as a first generation does.
template <void (*Show)(FlexGrid*)>
void ShowLines(benchmark::State& state)
{
    FillEntries();
    FlexGrid grid;
    grid.setCols(9);
    grid.setRows(181);
    grid.resize(520, 500);
    grid.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        BlankEntriesGrid(&grid);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        Show(&grid);
        QCoreApplication::processEvents(); // the repaint
    }
}
} // namespace

static void BM_ShowEntries(benchmark::State& state) { ShowLines<ShowEntries>(state); }
BENCHMARK(BM_ShowEntries)->Unit(benchmark::kMillisecond);

static void BM_ShowEntries_CellByCell(benchmark::State& state) { ShowLines<ShowEntriesCellByCell>(state); }
BENCHMARK(BM_ShowEntries_CellByCell)->Unit(benchmark::kMillisecond);

// Labelling the 49 rows of a shown chart, as the most common numbers window
// does for each of its two charts, up to the axis laid out with them (the
// repaint after is left out: it is the same either way). The old way laid
// every label out again after each one, which reading the chart after each
// label still does.
static void ChartLabels(benchmark::State& state, bool eachLaidOut)
{
    Chart chart;
    chart.resize(900, 300);
    chart.setRowCount(49);
    chart.show();
    QCoreApplication::processEvents();
    int pass = 0;
    for (auto _ : state) {
        for (int n = 1; n <= 49; ++n) {
            chart.setRow(n);
            chart.setRowLabel(QString::number(n + pass % 2));
            chart.setData(double(n + pass % 2));
            if (eachLaidOut)
                benchmark::DoNotOptimize(chart.chart());
        }
        benchmark::DoNotOptimize(chart.chart());
        state.PauseTiming();
        QCoreApplication::processEvents(); // the repaint
        state.ResumeTiming();
        ++pass;
    }
}

static void BM_ChartLabels(benchmark::State& state) { ChartLabels(state, false); }
BENCHMARK(BM_ChartLabels)->Unit(benchmark::kMillisecond);

static void BM_ChartLabels_EachLaidOut(benchmark::State& state) { ChartLabels(state, true); }
BENCHMARK(BM_ChartLabels_EachLaidOut)->Unit(benchmark::kMillisecond);

namespace {
// One 2994-draw 6/49 database with a bonus ball in a temporary program folder.
struct HistoryFixture {
    QTemporaryDir dir;
    HistoryFixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        QStringList lines{"UK Lotto", "http://www.national-lottery.co.uk", "6,49,0,0,1"};
        unsigned x = 777;
        for (int d = 0; d < kMaxDrawsLoaded; ++d) {
            QStringList fields{"05 Mar 05"};
            for (int c = 0; c < 7; ++c) {
                x = x * 1103515245u + 12345u;
                fields << QString::number((x >> 16) % 49 + 1);
            }
            fields.insert(7, "");
            lines << fields.join(',');
        }
        WriteLines("dbase1.txt", lines);
    }
};
} // namespace

// The draws history window made, loaded with 2994 draws, shown and painted
// once, then closed.
static void BM_HistoryOpen(benchmark::State& state)
{
    static HistoryFixture fixture;
    SetProgramFolder(fixture.dir.path());
    MakeProgramFolderCurrent();
    for (auto _ : state) {
        HistoryW window;
        window.Load();
        window.show();
        QCoreApplication::processEvents();
        window.close();
    }
}
BENCHMARK(BM_HistoryOpen)->Unit(benchmark::kMillisecond);
