#include "syndicates/SyndicatePayments.h"

#include "platform/Dates.h"

#include <QRegularExpression>

namespace {
// The amount a text holds in the stored form; no value for any other text.
std::optional<Pence> PlainAmount(const QString& text)
{
    // The stored form: an optional minus, digits, and a decimal point with
    // digits after it (either side may be missing, not both).
    static const QRegularExpression plain(QStringLiteral("^(-?)([0-9]{0,12})(?:\\.([0-9]*))?$"));
    const QRegularExpressionMatch m = plain.match(text);
    if (m.hasMatch() && (!m.captured(2).isEmpty() || !m.captured(3).isEmpty())) {
        const QString decimals = m.captured(3);
        Pence amount = m.captured(2).isEmpty() ? 0 : m.captured(2).toLongLong() * 100;
        if (!decimals.isEmpty()) {
            const int first = decimals[0].digitValue();
            const int second = decimals.size() > 1 ? decimals[1].digitValue() : 0;
            const int third = decimals.size() > 2 ? decimals[2].digitValue() : 0;
            amount += first * 10 + second + (third >= 5 ? 1 : 0); // halves away from zero
        }
        return m.captured(1).isEmpty() ? amount : -amount;
    }
    return std::nullopt;
}
} // namespace

std::optional<Pence> StoredAmount(const QString& field, const QLocale& locale)
{
    const QString text = field.trimmed();
    if (text.isEmpty())
        return Pence(0);
    if (const auto plain = PlainAmount(text))
        return plain;
    return ParseMoney(text, locale);
}

QString StoredAmountFor(const QString& typed, Pence amount)
{
    const QString text = typed.trimmed();
    return PlainAmount(text) == amount ? text : StoredAmountText(amount);
}

QString StoredAmountText(Pence amount)
{
    const Pence whole = amount < 0 ? -amount : amount;
    return QString(amount < 0 ? QStringLiteral("-") : QString()) + QString::number(whole / 100) + QLatin1Char('.')
        + QString::number(whole % 100).rightJustified(2, QLatin1Char('0'));
}

QString AmountBoxText(const QString& field, const QLocale& locale)
{
    const auto amount = StoredAmount(field, locale);
    if (!amount)
        return field;
    if (field.trimmed().isEmpty())
        return QString();
    QString text = StoredAmountText(*amount);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    text.replace(QLatin1Char('-'), locale.negativeSign());
    return text;
}

std::optional<QDate> PaidUpTo(const QString& field)
{
    if (field.trimmed().isEmpty())
        return std::nullopt;
    return ParseDate(field);
}

bool PaymentOverdue(const QString& field, const QDate& today)
{
    const auto date = PaidUpTo(field);
    return !date || *date < today;
}
