// The guaranteed win wheels, three- and four-match wheels and wheel 49
// windows, driven as the player would: board picks, refusals, the retry loop
// on a test clock, and seeded Generates giving fixed lines.
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "generators/RetryLoop.h"
#include "generators/Tips.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/NumberBoard.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"
#include "wheels/GuaranteedWheels.h"
#include "wheels/Wheel49.h"
#include "wheels/ui/PGuaranteed.h"
#include "wheels/ui/PThreeMatch.h"
#include "wheels/ui/Wheel49.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

namespace {

class GuaranteedWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Settings.set(OddEvenFilter, "3 Odd/Even filter");
        Settings.set(HighLowFilter, "1 High/Low filter");
        Settings.set(HistoryFilter, "1 History  filter");
    }
    void writeLottery(const QString& definition, const QString& file = "dbase100.txt", const QString& name = "UK Lotto")
    {
        writeLines(file,
                   DatabaseLines(name, definition, {"05 Mar 05,1,2,3,4,5,6,0,7", "02 Mar 05,10,20,30,40,45,49,0,1"}));
    }
    // The eight cells of every line shown.
    static std::vector<std::vector<int>> gridLines(FlexGrid* grid)
    {
        std::vector<std::vector<int>> lines(std::size_t(ShownLines(grid)));
        for (std::size_t r = 0; r < lines.size(); ++r)
            for (int c = 1; c <= kExtraBallColumn; ++c)
                lines[r].push_back(grid->TextMatrix(int(r) + 1, c).toInt());
        return lines;
    }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void expectBox(const QString& text, const QString& title)
    {
        ASSERT_FALSE(boxes().empty());
        EXPECT_EQ(lastBox().text, text);
        EXPECT_EQ(lastBox().title, title);
        EXPECT_EQ(lastBox().icon(), int(vbExclamation));
    }
    // Every set of three of the numbers lies together in some line.
    static bool EveryTripleCovered(const std::vector<int>& numbers, const std::vector<std::vector<int>>& lines)
    {
        for (std::size_t a = 0; a < numbers.size(); ++a)
            for (std::size_t b = a + 1; b < numbers.size(); ++b)
                for (std::size_t c = b + 1; c < numbers.size(); ++c) {
                    const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::vector<int>& line) {
                        auto has = [&](int n) {
                            return std::find(line.begin(), line.begin() + 7, n) != line.begin() + 7;
                        };
                        return has(numbers[a]) && has(numbers[b]) && has(numbers[c]);
                    });
                    if (!found)
                        return false;
                }
        return true;
    }
};

} // namespace

// ---- Guaranteed win wheels ----------------------------------------------------

TEST_F(GuaranteedWindows, GuaranteedOpensWithItsListsAndAnEmptyBoard)
{
    writeLottery("6,49,0,0,1");
    PGuaranteed w;
    w.Load();
    auto text = [&w](const char* name) { return w.findChild<QLabel*>(name)->text(); };
    const std::pair<QString, QString> texts[] = {
        {w.windowTitle(), "Guaranteed win wheels"}, {text("Label8"), "Pick 21 numbers."},
        {text("Label11"), "Uses 15 lines."},        {text("Label14"), "Pick 8 numbers."},
        {text("Label15"), "Uses 4 lines."},         {text("Label16"), "Pick 12 numbers."},
        {text("Label17"), "Uses 68 lines."},        {text("Label5"), "Select a lottery:"}};
    for (const auto& [shown, expected] : texts)
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(w.findChild<QComboBox*>("Combo1")->count(), 20);
    EXPECT_EQ(w.findChild<QComboBox*>("Combo3")->itemText(1), "13 numbers / 116 lines");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(0, 8), "Pball");
    EXPECT_TRUE(w.Board->selectedNumbers().empty());
    EXPECT_TRUE(w.Board->label(49)->isEnabled());
    EXPECT_FALSE(w.Board->label(50)->isEnabled());

    // Another item changes its family's texts only.
    w.Combo[1]->setCurrentIndex(9);
    EXPECT_EQ(text("Label14"), "Pick 18 numbers.");
    EXPECT_EQ(text("Label15"), "Uses 48 lines.");
    EXPECT_EQ(text("Label8"), "Pick 21 numbers.");
}

TEST_F(GuaranteedWindows, GuaranteedBoardPicksFollowClicksAndTheLottery)
{
    writeLottery("6,49,0,0,1");
    writeLottery("6,39,0,0,0", "dbase200.txt", "Small");
    PGuaranteed w;
    w.Load();
    click(w.Board->label(12));
    click(w.Board->label(38));
    click(w.Board->label(45));
    click(w.Board->label(7));
    click(w.Board->label(7)); // twice: not selected again
    EXPECT_EQ(w.Board->selectedNumbers(), (std::vector<int>{12, 38, 45}));
    const QPalette on = w.Board->label(12)->palette();
    EXPECT_EQ(on.color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(on.color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(w.Board->label(7)->palette().color(QPalette::Window), QColor(255, 192, 192));

    // A lottery of 1 to 39 keeps 12 and 38 and drops 45; 40 to 60 take no
    // clicks.
    w.List1->setCurrentRow(w.List1->row(w.List1->findItems("Small", Qt::MatchExactly).first()));
    EXPECT_EQ(MaxBall, 39);
    EXPECT_EQ(w.Board->selectedNumbers(), (std::vector<int>{12, 38}));
    EXPECT_FALSE(w.Board->label(40)->isEnabled());
    click(w.Board->label(41));
    EXPECT_FALSE(w.Board->isSelected(41));

    // Clear unselects the board; the labels past the lottery stay disabled.
    click(w.Command16);
    EXPECT_TRUE(w.Board->selectedNumbers().empty());
    EXPECT_FALSE(w.Board->label(60)->isEnabled());
}

TEST_F(GuaranteedWindows, GuaranteedRefusesAWrongCountAndAShortLottery)
{
    writeLottery("6,49,0,0,1");
    writeLottery("4,30,0,0,0", "dbase200.txt", "Four");
    PGuaranteed w;
    w.Load();
    for (int n : {1, 2, 3, 4, 5})
        click(w.Board->label(n));
    answer(vbOK);
    click(w.findChild<QPushButton*>("Command2"));
    expectBox(" 5 numbers picked. You need 21 for this wheel.    ", "Error");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    EXPECT_FALSE(Busy);

    // Eight numbers for the 8-number wheel, on a lottery of four a draw.
    for (int n : {6, 7, 8})
        click(w.Board->label(n));
    w.List1->setCurrentRow(w.List1->row(w.List1->findItems("Four", Qt::MatchExactly).first()));
    answer(vbOK);
    click(w.findChild<QPushButton*>("Command3"));
    expectBox("This method is not suitable for this lottery.    ", "Sorry!");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
}

TEST_F(GuaranteedWindows, GuaranteedEightNumbersCoverEveryThreeAndRetryUntilTheClockRunsOut)
{
    writeLottery("6,49,0,0,1");
    PGuaranteed w;
    w.Load();
    const std::vector<int> picks{3, 9, 14, 22, 27, 31, 40, 46};
    for (int n : picks)
        click(w.Board->label(n));
    RandomizeSeed(2026);
    HoldSeed(true);
    click(w.findChild<QPushButton*>("Command3"));
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 4);
    const auto lines = gridLines(w.MSFlexGrid1);
    for (const auto& line : lines) {
        EXPECT_TRUE(std::is_sorted(line.begin(), line.begin() + 6));
        for (int c = 0; c < 6; ++c)
            EXPECT_TRUE(std::count(picks.begin(), picks.end(), line[std::size_t(c)]) == 1);
        EXPECT_EQ(line[6], 0);
        EXPECT_EQ(line[kExtraBallColumn - kFirstNumberColumn], 0);
    }
    EXPECT_TRUE(EveryTripleCovered(picks, lines));
    EXPECT_TRUE(w.Label10->text().startsWith("Tries: 1   Time: "));
    EXPECT_FALSE(w.Label10->text().contains("comply"));

    // The same seed gives the same lines: the window's reseeding is held.
    RandomizeSeed(2026);
    click(w.findChild<QPushButton*>("Command3"));
    EXPECT_EQ(gridLines(w.MSFlexGrid1), lines);

    // Even numbers only: no line can hold three odd numbers, so the retries
    // run until the clock runs out.
    click(w.Command16);
    for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
        click(w.Board->label(n));
    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 1.5; });
    w.Check1->setChecked(true);
    click(w.findChild<QPushButton*>("Command3"));
    EXPECT_EQ(w.Label10->text(), "Tries: 7   Time: 10.50 sec (Some lines do not comply with conditions)");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 4);
    EXPECT_FALSE(Busy);

    // A pass on the first try has no suffix.
    w.Check1->setChecked(false);
    SetMonotonicClockForTests([] { return 3.0; });
    click(w.findChild<QPushButton*>("Command3"));
    EXPECT_EQ(w.Label10->text(), "Tries: 1   Time: 0.00 sec");
}

// Board clicks while the retries run do not mix into the lines: the lines
// shown hold only numbers the board shows picked.
TEST_F(GuaranteedWindows, BoardClicksDuringTheRetriesDoNotMixIntoTheLines)
{
    writeLottery("6,49,0,0,1");
    PGuaranteed w;
    w.Load();
    for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
        click(w.Board->label(n));
    w.Check1->setChecked(true); // no line of even numbers passes: the retries run on
    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 1.5; });
    bool changed = false;
    QTimer::singleShot(0, &w, [&] {
        click(w.Board->label(2));
        click(w.Board->label(1));
        changed = true;
    });
    click(w.findChild<QPushButton*>("Command3"));
    ASSERT_TRUE(changed);
    const std::vector<int> picked = w.Board->selectedNumbers();
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 4);
    for (const auto& line : gridLines(w.MSFlexGrid1))
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(std::count(picked.begin(), picked.end(), line[std::size_t(c)]), 1) << line[std::size_t(c)];
}

// A lottery clicked in the list while the retries run is not taken, and the
// list goes on showing the lottery whose lines are made, in both windows.
TEST_F(GuaranteedWindows, ListClickedDuringTheRetriesKeepsShowingTheLotteryPlayed)
{
    writeLottery("6,49,0,0,1");
    writeLottery("5,39,0,0,0", "dbase200.txt", "Five");
    struct Case {
        const char* name;
        std::function<WheelFrame*()> make; // loaded, with inputs no try can pass
        const char* generate;
    };
    const Case cases[] = {
        {"guaranteed",
         [] {
             auto* w = new PGuaranteed;
             w->Load();
             for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
                 click(w->Board->label(n));
             return w;
         },
         "Command3"},
        {"wheel 49",
         [] {
             auto* w = new Wheel49;
             w->Load();
             return w;
         },
         "Command2"},
    };
    const auto selectedRows = [](const QListWidget* list) {
        std::vector<int> rows;
        for (const QListWidgetItem* item : list->selectedItems())
            rows.push_back(list->row(item));
        return rows;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<WheelFrame> w(c.make());
        w->show();
        w->Check1->setChecked(true);
        double now = 0;
        SetMonotonicClockForTests([&now] { return now += 1.5; });
        std::vector<int> shownDuring;
        QTimer::singleShot(0, w.get(), [&] {
            const QRect other = w->List1->visualItemRect(w->List1->item(1));
            QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, other.center());
            shownDuring = selectedRows(w->List1);
        });
        click(w->findChild<QPushButton*>(c.generate));
        SetMonotonicClockForTests({});
        EXPECT_EQ(shownDuring, std::vector<int>{0});
        EXPECT_EQ(selectedRows(w->List1), std::vector<int>{0});
        EXPECT_EQ(w->List1->currentRow(), 0);
        EXPECT_EQ(LotteryName, "UK Lotto");
        EXPECT_TRUE(w->Label5->text().endsWith(kNotComplySuffix)) << w->Label5->text().toStdString();
    }
}

// The status lines of both windows are dark red.
TEST_F(GuaranteedWindows, StatusLinesAreDarkRed)
{
    writeLottery("6,49,0,0,1");
    PGuaranteed guaranteed;
    guaranteed.Load();
    Wheel49 wheel;
    wheel.Load();
    for (const QLabel* status : {guaranteed.Label10, wheel.Label5})
        EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(128, 0, 0))
            << status->objectName().toStdString();
}

TEST_F(GuaranteedWindows, GuaranteedRandomSelectionPicksAndBuildsForEachKindOfLottery)
{
    writeLottery("7,59,0,14,0");
    PGuaranteed w;
    w.Load();
    w.Combo[1]->setCurrentIndex(2); // 10 numbers / 10 lines
    click(w.Board->label(60));      // dropped by the selection
    click(w.findChild<QPushButton*>("Command12(1)"));
    const std::vector<int> picks = w.Board->selectedNumbers();
    ASSERT_EQ(picks.size(), 10u);
    EXPECT_LE(picks.back(), 59);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 10);
    for (const auto& line : gridLines(w.MSFlexGrid1)) {
        // Six of the picks and a seventh number of 1 to 59 not among them,
        // sorted together; an extra ball of 1 to 14.
        const std::set<int> seven(line.begin(), line.begin() + 7);
        EXPECT_EQ(seven.size(), 7u);
        EXPECT_GE(*seven.begin(), 1);
        EXPECT_LE(*seven.rbegin(), 59);
        EXPECT_GE(std::count_if(seven.begin(), seven.end(),
                                [&](int n) { return std::binary_search(picks.begin(), picks.end(), n); }),
                  6);
        EXPECT_GE(line[kExtraBallColumn - kFirstNumberColumn], 1);
        EXPECT_LE(line[kExtraBallColumn - kFirstNumberColumn], 14);
    }
    EXPECT_TRUE(EveryTripleCovered(picks, gridLines(w.MSFlexGrid1)));

    // Clear blanks the grid: Save then finds nothing to save.
    click(w.Command16);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    click(w.Command7);
}

// ---- Three- and four-match wheels ------------------------------------------------

TEST_F(GuaranteedWindows, ThreeMatchOpensInThreeMatchModeAndSwitches)
{
    writeLottery("6,49,0,0,1");
    PThreeMatch w;
    w.Load();
    const std::pair<QString, QString> texts[] = {{w.windowTitle(), "Three-match wheels"},
                                                 {w.Label7->text(), "Guaranteed 3-match wheels"},
                                                 {w.Combo1->currentText(), " 6 from 20"},
                                                 {w.Label8->text(), "   Pick 20 numbers:"},
                                                 {w.findChild<QLabel*>("Label1")->text(), "Pick your wheel:"},
                                                 {w.findChild<QLabel*>("Label5")->text(), "Select a lottery:"},
                                                 {w.Command8->toolTip(), " Nix up the order of the numbers "}};
    for (const auto& [shown, expected] : texts)
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(w.PickCount, 20);
    EXPECT_TRUE(std::all_of(w.Text1.begin(), w.Text1.end(), [](QLineEdit* b) { return b->isEnabled(); }));

    w.Text1[3]->setText("17");
    w.Text1[9]->setText("44");
    click(w.Option1[1]);
    EXPECT_EQ(w.windowTitle(), "Four-match wheels");
    EXPECT_EQ(w.Label7->text(), "Guaranteed 4-match wheels");
    EXPECT_TRUE(w.Combo1->isHidden() && !w.Combo2->isHidden());
    EXPECT_EQ(w.Combo2->currentText(), " 4 from 7");
    EXPECT_EQ(w.PickCount, 7);
    EXPECT_EQ(w.Text1[3]->text(), "17"); // in use: kept
    EXPECT_FALSE(w.Text1[9]->isEnabled());
    EXPECT_TRUE(w.Text1[9]->text().isEmpty());
    EXPECT_EQ(w.Text1[9]->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_TRUE(
        w.Label2->text().startsWith("If your numbers contain 4 of the 6 numbers in the lottery draw result,  "));

    // Each list keeps its own wheel.
    w.Combo2->setCurrentIndex(3);
    click(w.Option1[0]);
    EXPECT_EQ(w.Combo1->currentText(), " 6 from 20");
    click(w.Option1[1]);
    EXPECT_EQ(w.Combo2->currentText(), " 4 from 10");
    EXPECT_EQ(w.PickCount, 10);
}

TEST_F(GuaranteedWindows, ThreeMatchRefusesBadBoxesAndShortLotteries)
{
    writeLottery("6,49,0,0,1");
    writeLottery("4,30,0,0,0", "dbase200.txt", "Four");
    PThreeMatch w;
    w.Load();
    w.Combo1->setCurrentIndex(10); // " 5 from 12"
    for (int i = 0; i < 11; ++i)
        w.Text1[std::size_t(i)]->setText(QString::number(i + 1));
    answer(vbOK); // box 11 is empty
    click(w.Command2);
    EXPECT_EQ(lastBoxText(), TipText(6));
    EXPECT_EQ(lastBox().title, "Error");
    w.Text1[11]->setText("50");
    answer(vbOK);
    click(w.Command2);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);

    // Typing: digits only; Enter moves to the next box in use.
    w.Text1[11]->clear();
    w.Text1[11]->setFocus();
    QTest::keyClicks(w.Text1[11], "1x2");
    EXPECT_EQ(w.Text1[11]->text(), "12");
    w.show();
    w.Text1[10]->setFocus();
    QTest::keyClick(w.Text1[10], Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.Text1[11]);
    QTest::keyClick(w.Text1[11], Qt::Key_Return); // box 12 is not in use
    EXPECT_EQ(w.focusWidget(), w.Text1[11]);
    EXPECT_EQ(w.Text1[11]->text(), "12");

    w.List1->setCurrentRow(w.List1->row(w.List1->findItems("Four", Qt::MatchExactly).first()));
    answer(vbOK);
    click(w.Command2);
    expectBox("This method is not suitable for this lottery.    ", "Sorry!");
}

TEST_F(GuaranteedWindows, ThreeMatchSeededGenerateGivesFixedLines)
{
    writeLottery("7,59,0,10,0");
    PThreeMatch w;
    w.Load();
    w.Combo1->setCurrentIndex(10); // " 5 from 12": ABCDEF GHIJKL
    for (int i = 0; i < 12; ++i)
        w.Text1[std::size_t(i)]->setText(QString::number(48 - 4 * i));
    RandomizeSeed(5);
    click(w.Command2);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 2);
    const auto first = gridLines(w.MSFlexGrid1);
    // Each line: its six numbers and a seventh of 1 to 59, sorted together.
    const std::vector<std::vector<int>> six{{28, 32, 36, 40, 44, 48}, {4, 8, 12, 16, 20, 24}};
    for (std::size_t r = 0; r < 2; ++r) {
        std::vector<int> seven(first[r].begin(), first[r].begin() + 7);
        EXPECT_TRUE(std::is_sorted(seven.begin(), seven.end()));
        EXPECT_EQ(std::set<int>(seven.begin(), seven.end()).size(), 7u);
        EXPECT_TRUE(std::includes(seven.begin(), seven.end(), six[r].begin(), six[r].end()));
        EXPECT_TRUE(first[r][kExtraBallColumn - kFirstNumberColumn] >= 1
                    && first[r][kExtraBallColumn - kFirstNumberColumn] <= 10);
    }
    // The window never reseeds: the same seed, the same seventh numbers and
    // extra balls.
    RandomizeSeed(5);
    click(w.Command2);
    EXPECT_EQ(gridLines(w.MSFlexGrid1), first);

    // A new wheel blanks the grid but keeps the lines for the filters.
    w.Combo1->setCurrentIndex(0);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    EXPECT_EQ(EntryCount(), 2);
}

TEST_F(GuaranteedWindows, FourMatchMenuItemOpensInFourMatchMode)
{
    writeLottery("6,49,0,0,1");
    RegisterAllWindows();
    QString title;
    int boxesInUse = -1;
    SetModalHook([&](QDialog* dialog) {
        auto* w = qobject_cast<PThreeMatch*>(dialog);
        if (!w)
            return Harness::UnexpectedWindow(dialog);
        title = w->windowTitle();
        boxesInUse = int(std::count_if(w->Text1.begin(), w->Text1.end(), [](QLineEdit* b) { return b->isEnabled(); }));
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayGuarantee4, nullptr));
    EXPECT_EQ(title, "Four-match wheels");
    EXPECT_EQ(boxesInUse, 7);
    EXPECT_TRUE(OpenWindow(MenuItem::PlayGuarantee3, nullptr));
    EXPECT_EQ(title, "Three-match wheels");
    EXPECT_EQ(boxesInUse, 20);
}

// ---- Wheel 49 -----------------------------------------------------------------

TEST_F(GuaranteedWindows, Wheel49RefusesLotteriesUnlikePickSixOf49)
{
    writeLottery("5,50,0,0,0", "dbase100.txt", "Five");
    writeLottery("6,45,0,0,0", "dbase200.txt", "Small");
    writeLottery("7,59,0,0,0", "dbase300.txt", "Big");
    Wheel49 w;
    w.Load();
    for (const char* name : {"Five", "Small"}) {
        w.List1->setCurrentRow(w.List1->row(w.List1->findItems(name, Qt::MatchExactly).first()));
        answer(vbOK);
        click(w.Command2);
        expectBox("This method is not suitable for this lottery.  ", "Sorry!");
        EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
        EXPECT_FALSE(Busy);
    }
    w.List1->setCurrentRow(w.List1->row(w.List1->findItems("Big", Qt::MatchExactly).first()));
    click(w.Command2);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 175);
    for (const auto& line : gridLines(w.MSFlexGrid1)) {
        // Six numbers of 1 to 49 and a seventh of 1 to 59, seven different
        // numbers sorted together.
        EXPECT_TRUE(std::is_sorted(line.begin(), line.begin() + 7));
        EXPECT_EQ(std::set<int>(line.begin(), line.begin() + 7).size(), 7u);
        EXPECT_GE(line[0], 1);
        EXPECT_LE(line[5], 49);
        EXPECT_LE(line[6], 59);
        EXPECT_EQ(line[kExtraBallColumn - kFirstNumberColumn], 0);
    }
    EXPECT_TRUE(w.Label5->text().startsWith("Tries: 1   Time: "));
    EXPECT_EQ(w.Label5->text().section("Time: ", 1).section(' ', 0, 0).section('.', 1).size(), 3);
}

TEST_F(GuaranteedWindows, Wheel49SeededGenerateGivesFixedLinesAndTheClockEndsTheRetries)
{
    writeLottery("6,49,0,10,0");
    Wheel49 w;
    w.Load();
    RandomizeSeed(49);
    HoldSeed(true);
    click(w.Command2);
    const auto first = gridLines(w.MSFlexGrid1);
    ASSERT_EQ(first.size(), 175u);
    RandomizeSeed(49);
    click(w.Command2);
    EXPECT_EQ(gridLines(w.MSFlexGrid1), first);
    // Another seed: the same pattern over another order of the numbers, so
    // the lines differ but every number stands in as many lines as before
    // some number did.
    RandomizeSeed(50);
    click(w.Command2);
    const auto second = gridLines(w.MSFlexGrid1);
    EXPECT_NE(second, first);
    auto counts = [](const std::vector<std::vector<int>>& lines) {
        std::vector<int> seen(50, 0);
        for (const auto& line : lines) {
            EXPECT_EQ(line[6], 0);
            EXPECT_TRUE(line[kExtraBallColumn - kFirstNumberColumn] >= 1
                        && line[kExtraBallColumn - kFirstNumberColumn] <= 10);
            for (int c = 0; c < 6; ++c)
                ++seen[std::size_t(line[std::size_t(c)])];
        }
        std::sort(seen.begin(), seen.end());
        return seen;
    };
    EXPECT_EQ(counts(second), counts(first));

    // Three odd numbers in each of 175 lines never happens: the loop runs out.
    double now = 0;
    SetMonotonicClockForTests([&now] { return now += 1.5; });
    w.Check1->setChecked(true);
    click(w.Command2);
    EXPECT_EQ(w.Label5->text(), "Tries: 7   Time: 10.500 sec (Some lines do not comply with conditions)");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 175);
    EXPECT_FALSE(Busy);
}

TEST_F(GuaranteedWindows, Wheel49SavesTheLinesShownFromItsMenuItem)
{
    writeLottery("6,49,0,0,1");
    RegisterAllWindows();
    ASSERT_TRUE(HasWindow(MenuItem::PlayWheel49));
    std::vector<std::vector<int>> shown;
    int saved = 0;
    SetModalHook([&](QDialog* dialog) {
        if (auto* w = qobject_cast<Wheel49*>(dialog)) {
            click(w->Command2);
            shown = gridLines(w->MSFlexGrid1);
            click(w->Command7);
            click(w->Command1);
            return int(w->result());
        }
        ++saved;
        return AnswerSaveDialog(dialog, {"3", "Syndicate A"});
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayWheel49, nullptr));
    EXPECT_EQ(saved, 1);
    ASSERT_EQ(shown.size(), 175u);
    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3);
    for (int i = 0; i < 3; ++i) {
        const SavedEntry& entry = (*entries)[std::size_t(i)];
        EXPECT_EQ(entry.lottery, "UK Lotto");
        EXPECT_EQ(entry.name, "Syndicate A");
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(entry.numbers[std::size_t(c)], QString::number(shown[std::size_t(i)][std::size_t(c)]));
        EXPECT_EQ(entry.numbers[6], "");
    }
}

TEST_F(GuaranteedWindows, BusyKeepsOutTheGuaranteedCommandsButNotTheThreeMatchOnes)
{
    writeLottery("6,49,0,0,1");
    PGuaranteed guaranteed;
    guaranteed.Load();
    for (int n = 1; n <= 8; ++n)
        click(guaranteed.Board->label(n));
    click(guaranteed.findChild<QPushButton*>("Command3"));
    ASSERT_EQ(ShownLines(guaranteed.MSFlexGrid1), 4);
    ClearEntries();
    Entries[1][1] = 2; // one even line a filter would remove
    Entries[1][2] = 4;
    EndEntries(1);
    Busy = true;
    // Generate, Random selection and the filters do nothing while a command
    // runs; clicking a number and Clear are not kept out.
    click(guaranteed.findChild<QPushButton*>("Command12(1)"));
    EXPECT_EQ(guaranteed.Board->selectedNumbers().size(), 8u);
    click(guaranteed.findChild<QPushButton*>("Command4"));
    click(guaranteed.FilterOddEvenButton);
    EXPECT_EQ(ShownLines(guaranteed.MSFlexGrid1), 4);
    click(guaranteed.Board->label(9));
    EXPECT_TRUE(guaranteed.Board->isSelected(9));
    Busy = false;

    PThreeMatch three;
    three.Load();
    three.Combo1->setCurrentIndex(10); // " 5 from 12"
    for (int i = 0; i < 12; ++i)
        three.Text1[std::size_t(i)]->setText(QString::number(2 * i + 1));
    Busy = true;
    click(three.Command2); // builds whatever Busy says, and leaves it set
    EXPECT_EQ(ShownLines(three.MSFlexGrid1), 2);
    EXPECT_TRUE(Busy);
    click(three.FilterOddEvenButton); // six odd numbers a line: both go
    EXPECT_EQ(ShownLines(three.MSFlexGrid1), 0);
    Busy = false;
}

// The window writes a missing file and plays it; a file of the player's own
// that keeps the promise is played; a bad one is reported, left as it is, and
// the built pattern played instead.
TEST_F(GuaranteedWindows, Wheel49PlaysItsFileOrSaysWhyNot)
{
    writeLottery("6,49,0,0,1");
    {
        Wheel49 w;
        w.Load();
        EXPECT_EQ(w.WheelIndexes, BuildWheel49Pattern());
    }
    ASSERT_TRUE(exists("wheel49.dat"));
    EXPECT_EQ(readFile("wheel49.dat").split("\r\n", Qt::SkipEmptyParts).size(), 175);

    std::vector<std::int16_t> own;
    for (std::int16_t p : BuildWheel49Pattern())
        own.push_back(std::int16_t(50 - p));
    writeLines("wheel49.dat", Wheel49FileLines(own));
    {
        Wheel49 w;
        w.Load();
        EXPECT_EQ(w.WheelIndexes, own);
    }

    QStringList bad(175, "1,2,3,4,5,6");
    bad[1] = "7,50,9,10,11,12";
    writeLines("wheel49.dat", bad);
    const QByteArray before = readBytes("wheel49.dat");
    answer(vbOK);
    Wheel49 w;
    w.Load();
    expectBox("Value 8 of \"wheel49.dat\" is \"50\", not a number from 1 to 49. The wheel uses its own built-in "
              "pattern instead.",
              "Wheel 49");
    EXPECT_EQ(w.WheelIndexes, BuildWheel49Pattern());
    EXPECT_EQ(readBytes("wheel49.dat"), before);
    click(w.Command2);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 175);
}

TEST_F(GuaranteedWindows, GuaranteedTwoPartWheelFillsItsLinesFromTheRandomPicks)
{
    writeLottery("6,49,0,0,1");
    PGuaranteed w;
    w.Load();
    w.Combo[0]->setCurrentIndex(19); // 48 numbers / 165 lines: letters up to "p"
    click(w.findChild<QPushButton*>("Command12(0)"));
    const std::vector<int> picks = w.Board->selectedNumbers();
    ASSERT_EQ(picks.size(), 48u);
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 165);
    std::set<int> used;
    for (const auto& line : gridLines(w.MSFlexGrid1))
        for (int c = 0; c < 6; ++c) {
            EXPECT_TRUE(std::binary_search(picks.begin(), picks.end(), line[std::size_t(c)]));
            used.insert(line[std::size_t(c)]);
        }
    EXPECT_EQ(used.size(), 48u); // every pick stands in some line
    EXPECT_EQ(w.CurrentWheel.size(), 165 * 6);
}
