#include "generators/ui/PHotNumbers.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/HotNumbers.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/Random.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
GeneratorFrameOptions Options()
{
    GeneratorFrameOptions o;
    o.name = "PHotNumbers";
    o.caption = "Hot Numbers";
    o.gridRows = 20;
    o.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.filtersHeading = "Filters   ";
    o.saveTip = "Save the lottery entries to disk";
    o.helpButtons = {"Command4"};
    o.checkBoxes = false;
    o.poolLimit = kBallPoolSize;
    return o;
}
} // namespace

PHotNumbers::PHotNumbers(QWidget* parent) : GeneratorFrame(Options(), parent)
{
    Label7->setText("Hot numbers");
    Label2->setText("Some numbers occur more than others in lottery draws results. Picking them might improve your "
                    "chances of a win. All these entries include all the most common (hot) numbers..");
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
    Label8->setForegroundRole(QPalette::BrightText);
    Label5->setWordWrap(true);
    Label5->setFont(bold);

    auto* options = new QHBoxLayout;
    options->addWidget(Option1[0]);
    options->addWidget(Option1[1]);
    options->addStretch();
    methodBox()->addLayout(options);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Label8);
    placeStatusLine(numbers);
    numbers->setStretch(1, 1);
    methodBox()->addLayout(numbers);
    showMode(false);

    for (int i = 0; i < 2; ++i)
        connect(Option1[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
}

void PHotNumbers::showMode(bool cold)
{
    const QColor colour = ToQColor(cold ? kColdColour : kHotColour);
    QPalette heading = Label8->palette();
    heading.setColor(QPalette::Window, colour);
    heading.setColor(QPalette::BrightText, Qt::white);
    Label8->setPalette(heading);
    QPalette numbers = Label5->palette();
    numbers.setColor(QPalette::WindowText, colour);
    Label5->setPalette(numbers);
}

void PHotNumbers::Option1_Click(int index)
{
    ColdMode = index != 0;
    const QString name = ColdMode ? "Cold numbers" : "Hot numbers";
    setWindowTitle(name);
    Label7->setText(name);
    Label8->setText(name);
    showMode(ColdMode);
    Label2->setText(ColdMode ? "Some draw numbers have not come up for a long time. They are overdue and might come "
                               "up soon. These entries pick random cold numbers."
                             : "Hot numbers occur more than others in lottery draws. Using them might improve your "
                               "chances of a win. These entries pick random hot numbers.");
    // The chosen lottery again, and new lines.
    List1_Click();
}

void PHotNumbers::Generate()
{
    ClearEntries();
    Randomize();
    PlayLotto();
    RemoveDuplicates();
    ShowEntries(MSFlexGrid1);
}

void PHotNumbers::PlayLotto() { Label5->setText(HotNumbersLines(ColdMode)); }

SkinLabels PHotNumbers::SkinningLabels() const
{
    // Label5 keeps its hot or cold colour.
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {}};
}
