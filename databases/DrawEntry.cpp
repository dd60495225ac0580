#include "databases/DrawEntry.h"

#include "core/OpenLottery.h"
#include "platform/TextFile.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

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
            fields[7] = QString::number(*value);
        }
    }
    return fields;
}

void AcceptDigitsOnly(QLineEdit* box)
{
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setMaxLength(3);
}

bool CopyToScratch(const QString& database)
{
    const auto text = ReadTextFile(database);
    return text && WriteTextFile(kScratchFile, *text);
}

QString RewriteFailureText(RewriteResult result)
{
    switch (result) {
    case RewriteResult::Done: return {};
    case RewriteResult::BadDate:
        return QStringLiteral("A draw date in this lottery database cannot be read,    \r\n"
                              "so the draw was not saved. Please correct the file.    ");
    case RewriteResult::CannotRead: return QStringLiteral("The lottery database could not be read.    ");
    case RewriteResult::CannotWrite: return QStringLiteral("The lottery database could not be written.    ");
    }
    return {};
}
