// The generator frame, lucky dip and full selection, driven as the player
// would, and the save dialog they hand their lines to.
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "app/WindowCatalog.h"
#include "databases/ui/SaveEntries.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
#include "generators/HistoryIndex.h"
#include "generators/ui/PFullSel.h"
#include "generators/ui/PLuckyDip.h"
#include "core/ui/TipBox.h"
#include "generators/Tips.h"
#include "platform/Dates.h"
#include "platform/ui/FlexGrid.h"
#include "platform/Random.h"
#include "platform/ui/Shell.h"
#include "printing/ui/PrintSelection.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

class Generators : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Settings.set(OddEvenFilter, "1 Odd/Even filter");
        Settings.set(HighLowFilter, "1 High/Low filter");
        Settings.set(HistoryFilter, "1 History  filter");
        Settings.set(LongRunFilter, "3 Long Run filter");
    }
    // A 6/49 lottery with a few draws.
    void writeLotto(const QString& name = "UK Lotto", const QString& definition = "6,49,0,0,1",
                    const QStringList& draws = {"05 Mar 05,1,2,3,4,5,6,7", "02 Mar 05,10,20,30,40,45,49,1"})
    {
        writeLines("dbase100.txt", DatabaseLines(name, definition, draws));
    }
};

} // namespace

TEST_F(Generators, LuckyDipOpensWithFiveSortedLinesOfDifferentNumbers)
{
    writeLotto("US Powerball", "5,59,0,39,0", {"05 Mar 05,1,2,3,4,5,0,0,7"});
    PLuckyDip window;
    window.Load();
    EXPECT_EQ(window.windowTitle(), "Lucky Dip");
    EXPECT_EQ(window.Label4->text(), "5");
    EXPECT_EQ(window.MSFlexGrid1->Rows(), 35);
    EXPECT_EQ(GridCells(window.MSFlexGrid1, 0, 0),
              (QStringList{"Line", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Pball"}));
    EXPECT_EQ(window.MSFlexGrid1->cellForeColor(0, 8), QColor(160, 0, 0));
    EXPECT_TRUE(window.Label5->text().startsWith("Tries: 1   Time: "));
    EXPECT_FALSE(window.Label5->text().contains("comply"));
    ASSERT_EQ(ShownLines(window.MSFlexGrid1), 5);
    for (int r = 1; r <= 5; ++r) {
        const QStringList cells = GridCells(window.MSFlexGrid1, r, 0);
        EXPECT_EQ(cells[0], QString::number(r));
        EXPECT_EQ(cells.mid(6, 2), QStringList(2, QString()));
        EXPECT_TRUE(cells[kExtraBallColumn].toInt() >= 1 && cells[kExtraBallColumn].toInt() <= 39)
            << cells[kExtraBallColumn].toStdString();
        EXPECT_EQ(window.MSFlexGrid1->cellForeColor(r, 8), QColor(160, 0, 0));
    }
    EXPECT_FALSE(Busy);

    // The scroll bar changes the count at once, the grid only at Generate.
    window.HScroll1->setValue(12);
    EXPECT_EQ(window.Label4->text(), "12");
    EXPECT_EQ(ShownLines(window.MSFlexGrid1), 5);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_EQ(ShownLines(window.MSFlexGrid1), 12);
    // A shorter list blanks the rows below it, line numbers too.
    window.HScroll1->setValue(4);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_EQ(ShownLines(window.MSFlexGrid1), 4);
    for (int r = 5; r <= 12; ++r)
        EXPECT_EQ(GridCells(window.MSFlexGrid1, r, 0), QStringList(9, QString())) << r;
}

// The rule tests deal the numbers; the window says how many are left out.
TEST_F(Generators, FullSelectionSaysWhichNumbersAreUnused)
{
    writeLotto();
    PFullSel window;
    window.Load();
    EXPECT_EQ(window.windowTitle(), "Full Selection");
    EXPECT_EQ(window.Label4->text(), "  1 numbers unused");
    EXPECT_EQ(ShownLines(window.MSFlexGrid1), 8);
    QTest::mouseClick(window.Check4, Qt::LeftButton);
    EXPECT_EQ(window.Label4->text(), "  All numbers used");
    EXPECT_EQ(ShownLines(window.MSFlexGrid1), 9);
}

TEST_F(Generators, FullSelectionSpillOverComesFromShuffledPlaces)
{
    writeLotto("Small", "6,10,0,0,0", {});
    PFullSel window;
    window.Load();
    window.Check4->setChecked(true);
    RandomizeSeed(11);
    ClearEntries();
    window.PlayLotto();
    ASSERT_EQ(EntryCount(), 2);
    // Line 2: the 7th to 10th shuffled numbers, then copies of the 2nd and 4th.
    EXPECT_EQ(Entries[2][5], BallPool[2]);
    EXPECT_EQ(Entries[2][6], BallPool[4]);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_GE(BallPool[10 + i], 1);
        EXPECT_LE(BallPool[10 + i], 10);
    }
    // 5/50 fills ten lines either way.
    writeLotto("Fifty", "5,50,0,0,0", {});
    PFullSel fifty;
    fifty.Load();
    EXPECT_EQ(fifty.Label4->text(), "  0 numbers unused");
    EXPECT_EQ(ShownLines(fifty.MSFlexGrid1), 10);
}

TEST_F(Generators, ALotteryTheWindowCannotServeGeneratesNothing)
{
    {
        PLuckyDip window;
        window.Load();
        EXPECT_EQ(window.Label5->text(), "There is no lottery database to choose from.");
        EXPECT_EQ(ShownLines(window.MSFlexGrid1), 0);
        EXPECT_FALSE(Busy);
    }
    writeLotto("Odd", "6,4,0,0,0", {});
    {
        PFullSel window;
        window.Load();
        EXPECT_EQ(window.Label5->text(), "This lottery draws more numbers than it has.");
        EXPECT_EQ(EntryCount(), 0);
        EXPECT_EQ(ShownLines(window.MSFlexGrid1), 0);
    }
    writeLotto("Huge", "6,115,0,0,0", {});
    PFullSel window;
    window.Load();
    EXPECT_EQ(window.Label5->text(), "This window plays lotteries of at most 110 numbers.");
    PLuckyDip dip; // its pool holds 120
    dip.Load();
    EXPECT_EQ(ShownLines(dip.MSFlexGrid1), 5);
}

TEST_F(Generators, RetryLoopStopsAfterTenSecondsWithTheSuffix)
{
    // Every line of 3 from 4 repeats a past draw: no try can pass.
    writeLotto("Four", "3,4,0,0,0", {"01 Jan 05,1,2,3", "02 Jan 05,1,2,4", "03 Jan 05,1,3,4", "04 Jan 05,2,3,4"});
    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 1.5; });
    PLuckyDip window;
    window.Load();
    window.Check3->setChecked(true);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    // Each reading is 1.5 s after the one before: the 7th try ends past 10 s.
    EXPECT_EQ(window.Label5->text(), "Tries: 7   Time: 10.500 sec (Some lines do not comply with conditions)");
    EXPECT_FALSE(Busy);

    // With the box off one try passes, and no suffix.
    window.Check3->setChecked(false);
    SetMonotonicClockForTests([] { return 5.0; });
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_EQ(window.Label5->text(), "Tries: 1   Time: 0.000 sec");

    // The count is grouped by thousands.
    EXPECT_EQ(TriesText(1234, 0.5, 2), "Tries: 1,234   Time: 0.50 sec");
    EXPECT_EQ(TriesText(12345678, 61.25, 3), "Tries: 12,345,678   Time: 61.250 sec");
}

// Commands while busy: ResponsiveGenerators.
TEST_F(Generators, FiltersActWhateverTheBoxes)
{
    writeLotto();
    PLuckyDip window;
    window.Load();
    ClearEntries();
    const std::int16_t lines[3][7] = {{0, 2, 4, 6, 8, 10, 12}, {0, 1, 2, 3, 30, 31, 40}, {0, 1, 3, 5, 7, 9, 11}};
    for (int r = 0; r < 3; ++r)
        for (int c = 1; c <= 6; ++c)
            Entries[r + 1][c] = lines[r][c];
    EndEntries(3);
    ShowEntries(window.MSFlexGrid1);
    // The odd/even button deletes the all-even and all-odd lines, box unticked.
    QTest::mouseClick(window.findChild<QPushButton*>("Command13"), Qt::LeftButton);
    EXPECT_EQ(ShownLines(window.MSFlexGrid1), 1);
    EXPECT_EQ(GridCells(window.MSFlexGrid1, 1, 0), (QStringList{"1", "1", "2", "3", "30", "31", "40", "", ""}));
    EXPECT_EQ(GridCells(window.MSFlexGrid1, 2, 0), QStringList(9, QString()));

    // Print asks for the print media.
    int printDialogs = 0;
    SetModalHook([&](QDialog* dialog) {
        if (!qobject_cast<PrintSelection*>(dialog))
            return Harness::UnexpectedWindow(dialog);
        ++printDialogs;
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(window.Command6, Qt::LeftButton);
    EXPECT_EQ(printDialogs, 1);
    // The "?" beside the filters shows the odd/even tip.
    answer(vbOK);
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Did you know...");
    EXPECT_TRUE(boxAt(0).text.startsWith(" It is rare for a lottery draw to have     \r\n"));
}

TEST_F(Generators, GridGrowsToHoldEveryLineAndAnEmptyRow)
{
    writeLotto();
    PFullSel window;
    window.Load();
    ClearEntries();
    for (int r = 1; r <= 40; ++r)
        Entries[r][1] = std::int16_t(r);
    EndEntries(40);
    ShowEntries(window.MSFlexGrid1);
    EXPECT_EQ(window.MSFlexGrid1->Rows(), 42);
    EXPECT_EQ(window.MSFlexGrid1->TextMatrix(40, 0), "40");
    EXPECT_EQ(window.MSFlexGrid1->TextMatrix(41, 1), "");
}

// The road of one request: Play > Lucky dip, generate, save, find the lines.
TEST_F(Generators, LuckyDipFromTheMenuSavesItsLines)
{
    writeLotto();
    SetClockForTests(QDateTime(QDate(2026, 12, 7), QTime(9, 0))); // a Monday
    RegisterAllWindows();
    QStringList shown;
    int dialogs = 0;
    SetModalHook([&](QDialog* dialog) {
        if (auto* dip = qobject_cast<PLuckyDip*>(dialog)) {
            dip->HScroll1->setValue(10);
            QTest::mouseClick(dip->Command2, Qt::LeftButton);
            for (int r = 1; r <= 10; ++r)
                shown << QStringList(GridCells(dip->MSFlexGrid1, r, 0).mid(1)).join(',');
            QTest::mouseClick(dip->Command7, Qt::LeftButton);
            QTest::mouseClick(dip->Command1, Qt::LeftButton);
            return int(dip->result());
        }
        auto* save = qobject_cast<SaveEntries*>(dialog);
        if (!save)
            return Harness::UnexpectedWindow(dialog);
        ++dialogs;
        EXPECT_EQ(save->windowTitle(), "Save lottery entries");
        EXPECT_EQ(save->Text1->text(), "10");
        save->Text1->setText("3");
        save->Text2->setText("  Bob, Jr");
        QTest::mouseClick(save->Command7, Qt::LeftButton);
        return int(save->result());
    });
    OpenWindow(MenuItem::PlayLuckyDip, nullptr);
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(shown.size(), 10);
    const QStringList lines = readFile(kSavedEntriesFile).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i], "09-Dec-2026," + shown[i] + ",UK Lotto,  Bob; Jr,dbase100.txt");
    EXPECT_EQ(Settings[PlayerName], "Bob, Jr");
    EXPECT_EQ(Settings[DrawDate], "09-Dec-2026");
    EXPECT_TRUE(HasWindow(MenuItem::PlayFullSel));
}

TEST_F(Generators, SaveDialogCountsAndCancel)
{
    writeLotto();
    PFullSel window; // eight lines shown
    window.Load();
    bool refused = false;
    auto saveWith = [&](const QString& count, bool cancel) {
        SetModalHook([&](QDialog* dialog) {
            auto* save = qobject_cast<SaveEntries*>(dialog);
            save->Text1->setText(count);
            QTest::mouseClick(cancel ? save->Command1 : save->Command7, Qt::LeftButton);
            // A refused count leaves the dialog open; the player cancels.
            refused = save->result() == QDialog::Rejected && !save->saved() && !cancel;
            if (refused)
                QTest::mouseClick(save->Command1, Qt::LeftButton);
            return int(save->result());
        });
        return SaveMyEntries(window.MSFlexGrid1);
    };
    // A count that would save nothing is refused with the reason.
    for (const char* count : {"0", "-2", "abc", "0.4"}) {
        answer(vbOK);
        EXPECT_EQ(saveWith(count, false), 0) << count;
        EXPECT_TRUE(refused) << count;
        ASSERT_FALSE(boxes().empty());
        EXPECT_EQ(lastBox().text, "The number of lines to save must be 1 or more.  ");
        EXPECT_EQ(lastBox().title, "Error!");
        EXPECT_EQ(lastBox().style, vbOKOnly + vbExclamation);
    }
    EXPECT_EQ(boxes().size(), 4u);
    EXPECT_EQ(saveWith("5", true), 0); // cancelled: nothing said
    EXPECT_EQ(boxes().size(), 4u);
    EXPECT_FALSE(exists(kSavedEntriesFile));
    EXPECT_EQ(saveWith("2.4", false), 2);
    EXPECT_EQ(window.MSFlexGrid1->Row(), 3);
    EXPECT_EQ(window.MSFlexGrid1->Col(), 1);
    EXPECT_EQ(saveWith("99", false), 8);
    EXPECT_EQ(ReadSavedEntries()->size(), 10);

    // A closed dialog (no button) saves nothing either.
    SetModalHook([](QDialog*) { return int(QDialog::Rejected); });
    EXPECT_EQ(SaveMyEntries(window.MSFlexGrid1), 0);
    // No lines shown: no dialog at all.
    ClearEntries();
    ShowEntries(window.MSFlexGrid1);
    bool asked = false;
    SetModalHook([&](QDialog*) {
        asked = true;
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(SaveMyEntries(window.MSFlexGrid1), 0);
    EXPECT_FALSE(asked);
}

// The bad-input tip every window shows, to the letter; numbers out of range
// show nothing.
TEST_F(Generators, TipsShowTheirExactTextsAndOnlyOneToSix)
{
    ShowTip(0);
    ShowTip(7);
    EXPECT_TRUE(boxes().empty());
    answer(vbOK);
    ShowTip(6);
    answer(vbOK);
    ShowTip(4);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxAt(0).text, " There was a problem with the input.  \r\n Please check it and try again.  \r\n");
    EXPECT_EQ(boxAt(0).title, "Error");
    EXPECT_EQ(boxAt(0).style, vbOKOnly | vbInformation);
    EXPECT_TRUE(boxAt(1).text.startsWith("      \r\n This method"));
    EXPECT_EQ(boxAt(1).title, "Feeling lucky?");
}

TEST_F(Generators, HelpOpensThePlayPageOrSaysItIsMissing)
{
    writeLotto();
    PLuckyDip window;
    window.Load();
    ASSERT_FALSE(window.HelpButtons.isEmpty());
    std::vector<QUrl> opened;
    SetShellHook([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    answer(vbOK);
    window.HelpButtons[0]->click();
    EXPECT_TRUE(opened.empty());
    ASSERT_FALSE(boxes().empty());
    EXPECT_EQ(lastBox().title, "Sorry!");

    writeFile("helpplay.html", "<html></html>");
    window.HelpButtons[0]->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("/helpplay.html"));
}
