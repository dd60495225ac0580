#pragma once
// Biorhythm arithmetic: sine cycles that start on the birth date.

#include <QDate>
#include <array>

#include <QString>

// The birth date the charts are for: the date picked, or while the picker
// shows none (settings item 15 holds a text it cannot show), the date that
// text reads as; no date when it reads as none.
QDate BirthDateToChart(const QDate& picked, const QString& stored);

// Cycle lengths in days of the Biochart rows.
inline constexpr int kIntellectualDays = 33;
inline constexpr int kEmotionalDays = 28;
inline constexpr int kIntuitionDays = 38;

// Calendar days from the birth date to the day (negative for a birth date
// after it), plus one for tomorrow.
int BiorhythmDay(const QDate& birthDate, const QDate& today, bool tomorrow);

// A cycle of period p on day d, from -10 to 10: the remainder of d by p keeps
// the sign of d, the angle is (360 / p) times it in degrees, and degrees turn
// into radians with 3.142 (not a more exact pi) so the values match the ones
// players have always seen.
double CycleValue(int day, int period);

// The Biochart for day d: intellectual, emotional, intuition, and luck, the
// mean of the three.
std::array<double, 4> BiochartValues(int day);
