#include "platform/ui/MsgBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {
MsgBoxHook& msgBoxHook()
{
    static MsgBoxHook hook;
    return hook;
}
ModalHook& modalHook()
{
    static ModalHook hook;
    return hook;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape; // what closing the box answers
};

ButtonSet buttonsFor(int kind)
{
    switch (kind) {
    case vbOKCancel: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case vbAbortRetryIgnore: return {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort};
    case vbYesNoCancel: return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case vbYesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case vbRetryCancel: return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel};
    default: return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

int resultFor(QMessageBox::StandardButton b)
{
    switch (b) {
    case QMessageBox::Ok: return vbOK;
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Abort: return vbAbort;
    case QMessageBox::Retry: return vbRetry;
    case QMessageBox::Ignore: return vbIgnore;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbCancel;
    }
}
} // namespace

int MsgBox(const QString& text, int style, const QString& title)
{
    const MsgBoxCall call{text, style, title};
    if (msgBoxHook())
        return msgBoxHook()(call);

    QMessageBox box(QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    switch (call.icon()) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    const ButtonSet set = buttonsFor(call.buttons());
    box.setStandardButtons(set.buttons);
    QList<QAbstractButton*> buttons = box.buttons();
    const int defaultIndex = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    // Buttons in the order the style names them.
    QList<QMessageBox::StandardButton> order;
    for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Abort, QMessageBox::Retry,
                   QMessageBox::Ignore, QMessageBox::Cancel}) {
        if (set.buttons & b)
            order << b;
    }
    if (defaultIndex < order.size())
        box.setDefaultButton(order[defaultIndex]);
    box.setEscapeButton(set.escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return MsgBoxCloseAnswer(style);
    return resultFor(box.standardButton(clicked));
}

int MsgBoxCloseAnswer(int style) { return resultFor(buttonsFor(style & 7).escape); }

int ShowModal(QDialog* dialog)
{
    KeepOnScreen(dialog);
    FocusFirstInput(dialog);
    if (modalHook())
        return modalHook()(dialog);
    return dialog->exec();
}

void SetMsgBoxHook(MsgBoxHook hook) { msgBoxHook() = std::move(hook); }
void SetModalHook(ModalHook hook) { modalHook() = std::move(hook); }
