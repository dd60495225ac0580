// Every test runner: GoogleTest inside an offscreen QApplication, so real
// windows can be built and driven, under the strict harness.
#include "support/Harness.h"
#include "support/OffscreenScreen.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir screenFolder;
    // A runner started with VANTREL_TEST_PLATFORM=xcb lays windows out on a
    // real X display, with its window manager's frames.
    if (qEnvironmentVariable("VANTREL_TEST_PLATFORM") != "xcb")
        UseOffscreenScreen(screenFolder);
    // Numeric dates in tests read day first unless a test says otherwise.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    Harness::Install();
    return RUN_ALL_TESTS();
}
