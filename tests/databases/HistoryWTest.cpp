#include "core/OpenLottery.h"
#include "databases/ui/HistoryW.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "platform/Dates.h"
#include "printing/ui/PrintFrm.h"
#include "support/TestSupport.h"
#include "Boxes.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
class HistoryWTest : public ProgramFolderTest {
protected:
    QStringList draws(const QString& name = "dbase1.txt") const
    {
        QStringList l = readFile(name).split("\r\n");
        l.removeLast();
        return l.mid(3);
    }
    static QStringList gridRow(HistoryW& w, int r) { return GridCells(w.MSFlexGrid1, r, 0, 8); }
    void lottoFile(const QStringList& draws) const
    {
        writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", draws));
    }
    void pick(HistoryW& w, int r)
    {
        w.MSFlexGrid1->setRow(r);
        w.MSFlexGrid1_Click();
    }
    const QStringList lotto{"12 Mar 05,12,3,45,7,30,19,,22", "05-Mar-2005,8,9,10,11,12,13,0,0",
                            "26 Feb 05,15,16,17,18,19,20,,21"};
};
} // namespace

TEST_F(HistoryWTest, ShowsEveryDrawAsStored)
{
    lottoFile(lotto);
    writeLines("dbase2.txt",
               DatabaseLines("Plain", "5,39,1,0,0", {"12 Mar 05,1,2,3,4,5,,,", "05 Mar 05,6,7,8,9,10,11,12,13"}));
    writeLines("dbase3.txt", DatabaseLines("Thunder", "5,39,1,14,0", {"12 Mar 05,1,2,3,4,5,0,0,9"}));
    LoadedWindow<HistoryW> w;
    w.show();
    EXPECT_EQ(w.Label1->text(), "  Lotto");
    EXPECT_EQ(w.Text2->text(), "http://example.org");
    EXPECT_EQ(gridRow(w, 0), QStringList({"Date", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "", "Bonus"}));
    EXPECT_EQ(gridRow(w, 1), QStringList({"12 Mar 05", "12", "3", "45", "7", "30", "19", "", "22"}));
    EXPECT_EQ(gridRow(w, 2), QStringList({"05-Mar-2005", "8", "9", "10", "11", "12", "13", "", "0"}));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(4, 0), "");
    EXPECT_EQ(w.MSFlexGrid1->cellForeColor(1, 8), QColor(160, 0, 0));
    // The editor holds the first draw.
    EXPECT_EQ(w.MSFlexGrid1->Row(), 1);
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2005, 3, 12));
    EXPECT_EQ(w.Text1[1]->text(), "12");
    EXPECT_EQ(w.Text1[8]->text(), "22");
    EXPECT_FALSE(w.Text1[7]->isVisible());
    EXPECT_TRUE(w.Text1[8]->isVisible());

    // The ascending order sorts the main numbers only and hides the editor;
    // the order buttons stay where they are.
    QApplication::processEvents();
    const QPoint orderAt = w.Option1->mapTo(&w, QPoint());
    w.Option2->click();
    QApplication::processEvents();
    EXPECT_EQ(w.Option1->mapTo(&w, QPoint()), orderAt);
    EXPECT_FALSE(w.Frame1->isVisible());
    EXPECT_EQ(gridRow(w, 1), QStringList({"12 Mar 05", "3", "7", "12", "19", "30", "45", "", "22"}));
    w.Option1->click();
    EXPECT_TRUE(w.Frame1->isVisible());
    EXPECT_EQ(gridRow(w, 1), QStringList({"12 Mar 05", "12", "3", "45", "7", "30", "19", "", "22"}));

    // Headings follow the newest draw; a lottery without bonus or extra ball
    // shows no eighth column and no eighth box.
    w.List1->setCurrentRow(1);
    EXPECT_EQ(gridRow(w, 0), QStringList({"Date", "Num1", "Num2", "Num3", "Num4", "Num5", "", "", ""}));
    EXPECT_EQ(gridRow(w, 2), QStringList({"05 Mar 05", "6", "7", "8", "9", "10", "11", "12", ""}));
    EXPECT_FALSE(w.Text1[8]->isVisible());
    EXPECT_FALSE(w.Text1[6]->isVisible());
    w.List1->setCurrentRow(2);
    EXPECT_EQ(gridRow(w, 1), QStringList({"12 Mar 05", "1", "2", "3", "4", "5", "", "", "9"}));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(0, 8), "Pball");
}

TEST_F(HistoryWTest, ADrawWithoutAFirstNumberIsShownAndSortedLikeTheOthers)
{
    // A blank line and a draw whose first number is out of range, between
    // two whole draws: the grid shows every draw line, the blank one apart,
    // and the ascending order reaches the draws after the damaged one.
    lottoFile({lotto[0], "", "05 Mar 05,50,9,8,11,10,13,,14", lotto[2]});
    LoadedWindow<HistoryW> w;
    w.show();
    EXPECT_EQ(w.rows().size(), 3u);
    EXPECT_EQ(gridRow(w, 2), QStringList({"05 Mar 05", "", "9", "8", "11", "10", "13", "", "14"}));
    EXPECT_EQ(DrawCount(), 2); // the table holds the two whole draws
    w.Option2->click();
    EXPECT_EQ(gridRow(w, 2), QStringList({"05 Mar 05", "8", "9", "10", "11", "13", "", "", "14"}));
    EXPECT_EQ(gridRow(w, 3), QStringList({"26 Feb 05", "15", "16", "17", "18", "19", "20", "", "21"}));
    w.Option1->click();
    pick(w, 3);
    w.Command2_Click();
    EXPECT_EQ(draws(), QStringList({lotto[0], "", "05 Mar 05,50,9,8,11,10,13,,14"}));
}

TEST_F(HistoryWTest, UpdateMovesTheDrawToItsDate)
{
    lottoFile(lotto);
    LoadedWindow<HistoryW> w;
    w.show();
    pick(w, 1);
    w.DTPicker1->setValue(QDate(2005, 3, 1));
    w.Command3_Click();
    EXPECT_EQ(draws(), QStringList({lotto[1], "01 Mar 05,12,3,45,7,30,19,,22", lotto[2]}));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 0), "01 Mar 05");

    // The same date as another draw goes before it; typed numbers are written.
    pick(w, 3);
    w.DTPicker1->setValue(QDate(2005, 3, 5));
    w.Text1[1]->setText("1");
    w.Command3_Click();
    EXPECT_EQ(draws(), QStringList({"05 Mar 05,1,16,17,18,19,20,,21", lotto[1], "01 Mar 05,12,3,45,7,30,19,,22"}));
    EXPECT_EQ(w.MSFlexGrid1->Row(), 1);
    EXPECT_TRUE(boxes().empty());

    // A draw reached with the keyboard is the one edited and updated.
    w.MSFlexGrid1->setFocus();
    QTest::keyClick(w.MSFlexGrid1, Qt::Key_Down);
    EXPECT_EQ(w.MSFlexGrid1->Row(), 2);
    EXPECT_EQ(w.Text1[1]->text(), "8");
    w.Text1[1]->setText("7");
    w.Command3_Click();
    EXPECT_EQ(draws(),
              QStringList(
                  {"05 Mar 05,7,9,10,11,12,13,,0", "05 Mar 05,1,16,17,18,19,20,,21", "01 Mar 05,12,3,45,7,30,19,,22"}));

    // Wrong numbers are refused with the input tip.
    pick(w, 1);
    w.Text1[2]->setText(w.Text1[1]->text());
    const QByteArray before = readBytes("dbase1.txt");
    answer(vbOK);
    w.Command3_Click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxAt(0).text.startsWith(" There was a problem with the input."));
    EXPECT_EQ(readBytes("dbase1.txt"), before);
}

TEST_F(HistoryWTest, ClicksDuringARewriteWaitForItsEnd)
{
    lottoFile(lotto);
    LoadedWindow<HistoryW> w;
    w.show();
    pick(w, 1);
    w.DTPicker1->setValue(QDate(2005, 3, 1));
    // A Delete and a Close clicked while the update is being written.
    QMetaObject::invokeMethod(w.Command2, &QPushButton::click, Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.Command1, &QPushButton::click, Qt::QueuedConnection);
    w.Command3->click();
    EXPECT_EQ(draws(), QStringList({lotto[1], "01 Mar 05,12,3,45,7,30,19,,22", lotto[2]}));
    // The window closed only once the rewritten file was loaded again.
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Draws[1][1], 8);
}

TEST_F(HistoryWTest, DeleteRemovesTheChosenDrawButNeverTheLast)
{
    // The second line lost two fields by hand; the grid and the delete still
    // agree on which line is which.
    lottoFile({lotto[0], "05 Mar 05,8,9,10,11,12,13", lotto[2]});
    LoadedWindow<HistoryW> w;
    w.show();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 0), "26 Feb 05");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 1), "15");
    pick(w, 3);
    w.Command2_Click();
    EXPECT_EQ(draws(), QStringList({lotto[0], "05 Mar 05,8,9,10,11,12,13"}));
    EXPECT_TRUE(boxes().empty()); // no question

    pick(w, 2);
    w.Command2_Click();
    EXPECT_EQ(draws(), QStringList({lotto[0]}));

    answer(vbOK);
    w.Command2_Click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "Can't delete last line!    ", "Warning", vbOKOnly + vbExclamation));
    EXPECT_EQ(draws(), QStringList({lotto[0]}));
}

TEST_F(HistoryWTest, AnEmptyFileNeverCrashes)
{
    writeLines("dbase1.txt", DatabaseLines("Empty", "6,49,0,0,1", {}));
    LoadedWindow<HistoryW> w;
    w.show();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "");
    w.MSFlexGrid1_Click();
    w.Command3_Click();
    answer(vbOK); // the only line stays
    w.Command2_Click();
    EXPECT_EQ(draws(), QStringList());
}

TEST_F(HistoryWTest, ADatabaseThatCannotBeReadIsSaidSo)
{
    lottoFile(lotto);
    writeLines("dbase2.txt", DatabaseLines("Broken", "6,x", lotto));
    makePipe("dbase3.txt");
    LoadedWindow<HistoryW> w;
    w.show();
    auto* note = w.findChild<QLabel*>("Label6");
    for (int row : {1, 2}) {
        w.List1->setCurrentRow(row);
        EXPECT_TRUE(note->isVisible()) << row;
        EXPECT_EQ(note->text(), "This lottery database cannot be read.");
        EXPECT_FALSE(w.Command2->isEnabled()) << row;
        EXPECT_FALSE(w.Command3->isEnabled()) << row;
        w.Command2_Click(); // no box, nothing written
    }
    EXPECT_EQ(draws("dbase2.txt"), lotto);
    w.List1->setCurrentRow(0);
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(w.Command2->isEnabled());
}

TEST_F(HistoryWTest, ADateThatCannotBeReadIsChosenBeforeAnUpdate)
{
    SetClockForTests(QDateTime(QDate(2026, 6, 15), QTime(9, 0)));
    const QStringList edited{lotto[0], "someday,1,2,3,4,5,6,,7", lotto[2]};
    lottoFile(edited);
    LoadedWindow<HistoryW> w;
    w.show();
    // The note under the picker.
    const auto noted = [&w] {
        auto* note = w.findChild<QLabel*>("Label6");
        return note && note->isVisible() && note->text() == "This draw's date cannot be read; choose its date.";
    };
    EXPECT_FALSE(noted());

    // No date stands in for the one that cannot be read, not even the one
    // shown before.
    pick(w, 2);
    EXPECT_FALSE(w.DTPicker1->Value().isValid());
    EXPECT_EQ(w.DTPicker1->shownText().trimmed(), "");
    EXPECT_TRUE(noted());
    EXPECT_EQ(w.Text1[1]->text(), "1");

    // Update is refused until a date is chosen, whatever else was changed.
    w.Text1[1]->setText("9");
    answer(vbOK);
    w.Command3->click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "This draw's date cannot be read.    \r\nPlease choose its date first.    ", "Warning",
                      vbOKOnly + vbExclamation));
    EXPECT_EQ(draws(), edited);

    // Another draw and back: still no date.
    pick(w, 1);
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2005, 3, 12));
    EXPECT_FALSE(noted());
    pick(w, 2);
    EXPECT_FALSE(w.DTPicker1->Value().isValid());

    // The player steps the date from nothing: it starts at today.
    w.DTPicker1->setFocus();
    QTest::keyClick(w.DTPicker1, Qt::Key_Up);
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2026, 6, 15));
    EXPECT_FALSE(noted());
    w.DTPicker1->setValue(QDate(2005, 3, 5));
    w.Command3->click();
    EXPECT_EQ(draws(), QStringList({lotto[0], "05 Mar 05,1,2,3,4,5,6,,7", lotto[2]}));
    EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(HistoryWTest, EachDeleteTakesOnlyTheChosenDraw)
{
    const QStringList four{lotto[0], lotto[1], lotto[2], "19 Feb 05,21,22,23,24,25,26,,27"};
    lottoFile(four);
    LoadedWindow<HistoryW> w;
    w.show();
    pick(w, 2);
    w.Command2->click();
    EXPECT_EQ(draws(), QStringList({four[0], four[2], four[3]}));
    // The chosen row stays, on the draw that took the deleted one's place.
    EXPECT_EQ(w.MSFlexGrid1->Row(), 2);
    EXPECT_EQ(w.Text1[1]->text(), "15");

    // A second click deletes that draw, never the newest.
    w.Command2->click();
    EXPECT_EQ(draws(), QStringList({four[0], four[3]}));
    EXPECT_EQ(w.Text1[1]->text(), "21");
    // The last draw deleted: the new last one is chosen.
    w.Command2->click();
    EXPECT_EQ(draws(), QStringList({four[0]}));
    EXPECT_EQ(w.MSFlexGrid1->Row(), 1);
    EXPECT_EQ(w.Text1[1]->text(), "12");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(HistoryWTest, AFileChangedElsewhereIsShownAgainNotRewritten)
{
    lottoFile(lotto);
    LoadedWindow<HistoryW> w;
    pick(w, 2);
    // Edited in the text editor while the window shows it.
    const QStringList edited{"19 Mar 05,1,2,3,4,5,6,,7", lotto[0], lotto[1], lotto[2]};
    lottoFile(edited);
    answer(vbOK);
    w.Command2_Click();
    EXPECT_EQ(draws(), edited);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Warning");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "19 Mar 05");

    lottoFile(lotto);
    answer(vbOK);
    w.Command3_Click();
    EXPECT_EQ(draws(), lotto);
    EXPECT_EQ(boxes().size(), 2u);
}

TEST_F(HistoryWTest, NoLotteryClosesTheWindow)
{
    answer(vbOK);
    LoadedWindow<HistoryW> w;
    w.show();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text, "No lotteries to display!    ");
    EXPECT_EQ(boxAt(0).title, "Error!");
    EXPECT_TRUE(w.Timer1->isActive());
    w.Timer1_Timer();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(HistoryWTest, ShowsAtMostTheDrawsTheTableHolds)
{
    QStringList many;
    for (int i = 0; i < 3000; ++i)
        many << FormatShortDate(QDate(2020, 1, 1).addDays(-i)) + ",1,2,3,4,5,6,,7";
    lottoFile(many);
    LoadedWindow<HistoryW> w;
    EXPECT_EQ(w.rows().size(), 2994u);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2995, 0), "");
}

TEST_F(HistoryWTest, PrintOffersEveryDrawAndReturnsToTheFirst)
{
    lottoFile(lotto);
    QString offered;
    SetModalHook([&offered](QDialog* d) {
        auto* frm = qobject_cast<PrintFrm*>(d);
        if (!frm)
            return Harness::UnexpectedWindow(d);
        offered = frm->Text2->text();
        frm->Command1->click(); // cancel
        return int(QDialog::Rejected);
    });
    LoadedWindow<HistoryW> w;
    pick(w, 3);
    w.Command6->click();
    EXPECT_EQ(offered, "3");
    EXPECT_EQ(w.MSFlexGrid1->Row(), 1);
    EXPECT_EQ(w.Text1[1]->text(), "12");
}
