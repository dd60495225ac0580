#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "databases/ui/StoreMyDrawsW.h"
#include "generators/Tips.h"
#include "platform/Dates.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "support/TestSupport.h"
#include "Boxes.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class StoreMyDrawsWTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase069.txt", DatabaseLines("US Powerball", "5,69,0,26,0", {"09 Mar 05,5,10,33,44,55,,,7"}));
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"09 Mar 05,1,2,3,4,5,6,,7"}));
    }
    void click(StoreMyDrawsW& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }
    void type(StoreMyDrawsW& w, const QStringList& numbers)
    {
        for (int i = 1; i <= kExtraBallColumn; ++i)
            w.Text1[i]->setText(i <= numbers.size() ? numbers[i - 1] : QString());
    }
    QStringList fileLines() { return readFile(kSavedEntriesFile).split("\r\n", Qt::SkipEmptyParts); }
};

TEST_F(StoreMyDrawsWTest, EntriesOfTwoLotteriesAreSavedWithTheirOwnFiles)
{
    writeLines(kSavedEntriesFile, {"earlier line"});
    LoadedWindow<StoreMyDrawsW> w;
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->currentRow(), 0); // US Powerball, listed first
    EXPECT_TRUE(w.Text1[6]->isHidden());
    EXPECT_FALSE(w.Text1[5]->isHidden());
    EXPECT_FALSE(w.Text1[8]->isHidden());
    EXPECT_FALSE(w.Label2->isHidden());
    w.DTPicker1->setValue(QDate(2005, 3, 5));

    type(w, {"1", "2", "3", "4", "69", "", "", "27"}); // the extra ball runs 1 to 26
    answer(vbOK);
    click(w, "Command2");
    EXPECT_EQ(lastBoxText(), TipText(6));
    type(w, {"1", "2", "3", "4", "69", "", "", "26"});
    w.TextPName->setText(" Ann, Bob");
    click(w, "Command2");
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(w.Text1[1]->text(), "");

    w.List1->setCurrentRow(1); // UK Lotto
    EXPECT_FALSE(w.Text1[6]->isHidden());
    EXPECT_TRUE(w.Text1[8]->isHidden());
    EXPECT_TRUE(w.Label2->isHidden());
    type(w, {"07", "11", "19", "27", "38", "45", "", "9"});
    w.TextPName->clear();
    click(w, "Command2");

    answer(vbOK);
    click(w, "Command3");
    EXPECT_EQ(lastBoxText(), "Your entries have been saved.  ");
    EXPECT_EQ(lastBox().title, "");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(fileLines(),
              QStringList({"earlier line", "05 Mar 05,1,2,3,4,69,,,26,US Powerball, Ann; Bob,dbase069.txt",
                           "05 Mar 05,07,11,19,27,38,45,,,UK Lotto,,dbase100.txt"}));
}

TEST_F(StoreMyDrawsWTest, RowCommandsWaitForAChosenRow)
{
    LoadedWindow<StoreMyDrawsW> w;
    w.List1->setCurrentRow(1);
    FlexGrid* g = w.MSFlexGrid1;
    for (int i = 1; i <= 7; ++i) {
        type(w, {QString::number(i), "11", "19", "27", "38", "45"});
        click(w, "Command2");
    }
    EXPECT_EQ(g->TopRow(), 2); // the seventh entry scrolled the grid
    w.List1->setCurrentRow(0);
    EXPECT_EQ(w.ChosenRow, 0);
    click(w, "Command4"); // nothing chosen: nothing deleted
    EXPECT_EQ(g->TextMatrix(7, 1), "7");

    g->setRow(2);
    w.MSFlexGrid1_Click();
    g->setTextMatrix(4, 11, "dbase4.txt");
    click(w, "Command4");
    EXPECT_EQ(g->TextMatrix(2, 1), "3");
    EXPECT_EQ(g->TextMatrix(3, 11), "dbase4.txt");
    EXPECT_EQ(g->TextMatrix(7, 0), "");
    click(w, "Command5");
    EXPECT_EQ(w.ChosenRow, 1);
    EXPECT_EQ(g->TextMatrix(1, 1), "3");
    click(w, "Command5"); // already at the top
    EXPECT_EQ(w.ChosenRow, 1);
    g->setRow(6);
    w.MSFlexGrid1_Click();
    click(w, "Command6"); // the last entry stays last
    EXPECT_EQ(w.ChosenRow, 6);
    EXPECT_EQ(g->TextMatrix(6, 1), "7");

    // A full grid refuses more.
    for (int r = 7; r <= 199; ++r)
        g->setTextMatrix(r, 0, "05 Mar 05");
    type(w, {"1", "2", "3", "4", "5", "", "", "6"});
    answer(vbOK);
    click(w, "Command2");
    EXPECT_EQ(lastBoxText(), "The grid is full. Please save these entries first.  ");

    // Closing with entries asks, from the close box too; Cancel keeps the window.
    w.show();
    answer(vbCancel);
    w.reject();
    EXPECT_TRUE(lastBoxText().startsWith("If you have made changes you should    \r\nclick Save"));
    EXPECT_TRUE(w.isVisible());
    answer(vbOK);
    click(w, "Command1");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(exists(kSavedEntriesFile));
}

TEST_F(StoreMyDrawsWTest, OnlyDatesTheStoredFormReadsBackArePicked)
{
    LoadedWindow<StoreMyDrawsW> w;
    for (const QDate& wanted : {QDate(1900, 6, 1), QDate(1945, 6, 2), QDate(2100, 6, 1)}) {
        w.DTPicker1->setValue(wanted);
        const QDate picked = w.DTPicker1->Value();
        EXPECT_EQ(ParseDate(FormatShortDate(picked)), picked) << wanted.toString().toStdString();
    }
}

TEST_F(StoreMyDrawsWTest, SavingAnEmptyGridWritesNothingAndSaysNothing)
{
    LoadedWindow<StoreMyDrawsW> w;
    click(w, "Command3");
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(exists(kSavedEntriesFile));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(StoreMyDrawsWTest, WithoutADatabaseNothingCanBeAdded)
{
    QFile::remove(path("dbase069.txt"));
    QFile::remove(path("dbase100.txt"));
    answer(vbOK);
    LoadedWindow<StoreMyDrawsW> w;
    EXPECT_EQ(lastBoxText(), "No lotteries to display!    ");
    type(w, {"1", "2", "3", "4", "5", "6"});
    answer(vbOK);
    click(w, "Command2");
    EXPECT_EQ(lastBoxText(), TipText(6));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "");
}

TEST_F(StoreMyDrawsWTest, ADatabaseThatCannotBeReadIsNamed)
{
    writeLines("dbase1.txt", DatabaseLines("Broken", "6,x", {}));
    makePipe("dbase2.txt");
    LoadedWindow<StoreMyDrawsW> w;
    // Listed after dbase069.txt and dbase100.txt respectively.
    for (const auto& [row, file] : {std::pair{1, "dbase1.txt"}, std::pair{3, "dbase2.txt"}}) {
        w.List1->setCurrentRow(row);
        type(w, {"1", "2", "3", "4", "5", "6"});
        answer(vbOK);
        click(w, "Command2");
        EXPECT_TRUE(IsBox(lastBox(),
                          QString("The lottery database %1 cannot be read.    \r\n"
                                  "Please choose another lottery.    ")
                              .arg(file),
                          "Error!", vbExclamation));
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "");
    }
}

TEST_F(StoreMyDrawsWTest, AppendingLeavesAQuotedNameAsItWas)
{
    const QString quoted = "09 Mar 05,1,2,3,4,5,6,,,UK Lotto,\"Smith, Ann\",dbase100.txt";
    writeLines(kSavedEntriesFile, {quoted});
    {
        LoadedWindow<StoreMyDrawsW> w;
        w.List1->setCurrentRow(1); // UK Lotto
        w.DTPicker1->setValue(QDate(2005, 3, 9));
        type(w, {"7", "8", "9", "10", "11", "12"});
        click(w, "Command2");
        answer(vbOK);
        click(w, "Command3");
    }
    EXPECT_EQ(fileLines(), QStringList({quoted, "09 Mar 05,7,8,9,10,11,12,,,UK Lotto,,dbase100.txt"}));
}
