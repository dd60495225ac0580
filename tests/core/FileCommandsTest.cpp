// The data files as the copy commands see them, and the File menu's three
// commands between the program folder and a "removable disk" folder.

#include "core/DataFiles.h"
#include "core/ui/FileCommands.h"
#include "platform/Folder.h"
#include "platform/ui/FolderDialog.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <unistd.h>

namespace {
// Records the label's text each time it is painted with some text, as the
// player sees it.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == label_ && event->type() == QEvent::Paint && !label_->text().isEmpty()
            && (texts.isEmpty() || texts.last() != label_->text()))
            texts << label_->text();
        return false;
    }

private:
    QLabel* label_;
};

class FileCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ASSERT_TRUE(disk_.isValid());
        // The label stands in for one of the main window, long on screen.
        status_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&status_));
    }
    // The folder dialog answers with the disk's folder (or cancels).
    void chooseDisk(bool cancel = false)
    {
        SetFolderDialogHook([this, cancel](const QString& caption, const QString&) {
            captions_ << caption;
            return cancel ? QString() : disk_.path();
        });
    }
    void writeTo(const QString& folder, const QString& name, const QByteArray& bytes)
    {
        QFile f(QDir(folder).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList diskFiles() const { return QDir(disk_.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir disk_;
    QLabel status_;
    QStringList captions_;
};
} // namespace

TEST(DataFiles, PatternsListItemsAndFolders)
{
    QTemporaryDir dir;
    for (const char* name : {"b.txt", "A.TXT", "vantrel.ini", "SMEMBERS.001", "SMembers.100", "PTemplate.100",
                             "PTemplate.012", "Diary.003", "notes.md", "Diary.txt"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(DataFilesIn(dir.path(), DiskCopyPatterns()),
              QStringList({"A.TXT", "b.txt", "Diary.txt", "vantrel.ini", "SMEMBERS.001", "PTemplate.012",
                           "PTemplate.100", "Diary.003"}));
    EXPECT_EQ(
        DataFilesIn(dir.path(), BackupPatterns()),
        QStringList({"A.TXT", "b.txt", "Diary.txt", "vantrel.ini", "PTemplate.012", "Diary.003", "SMEMBERS.001"}));

    const QDateTime when(QDate(2005, 3, 7), QTime(12, 0));
    EXPECT_EQ(BackupListItem("vantrel.ini", when), "vantrel.ini                07-03-05");
    EXPECT_EQ(BackupListItem("a very long database file name.txt", when), "a very long database file n07-03-05");

    // The first removable disk: the first folder by name under the first
    // root that has one.
    QTemporaryDir media;
    QDir(media.path()).mkpath("empty");
    QDir(media.path()).mkpath("user/STICK B");
    QDir(media.path()).mkpath("user/KEY A");
    QFile(media.filePath("user/0 a file")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FirstFolderIn({media.filePath("missing"), media.filePath("empty"), media.filePath("user")}),
              media.filePath("user/KEY A"));
    EXPECT_EQ(FirstFolderIn({media.filePath("missing")}), "");
}

TEST(DataFiles, CopyReplacesThroughANewFileAndKeepsTheDate)
{
    QTemporaryDir from, to;
    QFile source(from.filePath("dbase1.txt"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("new\r\n");
    source.flush();
    const QDateTime when(QDate(2004, 2, 29), QTime(10, 30));
    source.setFileTime(when, QFileDevice::FileModificationTime);
    source.close();
    QFile old(to.filePath("dbase1.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and longer file\r\n");
    old.close();

    const CopyOutcome outcome = CopyDataFiles(from.path(), to.path(), {"dbase1.txt"});
    EXPECT_TRUE(outcome.ok());
    QFile copied(to.filePath("dbase1.txt"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), "new\r\n");
    EXPECT_EQ(QFileInfo(copied).lastModified(), when);

    const CopyOutcome missing = CopyDataFiles(from.path(), to.path(), {"dbase1.txt", "gone.txt", "dbase1.txt"});
    EXPECT_EQ(missing.copied, QStringList({"dbase1.txt"}));
    EXPECT_EQ(missing.failed, QStringList({"gone.txt"}));
    ASSERT_EQ(missing.errors.size(), 1);
    EXPECT_TRUE(missing.errors[0].contains("gone.txt")) << missing.errors[0].toStdString();
}

TEST_F(FileCommandsTest, CopyToDiskCountsEveryFileAndEmptiesTheLabel)
{
    for (const char* name : {"dbase1.txt", "dbase2.txt", "Notes.txt", "ReVadirav.txt"})
        writeFile(name, QString(name) + "\r\n");
    writeFile("vantrel.ini", "settings\r\n");
    writeFile("SMembers.002", "club\r\n");
    writeFile("picture.jpg", "not a data file");
    PaintedTexts painted(&status_);
    chooseDisk();
    answer(vbOK);
    CopyDataFilesToDisk(nullptr, &status_);

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Copy to removable disk");
    EXPECT_EQ(boxAt(0).style, vbOKCancel + vbExclamation);
    EXPECT_EQ(captions_, QStringList({"Copy to removable disk"}));
    EXPECT_EQ(diskFiles(),
              QStringList({"Notes.txt", "ReVadirav.txt", "SMembers.002", "dbase1.txt", "dbase2.txt", "vantrel.ini"}));
    EXPECT_EQ(painted.texts,
              QStringList({"\r\nCopied 1 files", "\r\nCopied 2 files", "\r\nCopied 3 files", "\r\nCopied 4 files",
                           "\r\nCopied 5 files", "\r\nCopied 6 files"}));
    EXPECT_EQ(status_.text(), "");

    // A disk without data files says so.
    QDir(disk_.path()).removeRecursively();
    QDir().mkpath(disk_.path());
    answer(vbOK);
    answer(vbOK);
    EXPECT_TRUE(CopyDataFilesFromDisk(nullptr, &status_).isEmpty());
    EXPECT_EQ(lastBoxText(), "There are no data files in " + QDir::toNativeSeparators(disk_.path()) + ".    ");
}

TEST_F(FileCommandsTest, CancellingTheQuestionOrTheFolderCopiesNothing)
{
    writeFile("dbase1.txt", "x\r\n");
    status_.setText("before");
    answer(vbCancel); // the folder dialog is not even shown
    CopyDataFilesToDisk(nullptr, &status_);
    chooseDisk(true);
    answer(vbOK);
    CopyDataFilesToDisk(nullptr, &status_);
    answer(vbOK);
    EXPECT_TRUE(CopyDataFilesFromDisk(nullptr, &status_).isEmpty());
    EXPECT_EQ(captions_.size(), 2);
    EXPECT_TRUE(diskFiles().isEmpty());
    EXPECT_EQ(status_.text(), "before");
}

TEST_F(FileCommandsTest, AFailedCopyNamesTheFileTheReasonAndWhatWasNotCopied)
{
    // "c.txt" cannot be copied: a folder stands where its copy should go (as
    // with a full or write-protected disk), or it is a named pipe. The copy
    // stops there; the message names the file, why, and every file left.
    const struct {
        const char* how;
        bool pipe;
        QString reason;
    } cases[] = {
        {"a folder in the way", false, QDir::toNativeSeparators(disk_.filePath("c.txt")) + " could not be written: "},
        {"a named pipe", true,
         QDir::toNativeSeparators(path("c.txt")) + " could not be read: It is a named pipe, not a file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        for (const char* name : {"a.txt", "b.txt", "d.txt"})
            writeFile(name, "x\r\n");
        if (c.pipe)
            ASSERT_TRUE(makePipe("c.txt"));
        else {
            writeFile("c.txt", "x\r\n");
            ASSERT_TRUE(QDir(disk_.path()).mkdir("c.txt"));
        }
        chooseDisk();
        answer(vbOK);
        answer(vbOK);
        CopyDataFilesToDisk(nullptr, &status_);
        const QString text = lastBoxText();
        EXPECT_TRUE(text.startsWith("  Removable disk error!  \r\n\r\n" + c.reason)) << text.toStdString();
        EXPECT_TRUE(text.endsWith(".\r\n\r\nThese files were not copied:\r\nc.txt\r\nd.txt")) << text.toStdString();
        EXPECT_EQ(lastBox().title, "Error");
        EXPECT_EQ(lastBox().style, vbOKCancel + vbCritical);
        EXPECT_EQ(status_.text(), "\r\nCopied 2 files");
        EXPECT_EQ(diskFiles(), QStringList({"a.txt", "b.txt"}));
        QDir(disk_.path()).removeRecursively();
        QDir().mkpath(disk_.path());
        QFile::remove(path("c.txt"));
    }
}

TEST_F(FileCommandsTest, AWriteProtectedDiskGivesTheError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes to a write-protected folder";
    writeFile("a.txt", "x\r\n");
    QFile::setPermissions(disk_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    chooseDisk();
    answer(vbOK);
    answer(vbOK);
    CopyDataFilesToDisk(nullptr, &status_);
    QFile::setPermissions(disk_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(lastBoxText().startsWith("  Removable disk error!  ")) << lastBoxText().toStdString();
    EXPECT_TRUE(diskFiles().isEmpty());
}

TEST_F(FileCommandsTest, CopyFromDiskReplacesTheProgramsFiles)
{
    writeFile("dbase1.txt", "old\r\n");
    writeFile("mine.txt", "kept\r\n");
    writeTo(disk_.path(), "dbase1.txt", "from disk\r\n");
    writeTo(disk_.path(), "vantrel.ini", "settings\r\n");
    writeTo(disk_.path(), "Diary.001", "diary\r\n");
    writeTo(disk_.path(), "holiday.jpg", "picture");
    chooseDisk();
    answer(vbOK);
    const QStringList copied = CopyDataFilesFromDisk(nullptr, &status_);
    EXPECT_EQ(boxAt(0).title, "Copy from removable disk");
    EXPECT_EQ(copied, QStringList({"dbase1.txt", "vantrel.ini", "Diary.001"}));
    EXPECT_EQ(readFile("dbase1.txt"), "from disk\r\n");
    EXPECT_EQ(readFile("mine.txt"), "kept\r\n");
    EXPECT_TRUE(exists("Diary.001"));
    EXPECT_FALSE(exists("holiday.jpg"));
    EXPECT_EQ(status_.text(), "");
}

TEST_F(FileCommandsTest, DeleteSavedEntriesAsksFirst)
{
    answer(vbOK);
    AskToDeleteSavedEntries();
    EXPECT_EQ(boxAt(0).text, "No lottery entries saved!    ");
    EXPECT_EQ(boxAt(0).title, "Error!");
    EXPECT_EQ(boxAt(0).style, vbOKOnly + vbExclamation);

    writeFile("ReVadirav.txt", "05-Mar-2005,1,2,3,4,5,6,,,UK Lotto,Ann,dbase1.txt\r\n");
    answer(vbNo);
    AskToDeleteSavedEntries();
    EXPECT_EQ(boxAt(1).text, " Are you sure you want to delete     \r\n all your saved lottery entries?    \r\n");
    EXPECT_EQ(boxAt(1).title, "Warning!");
    EXPECT_EQ(boxAt(1).style, vbYesNo + vbQuestion);
    EXPECT_TRUE(exists("ReVadirav.txt"));
    answer(vbYes);
    AskToDeleteSavedEntries();
    EXPECT_FALSE(exists("ReVadirav.txt"));
}
