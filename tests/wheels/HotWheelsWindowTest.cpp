// The hot and cold wheels window, opened from the Play menu as hot or cold
// wheels.
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"
#include "support/WheelFixtures.h"
#include "core/Settings.h"
#include "wheels/ui/PBudgetWheel.h"
#include "wheels/ui/PDIYWheels.h"
#include "wheels/ui/PHotWheels.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using HotWheelsWindow = HotDrawsFolder;

} // namespace

// Opening makes hot lines at once: eight numbers, interval 1, eight windows
// of five; the ranked extra balls on the lines. Generate gives them again.
TEST_F(HotWheelsWindow, OpensWithHotLines)
{
    PHotWheels w;
    w.Load();
    const std::pair<QString, QString> texts[] = {
        {w.windowTitle(), "Hot wheels"},
        {w.Label7->text(), "Hot wheels"},
        {w.Label2->text(),
         "Hot numbers occur more than others in lottery draws. Playing them in a wheel might "
         "improve your chances of a win. These entries wheel the hottest numbers."},
        {w.Label8->text(), "Hot numbers"},
        {w.findChild<QLabel*>("Label5")->text(), "Select a lottery:"},
        {w.findChild<QLabel*>("Label1")->text(), "Numbers:"},
        {w.Label9->text(), "Interval:"},
        {w.Label4->text(), "Lines:"},
        {w.findChild<QLabel*>("Label6(1)")->text(), "Filters   "},
        {w.findChild<QPushButton*>("Command8")->text(), "Odd/even"},
        {w.findChild<QPushButton*>("Command11")->text(), "Previous draws"},
        {w.findChild<QPushButton*>("Command4")->toolTip(), " Help "},
        {w.Combo1->currentText(), "8"},
        {w.Combo2->currentText(), "1"}};
    for (const auto& [shown, expected] : texts)
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(w.Label8->palette().color(QPalette::Window), QColor(192, 0, 0));
    EXPECT_EQ(w.Label8->palette().color(QPalette::WindowText), QColor(255, 255, 192));
    for (const char* name : {"Command8", "Command9", "Command10", "Command11"})
        EXPECT_EQ(w.findChild<QPushButton*>(name)->toolTip(), " Delete bad entries ") << name;
    EXPECT_EQ(w.Command12, nullptr);
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 30);

    EXPECT_EQ(w.Label3->text(), "7, 3, 40, 11, 12, 13, 14, 15, 16, 17");
    EXPECT_EQ(w.Label6[0]->text(), " 8");
    ASSERT_EQ(ShownLines(w.MSFlexGrid1), 8);
    // The places after turning the first six round: 13 12 11 40 3 7 14 15.
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"3", "11", "12", "13", "40", "", "", "30"}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 2), QStringList({"3", "7", "11", "12", "40", "", "", "2"}));
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 8), QStringList({"11", "12", "13", "15", "40", "", "", "7"}));

    // Generate again: the same lines.
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(GridCells(w.MSFlexGrid1, 1), QStringList({"3", "11", "12", "13", "40", "", "", "30"}));

    // Generate reseeds the source, unless a test holds its seed.
    RandomizeSeed(5);
    const double first = Rnd();
    HoldSeed(true);
    RandomizeSeed(5);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(Rnd(), first);
    HoldSeed(false);
    RandomizeSeed(5);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_NE(Rnd(), first);
}

// A new interval shows its line count and empties the grid; the lines come
// on Generate; a filter shows the earlier lines again meanwhile.
TEST_F(HotWheelsWindow, CountAndIntervalShowTheLineCount)
{
    PHotWheels w;
    w.Load();
    w.Combo2->setCurrentIndex(2);
    EXPECT_EQ(w.Label6[0]->text(), " 3");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    EXPECT_EQ(EntryCount(), 8);
    QTest::mouseClick(w.findChild<QPushButton*>("Command10"), Qt::LeftButton); // long runs
    EXPECT_GE(ShownLines(w.MSFlexGrid1), 1);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 3);
    w.Combo1->setCurrentIndex(12);
    EXPECT_EQ(w.Label6[0]->text(), " 7");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 7);
    // The first ten lines carry the ranked extra balls, the rest none.
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(7, 8), "6");
}

// A lottery the window cannot play says why and shows nothing of the one
// chosen before.
TEST_F(HotWheelsWindow, ALotteryItCannotPlayShowsNothingOfTheOneBefore)
{
    writeLines("dbase101.txt", DatabaseLines("Broken", "9,8,0,0,0", {"05 Mar 05,1,2,3,4,5,6,7,8"}));
    PHotWheels w;
    w.Load();
    ASSERT_EQ(w.List1->count(), 2);
    ASSERT_FALSE(w.Label3->text().isEmpty());
    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Label3->text(), "");
    EXPECT_EQ(w.Label6[0]->text(), "");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_FALSE(w.findChild<QLabel*>("Status")->text().isEmpty());
    w.List1->setCurrentRow(0);
    EXPECT_EQ(w.Label3->text(), "7, 3, 40, 11, 12, 13, 14, 15, 16, 17");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 8);
}

// Play > Cold wheels opens the window in cold mode with cold lines; they are
// saved to the saved entries.
TEST_F(HotWheelsWindow, ColdWheelsFromThePlayMenuAndSaved)
{
    RegisterAllWindows();
    int saved = 0;
    SetModalHook([&](QDialog* dialog) {
        auto* w = qobject_cast<PHotWheels*>(dialog);
        if (!w)
            return AnswerSaveDialog(dialog, SaveDialogAnswer("2", "Cy"));
        EXPECT_TRUE(w->ColdMode && w->Option1[1]->isChecked());
        EXPECT_EQ(w->windowTitle(), "Cold wheels");
        EXPECT_EQ(w->Label7->text(), "Cold wheels");
        EXPECT_EQ(w->Label8->text(), "Cold numbers");
        EXPECT_EQ(w->Label8->palette().color(QPalette::Window), QColor(0, 0, 192));
        EXPECT_EQ(w->Label3->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        EXPECT_EQ(w->Label2->text(),
                  "Some draw numbers have not come up for a long time. They are overdue and might "
                  "come up soon. These entries wheel the coldest numbers.");
        EXPECT_EQ(w->Label3->text(), "1, 2, 4, 5, 6, 8, 9, 10, 19, 20");
        EXPECT_EQ(GridCells(w->MSFlexGrid1, 1), QStringList({"2", "4", "5", "6", "8", "", "", "1"}));
        EXPECT_EQ(GridCells(w->MSFlexGrid1, 2), QStringList({"1", "2", "4", "5", "6", "", "", "3"}));

        // Back to hot: the window's own texts but for the description.
        QTest::mouseClick(w->Option1[0], Qt::LeftButton);
        EXPECT_FALSE(w->ColdMode);
        EXPECT_EQ(w->Label3->text(), "7, 3, 40, 11, 12, 13, 14, 15, 16, 17");
        EXPECT_EQ(w->Label3->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        EXPECT_TRUE(w->Label2->text().contains("Using them might improve"));
        QTest::mouseClick(w->Option1[1], Qt::LeftButton);
        QTest::mouseClick(w->Command7, Qt::LeftButton);
        ++saved;
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        return int(w->result());
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayColdWheels, nullptr));
    EXPECT_EQ(saved, 1);
    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2);
    EXPECT_EQ((*entries)[0].numbers[0], "2");
    EXPECT_EQ((*entries)[0].numbers[kExtraBallColumn - kFirstNumberColumn], "1");
    EXPECT_EQ((*entries)[1].numbers[kExtraBallColumn - kFirstNumberColumn], "3");
    EXPECT_EQ((*entries)[1].name, "Cy");
    EXPECT_EQ((*entries)[1].lottery, "US Powerball");
}

// The skin's colours go to the labels each of the three windows names: the
// heading, the description, and the field labels.
TEST_F(HotWheelsWindow, SkinColoursGoToTheLabelsEachWindowNames)
{
    Settings.set(TitleColour, "&HFF");      // red
    Settings.set(BodyTextColour, "&HFF00"); // green
    Settings.set(LabelColour, "&H800000");  // dark blue
    Settings.set(SkinFlags, "2");
    auto colour = [](const QDialog& w, const char* name) {
        return w.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    };
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 128);
    PHotWheels hot;
    hot.Load();
    EXPECT_EQ(colour(hot, "Label7"), red);
    EXPECT_EQ(colour(hot, "Label2"), green);
    for (const char* name : {"Label1", "Label9", "Label5", "Label4"})
        EXPECT_EQ(colour(hot, name), blue) << name;
    EXPECT_EQ(colour(hot, "Label3"), QColor(128, 0, 0)); // the ranked numbers keep their colour

    PDIYWheels diy;
    diy.Load();
    EXPECT_EQ(colour(diy, "Label7"), red);
    for (const char* name : {"Label1", "Label9", "Label10", "Label5"})
        EXPECT_EQ(colour(diy, name), blue) << name;

    PBudgetWheel budget;
    budget.Load();
    EXPECT_EQ(colour(budget, "Label2"), green);
    EXPECT_EQ(colour(budget, "Label1"), blue);
}
