// The play-slip template editor: generating, editing, saving, deleting and
// the test print, driven by its controls.
#include "PdfMarks.h"
#include "PrintFixture.h"
#include "core/OpenLottery.h"
#include "platform/ui/FlexGrid.h"
#include "printing/PlaySlipTemplate.h"
#include "core/DataFiles.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/PrintSetup.h"
#include "printing/ui/PrintTickets.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
} // namespace

class SlipEditor : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        writeLines("dbase001.txt", DatabaseLines("Lotto 49", "6,49,0,0,1", {"05 Dec 26,1,2,3,4,5,6,7"}));
        writeLines("dbase002.txt", DatabaseLines("Power 59", "5,59,0,10,0", {"05 Dec 26,1,2,3,4,5,0,0,7"}));
    }
    QString cell(const PrintSetup& w, int row, int col) const { return w.MSFlexGrid1->TextMatrix(row, col); }
    // Clicks with an OK ready for the message box; the box's text.
    QString boxOnClick(QPushButton* button)
    {
        answer(vbOK);
        Click(button);
        return lastBoxText();
    }
};

TEST_F(SlipEditor, OpensOnTheFirstLotteryWithTheDefaultsAndGeneratesPositions)
{
    PrintSetup w;
    w.Load();
    EXPECT_EQ(w.windowTitle(), "Lottery slip print setup");
    EXPECT_EQ(w.List1->currentRow(), 0);
    EXPECT_EQ(LotteryName, "Lotto 49");
    EXPECT_EQ(w.List3->count(), 0);
    EXPECT_FALSE(w.Command3->isEnabled()); // nothing to delete
    EXPECT_TRUE(w.Option1[1]->isChecked());
    EXPECT_EQ(w.Header(), DefaultSlipHeader());
    EXPECT_EQ(cell(w, 1, 1), "");
    EXPECT_EQ(cell(w, 0, 3), "Pball_X");
    EXPECT_EQ(cell(w, 60, 0), "60");

    Click(w.Command5);
    EXPECT_EQ(cell(w, 1, 1), "38.20");
    EXPECT_EQ(cell(w, 50, 1), "");
    EXPECT_EQ(cell(w, 1, 3), "");
    w.Option1[0]->setChecked(true);
    Click(w.Command5);
    EXPECT_EQ(cell(w, 2, 1), "42.00"); // portrait

    // The lottery with an extra ball needs its numbers per row.
    w.List1->setCurrentRow(1);
    EXPECT_EQ(ExtraBallMax, 10);
    w.Text2[2]->setText("0.4");
    EXPECT_EQ(boxOnClick(w.Command5), "Set the 'Powerball Numbers per row' value    ");
    EXPECT_EQ(lastBox().title, "Error");
    EXPECT_EQ(cell(w, 1, 1), ""); // the grid is left empty
    w.Text2[2]->setText("4");
    w.Text9->setText("0.4");
    EXPECT_EQ(boxOnClick(w.Command5), "Set the 'Numbers per row' value    ");
    w.Text9->setText("12");
    w.Text7[0]->setText("25");
    EXPECT_TRUE(boxOnClick(w.Command5).startsWith("\"Number of boards: Across\" must be a whole number from 1 to 20"));
    w.Text7[0]->setText("5");
    Click(w.Command5);
    EXPECT_EQ(cell(w, 5, 3), "42.10");
    EXPECT_EQ(cell(w, 11, 3), "");
}

TEST_F(SlipEditor, SavesNewTemplatesUpdatesByTrimmedNameAndWritesNothingWhenGenerateFails)
{
    PrintSetup w;
    w.Load();
    w.Text3->setText("  Weekend slip ");
    EXPECT_EQ(boxOnClick(w.Command4), "Template saved...    ");
    EXPECT_EQ(lastBox().title, "Vantrel");
    EXPECT_EQ(lastBox().icon(), vbInformation);
    ASSERT_TRUE(exists("PTemplate.000"));
    const QStringList lines = readFile("PTemplate.000").split("\r\n");
    EXPECT_EQ(lines.mid(0, 4), QStringList({"  Weekend slip ", "Lotto 49", " 1 ", "3,2"}));
    EXPECT_EQ(lines[12], "38.20,71.50,,");
    ASSERT_EQ(w.List3->count(), 1);
    EXPECT_EQ(w.List3->currentRow(), 0);
    EXPECT_EQ(w.List3->item(0)->text(), "Weekend slip");
    EXPECT_TRUE(w.Command3->isEnabled());

    // The same name in other letters and blanks updates the same file.
    w.Text3->setText("WEEKEND SLIP  ");
    w.Text1[0]->setText("2.5");
    answer(vbOK);
    Click(w.Command4);
    EXPECT_EQ(w.List3->count(), 1);
    EXPECT_FALSE(exists("PTemplate.001"));
    const QStringList updated = readFile("PTemplate.000").split("\r\n");
    EXPECT_EQ(updated[0], "WEEKEND SLIP  ");
    EXPECT_EQ(updated[3], "2.5,2");

    // Generate refusing, or no name: nothing is written.
    const QByteArray before = readBytes("PTemplate.000");
    w.Text9->setText("0");
    EXPECT_EQ(boxOnClick(w.Command4), "Set the 'Numbers per row' value    ");
    w.Text9->setText("12");
    w.Text2[1]->setText("5,5");
    EXPECT_TRUE(boxOnClick(w.Command4).startsWith("\"Printer margin (mm): Vertical\" must be a number"));
    w.Text2[1]->setText("5.5");
    w.Text3->setText("   ");
    EXPECT_EQ(boxOnClick(w.Command4), "Type a name for the template in 'Save template as'.    ");
    EXPECT_EQ(readBytes("PTemplate.000"), before);
    EXPECT_EQ(TemplateFiles(), QStringList({"PTemplate.000"}));

    // A second name makes the next free file, for the lottery chosen.
    w.List1->setCurrentRow(1);
    w.Text3->setText("Power");
    answer(vbOK);
    Click(w.Command4);
    ASSERT_TRUE(exists("PTemplate.001"));
    EXPECT_EQ(readFile("PTemplate.001").split("\r\n")[1], "Power 59");
    EXPECT_EQ(w.List3->currentRow(), 1);
}

TEST_F(SlipEditor, LoadingATemplateChoosesItsLotteryAndADamagedOneIsReported)
{
    PlaySlipTemplate power;
    power.TemplateName = "Power slip";
    power.TemplateLottery = " Power 59 ";
    power.SlipOrientation = 0;
    power.header[BoardsAcross] = "3";
    power.positions = GenerateSlipPositions(power.header, false, 59, 10).positions;
    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.000"), power));
    QStringList cut = PlaySlipTemplateLines(power);
    cut[0] = "Cut slip";
    writeLines("PTemplate.001", cut.mid(0, 20));
    PlaySlipTemplate lost = power;
    lost.TemplateName = "Lost lottery";
    lost.TemplateLottery = "Gone";
    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.002"), lost));
    writeLines("dbase003.txt", DatabaseLines("Blank Lotto ", "6,49,0,0,0", {"05 Dec 26,1,2,3,4,5,6,0"}));
    PlaySlipTemplate blank = power;
    blank.TemplateLottery = "Blank Lotto";
    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.003"), blank));

    PrintSetup w;
    w.Load();
    ASSERT_EQ(w.List3->count(), 4);
    EXPECT_EQ(w.List1->currentRow(), 1); // its lottery, loaded
    EXPECT_EQ(LotteryName, "Power 59");
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_EQ(w.Text7[0]->text(), "3");
    EXPECT_EQ(w.Text3->text(), "Power slip");
    EXPECT_EQ(cell(w, 2, 1), "42.00");
    EXPECT_EQ(cell(w, 5, 3), "42.10");
    EXPECT_EQ(w.Text4->text(), "38.20"); // row 1, column 1 highlighted
    EXPECT_EQ(w.MSFlexGrid1->cellBackColor(1, 1), QColor(255, 255, 192));

    answer(vbOK);
    w.List3->setCurrentRow(1);
    EXPECT_EQ(lastBoxText(),
              "The template file PTemplate.001 cannot be used: it ends after line 20, and a template "
              "has 72 lines.    ");
    EXPECT_EQ(cell(w, 1, 1), "");
    EXPECT_EQ(w.Text7[0]->text(), "3"); // nothing taken from it

    // A lottery that is not listed leaves the choice as it was.
    w.List1->setCurrentRow(0);
    w.List3->setCurrentRow(2);
    EXPECT_EQ(w.List1->currentRow(), 0);
    EXPECT_EQ(cell(w, 1, 1), "38.20");
    // A lottery whose name ends in a blank is found all the same.
    w.List3->setCurrentRow(3);
    EXPECT_EQ(w.List1->currentRow(), 2);
}

// A lottery whose name is longer than the lists show: the template the editor
// saves for it is found when its slips are printed, as is one saved earlier
// under the name as the list cut it, and loading either chooses the lottery.
TEST_F(SlipEditor, ALotteryNameLongerThanTheListShowsFindsItsTemplate)
{
    const QString name = "Long Lotto " + QString(kListNameLength, u'x') + " end";
    writeLines("dbase003.txt", DatabaseLines(name, "6,49,0,0,0", {"05 Dec 26,1,2,3,4,5,6,0"}));
    GridWindow entries(QStringList(9, QString()), {{"1", "1", "2", "3", "4", "5", "6"}});
    QString chosen; // the template the tickets window offers; it is cancelled
    SetModalHook([&chosen](QDialog* d) {
        auto* t = qobject_cast<PrintTickets*>(d);
        if (!t)
            return Harness::UnexpectedWindow(d);
        chosen = t->List3->currentItem() ? t->List3->currentItem()->text() : QString();
        t->Command1_Click();
        return d->result();
    });
    const auto findsTemplate = [&](const QString& templateName) {
        LotteryName = name;
        chosen.clear();
        PrintPlaySlips(entries.grid, 1);
        return chosen == templateName;
    };

    {
        PrintSetup w;
        w.Load();
        w.List1->setCurrentRow(2);
        w.Text3->setText("Long slip");
        EXPECT_EQ(boxOnClick(w.Command4), "Template saved...    ");
    }
    EXPECT_EQ(readFile("PTemplate.000").split("\r\n")[1], name);
    EXPECT_TRUE(findsTemplate("Long slip"));

    PlaySlipTemplate cut = *ReadPlaySlipTemplate(path("PTemplate.000")).slip;
    cut.TemplateName = "Cut slip";
    cut.TemplateLottery = name.left(kListNameLength);
    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.001"), cut));
    EXPECT_TRUE(findsTemplate("Long slip")); // the whole name before the cut one
    ASSERT_TRUE(QFile::remove(path("PTemplate.000")));
    EXPECT_TRUE(findsTemplate("Cut slip"));

    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.000"), *ReadPlaySlipTemplate(path("PTemplate.001")).slip));
    cut.TemplateName = "Whole slip";
    cut.TemplateLottery = name;
    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.001"), cut));
    PrintSetup w;
    w.Load();
    for (int row : {1, 0}) {
        w.List1->setCurrentRow(0);
        w.List3->setCurrentRow(row);
        EXPECT_EQ(w.List1->currentRow(), 2) << row;
    }
}

TEST_F(SlipEditor, ACellIsEditedThroughTheEditBox)
{
    PrintSetup w;
    w.Load();
    w.show();
    Click(w.Command5);
    const QRect r = w.MSFlexGrid1->cellRect(5, 2);
    QTest::mouseClick(w.MSFlexGrid1->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(w.EditRow, 5);
    EXPECT_EQ(w.EditCol, 2);
    EXPECT_EQ(w.Text4->text(), cell(w, 5, 2));
    EXPECT_EQ(w.MSFlexGrid1->cellBackColor(5, 2), QColor(255, 255, 192));
    w.Text4->clear();
    QTest::keyClicks(w.Text4, "1x,5");
    EXPECT_EQ(w.Text4->text(), "1,5"); // only what a number is typed with
    QTest::keyClick(w.Text4, Qt::Key_Return);
    EXPECT_EQ(cell(w, 5, 2), "1.00");
    QTest::mouseClick(w.MSFlexGrid1->viewport(), Qt::LeftButton, {}, w.MSFlexGrid1->cellRect(6, 1).center());
    EXPECT_EQ(w.MSFlexGrid1->cellBackColor(5, 2), QColor(255, 255, 255));
    w.Text4->setText("-2.345");
    Click(w.Command7);
    EXPECT_EQ(cell(w, 6, 1), "-2.35");

    // A click on a number edits its first position.
    QHeaderView* numbers = w.MSFlexGrid1->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(numbers->width() / 2, numbers->sectionViewportPosition(8 - 1) + 2));
    EXPECT_EQ(w.EditRow, 8);
    EXPECT_EQ(w.EditCol, 1);
    EXPECT_EQ(w.Text4->text(), cell(w, 8, 1));
}

TEST_F(SlipEditor, TheTestPrintMarksEveryBoxOfEveryBoardOnOnePage)
{
    PrintSetup w;
    w.Load();
    EXPECT_EQ(boxOnClick(w.Command6), "Fill the grid first!    ");
    EXPECT_FALSE(printed());

    w.Text2[1]->setText("0"); // no top margin: every box lies on the sheet
    Click(w.Command5);
    w.MSFlexGrid1->setTextMatrix(2, 2, "67.00"); // a hand correction prints as it stands
    w.MSFlexGrid1->setTextMatrix(3, 1, "abc");   // no position: no mark
    Click(w.Command6);
    ASSERT_TRUE(printed());
    EXPECT_EQ(PdfPages(pdf_), 1);
    const std::vector<PdfMark> marks = PdfMarks(pdf_);
    EXPECT_EQ(marks.size(), 5u * 48u);
    const SlipPositions p = GenerateSlipPositions(w.Header(), true, 49, 0).positions;
    for (int bx = 0; bx < 5; ++bx) {
        for (int n : {1, 2, 12, 13, 49}) {
            const double y = n == 2 ? 67.0 : *p[n][NumY];
            const PdfMark* m = MarkAt(marks, *p[n][NumX] - 3.0 + 28.1 * bx, y, 0.3);
            ASSERT_NE(m, nullptr) << "board " << bx << " number " << n;
            EXPECT_NEAR(m->width(), 3.0, 0.3);
            EXPECT_NEAR(m->height(), 2.0, 0.3);
        }
        EXPECT_EQ(MarkAt(marks, *p[3][NumX] - 3.0 + 28.1 * bx, *p[3][NumY], 0.3), nullptr);
    }

    // Extra balls too, on two rows of boards, still one page.
    w.List1->setCurrentRow(1);
    w.Text7[0]->setText("2");
    w.Text7[1]->setText("2");
    w.Text8[1]->setText("90");
    w.Text2[3]->setText("100"); // the extra balls clear of the main numbers
    Click(w.Command5);
    Click(w.Command6);
    EXPECT_EQ(PdfPages(pdf_), 1);
    EXPECT_EQ(PdfMarks(pdf_).size(), 4u * (59u + 10u));

    // Marks above the printer's top margin are printed as far as they go,
    // and the player is told.
    w.Text2[1]->setText("5.5");
    EXPECT_EQ(boxOnClick(w.Command6),
              "These numbers lie outside the printable area of the page, so their marks are cut off: "
              "12, 24, 36, 48.    ");
    EXPECT_EQ(lastBox().title, "Warning!");
}

TEST_F(SlipEditor, DeleteAsksThenRemovesTheFileAndCloseAsks)
{
    PlaySlipTemplate t;
    t.TemplateName = "Only";
    t.TemplateLottery = "Lotto 49";
    t.positions = GenerateSlipPositions(t.header, true, 49, 0).positions;
    ASSERT_TRUE(WritePlaySlipTemplate(path("PTemplate.000"), t));
    PrintSetup w;
    w.Load();
    answer(vbNo);
    Click(w.Command3);
    EXPECT_EQ(lastBoxText(), "Delete Only template?    ");
    EXPECT_EQ(lastBox().title, "Delete template");
    EXPECT_TRUE(exists("PTemplate.000"));
    answer(vbYes);
    Click(w.Command3);
    EXPECT_FALSE(exists("PTemplate.000"));
    EXPECT_EQ(w.List3->count(), 0);
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_EQ(cell(w, 1, 1), "");
    EXPECT_FALSE(w.Command3->isEnabled());

    w.show();
    answer(vbNo);
    Click(w.CancelButton);
    EXPECT_EQ(lastBoxText(), "Close? (Any changes not saved will be lost.)  ");
    EXPECT_TRUE(w.isVisible());
    answer(vbYes);
    Click(w.CancelButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(SlipEditor, WithoutALotteryNothingIsGeneratedOrSaved)
{
    QFile::remove(path("dbase001.txt"));
    QFile::remove(path("dbase002.txt"));
    PrintSetup w;
    w.Load();
    EXPECT_EQ(w.List1->count(), 0);
    w.Text3->setText("Slip");
    for (QPushButton* b : {w.Command5, w.Command4}) {
        EXPECT_TRUE(boxOnClick(b).startsWith("There is no lottery to make a template for."));
    }
    EXPECT_TRUE(TemplateFiles().isEmpty());
}

TEST_F(SlipEditor, EscapeAndTheCloseBoxAskAsCloseDoes)
{
    struct Case {
        bool closeBox;
        int reply;
        bool staysOpen;
    };
    for (const Case& c :
         {Case{false, vbNo, true}, Case{false, vbYes, false}, Case{true, vbNo, true}, Case{true, vbYes, false}}) {
        PrintSetup w;
        w.Load();
        w.show();
        QLineEdit* header = w.HeaderBox(MarkWidth);
        header->setFocus();
        QTest::keyClicks(header, "7");
        answer(c.reply);
        if (c.closeBox)
            w.close();
        else
            QTest::keyClick(header, Qt::Key_Escape);
        EXPECT_EQ(lastBoxText(), "Close? (Any changes not saved will be lost.)  ");
        EXPECT_EQ(w.isVisible(), c.staysOpen) << c.closeBox << c.reply;
        EXPECT_TRUE(header->text().endsWith('7'));
    }
}

TEST_F(SlipEditor, SaveWritesThePositionsTheGridShows)
{
    PrintSetup w;
    w.Load();
    w.show();
    Click(w.Command5);
    QTest::mouseClick(w.MSFlexGrid1->viewport(), Qt::LeftButton, {}, w.MSFlexGrid1->cellRect(2, 2).center());
    w.Text4->setText("66");
    Click(w.Command7);
    w.Text3->setText("Corrected");
    EXPECT_EQ(boxOnClick(w.Command4), "Template saved...    ");
    const QStringList lines = readFile("PTemplate.000").split("\r\n");
    EXPECT_EQ(lines[13], "38.20,66.00,,");
    EXPECT_EQ(cell(w, 2, 2), "66.00"); // loaded back as saved
}

// A template written elsewhere: a name longer than the name box takes, and
// positions with three decimals.
TEST_F(SlipEditor, ALoadedTemplateIsUpdatedAsReadWhereTheBoxesShowItCut)
{
    PlaySlipTemplate t;
    t.TemplateName = QString(60, 'N');
    t.TemplateLottery = "Lotto 49";
    t.positions = GenerateSlipPositions(t.header, true, 49, 0).positions;
    QStringList lines = PlaySlipTemplateLines(t);
    lines[12] = "38.125,71.504,,";
    lines[13] = "38.125,65.111,,";
    writeLines("PTemplate.000", lines);
    PrintSetup w;
    w.Load();
    w.show();
    EXPECT_EQ(w.Text3->text(), QString(50, 'N'));
    EXPECT_EQ(cell(w, 1, 2), "71.50");
    EXPECT_EQ(cell(w, 2, 2), "65.11");
    QTest::mouseClick(w.MSFlexGrid1->viewport(), Qt::LeftButton, {}, w.MSFlexGrid1->cellRect(2, 2).center());
    w.Text4->setText("60");
    Click(w.Command7);
    EXPECT_EQ(boxOnClick(w.Command4), "Template saved...    ");
    EXPECT_EQ(TemplateFiles(), QStringList({"PTemplate.000"}));
    const QStringList saved = readFile("PTemplate.000").split("\r\n");
    EXPECT_EQ(saved[0], QString(60, 'N'));
    EXPECT_EQ(saved[12], "38.125,71.504,,");
    EXPECT_EQ(saved[13], "38.125,60.00,,");
}
