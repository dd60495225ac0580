#include "support/TestSupport.h"

#include "core/Settings.h"
#include "platform/Folder.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void ProgramFolderTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    SetProgramFolder(dir_.path());
    ASSERT_TRUE(MakeProgramFolderCurrent());
    // Whatever a test prints goes to a PDF file in its folder, never to paper.
    Printer().SelectPrinter(Printer().PrinterCount() - 1);
    SetPdfFileHook([this] { return path("printout.pdf"); });
}

QString ProgramFolderTest::path(const QString& name) const { return dir_.filePath(name); }

void ProgramFolderTest::writeFile(const QString& name, const QString& content) const
{
    writeBytes(name, content.toUtf8());
}

void ProgramFolderTest::writeBytes(const QString& name, const QByteArray& bytes) const
{
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void ProgramFolderTest::writeChosenSyndicate() const
{
    writeLines("SMembers.000",
               QStringList{R"("Ann","","","","","","","","","","Club")"}
                   + QStringList(100, R"("","","","","","","","","","","")"));
    Settings.set(SyndicateFile, "SMembers.000");
    SaveSettings();
}

void ProgramFolderTest::writeLines(const QString& name, const QStringList& lines) const
{
    QString text;
    for (const QString& l : lines)
        text += l + "\r\n";
    writeFile(name, text);
}

void ProgramFolderTest::writeMarked(const QString& name, const QString& content,
                                    QStringConverter::Encoding encoding) const
{
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom)(content));
}

QByteArray ProgramFolderTest::readBytes(const QString& name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString ProgramFolderTest::readFile(const QString& name) const { return QString::fromUtf8(readBytes(name)); }

bool ProgramFolderTest::exists(const QString& name) const { return QFile::exists(path(name)); }

bool ProgramFolderTest::makePipe(const QString& name)
{
    pipes_.push_back(std::make_unique<NamedPipe>(path(name)));
    EXPECT_TRUE(pipes_.back()->made()) << name.toStdString();
    return pipes_.back()->made();
}

bool ProgramFolderTest::isPipe(const QString& name) const
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path(name)).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

QStringList DatabaseLines(const QString& name, const QString& definition, const QStringList& draws)
{
    QStringList lines{name, "http://example.org", definition};
    lines += draws;
    return lines;
}

NamedPipe::NamedPipe(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    made_ = ::mkfifo(name.constData(), 0600) == 0;
    if (!made_)
        return;
    writer_ = std::thread([this, name] {
        const auto freeAt = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done_) {
            if (std::chrono::steady_clock::now() > freeAt) {
                const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
}

NamedPipe::~NamedPipe()
{
    done_ = true;
    if (writer_.joinable())
        writer_.join();
}

qint64 BytesReadByProcess()
{
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

void OpenAndLook(QDialog* dialog, const std::function<void()>& look)
{
    SetModalHook([&look](QDialog* shown) {
        shown->show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the fit that follows the show
        look();
        shown->hide();
        return int(QDialog::Rejected);
    });
    ShowModal(dialog);
    SetModalHook(Harness::UnexpectedWindow);
}

int ShownLines(FlexGrid* grid)
{
    int r = 1;
    while (r < grid->Rows() && !grid->TextMatrix(r, 1).isEmpty())
        ++r;
    return r - 1;
}

QStringList GridCells(FlexGrid* grid, int row, int first, int last)
{
    QStringList cells;
    for (int c = first; c <= last; ++c)
        cells << grid->TextMatrix(row, c);
    return cells;
}
