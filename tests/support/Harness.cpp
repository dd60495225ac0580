#include "support/Harness.h"

#include "app/SharedState.h"
#include "generators/RetryLoop.h"
#include "platform/Dates.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Shell.h"

#include <QDialog>
#include <QDir>
#include <deque>
#include <gtest/gtest.h>

namespace Harness {
namespace {
std::deque<int> answers;
std::vector<MsgBoxCall> boxes;
QString currentFolder;

QString buttonName(int button)
{
    switch (button) {
    case vbOK: return "OK";
    case vbCancel: return "Cancel";
    case vbAbort: return "Abort";
    case vbRetry: return "Retry";
    case vbIgnore: return "Ignore";
    case vbYes: return "Yes";
    case vbNo: return "No";
    default: return QString::number(button);
    }
}

int strictMsgBox(const MsgBoxCall& call)
{
    boxes.push_back(call);
    if (!answers.empty()) {
        const int button = answers.front();
        answers.pop_front();
        return button;
    }
    const int closed = MsgBoxCloseAnswer(call.style);
    ADD_FAILURE() << "Unexpected message box titled \"" << call.title.toStdString() << "\": \""
                  << call.text.toStdString() << "\" (answered " << buttonName(closed).toStdString()
                  << ", as closing it would)";
    return closed;
}

bool strictShell(const QUrl& url)
{
    ADD_FAILURE() << "Unexpected request to the desktop to open " << url.toString().toStdString();
    return false;
}

QString strictPdfFile()
{
    ADD_FAILURE() << "Unexpected printout: the PDF save dialog would ask where to write it (cancelled)";
    return QString();
}

QString strictFolder(const QString& caption, const QString&)
{
    ADD_FAILURE() << "Unexpected folder dialog \"" << caption.toStdString() << "\" (cancelled)";
    return QString();
}

std::optional<QColor> strictColour(const QColor&)
{
    ADD_FAILURE() << "Unexpected colour dialog (cancelled)";
    return std::nullopt;
}

void installStrictHooks()
{
    SetMsgBoxHook(strictMsgBox);
    SetModalHook(UnexpectedWindow);
    SetShellHook(strictShell);
    SetPdfFileHook(strictPdfFile);
    SetFolderDialogHook(strictFolder);
    SetColourDialogHook(strictColour);
}

class Listener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { BeginTest(); }
    void OnTestEnd(const ::testing::TestInfo&) override { EndTest(); }
};
} // namespace

int UnexpectedWindow(QDialog* dialog)
{
    ADD_FAILURE() << "Unexpected modal window " << dialog->metaObject()->className() << " named \""
                  << dialog->objectName().toStdString() << "\" titled \"" << dialog->windowTitle().toStdString()
                  << "\" (closed at once)";
    return QDialog::Rejected;
}

void ExpectBox(int button) { answers.push_back(button); }

const std::vector<MsgBoxCall>& Boxes() { return boxes; }

QString LastBoxText() { return boxes.empty() ? QString() : boxes.back().text; }

const MsgBoxCall& BoxAt(int index)
{
    static const MsgBoxCall none;
    const int count = int(boxes.size());
    const int at = index < 0 ? count + index : index;
    if (at >= 0 && at < count)
        return boxes[size_t(at)];
    QStringList came;
    for (const MsgBoxCall& box : boxes)
        came << QStringLiteral("\"%1\" (%2)").arg(box.text, box.title);
    ADD_FAILURE() << "expected a message box at place " << index << ", but " << count
                  << " came: " << (came.isEmpty() ? QStringLiteral("none") : came.join(", ")).toStdString();
    return none;
}

void CheckAnswersUsed()
{
    if (answers.empty())
        return;
    QStringList names;
    for (int a : answers)
        names << buttonName(a);
    ADD_FAILURE() << answers.size()
                  << " expected message box(es) never shown; answers left unused: " << names.join(", ").toStdString();
    answers.clear();
}

void BeginTest()
{
    currentFolder = QDir::currentPath();
    ResetSharedState();
    answers.clear();
    boxes.clear();
    installStrictHooks();
}

void EndTest()
{
    CheckAnswersUsed();
    boxes.clear();
    installStrictHooks();
    SetMonotonicClockForTests({});
    SetClockForTests(std::nullopt);
    if (!currentFolder.isEmpty())
        QDir::setCurrent(currentFolder);
}

void Install() { ::testing::UnitTest::GetInstance()->listeners().Append(new Listener); }

} // namespace Harness
