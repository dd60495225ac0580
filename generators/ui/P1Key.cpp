#include "generators/ui/P1Key.h"

namespace {
KeyWindowOptions Options()
{
    KeyWindowOptions o;
    o.frame.name = "P1Key";
    o.frame.caption = "One key number";
    o.frame.gridRows = 30;
    o.frame.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.frame.generateTip = "Generate another selection of lottery entries";
    o.frame.printTip = "Print out lottery entries";
    o.frame.saveTip = "Save lottery entries to disk";
    o.frame.closeTip = " Close window ";
    o.frame.helpButtons = {"Command3", "Command4"};
    o.frame.decimals = 2;
    o.frame.untickOnChoice = true;
    o.frame.poolLimit = 100; // the pool holds N and 20 places beyond it
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
