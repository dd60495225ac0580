#pragma once
// The open lottery: the database files found, the header values of the
// database loaded last and its draws.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

inline constexpr int kMaxDatabases = 76; // DbaseFiles 0 to 75
inline constexpr int kDrawRows = 3000;   // Draws rows 0 to 3000
inline constexpr int kMaxDrawsLoaded = 2994;

extern std::array<QString, kMaxDatabases> DbaseFiles;
extern QString DbaseFile;
extern QString LotteryName;
extern QString LotteryWebsite;
extern int BallsDrawn;
extern int MaxBall;
extern int HeaderValue3;
extern int ExtraBallMax;
extern std::int16_t HasBonusBall;
// Database files left out of the lottery lists whose names the player has
// already been given in this run.
extern QStringList UnlistedDatabasesTold;
// The number columns of a draw row, and of an entry row (Entries, a saved
// entry's fields, the entry grids).
inline constexpr int kFirstNumberColumn = 1;              // Num1
inline constexpr int kLastMainColumn = 7;                 // Num7
inline constexpr int kExtraBallColumn = 8;                // Pball: the bonus or extra ball
inline constexpr int kDrawColumns = kExtraBallColumn + 1; // a draw row holds columns 0 (unused) to 8

// Row r is the r-th draw line of the file (row 1 the newest); columns 1 to 7
// the main numbers, column 8 the bonus or extra ball. The first row whose
// column 1 is 0 ends the data.
extern std::int16_t Draws[kDrawRows + 1][kDrawColumns];

// Empties Draws (every row 0), keeping the header values.
void ClearDraws();

// Sorts columns 1 to n of every loaded row of Draws ascending, keeping zeros
// after the numbers.
void SortDraws(int n);

// How many draws Draws holds (rows before the first whose column 1 is 0).
int DrawCount();

// The change count of the open lottery: it moves whenever a database is
// loaded, Draws is sorted or emptied, or the header values are set. Caches of
// Draws (the history index) and windows keep the count they were made at and
// compare it instead of the table. Whoever writes Draws or the header values
// by hand calls OpenLotteryChanged() afterwards.
std::uint64_t OpenLotteryGeneration();
void OpenLotteryChanged();

// Empties the open lottery and Draws.
void ResetOpenLottery();
