#include "generators/ui/P3KeyNum.h"

namespace {
KeyWindowOptions Options()
{
    KeyWindowOptions o = KeyWindowDefaults("P3KeyNum", "Three Key Numbers", 30);
    o.frame.generateTip = " Generate another selection of lottery entries ";
    o.frame.printTip = " Print the lottery entries ";
    o.frame.saveTip = " Save the lottery entries to disk ";
    o.frame.closeTip = " Close ";
    o.keys = 3;
    o.smallestPick = 5;
    o.pickMessage = "Must be a pick-5/6/7 lottery.    ";
    o.blankGrid = true;
    o.heading = "Three key numbers";
    o.description = "Select your three favourite or lucky numbers on the right. If they appear in the draw result, "
                    "you are guaranteed at least a 4-match.";
    o.firstValueTip = QString();
    return o;
}
} // namespace

P3KeyNum::P3KeyNum(QWidget* parent) : KeyNumbersWindow(Options(), parent) {}
