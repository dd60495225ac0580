#include "syndicates/Money.h"

#include <QStringList>

namespace {
// Separators some locales write as a no-break blank, and the invisible marks
// that set the writing direction around signs and amounts.
bool IsBlank(QChar c)
{
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F) || c.category() == QChar::Other_Format;
}

QString WithoutBlanks(QString text)
{
    text.removeIf([](QChar c) { return IsBlank(c); });
    return text;
}

bool AllDigits(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// The locale's own digits ("٠" to "٩" in Arabic) as "0" to "9".
QString WithAsciiDigits(QString text, const QLocale& locale)
{
    for (int d = 0; d < 10; ++d) {
        const QString digit = locale.toString(d);
        if (digit != QString::number(d))
            text.replace(digit, QString::number(d));
    }
    return text;
}
} // namespace

QString FormatMoney(Pence amount, const QLocale& locale)
{
    // Whole units and pence apart, so no amount is rounded on the way.
    const bool negative = amount < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(amount) : quint64(amount);
    // The pence in the locale's own digits, as the units are.
    const QString number = locale.toString(qulonglong(magnitude / 100)) + locale.decimalPoint()
        + locale.toString(int(magnitude % 100 / 10)) + locale.toString(int(magnitude % 10));
    // The locale's places of the currency sign around the number; a negative
    // amount puts the minus sign in front ("-£12.50"), never brackets.
    QString shown = locale.toCurrencyString(1.0, locale.currencySymbol(), 2);
    const QString one = locale.toString(1.0, 'f', 2);
    const qsizetype at = shown.indexOf(one);
    if (at < 0)
        shown = locale.currencySymbol() + number;
    else
        shown.replace(at, one.size(), number);
    return negative ? locale.negativeSign() + shown : shown;
}

QString CurrencySign(const QLocale& locale) { return locale.currencySymbol(); }

std::optional<Pence> ParseMoney(const QString& text, const QLocale& locale)
{
    QString s = WithoutBlanks(text);
    if (s.isEmpty())
        return Pence(0);
    for (const QString& sign :
         {locale.currencySymbol(QLocale::CurrencySymbol), locale.currencySymbol(QLocale::CurrencyIsoCode)}) {
        const QString bare = WithoutBlanks(sign);
        if (!bare.isEmpty())
            s.remove(bare);
    }
    s = WithAsciiDigits(s, locale);
    if (s.isEmpty())
        return std::nullopt; // a currency sign alone

    bool negative = false;
    const QString minus = WithoutBlanks(locale.negativeSign());
    auto takeSign = [&](bool atStart) {
        for (const QString& sign : {QStringLiteral("-"), minus, QStringLiteral("+")}) {
            if (sign.isEmpty())
                continue;
            if (atStart ? s.startsWith(sign) : s.endsWith(sign)) {
                if (negative)
                    return false;
                negative = sign != QStringLiteral("+");
                s = atStart ? s.mid(sign.size()) : s.chopped(sign.size());
                return true;
            }
        }
        return false;
    };
    if (s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')')) && s.size() > 2) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    } else if (!takeSign(true)) {
        takeSign(false);
    }

    const QString point = WithoutBlanks(locale.decimalPoint());
    const QString group = WithoutBlanks(locale.groupSeparator());
    const QStringList parts = s.split(point);
    if (parts.size() > 2)
        return std::nullopt;
    QString whole = parts[0];
    const QString fraction = parts.size() == 2 ? parts[1] : QString();
    const bool grouped = !group.isEmpty() && whole.contains(group);
    if (grouped)
        whole.remove(group);
    if (!AllDigits(whole) || !AllDigits(fraction) || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    while (whole.size() > 1 && whole.front() == QLatin1Char('0'))
        whole.remove(0, 1);
    if (whole.size() > kMaxAmountDigits)
        return std::nullopt;

    const Pence units = whole.isEmpty() ? 0 : whole.toLongLong();
    // Grouped digits stand exactly where the locale groups them ("1,500",
    // "1,00,000" in Indian grouping), so "1,50" is no amount.
    if (grouped && parts[0] != WithAsciiDigits(WithoutBlanks(locale.toString(qlonglong(units))), locale))
        return std::nullopt;
    Pence pence = 0;
    for (int i = 0; i < 2; ++i)
        pence = pence * 10 + (i < fraction.size() ? fraction[i].digitValue() : 0);
    if (fraction.size() > 2 && fraction[2] >= QLatin1Char('5'))
        ++pence;
    const Pence amount = units * 100 + pence;
    return negative ? -amount : amount;
}

bool IsAmountInAnotherLocale(const QString& text, const QLocale& locale)
{
    if (WithoutBlanks(text).isEmpty())
        return false;
    for (const QLocale& other :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (other != locale && ParseMoney(text, other))
            return true;
    }
    return false;
}

bool IsAmountCharacter(QChar c, const QLocale& locale)
{
    if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+'))
        return true;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    return (point.size() == 1 && c == point[0]) || (group.size() == 1 && c == group[0]) || c == QLatin1Char('.');
}
