#include "syndicates/Money.h"

#include <QStringList>

namespace {
// Separators some locales write as a no-break blank.
bool IsBlank(QChar c) { return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F); }

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
} // namespace

QString FormatMoney(Pence amount, const QLocale& locale)
{
    // Whole units and pence apart, so no amount is rounded on the way.
    const bool negative = amount < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(amount) : quint64(amount);
    const QString number = locale.toString(qulonglong(magnitude / 100)) + locale.decimalPoint()
        + QStringLiteral("%1").arg(int(magnitude % 100), 2, 10, QLatin1Char('0'));
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
    QString s = text;
    for (const QString& sign :
         {locale.currencySymbol(QLocale::CurrencySymbol), locale.currencySymbol(QLocale::CurrencyIsoCode)}) {
        if (!WithoutBlanks(sign).isEmpty())
            s.remove(sign);
    }
    if (WithoutBlanks(text).isEmpty())
        return Pence(0);
    s = WithoutBlanks(s);
    if (s.isEmpty())
        return std::nullopt; // a currency sign alone

    bool negative = false;
    const QString minus = locale.negativeSign();
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

    const QString point = locale.decimalPoint();
    const QString group = WithoutBlanks(locale.groupSeparator());
    const QStringList parts = s.split(point);
    if (parts.size() > 2)
        return std::nullopt;
    QString whole = parts[0];
    const QString fraction = parts.size() == 2 ? parts[1] : QString();
    if (!group.isEmpty() && whole.contains(group)) {
        const QStringList groups = whole.split(group);
        for (qsizetype i = 0; i < groups.size(); ++i) {
            const qsizetype n = groups[i].size();
            if (!AllDigits(groups[i]) || n == 0 || n > 3 || (i > 0 && n != 3))
                return std::nullopt;
        }
        whole = groups.join(QString());
    }
    if (!AllDigits(whole) || !AllDigits(fraction) || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    while (whole.size() > 1 && whole.front() == QLatin1Char('0'))
        whole.remove(0, 1);
    if (whole.size() > kMaxAmountDigits)
        return std::nullopt;

    Pence units = whole.isEmpty() ? 0 : whole.toLongLong();
    Pence pence = 0;
    for (int i = 0; i < 2; ++i)
        pence = pence * 10 + (i < fraction.size() ? fraction[i].digitValue() : 0);
    if (fraction.size() > 2 && fraction[2] >= QLatin1Char('5'))
        ++pence;
    const Pence amount = units * 100 + pence;
    return negative ? -amount : amount;
}

bool IsAmountCharacter(QChar c, const QLocale& locale)
{
    if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+'))
        return true;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    return (point.size() == 1 && c == point[0]) || (group.size() == 1 && c == group[0]) || c == QLatin1Char('.');
}
