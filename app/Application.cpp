#include "app/Application.h"

#include "platform/ui/Printer.h"

#include <QApplication>

void SetUpApplication()
{
    // The name of the data folder and of the windows' class on X11.
    QApplication::setApplicationName("vantrel");
    // The desktop entry "vantrel.desktop": the desktop finds the program's
    // name and icon for its task list there. No display name is set: the
    // desktop would show it after every window's title ("Warning! — Vantrel").
    QGuiApplication::setDesktopFileName("vantrel");
    InstallFontSubstitutes();
}
