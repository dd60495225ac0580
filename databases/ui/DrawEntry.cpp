#include "databases/ui/DrawEntry.h"

#include "core/ui/HelpCommands.h"
#include "core/ui/TipBox.h"
#include "generators/Tips.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include "platform/ui/DatePicker.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

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
    const auto [first, last] = StoredDateRange();
    if (first.isValid())
        picker->setDateRange(first, last);
}

QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
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
    const auto line = NewDrawLine(date, BoxTexts(boxes), OpenLotteryShape());
    if (!line)
        ShowTip(6);
    return line;
}

bool RewriteDone(RewriteResult result, const QString& reason)
{
    QString text;
    switch (result) {
    case RewriteResult::Done: return true;
    case RewriteResult::BadDate:
        text = QStringLiteral("A draw date in this lottery database cannot be read,    \r\n"
                              "so the draw was not saved. Please correct the file.    ");
        break;
    case RewriteResult::CannotRead: text = QStringLiteral("The lottery database could not be read.    "); break;
    case RewriteResult::CannotWrite:
        text = reason.isEmpty() ? QStringLiteral("The lottery database could not be written.    ")
                                : QStringLiteral("The lottery database could not be written: %1.    ").arg(reason);
        break;
    }
    MsgBox(text, vbOKOnly + vbExclamation, "Error!");
    return false;
}

void OpenWebsite(const QString& address, const QString& title)
{
    OpenWebPage(address, title, vbOKOnly + vbExclamation);
}
