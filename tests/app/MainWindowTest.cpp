// The main window built for real in a temporary program folder: start-up,
// panels, checklist and notes, the open syndicate, menus and toolbar.

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "app/Vantrel.h"
#include "analysis/ui/Biorhythm.h"
#include "app/WindowCatalog.h"
#include "core/Biorhythm.h"
#include "platform/ui/Chart.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/ui/Shell.h"
#include "platform/TextFile.h"
#include "support/ChildProcess.h"
#include "support/MainWindowFixture.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SNotes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>
#include <memory>
#include <vector>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        SetShellHook([this](const QUrl& url) {
            opened_ << url.toString();
            return true;
        });
    }
    // Closes the window as its close box does.
    void closeWindow()
    {
        window_->close();
        window_.reset();
    }

    template <typename T>
    T* child(const QString& name) const
    {
        T* widget = window_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QAction* action(MenuItem item) const
    {
        QAction* a = window_->Item(item);
        EXPECT_NE(a, nullptr) << MenuItemName(item).toStdString();
        return a;
    }

    // The lines of a settings file of defaults with one item changed.
    static QStringList settingsWith(SettingsItem item, const QString& value)
    {
        ResetSettings();
        DefaultSettings();
        Settings.set(item, value);
        SaveSettings();
        QStringList lines = *ReadLines(kSettingsFile);
        ResetSettings();
        return lines;
    }

    QStringList opened_;
};

// Every menu item the window has, in menu order.
std::vector<MenuItem> menuItems(const Vantrel& window)
{
    std::vector<MenuItem> items;
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) {
                const auto item = MenuItemNamed(a->objectName());
                EXPECT_TRUE(item.has_value()) << a->objectName().toStdString();
                if (item)
                    items.push_back(*item);
            }
    return items;
}

} // namespace

TEST_F(MainWindowTest, FirstStartWritesSettingsAndKeepsPanelsHidden)
{
    Vantrel& w = start();
    EXPECT_EQ(w.windowTitle(), "Vantrel");
    const auto ini = readBytes("vantrel.ini");
    EXPECT_EQ(ini.count("\r\n"), 100);
    EXPECT_TRUE(QDir(path("Backup")).exists());
    EXPECT_FALSE(w.PanelsVisible());
    EXPECT_TRUE(child<QGroupBox>("Label7")->isHidden());

    QStringList shown;
    for (int i = 0; i < kWebLinks; ++i) {
        QAction* link = action(WebLinkItem(i));
        if (link->isVisible())
            shown << link->text();
    }
    EXPECT_EQ(
        shown,
        QStringList({"Vantrel", "UK National Lottery", "Camelot (UK Lottery)", "US Powerball", "US Mega Millions"}));

    w.FileNotes_Click();
    EXPECT_EQ(w.ChecklistCaption(0), "Analyse lottery draws");
    EXPECT_EQ(w.ChecklistCaption(5), "Collect winnings!");
    EXPECT_EQ(w.ChecklistCaption(6), "");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "Type in an item and click Add");
}

TEST_F(MainWindowTest, MenusHaveTheirCaptionsInOrder)
{
    Vantrel& w = start();
    QStringList titles;
    for (QAction* a : w.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles,
              QStringList({" &File", " &Databases", " &Analyse", " &Play", " &Syndicates", " &WebLinks", " &Help"}));
    const std::vector<MenuItem> items = menuItems(w);
    EXPECT_EQ(items.size(), std::size_t(kMenuItemCount));
    EXPECT_EQ(items.size(), 13u - 3 + 12 - 2 + 11 - 1 + 23 - 3 + 8 - 1 + 10 + 9 - 2);
    EXPECT_EQ(action(MenuItem::DatabasesCreate)->text(), "Create  lottery database");
    EXPECT_EQ(action(MenuItem::PlayColdWheels)->text(), "ColdWheels");
    EXPECT_EQ(action(MenuItem::HelpAbout)->text(), "About...");
    for (MenuItem item : items)
        EXPECT_TRUE(action(item)->shortcut().isEmpty()) << MenuItemName(item).toStdString();
    EXPECT_EQ(child<QLabel>("Image1_10")->toolTip(), " Lucky dip pick ");
    EXPECT_EQ(child<QLabel>("Image1_0")->toolTip(), " Show notes, checklist, etc. ");
}

TEST_F(MainWindowTest, PanelsFollowItem19AndTheSwitch)
{
    writeLines("vantrel.ini", settingsWith(PanelsShown, "1"));
    Vantrel& w = start();
    EXPECT_TRUE(w.PanelsVisible());
    EXPECT_FALSE(child<QPlainTextEdit>("Text1")->isHidden() || child<QGroupBox>("Label13")->isHidden());

    action(MenuItem::FileNotes)->trigger();
    EXPECT_FALSE(w.PanelsVisible());
    EXPECT_EQ(Settings[PanelsShown], "0");
    w.Image1_Click(0);
    EXPECT_TRUE(w.PanelsVisible());
    EXPECT_EQ(Settings[PanelsShown], "1");

    // The switch reaches the file when the window closes.
    w.FileNotes_Click();
    closeWindow();
    EXPECT_EQ(ReadLines(path("vantrel.ini"))->at(18), "0");
}

TEST_F(MainWindowTest, NotesFileRoundTripsByteForByte)
{
    const QByteArray notes = " 0 ,Analyse lottery draws\r\n"
                             " 0 ,  Generate, then filter  \r\n"
                             " 1 ,Fill in payslips\r\n"
                             " 0 ,Buy lottery tickets\r\n"
                             " 0 ,Check results\r\n"
                             " 0 ,Fish & chips\r\n"
                             " 0 ,\r\n"
                             " 1 ,\r\n"
                             "First line\r\n\r\n  indented second\u00a0line\u2028\r\n\r\n";
    writeFile("Notes.txt", QString::fromUtf8(notes));
    Vantrel& w = start();
    EXPECT_FALSE(child<QCheckBox>("Check1_0")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check1_2")->isChecked());
    EXPECT_EQ(w.ChecklistCaption(1), "  Generate, then filter  ");
    EXPECT_EQ(child<QCheckBox>("Check1_5")->text(), "Fish && chips");
    EXPECT_TRUE(child<QPlainTextEdit>("Text1")->toPlainText().startsWith("First line\n\n  indented second"));
    closeWindow();
    EXPECT_EQ(readBytes("Notes.txt"), notes);
}

TEST_F(MainWindowTest, ShortOrOddNotesFileLoadsWhatItCan)
{
    writeFile("Notes.txt", "junk,First\r\n 1 \r\n");
    Vantrel& w = start();
    EXPECT_EQ(w.ChecklistCaption(0), "First");
    EXPECT_FALSE(child<QCheckBox>("Check1_0")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check1_1")->isChecked());
    EXPECT_EQ(w.ChecklistCaption(1), "");
    EXPECT_EQ(w.ChecklistCaption(2), "Fill in payslips");
    EXPECT_EQ(child<QPlainTextEdit>("Text1")->toPlainText(), "");
}

TEST_F(MainWindowTest, NotesFileThatCannotBeReadIsNamedOnceAndKept)
{
    const QByteArray notes = " 1 ,Analyse lottery draws\r\nMy own notes";
    const struct {
        const char* name;
        std::function<bool()> make;
        const char* reason;
    } cases[] = {
        {"write-only",
         [&] {
             writeFile("Notes.txt", QString::fromUtf8(notes));
             QFile::setPermissions(path("Notes.txt"), QFileDevice::WriteOwner);
             return !QFile(path("Notes.txt")).open(QIODevice::ReadOnly); // not when run with root rights
         },
         "Permission denied"},
        {"named pipe", [&] { return makePipe("Notes.txt"); }, "it is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path("Notes.txt"));
        if (!c.make())
            continue;
        const std::size_t before = boxes().size();
        answer(vbOK);
        start();
        ASSERT_EQ(boxes().size(), before + 1);
        EXPECT_EQ(lastBoxText().toStdString(),
                  std::string("Your checklist and notes file Notes.txt could not be read (") + c.reason
                      + "). It is left as it is, and nothing is written over it.");
        child<QPlainTextEdit>("Text1")->setPlainText("Typed over nothing");
        answer(vbOK);
        window_->SaveSession(); // as File > Backup does when it opens
        EXPECT_EQ(lastBoxText().toStdString(),
                  std::string("Your checklist and notes were not saved: Notes.txt could not be read (") + c.reason
                      + "), so it is left as it was.");
        closeWindow();
        EXPECT_EQ(boxes().size(), before + 2);
        const QFileInfo file(path("Notes.txt"));
        EXPECT_EQ(file.isFile(), std::string(c.name) != "named pipe");
        if (file.isFile()) {
            QFile::setPermissions(path("Notes.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            EXPECT_EQ(readBytes("Notes.txt"), notes);
        }
    }
}

// Files saved in UTF-16, with a byte-order mark or without (as some Windows
// editors save them), are read as the text they hold, by the main window and
// the syndicate notes alike, and a save writes that same text back (in UTF-8).
TEST_F(MainWindowTest, FilesSavedInUtf16AreReadAsTheirText)
{
    const QString zoe = QString::fromUtf8("Zo\xc3\xab \xf0\x9d\x84\x9e"); // a character beyond 16 bits too
    const QString notes = " 1 ," + zoe
        + "\r\n 0 ,Buy tickets\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n 0 ,\r\n"
          "Line one\r\n\u0a0a\u0d0a, " // the bytes of these characters are those of line ends
        + zoe;
    const struct {
        const char* name;
        QStringConverter::Encoding encoding;
        bool marked;
    } cases[] = {{"UTF-16 LE", QStringConverter::Utf16LE, true},
                 {"UTF-16 BE", QStringConverter::Utf16BE, true},
                 {"UTF-16 LE without a mark", QStringConverter::Utf16LE, false},
                 {"UTF-16 BE without a mark", QStringConverter::Utf16BE, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList ini = settingsWith(BirthDate, "04-Jul-1931");
        ini[PlayerName - 1] = zoe;
        const QString url = ini[UKDownloadURL - 1];
        ASSERT_FALSE(url.isEmpty());
        auto write = [&](const QString& name, const QString& text) {
            if (c.marked)
                writeMarked(name, text, c.encoding);
            else
                writeBytes(name, QStringEncoder(c.encoding)(text));
        };
        write("vantrel.ini", ini.join("\r\n") + "\r\n");
        write("Notes.txt", notes);
        write("SNotes.txt", notes);

        Vantrel& w = start();
        EXPECT_EQ(child<QDateEdit>("DTPicker1")->date(), QDate(1931, 7, 4));
        EXPECT_EQ(Settings[PlayerName], zoe);
        EXPECT_EQ(Settings[UKDownloadURL], url);
        EXPECT_TRUE(child<QCheckBox>("Check1_0")->isChecked());
        EXPECT_EQ(w.ChecklistCaption(0), zoe);
        EXPECT_EQ(w.ChecklistCaption(1), "Buy tickets");
        EXPECT_EQ(child<QPlainTextEdit>("Text1")->toPlainText(), "Line one\n\u0a0a\u0d0a, " + zoe);
        closeWindow();
        EXPECT_EQ(ReadLines(path("vantrel.ini")), ini);
        EXPECT_EQ(readBytes("Notes.txt"), notes.toUtf8());

        {
            LoadedWindow<SNotes> s;
            EXPECT_TRUE(s.Check1[0]->isChecked());
            EXPECT_EQ(s.Caption(0), zoe);
            EXPECT_EQ(s.Text1->toPlainText(), "Line one\n\u0a0a\u0d0a, " + zoe);
            answer(vbOK);
            s.Command1_Click();
            EXPECT_EQ(lastBoxText(), "  Notes and checklist saved...  ");
        }
        EXPECT_EQ(readBytes("SNotes.txt"), notes.toUtf8());
    }
}

TEST_F(MainWindowTest, AddFillsTheFirstEmptyItemAndClearEmptiesOne)
{
    Vantrel& w = start();
    auto* text2 = child<QLineEdit>("Text2");
    text2->setText("Pay syndicate");
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(w.ChecklistCaption(6), "Pay syndicate");
    EXPECT_EQ(text2->text(), "Pay syndicate");

    child<QCheckBox>("Check1_3")->setChecked(true);
    QTest::mouseClick(child<QPushButton>("Command4_3"), Qt::LeftButton);
    EXPECT_EQ(w.ChecklistCaption(3), "");
    EXPECT_FALSE(child<QCheckBox>("Check1_3")->isChecked());

    text2->setText("Second");
    w.Command3_Click();
    EXPECT_EQ(w.ChecklistCaption(3), "Second");
    w.Command3_Click();
    w.Command3_Click(); // all eight are filled now: nothing changes
    for (int i = 0; i < kChecklistItems; ++i)
        EXPECT_FALSE(w.ChecklistCaption(i).isEmpty()) << i;
    EXPECT_EQ(w.ChecklistCaption(0), "Analyse lottery draws");
}

TEST_F(MainWindowTest, PastedLineBreaksStayOutOfTheChecklistFile)
{
    Vantrel& w = start();
    auto* text2 = child<QLineEdit>("Text2");
    text2->clear();
    QApplication::clipboard()->setText("Buy\r\nmore");
    text2->paste();
    w.Command3_Click();
    EXPECT_EQ(w.ChecklistCaption(6), "Buy more");
    closeWindow();
    const auto lines = ReadLines(path("Notes.txt"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), kChecklistItems);
    EXPECT_EQ(lines->at(6), " 0 ,Buy more");
}

TEST_F(MainWindowTest, DatabasesAreListed)
{
    writeLines("dbase1.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05-Mar-2005,1,2,3,4,5,6,0,7"}));
    start();
    auto* list = child<QListWidget>("List1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "UK Lotto");
}

TEST_F(MainWindowTest, BiorhythmPanelValues)
{
    SetClockForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0)));
    writeLines("vantrel.ini", settingsWith(BirthDate, "10 Mar 2024"));
    Vantrel& w = start();
    auto* chart = child<Chart>("MSChart1");
    ASSERT_EQ(chart->rowCount(), 4);
    EXPECT_EQ(chart->rowLabel(1), "Intellectual");
    EXPECT_EQ(chart->rowLabel(4), "Luck");
    for (int r = 1; r <= 4; ++r)
        EXPECT_DOUBLE_EQ(chart->value(r, 1), 0.0) << r;

    // 33 days: a whole intellectual cycle.
    child<QDateEdit>("DTPicker1")->setDate(QDate(2024, 2, 6));
    QTest::mouseClick(child<QPushButton>("Command1_8"), Qt::LeftButton);
    EXPECT_NEAR(chart->value(1, 1), 0.0, 1e-12);
    EXPECT_EQ(Settings[BirthDate], "06-Feb-2024");

    auto* tomorrow = child<QRadioButton>("Option1_1");
    tomorrow->setChecked(true);
    w.Option1_Click(1);
    EXPECT_NEAR(chart->value(1, 1), 1.8928, 1e-4);
    const double mean = (chart->value(1, 1) + chart->value(2, 1) + chart->value(3, 1)) / 3;
    EXPECT_DOUBLE_EQ(chart->value(4, 1), mean);

    // The birth date survives a restart with its four-digit year.
    child<QDateEdit>("DTPicker1")->setDate(QDate(1931, 7, 4));
    w.DoBiorhythm();
    closeWindow();
    EXPECT_EQ(ReadLines(path("vantrel.ini"))->at(14), "04-Jul-1931");
    start();
    EXPECT_EQ(child<QDateEdit>("DTPicker1")->date(), QDate(1931, 7, 4));
}

// A stored birth date the pickers cannot show (they run from 1900 to 2100) is
// kept as read through the panel, the Biorhythm window and the exit, and both
// chart it.
TEST_F(MainWindowTest, ABirthDateOutsideThePickersIsKeptAsRead)
{
    const QDate today(2024, 3, 10);
    SetClockForTests(QDateTime(today, QTime(12, 0)));
    const struct {
        const char* stored;
        QDate date;
    } cases[] = {{"01/01/1850", QDate(1850, 1, 1)}, {"31-Dec-2150", QDate(2150, 12, 31)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        writeLines("vantrel.ini", settingsWith(BirthDate, c.stored));
        Vantrel& w = start();
        const double intellectual = BiochartValues(BiorhythmDay(c.date, today, false))[0];
        QTest::mouseClick(child<QPushButton>("Command1_8"), Qt::LeftButton);
        EXPECT_NEAR(child<Chart>("MSChart1")->value(1, 1), intellectual, 1e-12);
        LoadedWindow<Biorhythm> more;
        EXPECT_NEAR(more.MSChart3->value(1, 1), intellectual, 1e-12);
        w.SaveSession();
        EXPECT_EQ(ReadLines(path("vantrel.ini"))->at(BirthDate - 1), c.stored);
    }
}

TEST_F(MainWindowTest, BirthDateThatIsNotADateStillStarts)
{
    writeLines("vantrel.ini", settingsWith(BirthDate, "not a date"));
    start();
    EXPECT_EQ(child<QDateEdit>("DTPicker1")->date(), QDate(1970, 1, 1));
}

TEST_F(MainWindowTest, SyndicateViewItemsNeedNameAndManager)
{
    const std::vector<MenuItem> views = {MenuItem::SyndicateManager, MenuItem::SyndicateMembers,
                                         MenuItem::SyndicatePayments, MenuItem::SyndicatesNotes};
    std::vector<MenuItem> calls;
    std::vector<std::unique_ptr<WindowOverride>> fakes;
    for (MenuItem item : views)
        fakes.push_back(std::make_unique<WindowOverride>(item, [&calls, item](QWidget*) { calls.push_back(item); }));
    QString nextFile;
    WindowOverride open(MenuItem::SyndicateOpen, [&nextFile](QWidget*) { Settings.set(SyndicateFile, nextFile); });

    auto syndicateFile = [](const QString& manager, const QString& name) {
        QStringList lines;
        QStringList empty(11, QString("\"\""));
        QStringList first = empty;
        first[0] = '"' + manager + '"';
        first[10] = '"' + name + '"';
        lines << first.join(',');
        for (int r = 1; r <= 100; ++r)
            lines << empty.join(',');
        return lines;
    };
    writeLines("SMembers.000", syndicateFile("", "Friday Club"));
    writeLines("SMembers.001", syndicateFile("Ann Lee", "Office, 2nd floor"));

    start();
    for (MenuItem item : views)
        EXPECT_FALSE(action(item)->isEnabled()) << MenuItemName(item).toStdString();
    EXPECT_EQ(child<QLabel>("Label3")->text(), "");

    nextFile = "SMembers.000";
    action(MenuItem::SyndicateOpen)->trigger();
    EXPECT_EQ(child<QLabel>("Label3")->text(), "Friday Club");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "");
    for (MenuItem item : views)
        EXPECT_FALSE(action(item)->isEnabled()) << MenuItemName(item).toStdString();

    nextFile = "SMembers.001";
    action(MenuItem::SyndicateOpen)->trigger();
    EXPECT_EQ(child<QLabel>("Label3")->text(), "Office, 2nd floor");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "Ann Lee");
    EXPECT_EQ(child<QLabel>("Label6")->textFormat(), Qt::PlainText);
    for (MenuItem item : views) {
        EXPECT_TRUE(action(item)->isEnabled()) << MenuItemName(item).toStdString();
        action(item)->trigger();
    }
    EXPECT_EQ(calls, views);

    // A syndicate file deleted behind the program's back closes the syndicate.
    QFile::remove(path("SMembers.001"));
    window_->UpdateSyndicate();
    EXPECT_EQ(Settings[SyndicateFile], "");
    EXPECT_FALSE(action(MenuItem::SyndicateManager)->isEnabled());
}

TEST_F(MainWindowTest, ASyndicateFileThatCannotBeReadIsNamedOnceAtStart)
{
    writeLines(kSettingsFile, settingsWith(SyndicateFile, "SMembers.000"));
    ASSERT_TRUE(QDir(dir_.path()).mkpath("SMembers.000")); // a folder cannot be read as a file
    answer(vbOK);
    start();
    EXPECT_TRUE(lastBoxText().startsWith("The syndicate file SMembers.000 could not be read."))
        << lastBoxText().toStdString();
    EXPECT_FALSE(action(MenuItem::SyndicateManager)->isEnabled());
    window_->UpdateSyndicate(); // after a syndicate window: not said again
    EXPECT_EQ(boxes().size(), 1u);
}

// The shipped files that could not be copied in (here no file may grow past
// a few bytes) are named to the player as the window starts.
TEST_F(MainWindowTest, TheShippedFilesNotCopiedAreNamedAtStart)
{
    writeLines(kSettingsFile, settingsWith(PanelsShown, "0")); // only the copies fail
    const auto said = RunUnderFileSizeLimit(16, [this] {
        Harness::ExpectBox(vbOK);
        start();
        QString out;
        for (const MsgBoxCall& box : Harness::Boxes())
            out += box.title + "|" + box.text + "\n";
        return out;
    });
    ASSERT_TRUE(said);
    EXPECT_TRUE(said->startsWith("Vantrel|These files Vantrel ships could not be copied into "
                                 + QDir::toNativeSeparators(ProgramFolder()) + ": "))
        << said->toStdString();
    EXPECT_TRUE(said->contains("LotteryTemplates.txt")) << said->toStdString();
    EXPECT_EQ(said->count("\n"), 1) << said->toStdString();
}

TEST_F(MainWindowTest, EveryItemAndPictureReachesItsHandler)
{
    // Fake openers for every item the window does not handle itself.
    auto ownItem = [](MenuItem item) {
        return item == MenuItem::FileNotes || item == MenuItem::FileExit || WebLinkIndex(item) >= 0;
    };
    std::vector<MenuItem> all;
    {
        LoadedWindow<Vantrel> probe;
        all = menuItems(probe);
    }
    std::vector<MenuItem> calls;
    std::vector<std::unique_ptr<WindowOverride>> fakes;
    for (MenuItem item : all)
        if (!ownItem(item))
            fakes.push_back(std::make_unique<WindowOverride>(item, [&calls, item](QWidget* main) {
                EXPECT_EQ(main->objectName(), "Vantrel");
                calls.push_back(item);
            }));
    writeFile("ReVadirav.txt", "");
    writeLines("SMembers.000", QStringList(101, R"("Ann","","","","","","","","","","Club")"));
    writeLines("vantrel.ini", settingsWith(SyndicateFile, "SMembers.000"));
    Vantrel& w = start();

    for (MenuItem item : all) {
        if (ownItem(item))
            continue;
        calls.clear();
        ASSERT_TRUE(action(item)->isEnabled()) << MenuItemName(item).toStdString();
        action(item)->trigger();
        EXPECT_EQ(calls, std::vector<MenuItem>{item}) << MenuItemName(item).toStdString();
    }

    // Pictures run their menu items.
    const std::map<int, MenuItem> expected = {
        {2, MenuItem::wDatabaseView},  {3, MenuItem::DatabaseCheck},    {4, MenuItem::DatabaseStoreDrawsW},
        {5, MenuItem::AnalysisCommon}, {6, MenuItem::AnalyseNumStats},  {7, MenuItem::AnalyseOddEven},
        {8, MenuItem::PlayFullSel},    {9, MenuItem::PlayHot},          {10, MenuItem::PlayLucky},
        {11, MenuItem::PlayDIYWheels}, {13, MenuItem::HelpLotteryInfo}, {14, MenuItem::HelpHelp}};
    for (const auto& [i, item] : expected) {
        calls.clear();
        QTest::mouseClick(child<QLabel>(QStringLiteral("Image1_%1").arg(i)), Qt::LeftButton);
        EXPECT_EQ(calls, std::vector<MenuItem>{item}) << i;
    }
    // Picture 1: the UK download window on a day-first English locale.
    calls.clear();
    w.Image1_Click(1);
    EXPECT_EQ(calls, std::vector<MenuItem>{MenuItem::DatabaseUpdate});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    calls.clear();
    w.Image1_Click(1);
    EXPECT_EQ(calls, std::vector<MenuItem>{MenuItem::DatabaseUS});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // Picture 12 and the web links open their addresses.
    w.Image1_Click(12);
    action(WebLinkItem(3))->trigger();
    EXPECT_EQ(opened_, QStringList({Settings[LinkAddress], Settings[LinkAddress + 3]}));
    // Picture 0 switches the panels, an index out of range does nothing.
    w.Image1_Click(0);
    EXPECT_TRUE(w.PanelsVisible());
    calls.clear();
    w.Image1_Click(16);
    w.Image1_Click(-1);
    EXPECT_TRUE(calls.empty());
    // "More" opens the biorhythm window.
    QTest::mouseClick(child<QPushButton>("Command1_17"), Qt::LeftButton);
    EXPECT_EQ(calls, std::vector<MenuItem>{MenuItem::AnalyseBiorhythms});

    // Picture 15 ends the program, saving on the way.
    QFile::remove(path("Notes.txt"));
    w.Image1_Click(15);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(exists("Notes.txt"));
}

TEST_F(MainWindowTest, FollowUpsAfterWindowsClose)
{
    // Preferences: the WebLinks and the skin show the settings it left.
    WindowOverride preferences(MenuItem::FilePreferences, [](QWidget*) {
        Settings.set(LinkCaption + 6, "My club");
        Settings.set(SkinFlags, "2");
        Settings.set(BackgroundColour, "&HFF");
    });
    // Backup leaves another folder current.
    WindowOverride backup(MenuItem::FileBackup, [this](QWidget*) { QDir::setCurrent(path("Backup")); });
    Vantrel& w = start();
    action(MenuItem::FilePreferences)->trigger();
    EXPECT_TRUE(action(WebLinkItem(6))->isVisible());
    EXPECT_EQ(action(WebLinkItem(6))->text(), "My club");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(255, 0, 0));

    action(MenuItem::FileBackup)->trigger();
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(path(".")).canonicalPath());
}

TEST_F(MainWindowTest, WindowsNotBuiltAreDisabled)
{
    WindowOverride none1(MenuItem::PlayLuckyDip, {});
    WindowOverride none2(MenuItem::PlayLucky, {});
    Vantrel& w = start();
    EXPECT_FALSE(action(MenuItem::PlayLuckyDip)->isEnabled());
    EXPECT_TRUE(action(MenuItem::FileNotes)->isEnabled());
    EXPECT_TRUE(action(MenuItem::FileExit)->isEnabled());
    // The picture keeps its tip but does nothing.
    EXPECT_FALSE(w.ItemAvailable(Vantrel::PictureItem(10)));
    EXPECT_EQ(child<QLabel>("Image1_10")->toolTip(), " Lucky dip pick ");
    w.Image1_Click(10);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(MainWindowTest, ShowMyEntriesWithoutSavedEntriesSaysOops)
{
    bool opened = false;
    WindowOverride check(MenuItem::DatabaseCheck, [&opened](QWidget*) { opened = true; });
    WindowOverride view(MenuItem::DatabaseViewCheck, [&opened](QWidget*) { opened = true; });
    start();
    answer(vbOK);
    action(MenuItem::DatabaseViewCheck)->trigger();
    EXPECT_FALSE(opened);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text, "You do not have any stored lottery entries!");
    EXPECT_EQ(boxAt(0).title, "Oops!  ");
    EXPECT_EQ(boxAt(0).icon(), int(vbExclamation));
}

TEST_F(MainWindowTest, OnlyWebAddressesAreOpened)
{
    QStringList lines = settingsWith(LinkAddress + 1, "file:///etc/passwd");
    lines[31] = "http://example.org/a b\" & rm -rf ~";
    writeLines("vantrel.ini", lines);
    Vantrel& w = start();
    answer(vbOK);
    w.LinksLink_Click(1);
    answer(vbOK);
    w.LinksLink_Click(2);
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_EQ(boxes().size(), 2u);
    w.LinksLink_Click(0);
    EXPECT_EQ(opened_, QStringList(Settings[LinkAddress]));
}

TEST_F(MainWindowTest, HoverBorderFollowsTheMouse)
{
    start();
    auto* p3 = child<QLabel>("Image1_3");
    auto* p4 = child<QLabel>("Image1_4");
    // A move goes to the widget under the mouse and, unless taken, on to its
    // parents, as the desktop's mouse moves do.
    auto moveOver = [](QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(p3, {13, 13});
    EXPECT_NE(p3->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(p4->frameShape(), QFrame::NoFrame);
    moveOver(p4, {13, 13});
    EXPECT_EQ(p3->frameShape(), QFrame::NoFrame);
    EXPECT_NE(p4->frameShape(), QFrame::NoFrame);
    moveOver(child<QLabel>("Label1"), {1000, 10});
    EXPECT_EQ(p4->frameShape(), QFrame::NoFrame);
}

TEST_F(MainWindowTest, BrowsePictureOpensTheFirstAddressWithoutACaption)
{
    writeLines("vantrel.ini", settingsWith(LinkCaption, ""));
    start();
    EXPECT_FALSE(action(WebLinkItem(0))->isVisible());
    QTest::mouseClick(child<QLabel>("Image1_12"), Qt::LeftButton);
    EXPECT_EQ(opened_, QStringList(Settings[LinkAddress]));
}
