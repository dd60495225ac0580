#include "databases/DrawCheck.h"

#include "core/OpenLottery.h"
#include "platform/Dates.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>

DrawShape OpenLotteryShape()
{
    DrawShape shape;
    shape.ballsDrawn = BallsDrawn;
    shape.maxBall = MaxBall;
    if (ExtraBallMax > 0) {
        shape.eighthMax = ExtraBallMax;
    } else if (HasBonusBall > 0) {
        shape.eighthMax = MaxBall;
        shape.eighthIsBonus = true;
    }
    return shape;
}

LotteryDefinition OpenLotteryDefinition()
{
    LotteryDefinition lottery;
    lottery.ballsDrawn = BallsDrawn;
    lottery.maxBall = MaxBall;
    lottery.headerValue3 = HeaderValue3;
    lottery.extraBallMax = ExtraBallMax;
    lottery.hasBonusBall = HasBonusBall;
    return lottery;
}

namespace {
// The value of a box holding digits only (blanks around them allowed); no
// value for an empty box or any other character.
std::optional<int> digitsValue(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    const QString t = text.trimmed();
    if (!digits.match(t).hasMatch())
        return std::nullopt;
    return t.toInt();
}
} // namespace

std::optional<QStringList> CheckDrawNumbers(const QStringList& texts, const DrawShape& shape)
{
    if (shape.ballsDrawn < 1 || shape.ballsDrawn > 7 || shape.maxBall < shape.ballsDrawn)
        return std::nullopt;
    QStringList fields(8);
    QList<int> main;
    for (int k = 0; k < shape.ballsDrawn; ++k) {
        const auto value = digitsValue(texts.value(k));
        if (!value || *value < 1 || *value > shape.maxBall || main.contains(*value))
            return std::nullopt;
        main << *value;
        fields[k] = QString::number(*value);
    }
    if (shape.eighthMax > 0) {
        const QString eighth = texts.value(7).trimmed();
        if (!eighth.isEmpty()) {
            const auto value = digitsValue(eighth);
            if (!value || *value > shape.eighthMax)
                return std::nullopt;
            if (*value > 0 && shape.eighthIsBonus && main.contains(*value))
                return std::nullopt;
            fields[kExtraBallColumn - kFirstNumberColumn] = QString::number(*value);
        }
    }
    return fields;
}

std::optional<QString> NewDrawLine(const QDate& date, const QStringList& texts, const DrawShape& shape)
{
    const auto fields = CheckDrawNumbers(texts, shape);
    if (!fields)
        return std::nullopt;
    return FormatDrawLine(date, *fields);
}

std::pair<QDate, QDate> StoredDateRange()
{
    int low = 9999;
    int high = 0;
    for (int yy = 0; yy < 100; ++yy) {
        const auto date = ParseDate(QStringLiteral("01 Jan %1").arg(yy, 2, 10, QLatin1Char('0')));
        if (!date)
            continue;
        low = std::min(low, date->year());
        high = std::max(high, date->year());
    }
    if (low > high)
        return {};
    return {QDate(low, 1, 1), QDate(high, 12, 31)};
}
