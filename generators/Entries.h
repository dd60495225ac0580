#pragma once
// The table of generated lines that every generator, wheel and what-if window
// builds its lines in, the scratch pool of numbers they shuffle, and the flag
// that keeps a second command from starting while one of them works.
//
// Entries row r (1 to 180) is line r: columns 1 to 7 its main numbers (0
// beyond the lottery's balls drawn), column 8 its extra ball (0 when none),
// columns 9 to 14 zero. The list ends at the first row whose column 1 is 0;
// row 180 always ends it, so a list holds at most 179 lines and every scan
// stops at row 180. A value below 1 is no number and shows as an empty cell.
// The columns are named as a draw's (core/OpenLottery.h).

#include "core/OpenLottery.h"

#include <cstdint>

inline constexpr int kEntryRows = 180;   // rows 0 to 180
inline constexpr int kEntryColumns = 14; // columns 0 to 14
inline constexpr int kMaxEntryLines = kEntryRows - 1;
inline constexpr int kBallPoolSize = 120; // BallPool 0 to 120

extern std::int16_t Entries[kEntryRows + 1][kEntryColumns + 1];
extern std::int16_t BallPool[kBallPoolSize + 1];
// BallPool 1 to n hold the numbers 1 to n (n at most kBallPoolSize).
void FillBallPool(int n);
// Swaps BallPool i, for i = 1, 1 + step, ... up to n, with an element of 1 to
// n picked by the program's random source.
void ShuffleBallPool(int n, int step = 1);

// True while a generator, wheel or what-if window works on Entries, or the
// draws history rewrites a database: the handlers it guards return at once.
extern bool Busy;

// Sets Busy for as long as it lives; clears it however the handler ends.
// (Windows hold an Hourglass beside it for the wait pointer.)
class BusyGuard {
public:
    BusyGuard() { Busy = true; }
    ~BusyGuard() { Busy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
};

// Zeroes columns 0 to 14 of rows 1 to 180; row 0 keeps its values.
void ClearEntries();
// Sorts columns 1 to n of every line ascending (n of 1 or less changes
// nothing); the other columns, the extra ball among them, stay in place.
void SortEntries(int n);
// The number of lines in the list (0 to 179).
int EntryCount();
// Ends the list after `lines` lines (at most 179) by writing 0 into column 1
// of the next row.
void EndEntries(int lines);
// Deletes line r: the lines below it move up one row (columns 1 to 9) and the
// list ends one row higher. Rows after the end are never read.
void DeleteEntry(int r);
// Zeroes Entries, BallPool and Busy (tests).
void ResetEntries();
