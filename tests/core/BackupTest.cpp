// The Backup and Restore window between a temporary program folder and its
// "Backup" folder.

#include "core/DataFiles.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "core/ui/Backup.h"
#include "core/ui/FileCommands.h"
#include "databases/DatabaseLoader.h"
#include "platform/Folder.h"
#include "platform/ui/FolderDialog.h"
#include "syndicates/SyndicateFile.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {
class BackupTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        QDir(path(".")).mkdir("Backup");
    }
    QStringList rows(const QListWidget* list) const
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << BackupRowFile(list, i);
        return names;
    }
    QString backedUp(const QString& name) const { return readFile("Backup/" + name); }
};
} // namespace

TEST_F(BackupTest, ListsBothFoldersWithNamesAndDates)
{
    writeFile("vantrel.ini", "settings\r\n");
    writeFile("a very long database file name.txt", "long\r\n");
    writeFile("my.db.2005.txt", "dots\r\n");
    writeFile("SMEMBERS.001", "club\r\n");
    writeFile("PTemplate.100", "not listed\r\n");
    writeFile("PTemplate.012", "slip\r\n");
    writeFile("Diary.003", "diary\r\n");
    writeFile("holiday.jpg", "not listed");
    QFile ini(path("vantrel.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadWrite));
    ini.setFileTime(QDateTime(QDate(2005, 3, 7), QTime(9, 0)), QFileDevice::FileModificationTime);
    ini.close();

    LoadedWindow<Backup> w;
    EXPECT_EQ(w.windowTitle(), "Backup and Restore");
    EXPECT_EQ(rows(w.List1),
              QStringList({"a very long database file name.txt", "my.db.2005.txt", "vantrel.ini", "PTemplate.012",
                           "Diary.003", "SMEMBERS.001"}));
    EXPECT_EQ(w.List1->item(2)->text(), "vantrel.ini                07-03-05");
    EXPECT_EQ(w.List1->item(0)->text().left(27), "a very long database file n");
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_EQ(w.Text1->text(), QDir::toNativeSeparators(ProgramFolder()));
    EXPECT_EQ(w.Text2->text(), QDir::toNativeSeparators(QDir(ProgramFolder()).filePath("Backup")));
    EXPECT_TRUE(w.List1->font().fixedPitch() || QFontInfo(w.List1->font()).fixedPitch());

    // Nothing chosen: nothing copied. Restore all of an empty folder does nothing.
    w.Command1_Click();
    w.Command5_Click();
    EXPECT_EQ(w.List2->count(), 0);

    // The long name and the name with dots are copied as they are.
    w.List1->setCurrentRow(0);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    w.List1->setCurrentRow(1);
    w.Command1_Click();
    EXPECT_EQ(backedUp("a very long database file name.txt"), "long\r\n");
    EXPECT_EQ(backedUp("my.db.2005.txt"), "dots\r\n");
    EXPECT_EQ(rows(w.List2), QStringList({"a very long database file name.txt", "my.db.2005.txt"}));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(ProgramFolder()).canonicalPath());
}

TEST_F(BackupTest, BackUpAllAndRestoreAllRoundTrip)
{
    writeFile("dbase1.txt", "draws\r\n");
    writeFile("ReVadirav.txt", "entries\r\n");
    writeFile("vantrel.ini", "settings\r\n");
    writeFile("Smembers.004", "club\r\n");
    LoadedWindow<Backup> w;
    QTest::mouseClick(w.Command4, Qt::LeftButton);
    EXPECT_EQ(rows(w.List2), rows(w.List1));
    EXPECT_EQ(w.List2->count(), 4);
    EXPECT_EQ(backedUp("vantrel.ini"), "settings\r\n");

    // The program's files change, then the backups come back over them.
    writeFile("dbase1.txt", "damaged");
    writeFile("vantrel.ini", "");
    QFile::remove(path("ReVadirav.txt"));
    writeFile("dbase2.txt", "new since\r\n");
    QTest::mouseClick(w.Command5, Qt::LeftButton);
    EXPECT_EQ(readFile("dbase1.txt"), "draws\r\n");
    EXPECT_EQ(readFile("vantrel.ini"), "settings\r\n");
    EXPECT_EQ(readFile("ReVadirav.txt"), "entries\r\n");
    EXPECT_EQ(readFile("dbase2.txt"), "new since\r\n");
    EXPECT_EQ(w.List1->count(), 5);

    // One file back.
    writeFile("Smembers.004", "changed");
    w.List2->setCurrentRow(rows(w.List2).indexOf("Smembers.004"));
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(readFile("Smembers.004"), "club\r\n");
}

TEST_F(BackupTest, WhatARestoreOrADiskCopyReplacesIsReadAgainBeforeItCanBeSaved)
{
    // The open syndicate and the open lottery as the backup and the disk hold
    // them; then a member deleted and saved, and the lottery's draws changed.
    QTemporaryDir disk;
    Settings.set(SyndicateFile, "SMembers.000");
    Syndicate[0][SyndicateNameField] = "Club";
    Syndicate[0][NameField] = "Manager";
    Syndicate[1][NameField] = "Ann";
    ASSERT_TRUE(SaveSyndicate());
    writeLines("dbase1.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05-Mar-2005,1,2,3,4,5,6,0,7"}));
    for (const QString name : {"SMembers.000", "dbase1.txt"}) {
        ASSERT_TRUE(QFile::copy(path(name), path("Backup/" + name)));
        ASSERT_TRUE(QFile::copy(path(name), QDir(disk.path()).filePath(name)));
    }
    const struct {
        const char* how;
        std::function<void()> restore;
    } cases[] = {
        {"the arrow",
         [] {
             LoadedWindow<Backup> w;
             for (int i = 0; i < w.List2->count(); ++i)
                 if (BackupRowFile(w.List2, i) == "SMembers.000" || BackupRowFile(w.List2, i) == "dbase1.txt") {
                     w.List2->setCurrentRow(i);
                     w.Command2_Click();
                 }
         }},
        {"Restore all", [] { LoadedWindow<Backup>().Command5_Click(); }},
        {"the disk copy",
         [this, &disk] {
             SetFolderDialogHook([&disk](const QString&, const QString&) { return disk.path(); });
             answer(vbOK);
             CopyDataFilesFromDisk(nullptr, nullptr);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Syndicate[1][NameField].clear();
        ASSERT_TRUE(SaveSyndicate());
        writeLines("dbase1.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"12-Mar-2005,9,10,11,12,13,14,0,15"}));
        ASSERT_TRUE(LoadDatabaseFile("dbase1.txt"));
        c.restore();
        EXPECT_EQ(Syndicate[1][NameField], "Ann");
        EXPECT_EQ(Draws[1][1], 1);
        ASSERT_TRUE(SaveSyndicate()); // as the payments window's Save does
        EXPECT_TRUE(readFile("SMembers.000").contains("\"Ann\""));
    }
}

TEST_F(BackupTest, BackUpAllShowsTheHourglassAndCountsTheFiles)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        writeFile(name, "x\r\n");
    LoadedWindow<Backup> w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* count = w.findChild<QLabel*>("Label6");
    ASSERT_TRUE(count);
    // What the label shows each time it is drawn, and whether the hourglass
    // was up then.
    struct Painted : QObject {
        QLabel* label;
        QStringList seen;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !label->text().isEmpty()) {
                const QCursor* cursor = QApplication::overrideCursor();
                seen << label->text() + (cursor && cursor->shape() == Qt::WaitCursor ? " (hourglass)" : "");
            }
            return false;
        }
    } painted;
    painted.label = count;
    count->installEventFilter(&painted);
    w.Command4_Click();
    EXPECT_EQ(painted.seen,
              QStringList({"\r\nCopied 1 files (hourglass)", "\r\nCopied 2 files (hourglass)",
                           "\r\nCopied 3 files (hourglass)"}));
    EXPECT_EQ(count->text(), "");
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(BackupTest, BackUpAllCopiesPastFailuresAndNamesEachOne)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        writeFile(name, QString(name));
    // A folder in the way of "b.txt" in the backup folder, and "c.txt"
    // removed after the window listed it: both copies fail.
    ASSERT_TRUE(QDir(path("Backup")).mkdir("b.txt"));
    LoadedWindow<Backup> w;
    ASSERT_TRUE(QFile::remove(path("c.txt")));
    answer(vbOK);
    w.Command4_Click();
    ASSERT_EQ(boxes().size(), 1u);
    const QString text = boxAt(0).text;
    EXPECT_TRUE(text.startsWith("These files could not be copied:\r\nb.txt (")) << text.toStdString();
    EXPECT_TRUE(text.contains("\r\nc.txt (")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\r\n\r\nEvery other file was copied.")) << text.toStdString();
    EXPECT_EQ(backedUp("a.txt"), "a.txt");
    EXPECT_EQ(backedUp("d.txt"), "d.txt");
    EXPECT_EQ(rows(w.List2), QStringList({"a.txt", "d.txt"}));
}

TEST_F(BackupTest, CopiesThatCannotFinishLeaveTheOldFilesAndSayWhy)
{
    // Files may not grow past 4 KiB, as on a full disk: each big copy fails
    // whole, in either direction, and the small one is still copied.
    const QString big = QString(8000, 'x');
    struct Case {
        const char* name;
        QString from, to;
        bool restore;
    };
    for (const Case& c : {Case{"Back up all", ".", "Backup", false}, Case{"Restore all", "Backup", ".", true}}) {
        SCOPED_TRACE(c.name);
        writeFile(c.from + "/dbase1.txt", big);
        writeFile(c.to + "/dbase1.txt", "old\r\n");
        writeFile(c.from + "/small.txt", "small\r\n");
        const auto said = RunUnderFileSizeLimit(4096, [&c] {
            LoadedWindow<Backup> w;
            Harness::ExpectBox(vbOK);
            c.restore ? w.Command5_Click() : w.Command4_Click();
            return Harness::LastBoxText();
        });
        ASSERT_TRUE(said);
        EXPECT_TRUE(said->contains("dbase1.txt (") && said->contains("File too large")) << said->toStdString();
        EXPECT_EQ(readFile(c.to + "/dbase1.txt"), "old\r\n");
        EXPECT_EQ(readFile(c.to + "/small.txt"), "small\r\n");
        EXPECT_EQ(QDir(path(c.to)).entryList(QDir::Files | QDir::Hidden), QStringList({"dbase1.txt", "small.txt"}));
        QFile::remove(path("dbase1.txt"));
        QFile::remove(path("small.txt"));
        QFile::remove(path("Backup/dbase1.txt"));
        QFile::remove(path("Backup/small.txt"));
    }
}

TEST_F(BackupTest, DatesLineUpEvenWhereMonospaceMeansAProportionalFont)
{
    for (const char* name : {"iiiiiiii.txt", "WWWWWWWW.txt", "vantrel.ini", "Mm 1.txt"})
        writeFile(name, "x\r\n");
    LoadedWindow<Backup> w;
    // Every row's date starts where the list's font ends the padded name.
    const QFontMetricsF metrics(w.List1->font());
    ASSERT_EQ(w.List1->count(), 4);
    const qreal dates = metrics.horizontalAdvance(w.List1->item(0)->text().left(kBackupNameWidth));
    for (int i = 1; i < w.List1->count(); ++i)
        EXPECT_NEAR(metrics.horizontalAdvance(w.List1->item(i)->text().left(kBackupNameWidth)), dates, 0.01)
            << w.List1->item(i)->text().toStdString();

    // Once more in a run of this test whose font settings put a proportional
    // font first under "monospace", as some font packages do.
    constexpr const char* kProportional = "VANTREL_PROPORTIONAL_MONOSPACE";
    if (qEnvironmentVariableIsSet(kProportional))
        return;
    QString proportional;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isFixedPitch(family) && QFontDatabase::isSmoothlyScalable(family)) {
            proportional = family;
            break;
        }
    if (proportional.isEmpty())
        GTEST_SKIP() << "no proportional font installed";
    writeFile("fonts.conf",
              "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
              "<fontconfig>\n<match target=\"pattern\">\n"
              "<test name=\"family\"><string>monospace</string></test>\n"
              "<edit name=\"family\" mode=\"prepend\" binding=\"strong\"><string>"
                  + proportional.toHtmlEscaped()
                  + "</string></edit>\n</match>\n"
                    "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n</fontconfig>\n");
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kProportional, "1");
    env.insert("FONTCONFIG_FILE", path("fonts.conf"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=BackupTest.DatesLineUpEvenWhereMonospaceMeansAProportionalFont"});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString out = QString::fromUtf8(run.readAll());
    EXPECT_EQ(run.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

// The count is drawn whole while the files copy, though the window is not
// laid out again meanwhile.
TEST_F(BackupTest, TheCountShowsWholeWhileTheFilesCopy)
{
    writeFile("a.txt", "x\r\n");
    LoadedWindow<Backup> w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    struct Painted : QObject {
        QLabel* label = nullptr;
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !label->text().isEmpty()) {
                ++paints;
                const int need = label->fontMetrics().horizontalAdvance(label->text().trimmed());
                EXPECT_GE(label->contentsRect().width(), need) << label->text().toStdString();
            }
            return false;
        }
    } painted;
    painted.label = w.Label6;
    w.Label6->installEventFilter(&painted);
    w.Command4_Click();
    EXPECT_EQ(painted.paints, 1);
}
