#pragma once
// The Biorhythm window's day-by-day charts: seven cycles that start on the
// birth date, from seven days ago to twenty days ahead.
//
// A chart row is one day. The first row takes each cycle at its exact angle
// on that day; every later row moves the angle on by the cycle's step and
// rounds it to a whole number of degrees (a half to the even neighbour), so
// later rows drift a little from the exact sine of their day, as the charts
// always have. Values run from -10 to 10 with 3.142 as pi (core/Biorhythm.h).

#include <QDate>
#include <QString>
#include <array>
#include <vector>

inline constexpr int kBiorhythmDays = 28; // rows: seven days ago to twenty ahead
inline constexpr int kBiorhythmToday = 8; // the row of today

// Cycle lengths in days of the two day-by-day charts.
inline constexpr std::array<int, 3> kBodyCycles{23, 33, 28};       // physical, intellectual, emotional
inline constexpr std::array<int, 4> kSpiritCycles{53, 43, 48, 38}; // spiritual, aesthetic, awareness, intuition

// The value of a cycle at an angle in degrees.
double CycleAtAngle(double degrees);
// A cycle's angle on day d: (d mod p) x 360 / p, the remainder with the sign
// of d.
double StartAngle(int day, int period);
// The next row's angle: angle plus 360 / p, rounded to whole degrees (halves
// to even), then the remainder by 360 with the sign of the angle.
double NextAngle(double angle, int period);

// Row r (1 to 28) of a chart, column c the cycle c.
using BiorhythmRows = std::vector<std::vector<double>>;
// The rows of the cycles given, the first row on day firstDay (the days from
// the birth date to seven days ago). With `average`, a last column holds the
// mean of the cycles of the row.
BiorhythmRows DayByDayChart(int firstDay, const std::vector<int>& periods, bool average);

// The label of row r: the day of the month of today + (r - 8), no leading
// zero.
QString DayRowLabel(const QDate& today, int row);
// "3 March": day without a leading zero, the full month name.
QString DayAndMonth(const QDate& date);
// "01 Jan 1970": how the window stores the birth date.
QString BirthDateText(const QDate& date);
// The birth date the settings hold, or 1 January 1970 when they hold none
// that can be read.
QDate StoredBirthDate(const QString& text);
