#include "platform/ui/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Runs `act` on the message box once it is on screen.
void whenShown(std::function<void(QMessageBox*)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                act(box);
                return;
            }
        }
        ADD_FAILURE() << "no message box shown";
    });
}
} // namespace

// These show the real box, so they put the harness's hook aside.
TEST(MsgBoxReal, ShowsPlainTextAndReturnsTheButtonPressed)
{
    SetMsgBoxHook({});
    whenShown([](QMessageBox* box) {
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), "<b>Sure?</b>  ");
        EXPECT_EQ(box->windowTitle(), "Please confirm...");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MsgBox("<b>Sure?</b>  ", vbYesNo | vbQuestion, "Please confirm..."), vbNo);
}

TEST(MsgBoxReal, ClosingTheBoxAnswersLikeEscape)
{
    SetMsgBoxHook({});
    whenShown([](QMessageBox* box) { box->reject(); });
    EXPECT_EQ(MsgBox("Save?", vbYesNoCancel), vbCancel);
    whenShown([](QMessageBox* box) {
        // Without a title of its own a box shows the program's.
        EXPECT_EQ(box->windowTitle().toStdString(), "Vantrel");
        box->reject();
    });
    EXPECT_EQ(MsgBox("Info", vbOKOnly | vbInformation), vbOK);
}

TEST(MsgBoxHook, RecordsCallsAndAnswersAsScripted)
{
    std::vector<MsgBoxCall> calls;
    SetMsgBoxHook([&](const MsgBoxCall& c) {
        calls.push_back(c);
        return int(vbRetry);
    });
    EXPECT_EQ(MsgBox("Text", vbRetryCancel | vbExclamation, "Oops!  "), vbRetry);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].buttons(), int(vbRetryCancel));
    EXPECT_EQ(calls[0].icon(), int(vbExclamation));
    EXPECT_EQ(calls[0].title, "Oops!  ");
}
