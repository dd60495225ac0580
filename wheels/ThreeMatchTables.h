#pragma once
// The 27 stored wheels of the three- and four-match window: 13 that promise a
// line with three of the drawn numbers and 14 that promise four, in the order
// of their two choice lists.
//
// A wheel is a text of six capital letters a line, read in chunks of six;
// letter "A" stands for the number in the first box, "T" the twentieth. A
// wheel for v numbers uses exactly the letters "A" to the v-th.
//
// The promise: whenever the draw holds `drawn` of the player's numbers, some
// line holds at least `match` of them (`match` is 3 or 4, the mode). The tests
// prove each wheel over every set of `drawn` of its letters.

#include <span>
#include <string_view>

struct ThreeMatchWheel {
    int mode;              // 0: three-match wheels, 1: four-match wheels
    int listIndex;         // its place in the mode's choice list
    std::string_view item; // the list item, " 6 from 20"
    int numbers;           // v: how many numbers the player enters
    int drawn;             // k: the promise holds when the draw has k of them...
    int match;             // ...and then some line holds at least this many
    int lines;             // Len / 6
    std::string_view letters;
};

inline constexpr int kThreeMatchWheelCount = 27;

// All 27: the 13 three-match wheels, then the 14 four-match wheels.
std::span<const ThreeMatchWheel> ThreeMatchWheels();
// The wheels of one mode (0 or 1) in list order; empty for another mode.
std::span<const ThreeMatchWheel> ThreeMatchWheels(int mode);
// The wheel at a mode's list index; nullptr when there is none.
const ThreeMatchWheel* FindThreeMatchWheel(int mode, int listIndex);
