#pragma once
// Dates as the program reads and writes them.
//
// Every date the program stores is text: "dd MMM yy" (05 Mar 05), the medium
// form "dd-MMM-yyyy" (05-Mar-2005), older "05-Mar-05", or what the player typed.
// ParseDate reads all of them; it returns no value for text that is not a date
// instead of guessing.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// Reads a date written by the program or typed by a person. Accepts day, month
// name (English, or the default locale's) and year in either order of day and
// month name, with blanks, '-', '/', '.' or ',' between, with or without a
// weekday name; all-numeric dates in the default locale's order (month first
// when the locale's short date puts the month first, else day first), or
// year first when the first number has four digits. A two-digit year falls in
// the hundred years from 80 years before to 19 years after the current year
// (in 2026: 1946 to 2045), so draws of the 2030s sort after those of the 2020s.
std::optional<QDate> ParseDate(const QString& text);

// "05 Mar 05": two-digit day, English month abbreviation, two-digit year.
QString FormatShortDate(const QDate& date);
// "05-Mar-2005": the program's medium date form.
QString MediumDate(const QDate& date);
// "Sat 5 Mar 2005": the long form date pickers show.
QString PickerDate(const QDate& date);
// English three-letter month abbreviation, month 1 to 12.
QString MonthAbbreviation(int month);

// The clock the program reads. Tests set it; an empty value returns to the
// system clock.
QDateTime Now();
QDate Today();
void SetClockForTests(std::optional<QDateTime> fixed);
