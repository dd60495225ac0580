// The create, open, delete and manager windows.

#include "app/MenuItems.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "platform/Dates.h"
#include "platform/ui/Colours.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/NewSyndicate.h"
#include "syndicates/ui/SManager.h"
#include "syndicates/ui/SyndicateChoice.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <unistd.h>

namespace {
class SyndicateWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeFile("vantrel.ini", "");
        SetClockForTests(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        ProgramFolderTest::TearDown();
    }
    static QString row(const QStringList& fields)
    {
        QStringList quoted;
        for (int f = 0; f < kSyndicateFields; ++f)
            quoted << '"' + fields.value(f) + '"';
        return quoted.join(',');
    }
    // Syndicate 000 open, named "Club" with manager "Ann", and its diary.
    void openClub(const QStringList& diary = {})
    {
        writeLines("SMembers.000",
                   {row({"Ann", "1 High St", "", "", "", "0113", "ann@example.org", "", "", "", "Club"})});
        if (!diary.isEmpty())
            writeLines("Diary.000", diary);
        Settings.set(SyndicateFile, "SMembers.000");
        LoadSyndicate();
    }
    // Makes a cell current as the player's click does.
    static void select(SManager& w, int r, int c)
    {
        w.MSFlexGrid1->setRow(r);
        w.MSFlexGrid1->setCol(c);
        w.MSFlexGrid1_Click();
    }
    static void enter(SManager& w, const QString& typed)
    {
        w.Text2->clear();
        QTest::keyClicks(w.Text2, typed);
        w.Command2->click();
    }
    static QColor fore(SManager& w, int r, int c) { return w.MSFlexGrid1->cellForeColor(r, c); }
};
} // namespace

TEST_F(SyndicateWindows, CreateTakesTheFirstFreeNumber)
{
    NewSyndicate w;
    w.Load();
    w.Text1[7]->setText("   ");
    w.Text1[0]->setText("Ann");
    answer(vbOK);
    w.Command1->click();
    EXPECT_EQ(lastBoxText(), "Cannot create a syndicate without    \r\na manager and a syndicate name...    ");
    EXPECT_FALSE(exists("SMembers.000"));

    writeFile("SMembers.000", ""); // which number is free: SyndicateFileTest
    w.Text1[7]->setText(" Friday Club ");
    answer(vbOK);
    w.Command1->click();
    EXPECT_EQ(lastBoxText(), " Syndicate created...      \r\n Syndicate opened...      ");
    EXPECT_EQ(lastBox().title, "New syndicate");
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.001");
    EXPECT_TRUE(
        readFile("SMembers.001").startsWith("\"Ann\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"Friday Club\""));

    for (int n = 0; n < 100; ++n)
        writeFile(MembersFileName(n), "");
    NewSyndicate full;
    full.Load();
    full.Text1[7]->setText("More");
    full.Text1[0]->setText("Bob");
    answer(vbOK);
    full.Command1->click();
    EXPECT_EQ(lastBox().title, "Sorry!");
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.001");
}

TEST_F(SyndicateWindows, OpenAndDeleteListSyndicatesByName)
{
    writeLines("SMembers.000", {row({"Ann", "", "", "", "", "", "", "", "", "", "Club, Leeds"})});
    writeLines("SMembers.003", {row({"Bob", "", "", "", "", "", "", "", "", "", "Office"})});
    writeLines("SMembers.120", {row({"Cy", "", "", "", "", "", "", "", "", "", "Never listed"})});
    writeFile("Diary.003", "\"x\"");

    LoadedWindow<OpenSyndicate> open;
    ASSERT_EQ(open.List1->count(), 2);
    EXPECT_EQ(open.List1->item(0)->text(), "Club, Leeds");
    EXPECT_FALSE(open.List2->isVisibleTo(&open));
    open.Command2->click(); // nothing chosen: nothing happens
    EXPECT_EQ(Settings[SyndicateFile], "");
    open.List1->setCurrentRow(1);
    open.Command2->click();
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.003");
    EXPECT_TRUE(readFile("vantrel.ini").contains("SMembers.003"));
    LoadSyndicate();

    LoadedWindow<DeleteSyndicate> del;
    del.List1->setCurrentRow(1);
    answer(vbNo);
    del.Command2->click();
    EXPECT_TRUE(exists("SMembers.003"));
    answer(vbYes);
    del.Command2->click();
    EXPECT_EQ(lastBox().text, "Are you sure?    ");
    EXPECT_EQ(lastBox().title, "Delete");
    EXPECT_FALSE(exists("SMembers.003"));
    EXPECT_FALSE(exists("Diary.003"));
    EXPECT_EQ(Settings[SyndicateFile], "");
    EXPECT_EQ(Syndicate[0][NameField], "");
}

// Opened as the program opens it, the diary covers neither Total nor its box.
TEST_F(SyndicateWindows, ManagerOpensWithRoomForEveryControl)
{
    openClub();
    SManager w;
    w.Load();
    OpenAndLook(&w, [&w] {
        const QRect grid(w.MSFlexGrid1->mapTo(&w, QPoint()), w.MSFlexGrid1->size());
        for (QWidget* below : {static_cast<QWidget*>(w.Command7), static_cast<QWidget*>(w.Text3)}) {
            const QRect at(below->mapTo(&w, QPoint()), below->size());
            EXPECT_FALSE(grid.intersects(at))
                << below->objectName().toStdString() << " at " << at.y() << ", grid ends at " << grid.bottom();
        }
    });
}

TEST_F(SyndicateWindows, DiaryAmountsInAUKLocale)
{
    openClub();
    SManager w;
    w.Load();
    EXPECT_EQ(w.Text1[7]->text(), "Club");
    EXPECT_EQ(w.Text3->text(), "£0.00");
    EXPECT_FALSE(w.Changed);

    select(w, 1, 0);
    EXPECT_TRUE(w.DTPicker1->isVisibleTo(&w));
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2026, 12, 9));
    w.DTPicker1->setValue(QDate(2026, 3, 5));
    w.Command2->click();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "05-Mar-2026");
    EXPECT_EQ(w.MSFlexGrid1->Col(), 1);
    enter(w, "10x"); // letters are refused in the number columns
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "10");
    enter(w, "12.5");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 2), "£12.50");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 4), "-£12.50");
    EXPECT_EQ(fore(w, 1, 4), ToQColor(160));
    EXPECT_EQ(w.Text3->text(), "-£12.50");
    EXPECT_EQ(w.MSFlexGrid1->Col(), 3); // on to Won, loaded into the editor
    enter(w, "1,500");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 3), "£1,500.00");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 4), "£1,487.50");
    EXPECT_EQ(fore(w, 1, 4), ToQColor(0));
    w.Command2->click(); // Balance: recomputed
    enter(w, "Say \"well done\"");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 5), "Say 'well done'");
    EXPECT_EQ(w.MSFlexGrid1->Row(), 2);
    EXPECT_EQ(w.MSFlexGrid1->Col(), 0);

    // A typo is refused with the bad-input message, and nothing changes.
    select(w, 2, 2);
    answer(vbOK);
    enter(w, "1.2.3");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 2), "");

    // Selecting an amount puts it in the editor without its sign.
    select(w, 1, 3);
    EXPECT_EQ(w.Text2->text(), "1,500.00");
    EXPECT_TRUE(w.Changed);
    w.Command1->click();
    EXPECT_EQ(readFile("Diary.000"),
              "\"05-Mar-2026\",\"10\",\"£12.50\",\"£1,500.00\",\"£1,487.50\",\"Say 'well done'\"\r\n");

    SManager again;
    again.Load();
    EXPECT_EQ(again.MSFlexGrid1->TextMatrix(1, 3), "£1,500.00");
    EXPECT_EQ(again.Text3->text(), "£1,487.50");
}

TEST_F(SyndicateWindows, DiaryAmountsInADecimalCommaLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    openClub({"\"05-Mar-2026\",\"2\",\"2,50 €\",\"1.500,00 €\",\"\",\"\""});
    SManager w;
    w.Load();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 3), "1.500,00\u00A0€");
    EXPECT_EQ(w.Text3->text(), "0,00\u00A0€"); // no balance entered yet
    select(w, 1, 2);
    EXPECT_EQ(w.Text2->text(), "2,50");
    enter(w, "12,5");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 2), "12,50\u00A0€");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 4), "1.487,50\u00A0€");
    EXPECT_EQ(w.Text3->text(), "1.487,50\u00A0€");
}

TEST_F(SyndicateWindows, UnreadableCellsAreShownAndKept)
{
    openClub({"\"05-Mar-2026\",\"1\",\"£2.00\",\"\",\"-£2.00\",\"first\"",
              "\"\",\"\",\"\",\"\",\"\",\"\"", // an empty row between records
              "\"31-Foo-2026\",\"1\",\"£1.5x\",\"£3.00\",\"£1.50\",\"typo\"",
              "\"07-Mar-2026\",\"\",\"\",\"\",\"lots\",\"bad balance\"",
              "\"05-Mar-1850\",\"\",\"\",\"\",\"\",\"before the picker's dates\""});
    SManager w;
    answer(vbOK); // said once, naming the first line
    w.Load();
    EXPECT_TRUE(lastBoxText().startsWith("Line 3 of the diary file Diary.000 could not be read."))
        << lastBoxText().toStdString();
    EXPECT_EQ(fore(w, 1, 4), ToQColor(160));
    EXPECT_TRUE(w.CellIsError(3, 0));
    EXPECT_TRUE(w.CellIsError(3, 2));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 2), "£1.5x");
    EXPECT_EQ(w.MSFlexGrid1->cellBackColor(3, 2), ToQColor(0xC0C0FF));
    EXPECT_EQ(w.Text3->text(), "Error"); // never a total that leaves a row out

    // The unreadable date shows no date, and Enter leaves it as it is.
    select(w, 3, 0);
    EXPECT_FALSE(w.DTPicker1->Value().isValid());
    w.Command2->click();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 0), "31-Foo-2026");
    select(w, 5, 0);
    EXPECT_FALSE(w.DTPicker1->Value().isValid());
    // Entering Won keeps the Balance of a row whose Cost cannot be read.
    select(w, 3, 3);
    enter(w, "4");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 4), "£1.50");

    w.Command1->click();
    const QStringList lines = readFile("Diary.000").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4); // every record, the empty row dropped
    EXPECT_EQ(lines[1], "\"31-Foo-2026\",\"1\",\"£1.5x\",\"£4.00\",\"£1.50\",\"typo\"");
    EXPECT_EQ(lines[2], "\"07-Mar-2026\",\"\",\"\",\"\",\"lots\",\"bad balance\"");
}

TEST_F(SyndicateWindows, ADiaryOfAnotherCurrencyFormOrWithABrokenLineIsSaidSo)
{
    // Written where pounds are the currency, opened where euros are.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    openClub({"\"05-Mar-2026\",\"2\",\"£2.50\",\"£1,500.00\",\"£1,497.50\",\"\"",
              "\"06-Mar-2026\",\"2\",\"£2.50\",\"\",\"-£2.50\",\"\""});
    {
        SManager w;
        answer(vbOK);
        w.Load();
        EXPECT_EQ(boxes().size(), 1u);
        EXPECT_TRUE(lastBoxText().contains("Diary.000 was written with another currency form"))
            << lastBoxText().toStdString();
        EXPECT_TRUE(lastBoxText().contains("(line 1: £2.50)")) << lastBoxText().toStdString();
    }

    // A line that does not hold one record would shift every record after
    // it: the file is kept as it is.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    writeLines("Diary.000", {"\"05-Mar-2026\",\"2\",\"£2.50\",\"\",\"-£2.50\",\"\"", "\"a\",\"b\""});
    const QByteArray before = readBytes("Diary.000");
    SManager w;
    answer(vbOK);
    w.Load();
    EXPECT_TRUE(lastBoxText().startsWith("Line 2 of the diary file Diary.000 could not be read."))
        << lastBoxText().toStdString();
    w.Text1[1]->setText("2 High St");
    answer(vbOK);
    w.Command1->click();
    EXPECT_TRUE(lastBoxText().startsWith("The file Diary.000 could not be read")) << lastBoxText().toStdString();
    EXPECT_EQ(readBytes("Diary.000"), before);
    EXPECT_EQ(Syndicate[0][AddressField], "1 High St"); // nothing saved
}

TEST_F(SyndicateWindows, DiaryAmountsNotEditedAreWrittenBackAsRead)
{
    const QString first = R"("01-Mar-2026","3","1500","12.5","-1487.5","by hand")";
    const QString second = R"("02-Mar-2026","1","2.345","","-2.345","three decimals")";
    openClub({first, second});
    const QByteArray before = readBytes("Diary.000");
    LoadedWindow<SManager> unedited;
    EXPECT_EQ(unedited.MSFlexGrid1->TextMatrix(1, 2), "£1,500.00"); // shown in the locale's form
    unedited.Command1->click();
    EXPECT_EQ(readBytes("Diary.000"), before);

    // The notes of the first record and the cost of the second edited, then
    // the second moved up: only what was edited, and what follows from it,
    // is written in the locale's form.
    LoadedWindow<SManager> w;
    select(w, 1, 5);
    enter(w, "edited");
    select(w, 2, 2);
    enter(w, "3");
    select(w, 2, 1);
    w.Command5->click();
    w.Command1->click();
    EXPECT_EQ(readFile("Diary.000"),
              R"("02-Mar-2026","1","£3.00","","-£3.00","three decimals")"
              "\r\n"
              R"("01-Mar-2026","3","1500","12.5","-1487.5","edited")"
              "\r\n");
}

TEST_F(SyndicateWindows, AChoiceThatCannotBeSavedIsSaidSoWithTheReason)
{
    openClub();
    writeLines("SMembers.001", {row({"Bob", "", "", "", "", "", "", "", "", "", "Office"})});
    // A folder in the settings file's place: it cannot be written.
    ASSERT_TRUE(QFile::remove(path("vantrel.ini")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("vantrel.ini"));
    const struct {
        const char* what;
        std::function<void()> choose;
        int boxes; // before the one that says so
    } cases[] = {
        {"open",
         [] {
             LoadedWindow<OpenSyndicate> w;
             w.List1->setCurrentRow(1);
             w.Command2->click();
         },
         0},
        {"create",
         [] {
             LoadedWindow<NewSyndicate> w;
             w.Text1[7]->setText("New");
             w.Text1[0]->setText("Cy");
             w.Command1->click();
         },
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t shown = boxes().size();
        for (int i = 0; i <= c.boxes; ++i)
            answer(vbOK);
        c.choose();
        ASSERT_EQ(boxes().size(), shown + c.boxes + 1);
        EXPECT_TRUE(lastBoxText().contains("vantrel.ini could not be written: ")) << lastBoxText().toStdString();
        EXPECT_EQ(lastBox().title, "Error!");
    }
}

TEST_F(SyndicateWindows, RowButtonsMoveAndDeleteEveryRecord)
{
    openClub({"\"01-Mar-2026\",\"1\",\"£1.00\",\"\",\"-£1.00\",\"a\"",
              "\"02-Mar-2026\",\"2\",\"£2.00\",\"\",\"-£2.00\",\"b\"", "\"\",\"\",\"\",\"\",\"\",\"\"",
              "\"04-Mar-2026\",\"4\",\"£4.00\",\"\",\"-£4.00\",\"d\""});
    SManager w;
    w.Load();
    EXPECT_EQ(w.Text3->text(), "-£7.00");
    select(w, 1, 1);
    w.Command5->click(); // up in row 1: nothing
    w.Command6->click();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 5), "a");
    EXPECT_EQ(w.MSFlexGrid1->Row(), 2);
    select(w, 1, 1);
    w.Command4->click(); // deletes "b"; the rows below, past the gap, move up
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 5), "a");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 5), "d");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(4, 5), "");
    EXPECT_EQ(w.Text3->text(), "-£5.00");
    select(w, 999, 1);
    w.Command4->click();
    w.Command6->click();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 5), "d");
}

TEST_F(SyndicateWindows, RowButtonsThatMoveOrDeleteARecordAreChangesToWarnAbout)
{
    struct Case {
        const char* what;
        int row;
        QPushButton* SManager::*button;
        bool changes;
    };
    const Case cases[] = {
        {"down", 1, &SManager::Command6, true},
        {"up", 2, &SManager::Command5, true},
        {"delete a record", 1, &SManager::Command4, true},
        {"delete the gap above a record", 3, &SManager::Command4, true},
        {"up in row 1", 1, &SManager::Command5, false},
        {"down onto an empty row", 4, &SManager::Command6, false},
        {"delete below the records", 6, &SManager::Command4, false},
    };
    for (const Case& c : cases) {
        openClub({"\"01-Mar-2026\",\"1\",\"\",\"\",\"\",\"a\"", "\"02-Mar-2026\",\"2\",\"\",\"\",\"\",\"b\"",
                  "\"\",\"\",\"\",\"\",\"\",\"\"", "\"04-Mar-2026\",\"4\",\"\",\"\",\"\",\"d\""});
        SManager w;
        w.Load();
        w.show();
        select(w, c.row, 1);
        (w.*c.button)->click();
        EXPECT_EQ(w.Changed, c.changes) << c.what;
        if (c.changes)
            answer(vbCancel);
        w.Command3->click(); // Close asks only after a change
        EXPECT_EQ(w.isVisible(), c.changes) << c.what;
    }
}

TEST_F(SyndicateWindows, CloseWarnsAboutUnsavedChanges)
{
    openClub();
    SManager w;
    w.Load();
    w.show();
    w.Command3->click(); // nothing changed: no warning
    EXPECT_FALSE(w.isVisible());

    w.show();
    QTest::keyClicks(w.Text1[5], "9");
    EXPECT_TRUE(w.Changed);
    answer(vbCancel);
    w.Command3->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(lastBox().title, "Warning!");
    answer(vbCancel);
    QTest::keyClick(&w, Qt::Key_Escape); // Escape asks as Close does
    EXPECT_TRUE(w.isVisible());
    answer(vbOK);
    w.Command3->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Syndicate[0][PhoneField], "0113"); // nothing reached the table
}

TEST_F(SyndicateWindows, ASaveThatFailsSaysSoAndKeepsEverything)
{
    const QString record = "\"01-Mar-2026\",\"1\",\"£1.00\",\"\",\"-£1.00\",\"a\"";
    openClub({record});
    SManager w;
    w.Load();
    w.show();
    w.Text1[5]->setText("0113 496 0000");
    select(w, 1, 5);
    enter(w, "changed");
    auto saveFails = [&] {
        answer(vbOK);
        w.Command1->click();
        EXPECT_EQ(lastBox().title, "Error!");
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.Changed);
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 5), "changed");
    };
    // The diary cannot be written where its file should go.
    QFile::remove(path("Diary.000"));
    ASSERT_TRUE(QDir(dir_.path()).mkpath("Diary.000/x"));
    saveFails();
    // The members file was written before the diary: the message says so.
    EXPECT_TRUE(lastBoxText().contains("Diary.000"));
    EXPECT_TRUE(lastBoxText().contains("were saved in SMembers.000")) << lastBoxText().toStdString();
    EXPECT_FALSE(lastBoxText().contains("Nothing was saved"));
    ASSERT_TRUE(QDir(path("Diary.000")).removeRecursively());
    writeLines("Diary.000", {record});

    // Without a manager's name nothing is saved.
    const QByteArray members = readBytes("SMembers.000");
    const QByteArray diary = readBytes("Diary.000");
    w.Text1[0]->setText(" ");
    answer(vbOK);
    w.Command1->click();
    EXPECT_EQ(lastBoxText(), "Cannot have a syndicate without    \r\na manager and a syndicate name...  ");
    EXPECT_EQ(readBytes("SMembers.000"), members);

    if (::geteuid() != 0) { // the superuser writes to a read-only folder
        w.Text1[0]->setText("Ann");
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        saveFails();
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(readBytes("SMembers.000"), members);
        EXPECT_EQ(readBytes("Diary.000"), diary);
    }
    answer(vbOK); // the warning on the way out
    w.Command3->click();
}

TEST_F(SyndicateWindows, SaveWritesTheManagersUntouchedFieldsBackAsRead)
{
    const QString address = "Flat 12, The Old Mill House, 1234 Long Street"; // 46 characters
    const QString email = QString(60, 'a') + "@example.org";                 // 72 characters
    QStringList lines = {row({"Ann \"Nan\" Lee", address, "", "", "", "0113", email, "", "", "", "Club"})};
    while (lines.size() < kSyndicateFileRows)
        lines << row({});
    writeLines("SMembers.000", lines);
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    const QByteArray before = readBytes("SMembers.000");
    LoadedWindow<SManager> w;
    w.Command1->click();
    EXPECT_EQ(readBytes("SMembers.000"), before);

    // A field the player edits is written as the box holds it; the others as read.
    LoadedWindow<SManager> edited;
    edited.Text1[5]->clear();
    QTest::keyClicks(edited.Text1[5], "0113 \"496\"");
    edited.Command1->click();
    EXPECT_EQ(Syndicate[0][PhoneField], "0113 '496'");
    EXPECT_EQ(Syndicate[0][AddressField], address);
    EXPECT_EQ(Syndicate[0][EmailField], email);
    EXPECT_EQ(Syndicate[0][NameField], "Ann \"Nan\" Lee");
}

TEST_F(SyndicateWindows, PrintShowsTheManagersDetailsAsStoredOrAsEdited)
{
    const QString address = "Flat 12, The Old Mill House, 1234 Long Street";
    const QString email = QString(60, 'a') + "@example.org";
    writeLines("SMembers.000", {row({"Ann \"Nan\" Lee", address, "", "", "", "0113", email, "", "", "", "Club"})});
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    SetModalHook([](QDialog* d) {
        auto* options = d->findChild<QPushButton*>("Command6");
        if (QString(d->metaObject()->className()) != "PrintFrm" || !options)
            return Harness::UnexpectedWindow(d);
        d->show();
        options->click();
        return d->result();
    });
    LoadedWindow<SManager> w;
    enter(w, "5");
    w.Text1[5]->setText("0113 496");
    w.Command8->click();
    ASSERT_TRUE(exists("printout.pdf"));
    const QString printed = PdfLayoutText(path("printout.pdf")).simplified();
    for (const QString& text : {address, email, QString("Ann \"Nan\" Lee"), QString("0113 496")})
        EXPECT_TRUE(printed.contains(text)) << text.toStdString();
}

TEST_F(SyndicateWindows, TheMainWindowFollowsCreateAndDelete)
{
    RegisterAllWindows();
    LoadedWindow<Vantrel> main;
    QAction* manager = main.Item(MenuItem::SyndicateManager);
    EXPECT_FALSE(manager->isEnabled());
    SetModalHook([](QDialog* d) {
        if (auto* create = qobject_cast<NewSyndicate*>(d)) {
            create->Text1[7]->setText("Club");
            create->Text1[0]->setText("Ann");
            create->Command1->click();
        } else if (auto* del = qobject_cast<DeleteSyndicate*>(d)) {
            del->List1->setCurrentRow(0);
            del->Command2->click();
        } else {
            return Harness::UnexpectedWindow(d);
        }
        return int(QDialog::Accepted);
    });
    answer(vbOK);
    main.Item(MenuItem::SyndicateNew)->trigger();
    EXPECT_EQ(main.findChild<QLabel*>("Label3")->text(), "Club");
    EXPECT_EQ(main.findChild<QLabel*>("Label6")->text(), "Ann");
    EXPECT_TRUE(manager->isEnabled());
    // The settings file names it at once: reading it again keeps it open.
    LoadSettings();
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.000");

    answer(vbYes);
    main.Item(MenuItem::SyndicatesDelete)->trigger();
    EXPECT_EQ(main.findChild<QLabel*>("Label3")->text(), "");
    EXPECT_FALSE(manager->isEnabled());
    EXPECT_FALSE(exists("SMembers.000"));
}
