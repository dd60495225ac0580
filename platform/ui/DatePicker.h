#pragma once
// The date picker: a date box with a calendar that drops down.
//
// Month and day names are always English, whatever the desktop's language,
// so the picker shows dates the way the program writes them. The long form
// ("Sat 5 Mar 2005") is the default; windows that edit stored dates use the
// short form ("05 Mar 05"). Dates run from 1 Jan 1900 to 31 Dec 2100.
//
// A picker can also show no date at all, for a date that is not known: the
// box is empty and reads back as no date until one is entered or set.

#include <QDate>
#include <QDateEdit>

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    static constexpr const char* LongFormat = "ddd d MMM yyyy";
    static constexpr const char* ShortFormat = "dd MMM yy";

    explicit DatePicker(QWidget* parent = nullptr);

    // The date shown; an invalid date while the picker shows none.
    QDate Value() const { return empty_ ? QDate() : date(); }
    // A date outside the range is brought to its nearest end; an invalid date
    // is ignored.
    void setValue(const QDate& value);
    // Shows no date. A date entered by the player or set by the program ends
    // it: typing or stepping starts from today, and the calendar opens at the
    // present month.
    void setNoValue();
    // Whether the date lies in the range, so setValue shows it as it is.
    bool canShow(const QDate& value) const;

    // Any display pattern of QDate::toString (LongFormat, ShortFormat).
    QString CustomFormat() const { return displayFormat(); }
    void setCustomFormat(const QString& format);

    // The text shown.
    QString shownText() const { return text(); }

    void stepBy(int steps) override;

signals:
    // The date changed, by the player or the program (invalid when the
    // picker shows no date).
    void Change(const QDate& value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab goes to the next control, as from any box; Left and Right move
    // between the day, month and year.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

private:
    // While no date is shown the picker holds the day before `first_`, its
    // real first date, and shows it as an empty box.
    bool empty_ = false;
    QDate first_;
};
