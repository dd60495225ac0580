#include "platform/ui/DatePicker.h"

#include "platform/Dates.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <algorithm>

namespace {
// What the box shows in place of a date (an empty text would show the date).
const QString kNoDate = QStringLiteral(" ");
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    setCalendarPopup(true);
    setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    setDisplayFormat(QString::fromLatin1(LongFormat));
    setDate(QDate::currentDate());
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& value) {
        if (empty_ && value != minimumDate()) {
            empty_ = false;
            setSpecialValueText(QString());
            setMinimumDate(first_);
        }
        emit Change(Value());
    });
}

void DatePicker::setValue(const QDate& value)
{
    if (!value.isValid())
        return;
    setDate(std::clamp(value, empty_ ? first_ : minimumDate(), maximumDate()));
}

void DatePicker::setNoValue()
{
    if (!empty_) {
        first_ = minimumDate();
        setSpecialValueText(kNoDate);
        setMinimumDate(first_.addDays(-1));
        empty_ = true;
        if (QCalendarWidget* calendar = calendarWidget())
            calendar->installEventFilter(this);
    }
    setDate(minimumDate());
}

bool DatePicker::canShow(const QDate& value) const
{
    return value.isValid() && value >= (empty_ ? first_ : minimumDate()) && value <= maximumDate();
}

void DatePicker::stepBy(int steps)
{
    // Stepping from no date starts at today.
    if (empty_) {
        setValue(Today());
        return;
    }
    QDateEdit::stepBy(steps);
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    // Typing into no date starts from today, as stepping does; the first
    // part of the date takes what is typed.
    if (empty_ && !event->text().isEmpty() && event->text().at(0).isPrint() && !event->text().at(0).isSpace()) {
        setValue(Today());
        setSelectedSection(sectionAt(0));
    }
    QDateEdit::keyPressEvent(event);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && empty_ && watched == calendarWidget()) {
        const QDate today = Today();
        calendarWidget()->setCurrentPage(today.year(), today.month());
    }
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::setCustomFormat(const QString& format) { setDisplayFormat(format); }
