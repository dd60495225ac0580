// Filling a generator window's results grid, as every generation does.
#include "platform/ui/FlexGrid.h"

#include <benchmark/benchmark.h>

static void BM_FillResultsGrid(benchmark::State& state)
{
    FlexGrid grid;
    grid.setCols(15);
    grid.resize(600, 400);
    grid.show();
    int pass = 0;
    for (auto _ : state) {
        grid.setRows(1);
        grid.setRows(181);
        for (int r = 1; r < grid.Rows(); ++r) {
            grid.setRow(r);
            grid.setCol(0);
            grid.setText(QString::number(r));
            for (int c = 1; c < grid.Cols(); ++c)
                grid.setTextMatrix(r, c, QString::number((r * c + pass) % 49 + 1));
        }
        grid.setTopRow(1);
        ++pass;
    }
}
BENCHMARK(BM_FillResultsGrid)->Unit(benchmark::kMillisecond);
