#include "support/SaveDialog.h"

#include "databases/SavedEntries.h"
#include "databases/ui/SaveEntries.h"
#include "platform/ui/DatePicker.h"
#include "platform/TextFile.h"
#include "platform/ui/MsgBox.h"
#include "support/Harness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

int AnswerSaveDialog(QDialog* dialog, const SaveDialogAnswer& answer)
{
    auto* save = qobject_cast<SaveEntries*>(dialog);
    if (!save)
        return Harness::UnexpectedWindow(dialog);
    if (!answer.count.isEmpty())
        save->Text1->setText(answer.count);
    if (!answer.name.isEmpty())
        save->Text2->setText(answer.name);
    if (answer.drawDate.isValid())
        save->DTPicker1->setValue(answer.drawDate);
    QTest::mouseClick(answer.cancel ? save->Command1 : save->Command7, Qt::LeftButton);
    return int(save->result());
}

void ScriptSaveDialog(int* shown, SaveDialogAnswer answer)
{
    SetModalHook([shown, answer](QDialog* dialog) {
        if (shown && qobject_cast<SaveEntries*>(dialog))
            ++*shown;
        return AnswerSaveDialog(dialog, answer);
    });
}

std::optional<QList<SavedEntry>> ReadSavedEntries()
{
    QList<SavedEntry> entries;
    if (!SavedEntriesExist())
        return entries;
    if (!SavedEntriesUnreadable().isEmpty())
        return std::nullopt;
    const auto lines = ReadLines(kSavedEntriesFile);
    if (!lines)
        return std::nullopt;
    for (const QString& line : *lines)
        if (!line.trimmed().isEmpty())
            entries << ParseSavedEntry(line);
    return entries;
}
