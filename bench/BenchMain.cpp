// The benchmarks' entry point; each bench/*.cpp adds its own benchmarks.
#include "tests/support/OffscreenScreen.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // Windows open on the screen the program is made for, as in the tests.
    QTemporaryDir screenFolder;
    UseOffscreenScreen(screenFolder);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
