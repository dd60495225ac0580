// Every test runner: GoogleTest inside an offscreen QApplication, so real
// windows can be built and driven, under the strict harness.
#include "support/Harness.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Windows are laid out on one offscreen screen of 1280 x 800, the size the
    // program is made for (the platform's own is 800 x 800).
    QTemporaryDir screenFolder;
    const QString screenFile = screenFolder.filePath("screen.json");
    QFile config(screenFile);
    if (config.open(QIODevice::WriteOnly)) {
        config.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenFile.toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Numeric dates in tests read day first unless a test says otherwise.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    Harness::Install();
    return RUN_ALL_TESTS();
}
