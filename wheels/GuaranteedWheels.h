#pragma once
// The rules of the guaranteed win wheels, the three- and four-match wheels
// and wheel 49: the choice lists and their texts, the numbers a wheel needs,
// the refusals, the random picks and the shuffles between tries. The wheels
// become lines through the wheels' one expansion (wheels/WheelRules.h).
//
// The windows read their controls, call these and show what they return;
// nothing here shows a message.

#include "wheels/GuaranteedTables.h"
#include "wheels/ThreeMatchTables.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// ---- Guaranteed win wheels ------------------------------------------------

// The three families of the guaranteed win wheels (WheelFamily), in the
// window's order.
inline constexpr int kGuaranteedFamilies = 3;
// The numbers on the board: 1 to 60.
inline constexpr int kBoardNumbers = 60;

// "3-Match for 6", "3-Match for 3", "5-Match for 6".
QString GuaranteedHeading(WheelFamily family);
// What the family promises the player (the window's text).
QString GuaranteedPromise(WheelFamily family);
// The family's choice list: "21 numbers / 15 lines", ... in list order.
QStringList GuaranteedItems(WheelFamily family);
// The letters of the family's table number `index` (of its list); empty for
// an index out of range.
QString GuaranteedTable(WheelFamily family, int index);

// The count a list item names: Val of its text ("21 numbers / 15 lines": 21).
int ItemNumbers(const QString& item);
// "Pick 21 numbers." and "Uses 15 lines." for the item's text.
QString PickNumbersText(const QString& item);
QString UsesLinesText(const QString& item);

// Why Generate cannot build the wheel, as the window says it.
struct Refusal {
    QString text;
    QString title;
    bool refused() const { return !text.isEmpty(); }
};
// The first check that fails, in the window's order: the count of numbers
// picked against the wheel's need, the lottery's highest number, and its
// numbers a draw (at least five). No refusal when all pass.
Refusal GuaranteedRefusal(int picked, int need, int maxBall, int ballsDrawn);

// Puts the picked numbers (ascending) into BallPool elements 1, 2, ...;
// returns how many (at most the pool's size).
int PutPicksInPool(const std::vector<int>& picks);

// "Random selection" of the guaranteed wheels: the numbers 1 to `top`
// shuffled in BallPool (every position swapped once with a random one), and
// the first `need` of them (all `top` when fewer) returned ascending.
std::vector<int> RandomBoardPicks(int need, int top);

// The shuffle before every try of the guaranteed wheels and wheel 49: for
// the odd positions 1, 3, 5, ... up to `count`, swap BallPool element i with
// a random one of 1 to `count`. It works on the order the last try left.
void ShuffleOddPositions(int count);

// ---- Three- and four-match wheels ------------------------------------------

// The wheels of the 3-match list (Combo1) or the 4-match list (Combo2), in
// list order, are ThreeMatchWheels(0) and ThreeMatchWheels(1).

// The explanation text for a wheel of the list (Label2).
QString MatchExplanation(bool fourMatch, const ThreeMatchWheel& wheel);
// "   Pick 20 numbers:" (Label8).
QString MatchPickPrompt(int v);

// ---- Wheel 49 ---------------------------------------------------------------

// Why wheel 49 cannot play the open lottery (fewer than six numbers a draw,
// or a highest number below 49); no refusal when it can.
Refusal Wheel49Refusal(int ballsDrawn, int maxBall);
// The pattern as a wheel of six letters a line ("A" the first position of
// the shuffled numbers, BallPool element 1), for the wheels' expansion.
QString Wheel49Letters(const std::vector<std::int16_t>& positions);
