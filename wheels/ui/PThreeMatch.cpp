#include "wheels/ui/PThreeMatch.h"

#include "core/OpenLottery.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kBoxes = 20;

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PThreeMatch", "Three-match wheels", 25);
    // The frame's "Select a lottery:" is this window's Label5; the status
    // line, which says only why a lottery cannot be played, takes another
    // name.
    o.listCaptionName = "Label5";
    o.statusName = "StatusLine";
    o.boxes = kBoxes;
    o.blockSize = 1;
    o.blocksPerRow = 5;
    o.enterMovesOn = true;
    o.disableUnused = true;
    o.emptyUnused = true;
    o.randomSelectionTip = " Enter a random selection of numbers ";
    o.randomOrderTip = " Nix up the order of the numbers ";
    o.generateBusy = GenerateBusy::NotUsed;
    o.closeBusy = CloseBusy::NoTest;
    o.filtersTestBusy = false;
    o.printSaveTestBusy = false;
    o.reseedOnGenerate = false;
    o.clearBeforeChecks = false;
    return o;
}

} // namespace

PThreeMatch::PThreeMatch(QWidget* parent) : WheelFrame(Options(), parent)
{
    Label7->setText("Guaranteed 3-match wheels");
    Option1[0] = new QRadioButton("3-match wheels", this);
    Option1[0]->setObjectName("Option1(0)");
    Option1[1] = new QRadioButton("4-match wheels", this);
    Option1[1]->setObjectName("Option1(1)");
    Option1[0]->setChecked(true);
    Label3 = NamedLabel(this, "Label3", "Designed for pick-6 lotteries");
    PickWheelLabel = NamedLabel(this, "Label1", "Pick your wheel:");
    Label8 = NamedLabel(this, "Label8", "   Pick x Numbers:");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    Combo2->hide();

    // The prompt over the boxes; the options and the wheel lists beside them.
    boxesColumn()->insertWidget(0, Label8);
    sideColumn()->addWidget(Label3);
    sideColumn()->addWidget(Option1[0]);
    sideColumn()->addWidget(Option1[1]);
    sideColumn()->addWidget(PickWheelLabel);
    sideColumn()->addWidget(Combo1);
    sideColumn()->addWidget(Combo2);
    sideColumn()->addStretch(1);

    // The lists are filled as the window loads: the 4-match list first,
    // then the 3-match list, whose first wheel is chosen.
    for (const ThreeMatchWheel& wheel : ThreeMatchWheels(1))
        Combo2->addItem(QString::fromLatin1(wheel.item.data(), qsizetype(wheel.item.size())));
    Combo2->setCurrentIndex(0);
    Combo2_Click();
    for (const ThreeMatchWheel& wheel : ThreeMatchWheels(0))
        Combo1->addItem(QString::fromLatin1(wheel.item.data(), qsizetype(wheel.item.size())));
    Combo1->setCurrentIndex(0);
    Combo1_Click();

    for (int i = 0; i < 2; ++i)
        connect(Option1[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, &PThreeMatch::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &PThreeMatch::Combo2_Click);
}

SkinLabels PThreeMatch::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {PickWheelLabel, Label1}, .other = {}};
}

void PThreeMatch::chooseWheel(bool fourMatch, int index)
{
    const ThreeMatchWheel* wheel = FindThreeMatchWheel(fourMatch ? 1 : 0, index);
    // With no wheel chosen the last one stays.
    if (!wheel)
        return;
    CurrentWheel = QString::fromLatin1(wheel->letters.data(), qsizetype(wheel->letters.size()));
    PickCount = wheel->numbers;
    Label2->setText(MatchExplanation(fourMatch, *wheel));
    Label8->setText(MatchPickPrompt(wheel->numbers));
    SetBoxesInUse(wheel->numbers);
    // The lines on show belong to another wheel; Entries keeps them for the
    // filters.
    BlankEntriesGrid(MSFlexGrid1);
}

void PThreeMatch::Combo1_Click() { chooseWheel(false, Combo1->currentIndex()); }

void PThreeMatch::Combo2_Click() { chooseWheel(true, Combo2->currentIndex()); }

void PThreeMatch::Option1_Click(int index)
{
    FourMatch = index == 1;
    Option1[std::size_t(FourMatch ? 1 : 0)]->setChecked(true);
    Combo1->setVisible(!FourMatch);
    Combo2->setVisible(FourMatch);
    Label7->setText(FourMatch ? "Guaranteed 4-match wheels" : "Guaranteed 3-match wheels");
    setWindowTitle(FourMatch ? "Four-match wheels" : "Three-match wheels");
    if (FourMatch)
        Combo2_Click();
    else
        Combo1_Click();
}

QString PThreeMatch::WheelRefusal() const
{
    return BallsDrawn < 5 ? QStringLiteral("This method is not suitable for this lottery.    ") : QString();
}

void PThreeMatch::Generate()
{
    // The lottery is refused before the boxes are looked at.
    if (const QString refusal = WheelRefusal(); !refusal.isEmpty()) {
        MsgBox(refusal, vbOKOnly | vbExclamation, "Sorry!");
        return;
    }
    WheelFrame::Generate();
}

bool PThreeMatch::RunWheel()
{
    // "A" is box 0.
    return ExpandWheel(CurrentWheel, ExpansionFor(6, LetterBase::Boxes(), kBoxes)).ok();
}
