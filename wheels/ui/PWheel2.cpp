#include "wheels/ui/PWheel2.h"

#include "core/OpenLottery.h"
#include "platform/Text.h"
#include "wheels/WheelTables.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PWheel2", "Wheeling pairs", 40);
    o.boxes = 18;
    o.blockSize = 2;
    o.blocksPerRow = 3;
    o.blockLetters = true;
    o.emptyUnused = true;
    o.randomSelectionTip = " Enter a random selection of numbers ";
    o.randomOrderTip = " Mix up the order of the numbers ";
    return o;
}

GroupWheelTexts Texts()
{
    return {
        "Wheeling pairs",
        "This method of selecting Lotto entries tries to increase your chance of winning the smaller prizes by "
        "placing numbers into pairs. Each pair is played with every other pair. Pick up to 9 pairs of numbers.",
        "   Enter 8  different pairs of numbers, starting with A:",
        {"Wheel   8 numbers in   3 lines", "Wheel 10 numbers in   6 lines", "Wheel 12 numbers in 10 lines",
         "Wheel 14 numbers in 15 lines", "Wheel 16 numbers in 21 lines", "Wheel 18 numbers in 28 lines"},
    };
}

} // namespace

PWheel2::PWheel2(QWidget* parent) : GroupWheelWindow(Options(), Texts(), parent) { SetBoxesInUse(8); }

void PWheel2::Option1_Click(int index)
{
    Label8->setText("   Enter" + Str(8 + 2 * index) + " different pairs of numbers, starting with A:");
    SetBoxesInUse(8 + 2 * index); // the grey boxes are emptied
}

void PWheel2::LotteryStep()
{
    // The line counts of the sizes depend on the pick size.
    const bool threePairs = BallsDrawn >= 6;
    for (int i = 0; i < 6; ++i) {
        const int pairs = 4 + i;
        const int lines = threePairs ? (pairs - 1) * (pairs - 2) / 2 : pairs * (pairs - 1) / 2;
        Option1[std::size_t(i)]->setText(QString("Wheel %1 numbers in %2 lines").arg(2 * pairs).arg(lines));
    }
}

bool PWheel2::RunWheel() { return BallsDrawn < 6 ? Do_Wheel4() : Do_Wheel6(); }

bool PWheel2::Do_Wheel4()
{
    const int size = SelectedSize();
    CurrentWheel = kTwoPairWheels[std::size_t(size)].toString();
    return ExpandWheel(CurrentWheel, ExpansionFor(2, LetterBase::Blocks(2), 8 + 2 * size)).ok();
}

bool PWheel2::Do_Wheel6()
{
    const int size = SelectedSize();
    CurrentWheel = kThreePairWheels[std::size_t(size)].toString();
    return ExpandWheel(CurrentWheel, ExpansionFor(3, LetterBase::Blocks(2), 8 + 2 * size)).ok();
}
