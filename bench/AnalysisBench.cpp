// The analysis windows' statistics on a full database, and opening a window.
#include "analysis/DrawStatistics.h"
#include "analysis/NumberStats.h"
#include "analysis/ui/ACommonNumbers.h"
#include "analysis/ui/ANumberStats.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// A 2994-draw 6/49 database with a bonus ball (six different numbers a draw),
// alone in a temporary program folder.
struct AnalysisFixture {
    QTemporaryDir dir;
    AnalysisFixture()
    {
        SetProgramFolder(dir.path());
        MakeProgramFolderCurrent();
        QStringList lines{"UK Lotto", "http://www.national-lottery.co.uk", "6,49,0,0,1"};
        unsigned x = 4321;
        auto next = [&x] {
            x = x * 1103515245u + 12345u;
            return int((x >> 16) % 49 + 1);
        };
        for (int i = 0; i < kMaxDrawsLoaded; ++i) {
            QStringList fields{"05 Mar 05"};
            QList<int> numbers;
            while (numbers.size() < 6) {
                const int v = next();
                if (!numbers.contains(v))
                    numbers << v;
            }
            for (int v : numbers)
                fields << QString::number(v);
            fields << "" << QString::number(next());
            lines << fields.join(',');
        }
        WriteLines("dbase1.txt", lines);
        FindDatabases();
    }
};

AnalysisFixture& analysisFixture()
{
    static AnalysisFixture f;
    MakeProgramFolderCurrent();
    return f;
}
} // namespace

// Every statistic the six windows compute for one lottery: hot and cold
// counts with their top tens, sums and low:high splits with the four newest
// draws, every position of the sorted draw, ranges, odd:even, and the number
// statistics with their three sorts.
static void BM_AnalyseAll(benchmark::State& state)
{
    analysisFixture();
    LoadDatabase(0);
    const AnalysisInput drawOrder = OpenLotteryInput();
    std::int16_t unsorted[kDrawRows + 1][kDrawColumns];
    std::copy(&Draws[0][0], &Draws[0][0] + sizeof Draws / sizeof Draws[0][0], &unsorted[0][0]);
    SortDraws(6);
    std::int16_t sorted[kDrawRows + 1][kDrawColumns];
    std::copy(&Draws[0][0], &Draws[0][0] + sizeof Draws / sizeof Draws[0][0], &sorted[0][0]);
    const int maxBall = drawOrder.maxBall;
    for (auto _ : state) {
        std::copy(&unsorted[0][0], &unsorted[0][0] + sizeof Draws / sizeof Draws[0][0], &Draws[0][0]);
        const AnalysisInput in = OpenLotteryInput();
        benchmark::DoNotOptimize(AnalyseCommonNumbers(in, false));
        benchmark::DoNotOptimize(AnalyseCommonNumbers(in, true));
        benchmark::DoNotOptimize(AnalyseSums(in));
        benchmark::DoNotOptimize(LatestDraws(in, [maxBall](int v) { return IsLowInLatestDraws(v, maxBall); }));
        benchmark::DoNotOptimize(AnalyseOddEven(in));
        benchmark::DoNotOptimize(LatestDraws(in, IsOdd));
        auto stats = NumberStatistics(in);
        for (StatsSort sort : {StatsSort::Overdue, StatsSort::MostCommon, StatsSort::Expected}) {
            SortNumberStats(stats, sort);
            benchmark::DoNotOptimize(SortMessage(stats, sort));
        }
        std::copy(&sorted[0][0], &sorted[0][0] + sizeof Draws / sizeof Draws[0][0], &Draws[0][0]);
        for (int p = 1; p <= 6; ++p)
            benchmark::DoNotOptimize(AnalysePosition(in, p));
        benchmark::DoNotOptimize(AnalyseRanges(in));
    }
}
BENCHMARK(BM_AnalyseAll)->Unit(benchmark::kMicrosecond);

// Opening a window offscreen: made, loaded (the lottery listed, loaded from
// its file and analysed) and drawn once into an image.
template <class Window>
static void BM_OpenAnalysisWindow(benchmark::State& state)
{
    analysisFixture();
    for (auto _ : state) {
        Window window;
        window.resize(1040, 740);
        window.Load();
        const QImage image = window.grab().toImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_TEMPLATE(BM_OpenAnalysisWindow, ANumberStats)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenAnalysisWindow, ACommonNumbers)->Unit(benchmark::kMillisecond);
