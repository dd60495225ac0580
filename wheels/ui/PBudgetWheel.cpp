#include "wheels/ui/PBudgetWheel.h"

#include "core/OpenLottery.h"
#include "platform/Text.h"
#include "wheels/BudgetWheels.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PBudgetWheel", "Budget Wheels", 12);
    o.frame.helpButtons = {"Command4"};
    o.boxes = kBudgetBoxes;
    o.blockSize = kBudgetGroupSize;
    o.blocksPerRow = 2;   // three rows of six boxes
    o.digitsOnly = false; // the boxes take any key
    o.disableUnused = true;
    o.emptyUnused = true;
    o.randomSelectionTip = " Pick some numbers for me ";
    o.randomOrderTip = " Mix up the order of the numbers ";
    // Boxes up to the last number are written back, an empty one as "0".
    o.orderWriteBack = OrderWriteBack::UpToLastShowingZero;
    o.generateBusy = GenerateBusy::ReturnsWhenSet;
    o.closeBusy = CloseBusy::ReturnsAtOnce;
    o.filtersTestBusy = false;
    o.historyFilterHourglass = true;
    o.reseedOnGenerate = false; // goes on with the sequence other windows left
    return o;
}

const char* const kSizeCaptions[4] = {"Wheel   9 numbers in 3 lines", "Wheel 12 numbers in 4 lines",
                                      "Wheel 15 numbers in 5 lines", "Wheel 18 numbers in 8 lines"};

} // namespace

PBudgetWheel::PBudgetWheel(QWidget* parent) : WheelFrame(Options(), parent)
{
    Label7->setText("Budget wheels");
    Label2->setText(
        "These wheels don't cover every possible combination of numbers, but they aim to cut costs while "
        "still offering a good chance of winning a prize if any of the draw numbers are in your selection.");
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(kSizeCaptions[i], this);
        option->setObjectName(QString("Option1(%1)").arg(i));
        Option1[std::size_t(i)] = option;
        sideColumn()->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    sideColumn()->addStretch(1);
    Option1[0]->setChecked(true);
    Option1_Click(0);
}

int PBudgetWheel::SelectedOption() const
{
    for (int i = 0; i < 4; ++i)
        if (Option1[std::size_t(i)]->isChecked())
            return i;
    return 0;
}

void PBudgetWheel::Option1_Click(int index)
{
    // The boxes past the size turn grey, empty and disabled; the others keep
    // their numbers.
    SetBoxesInUse(BudgetWheelSize(index));
}

bool PBudgetWheel::BoxesOK()
{
    QStringList active;
    const QStringList texts = BoxTexts();
    for (int i = 0; i < kBudgetBoxes; ++i) {
        if (BoxInUse(i))
            active << texts[i];
        BallPool[i] = CellFromText(texts[i]);
    }
    return BudgetInputOK(active, MaxBall);
}

QString PBudgetWheel::WheelRefusal() const
{
    if (BallsDrawn < 5 || BallsDrawn > 7)
        return "Not available with this lottery.    ";
    return QString();
}

bool PBudgetWheel::RunWheel()
{
    switch (BallsDrawn) {
    case 7: return Do_Wheel7();
    case 6: return Do_Wheel6();
    default: return Do_Wheel5();
    }
}

bool PBudgetWheel::Do_Wheel7() { return expand(7); }
bool PBudgetWheel::Do_Wheel6() { return expand(6); }
bool PBudgetWheel::Do_Wheel5() { return expand(5); }

bool PBudgetWheel::expand(int k)
{
    const int option = SelectedOption();
    CurrentWheel = BudgetWheelTable(option);
    return BudgetWheelLines(option, k, ExtraBallMax) == BudgetOutcome::Built;
}

SkinLabels PBudgetWheel::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {}};
}
