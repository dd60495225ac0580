#pragma once
// What each person of the open syndicate has paid: the amount (field 8) and
// the date paid up to (field 9) of `Syndicate` rows 0 to 100.
//
// The amount is stored as a plain decimal number ("12.5", ".5", "1500.00"),
// whatever the locale, so every reader reads it alike; it is shown and typed
// in the locale's currency form and kept in whole pence (or cents) between.
// The date is stored in the program's medium date form ("05-Mar-2005").

#include "syndicates/Money.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// The colour of a paid-up date that has passed: dark red.
inline constexpr unsigned kOverdueColour = 192;

// The amount a stored field holds: its plain decimal form, or (for a field
// written by hand) the locale's currency form. An empty field is 0; no value
// when the field holds no amount.
std::optional<Pence> StoredAmount(const QString& field, const QLocale& locale = QLocale());
// An amount as the field stores it: "12.50", "0.50", "-3.00".
QString StoredAmountText(Pence amount);
// What the field stores for an amount the player typed: the typed text,
// trimmed, when it is already in the stored form and means that amount
// ("12.5", ".5"); else the amount in the stored form ("1,500" in a UK locale
// is stored as "1500.00", "12,50" in a German one as "12.50").
QString StoredAmountFor(const QString& typed, Pence amount);
// The amount as the amount box shows it for retyping: the locale's digits
// and decimal point, no currency sign, no grouping ("12.50", "12,50"); the
// field as it stands when it holds no amount.
QString AmountBoxText(const QString& field, const QLocale& locale = QLocale());

// The paid-up date a field holds; no value when it is empty or not a date.
std::optional<QDate> PaidUpTo(const QString& field);
// Whether a person is overdue on the day given: no paid-up date, a field
// that is not a date, or a date before that day (a date equal to it is not
// overdue).
bool PaymentOverdue(const QString& field, const QDate& today);
