#include "generators/ui/P3KeyNum.h"

namespace {
KeyWindowOptions Options()
{
    KeyWindowOptions o;
    o.frame.name = "P3KeyNum";
    o.frame.caption = "Three Key Numbers";
    o.frame.gridRows = 30;
    o.frame.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.frame.generateTip = " Generate another selection of lottery entries ";
    o.frame.printTip = " Print the lottery entries ";
    o.frame.saveTip = " Save the lottery entries to disk ";
    o.frame.closeTip = " Close ";
    o.frame.helpButtons = {"Command3", "Command4"};
    o.frame.decimals = 2;
    o.frame.untickOnChoice = true;
    o.frame.poolLimit = 100; // the pool holds N and 20 places beyond it
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
