#include "app/Application.h"

#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/VersionCheck.h"
#include "platform/Folder.h"
#include "platform/ReplacingFile.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSet>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
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

// Ends the run after a signal. The windows open over the main window close
// first, the topmost first, as their Close does (a question one asks is
// answered as Escape answers it; a window still open after its Close is
// closed without it), and their openers finish (Preferences then drops what
// it changed and did not save). Only then does the main window close and
// save. Should a window never let go (a download waiting for its server),
// the main window closes after a few seconds all the same.
void endRun(QWidget* mainWindow, int round, std::shared_ptr<QSet<QWidget*>> closed)
{
    constexpr int kRounds = 500;
    constexpr int kRoundMs = 10;
    QWidget* modal = QApplication::activeModalWidget();
    if (round < kRounds && (modal || QThread::currentThread()->loopLevel() > 1)) {
        // Asked again before closing: a window's Close may show a question,
        // whose own event loop runs the next round.
        QTimer::singleShot(kRoundMs, mainWindow, [=] { endRun(mainWindow, round + 1, closed); });
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* escape = box->escapeButton())
                escape->click();
            else
                box->done(0);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            if (closed->contains(dialog)) {
                dialog->done(QDialog::Rejected);
            } else {
                closed->insert(dialog);
                dialog->close();
            }
        } else if (modal) {
            modal->close();
        }
        return;
    }
    mainWindow->close();
    QCoreApplication::exit(0);
}

void endOnSignals(QWidget* mainWindow)
{
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow, notifier] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        // A second signal while the windows close changes nothing.
        notifier->setEnabled(false);
        endRun(mainWindow, 0, std::make_shared<QSet<QWidget*>>());
    });
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Said once, when the data folder's path is found to name another folder than
// the one this copy started with and locked.
void SayFolderMoved(const QString& path, const QString& now)
{
    MsgBox("The data folder " + QDir::toNativeSeparators(path)
               + " was moved or replaced while Vantrel was running.\r\n\r\n"
               + (now.isEmpty()
                      ? "The folder Vantrel started with has been deleted, so nothing more can be saved. "
                      : "Vantrel goes on with the folder it started with, now " + QDir::toNativeSeparators(now) + ". ")
               + "It writes nothing into " + QDir::toNativeSeparators(path) + ".",
           vbOKOnly + vbExclamation, "Vantrel");
}

// One copy of the program works on a data folder at a time. The copy that
// starts first holds a lock on the folder itself, opened as a folder: no file
// in it that a player's tidy-up could delete, lock up or replace carries the
// lock. The kernel drops it when the process ends, however it ends, so a
// crash never blocks the next start.
class FolderLock {
public:
    enum class State {
        Held,          // this copy holds the folder
        HeldElsewhere, // another copy holds it
        NoLocks,       // the file system keeps no locks: nobody can hold it
        Unopened,      // the folder itself cannot be opened
    };
    explicit FolderLock(const QString& folder)
    {
        fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            state_ = State::Unopened;
            return;
        }
        int locked = 0;
        do
            locked = ::flock(fd_, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked == 0)
            state_ = State::Held;
        else if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL)
            state_ = State::NoLocks;
        else
            state_ = State::HeldElsewhere; // EWOULDBLOCK, or a lock refused for any other reason
    }
    ~FolderLock()
    {
        if (fd_ >= 0) {
            HoldProgramFolder(-1);
            ::close(fd_);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    State state() const { return state_; }
    // Keeps the program to the folder opened, wherever it goes (Folder.h).
    void hold() const { HoldProgramFolder(fd_, SayFolderMoved); }

private:
    int fd_ = -1;
    State state_ = State::Unopened;
};

void SayFolderUnusable()
{
    MsgBox("Vantrel cannot make or write its data folder " + QDir::toNativeSeparators(ProgramFolder())
               + ".\r\n\r\nThe program ends without writing anything.",
           vbOKOnly + vbCritical, "Vantrel");
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
        SayFolderUnusable();
        return 1;
    }
    const FolderLock lock(ProgramFolder());
    switch (lock.state()) {
    case FolderLock::State::Unopened: SayFolderUnusable(); return 1;
    case FolderLock::State::HeldElsewhere:
        MsgBox("Vantrel is already running with the data folder " + QDir::toNativeSeparators(ProgramFolder())
                   + ".\r\n\r\nThis copy ends without writing anything; please use the one that is open.",
               vbOKOnly + vbExclamation, "Vantrel");
        return 1;
    case FolderLock::State::Held:
        // Alone on the folder: what an earlier run left of a write it could
        // not finish goes. Without locks another copy may be writing.
        RemoveLeftoverScratchFiles(ProgramFolder());
        break;
    case FolderLock::State::NoLocks: break;
    }
    // Should the folder be renamed or replaced while the program runs (and
    // another copy start on a new folder at its path), this copy keeps to
    // the folder it started with.
    lock.hold();
    RegisterAllWindows();
    Vantrel window;
    window.Load();
    endOnSignals(&window);
    window.show();
    return QApplication::exec();
}
