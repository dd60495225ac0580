#include "wheels/ui/PDIYWheels.h"

#include "core/OpenLottery.h"
#include "platform/Text.h"
#include "platform/ui/Controls.h"
#include "wheels/CreateWheel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PDIYWheels", "Create-a-Wheel", 30);
    o.frame.helpButtons = {"Command4"};
    o.frame.filtersHeading = "Filters";
    o.listCaptionName = "Label5";
    o.statusName = "Status";
    o.boxes = kCreateWheelBoxes;
    o.blockSize = 1;
    o.blocksPerRow = 5; // four rows of five boxes
    o.enterMovesOn = true;
    o.disableUnused = true;
    o.emptyUnused = true;
    o.randomSelectionTip = " Pick some numbers for me ";
    o.randomOrderTip = " Mix up the order of the numbers ";
    o.generateBusy = GenerateBusy::NotUsed;
    o.closeBusy = CloseBusy::NoTest;
    o.filtersTestBusy = false;
    o.printSaveTestBusy = false;
    o.reseedOnGenerate = false;  // goes on with the sequence other windows left
    o.clearBeforeChecks = false; // bad input keeps the lines listed and shown
    return o;
}

} // namespace

PDIYWheels::PDIYWheels(QWidget* parent) : WheelFrame(Options(), parent)
{
    if (Label6[1])
        Label6[1]->setObjectName("Label6");
    Label7->setText("Create-a-wheel");
    Label2->setText("Create your own wheels by selecting how many numbers to wheel and then by choosing the wheel "
                    "interval. Click the 'Random selection' button if you want the program to pick your numbers. "
                    "Click 'Random input order to place the numbers you enter in a random order.");
    Label10 = NamedLabel(this, "Label10", "Numbers to wheel:");
    boxesColumn()->insertWidget(0, Label10);
    NumbersLabel = NamedLabel(this, "Label1", "Numbers:");
    Combo1 = NamedNumberList(this, "Combo1", kCreateWheelFewest, kCreateWheelBoxes);
    Label9 = NamedLabel(this, "Label9", "Interval:");
    Combo2 = NamedNumberList(this, "Combo2", 1, kCreateWheelLongestStep);
    sideColumn()->addWidget(NumbersLabel);
    sideColumn()->addWidget(Combo1);
    sideColumn()->addWidget(Label9);
    sideColumn()->addWidget(Combo2);
    sideColumn()->addStretch(1);

    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    Combo1_Click();
    connect(Combo1, &QComboBox::currentIndexChanged, this, &PDIYWheels::Combo1_Click);
}

int PDIYWheels::Count() const { return int(Val(Combo1->currentText())); }

int PDIYWheels::Interval() const { return int(Val(Combo2->currentText())); }

void PDIYWheels::Combo1_Click()
{
    // The boxes past the count turn grey, disabled and empty; the others keep
    // their numbers.
    SetBoxesInUse(Count());
}

bool PDIYWheels::BoxesOK()
{
    const int n = std::min(Count(), int(Text1.size()));
    const QStringList texts = BoxTexts();
    for (int i = 0; i < n; ++i)
        BallPool[i] = CellFromText(texts[i]);
    return CreateWheelInputOK(texts.mid(0, n), MaxBall);
}

void PDIYWheels::Do_Wheel() { CreateWheelLines(Count(), Interval(), BallsDrawn, ExtraBallMax); }

bool PDIYWheels::RunWheel()
{
    Do_Wheel();
    return true;
}

SkinLabels PDIYWheels::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {NumbersLabel, Label9, Label10, Label1}, .other = {}};
}
