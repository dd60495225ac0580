// The create-a-wheel window driven as the player would.
#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"
#include "wheels/ui/PDIYWheels.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString kTip6 = " There was a problem with the input.  \r\n Please check it and try again.  \r\n";

class CreateWheelWindow : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
    }
    static void numbers(PDIYWheels& w, int count)
    {
        for (int i = 0; i < count; ++i)
            w.Text1[std::size_t(i)]->setText(QString::number(i + 1));
    }
};

} // namespace

// The window as it opens: its texts, the lists, eight boxes in use.
TEST_F(CreateWheelWindow, OpensWithItsTextsAndEightBoxesInUse)
{
    PDIYWheels w;
    w.Load();
    const std::pair<QString, QString> texts[] = {{w.windowTitle(), "Create-a-Wheel"},
                                                 {w.Label7->text(), "Create-a-wheel"},
                                                 {w.findChild<QLabel*>("Label5")->text(), "Select a lottery:"},
                                                 {w.findChild<QLabel*>("Label1")->text(), "Numbers:"},
                                                 {w.Label9->text(), "Interval:"},
                                                 {w.Label10->text(), "Numbers to wheel:"},
                                                 {w.findChild<QLabel*>("Label6")->text(), "Filters"},
                                                 {w.Command12->toolTip(), " Pick some numbers for me "}};
    for (const auto& [shown, expected] : texts)
        EXPECT_EQ(shown, expected);
    EXPECT_TRUE(
        w.Label2->text().endsWith("Click 'Random input order to place the numbers you enter in a random order."));
    EXPECT_EQ(w.Combo1->count(), 13);
    EXPECT_EQ(w.Combo1->itemText(0), "8");
    EXPECT_EQ(w.Combo1->itemText(12), "20");
    EXPECT_EQ(w.Combo2->count(), 5);
    EXPECT_EQ(w.Combo2->currentText(), "1");
    ASSERT_NE(w.findChild<QPushButton*>("Command4"), nullptr);
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 30);
    ASSERT_EQ(w.Text1.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(w.BoxInUse(i), i < 8) << i;

    // Digits only; Enter moves on to the next box in use.
    QTest::keyClicks(w.Text1[4], "1x2");
    EXPECT_EQ(w.Text1[4]->text(), "12");
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Text1[4]->setFocus();
    QTest::keyClick(w.Text1[4], Qt::Key_Return);
    EXPECT_TRUE(w.Text1[5]->hasFocus());
    // Past the boxes in use (box 8 is disabled) the focus stays.
    w.Text1[7]->setFocus();
    QTest::keyClick(w.Text1[7], Qt::Key_Return);
    EXPECT_TRUE(w.Text1[7]->hasFocus());
    EXPECT_TRUE(w.isVisible()); // Enter did not close the window
}

// The worked rings in the window: count 8, interval 1 and 3; an empty box
// refused; the count lowered from 20 to 8 empties boxes 8 to 19.
TEST_F(CreateWheelWindow, WheelsTheRingAndSavesIt)
{
    PDIYWheels w;
    w.Load();
    numbers(w, 8);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 8);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"1", "2", "3", "4", "5", "6", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 4), QStringList({"1", "4", "5", "6", "7", "8", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 8), QStringList({"1", "2", "3", "4", "5", "8", "", ""}));

    // An empty box in use: the tip, and the earlier lines stay listed and shown.
    w.Text1[3]->clear();
    answer(vbOK);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(lastBoxText(), kTip6);
    EXPECT_EQ(lastBox().title, "Error");
    EXPECT_EQ(EntryCount(), 8);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 8);
    w.Text1[3]->setText("4");

    w.Combo2->setCurrentIndex(2); // interval 3
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 3);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 2), QStringList({"1", "4", "5", "6", "7", "8", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 3), QStringList({"1", "2", "3", "4", "7", "8", "", ""}));

    int shown = 0;
    ScriptSaveDialog(&shown, SaveDialogAnswer("", "Bea"));
    QTest::mouseClick(w.Command7, Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    const auto saved = ReadSavedEntries();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->size(), 3);
    EXPECT_EQ((*saved)[0].numbers[5], "6");
    EXPECT_EQ((*saved)[0].name, "Bea");

    w.Combo1->setCurrentIndex(12); // 20 numbers
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(w.BoxInUse(i) && w.Text1[std::size_t(i)]->isEnabled());
    numbers(w, 20);
    w.Combo1->setCurrentIndex(0);
    EXPECT_EQ(w.Text1[7]->text(), "8");
    for (int i = 8; i < 20; ++i) {
        EXPECT_EQ(w.Text1[std::size_t(i)]->text(), "") << i;
        EXPECT_FALSE(w.Text1[std::size_t(i)]->isEnabled());
    }
    // Choosing the lottery again empties a box that cannot hold its numbers.
    w.Text1[0]->setText("99");
    w.List1_Click();
    EXPECT_EQ(w.Text1[0]->text(), "");
}

// The window never reseeds: a seeded source gives fixed extra balls; a
// four-number lottery is wheeled like any other.
TEST_F(CreateWheelWindow, SeededExtraBallsAndSmallLotteries)
{
    writeLines("dbase100.txt", DatabaseLines("Pick 4 Plus", "4,30,0,5,0", {"05 Mar 05,1,2,3,4,0,0,0,2"}));
    PDIYWheels w;
    w.Load();
    numbers(w, 8);
    RandomizeSeed(31);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 8);
    QStringList extras;
    for (int r = 1; r <= 8; ++r) {
        extras << w.MSFlexGrid1->TextMatrix(r, 8);
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(r, 5), "");
    }
    EXPECT_EQ(extras, QStringList({"5", "3", "1", "4", "5", "1", "2", "5"}));
}
