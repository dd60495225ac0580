#include "wheels/BudgetWheels.h"

#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"

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

// The first of the three numbers of the group a letter names.
int GroupStart(QChar letter) { return (letter.unicode() - 'A') * kBudgetGroupSize; }

} // namespace

const std::array<BudgetWheel, 4>& BudgetWheels() { return kBudgetWheels; }

int BudgetWheelSize(int option) { return WheelOf(option).size; }

QString BudgetWheelTable(int option) { return QString::fromLatin1(WheelOf(option).letters); }

int BudgetWheelLineCount(const QString& table) { return int(table.size() / 2); }

bool BudgetInputOK(const QStringList& activeBoxes)
{
    return std::all_of(activeBoxes.begin(), activeBoxes.end(),
                       [](const QString& text) { return CellFromText(text) >= 1; });
}

BudgetOutcome BudgetWheelLines(int option, int k, int extraBallMax)
{
    ClearEntries();
    if (k < 5 || k > 7)
        return BudgetOutcome::NotAvailable;
    const int n = BudgetWheelSize(option);
    const QString table = BudgetWheelTable(option);
    const int lines = BudgetWheelLineCount(table);

    // Every seven-number line needs a number of the n that is not among its
    // six; repeated numbers can leave none, and the draw below would never end.
    if (k == 7) {
        for (int j = 0; j < lines; ++j) {
            const int x = GroupStart(table[2 * j]), y = GroupStart(table[2 * j + 1]);
            const bool free = std::any_of(BallPool, BallPool + n, [&](std::int16_t v) {
                for (int i = 0; i < kBudgetGroupSize; ++i)
                    if (v == BallPool[x + i] || v == BallPool[y + i])
                        return false;
                return true;
            });
            if (!free)
                return BudgetOutcome::NoSeventhNumber;
        }
    }

    for (int j = 1; j <= lines; ++j) {
        const int x = GroupStart(table[2 * j - 2]), y = GroupStart(table[2 * j - 1]);
        std::int16_t* row = Entries[j];
        for (int i = 0; i < kBudgetGroupSize; ++i)
            row[1 + i] = BallPool[x + i];
        if (k == 5) {
            // A toss: the first two or the last two of the second group.
            const int from = Rnd() > 0.5 ? 0 : 1;
            row[4] = BallPool[y + from];
            row[5] = BallPool[y + from + 1];
        } else {
            for (int i = 0; i < kBudgetGroupSize; ++i)
                row[4 + i] = BallPool[y + i];
        }
        if (k == 7) {
            std::int16_t seventh;
            do
                seventh = BallPool[int(Rnd() * n)];
            while (std::find(row + 1, row + 7, seventh) != row + 7);
            row[7] = seventh;
        }
        if (extraBallMax > 0)
            row[8] = std::int16_t(RandomNumber(extraBallMax));
    }
    EndEntries(lines);
    SortEntries(k);
    return BudgetOutcome::Built;
}
