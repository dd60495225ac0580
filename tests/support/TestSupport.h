#pragma once
// Shared test helpers: a temporary program folder, and the message boxes of
// the strict harness (support/Harness.h) reached from the fixture.

#include "support/Harness.h"

#include <QString>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <gtest/gtest.h>
#include <vector>

// A named pipe made in place of a file. A reader left waiting on it for a
// writer is freed after two seconds, so a test ends either way; a sound
// reader refuses it at once (check the time taken).
class NamedPipe {
public:
    explicit NamedPipe(const QString& path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;
    bool made() const { return made_; }

private:
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread writer_;
};

// Points the program folder at a new temporary folder and makes it current;
// printing goes to "printout.pdf" in the folder. The harness puts the current
// folder back when the test ends.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;

    QString path(const QString& name) const;
    void writeFile(const QString& name, const QString& content) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    void writeLines(const QString& name, const QStringList& lines) const; // CR LF
    // "SMembers.000" of one member ("Ann", syndicate "Club") and room for a
    // hundred, chosen in the settings and saved there: the syndicate items are
    // enabled.
    void writeChosenSyndicate() const;
    // The text in an encoding, after its byte-order mark (as Windows editors
    // save UTF-16).
    void writeMarked(const QString& name, const QString& content, QStringConverter::Encoding encoding) const;
    QString readFile(const QString& name) const; // raw bytes as Latin-1/UTF-8 text
    QByteArray readBytes(const QString& name) const;
    bool exists(const QString& name) const;
    // A named pipe (NamedPipe above) in place of a file, kept until the test
    // ends; false when it could not be made.
    bool makePipe(const QString& name);
    bool isPipe(const QString& name) const;

    // The next message box is expected and answered so; answers go in order.
    void answer(int button) { Harness::ExpectBox(button); }
    const std::vector<MsgBoxCall>& boxes() const { return Harness::Boxes(); }
    QString lastBoxText() const { return Harness::LastBoxText(); }
    // The box at that place, or the last: a box that never came fails the test
    // rather than ending the runner.
    const MsgBoxCall& boxAt(int index) const { return Harness::BoxAt(index); }
    const MsgBoxCall& lastBox() const { return Harness::BoxAt(-1); }

    QTemporaryDir dir_;

private:
    std::vector<std::unique_ptr<NamedPipe>> pipes_;
};

// How many bytes this process has read from files so far (Linux's count of
// bytes passed by read calls), to check that a reader reads only what it uses.
qint64 BytesReadByProcess();

// Writes a small database file in the program's layout.
QStringList DatabaseLines(const QString& name, const QString& definition, const QStringList& draws);

// A window built and loaded, as its opener builds and loads it:
// LoadedWindow<HistoryW> w;
template <class Window>
class LoadedWindow : public Window {
public:
    template <class... Args>
    explicit LoadedWindow(Args&&... args) : Window(std::forward<Args>(args)...)
    {
        this->Load();
    }
};

class QDialog;
// Opens the window as the program opens it (ShowModal, shown on the runner's
// 1280 x 800 screen), lets its layout settle, runs look on it and closes it.
void OpenAndLook(QDialog* dialog, const std::function<void()>& look);

class FlexGrid;
// The lines a results grid shows: rows from 1 while column 1 is filled.
int ShownLines(FlexGrid* grid);
// The texts of columns first to last of a grid row.
QStringList GridCells(FlexGrid* grid, int row, int first = 1, int last = 8);
