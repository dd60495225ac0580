#pragma once
// Lucky numbers from a seed: the numerology and star-sign methods restart the
// random source from a seed made of the player's inputs, shuffle the numbers
// 1 to 50, take the player's lucky numbers from the shuffled pool and place
// them in a short wheel of 9, 5 or 3 lines. The same inputs give the same
// lines on every run and machine.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The numerology seed: the birth date's day, month and four-digit year added
// up, plus the Windows-1252 code of every character of the name (upper case,
// blanks removed; a character the code table lacks counts as "?"), doubled,
// plus one. No value for a name of blanks only.
std::optional<std::int32_t> NameSeed(const QString& name, const QDate& birth);

// The star-sign seed: 13 times the birth day's index (0 for day 1) plus 19
// times the sign's index (0 for Aries) plus the draw date's day, month and
// four-digit year, doubled, plus one.
std::int32_t StarSignSeed(int birthDayIndex, int signIndex, const QDate& drawDate);

// Where the lucky numbers come from in the shuffled pool.
enum class LuckySource {
    Numerology, // the first 20 pool numbers up to N
    StarSign,   // every pool number up to N among places 1 to 49
};

// How many lucky numbers the wheel reads for K numbers a line: lines start at
// lucky number 1, 1 + t, ... up to 9; those starting at 1 to 8 run round
// lucky numbers 1 to 8, the one starting at 9 runs on to 9 + K - 1.
int LuckyNumbersNeeded(int k, int wheelType);

struct LuckyWheel {
    QString text;             // " Your lucky numbers: 12, 7, 33, ..." (places 1 to 15)
    std::vector<int> numbers; // the lucky numbers, in pool order
    bool served = false;      // false: too few lucky numbers for the wheel, Entries untouched
};

// Resets the random source and seeds it, shuffles 1 to 50 into BallPool 1
// to 50 (every place exchanged with a random place), takes the lucky numbers
// and, when there are enough for the wheel of the given type (1 to 3), fills
// Entries with the wheel's lines, a random extra ball for each line when the
// lottery has them, every line sorted.
LuckyWheel LuckyWheelLines(std::int32_t seed, int wheelType, LuckySource source);
