#include "syndicates/ui/SyndicateControls.h"

#include "core/Settings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "syndicates/SyndicateFile.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

const QString kUnsavedChangesText = QStringLiteral("If you have made changes you should    \r\n"
                                                   "click Save to save them. If you        \r\n"
                                                   "continue, any changes will be lost.    ");

void KeepFieldTextSafe(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        const QString safe = SyndicateText(text);
        if (safe == text)
            return;
        // The same length: the cursor stays where it was.
        const int cursor = box->cursorPosition();
        box->setText(safe);
        box->setCursorPosition(cursor);
    });
}

QLineEdit* NamedFieldBox(QWidget* parent, const QString& name, int maxLength)
{
    QLineEdit* box = NamedLineEdit(parent, name);
    box->setMaxLength(maxLength);
    KeepFieldTextSafe(box);
    return box;
}

ShownField ShowField(QLineEdit* box, const QString& stored)
{
    box->setText(stored);
    return ShownField(stored, box->text());
}

ShownField ShowPayBy(QComboBox* box, const QString& stored)
{
    const int method = box->findText(stored, Qt::MatchExactly);
    if (method >= 0)
        box->setCurrentIndex(method);
    return stored.isEmpty() ? ShownField() : ShownField(stored, box->currentText());
}

void MakeDetailFields(QWidget* window, QLabel* (&labels)[5], QLineEdit* (&boxes)[8])
{
    const char* captions[5] = {"Syndicate name:", "Manager name:", "Address:", "Phone:", "Email:"};
    for (int i = 0; i < 5; ++i)
        labels[i] = NamedLabel(window, QStringLiteral("Label2_%1").arg(i), captions[i]);
    for (int i = 0; i < 8; ++i)
        boxes[i] = NamedFieldBox(window, QStringLiteral("Text1_%1").arg(i), i == 6 ? 50 : 30);
}

bool MayCloseWindow(bool changed)
{
    if (!changed)
        return true;
    return MsgBox(kUnsavedChangesText, vbOKCancel + vbExclamation, QStringLiteral("Warning!")) == vbOK;
}

void ShowNotSaved(const QString& fileName, const QString& reason)
{
    if (fileName == Settings[SyndicateFile] && OpenSyndicateFileKept()) {
        ShowFileKept(fileName);
        return;
    }
    MsgBox(QStringLiteral("The file %1 could not be written%2.    \r\n"
                          "Nothing was saved; check that the program's folder    \r\n"
                          "can be written to and try again.    ")
               .arg(fileName, reason.isEmpty() ? QString() : QStringLiteral(": ") + reason),
           vbOKOnly + vbExclamation, QStringLiteral("Error!"));
}

void ShowChoiceNotSaved(const QString& reason)
{
    MsgBox(QStringLiteral("The syndicate is open, but the choice    \r\n"
                          "could not be saved: %1.    \r\n"
                          "On leaving Preferences, and at the next start,    \r\n"
                          "the syndicate saved before opens again.    ")
               .arg(reason),
           vbOKOnly + vbExclamation, QStringLiteral("Error!"));
}

void ShowFileKept(const QString& fileName)
{
    MsgBox(QStringLiteral("The file %1 could not be read when it was opened,    \r\n"
                          "so it is not written over. Nothing was saved.    ")
               .arg(fileName),
           vbOKOnly + vbExclamation, QStringLiteral("Error!"));
}

void SayNewSyndicateProblem()
{
    const auto problem = TakeNewSyndicateProblem();
    if (!problem)
        return;
    QString text;
    if (problem->line == 0)
        text = QStringLiteral("The syndicate file %1 could not be read.    \r\n"
                              "It is left as it is, and nothing is written over it.    ")
                   .arg(problem->file);
    else if (problem->endsEarly)
        text = QStringLiteral("Line %1 of the syndicate file %2 could not be read:    \r\n"
                              "the file ends there. The rows it lacks are left empty.    ")
                   .arg(problem->line)
                   .arg(problem->file);
    else
        text = QStringLiteral("Line %1 of the syndicate file %2 could not be read.    \r\n"
                              "It is left as it is, and nothing is written over it.    ")
                   .arg(problem->line)
                   .arg(problem->file);
    MsgBox(text, vbOKOnly + vbExclamation, QStringLiteral("Error!"));
}

void MakeSyndicateTitle(QLabel* label)
{
    QFont font = label->font();
    font.setFamily(QStringLiteral("Comic Sans MS"));
    label->setFont(font);
    MakeTitle(label);
}

namespace {
class EscapeFilter : public QObject {
public:
    EscapeFilter(QDialog* window, std::function<void()> close) : QObject(window), close_(std::move(close)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                close_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> close_;
};
} // namespace

void EscapeRunsClose(QDialog* window, std::function<void()> close)
{
    window->installEventFilter(new EscapeFilter(window, std::move(close)));
}
