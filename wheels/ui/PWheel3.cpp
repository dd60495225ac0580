#include "wheels/ui/PWheel3.h"

#include "core/OpenLottery.h"
#include "platform/Text.h"
#include "platform/ui/Controls.h"
#include "wheels/WheelTables.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PWheel3", "Wheeling triplets", 30);
    o.boxes = 24;
    o.blockSize = 3;
    o.blocksPerRow = 2;
    o.blockLetters = true;
    return o;
}

GroupWheelTexts Texts()
{
    return {
        "Wheeling triplets",
        "This method of selecting Lotto entries tries to increase your chance of winning the smaller prizes by "
        "placing numbers into groups of three. Each group is played with every other group. Pick up to 8 groups "
        "of three numbers.",
        "  Enter 9 different numbers in groups of three, starting with group A:",
        {"Wheel   9 numbers in   3 lines", "Wheel 12 numbers in   6 lines", "Wheel 15 numbers in 10 lines",
         "Wheel 18 numbers in 15 lines", "Wheel 21 numbers in 21 lines", "Wheel 24 numbers in 28 lines"},
    };
}

} // namespace

PWheel3::PWheel3(QWidget* parent) : GroupWheelWindow(Options(), Texts(), parent)
{
    Label4 = NamedLabel(this, "Label4", "5-pick lotteries are not ideal for this method.");
    boxesColumn()->addWidget(Label4);
    SetBoxesInUse(9);
}

void PWheel3::Option1_Click(int index)
{
    Label8->setText("   Enter" + Str(9 + 3 * index) + " different numbers in groups of three, starting with group A:");
    // The grey boxes keep their text until Generate empties it.
    SetBoxesInUse(9 + 3 * index);
}

void PWheel3::LotteryStep()
{
    switch (BallsDrawn) {
    case 4: Label4->setText("4-pick lotteries are not ideal for this method."); break;
    case 5: Label4->setText("5-pick lotteries are not ideal for this method."); break;
    case 6: Label4->setText("6-pick lotteries are OK with Wheeling Triplets."); break;
    case 7: Label4->setText("7-pick lotteries are not ideal for this method."); break;
    default: break;
    }
}

bool PWheel3::Do_Wheel()
{
    const int size = SelectedSize();
    CurrentWheel = kTripletWheels[std::size_t(size)].toString();
    return ExpandWheel(CurrentWheel, ExpansionFor(2, LetterBase::Blocks(3), 9 + 3 * size)).ok();
}

SkinLabels PWheel3::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {}, .other = {Label4}};
}
