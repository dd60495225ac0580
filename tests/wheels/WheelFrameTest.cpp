// The frame's options as the other wheel windows choose them, on a small
// window of four boxes whose wheel plays boxes A B C and B C D; and the Busy
// rules of the triplet window.
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "platform/ui/FlexGrid.h"
#include "support/TestSupport.h"
#include "wheels/ui/PWheel3.h"
#include "wheels/ui/WheelFrame.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class FourBoxes : public WheelFrame {
public:
    explicit FourBoxes(const WheelFrameOptions& options) : WheelFrame(options) {}
    int wheels = 0;

protected:
    bool RunWheel() override
    {
        ++wheels;
        return ExpandWheel(u"ABCBCD", ExpansionFor(3, LetterBase::Boxes(), 4)).ok();
    }
};

WheelFrameOptions Relaxed()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("FourBoxes", "Four boxes", 12);
    o.frame.helpButtons = {"Command4"};
    o.listCaptionName = "Label5";
    o.statusName = "Label10";
    o.boxes = 6;
    o.digitsOnly = false;
    o.enterMovesOn = true;
    o.disableUnused = true;
    o.emptyUnused = true;
    o.orderWriteBack = OrderWriteBack::UpToLastShowingZero;
    o.generateBusy = GenerateBusy::NotUsed;
    o.closeBusy = CloseBusy::NoTest;
    o.filtersTestBusy = false;
    o.printSaveTestBusy = false;
    o.reseedOnGenerate = false;
    o.clearBeforeChecks = false;
    return o;
}

class WheelFrameTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Settings.set(LongRunFilter, "3 Long Run filter");
        writeLines("dbase100.txt", DatabaseLines("Pick Three", "3,20,0,0,0", {"05 Mar 05,1,2,3,0,0,0,0"}));
    }
};

} // namespace

TEST_F(WheelFrameTest, OptionsOfTheOtherWindows)
{
    FourBoxes w(Relaxed());
    w.Load();
    EXPECT_EQ(w.findChild<QLabel*>("Label5"), w.Label1);
    EXPECT_EQ(w.findChild<QLabel*>("Label10"), w.Label5);
    EXPECT_NE(w.findChild<QPushButton*>("Command4"), nullptr);
    EXPECT_EQ(w.findChild<QPushButton*>("Command3"), nullptr);
    EXPECT_TRUE(w.BlockLetters.empty());

    // Any key; boxes not in use greyed, disabled and emptied.
    QTest::keyClicks(w.Text1[0], "1a");
    EXPECT_EQ(w.Text1[0]->text(), "1a");
    w.Text1[5]->setText("9");
    w.SetBoxesInUse(4);
    EXPECT_FALSE(w.Text1[4]->isEnabled());
    EXPECT_EQ(w.Text1[5]->text(), "");
    EXPECT_FALSE(w.BoxInUse(4));
    EXPECT_TRUE(w.BoxInUse(3));

    // Enter moves on to the next enabled box only.
    w.show();
    QApplication::setActiveWindow(&w);
    w.Text1[2]->setFocus();
    QTest::keyClick(w.Text1[2], Qt::Key_Return);
    EXPECT_TRUE(w.Text1[3]->hasFocus());
    QTest::keyClick(w.Text1[3], Qt::Key_Return);
    EXPECT_TRUE(w.Text1[3]->hasFocus());

    // Random order writes boxes up to the last number, an empty one as 0.
    w.Text1[0]->setText("4");
    w.Text1[1]->clear();
    w.Text1[2]->setText("6");
    w.Text1[3]->clear();
    QTest::mouseClick(w.Command8, Qt::LeftButton);
    QStringList head = w.BoxTexts().mid(0, 3);
    head.sort();
    EXPECT_EQ(head, QStringList({"0", "4", "6"}));
    EXPECT_EQ(w.Text1[3]->text(), "");

    // Bad input keeps the earlier lines when Entries is cleared only after
    // the checks; the lines made, filters run while Busy is set.
    const QStringList good{"1", "2", "3", "20"};
    for (int i = 0; i < 4; ++i)
        w.Text1[std::size_t(i)]->setText(good[i]);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(EntryCount(), 2);
    w.Text1[3]->clear();
    answer(vbOK);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(EntryCount(), 2);
    EXPECT_EQ(w.wheels, 1);
    Busy = true;
    QTest::mouseClick(w.FilterLongRunsButton, Qt::LeftButton); // 1 2 3 is no run of four
    EXPECT_EQ(EntryCount(), 2);
    QTest::mouseClick(w.Command1, Qt::LeftButton); // closes whatever Busy says
    EXPECT_FALSE(w.isVisible());
    Busy = false;
}

TEST_F(WheelFrameTest, TripletsIgnoreFiltersSaveAndCloseWhileBusyButNotGenerate)
{
    writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
    PWheel3 w;
    w.Load();
    const QStringList numbers{"1", "2", "3", "4", "5", "6", "20", "30", "40"};
    for (int i = 0; i < 9; ++i)
        w.Text1[std::size_t(i)]->setText(numbers[i]);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(EntryCount(), 3);

    Busy = true;
    QTest::mouseClick(w.FilterLongRunsButton, Qt::LeftButton);
    EXPECT_EQ(EntryCount(), 3);
    QTest::mouseClick(w.Command7, Qt::LeftButton); // no save dialog
    QTest::mouseClick(w.Command6, Qt::LeftButton); // no print dialog
    w.show();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    // Generate sets Busy without looking at it, and clears it at the end; a
    // Close that came meanwhile then closes the window.
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_FALSE(Busy);
    EXPECT_EQ(EntryCount(), 3);
    EXPECT_FALSE(w.isVisible());

    // Not busy: the filter removes 1 2 3 4 5 6 (a run of six).
    QTest::mouseClick(w.FilterLongRunsButton, Qt::LeftButton);
    EXPECT_EQ(EntryCount(), 2);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "1");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 4), "20");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 1), "");
}

TEST_F(WheelFrameTest, WithoutALotteryDatabaseTheWindowSaysSoAndBuildsNothing)
{
    QFile::remove(path("dbase100.txt"));
    PWheel3 w;
    w.Load();
    EXPECT_EQ(w.Label5->text(), "There is no lottery database to choose from.");
    w.Text1[0]->setText("7");
    QTest::mouseClick(w.Command12, Qt::LeftButton); // no numbers to pick from
    EXPECT_EQ(w.Text1[0]->text(), "7");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(w.Label5->text(), "There is no lottery database to choose from.");
    EXPECT_TRUE(boxes().empty());
}
