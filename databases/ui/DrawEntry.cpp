#include "databases/ui/DrawEntry.h"

#include "core/OpenLottery.h"
#include "core/ui/TipBox.h"
#include "generators/Tips.h"
#include "platform/ui/Controls.h"
#include "platform/Dates.h"
#include "platform/ui/MsgBox.h"
#include "platform/TextFile.h"

#include "platform/ui/DatePicker.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

QLabel* StartWindow(QDialog* window, const QString& name, const QString& caption, const QString& titleName,
                    const QString& title)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    QLabel* label = NamedLabel(window, titleName, title);
    MakeTitle(label);
    return label;
}

QLabel* BodyText(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = NamedLabel(parent, name, text);
    label->setWordWrap(true);
    return label;
}

QListWidget* LotteryList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 30);
    return list;
}

DatePicker* DrawDatePicker(QWidget* parent)
{
    auto* picker = new DatePicker(parent);
    picker->setObjectName("DTPicker1");
    picker->setToolTip(" Essential information! ");
    LimitToStoredDates(picker);
    return picker;
}

void LimitToStoredDates(DatePicker* picker)
{
    // Draw lines keep a two-digit year, read back within a hundred-year
    // window; a date outside it would be written as another century's.
    int low = 9999;
    int high = 0;
    for (int yy = 0; yy < 100; ++yy) {
        const auto date = ParseDate(QStringLiteral("01 Jan %1").arg(yy, 2, 10, QLatin1Char('0')));
        if (!date)
            continue;
        low = std::min(low, date->year());
        high = std::max(high, date->year());
    }
    if (low <= high)
        picker->setDateRange(QDate(low, 1, 1), QDate(high, 12, 31));
}

QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

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

QLineEdit* NumberBox(QWidget* parent, int index)
{
    QLineEdit* box = NamedDigitsBox(parent, QStringLiteral("Text1_%1").arg(index));
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    return box;
}

QGridLayout* NumberBoxRow(const QList<QLineEdit*>& boxes, QLabel* eighthCaption)
{
    auto* row = new QGridLayout;
    for (int k = 0; k < 7 && k < boxes.size(); ++k)
        row->addWidget(boxes[k], 1, k);
    row->setColumnMinimumWidth(7, 12);
    row->addWidget(eighthCaption, 0, 8, Qt::AlignCenter);
    row->addWidget(boxes.value(7), 1, 8);
    row->setColumnStretch(9, 1);
    return row;
}

QStringList BoxTexts(const QList<QLineEdit*>& boxes)
{
    QStringList texts;
    for (const QLineEdit* box : boxes)
        texts << box->text();
    return texts;
}

std::optional<QString> CheckedDrawLine(const QDate& date, const QList<QLineEdit*>& boxes)
{
    const auto fields = CheckDrawNumbers(BoxTexts(boxes), OpenLotteryShape());
    if (!fields) {
        ShowTip(6);
        return std::nullopt;
    }
    return FormatDrawLine(date, *fields);
}

bool CopyToScratch(const QString& database)
{
    const auto text = ReadTextFile(database);
    return text && WriteTextFile(kScratchFile, *text);
}

bool RewriteDone(RewriteResult result)
{
    QString text;
    switch (result) {
    case RewriteResult::Done: return true;
    case RewriteResult::BadDate:
        text = QStringLiteral("A draw date in this lottery database cannot be read,    \r\n"
                              "so the draw was not saved. Please correct the file.    ");
        break;
    case RewriteResult::CannotRead: text = QStringLiteral("The lottery database could not be read.    "); break;
    case RewriteResult::CannotWrite: text = QStringLiteral("The lottery database could not be written.    "); break;
    }
    MsgBox(text, vbOKOnly + vbExclamation, "Error!");
    return false;
}
