#include "generators/ui/PHotNumbers.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/HotNumbers.h"
#include "generators/ui/EntriesGrid.h"
#include "generators/ui/HotColdControls.h"
#include "platform/Random.h"

#include <QHBoxLayout>
#include <QLabel>
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
    AddHotColdButtons(this, methodBox(), Option1, [this](int i) { Option1_Click(i); });
    Label8 = NewHotColdHeading(this, Qt::white);
    Label5->setWordWrap(true);
    Label5->setFont(Label8->font());

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Label8);
    placeStatusLine(numbers);
    numbers->setStretch(1, 1);
    methodBox()->addLayout(numbers);
    ShowHotColdMode(Label8, Label5, false);
}

void PHotNumbers::Option1_Click(int index)
{
    ColdMode = index != 0;
    const QString name = ColdMode ? "Cold numbers" : "Hot numbers";
    setWindowTitle(name);
    Label7->setText(name);
    ShowHotColdMode(Label8, Label5, ColdMode);
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
