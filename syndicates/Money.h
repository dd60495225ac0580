#pragma once
// Amounts of money: kept as whole pence (or cents), shown and read in the
// locale's currency form ("£1,500.00", "-£12.50", "-12,50 €").

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

using Pence = qint64;

// Amounts read have at most this many digits before the decimal point, so
// sums of a whole diary stay far inside the range of Pence.
inline constexpr int kMaxAmountDigits = 12;

// The amount in the locale's currency form, with two decimals, its digits
// grouped as the locale groups them.
QString FormatMoney(Pence amount, const QLocale& locale = QLocale());

// The locale's currency sign ("£"), as the amount boxes leave it out.
QString CurrencySign(const QLocale& locale = QLocale());

// Reads an amount as shown or typed: blanks, the locale's currency sign and
// ISO code may stand anywhere; a minus sign (or brackets) before or after;
// digits in ASCII or the locale's own, either not grouped or grouped exactly
// as the locale groups them ("1,500"; "1,00,000" in Indian grouping;
// "1.000.000" but "1000" in Spanish), and the locale's decimal point or the
// ASCII point where the locale does not group with it ("12.5" in Arabic). Whatever FormatMoney writes reads back.
// Decimals past the second round to the nearest penny, halves away from zero. An empty or blank text is 0. Anything
// else (letters, two decimal points, "1,50" where "," groups) is no amount: no value, never a silent 0.
std::optional<Pence> ParseMoney(const QString& text, const QLocale& locale = QLocale());

// Whether some other locale reads the text as an amount: a text written
// under another currency form.
bool IsAmountInAnotherLocale(const QString& text, const QLocale& locale = QLocale());

// Whether a typed character can be part of an amount: a digit, a sign, the
// locale's decimal point or group separator.
bool IsAmountCharacter(QChar c, const QLocale& locale = QLocale());
