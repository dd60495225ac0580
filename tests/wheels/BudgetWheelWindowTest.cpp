// The budget wheels window driven as the player would.
#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"
#include "wheels/ui/PBudgetWheel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kTip6 = " There was a problem with the input.  \r\n Please check it and try again.  \r\n";

class BudgetWindow : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
    }
    static void type(PBudgetWheel& w, const QStringList& numbers)
    {
        for (int i = 0; i < numbers.size(); ++i)
            w.Text1[std::size_t(i)]->setText(numbers[i]);
    }
    static const QStringList kOneToNine;
};

const QStringList BudgetWindow::kOneToNine{"1", "2", "3", "4", "5", "6", "7", "8", "9"};

} // namespace

// The window as it opens: its texts, nine boxes in use, no lines yet.
TEST_F(BudgetWindow, OpensWithItsTextsAndNineBoxesInUse)
{
    PBudgetWheel w;
    w.Load();
    EXPECT_EQ(w.windowTitle(), "Budget Wheels");
    EXPECT_EQ(w.Label7->text(), "Budget wheels");
    EXPECT_TRUE(w.Label2->text().startsWith("These wheels don't cover every possible combination of numbers, but"));
    EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), "Select a lottery:");
    EXPECT_EQ(w.Label6[1]->text(), "Filters   ");
    const QStringList sizes{"Wheel   9 numbers in 3 lines", "Wheel 12 numbers in 4 lines",
                            "Wheel 15 numbers in 5 lines", "Wheel 18 numbers in 8 lines"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.Option1[std::size_t(i)]->text(), sizes[i]);
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_EQ(w.Command12->text(), "Random selection");
    EXPECT_EQ(w.Command12->toolTip(), " Pick some numbers for me ");
    EXPECT_EQ(w.Command8->toolTip(), " Mix up the order of the numbers ");
    auto* help = w.findChild<QPushButton*>("Command4");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->toolTip(), " Help ");
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 12);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "");
    ASSERT_EQ(w.Text1.size(), 18u);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(w.BoxInUse(i), i < 9) << i;
        EXPECT_EQ(w.Text1[std::size_t(i)]->isEnabled(), i < 9) << i;
    }
    // The boxes take any key.
    QTest::keyClicks(w.Text1[0], "x5");
    EXPECT_EQ(w.Text1[0]->text(), "x5");
}

// Nine numbers of a six-number lottery: the three lines of the worked
// example; bad boxes refused; a number above the lottery passes; saved
// lines go to the saved entries.
TEST_F(BudgetWindow, GeneratesTheNineNumberWheelAndSavesIt)
{
    PBudgetWheel w;
    w.Load();
    type(w, kOneToNine);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 3);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"1", "2", "3", "4", "5", "6", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 2), QStringList({"4", "5", "6", "7", "8", "9", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 3), QStringList({"1", "2", "3", "7", "8", "9", "", ""}));
    EXPECT_EQ(w.CurrentWheel, "ABBCAC");

    // Boxes that hold no number to wheel refuse with the tip; the table is left
    // empty while the grid keeps the earlier lines.
    for (const QString& bad : {QString(), QString("abc"), QString("-3"), QString("0.4")}) {
        w.Text1[4]->setText(bad);
        answer(vbOK);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        EXPECT_EQ(lastBoxText(), kTip6);
        EXPECT_EQ(lastBox().title, "Error");
        EXPECT_EQ(EntryCount(), 0);
        EXPECT_EQ(ShownLines(w.MSFlexGrid1), 3);
    }
    // A grey box is not looked at.
    w.Text1[4]->setText("5");
    QTest::mouseClick(w.Option1[1], Qt::LeftButton);
    EXPECT_TRUE(w.BoxInUse(11));
    type(w, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    QTest::mouseClick(w.Option1[0], Qt::LeftButton);
    EXPECT_EQ(w.Text1[9]->text(), "");
    EXPECT_EQ(w.Text1[8]->text(), "9");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(EntryCount(), 3);

    int shown = 0;
    ScriptSaveDialog(&shown, SaveDialogAnswer("3", "Ann"));
    QTest::mouseClick(w.Command7, Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    const auto saved = ReadSavedEntries();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->size(), 3);
    EXPECT_EQ((*saved)[2].numbers[3], "7");
    EXPECT_EQ((*saved)[2].lottery, "UK Lotto");
    EXPECT_EQ((*saved)[2].name, "Ann");

    // Choosing the lottery again empties the box that cannot hold its numbers.
    type(w, {"99", "2", "3"});
    w.List1_Click();
    EXPECT_EQ(w.Text1[0]->text(), "");
    EXPECT_EQ(w.Text1[1]->text(), "2");
}

// A four-number lottery has no budget wheel; seven-number lines whose numbers
// leave no seventh give the tip, not a hang.
TEST_F(BudgetWindow, LotteriesItCannotWheelAreRefused)
{
    struct Case {
        QString definition, draw;
        QStringList typed;
        QString text, title;
        int icon;
    };
    const Case cases[] = {
        {"4,20,0,0,0", "05 Mar 05,1,2,3,4,0,0,0,0", kOneToNine, "Not available with this lottery.    ", "Sorry!",
         vbExclamation},
        {"7,49,0,0,0", "05 Mar 05,1,2,3,4,5,6,7,0", QStringList(9, "5"), kTip6, "Error", vbInformation}};
    for (const Case& c : cases) {
        writeLines("dbase100.txt", DatabaseLines("Other", c.definition, {c.draw}));
        PBudgetWheel w;
        w.Load();
        type(w, c.typed);
        answer(vbOK);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        ASSERT_FALSE(boxes().empty());
        EXPECT_EQ(lastBox().text, c.text);
        EXPECT_EQ(lastBox().title, c.title);
        EXPECT_EQ(lastBox().icon(), c.icon);
        EXPECT_EQ(EntryCount(), 0);
    }
}

// The window never reseeds: after a seed, the same numbers give the same
// seven-number lines and extra balls.
TEST_F(BudgetWindow, SeededLinesAndRandomButtons)
{
    writeLines("dbase100.txt", DatabaseLines("Seven Plus", "7,40,0,10,0", {"05 Mar 05,1,2,3,4,5,6,7,8"}));
    PBudgetWheel w;
    w.Load();
    QTest::mouseClick(w.Option1[3], Qt::LeftButton);
    for (int i = 0; i < 18; ++i)
        w.Text1[std::size_t(i)]->setText(QString::number(i + 1));
    RandomizeSeed(2026);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 8);
    // The lines of the seeded worked example of the rule test.
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"1", "2", "3", "4", "5", "6", "12", "9"}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 8), QStringList({"10", "11", "12", "13", "14", "15", "17", "1"}));

    // Random selection fills the twelve boxes of the next size; random order
    // keeps the numbers.
    QTest::mouseClick(w.Option1[1], Qt::LeftButton);
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    QSet<QString> picked;
    for (int i = 0; i < 12; ++i)
        picked.insert(w.Text1[std::size_t(i)]->text());
    EXPECT_EQ(picked.size(), 12);
    EXPECT_FALSE(picked.contains(""));
    EXPECT_EQ(w.Text1[12]->text(), "");
    QTest::mouseClick(w.Command8, Qt::LeftButton);
    QSet<QString> mixed;
    for (int i = 0; i < 12; ++i)
        mixed.insert(w.Text1[std::size_t(i)]->text());
    EXPECT_EQ(mixed, picked);
}

// Random order shuffles boxes 0 to the last filled one: an empty box among
// them comes back as "0"; the boxes after it keep what they hold.
TEST_F(BudgetWindow, RandomOrderShowsZeroUpToTheLastNumber)
{
    PBudgetWheel w;
    w.Load();
    type(w, {"5", "6", "", "9", "abc"});
    RandomizeSeed(7);
    QTest::mouseClick(w.Command8, Qt::LeftButton);
    QStringList mixed;
    for (int i = 0; i < 4; ++i)
        mixed << w.Text1[std::size_t(i)]->text();
    mixed.sort();
    EXPECT_EQ(mixed, QStringList({"0", "5", "6", "9"}));
    EXPECT_EQ(w.Text1[4]->text(), "abc");
}
