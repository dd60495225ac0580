#include "databases/DrawNumbers.h"

#include "core/OpenLottery.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QUrl>

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

bool OpenWebAddress(const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    return QDesktopServices::openUrl(url);
}

bool OpenInTextEditor(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
