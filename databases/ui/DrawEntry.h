#pragma once
// What the database windows share: the making of their titles, lists, date
// picker, buttons and number boxes; the checking of a typed draw before it is
// written; the scratch copy the rewrites start from and their failure message.

#include "platform/ui/Controls.h"
#include "databases/DrawDatabase.h"

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

// What a draw of one lottery may hold.
struct DrawShape {
    int ballsDrawn = 0;      // main numbers, 1 to 7
    int maxBall = 0;         // main numbers run 1 to maxBall
    int eighthMax = 0;       // the eighth number runs 1 to eighthMax; 0 when the lottery has none
    bool eighthIsBonus = false; // the eighth number comes from the main range, so it differs from them
};

// The shape of the open lottery's draws (BallsDrawn, MaxBall, ExtraBallMax,
// HasBonusBall); an extra ball wins over a bonus ball.
DrawShape OpenLotteryShape();

// Checks the eight number texts (c1 to c8) of a draw: each main number present,
// digits only, 1 to maxBall and all different; the eighth empty, 0 or in its
// range (and, for a bonus ball, not one of the main numbers). Returns the eight
// fields to write, as plain numbers, with empty fields beyond the lottery's
// count (and for the eighth when the lottery has none); no value when a number
// is wrong.
std::optional<QStringList> CheckDrawNumbers(const QStringList& texts, const DrawShape& shape);

// The draw line for the date and the boxes c1 to c8, checked against the open
// lottery. A wrong number shows the input tip, and there is no line.
std::optional<QString> CheckedDrawLine(const QDate& date, const QList<QLineEdit*>& boxes);

// Copies a database file to the scratch file "temp.txt" (replacing it). False
// when the database cannot be read or the copy cannot be written.
bool CopyToScratch(const QString& database);

// True when the rewrite was done; otherwise says why in a message box.
bool RewriteDone(RewriteResult result);

