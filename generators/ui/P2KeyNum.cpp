#include "generators/ui/P2KeyNum.h"

namespace {
KeyWindowOptions Options()
{
    KeyWindowOptions o = KeyWindowDefaults("P2KeyNum", "Two Key Numbers", 35);
    o.keys = 2;
    o.smallestPick = 4;
    o.pickMessage = "Must be a pick-4/5/6/7 lottery.    ";
    o.blankGrid = true;
    o.heading = "Two key numbers";
    o.description = "Select your two favourite or lucky numbers on the right. They are played against every other "
                    "number, so if they appear in the draw result, you are guaranteed two or more 3-matches.";
    o.firstValueTip = QString();
    return o;
}
} // namespace

P2KeyNum::P2KeyNum(QWidget* parent) : KeyNumbersWindow(Options(), parent) {}
