// The program's run as main runs it: a data folder it cannot use, one copy at
// a time on a folder, what a cut save left, and an end by a signal (a desktop
// log-out, kill, Ctrl+C in a terminal).

#include "app/Application.h"
#include "app/Vantrel.h"
#include "core/DataFiles.h"
#include "core/ui/Backup.h"
#include "core/ui/Preferences.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/MsgBox.h"
#include "core/Settings.h"
#include "platform/Folder.h"
#include "platform/ReplacingFile.h"
#include "platform/TextFile.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace {
// Set in the copy of this runner that runs the program.
constexpr const char* kRunsProgram = "VANTREL_TEST_RUNS_PROGRAM";
constexpr const char* kReady = "PROGRAM-READY";

Vantrel* MainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<Vantrel*>(w))
            return main;
    return nullptr;
}

// Runs the program as main does, under a guard that ends it at once should it
// come up.
int RunGuarded()
{
    const QString name = QCoreApplication::applicationName();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (Vantrel* main = MainWindow())
            main->close();
        QCoreApplication::exit(2);
    });
    guard.start(0);
    const int code = RunProgram();
    guard.stop();
    QCoreApplication::setApplicationName(name);
    return code;
}
// The program started as a copy of this runner on the data folder under
// dataHome, running the named test in the given part; with waitReady it is up
// once the copy has said so.
struct ProgramCopy {
    QProcess run;
    QByteArray out;
    ProgramCopy(const QString& dataHome, const QString& test, const QString& part, bool waitReady = true)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kRunsProgram, part);
        env.insert("XDG_DATA_HOME", dataHome);
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ProgramRun." + test});
        while (waitReady && !out.contains(kReady) && run.waitForReadyRead(30000))
            out += run.readAll();
    }
    bool ready() const { return out.contains(kReady); }
    // Waits for the end; true when the copy ended by itself with code 0.
    bool endedWell()
    {
        const bool finished = run.waitForFinished(30000);
        out += run.readAll();
        return finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
    }
};

void SayReady()
{
    std::printf("%s\n", kReady);
    std::fflush(stdout);
}
} // namespace

class ProgramRunTest : public ProgramFolderTest {};

TEST_F(ProgramRunTest, WithoutAUsableDataFolderItSaysSoAndWritesNothing)
{
    // The program is started from a folder that holds the player's notes.
    writeFile("Notes.txt", "My own notes");
    writeFile("blocker", "a file");
    // A file where the folder or its parent should be; a folder that cannot
    // be written (unless this process may write anywhere).
    QStringList cases = {path("blocker"), path("blocker/vantrel")};
    ASSERT_TRUE(QDir(path(".")).mkdir("locked"));
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QTemporaryFile(path("locked/probe-XXXXXX")).open())
        cases << path("locked");
    for (const QString& folder : cases) {
        SCOPED_TRACE(folder.toStdString());
        SetProgramFolder(folder);
        answer(vbOK);
        EXPECT_EQ(RunGuarded(), 1);
        EXPECT_EQ(lastBoxText().toStdString(),
                  ("Vantrel cannot make or write its data folder " + QDir::toNativeSeparators(folder)
                   + ".\r\n\r\nThe program ends without writing anything.")
                      .toStdString());
        EXPECT_EQ(QDir(path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(", ").toStdString(),
                  "blocker, locked, Notes.txt");
        EXPECT_EQ(readFile("Notes.txt").toStdString(), "My own notes");
        EXPECT_EQ(readFile("blocker").toStdString(), "a file");
    }
}

TEST(ProgramRun, EndedBySignalItSavesAsACloseDoes)
{
    if (qEnvironmentVariableIsSet(kRunsProgram)) {
        // The copy that runs the program: the data folder is the one under
        // XDG_DATA_HOME. Once the window is up, the session changes.
        SetProgramFolder(QString());
        QTimer::singleShot(0, [] {
            Vantrel* main = MainWindow();
            ASSERT_NE(main, nullptr);
            main->findChild<QPlainTextEdit*>("Text1")->setPlainText("Typed before the signal");
            main->FileNotes_Click();
            Settings.set(PlayerName, "Ann");
            std::printf("%s\n", kReady);
            std::fflush(stdout);
        });
        EXPECT_EQ(RunProgram(), 0);
        return;
    }
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        QTemporaryDir data;
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kRunsProgram, "1");
        env.insert("XDG_DATA_HOME", data.path());
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ProgramRun.EndedBySignal*"});
        QByteArray out;
        while (!out.contains(kReady) && run.waitForReadyRead(30000))
            out += run.readAll();
        ASSERT_TRUE(out.contains(kReady)) << out.toStdString();
        ::kill(pid_t(run.processId()), signal);
        ASSERT_TRUE(run.waitForFinished(30000));
        out += run.readAll();
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << out.toStdString();
        EXPECT_EQ(run.exitCode(), 0) << out.toStdString();

        const QDir folder(QDir(data.path()).filePath("vantrel"));
        const auto notes = ReadTextFile(folder.filePath("Notes.txt"));
        ASSERT_TRUE(notes);
        EXPECT_TRUE(notes->endsWith("Typed before the signal")) << notes->toStdString();
        const auto settings = ReadLines(folder.filePath(kSettingsFile));
        ASSERT_TRUE(settings && settings->size() == kSettingsCount);
        EXPECT_EQ(settings->at(int(PlayerName) - 1), "Ann");
        EXPECT_EQ(settings->at(int(PanelsShown) - 1), "1");
    }
}

TEST(ProgramRun, OneCopyAtATimeOnADataFolder)
{
    const QString part = qEnvironmentVariable(kRunsProgram);
    if (part == "second") {
        SetProgramFolder(QString());
        Harness::ExpectBox(vbOK);
        EXPECT_EQ(RunGuarded(), 1); // let in, it would end at once
        std::printf("%s\n", qPrintable(Harness::LastBoxText()));
        return;
    }
    if (!part.isEmpty()) {
        SetProgramFolder(QString());
        QTimer::singleShot(0, SayReady);
        EXPECT_EQ(RunProgram(), 0);
        return;
    }
    QTemporaryDir data;
    const QString folder = QDir(data.path()).filePath("vantrel");
    ProgramCopy first(data.path(), "OneCopy*", "first");
    ASSERT_TRUE(first.ready()) << first.out.toStdString();
    // Whatever a tidy-up does to the files of the folder while the first copy
    // runs, a second start finds the folder held.
    const QString lockFile = QDir(folder).filePath(".vantrel.lock");
    const auto lockFileWith = [&lockFile](QFileDevice::Permissions permissions) {
        QFile file(lockFile);
        file.open(QIODevice::Append);
        file.close();
        QFile::setPermissions(lockFile, permissions);
    };
    const std::vector<std::pair<const char*, std::function<void()>>> tidyUps = {
        {"nothing", [] {}},
        {"lock file deleted", [&lockFile] { QFile::remove(lockFile); }},
        {"lock file read-only",
         [&] { lockFileWith(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther); }},
        {"lock file without permissions", [&] { lockFileWith({}); }},
        {"lock file replaced by a folder",
         [&lockFile] {
             QFile::remove(lockFile);
             QDir().mkdir(lockFile);
         }},
    };
    for (const auto& [what, tidyUp] : tidyUps) {
        SCOPED_TRACE(what);
        tidyUp();
        ProgramCopy second(data.path(), "OneCopy*", "second", false);
        EXPECT_TRUE(second.endedWell()) << second.out.toStdString();
        EXPECT_TRUE(second.out.contains(
            ("Vantrel is already running with the data folder " + QDir::toNativeSeparators(folder)).toUtf8()))
            << second.out.toStdString();
    }
    // A copy killed outright leaves the folder free for the next start.
    ::kill(pid_t(first.run.processId()), SIGKILL);
    first.run.waitForFinished(30000);
    ProgramCopy next(data.path(), "OneCopy*", "first");
    ASSERT_TRUE(next.ready()) << next.out.toStdString();
    ::kill(pid_t(next.run.processId()), SIGTERM);
    EXPECT_TRUE(next.endedWell()) << next.out.toStdString();
}

// The data folder is renamed while the program runs, and another copy makes a
// new folder at its path: whatever makes the folder current again, or copies
// into it, this copy says so once and keeps to the folder it started with.
TEST_F(ProgramRunTest, AFolderReplacedWhileRunningIsNotWrittenInto)
{
    QTemporaryDir disk;
    ASSERT_TRUE(WriteTextFile(disk.filePath("dbase7.txt"), "From the disk\r\n"));
    SetFolderDialogHook([&disk](const QString&, const QString&) { return disk.path(); });
    const auto backup = [](std::function<void(Backup&)> drive) {
        SetModalHook([drive](QDialog* dialog) {
            if (auto* b = qobject_cast<Backup*>(dialog))
                drive(*b);
            else
                Harness::UnexpectedWindow(dialog);
            return int(QDialog::Rejected);
        });
        MainWindow()->RunMenuItem(MenuItem::FileBackup);
    };
    const struct {
        const char* what;
        int boxes; // the program's own, before the one that says the folder moved
        std::function<void()> run;
    } cases[] = {
        {"Backup and Restore closed", 0, [&backup] { backup([](Backup&) {}); }},
        {"Restore all", 0, [&backup] { backup([](Backup& b) { b.Command5_Click(); }); }},
        {"a copy from a removable disk", 1, [] { MainWindow()->RunMenuItem(MenuItem::FileCopyFromA); }},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString name = QString("data%1").arg(++n);
        const QString folder = path(name);
        SetProgramFolder(folder);
        ASSERT_TRUE(QDir().mkpath(folder + "/" + kBackupFolder));
        writeFile(name + "/" + kBackupFolder + "/dbase8.txt", "Backed up\r\n");
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(QDir().rename(folder, folder + ".old"));
            ASSERT_TRUE(QDir().mkdir(folder));
            writeFile(name + "/other copy's", "");
            for (int i = 0; i <= c.boxes; ++i)
                answer(vbOK);
            c.run();
            MainWindow()->close();
            QCoreApplication::exit(0);
        });
        EXPECT_EQ(RunProgram(), 0);
        EXPECT_EQ(
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(", ").toStdString(),
            "other copy's");
        EXPECT_TRUE(exists(name + ".old/" + kSettingsFile));
        EXPECT_TRUE(exists(name + ".old/Notes.txt"));
        EXPECT_EQ(lastBoxText().toStdString(),
                  ("The data folder " + folder + " was moved or replaced while Vantrel was running.\r\n\r\n"
                   + "Vantrel goes on with the folder it started with, now " + folder + ".old. It writes nothing into "
                   + folder + ".")
                      .toStdString());
    }
}

// A save cut short by the end of the program leaves its scratch file beside
// the data. The next start removes it, once that copy alone holds the folder,
// and nothing else: no file of the player's that only looks like one.
TEST_F(ProgramRunTest, TheNextStartRemovesWhatACutSaveLeftAndNothingElse)
{
    writeFile("ReVadirav.txt", "saved\r\n");
    const auto hidden = [this] {
        return QDir(path(".")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    const QStringList before = hidden();
    // The program ends half-way through a save.
    RunUnderFileSizeLimit(1 << 20, [this] {
        ReplacingFile save(path("ReVadirav.txt"));
        if (save.open() && save.write(QByteArray("half a sa")))
            ::_exit(0);
        return QString();
    });
    QStringList leftover = hidden();
    for (const QString& name : before)
        leftover.removeOne(name);
    ASSERT_EQ(leftover.size(), 1) << leftover.join(", ").toStdString();
    ASSERT_TRUE(leftover[0].startsWith(".ReVadirav.txt.")) << leftover[0].toStdString();

    const QString tail = leftover[0].mid(leftover[0].size() - 6);
    const QString tag = leftover[0].mid(14, leftover[0].size() - 20); // between the name and the six
    const QStringList lookAlikes = {
        ".ReVadirav.txt" + tag + tail.left(5),
        ".ReVadirav.txt" + tag + tail + "x",
        ".ReVadirav.txt" + tag + tail.left(5) + "-",
        "ReVadirav.txt" + tag + tail,
        tag + tail,
        ".Notes.txt.bak",
    };
    for (const QString& name : lookAlikes)
        writeFile(name, "the player's");
    ASSERT_TRUE(QDir(path(".")).mkdir(".folder" + tag + tail));
    ASSERT_TRUE(QFile::link("ReVadirav.txt", path(".link" + tag + tail)));
    ASSERT_TRUE(QDir(path(".")).mkdir("Backup"));
    writeFile("Backup/.dbase1.txt" + tag + tail, "not the program folder");
    const QStringList kept = hidden();

    // While another copy holds the folder, nothing goes.
    {
        const int held = ::open(QFile::encodeName(path(".")).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(held, 0);
        ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
        answer(vbOK);
        EXPECT_EQ(RunGuarded(), 1);
        ::close(held);
        EXPECT_EQ(hidden().join(", ").toStdString(), kept.join(", ").toStdString());
    }
    EXPECT_EQ(RunGuarded(), 2);
    const QStringList after = hidden();
    EXPECT_FALSE(after.contains(leftover[0]));
    for (const QString& name : kept) {
        if (name != leftover[0]) {
            EXPECT_TRUE(after.contains(name)) << name.toStdString();
        }
    }
    EXPECT_TRUE(exists("Backup/.dbase1.txt" + tag + tail));
    EXPECT_EQ(readFile("ReVadirav.txt").toStdString(), "saved\r\n");
}

TEST(ProgramRun, ASignalClosesOpenWindowsAsTheirCloseDoes)
{
    const QString part = qEnvironmentVariable(kRunsProgram);
    if (part == "preferences") {
        // Preferences open with a colour picked and not saved.
        SetProgramFolder(QString());
        SetModalHook([](QDialog* dialog) { return dialog->exec(); });
        SetColourDialogHook([](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); });
        QTimer::singleShot(0, [] {
            QTimer::singleShot(0, [] {
                auto* preferences = qobject_cast<Preferences*>(QApplication::activeModalWidget());
                ASSERT_NE(preferences, nullptr);
                preferences->Label5_Click();
                ASSERT_EQ(Settings[TitleColour].toStdString(), "&HFF");
                SayReady();
            });
            MainWindow()->RunMenuItem(MenuItem::FilePreferences);
        });
        EXPECT_EQ(RunProgram(), 0);
        return;
    }
    if (part == "question") {
        // A window whose Close asks first, and stays open on No.
        SetProgramFolder(QString());
        SetMsgBoxHook({});
        QTimer::singleShot(0, [] {
            QDialog window(MainWindow());
            struct AskFirst : QObject {
                bool eventFilter(QObject*, QEvent* event) override
                {
                    if (event->type() != QEvent::Close)
                        return false;
                    if (MsgBox("Close? (Any changes not saved will be lost.)  ", vbYesNo + vbQuestion, "") != vbYes)
                        event->ignore();
                    return true;
                }
            } ask;
            window.installEventFilter(&ask);
            QTimer::singleShot(0, SayReady);
            window.exec();
        });
        EXPECT_EQ(RunProgram(), 0);
        return;
    }
    for (const char* part : {"preferences", "question"}) {
        SCOPED_TRACE(part);
        QTemporaryDir data;
        ProgramCopy copy(data.path(), "ASignalCloses*", part);
        ASSERT_TRUE(copy.ready()) << copy.out.toStdString();
        ::kill(pid_t(copy.run.processId()), SIGTERM);
        EXPECT_TRUE(copy.endedWell()) << copy.out.toStdString();
        const QDir folder(QDir(data.path()).filePath("vantrel"));
        const auto settings = ReadLines(folder.filePath(kSettingsFile));
        ASSERT_TRUE(settings && settings->size() == kSettingsCount);
        EXPECT_EQ(settings->at(int(TitleColour) - 1), "&H000000");
        EXPECT_TRUE(QFileInfo::exists(folder.filePath("Notes.txt")));
    }
}
