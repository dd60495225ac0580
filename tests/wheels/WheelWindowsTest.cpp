// The triplet and pair windows driven as the player would: their texts, the
// number boxes, Generate with its checks and refusals, seeded lines, and the
// lines saved.
#include "app/MenuItems.h"
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "databases/ui/SaveEntries.h"
#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"
#include "wheels/ui/PBudgetWheel.h"
#include "wheels/ui/PDIYWheels.h"
#include "wheels/ui/PThreeMatch.h"
#include "wheels/ui/PWheel2.h"
#include "wheels/ui/PWheel3.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>
#include <set>

namespace {

const QString kBadInput = " There was a problem with the input.  \r\n Please check it and try again.  \r\n";

class WheelWindows : public ProgramFolderTest {
protected:
    void writeLottery(const QString& file, const QString& name, const QString& definition)
    {
        writeLines(file, DatabaseLines(name, definition, {"05 Mar 05,1,2,3,4,5,6,7"}));
    }
    static void type(WheelFrame& w, const QStringList& numbers)
    {
        for (int i = 0; i < numbers.size(); ++i)
            w.Text1[std::size_t(i)]->setText(numbers[i]);
    }
    static QStringList numbers(int from, int to)
    {
        QStringList list;
        for (int v = from; v <= to; ++v)
            list << QString::number(v);
        return list;
    }
    static void generate(WheelFrame& w) { QTest::mouseClick(w.Command2, Qt::LeftButton); }
};

} // namespace

TEST_F(WheelWindows, TripletsOpenOnTheFirstLotteryWithTheirTexts)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    PWheel3 w;
    w.Load();
    const std::pair<QString, QString> texts[] = {
        {w.windowTitle(), "Wheeling triplets"},
        {w.Label7->text(), "Wheeling triplets"},
        {w.Label8->text(), "  Enter 9 different numbers in groups of three, starting with group A:"},
        {w.Label4->text(), "6-pick lotteries are OK with Wheeling Triplets."},
        {w.Option1[0]->text(), "Wheel   9 numbers in   3 lines"},
        {w.Option1[5]->text(), "Wheel 24 numbers in 28 lines"},
        {w.findChild<QLabel*>("Label1(8)")->text(), "H"},
        {w.findChild<QLabel*>("Label1")->text(), "Select a lottery:"},
        {w.findChild<QLabel*>("Label6(1)")->text(), "Filters   "},
        {w.MSFlexGrid1->TextMatrix(0, 0), "Line"},
        {w.MSFlexGrid1->TextMatrix(0, 7), "Num7"},
        {w.MSFlexGrid1->TextMatrix(0, 8), "Pball"},
        {w.Command12->text(), "Random selection"},
        {w.Command8->text(), "Random order"},
        {w.findChild<QPushButton*>("Command9")->text(), "Previous draws"},
        {w.findChild<QPushButton*>("Command13")->toolTip(), " Delete bad entries "},
        {w.Command7->toolTip(), "Save the lottery entries to disk"},
        {w.findChild<QPushButton*>("Command3")->toolTip(), " Help "},
        {w.Command1->toolTip(), " Close "}};
    for (const auto& [shown, expected] : texts)
        EXPECT_EQ(shown, expected);
    EXPECT_TRUE(w.Label2->text().startsWith("This method of selecting Lotto entries tries to increase"));
    EXPECT_TRUE(w.Label2->text().endsWith("Pick up to 8 groups of three numbers."));
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_EQ(w.List1->currentRow(), 0);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(w.BoxInUse(i), i < 9) << i;
    EXPECT_EQ(w.Text1[0]->palette().color(QPalette::Base), ToQColor(kBoxInUseColour));
    EXPECT_EQ(w.Text1[9]->palette().color(QPalette::Base), ToQColor(kBoxNotInUseColour));
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 30);
    EXPECT_EQ(w.MSFlexGrid1->cellForeColor(0, 8), ToQColor(kExtraBallColour));
    EXPECT_EQ(w.findChild<QWidget*>("Check1"), nullptr);
}

TEST_F(WheelWindows, BoxesTakeDigitsOnlyAndSizesPaintThem)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    PWheel3 w;
    w.Load();
    QTest::keyClicks(w.Text1[0], "1a-2");
    EXPECT_EQ(w.Text1[0]->text(), "12");
    w.Text1[1]->insert("123456789012345678901234567890");
    EXPECT_EQ(w.Text1[1]->text(), "123");
    w.Text1[1]->clear();
    w.Text1[1]->insert("7x");
    EXPECT_EQ(w.Text1[1]->text(), "");

    w.Text1[20]->setText("5");
    w.Option1[2]->click();
    EXPECT_EQ(w.Label8->text(), "   Enter 15 different numbers in groups of three, starting with group A:");
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(w.BoxInUse(i), i < 15) << i;
    EXPECT_EQ(w.Text1[20]->text(), "5"); // grey boxes keep their text here
    w.Option1[0]->click();
    EXPECT_EQ(w.Label8->text(), "   Enter 9 different numbers in groups of three, starting with group A:");

    // Random selection fills the nine white boxes and leaves the grey ones.
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(w.Text1[std::size_t(i)]->text().isEmpty()) << i;
    EXPECT_EQ(w.Text1[20]->text(), "5");
}

TEST_F(WheelWindows, TripletsGenerateChecksTheBoxesAndBuildsTheWheel)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    PWheel3 w;
    w.Load();
    type(w, numbers(1, 9));
    w.Text1[15]->setText("99"); // grey: emptied, no part in the wheel
    generate(w);
    EXPECT_EQ(w.Text1[15]->text(), "");
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 3);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"1", "2", "3", "4", "5", "6", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 2), QStringList({"1", "2", "3", "7", "8", "9", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 3), QStringList({"4", "5", "6", "7", "8", "9", "", ""}));
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 0), "3");

    // One white box empty: tip 6, nothing built, the grid keeps its lines.
    w.Text1[4]->clear();
    answer(vbOK);
    generate(w);
    EXPECT_EQ(lastBoxText().toStdString(), kBadInput.toStdString());
    EXPECT_EQ(lastBox().title, "Error");
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 3);
    EXPECT_FALSE(Busy);

    // The largest size builds 28 lines.
    w.Text1[4]->setText("4");
    w.Option1[5]->click();
    type(w, numbers(1, 24));
    generate(w);
    ASSERT_EQ(EntryCount(), 28);
}

// A number typed into two boxes in use would stand twice in a line, and one
// above the lottery's highest could never be played: every window with number
// boxes refuses them with tip 6 and builds nothing (a number out of range is
// refused by those that take any numbers: pairs, budget, create-a-wheel).
TEST_F(WheelWindows, ANumberTypedTwiceOrAboveTheLotteryIsRefused)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    const std::pair<const char*, std::function<WheelFrame*()>> windows[] = {
        {"triplets", [] { return new PWheel3; }},
        {"pairs", [] { return new PWheel2; }},
        {"four-match",
         [] {
             auto* w = new PThreeMatch;
             w->Option1[1]->click();
             return w;
         }},
        {"budget", [] { return new PBudgetWheel; }},
        {"create-a-wheel", [] { return new PDIYWheels; }},
    };
    const QSet<QString> takeAnyNumbers{"pairs", "budget", "create-a-wheel"};
    for (const auto& [name, make] : windows) {
        for (const auto& [box, text] : {std::pair(1, "01"), std::pair(2, "99")}) {
            if (QString(text) == "99" && !takeAnyNumbers.contains(name))
                continue;
            SCOPED_TRACE(std::string(name) + " " + text);
            std::unique_ptr<WheelFrame> w(make());
            w->Load();
            int inUse = 0;
            for (bool used : w->BoxesInUse())
                inUse += used ? 1 : 0;
            ASSERT_GE(inUse, 3);
            type(*w, numbers(1, inUse));
            w->Text1[box]->setText(text); // "01": A = 1 1 3
            answer(vbOK);
            generate(*w);
            EXPECT_EQ(lastBoxText().toStdString(), kBadInput.toStdString());
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 0);
            EXPECT_FALSE(Busy);
        }
    }
}

TEST_F(WheelWindows, ChoosingALotteryEmptiesBoxesItCannotHoldAndSetsTheRemark)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    writeLottery("dbase101.txt", "Small Lotto", "5,35,0,0,0");
    writeLottery("dbase102.txt", "Pick Three", "3,20,0,0,0");
    writeLottery("dbase103.txt", "Big Seven", "7,45,0,10,0");
    PWheel3 w;
    w.Load();
    ASSERT_EQ(w.List1->count(), 4);
    type(w, {"35", "36", "49", "1", "2", "3", "4", "5", "6"});
    w.Text1[12]->setText("40"); // grey, emptied too
    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Label4->text(), "5-pick lotteries are not ideal for this method.");
    EXPECT_EQ(w.Text1[0]->text(), "35");
    EXPECT_EQ(w.Text1[1]->text(), "");
    EXPECT_EQ(w.Text1[2]->text(), "");
    EXPECT_EQ(w.Text1[12]->text(), "");
    EXPECT_EQ(EntryCount(), 0); // choosing does not generate

    // A lottery of three numbers a draw: refused.
    w.List1->setCurrentRow(2);
    EXPECT_EQ(w.Label4->text(), "5-pick lotteries are not ideal for this method."); // unchanged
    type(w, numbers(1, 9));
    answer(vbOK);
    generate(w);
    EXPECT_EQ(lastBoxText().toStdString(), "Not available with this lottery.    ");
    EXPECT_EQ(lastBox().title, "Sorry!");
    EXPECT_EQ(lastBox().icon(), vbExclamation);
    EXPECT_EQ(EntryCount(), 0);

    // Seven numbers with an extra ball: the lines are those of the seeded
    // test below.
    w.List1->setCurrentRow(3);
    EXPECT_EQ(w.Label4->text(), "7-pick lotteries are not ideal for this method.");
    type(w, numbers(1, 9));
    generate(w);
    EXPECT_EQ(EntryCount(), 3);
}

TEST_F(WheelWindows, ASeededGenerateGivesFixedLines)
{
    writeLottery("dbase100.txt", "Big Seven", "7,45,0,10,0");
    PWheel3 w;
    w.Load();
    type(w, numbers(11, 19));
    HoldSeed(true);
    RandomizeSeed(2026);
    generate(w);
    QStringList shown;
    for (int r = 1; r <= 3; ++r)
        shown << GridCells(w.MSFlexGrid1, r).join(' ');
    // The seventh number is drawn before the extra ball of each line.
    EXPECT_EQ(shown.join('|').toStdString(), "9 11 12 13 14 15 16 7|11 12 13 17 18 19 38 1|14 15 16 17 18 19 37 2");
    // The same seed again gives the same lines.
    RandomizeSeed(2026);
    generate(w);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 2).join(' ').toStdString(), "11 12 13 17 18 19 38 1");
}

TEST_F(WheelWindows, PairsFollowThePickSize)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    writeLottery("dbase101.txt", "Small Lotto", "5,35,0,0,0");
    writeLottery("dbase102.txt", "Four Lotto", "4,30,0,0,0");
    PWheel2 w;
    w.Load();
    EXPECT_EQ(w.windowTitle(), "Wheeling pairs");
    EXPECT_EQ(w.Label7->text(), "Wheeling pairs");
    EXPECT_TRUE(w.Label2->text().endsWith("Pick up to 9 pairs of numbers."));
    EXPECT_EQ(w.Label8->text(), "   Enter 8  different pairs of numbers, starting with A:");
    EXPECT_EQ(w.Command12->toolTip(), " Enter a random selection of numbers ");
    EXPECT_EQ(w.Command8->toolTip(), " Mix up the order of the numbers ");
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 40);
    EXPECT_EQ(w.findChild<QLabel*>("Label1(9)")->text(), "I");
    const QStringList six{"Wheel 8 numbers in 3 lines",   "Wheel 10 numbers in 6 lines",
                          "Wheel 12 numbers in 10 lines", "Wheel 14 numbers in 15 lines",
                          "Wheel 16 numbers in 21 lines", "Wheel 18 numbers in 28 lines"};
    const QStringList five{"Wheel 8 numbers in 6 lines",   "Wheel 10 numbers in 10 lines",
                           "Wheel 12 numbers in 15 lines", "Wheel 14 numbers in 21 lines",
                           "Wheel 16 numbers in 28 lines", "Wheel 18 numbers in 36 lines"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.Option1[std::size_t(i)]->text(), six[i]);

    type(w, numbers(1, 8));
    generate(w);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 3);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"1", "2", "3", "4", "7", "8", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 2), QStringList({"1", "2", "5", "6", "7", "8", "", ""}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 3), QStringList({"3", "4", "5", "6", "7", "8", "", ""}));

    w.List1->setCurrentRow(1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.Option1[std::size_t(i)]->text(), five[i]);
    EXPECT_TRUE(w.Option1[0]->isChecked());
    generate(w);
    EXPECT_EQ(EntryCount(), 6);

    w.List1->setCurrentRow(2);
    generate(w);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 6);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 6).mid(0, 4).join(QChar(32)), "5 6 7 8");

    // A smaller size empties the boxes that turn grey.
    w.Option1[5]->click();
    EXPECT_EQ(w.Label8->text(), "   Enter 18 different pairs of numbers, starting with A:");
    type(w, numbers(1, 18));
    w.Option1[1]->click();
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(w.Text1[std::size_t(i)]->text().isEmpty(), i >= 10) << i;

    // Size 5 on a pick-6 lottery plays the three-pair wheel: 28 lines.
    w.List1->setCurrentRow(0);
    w.Option1[5]->click();
    type(w, numbers(1, 18));
    generate(w);
    EXPECT_EQ(EntryCount(), 28);
}

TEST_F(WheelWindows, SaveAppendsTheLinesFromTheMenuWindow)
{
    writeLottery("dbase100.txt", "UK Lotto", "6,49,0,0,1");
    RegisterAllWindows();
    EXPECT_TRUE(HasWindow(MenuItem::PlayWheel3));
    EXPECT_TRUE(HasWindow(MenuItem::PlayWheel2));
    int saved = 0;
    SetModalHook([&](QDialog* dialog) {
        if (auto* w = qobject_cast<PWheel2*>(dialog)) {
            for (int i = 0; i < 8; ++i)
                w->Text1[std::size_t(i)]->setText(QString::number(10 + i));
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            QTest::mouseClick(w->Command7, Qt::LeftButton);
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            return int(w->result());
        }
        if (auto* save = qobject_cast<SaveEntries*>(dialog)) {
            ++saved;
            EXPECT_EQ(save->Text1->text(), "3"); // every line offered
        }
        return AnswerSaveDialog(dialog, SaveDialogAnswer({}, "Ann"));
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayWheel2, nullptr));
    EXPECT_EQ(saved, 1);
    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3);
    EXPECT_EQ((*entries)[0].lottery, "UK Lotto");
    EXPECT_EQ((*entries)[0].dbaseFile, "dbase100.txt");
    EXPECT_EQ((*entries)[2].name, "Ann");
    QStringList first;
    for (int i = 0; i < 8; ++i)
        first << (*entries)[0].numbers[std::size_t(i)];
    EXPECT_EQ(first, QStringList({"10", "11", "12", "13", "16", "17", "", ""}));
}
