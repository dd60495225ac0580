#include "platform/ui/DatePicker.h"

#include <QLocale>
#include <algorithm>

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    setCalendarPopup(true);
    setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    setDisplayFormat(QString::fromLatin1(LongFormat));
    setDate(QDate::currentDate());
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::Change);
}

void DatePicker::setValue(const QDate& value)
{
    if (!value.isValid())
        return;
    setDate(std::clamp(value, minimumDate(), maximumDate()));
}

void DatePicker::setCustomFormat(const QString& format) { setDisplayFormat(format); }
