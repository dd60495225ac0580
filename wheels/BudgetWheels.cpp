#include "wheels/BudgetWheels.h"

#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "wheels/WheelRules.h"

#include <algorithm>

namespace {

// Two letters a line; each letter a group of three of the player's numbers.
constexpr std::array<BudgetWheel, 4> kBudgetWheels{{
    {9, "ABBCAC"},            // AB, BC, AC
    {12, "ABCDBCAD"},         // AB, CD, BC, AD
    {15, "ABCDAEBEBC"},       // AB, CD, AE, BE, BC
    {18, "ABCDEFACBDAFBCDE"}, // AB, CD, EF, AC, BD, AF, BC, DE
}};

const BudgetWheel& WheelOf(int option)
{
    return kBudgetWheels[std::size_t(option >= 0 && option < int(kBudgetWheels.size()) ? option : 0)];
}

} // namespace

const std::array<BudgetWheel, 4>& BudgetWheels() { return kBudgetWheels; }

int BudgetWheelSize(int option) { return WheelOf(option).size; }

QString BudgetWheelTable(int option) { return QString::fromLatin1(WheelOf(option).letters); }

int BudgetWheelLineCount(const QString& table) { return int(table.size() / 2); }

bool BudgetInputOK(const QStringList& activeBoxes, int maxBall)
{
    return std::all_of(activeBoxes.begin(), activeBoxes.end(), [maxBall](const QString& text) {
        const int number = CellFromText(text);
        return number >= 1 && number <= maxBall;
    });
}

BudgetOutcome BudgetWheelLines(int option, int k, int extraBallMax)
{
    ClearEntries();
    if (k < 5 || k > 7)
        return BudgetOutcome::NotAvailable;
    const int n = BudgetWheelSize(option);

    // Each line first takes both its groups whole, in columns 1 to 6.
    WheelExpansion how;
    how.lettersPerLine = 2;
    how.base = LetterBase::Blocks(kBudgetGroupSize);
    how.filled = n;
    how.ballsDrawn = 2 * kBudgetGroupSize;
    how.fillColumn = false;
    how.extraBallMax = 0;
    const WheelOutcome expanded = ExpandWheel(BudgetWheelTable(option), how);
    if (!expanded.ok())
        return BudgetOutcome::NotAvailable;
    const int lines = expanded.lines;

    // Every seven-number line needs a number of the n that is not among its
    // six; repeated numbers can leave none, and the draw below would never end.
    auto seventhFree = [n](const std::int16_t* row) {
        return std::any_of(BallPool, BallPool + n,
                           [row](std::int16_t v) { return std::find(row + 1, row + 7, v) == row + 7; });
    };
    if (k == 7)
        for (int j = 1; j <= lines; ++j)
            if (!seventhFree(Entries[j])) {
                ClearEntries();
                return BudgetOutcome::NoSeventhNumber;
            }

    for (int j = 1; j <= lines; ++j) {
        std::int16_t* row = Entries[j];
        if (k == 5) {
            // A toss: the first two or the last two of the second group.
            if (Rnd() <= 0.5) {
                row[4] = row[5];
                row[5] = row[6];
            }
            row[6] = 0;
        } else if (k == 7) {
            std::int16_t seventh;
            do
                seventh = BallPool[int(Rnd() * n)];
            while (std::find(row + 1, row + 7, seventh) != row + 7);
            row[7] = seventh;
        }
        if (extraBallMax > 0)
            row[kExtraBallColumn] = std::int16_t(RandomNumber(extraBallMax));
    }
    SortEntries(k);
    return BudgetOutcome::Built;
}
