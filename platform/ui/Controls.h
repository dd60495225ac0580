#pragma once
// Small helpers every window uses to make its controls: each control carries
// its name as its object name, so shared procedures and tests find it.

#include <QFont>
#include <QString>
#include <QList>
#include <QStyle>

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QWidget;

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text);
// A push button. Return or Enter presses it while it has the focus, as Space
// does; it is never a window's default button, so Return in a text box does
// not press it.
QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip = QString());
// A picture button: the desktop theme's icon when it has one by that name,
// else the style's standard picture, with its word beside it (no word for a
// picture alone).
QPushButton* NamedPictureButton(QWidget* parent, const QString& name, QStyle::StandardPixmap picture,
                                const QString& word, const QString& tip, const QString& themeIcon = QString());
// A drop-down list of the whole numbers first to last, in rising order.
QComboBox* NamedNumberList(QWidget* parent, const QString& name, int first, int last);
// A level scroll bar for a number from low to high. It takes the focus by
// Tab and by a click, and follows the keys as a desktop's bar does: Left and
// Up go down by one, Right and Down up by one, Page Up and Page Down by a
// page, Home and End to the ends; every change runs its valueChanged
// handlers. It shows a focus mark while it has the focus.
QScrollBar* NamedScrollBar(QWidget* parent, const QString& name, int low, int high, int value);
// A one-line text box; line breaks pasted into it become blanks.
QLineEdit* NamedLineEdit(QWidget* parent, const QString& name, const QString& text = QString());
// A box that takes digits only, typed or pasted, centred and wide enough for
// the number of digits given.
QLineEdit* NamedDigitsBox(QWidget* parent, const QString& name, int digits = 3);
// Makes a label a window's title: bold, larger by the factor given.
void MakeTitle(QLabel* label, double scale = 1.4);
// For a label that shows text from a file (a lottery name): however long the
// text, the label never widens its window; the text is cut at the label's
// edge.
void LetTextRunPastEdge(QLabel* label);

// Tab goes through the controls in the order given (from the first to the
// second, and so on); the window's other controls keep their places.
void SetTabOrder(const QList<QWidget*>& controls);

// The controls that take the focus in a layout and the layouts in it, in the
// order they were added (those inside a box or frame in their Tab order
// there): for a SetTabOrder that follows the layout.
QList<QWidget*> FocusableIn(const QLayout* layout);

// Puts the window's focus on its first input in Tab order (a box, a list, a
// check box, a grid: no push button, tab or scrolled pane), unless the window
// has put it on an input itself. ShowModal does this for every window it
// shows.
void FocusFirstInput(QWidget* window);

// The text of a multi-line box as it holds it, line breaks as '\n'. The box's
// own toPlainText() turns every non-breaking space into a blank and a line
// separator (U+2028) into a line break, so a file shown and saved without an
// edit would change.
QString PlainTextAsHeld(const QPlainTextEdit* box);

// A font whose characters all have one width, for texts whose columns must
// line up (the backup lists, the lottery information).
QFont FixedPitchFont();

// The hourglass (wait) pointer for as long as it lives.
class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};
