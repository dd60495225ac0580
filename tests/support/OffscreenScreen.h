#pragma once
// One offscreen screen of 1280 x 800, the size the program is made for (the
// platform's own is 800 x 800): the test runners and the benchmarks lay out
// and paint windows on it. Call before the QApplication is made; the folder
// must outlive it.

#include <QFile>
#include <QTemporaryDir>

inline void UseOffscreenScreen(const QTemporaryDir& folder)
{
    const QString screenFile = folder.filePath("screen.json");
    QFile config(screenFile);
    if (config.open(QIODevice::WriteOnly)) {
        config.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenFile.toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}
