#pragma once
// What the syndicate windows share: the text boxes whose texts go into the
// syndicate files, the Close button's warning about unsaved changes, and the
// message of a save that failed.

#include <QString>
#include <functional>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// A one-line box for a syndicate file's field: a double quote typed or pasted
// becomes an apostrophe and a line break a blank, so a field never shifts the
// fields after it; at most maxLength characters.
QLineEdit* NamedFieldBox(QWidget* parent, const QString& name, int maxLength);
// The same rule on any box already made.
void KeepFieldTextSafe(QLineEdit* box);

// A field of the syndicate file shown in a box that may not show it whole:
// cut to the box's length, or with its quotes made apostrophes. While the box
// shows what it was given, the field is written back as it was read.
class ShownField {
public:
    ShownField() = default;
    // `stored` as read, `shown` what its box shows of it.
    ShownField(QString stored, QString shown) : stored_(std::move(stored)), shown_(std::move(shown)), given_(true) {}
    // Whether a box now holding `text` still shows the field as given.
    bool untouched(const QString& text) const { return given_ && text == shown_; }
    // The field as read while the box holding `text` is untouched, else `text`.
    QString current(const QString& text) const { return untouched(text) ? stored_ : text; }
    // What to write from a box holding `text`: the field as read while the box
    // is untouched, else the text trimmed.
    QString toWrite(const QString& text) const { return untouched(text) ? stored_ : text.trimmed(); }

private:
    QString stored_;
    QString shown_;
    bool given_ = false;
};
// Puts `stored` into `box` and returns it with what the box shows of it.
ShownField ShowField(QLineEdit* box, const QString& stored);
// Chooses the pay-by method `stored` names in `box` when it is one of its
// methods, and returns the field with what the box shows (none when the
// field is empty): a method that is none of the box's stays as read.
ShownField ShowPayBy(QComboBox* box, const QString& stored);

// The manager's details as the create and manager windows show them: the
// captions Label2(0) to Label2(4) ("Syndicate name:", "Manager name:",
// "Address:", "Phone:", "Email:") and the field boxes Text1(0) to Text1(7)
// (the manager's fields; Text1(7) the syndicate's name), 30 characters each,
// 50 for the e-mail address.
void MakeDetailFields(QWidget* window, QLabel* (&labels)[5], QLineEdit* (&boxes)[8]);

// The three lines of the warning.
extern const QString kUnsavedChangesText;
// The Close button's question when the window holds unsaved changes, asked
// by the title bar's close box too: true when the window may close (nothing
// changed, or the player pressed OK: the window then drops its changes).
bool MayCloseWindow(bool changed);

class QDialog;
// Escape in `window` runs `close` (the Close button's handler, with its
// warning) instead of closing the window at once.
void EscapeRunsClose(QDialog* window, std::function<void()> close);

// Says that a file could not be written; the window keeps its changes. For
// the open syndicate's file when it could not be read, says that instead.
// reason is the system's, when known.
void ShowNotSaved(const QString& fileName, const QString& reason = {});
// Says that the syndicate just opened is open, but the settings file could
// not be written to name it (reason as SaveSettings gives it), so reading the
// settings again opens the one named before.
void ShowChoiceNotSaved(const QString& reason);
// Says that a file that could not be read is not written over.
void ShowFileKept(const QString& fileName);
// Says which line of the open syndicate's members file the last load could
// not read, once for each time the syndicate is opened.
void SayNewSyndicateProblem();

// A syndicate window's heading: "Comic Sans MS", bold and larger.
void MakeSyndicateTitle(QLabel* label);
