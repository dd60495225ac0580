#include "wheels/ui/PHotWheels.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
#include "generators/ui/HotColdControls.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "wheels/CreateWheel.h"
#include "wheels/HotWheels.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Colour values (blue, green and red bytes).
constexpr std::uint32_t kHeadingText = 0xC0FFFF;  // pale yellow on the heading
constexpr std::uint32_t kNumbersAtOpening = 0x80; // dark red

const QString kHotText = "Hot numbers occur more than others in lottery draws. Using them might improve your chances "
                         "of a win. These entries wheel the hottest numbers.";
const QString kColdText = "Some draw numbers have not come up for a long time. They are overdue and might come up "
                          "soon. These entries wheel the coldest numbers.";

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PHotWheels", "Hot wheels", 30);
    o.frame.helpButtons = {"Command4"};
    o.frame.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.frame.generateOnChoice = true;
    o.listCaptionName = "Label5";
    o.statusName = "Status";
    o.boxes = 0;
    o.randomButtons = false;
    o.generateBusy = GenerateBusy::ReturnsWhenSet;
    o.closeBusy = CloseBusy::Waits;
    return o;
}

} // namespace

PHotWheels::PHotWheels(QWidget* parent) : WheelFrame(Options(), parent)
{
    Label7->setText("Hot wheels");
    Label2->setText("Hot numbers occur more than others in lottery draws. Playing them in a wheel might improve your "
                    "chances of a win. These entries wheel the hottest numbers.");

    AddHotColdButtons(this, methodBox(), Option1, [this](int i) { Option1_Click(i); });
    Label8 = NewHotColdHeading(this, ToQColor(kHeadingText));
    Label3 = NamedLabel(this, "Label3", QString());
    Label3->setFont(Label8->font());
    Label3->setWordWrap(true);
    SetTextColours(Label3, ToQColor(kNumbersAtOpening));

    NumbersLabel = NamedLabel(this, "Label1", "Numbers:");
    Combo1 = NamedNumberList(this, "Combo1", kCreateWheelFewest, kCreateWheelBoxes);
    Label9 = NamedLabel(this, "Label9", "Interval:");
    Combo2 = NamedNumberList(this, "Combo2", 1, kCreateWheelLongestStep);
    Label4 = NamedLabel(this, "Label4", "Lines:");
    Label6[0] = NamedLabel(this, "Label6(0)", QString());

    auto* ranked = new QHBoxLayout;
    ranked->addWidget(Label8);
    ranked->addWidget(Label3, 1);
    methodBox()->addLayout(ranked);
    auto* sizes = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{NumbersLabel, Combo1, Label9, Combo2, Label4, Label6[0]})
        sizes->addWidget(w);
    sizes->addStretch(1);
    methodBox()->addLayout(sizes);

    // Opening selects the first of each list; nothing is counted before a
    // lottery is open.
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    Combo2_Click();
    for (QComboBox* list : {Combo1, Combo2})
        connect(list, &QComboBox::currentIndexChanged, this, &PHotWheels::Combo2_Click);
    // After the frame has loaded the chosen lottery and made its lines.
    connect(List1, &QListWidget::currentRowChanged, this, &PHotWheels::forgetUnplayable);
}

void PHotWheels::showMode()
{
    const QString name = ColdMode ? "Cold wheels" : "Hot wheels";
    setWindowTitle(name);
    Label7->setText(name);
    ShowHotColdMode(Label8, Label3, ColdMode);
    Label2->setText(ColdMode ? kColdText : kHotText);
}

void PHotWheels::Option1_Click(int)
{
    // The mode follows the hot button, whichever was clicked.
    ColdMode = !Option1[0]->isChecked();
    showMode();
    // The chosen lottery again, and new lines.
    List1_Click();
    forgetUnplayable();
}

void PHotWheels::Combo2_Click()
{
    const int step = int(Val(Combo2->currentText()));
    if (step < 1 || BallsDrawn < 1)
        return;
    const int count = int(Val(Combo1->currentText()));
    Label6[0]->setText(Str(HotWheelLineCount(count, step, BallsDrawn, MaxBall)));
    BlankEntriesGrid(MSFlexGrid1);
}

void PHotWheels::Analyse()
{
    const HotWheelResult result =
        HotWheelLines(ColdMode, int(Val(Combo1->currentText())), int(Val(Combo2->currentText())));
    Label3->setText(result.topNumbers);
}

void PHotWheels::Generate()
{
    Combo2_Click();
    ClearEntries();
    // The lines come from the draws alone; the source is reseeded for the
    // windows that follow, as every reseeding window does.
    Randomize();
    Analyse();
    ShowWheel();
}

void PHotWheels::forgetUnplayable()
{
    if (!ServingProblem().isEmpty()) {
        Label3->clear();
        Label6[0]->clear();
    }
}

bool PHotWheels::RunWheel()
{
    Analyse();
    return true;
}

SkinLabels PHotWheels::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {NumbersLabel, Label9, Label1, Label4}, .other = {}};
}
