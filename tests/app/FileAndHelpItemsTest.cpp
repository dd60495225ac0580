// The File and Help items run from the main window as the player runs them:
// what the main window does after Preferences, and the settings and notes it
// reads again after they are copied in from a disk or restored.

#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "core/ui/Backup.h"
#include "core/ui/Preferences.h"
#include "platform/TextFile.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FolderDialog.h"
#include "support/MainWindowFixture.h"
#include "syndicates/SyndicateFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {
class FileAndHelpItemsTest : public MainWindowFixture {
protected:
    // Drives the next modal window of type W with the function given.
    template <class W>
    void drive(std::function<void(W&)> f)
    {
        SetModalHook([f](QDialog* dialog) {
            auto* w = qobject_cast<W*>(dialog);
            if (!w)
                return Harness::UnexpectedWindow(dialog);
            f(*w);
            return int(QDialog::Rejected);
        });
    }
    // A settings file of defaults with one link caption changed, and notes.
    QStringList settingsWithCaption(const QString& caption) const
    {
        QStringList lines = *ReadLines(path(kSettingsFile));
        lines[int(LinkCaption) + 7 - 1] = caption;
        return lines;
    }
};
} // namespace

TEST_F(FileAndHelpItemsTest, PreferencesSaveTakesEffectAndCloseDropsTheRest)
{
    Vantrel& w = start();
    drive<Preferences>([](Preferences& p) {
        p.Text1[5]->setText("Lotto & more, daily");
        p.Text2[5]->setText("lotto.example.org");
        p.Check1->setChecked(true);
        p.Option4[1]->setChecked(true);
        p.Command7_Click();
    });
    run(MenuItem::FilePreferences);
    EXPECT_EQ(w.Item(WebLinkItem(6))->text(), "Lotto && more' daily");
    EXPECT_TRUE(w.Item(WebLinkItem(6))->isVisible());
    EXPECT_EQ(Settings[LinkAddress + 6], "http://lotto.example.org");
    EXPECT_EQ(Settings[LongRunFilter], "2 Long Run filter");
    EXPECT_EQ(Settings[SkinFlags], "3");

    // Closed without saving: the colour picked goes back.
    SetColourDialogHook([](const QColor&) { return std::optional<QColor>(QColor(0, 128, 0)); });
    drive<Preferences>([](Preferences& p) {
        p.Label8_Click();
        p.Text1[0]->setText("Not saved");
        p.Command1_Click();
    });
    run(MenuItem::FilePreferences);
    EXPECT_EQ(Settings[BackgroundColour], "&H8000000F");
    EXPECT_EQ(w.Item(WebLinkItem(1))->text(), "UK National Lottery");
}

TEST_F(FileAndHelpItemsTest, PreferencesClosedWithoutSaveKeepsWhatOtherWindowsChanged)
{
    Vantrel& w = start();
    SetColourDialogHook([](const QColor&) { return std::optional<QColor>(QColor(0, 128, 0)); });
    // Other windows change settings in memory, for the exit to save. After
    // each change a colour is picked in Preferences, which is then closed
    // without Save, by each way in turn.
    const std::function<void(Preferences&)> closeButton = [](Preferences& p) { p.Command1->click(); };
    const std::function<void(Preferences&)> escape = [](Preferences& p) { QTest::keyClick(&p, Qt::Key_Escape); };
    const std::function<void(Preferences&)> titleBar = [](Preferences& p) { p.close(); };
    struct Case {
        const char* what;
        std::function<void()> change;
        SettingsItem item;
        QString value;
        const std::function<void(Preferences&)>& close;
    };
    const Case cases[] = {
        {"info panels shown", [&w] { w.FileNotes_Click(); }, PanelsShown, "1", closeButton},
        {"Biorhythm's birth date", [] { Settings.set(BirthDate, "12-Dec-1980"); }, BirthDate, "12-Dec-1980", escape},
        {"the save dialog's player", [] { Settings.set(PlayerName, "Ann"); }, PlayerName, "Ann", titleBar},
        {"the save dialog's draw date", [] { Settings.set(DrawDate, "05-Mar-2026"); }, DrawDate, "05-Mar-2026",
         closeButton},
        {"a download address used now, not saved yet",
         [] { Settings.set(UKDownloadURL + 2, "http://example.org/daily.csv"); }, UKDownloadURL + 2,
         "http://example.org/daily.csv", escape},
    };
    for (const Case& c : cases) {
        c.change();
        drive<Preferences>([&c](Preferences& p) {
            p.show();
            p.Label8_Click();
            c.close(p);
        });
        run(MenuItem::FilePreferences);
    }
    w.close();
    const auto saved = ReadLines(path(kSettingsFile));
    ASSERT_TRUE(saved);
    for (const Case& c : cases)
        EXPECT_EQ(saved->value(int(c.item) - 1), c.value) << c.what;
    EXPECT_EQ(saved->value(int(BackgroundColour) - 1), "&H8000000F");
}

TEST_F(FileAndHelpItemsTest, ResetAllBringsBackEveryDefault)
{
    Vantrel& w = start();
    Settings.set(BirthDate, "12 Dec 1980");
    Settings.set(LinkCaption + 8, "Mine");
    SaveSettings();
    drive<Preferences>([this](Preferences& p) {
        answer(vbYes);
        p.Command12_Click();
    });
    run(MenuItem::FilePreferences);
    EXPECT_EQ(Settings[BirthDate], "01/01/1970");
    EXPECT_EQ(Settings[LinkCaption + 8], "");
    EXPECT_FALSE(w.Item(WebLinkItem(8))->isVisible());
    EXPECT_EQ(readBytes(kSettingsFile).count("\r\n"), kSettingsCount);
}

TEST_F(FileAndHelpItemsTest, SettingsAndNotesCopiedInAreReadAgain)
{
    QTemporaryDir disk;
    Vantrel& w = start();
    w.SetChecklistCaption(0, "In memory");
    // The disk holds another installation's settings and notes.
    QStringList lines = settingsWithCaption("From the disk");
    lines[int(PanelsShown) - 1] = "1";
    WriteLines(disk.filePath(kSettingsFile), lines);
    WriteTextFile(disk.filePath(kNotesFile),
                  " 1 ,Buy tickets\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n"
                  "Notes from the disk");
    SetFolderDialogHook([&disk](const QString&, const QString&) { return disk.path(); });
    answer(vbOK);
    run(MenuItem::FileCopyFromA);
    EXPECT_EQ(w.Item(WebLinkItem(7))->text(), "From the disk");
    EXPECT_TRUE(w.PanelsVisible());
    EXPECT_EQ(w.ChecklistCaption(0), "Buy tickets");
    EXPECT_EQ(w.findChild<QPlainTextEdit*>("Text1")->toPlainText(), "Notes from the disk");

    // The exit writes them back as they came.
    w.close();
    EXPECT_EQ(ReadLines(path(kSettingsFile))->value(int(LinkCaption) + 7 - 1), "From the disk");
    EXPECT_TRUE(readFile(kNotesFile).endsWith("Notes from the disk"));
}

TEST_F(FileAndHelpItemsTest, RestoredSettingsAreReadAgainAndOthersAreLeftAlone)
{
    Vantrel& w = start();
    WriteLines(path("Backup/" + kSettingsFile), settingsWithCaption("From the backup"));
    w.SetChecklistCaption(0, "Typed today");

    // Backing up leaves memory as it is.
    drive<Backup>([](Backup& b) { b.Command4_Click(); });
    run(MenuItem::FileBackup);
    EXPECT_EQ(w.ChecklistCaption(0), "Typed today");
    EXPECT_EQ(ReadLines(path("Backup/" + kSettingsFile))->value(int(LinkCaption) + 7 - 1), "");

    WriteLines(path("Backup/" + kSettingsFile), settingsWithCaption("From the backup"));
    drive<Backup>([](Backup& b) {
        for (int i = 0; i < b.List2->count(); ++i)
            if (BackupRowFile(b.List2, i) == kSettingsFile)
                b.List2->setCurrentRow(i);
        b.Command2_Click();
    });
    run(MenuItem::FileBackup);
    EXPECT_EQ(w.Item(WebLinkItem(7))->text(), "From the backup");
    EXPECT_EQ(w.ChecklistCaption(0), "Typed today"); // "Notes.txt" was not restored
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(path(".")).canonicalPath());
}

TEST_F(FileAndHelpItemsTest, ARestoredSettingsFileKeepsTheSyndicateItNames)
{
    // The backup holds settings naming syndicate 001, and its file; the
    // program folder has neither.
    const QString members = MembersFileName(1);
    LoadSettings();
    Settings.set(SyndicateFile, members);
    Syndicate[0][SyndicateNameField] = "Club";
    Syndicate[0][NameField] = "Ann";
    ASSERT_TRUE(SaveSyndicate() && SaveSettings());
    ASSERT_TRUE(QDir(path(".")).mkpath(kBackupFolder));
    for (const QString& name : {kSettingsFile, members})
        ASSERT_TRUE(QFile::rename(path(name), path(kBackupFolder + "/" + name)));
    const auto startAfresh = [this] {
        window_.reset();
        ResetSyndicate();
        ResetSettings();
        return &start();
    };
    // Restores in Backup and Restore, one opening each: one file, or all
    // (Restore all); none just opens and closes it.
    const auto restore = [this](const QStringList& names) {
        drive<Backup>([names](Backup& b) {
            if (names.size() > 1)
                b.Command5_Click();
            for (int i = 0; names.size() == 1 && i < b.List2->count(); ++i) {
                if (BackupRowFile(b.List2, i) == names[0]) {
                    b.List2->setCurrentRow(i);
                    b.Command2_Click();
                }
            }
        });
        run(MenuItem::FileBackup);
    };
    const struct {
        const char* what;
        std::vector<QStringList> steps;
    } cases[] = {
        {"the settings, then the syndicate", {{kSettingsFile}, {members}}},
        {"the settings, Backup opened again, then the syndicate", {{kSettingsFile}, {}, {members}}},
        {"the syndicate, then the settings", {{members}, {kSettingsFile}}},
        {"both at once", {{kSettingsFile, members}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path(kSettingsFile));
        QFile::remove(path(members));
        Vantrel* w = startAfresh();
        for (const QStringList& names : c.steps)
            restore(names);
        EXPECT_EQ(w->findChild<QLabel*>("Label3")->text(), "Club");
        w->close();
        EXPECT_EQ(ReadLines(path(kSettingsFile))->value(int(SyndicateFile) - 1), members);
        w = startAfresh();
        EXPECT_EQ(w->findChild<QLabel*>("Label3")->text(), "Club");
    }
}

TEST_F(FileAndHelpItemsTest, BackupAndDiskCopyHoldTheSessionAsItStands)
{
    // A first session: nothing saved yet.
    Vantrel& w = start();
    auto* notes = w.findChild<QPlainTextEdit*>("Text1");
    notes->setPlainText("Typed this session");
    Settings.set(PlayerName, "Ann");
    drive<Backup>([](Backup& b) { b.Command4_Click(); });
    run(MenuItem::FileBackup);
    EXPECT_TRUE(readFile("Backup/Notes.txt").endsWith("Typed this session"))
        << readFile("Backup/Notes.txt").toStdString();
    const auto backedUp = ReadLines(path("Backup/" + kSettingsFile));
    ASSERT_TRUE(backedUp && backedUp->size() == kSettingsCount);
    EXPECT_EQ(backedUp->at(int(PlayerName) - 1), "Ann");

    QTemporaryDir disk;
    notes->setPlainText("Typed later");
    SetFolderDialogHook([&disk](const QString&, const QString&) { return disk.path(); });
    answer(vbOK);
    run(MenuItem::FileCopyToA);
    const auto copied = ReadTextFile(disk.filePath("Notes.txt"));
    ASSERT_TRUE(copied);
    EXPECT_TRUE(copied->endsWith("Typed later")) << copied->toStdString();
}

TEST_F(FileAndHelpItemsTest, UnreadableOrUnsavedSettingsAreSaidAndNotWrittenOver)
{
    // A settings file that cannot be read (a folder stands in its place): the
    // defaults are used, and at exit the file is left as it is, even when it
    // can be read by then (what memory holds is not what it holds).
    ASSERT_TRUE(QDir(path(".")).mkdir(kSettingsFile));
    answer(vbOK);
    start();
    EXPECT_EQ(lastBoxText(),
              "The settings file vantrel.ini could not be read, so the program uses its default "
              "settings this time and leaves the file as it is.");
    EXPECT_EQ(Settings[SkinFlags], "1 Skinning/colours");
    EXPECT_EQ(window_->Item(WebLinkItem(0))->text(), "Vantrel");
    ASSERT_TRUE(QDir(path(".")).rmdir(kSettingsFile));
    writeFile(kSettingsFile, "made by hand\r\n");
    answer(vbOK);
    window_->close();
    EXPECT_EQ(lastBoxText(), "Your settings were not saved: vantrel.ini could not be read, so it is left as it was.");
    EXPECT_EQ(readFile(kSettingsFile), "made by hand\r\n");
    window_.reset();

    // A settings file that cannot be written at exit is said, as the notes are.
    ASSERT_TRUE(QFile::remove(path(kSettingsFile)));
    start();
    ASSERT_TRUE(QFile::remove(path(kSettingsFile)));
    ASSERT_TRUE(QDir(path(".")).mkdir(kSettingsFile));
    answer(vbOK);
    window_->close();
    EXPECT_EQ(lastBoxText(), "Your settings were not saved: vantrel.ini could not be written: Is a directory.");
    EXPECT_TRUE(exists("Notes.txt"));
}

TEST_F(FileAndHelpItemsTest, EachSaveFailureIsSaidOnceWithItsReason)
{
    // Notes and settings that cannot be written (folders in their place):
    // said with the reason when Backup opens, and not again at exit.
    start();
    for (const QString& name : {kNotesFile, kSettingsFile}) {
        QFile::remove(path(name));
        ASSERT_TRUE(QDir(path(".")).mkdir(name));
    }
    answer(vbOK);
    answer(vbOK);
    drive<Backup>([](Backup&) {});
    run(MenuItem::FileBackup);
    window_->close();
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxAt(0).text, "Your checklist and notes could not be saved in Notes.txt: Is a directory.");
    EXPECT_EQ(boxAt(1).text, "Your settings were not saved: vantrel.ini could not be written: Is a directory.");
    window_.reset();

    // A settings file that cannot be read is named once, not again after
    // each close of Preferences; Preferences' Save gives the reason.
    ASSERT_TRUE(QDir(path(".")).rmdir(kNotesFile));
    answer(vbOK);
    start();
    drive<Preferences>([](Preferences&) {});
    run(MenuItem::FilePreferences);
    answer(vbOK);
    drive<Preferences>([](Preferences& p) { p.Command7_Click(); });
    run(MenuItem::FilePreferences);
    ASSERT_EQ(boxes().size(), 4u);
    EXPECT_EQ(boxAt(3).text,
              "The settings were not saved: vantrel.ini could not be read, so it is left as it was.    ");
}
