#include "generators/ui/P1Key.h"

namespace {
KeyWindowOptions Options()
{
    KeyWindowOptions o = KeyWindowDefaults("P1Key", "One key number", 30);
    o.keys = 1;
    o.smallestPick = 4;
    o.pickMessage = "Must be a pick-4/5/6/7 lottery.    ";
    o.blankGrid = false;
    o.heading = "One key number";
    o.description = "Select your favourite or lucky number on the right. It is played against every other lottery "
                    "number, so you are guaranteed to get three or more 2-matches if it is in the lottery draw "
                    "result.";
    o.firstValueTip = " Your lucky number ";
    return o;
}
} // namespace

P1Key::P1Key(QWidget* parent) : KeyNumbersWindow(Options(), parent) {}
