// The main window built for real in a temporary program folder: start-up,
// panels, checklist and notes, the open syndicate, menus and toolbar.

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "core/Vantrel.h"
#include "core/WindowCatalog.h"
#include "platform/Chart.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"
#include "syndicates/SyndicateFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
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

#include <memory>

namespace {

class MainWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ResetSettings();
        ResetSyndicate();
        SetShellHook([this](const QUrl& url) {
            opened_ << url.toString();
            return true;
        });
    }
    void TearDown() override
    {
        window_.reset();
        SetShellHook({});
        SetClockForTests(std::nullopt);
        ProgramFolderTest::TearDown();
    }

    Vantrel& start()
    {
        window_ = std::make_unique<Vantrel>();
        return *window_;
    }
    // Closes the window as its close box does.
    void closeWindow()
    {
        window_->close();
        window_.reset();
    }

    template <typename T> T* child(const QString& name) const
    {
        T* widget = window_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QAction* action(const QString& name) const { return child<QAction>(name); }

    static QStringList settingsWith(int item, const QString& value)
    {
        ResetSettings();
        DefaultSettings();
        Settings[item] = value;
        QStringList lines;
        for (int k = 1; k <= kSettingsCount; ++k)
            lines << Settings[k];
        return lines;
    }

    std::unique_ptr<Vantrel> window_;
    QStringList opened_;
};

// Every menu item the window has, in menu order.
QStringList menuItems(const Vantrel& window)
{
    QStringList names;
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !a->objectName().isEmpty())
                names << a->objectName();
    return names;
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
        QAction* link = action(QStringLiteral("LinksLink_%1").arg(i));
        if (link->isVisible())
            shown << link->text();
    }
    EXPECT_EQ(shown, QStringList({"Vantrel", "UK National Lottery", "Camelot (UK Lottery)", "US Powerball",
                                  "US Mega Millions"}));

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
    EXPECT_EQ(titles, QStringList({" &File", " &Databases", " &Analyse", " &Play", " &Syndicates", " &WebLinks",
                                   " &Help"}));
    const QStringList items = menuItems(w);
    EXPECT_EQ(items.size(), 13 - 3 + 12 - 2 + 11 - 1 + 23 - 3 + 8 - 1 + 10 + 9 - 2);
    EXPECT_EQ(action("DatabasesCreate")->text(), "Create  lottery database");
    EXPECT_EQ(action("PlayColdWheels")->text(), "ColdWheels");
    EXPECT_EQ(action("HelpAbout")->text(), "About...");
    for (const QString& name : items)
        EXPECT_TRUE(action(name)->shortcut().isEmpty()) << name.toStdString();
    EXPECT_EQ(child<QLabel>("Image1_10")->toolTip(), " Lucky dip pick ");
    EXPECT_EQ(child<QLabel>("Image1_0")->toolTip(), " Show notes, checklist, etc. ");
}

TEST_F(MainWindowTest, PanelsFollowItem19AndTheSwitch)
{
    writeLines("vantrel.ini", settingsWith(19, "1"));
    Vantrel& w = start();
    EXPECT_TRUE(w.PanelsVisible());
    EXPECT_FALSE(child<QPlainTextEdit>("Text1")->isHidden() || child<QGroupBox>("Label13")->isHidden());

    action("FileNotes")->trigger();
    EXPECT_FALSE(w.PanelsVisible());
    EXPECT_EQ(Settings[19], "0");
    w.Image1_Click(0);
    EXPECT_TRUE(w.PanelsVisible());
    EXPECT_EQ(Settings[19], "1");

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
                             "First line\r\n\r\n  indented second line\r\n\r\n";
    writeFile("Notes.txt", QString::fromUtf8(notes));
    Vantrel& w = start();
    EXPECT_FALSE(child<QCheckBox>("Check1_0")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check1_2")->isChecked());
    EXPECT_EQ(w.ChecklistCaption(1), "  Generate, then filter  ");
    EXPECT_EQ(child<QCheckBox>("Check1_5")->text(), "Fish && chips");
    EXPECT_EQ(child<QPlainTextEdit>("Text1")->toPlainText(), "First line\n\n  indented second line\n\n");
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
    writeLines("vantrel.ini", settingsWith(15, "10 Mar 2024"));
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
    EXPECT_EQ(Settings[15], "06-Feb-2024");

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

TEST_F(MainWindowTest, BirthDateThatIsNotADateStillStarts)
{
    writeLines("vantrel.ini", settingsWith(15, "not a date"));
    start();
    EXPECT_EQ(child<QDateEdit>("DTPicker1")->date(), QDate(1970, 1, 1));
}

TEST_F(MainWindowTest, SyndicateViewItemsNeedNameAndManager)
{
    const QStringList views = {"SyndicateManager", "SyndicateMembers", "SyndicatePayments", "SyndicatesNotes"};
    QStringList calls;
    for (const QString& name : views)
        RegisterWindow(name, [&calls, name](QWidget*) { calls << name; });
    QString nextFile;
    RegisterWindow("SyndicateOpen", [&nextFile](QWidget*) { Settings[16] = nextFile; });

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
    for (const QString& name : views)
        EXPECT_FALSE(action(name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(child<QLabel>("Label3")->text(), "");

    nextFile = "SMembers.000";
    action("SyndicateOpen")->trigger();
    EXPECT_EQ(child<QLabel>("Label3")->text(), "Friday Club");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "");
    for (const QString& name : views)
        EXPECT_FALSE(action(name)->isEnabled()) << name.toStdString();

    nextFile = "SMembers.001";
    action("SyndicateOpen")->trigger();
    EXPECT_EQ(child<QLabel>("Label3")->text(), "Office, 2nd floor");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "Ann Lee");
    EXPECT_EQ(child<QLabel>("Label6")->textFormat(), Qt::PlainText);
    for (const QString& name : views) {
        EXPECT_TRUE(action(name)->isEnabled()) << name.toStdString();
        action(name)->trigger();
    }
    EXPECT_EQ(calls, views);

    // A syndicate file deleted behind the program's back closes the syndicate.
    QFile::remove(path("SMembers.001"));
    window_->UpdateSyndicate();
    EXPECT_EQ(Settings[16], "");
    EXPECT_FALSE(action("SyndicateManager")->isEnabled());
    RegisterWindow("SyndicateOpen", {});
    for (const QString& name : views)
        RegisterWindow(name, {});
}

TEST_F(MainWindowTest, EveryItemAndPictureReachesItsHandler)
{
    // Fake openers for every item the window does not handle itself.
    const QStringList ownItems = {"FileNotes", "FileExit"};
    QStringList all;
    {
        Vantrel probe;
        all = menuItems(probe);
    }
    QStringList calls;
    for (const QString& name : all)
        if (!ownItems.contains(name) && !name.startsWith("LinksLink_"))
            RegisterWindow(name, [&calls, name](QWidget* main) {
                EXPECT_EQ(main->objectName(), "Vantrel");
                calls << name;
            });
    writeFile("ReVadirav.txt", "");
    writeLines("SMembers.000", QStringList(101, R"("Ann","","","","","","","","","","Club")"));
    writeLines("vantrel.ini", settingsWith(16, "SMembers.000"));
    ResetSettings();
    Vantrel& w = start();

    for (const QString& name : all) {
        if (ownItems.contains(name) || name.startsWith("LinksLink_"))
            continue;
        calls.clear();
        ASSERT_TRUE(action(name)->isEnabled()) << name.toStdString();
        action(name)->trigger();
        EXPECT_EQ(calls, QStringList(name)) << name.toStdString();
    }

    // Pictures run their menu items.
    const QStringList expected = {"", "", "wDatabaseView", "DatabaseCheck", "DatabaseStoreDrawsW",
                                  "AnalysisCommon", "AnalyseNumStats", "AnalyseOddEven", "PlayFullSel", "PlayHot",
                                  "PlayLucky", "PlayDIYWheels", "", "HelpLotteryInfo", "HelpHelp", ""};
    for (int i = 2; i <= 14; ++i) {
        if (expected[i].isEmpty())
            continue;
        calls.clear();
        QTest::mouseClick(child<QLabel>(QStringLiteral("Image1_%1").arg(i)), Qt::LeftButton);
        EXPECT_EQ(calls, QStringList(expected[i])) << i;
    }
    // Picture 1: the UK download window on a day-first English locale.
    calls.clear();
    w.Image1_Click(1);
    EXPECT_EQ(calls, QStringList("DatabaseUpdate"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    calls.clear();
    w.Image1_Click(1);
    EXPECT_EQ(calls, QStringList("DatabaseUS"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // Picture 12 and the web links open their addresses.
    w.Image1_Click(12);
    action("LinksLink_3")->trigger();
    EXPECT_EQ(opened_, QStringList({Settings[30], Settings[33]}));
    // Picture 0 switches the panels, an index out of range does nothing.
    w.Image1_Click(0);
    EXPECT_TRUE(w.PanelsVisible());
    calls.clear();
    w.Image1_Click(16);
    w.Image1_Click(-1);
    EXPECT_TRUE(calls.isEmpty());
    // "More" opens the biorhythm window.
    QTest::mouseClick(child<QPushButton>("Command1_17"), Qt::LeftButton);
    EXPECT_EQ(calls, QStringList("AnalyseBiorhythms"));

    // Picture 15 ends the program, saving on the way.
    QFile::remove(path("Notes.txt"));
    w.Image1_Click(15);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(exists("Notes.txt"));

    for (const QString& name : all)
        RegisterWindow(name, {});
}

TEST_F(MainWindowTest, FollowUpsAfterWindowsClose)
{
    // Preferences: the settings file is read again and the skin applied.
    RegisterWindow("FilePreferences", [this](QWidget*) {
        Settings[19] = "1"; // changed in memory, not saved
        QStringList lines = *ReadLines(path("vantrel.ini"));
        lines[25] = "My club";
        lines[9] = "2";
        lines[4] = "&HFF";
        writeLines("vantrel.ini", lines);
    });
    // Backup leaves another folder current.
    RegisterWindow("FileBackup", [this](QWidget*) { QDir::setCurrent(path("Backup")); });
    Vantrel& w = start();
    action("FilePreferences")->trigger();
    EXPECT_EQ(Settings[19], "0");
    EXPECT_TRUE(action("LinksLink_6")->isVisible());
    EXPECT_EQ(action("LinksLink_6")->text(), "My club");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(255, 0, 0));

    action("FileBackup")->trigger();
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(path(".")).canonicalPath());
    RegisterWindow("FilePreferences", {});
    RegisterWindow("FileBackup", {});
}

TEST_F(MainWindowTest, WindowsNotBuiltAreDisabled)
{
    RegisterWindow("PlayLuckyDip", {});
    RegisterWindow("PlayLucky", {});
    Vantrel& w = start();
    EXPECT_FALSE(action("PlayLuckyDip")->isEnabled());
    EXPECT_TRUE(action("FileNotes")->isEnabled());
    EXPECT_TRUE(action("FileExit")->isEnabled());
    // The picture keeps its tip but does nothing.
    EXPECT_FALSE(w.ItemAvailable(Vantrel::PictureItem(10)));
    EXPECT_EQ(child<QLabel>("Image1_10")->toolTip(), " Lucky dip pick ");
    w.Image1_Click(10);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(MainWindowTest, ShowMyEntriesWithoutSavedEntriesSaysOops)
{
    bool opened = false;
    RegisterWindow("DatabaseCheck", [&opened](QWidget*) { opened = true; });
    start();
    action("DatabaseViewCheck")->trigger();
    EXPECT_FALSE(opened);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "You do not have any stored lottery entries!");
    EXPECT_EQ(boxes()[0].title, "Oops!  ");
    EXPECT_EQ(boxes()[0].icon(), int(vbExclamation));
    RegisterWindow("DatabaseCheck", {});
}

TEST_F(MainWindowTest, OnlyWebAddressesAreOpened)
{
    QStringList lines = settingsWith(31, "file:///etc/passwd");
    lines[31] = "http://example.org/a b\" & rm -rf ~";
    writeLines("vantrel.ini", lines);
    Vantrel& w = start();
    w.LinksLink_Click(1);
    w.LinksLink_Click(2);
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_EQ(boxes().size(), 2u);
    w.LinksLink_Click(0);
    EXPECT_EQ(opened_, QStringList(Settings[30]));
}

TEST_F(MainWindowTest, HoverBorderFollowsTheMouse)
{
    start();
    auto* p3 = child<QLabel>("Image1_3");
    auto* p4 = child<QLabel>("Image1_4");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(p3, &enter);
    EXPECT_NE(p3->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(p4->frameShape(), QFrame::NoFrame);
    QApplication::sendEvent(p4, &enter);
    EXPECT_EQ(p3->frameShape(), QFrame::NoFrame);
    EXPECT_NE(p4->frameShape(), QFrame::NoFrame);
    QMouseEvent move(QEvent::MouseMove, QPointF(400, 10), QPointF(400, 10), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(child<QLabel>("Label1"), &move);
    EXPECT_EQ(p4->frameShape(), QFrame::NoFrame);
}
