#include "app/Application.h"

#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/VersionCheck.h"
#include "platform/Folder.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
// SIGTERM (a desktop log-out, kill) and SIGINT (Ctrl+C in a terminal) end
// the program as closing its main window does. The handler only writes a byte
// to a pipe; the event loop reads it and closes the window, which saves.
int signalPipe[2] = {-1, -1};

void onEndSignal(int)
{
    const char byte = 1;
    if (::write(signalPipe[1], &byte, 1) < 0) {
        // The pipe is full: a signal is already waiting to be handled.
    }
}

void endOnSignals(QWidget* mainWindow)
{
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        mainWindow->close();
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
} // namespace

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

int RunProgram()
{
    SetUpApplication();
    QApplication::setApplicationVersion(ProgramVersion());
    // Without its own folder the program would write its files into whatever
    // folder it was started from: it says so and ends instead.
    if (!OpenProgramFolder()) {
        MsgBox("Vantrel cannot make or write its data folder " + QDir::toNativeSeparators(ProgramFolder())
                   + ".\r\n\r\nThe program ends without writing anything.",
               vbOKOnly + vbCritical, "Vantrel");
        return 1;
    }
    RegisterAllWindows();
    Vantrel window;
    window.Load();
    endOnSignals(&window);
    window.show();
    return QApplication::exec();
}
