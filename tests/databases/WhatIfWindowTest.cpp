#include "core/DataFiles.h"
#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "databases/ui/WhatIf.h"
#include "generators/Entries.h"
#include "generators/Tips.h"
#include "platform/ui/FlexGrid.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

class WhatIfWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase069.txt",
                   DatabaseLines("US Powerball", "5,69,0,26,0",
                                 {"12 Mar 05,5,10,15,20,25,0,0,3", "09 Mar 05,3,11,12,13,14,0,0,0"}));
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"09 Mar 05,1,2,3,4,5,6,,7"}));
    }
    void click(WhatIf& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }
    void type(WhatIf& w, const QStringList& numbers)
    {
        for (int i = 1; i <= kExtraBallColumn; ++i)
            w.Text1[i]->setText(i <= numbers.size() ? numbers[i - 1] : QString());
    }
};

TEST_F(WhatIfWindowTest, TypedLinesAreCheckedAgainstEveryDraw)
{
    LoadedWindow<WhatIf> w;
    FlexGrid* g = w.MSFlexGrid1;
    EXPECT_EQ(w.List1->currentRow(), -1);
    type(w, {"1", "2", "3", "4"});
    click(w, "Command2"); // lines may be typed before a lottery is chosen
    answer(vbOK);
    click(w, "Command3");
    EXPECT_EQ(lastBoxText(), "Select a lottery first!    ");

    w.List1->setCurrentRow(0); // US Powerball; no saved file, so no question
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(g->TextMatrix(1, 0), ""); // choosing a lottery empties the grid
    EXPECT_FALSE(w.Text1[5]->isHidden());
    EXPECT_TRUE(w.Text1[6]->isHidden());
    EXPECT_FALSE(w.Text1[8]->isHidden());
    EXPECT_FALSE(w.Label2->isHidden());

    type(w, {"3", "10", "15", "40", "70"}); // 70 is above the lottery's highest number
    answer(vbOK);
    click(w, "Command2");
    EXPECT_EQ(lastBoxText(), TipText(6));
    type(w, {"3", "10", "15", "40", "41", "", "", "3"});
    click(w, "Command2");
    type(w, {"3", "10", "15", "40"});
    click(w, "Command2");
    type(w, {"60", "61", "62", "63", "64"});
    click(w, "Command2");
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(g->TextMatrix(2, 4), "40");
    EXPECT_EQ(g->TextMatrix(2, 5), "");

    // Delete the second line: the lines below move up and keep their numbers.
    g->setRow(2);
    w.MSFlexGrid1_Click();
    click(w, "Command4");
    EXPECT_EQ(g->TextMatrix(2, 0), "3");
    EXPECT_EQ(g->TextMatrix(2, 1), "60");
    EXPECT_EQ(g->TextMatrix(3, 0), "");
    type(w, {"3", "10", "15", "40", "41", "", "", "3"});
    click(w, "Command2");
    EXPECT_EQ(g->TextMatrix(3, 0), "3");

    click(w, "Command3");
    const QString report = w.Text2->toPlainText();
    EXPECT_TRUE(report.startsWith("Your lottery entries were checked against 2 draw results:\n\n"
                                  " 5 - match = 0 times\n 4 - match = 0 times\n 3 - match = 0 times\n"
                                  " 2 - match = 0 times\n 1 - match = 2 times\n 0 - match = 2 times\n\n"));
    EXPECT_TRUE(report.contains(" 2 - match + powerball = 2 times\n"));
    click(w, "Command3");
    EXPECT_EQ(w.Text2->toPlainText(), report);
    EXPECT_FALSE(Busy);
}

// Two lotteries whose names go on past what the list shows, alike up to
// there: each loads the lines saved under its own whole name.
TEST_F(WhatIfWindowTest, SavedLinesLoadForANameLongerThanTheListShows)
{
    const QString start = "Lotto " + QString(kListNameLength, u'x');
    writeLines("dbase101.txt", DatabaseLines(start + " one", "6,49,0,0,0", {"09 Mar 05,1,2,3,4,5,6"}));
    writeLines("dbase102.txt", DatabaseLines(start + " two", "6,49,0,0,0", {"09 Mar 05,1,2,3,4,5,6"}));
    writeLines(kSavedEntriesFile,
               {"05 Mar 05,1,2,3,4,5,6,,," + start + " two,,dbase102.txt",
                "05 Mar 05,7,8,9,10,11,12,,," + start + " one,,dbase101.txt"});
    LoadedWindow<WhatIf> w;
    ASSERT_EQ(w.List1->count(), 4);
    for (const auto& [row, first] : {std::pair{2, "7"}, std::pair{3, "1"}}) {
        answer(vbYes);
        w.List1->setCurrentRow(row);
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), first) << row;
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 0), "") << row;
    }
}

TEST_F(WhatIfWindowTest, SavedLinesOfTheChosenLotteryLoadOnRequest)
{
    writeLines(
        kSavedEntriesFile,
        {"05 Mar 05,3,11,19,27,38,45,,,UK Lotto,,dbase100.txt", "05 Mar 05,1,2,3,4,5,,,9,US Powerball,Bob,dbase069.txt",
         "05 Mar 05,7,8,9,10,11,12,,,uk lotto,,dbase100.txt", "05 Mar 05,1,2,3,4,5,6,,,UK Lotto,Ann,dbase100.txt"});
    LoadedWindow<WhatIf> w;
    FlexGrid* g = w.MSFlexGrid1;
    answer(vbYes);
    w.List1->setCurrentRow(1); // UK Lotto
    EXPECT_EQ(lastBoxText(), "Load saved draws?    ");
    EXPECT_EQ(lastBox().title, "What if?");
    EXPECT_EQ(g->TextMatrix(1, 6), "45");
    EXPECT_EQ(g->TextMatrix(2, 0), "2");
    EXPECT_EQ(g->TextMatrix(3, 0), "");
    EXPECT_TRUE(w.Text1[8]->isHidden());

    click(w, "Command4"); // no row chosen after loading: nothing happens
    EXPECT_EQ(g->TextMatrix(2, 0), "2");

    click(w, "Command3");
    const QString report = w.Text2->toPlainText();
    EXPECT_TRUE(report.contains(" 6 - match = 1 times\n"));
    EXPECT_TRUE(report.contains(" 1 - match = 1 times\n"));

    answer(vbNo);
    w.List1->setCurrentRow(0);
    EXPECT_EQ(g->TextMatrix(1, 0), "");
    EXPECT_EQ(w.Text2->toPlainText(), "");
}

TEST_F(WhatIfWindowTest, OpeningChoosesNoLotteryAndFitsASmallScreen)
{
    writeLines("ReVadirav.txt", {"09-Mar-2005,1,2,3,4,5,,,9,US Powerball,Ann,dbase069.txt"});
    LoadedWindow<WhatIf> w;
    w.show();
    w.List1->setFocus(); // the list takes the focus first when the window opens
    QApplication::processEvents();
    EXPECT_TRUE(boxes().empty()); // no question before the player picks a lottery
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "");
    EXPECT_LE(w.width(), 1240); // within a 1280-pixel screen
    type(w, {"1", "2", "3", "4", "5"});
    click(w, "Command2");
    answer(vbOK);
    click(w, "Command3"); // the focus alone chose nothing
    EXPECT_EQ(lastBoxText(), "Select a lottery first!    ");
    EXPECT_EQ(w.Text2->toPlainText(), "");

    // Clicking the lottery the focus made current still chooses it.
    answer(vbYes);
    const QRect first = w.List1->visualItemRect(w.List1->item(0));
    QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(lastBoxText(), "Load saved draws?    ");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "1");
}
