#include "generators/ui/P2KeyNum.h"

namespace {
KeyWindowOptions Options()
{
    KeyWindowOptions o;
    o.frame.name = "P2KeyNum";
    o.frame.caption = "Two Key Numbers";
    o.frame.gridRows = 35;
    o.frame.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.frame.generateTip = "Generate another selection of lottery entries";
    o.frame.printTip = "Print out lottery entries";
    o.frame.saveTip = "Save lottery entries to disk";
    o.frame.closeTip = " Close window ";
    o.frame.helpButtons = {"Command3", "Command4"};
    o.frame.decimals = 2;
    o.frame.untickOnChoice = true;
    o.frame.poolLimit = 100; // the pool holds N and 20 places beyond it
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
