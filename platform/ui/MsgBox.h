#pragma once
// Modal message boxes and modal windows, through hooks that tests replace.

#include <QString>
#include <functional>

class QDialog;

// Buttons, icon and default of a message box, added together.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// The button pressed.
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

struct MsgBoxCall {
    QString text;
    int style = vbOKOnly;
    QString title;
    int buttons() const { return style & 7; }
    int icon() const { return style & 0x70; }
};

// The title of a box that has none of its own: the program's.
inline const QString kProgramTitle = QStringLiteral("Vantrel");

// Shows the text as plain text and returns the button pressed. Closing the box
// without a button answers Cancel (or No, or OK when those are the only ones).
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());
// What closing a box of this style without a button answers: Cancel where
// the box has it, else No, else Abort (Abort, Retry, Ignore), else OK.
int MsgBoxCloseAnswer(int style);

// Shows a window modally and returns its result (QDialog::Accepted or Rejected).
// The window keeps on its screen while it is shown (platform/ui/ScreenFit.h).
int ShowModal(QDialog* dialog);

// Tests replace what the user would do. An empty hook restores the real boxes.
using MsgBoxHook = std::function<int(const MsgBoxCall&)>;
using ModalHook = std::function<int(QDialog*)>;
void SetMsgBoxHook(MsgBoxHook hook);
void SetModalHook(ModalHook hook);
