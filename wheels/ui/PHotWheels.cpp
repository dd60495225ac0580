#include "wheels/ui/PHotWheels.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
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

QComboBox* NamedList(QWidget* parent, const QString& name, int first, int last)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int v = first; v <= last; ++v)
        list->addItem(QString::number(v));
    return list;
}

void SetColour(QLabel* label, QPalette::ColorRole role, std::uint32_t colour)
{
    QPalette p = label->palette();
    p.setColor(role, ToQColor(colour));
    label->setPalette(p);
}

} // namespace

PHotWheels::PHotWheels(QWidget* parent) : WheelFrame(Options(), parent)
{
    Label5 = GeneratorFrame::Label1;
    Label7->setText("Hot wheels");
    Label2->setText("Hot numbers occur more than others in lottery draws. Playing them in a wheel might improve your "
                    "chances of a win. These entries wheel the hottest numbers.");

    Option1[0] = new QRadioButton("Hot numbers", this);
    Option1[0]->setObjectName("Option1(0)");
    Option1[1] = new QRadioButton("Cold numbers", this);
    Option1[1]->setObjectName("Option1(1)");
    Option1[0]->setChecked(true);

    Label8 = NamedLabel(this, "Label8", "Hot numbers");
    Label8->setAutoFillBackground(true);
    Label8->setMargin(2);
    QFont bold = Label8->font();
    bold.setBold(true);
    Label8->setFont(bold);
    SetColour(Label8, QPalette::Window, kHotColour);
    SetColour(Label8, QPalette::WindowText, kHeadingText);
    Label3 = NamedLabel(this, "Label3", QString());
    Label3->setFont(bold);
    Label3->setWordWrap(true);
    SetColour(Label3, QPalette::WindowText, kNumbersAtOpening);

    Label1 = NamedLabel(this, "Label1", "Numbers:");
    Combo1 = NamedList(this, "Combo1", kCreateWheelFewest, kCreateWheelBoxes);
    Label9 = NamedLabel(this, "Label9", "Interval:");
    Combo2 = NamedList(this, "Combo2", 1, kCreateWheelLongestStep);
    Label4 = NamedLabel(this, "Label4", "Lines:");
    Label6[0] = NamedLabel(this, "Label6(0)", QString());

    auto* modes = new QHBoxLayout;
    modes->addWidget(Option1[0]);
    modes->addWidget(Option1[1]);
    modes->addStretch(1);
    methodBox()->addLayout(modes);
    auto* ranked = new QHBoxLayout;
    ranked->addWidget(Label8);
    ranked->addWidget(Label3, 1);
    methodBox()->addLayout(ranked);
    auto* sizes = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Combo1, Label9, Combo2, Label4, Label6[0]})
        sizes->addWidget(w);
    sizes->addStretch(1);
    methodBox()->addLayout(sizes);

    for (int i = 0; i < 2; ++i)
        connect(Option1[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    // Opening selects the first of each list; nothing is counted before a
    // lottery is open.
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    Combo2_Click();
    for (QComboBox* list : {Combo1, Combo2})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { Combo2_Click(); });
    // After the frame has loaded the chosen lottery and made its lines.
    connect(List1, &QListWidget::currentRowChanged, this, [this] { forgetUnplayable(); });
}

void PHotWheels::showMode()
{
    const QString name = ColdMode ? "Cold wheels" : "Hot wheels";
    setWindowTitle(name);
    Label7->setText(name);
    Label8->setText(ColdMode ? "Cold numbers" : "Hot numbers");
    const std::uint32_t colour = ColdMode ? kColdColour : kHotColour;
    SetColour(Label8, QPalette::Window, colour);
    SetColour(Label3, QPalette::WindowText, colour);
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
    return {.title = {Label7}, .body = {Label2}, .label = {Label1, Label9, Label5, Label4}, .other = {}};
}
