#include "wheels/ui/Wheel49.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Folder.h"
#include "platform/ui/Colours.h"
#include "platform/ui/MsgBox.h"
#include "wheels/GuaranteedWheels.h"
#include "wheels/Wheel49.h"

#include <QLabel>

namespace {

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("Wheel49", "Wheel 49", 180);
    o.frame.checkBoxes = true;
    o.frame.saveTip = "Save these lottery entries to disk";
    o.frame.helpButtons = {"Command3", "Command8"};
    o.frame.decimals = 3;
    o.generateBusy = GenerateBusy::ReturnsWhenSet;
    o.closeBusy = CloseBusy::Waits;
    o.retryLoop = true;
    o.statusColour = kRetryStatusColour;
    return o;
}

} // namespace

Wheel49::Wheel49(QWidget* parent) : WheelFrame(Options(), parent)
{
    Label7->setText("Wheel 49");
    Label2->setText(
        "The aim is to wheel the numbers 1 to 49 in such a way as to guarantee one or more 3-matches. It is "
        "specifically designed for pick-6 lotteries with a minimum of 49 numbers in the draw.");
    Label6[0]->setText("Do not allow lottery entries with...");
}

SkinLabels Wheel49::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {Label5}};
}

void Wheel49::Loaded()
{
    // The pattern of "wheel49.dat": written when missing, the program's own
    // when the file cannot be used (the player is told why).
    const Wheel49Pattern pattern = LoadWheel49(ProgramFolder());
    WheelIndexes = pattern.values;
    letters_ = Wheel49Letters(WheelIndexes);
    if (pattern.source == Wheel49Source::Built && !pattern.problem.isEmpty())
        MsgBox(pattern.problem, vbOKOnly | vbExclamation, "Wheel 49");
}

bool Wheel49::InputsOK()
{
    const Refusal refusal = Wheel49Refusal(BallsDrawn, MaxBall);
    if (refusal.refused()) {
        MsgBox(refusal.text, vbOKOnly | vbExclamation, refusal.title);
        return false;
    }
    return true;
}

void Wheel49::BeforeGenerate()
{
    // Every Generate starts from 1 to 49 in order; each try shuffles on from
    // the order the last one left.
    FillBallPool(49);
}

bool Wheel49::RunWheel()
{
    ShuffleOddPositions(49);
    if (!ExpandWheel(letters_, ExpansionFor(6, LetterBase::Pool(1), 49)).ok())
        return false;
    // Sorted in every try, before the checks.
    SortEntries(BallsDrawn);
    return true;
}
