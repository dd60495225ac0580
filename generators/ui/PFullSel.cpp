#include "generators/ui/PFullSel.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/FullSelection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/Random.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
GeneratorFrameOptions Options()
{
    GeneratorFrameOptions o;
    o.name = "PFullSel";
    o.caption = "Full Selection";
    o.gridRows = 20;
    o.saveTip = "Save lottery entries to disk";
    o.helpButtons = {"Command3", "Command4"};
    o.decimals = 2;
    o.poolLimit = kBallPoolSize - kFullSelectionSpill;
    return o;
}
} // namespace

PFullSel::PFullSel(QWidget* parent) : GeneratorFrame(Options(), parent)
{
    Label7->setText("Full selection");
    Label2->setText("Every lottery number is played and you are guaranteed to match every number in the draw "
                    "result, but you can choose to ignore numbers that don't fit an exact number of lines, eg 6/49 "
                    "is 8 lines of 6 with 1 number unused.");
    Check4 = new QCheckBox("Include all numbers", this);
    Check4->setObjectName("Check4");
    Label4 = NamedLabel(this, "Label4", QString());
    methodBox()->addWidget(Check4);
    methodBox()->addWidget(Label4);
    connect(Check4, &QCheckBox::toggled, this, &PFullSel::Check4_Click);
}

void PFullSel::Check4_Click() { Command2_Click(); }

void PFullSel::BeforeGenerate()
{
    const int k = BallsDrawn, n = MaxBall;
    if (Check4->isChecked())
        Label4->setText("  All numbers used");
    else
        Label4->setText("  " + QString::number(n % k) + " numbers unused");
}

void PFullSel::PlayLotto() { FullSelectionLines(Check4->isChecked()); }
