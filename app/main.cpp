// Vantrel: the application object and the main window.
#include "app/Application.h"
#include "core/VersionCheck.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // "vantrel --version" prints the version and starts nothing.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Vantrel %s\n", ProgramVersion().toUtf8().constData());
            return 0;
        }
    }
    QApplication app(argc, argv);
    return RunProgram();
}
