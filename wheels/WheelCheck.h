#pragma once
// Proving a wheel's promise: "whenever the draw holds k of the wheel's
// letters, some line holds at least t of them", checked over every set of k
// letters.
//
// A letter is a bit of a 64-bit set: the letter of character code 65 + i is
// bit i ("A" bit 0, "Z" bit 25, "[" bit 26, ... "p" bit 47), so a line of six
// letters is a set of six bits and the letters a line shares with a draw are
// one AND and one popcount away.

#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <string_view>
#include <vector>

using LetterSet = quint64;

inline constexpr int kMaxWheelLetters = 64;

// The lines of a wheel table read in chunks of `lineLetters` characters (a
// trailing part chunk is a line too). A character outside codes 65 to 128
// adds no letter.
std::vector<LetterSet> WheelLineSets(std::string_view table, int lineLetters = 6);
// The letters of a set in code order ("DJK").
QString LetterSetText(LetterSet set);
// The letter set of a text of letters ("DJK" gives bits 3, 9 and 10).
LetterSet LetterSetOf(std::string_view letters);
// n choose k (0 when k is out of 0..n).
quint64 Binomial(int n, int k);

struct WheelCheck {
    quint64 sets = 0;        // sets of k letters looked at: Binomial(letters, k)
    quint64 missedCount = 0; // of which no line holds t letters
    // The first missed sets in ascending order (at most the number asked for).
    std::vector<LetterSet> missed;
    bool holds() const { return missedCount == 0 && sets > 0; }
};

// Checks every set of `drawn` letters among the first `letters` (bits 0 to
// letters - 1) for a line that holds at least `match` of them. Every set is
// accounted for; when a few chosen letters already share `match` letters with
// a line, all the sets that hold them are counted at once. At most
// `keepMissed` missed sets are listed; the count is always whole.
WheelCheck CheckWheel(const std::vector<LetterSet>& lines, int letters, int drawn, int match,
                      std::size_t keepMissed = 64);
// The same, every set of `drawn` letters tested against every line in turn:
// slow, and the measure of the fast check.
WheelCheck CheckWheelNaive(const std::vector<LetterSet>& lines, int letters, int drawn, int match,
                           std::size_t keepMissed = 64);
