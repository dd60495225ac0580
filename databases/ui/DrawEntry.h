#pragma once
// What the database windows share: the making of their titles, lists, date
// picker, buttons and number boxes; the reading of a typed draw from its boxes
// and the failure message of the rewrites. The checks themselves are rules
// (databases/DrawCheck.h).

#include "platform/ui/Controls.h"
#include "databases/DrawCheck.h"

#include <QApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <optional>

class DatePicker;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// Names a database window, gives it its caption and makes its title label.
QLabel* StartWindow(QDialog* window, const QString& name, const QString& caption, const QString& titleName,
                    const QString& title);
// A label of explanatory text that wraps.
QLabel* BodyText(QWidget* parent, const QString& name, const QString& text);
// A list of lottery names "List1" (or the name given), wide enough for long names.
QListWidget* LotteryList(QWidget* parent, const QString& name = QStringLiteral("List1"));
// The draw date picker "DTPicker1", with its tip.
DatePicker* DrawDatePicker(QWidget* parent);
// Keeps a picker to the dates a draw line's two-digit year can hold.
void LimitToStoredDates(DatePicker* picker);
// The buttons in a row at the right.
QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons);
// A number box "Text1_<index>": centred, digits only (typed or pasted), as
// wide as four digits, and keeping its place in the layout while hidden.
QLineEdit* NumberBox(QWidget* parent, int index);
// The boxes c1 to c7 in a row, then the eighth set apart under its caption.
QGridLayout* NumberBoxRow(const QList<QLineEdit*>& boxes, QLabel* eighthCaption);
// The texts of the boxes, in order.
QStringList BoxTexts(const QList<QLineEdit*>& boxes);

// The draw line for the date and the boxes c1 to c8, checked against the open
// lottery. A wrong number shows the input tip, and there is no line.
std::optional<QString> CheckedDrawLine(const QDate& date, const QList<QLineEdit*>& boxes);

// True when the rewrite was done; otherwise says why in a message box, with
// the system's reason for a failed write when given.
bool RewriteDone(RewriteResult result, const QString& reason = {});

// Opens a lottery's web address in the browser. An address that is not http
// or https is not opened: a message box titled `title` says why.
void OpenWebsite(const QString& address, const QString& title);
