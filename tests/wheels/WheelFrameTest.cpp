// The Busy rules of the wheel windows (the three-match window's: commands
// that do not look at Busy; the triplet window's: Generate that sets it
// without testing it), whether a command comes from its button or from the
// frame's handler.
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "platform/ui/FlexGrid.h"
#include "support/TestSupport.h"
#include "wheels/ui/PThreeMatch.h"
#include "wheels/ui/PWheel3.h"
#include "wheels/ui/WheelFrame.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

class WheelFrameTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Settings.set(LongRunFilter, "3 Long Run filter");
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
    }
    static void type(WheelFrame& w, const QStringList& numbers)
    {
        for (int i = 0; i < numbers.size(); ++i)
            w.Text1[std::size_t(i)]->setText(numbers[i]);
    }
};

} // namespace

// The three-match window: bad input keeps the earlier lines (Entries is
// cleared only after the checks); Generate, the filters and Close ignore Busy.
TEST_F(WheelFrameTest, ThreeMatchCommandsDoNotLookAtBusy)
{
    PThreeMatch w;
    w.Load();
    EXPECT_EQ(w.findChild<QLabel*>("Label5"), w.Label1);
    EXPECT_EQ(w.findChild<QLabel*>("StatusLine"), w.Label5);
    EXPECT_TRUE(w.BlockLetters.empty());
    w.Combo1->setCurrentIndex(10); // " 5 from 12": ABCDEF GHIJKL
    type(w, {"1", "2", "3", "4", "5", "6", "10", "15", "20", "25", "30", "35"});
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(EntryCount(), 2);
    w.Text1[11]->clear();
    answer(vbOK);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(EntryCount(), 2);

    w.Text1[11]->setText("35");
    w.show();
    Busy = true;
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_TRUE(Busy);                                         // left as it was
    QTest::mouseClick(w.FilterLongRunsButton, Qt::LeftButton); // 1 to 6 is a run of six
    EXPECT_EQ(EntryCount(), 1);
    QTest::mouseClick(w.Command1, Qt::LeftButton); // closes whatever Busy says
    EXPECT_FALSE(w.isVisible());
    Busy = false;
}

// The frame's handlers are the wheel's: called through the frame they keep
// the window's Busy rules, as its buttons do.
TEST_F(WheelFrameTest, FrameHandlersKeepTheWheelBusyRules)
{
    PWheel3 triplets;
    triplets.Load();
    type(triplets, {"1", "2", "3", "4", "5", "6", "20", "30", "40"});
    PThreeMatch threeMatch;
    threeMatch.Load();
    threeMatch.show();
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"triplets: Generate sets Busy without testing it",
         [&] {
             static_cast<GeneratorFrame&>(triplets).Command2_Click();
             return EntryCount() == 3 && !Busy;
         }},
        {"three-match: Close closes while Busy",
         [&] {
             static_cast<GeneratorFrame&>(threeMatch).Command1_Click();
             return !threeMatch.isVisible();
         }},
    };
    for (const auto& [name, held] : cases) {
        Busy = true;
        EXPECT_TRUE(held()) << name;
        Busy = false;
    }
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
