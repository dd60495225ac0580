#include "generators/PFullSel.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/Random.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kSpillOver = 10;

GeneratorFrameOptions Options()
{
    GeneratorFrameOptions o;
    o.name = "PFullSel";
    o.caption = "Full Selection";
    o.gridRows = 20;
    o.saveTip = "Save lottery entries to disk";
    o.helpButtons = {"Command3", "Command4"};
    o.decimals = 2;
    o.blankGridFirst = true;
    o.closeWaits = false;
    o.poolLimit = kBallPoolSize - kSpillOver;
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
    Form_Load();
    Label4->setMaximumWidth(MSFlexGrid1->width());
}

void PFullSel::Check4_Click()
{
    Command2_Click();
}

void PFullSel::BeforeGenerate()
{
    const int k = BallsDrawn, n = MaxBall;
    if (Check4->isChecked())
        Label4->setText("  All numbers used");
    else
        Label4->setText("  " + QString::number(n % k) + " numbers unused");
}

void PFullSel::PlayLotto()
{
    const int k = BallsDrawn, n = MaxBall, e = ExtraBallMax;
    for (int i = 1; i <= n; ++i)
        BallPool[i] = std::int16_t(i);
    for (int i = 1; i <= n; ++i)
        std::swap(BallPool[i], BallPool[RandomNumber(n)]);
    // Spill-over for a last line: copies of the 2nd, 4th, ... shuffled numbers,
    // counted round the pool when it holds fewer than 20.
    for (int i = 1; i <= kSpillOver; ++i)
        BallPool[n + i] = BallPool[(2 * i - 1) % n + 1];
    int lines = n / k;
    if (n % k > 0 && Check4->isChecked())
        ++lines;
    lines = std::min(lines, kMaxEntryLines);
    int p = 0;
    for (int r = 1; r <= lines; ++r) {
        for (int c = 1; c <= k; ++c)
            Entries[r][c] = BallPool[++p];
        if (e > 0)
            Entries[r][8] = std::int16_t(RandomNumber(e));
    }
    EndEntries(lines);
}

void PFullSel::AfterRetryLoop()
{
    SortEntries(BallsDrawn);
}
