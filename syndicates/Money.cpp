#include "syndicates/Money.h"

#include <QStringList>

#include <algorithm>

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

// How the locale groups the digits of whole units: the size of the group
// next to the decimal point, of the groups above it, and how many digits the
// top group needs at least before any grouping is done (2 in Spanish: "1000"
// but "10.000").
struct Grouping {
    int first = 3;
    int higher = 3;
    int least = 1;
};

Grouping GroupingOf(const QLocale& locale)
{
    Grouping g;
    const QString group = locale.groupSeparator();
    if (group.isEmpty())
        return g;
    const QStringList parts = WithAsciiDigits(locale.toString(qlonglong(123456789012345)), locale).split(group);
    if (parts.size() >= 2)
        g.first = int(parts.at(parts.size() - 1).size());
    g.higher = parts.size() >= 3 ? int(parts.at(parts.size() - 2).size()) : g.first;
    for (int digits = g.first + 1; digits <= g.first + 4; ++digits) {
        qlonglong power = 1;
        for (int i = 1; i < digits; ++i)
            power *= 10;
        if (locale.toString(power).contains(group)) {
            g.least = digits - g.first;
            break;
        }
    }
    return g;
}

// Whole units in ASCII digits, grouped the locale's way. Qt groups a large
// amount under a minimum of two digits wrongly ("1000.000" in Spanish for a
// million): the minimum holds only for an amount that would otherwise make
// one group of its own.
QString GroupedUnits(const QString& digits, const QString& group, const Grouping& g)
{
    if (group.isEmpty() || g.first <= 0 || g.higher <= 0 || digits.size() < g.first + g.least)
        return digits;
    QString grouped = digits.right(g.first);
    qsizetype end = digits.size() - g.first;
    while (end > 0) {
        const qsizetype start = std::max<qsizetype>(0, end - g.higher);
        grouped.prepend(digits.mid(start, end - start) + group);
        end = start;
    }
    return grouped;
}
} // namespace

QString FormatMoney(Pence amount, const QLocale& locale)
{
    // Whole units and pence apart, so no amount is rounded on the way.
    const bool negative = amount < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(amount) : quint64(amount);
    // The pence in the locale's own digits, as the units are.
    QString units = locale.toString(qulonglong(magnitude / 100));
    const QString group = locale.groupSeparator();
    if (!group.isEmpty()) {
        QString grouped = GroupedUnits(QString::number(qulonglong(magnitude / 100)), group, GroupingOf(locale));
        for (int d = 0; d < 10; ++d)
            grouped.replace(QChar(char16_t(u'0' + d)), locale.toString(d));
        units = grouped;
    }
    const QString number = units + locale.decimalPoint() + locale.toString(int(magnitude % 100 / 10))
        + locale.toString(int(magnitude % 10));
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
    // A player on a Latin keyboard types the ASCII point for decimals, which
    // is read so wherever it does not group digits.
    if (point != QStringLiteral(".") && group != QStringLiteral("."))
        s.replace(QLatin1Char('.'), point);
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
    // "1,00,000" in Indian grouping), so "1,50" is no amount. Qt's own
    // grouping of the same amount is read too, as older files hold it.
    if (grouped && parts[0] != GroupedUnits(whole, group, GroupingOf(locale))
        && parts[0] != WithAsciiDigits(WithoutBlanks(locale.toString(qlonglong(units))), locale))
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
