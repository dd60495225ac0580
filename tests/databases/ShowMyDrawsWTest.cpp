#include "databases/SavedEntries.h"
#include "databases/WhatIfRule.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "databases/ui/WhatIf.h"
#include "generators/Entries.h"
#include "generators/Tips.h"
#include "platform/ui/DatePicker.h"
#include "platform/Dates.h"
#include "platform/ui/FlexGrid.h"
#include "printing/ui/PrintFrm.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kLightRed(255, 192, 192);
} // namespace

class ShowMyDrawsWTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt",
                   DatabaseLines("UK Lotto", "6,49,0,0,1",
                                 {"12-Mar-2005,1,2,3,4,5,6,0,7", "09-Mar-2005,3,11,20,30,38,40,0,45"}));
        writeLines("dbase069.txt", DatabaseLines("US Powerball", "5,69,0,26,0", {"09 Mar 05,5,10,33,44,55,,,7"}));
    }
    void click(ShowMyDrawsW& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }
    void edit(ShowMyDrawsW& w, int row, int col, const QString& text)
    {
        w.MSFlexGrid1->setRow(row);
        w.MSFlexGrid1->setCol(col);
        w.MSFlexGrid1_Click();
        w.Text1->setText(text);
        click(w, "Command10");
    }
    QStringList fileLines() { return readFile(kSavedEntriesFile).split("\r\n", Qt::SkipEmptyParts); }
    const QString uk = "09 Mar 05,3,11,19,27,38,45,,,UK Lotto,,dbase100.txt";
    const QString bob = "09-Mar-2005,5,10,15,20,25,,,7,US Powerball,Bob,dbase069.txt";
};

TEST_F(ShowMyDrawsWTest, CheckColoursTheMatchesAndWritesTheReport)
{
    writeLines(kSavedEntriesFile,
               {uk, bob, "13 Mar 05,1,2,3,4,5,6,,,UK Lotto,,dbase100.txt", "09 Mar 05,1,2,3,4,5,6,,,Gone,,dbase5.txt"});
    LoadedWindow<ShowMyDrawsW> w;
    FlexGrid* g = w.MSFlexGrid1;
    ASSERT_EQ(g->TextMatrix(2, 10), "Bob");
    EXPECT_FALSE(w.Label3->isVisibleTo(&w));
    click(w, "Command2");
    EXPECT_TRUE(w.Label3->isVisibleTo(&w));
    EXPECT_EQ(g->cellBackColor(1, 1), kYellow);
    EXPECT_EQ(g->cellBackColor(1, 3), kWhite);
    EXPECT_EQ(g->cellBackColor(1, 6), kLightRed);
    EXPECT_EQ(g->cellBackColor(2, 8), kLightRed);
    EXPECT_EQ(g->cellBackColor(2, 2), kYellow);
    EXPECT_EQ(w.MatchCounts[13], 1);
    EXPECT_EQ(w.MatchCounts[12], 1);
    const QString report = w.Text2->toPlainText();
    EXPECT_TRUE(report.startsWith(" 7-match = 0 times\n"));
    EXPECT_TRUE(report.contains("\n 6-match+bonus/pball = 0 times\n 5-match+bonus/pball = 0 times\n"
                                " 4-match+bonus/pball = 0 times\n 3-match+bonus/pball = 1 times\n"
                                " 2-match+bonus/pball = 1 times\n"));
    EXPECT_TRUE(report.endsWith("\n\nEntries not checked: 1 (database file missing or date not readable)\n"
                                "Entries not checked: 1 (no draw on their date)\n"));

    // A sort moves texts and resets every colour; the next check paints afresh.
    click(w, "Command3");
    EXPECT_EQ(g->TextMatrix(4, 10), "Bob");
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= kExtraBallColumn; ++c)
            EXPECT_EQ(g->cellBackColor(r, c), kWhite) << r << "," << c;
    click(w, "Command2");
    EXPECT_EQ(g->cellBackColor(4, 8), kLightRed);
    EXPECT_EQ(w.MatchCounts[12], 1);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ShowMyDrawsWTest, TheCheckLetsEventsRunAndACloseMeanwhileStopsItFirst)
{
    writeLines(kSavedEntriesFile, {uk, bob});
    LoadedWindow<ShowMyDrawsW> w;
    w.Changed = true;
    bool ranDuringCheck = false;
    QTimer::singleShot(0, &w, [&] {
        ranDuringCheck = Busy;
        // Another command is kept out meanwhile, then the close box is clicked.
        w.MSFlexGrid1->setRow(1);
        w.MSFlexGrid1->setCol(1);
        w.Text1->setText("7");
        w.Command10_Click();
        w.Command2_Click();
        w.reject();
    });
    answer(vbYes); // "Close without saving changes?", asked once the check has stopped
    click(w, "Command2");
    EXPECT_TRUE(ranDuringCheck);
    EXPECT_EQ(lastBoxText(), "Close without saving changes?    ");
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(Busy);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "3");
    EXPECT_EQ(w.MSFlexGrid1->cellBackColor(1, 1), kWhite);
    EXPECT_EQ(w.MatchCounts, (std::array<int, 21>{}));
}

TEST_F(ShowMyDrawsWTest, EditsAreCheckedAgainstTheRowsLottery)
{
    writeLines(kSavedEntriesFile, {uk, bob});
    LoadedWindow<ShowMyDrawsW> w;
    FlexGrid* g = w.MSFlexGrid1;
    EXPECT_FALSE(w.Changed);
    answer(vbOK);
    edit(w, 1, 1, "50");
    EXPECT_EQ(lastBoxText(), "Number out of range!  ");
    edit(w, 2, 1, "69"); // in the Powerball row's range
    EXPECT_EQ(g->TextMatrix(2, 1), "69");
    answer(vbOK);
    edit(w, 1, 2, "3"); // already in the entry
    EXPECT_EQ(lastBoxText(), TipText(6));
    EXPECT_EQ(g->TextMatrix(1, 2), "11");
    answer(vbOK);
    edit(w, 1, 11, "../../etc/passwd");
    EXPECT_EQ(lastBoxText(), "Can't change lotteries!  ");
    const auto boxCount = boxes().size();
    edit(w, 1, 0, "16 Mar 05");
    edit(w, 2, 10, "  Ann, Bob ");
    EXPECT_EQ(boxes().size(), boxCount);
    EXPECT_TRUE(w.Changed);
    click(w, "Command13");
    EXPECT_FALSE(w.Changed);
    EXPECT_EQ(fileLines(),
              QStringList({"16 Mar 05,3,11,19,27,38,45,,,UK Lotto,,dbase100.txt",
                           "09-Mar-2005,69,10,15,20,25,,,7,US Powerball,Ann; Bob,dbase069.txt"}));

    // Dates of this row and of all rows take the picker's date in the medium form.
    w.DTPicker1->setValue(QDate(2005, 3, 19));
    g->setRow(2);
    click(w, "Command8");
    EXPECT_EQ(g->TextMatrix(2, 0), "19-Mar-2005");
    EXPECT_EQ(g->TextMatrix(1, 0), "16 Mar 05");
    w.DTPicker1->setValue(QDate(2005, 3, 23));
    click(w, "Command12");
    EXPECT_EQ(g->TextMatrix(1, 0), "23-Mar-2005");
    EXPECT_EQ(g->TextMatrix(2, 0), "23-Mar-2005");
}

TEST_F(ShowMyDrawsWTest, DeletingAndClosing)
{
    SetClockForTests(QDateTime(QDate(2005, 3, 8), QTime(12, 0)));
    writeLines(kSavedEntriesFile,
               {"07 Mar 05,1,2,3,4,5,6,,,UK Lotto,,dbase100.txt", "08-Mar-2005,1,2,3,4,5,6,,,UK Lotto,,dbase100.txt",
                "broken line"});
    {
        answer(vbOK); // the line that is no entry is named
        LoadedWindow<ShowMyDrawsW> w;
        answer(vbOK);
        click(w, "Command4");
        EXPECT_EQ(lastBox().text, "Delete all lottery entries    \n\rthat are older than today?    ");
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "08-Mar-2005");
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 0), "");
        // Closing with changes asks; No keeps the window, also from the close box.
        answer(vbNo);
        click(w, "Command1");
        EXPECT_EQ(lastBoxText(), "Close without saving changes?    ");
        EXPECT_EQ(w.result(), 0);
        answer(vbNo);
        w.reject();
        EXPECT_EQ(lastBoxText(), "Close without saving changes?    ");
        // The window's close box asks too, and No keeps it open.
        w.show();
        const auto asked = boxes().size();
        answer(vbNo);
        w.close();
        EXPECT_EQ(boxes().size(), asked + 1);
        EXPECT_TRUE(w.isVisible());
        // Deleting the last entry and saving keeps the line that is no entry.
        w.MSFlexGrid1->setRow(1);
        answer(vbOK);
        click(w, "Command7");
        EXPECT_EQ(lastBoxText(), "Delete this lottery entry?   ");
        click(w, "Command13");
        EXPECT_EQ(fileLines(), QStringList({"broken line"}));
        const auto count = boxes().size();
        click(w, "Command1");
        EXPECT_EQ(boxes().size(), count);
    }
    {
        answer(vbOK);
        LoadedWindow<ShowMyDrawsW> w;
        answer(vbCancel);
        click(w, "Command9");
        EXPECT_TRUE(exists(kSavedEntriesFile));
        answer(vbOK);
        answer(vbOK); // nothing left to show
        click(w, "Command9");
        EXPECT_FALSE(exists(kSavedEntriesFile));
        EXPECT_EQ(lastBoxText(), "All entries deleted. Nothing to show!  ");
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
}

TEST_F(ShowMyDrawsWTest, PrintOffersTheEntriesAndReturnsToTheFirstCell)
{
    writeLines(kSavedEntriesFile, {uk, bob});
    LoadedWindow<ShowMyDrawsW> w;
    QString lines;
    SetModalHook([&](QDialog* dialog) {
        auto* options = qobject_cast<PrintFrm*>(dialog);
        if (!options)
            return Harness::UnexpectedWindow(dialog);
        lines = options->Text2->text();
        options->Command1->click(); // Cancel
        return int(QDialog::Rejected);
    });
    w.MSFlexGrid1->setRow(2);
    w.MSFlexGrid1->setCol(5);
    click(w, "Command5");
    EXPECT_EQ(lines, "2");
    EXPECT_EQ(w.MSFlexGrid1->Row(), 1);
    EXPECT_EQ(w.MSFlexGrid1->Col(), 1);
    EXPECT_EQ(w.Text1->text(), "3");
}

TEST_F(ShowMyDrawsWTest, AQuotedNameWithACommaIsShownCheckedAndWrittenBackAsItWas)
{
    const QString quoted = "09 Mar 05,3,11,19,27,38,45,,,UK Lotto,\"Smith, Ann\",dbase100.txt";
    writeLines(kSavedEntriesFile, {quoted, bob});
    LoadedWindow<ShowMyDrawsW> w;
    FlexGrid* g = w.MSFlexGrid1;
    ASSERT_EQ(g->TextMatrix(1, 10), "Smith, Ann");
    EXPECT_EQ(g->TextMatrix(1, 11), "dbase100.txt");
    EXPECT_EQ(g->TextMatrix(2, 10), "Bob");
    click(w, "Command2"); // the quoted row's file is found
    EXPECT_EQ(w.MatchCounts[13], 1);
    EXPECT_FALSE(w.Text2->toPlainText().contains("not checked"));

    edit(w, 2, 1, "69");
    click(w, "Command13");
    EXPECT_EQ(fileLines(), QStringList({quoted, "09-Mar-2005,69,10,15,20,25,,,7,US Powerball,Bob,dbase069.txt"}));
}

TEST_F(ShowMyDrawsWTest, LinesThatCannotBeShownAreCountedOnceAndKept)
{
    const QString eleven = "09 Mar 05,1,2,3,4,5,6,,UK Lotto,,dbase100.txt";
    const QString thirteen = "09 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann, Bob,dbase100.txt";
    writeLines(kSavedEntriesFile, {uk, eleven, bob, thirteen});
    answer(vbOK);
    LoadedWindow<ShowMyDrawsW> w;
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(lastBoxText(),
              "Lines of ReVadirav.txt that could not be read: 2. They are not shown, and stay in the "
              "file as they are.  ");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 10), "Bob");
    click(w, "Command2");
    click(w, "Command13");
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(fileLines(), QStringList({uk, bob, eleven, thirteen}));
}

TEST_F(ShowMyDrawsWTest, AUtf16FileIsNamedOnceAndNeitherWrittenOverNorAddedTo)
{
    // Saved by an editor as UTF-16 or UTF-32 with its byte-order mark, in
    // either order, or as UTF-16 without one.
    const struct {
        QStringConverter::Encoding encoding;
        bool marked;
    } cases[] = {{QStringConverter::Utf16LE, true},  {QStringConverter::Utf16BE, true},
                 {QStringConverter::Utf32LE, true},  {QStringConverter::Utf32BE, true},
                 {QStringConverter::Utf16LE, false}, {QStringConverter::Utf16BE, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.encoding)) + (c.marked ? " marked" : " unmarked"));
        const QString text = uk + "\r\n" + bob + "\r\n";
        if (c.marked)
            writeMarked(kSavedEntriesFile, text, c.encoding);
        else
            writeBytes(kSavedEntriesFile, QStringEncoder(c.encoding)(text));
        const QByteArray bytes = readBytes(kSavedEntriesFile);

        const std::size_t before = boxes().size();
        answer(vbOK);
        {
            LoadedWindow<ShowMyDrawsW> w;
            EXPECT_EQ(lastBoxText(),
                      "Your saved lottery entries could not be read from ReVadirav.txt: it is saved as "
                      "UTF-16 or UTF-32 text, which the program does not read. The file is left as it is.  ");
            EXPECT_TRUE(w.MSFlexGrid1->TextMatrix(1, 0).isEmpty());
            EXPECT_FALSE(w.findChild<QPushButton*>("Command13")->isEnabled());
        }
        EXPECT_EQ(boxes().size(), before + 1);
        // What if says so when asked to load the saved lines.
        answer(vbYes);
        answer(vbOK);
        {
            LoadedWindow<WhatIf> w;
            w.List1->setCurrentRow(0);
            EXPECT_EQ(lastBox().text, boxAt(before).text);
            EXPECT_TRUE(w.MSFlexGrid1->TextMatrix(1, 1).isEmpty());
        }
        EXPECT_EQ(boxes().size(), before + 3);
        // The other readers and the writers that add to it keep to the same rule.
        EXPECT_FALSE(SavedLinesOf("UK Lotto", 998));
        QString why;
        EXPECT_FALSE(AppendSavedEntries({ParseSavedEntry(uk)}, kSavedEntriesFile, &why));
        EXPECT_EQ(why, "it is saved as UTF-16 or UTF-32 text, which the program does not read");
        EXPECT_EQ(readBytes(kSavedEntriesFile), bytes);
    }
}
