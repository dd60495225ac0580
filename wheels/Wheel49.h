#pragma once
// Wheel 49: 175 lines of six over the numbers 1 to 49 that meet every draw of
// six of them in at least three numbers, and its file "wheel49.dat".
//
// The pattern is a list of 1050 positions (1 to 49), six a line: the window
// lays it over the numbers 1 to 49 in a shuffled order, line l taking the
// numbers at positions 6l - 5 to 6l. It is built here from three parts:
//   - positions 1 to 22: 77 lines in which every three positions lie together
//     in exactly one line;
//   - positions 23 to 44: the same 77 lines moved on by 22;
//   - positions 45 to 49 with each of positions 1 to 21 in turn: 21 lines.
// A draw of six with three positions in one of the first two parts is met by
// that part; otherwise it holds two of 1 to 22, two of 23 to 44 and two of 45
// to 49, and one of its two below 23 is a position of 1 to 21, whose line with
// 45 to 49 meets it in three.

#include "wheels/WheelCheck.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int kWheel49Lines = 175;
inline constexpr int kWheel49Values = 1050;
inline constexpr int kWheel49Numbers = 49;
inline constexpr char kWheel49FileName[] = "wheel49.dat";

// 77 lines of six over points 0 to 21 (bit i is point i) in which every three
// points lie together in exactly one line: the words of weight eight of the
// extended binary Golay code that hold its last two places, those two places
// dropped.
std::vector<LetterSet> TripleDesign22();

// The built pattern: 1050 positions from 1 to 49, six a line.
std::vector<std::int16_t> BuildWheel49Pattern();
// A pattern's lines as sets of positions: position p is bit p - 1. A line
// holding one position twice has fewer than six bits.
std::vector<LetterSet> Wheel49LineSets(const std::vector<std::int16_t>& values);

struct Wheel49Proof {
    quint64 draws = 0;  // draws of six from 49 looked at: 13,983,816
    quint64 missed = 0; // of which no line holds three
    bool holds() const { return draws == 13983816 && missed == 0; }
};
// Tests every draw of six positions of 1 to 49, one by one, for a line that
// holds three of them. Lines are position sets as Wheel49LineSets gives them.
Wheel49Proof ProveWheel49(const std::vector<LetterSet>& lines);

// The file's text: 175 lines of six comma-separated positions.
QStringList Wheel49FileLines(const std::vector<std::int16_t>& values);
// Reads the positions from a file's text: values end at a comma or a line end,
// blanks around a value and blank lines are skipped, and reading stops after
// the 1050th value. No value when the text holds fewer than 1050 values or a
// value among the first 1050 is not a whole number from 1 to 49; `problem`
// then says why.
std::optional<std::vector<std::int16_t>> ParseWheel49(const QStringList& lines, QString* problem = nullptr);

enum class Wheel49Source {
    File,    // read from the file
    Written, // the file was missing: the built pattern, now written to it
    Built,   // the built pattern; `problem` says why the file was not used or not written
};

struct Wheel49Pattern {
    std::vector<std::int16_t> values; // always 1050 positions from 1 to 49
    Wheel49Source source = Wheel49Source::Built;
    QString problem; // a sentence for the player when source is Built
};

// The pattern for the window, from "wheel49.dat" in `folder`: read when the
// file is there and valid; written (a new file renamed into place) from the
// built pattern when it is missing; left alone and replaced by the built
// pattern, with the reason, when it cannot be read or is not valid.
Wheel49Pattern LoadWheel49(const QString& folder);
