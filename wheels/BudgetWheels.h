#pragma once
// Budget wheels: 9, 12, 15 or 18 of the player's numbers, taken in groups of
// three, joined two groups a line by a short stored table, so that a few
// lines still give a fair chance of a prize.
//
// A table is a text of letters read two at a time: each pair is one line,
// each letter one group (A = boxes 0 to 2, B = boxes 3 to 5, ...). The
// player's numbers stand in BallPool 0 to 17 while the lines are built.

#include <QString>
#include <QStringList>
#include <array>

struct BudgetWheel {
    int size;            // how many of the player's numbers it wheels
    const char* letters; // two letters a line
};

inline constexpr int kBudgetBoxes = 18;
inline constexpr int kBudgetGroupSize = 3;

// The four stored wheels, in the order of the window's size buttons.
const std::array<BudgetWheel, 4>& BudgetWheels();
// The size (9, 12, 15, 18) and the table of size button `option` (0 to 3);
// any other option reads as the first.
int BudgetWheelSize(int option);
QString BudgetWheelTable(int option);
// How many lines a table makes.
int BudgetWheelLineCount(const QString& table);

// Whether the texts of the boxes in use can be wheeled: every one must hold a
// whole number from 1 to the lottery's highest, maxBall (an empty box, a
// letter, 0, a negative number, a fraction that rounds to 0 or a number above
// maxBall is refused). Repeated numbers pass.
bool BudgetInputOK(const QStringList& activeBoxes, int maxBall);

enum class BudgetOutcome {
    Built,
    // Fewer than five (or more than seven) numbers drawn: no budget wheel fits.
    NotAvailable,
    // A seven-number line would need a seventh number different from its six,
    // and every number chosen repeats one of them: nothing was built.
    NoSeventhNumber,
};

// Builds the lines of size button `option` from BallPool 0 to 17 into
// Entries for a lottery drawing k main numbers (5, 6 or 7), each with an
// extra ball of 1 to extraBallMax when that is above 0; ends the list and
// sorts each line's main numbers. Seven-number lines take their seventh
// number at random from the n numbers wheeled; five-number lines take the
// first and second, or the second and third, of their second group, by a
// toss. Entries is cleared first whatever the outcome.
BudgetOutcome BudgetWheelLines(int option, int k, int extraBallMax);
