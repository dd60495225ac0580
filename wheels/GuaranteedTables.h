#pragma once
// The 32 stored wheels of the guaranteed-win window, in three families, and
// the index the window fills its three choice lists from.
//
// A table is a text of six characters a line, read in chunks of six: the
// character of code 64 + n stands for the player's n-th number ("A" the
// first, "Z" the 26th, then "[" 27, backslash 28, "]" 29, "^" 30, "_" 31,
// grave accent 32, "a" 33 up to "p" 48). A table for v numbers uses exactly
// the v characters of codes 65 to 64 + v.
//
// The promise: whenever the draw holds `drawn` of the player's numbers, some
// line holds at least `match` of them. Every table keeps it; the tests prove
// each one over every set of `drawn` of its letters.

#include <span>
#include <string_view>

enum class WheelFamily {
    ThreeForSix = 0,   // "3-Match for 6": all six drawn numbers chosen, a line with three
    ThreeForThree = 1, // "3-Match for 3": any three drawn numbers chosen, a line with those three
    FiveForSix = 2,    // "5-Match for 6": all six drawn numbers chosen, a line with five
};

// One part of a table: a set of `letters` letters and the `lines` lines that
// lie wholly inside it. The parts of a table share no letter.
struct WheelGroup {
    int letters = 0;
    int lines = 0;
};

struct GuaranteedWheel {
    WheelFamily family;
    int listIndex;         // its place in the family's choice list
    std::string_view item; // the list item, "21 numbers / 15 lines"
    int numbers;           // v: how many numbers the player picks
    int lines;             // L: how many lines it makes
    int drawn;             // the promise holds when the draw has this many of the numbers...
    int match;             // ...and then some line holds at least this many of them
    // The parts of a "3-Match for 6" table, the part holding "A" first; a
    // table of one part has {numbers, lines} and an empty second group.
    WheelGroup groups[2];
    std::string_view letters; // 6 * lines characters
};

inline constexpr int kWheelLineLetters = 6;
inline constexpr int kGuaranteedWheelCount = 32;

// All 32, family by family (3-Match for 6, 3-Match for 3, 5-Match for 6), each
// family in list order.
std::span<const GuaranteedWheel> GuaranteedWheels();
// One family's wheels in list order (20, 10 and 2 of them).
std::span<const GuaranteedWheel> GuaranteedWheels(WheelFamily family);
// The wheel at a family's list index; nullptr when there is none.
const GuaranteedWheel* FindGuaranteedWheel(WheelFamily family, int listIndex);
