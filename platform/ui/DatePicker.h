#pragma once
// The date picker: a date box with a calendar that drops down.
//
// Month and day names are always English, whatever the desktop's language,
// so the picker shows dates the way the program writes them. The long form
// ("Sat 5 Mar 2005") is the default; windows that edit stored dates use the
// short form ("05 Mar 05"). Dates run from 1 Jan 1900 to 31 Dec 2100.

#include <QDate>
#include <QDateEdit>

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    static constexpr const char* LongFormat = "ddd d MMM yyyy";
    static constexpr const char* ShortFormat = "dd MMM yy";

    explicit DatePicker(QWidget* parent = nullptr);

    QDate Value() const { return date(); }
    // A date outside the range is brought to its nearest end; an invalid date
    // is ignored.
    void setValue(const QDate& value);

    // Any display pattern of QDate::toString (LongFormat, ShortFormat).
    QString CustomFormat() const { return displayFormat(); }
    void setCustomFormat(const QString& format);

    // The text shown.
    QString shownText() const { return text(); }

signals:
    // The date changed, by the player or the program.
    void Change(const QDate& value);
};
