#include "databases/ui/DeleteDbaseW.h"

#include "core/OpenLottery.h"
#include "platform/ui/MsgBox.h"

#include <QFile>

DeleteDbaseW::DeleteDbaseW(QWidget* parent)
    : DatabaseChoice(parent, "DeleteDbaseW", "Delete lottery database",
                     {QStyle::SP_TrashIcon, "Delete", " Delete database "},
                     {QStyle::SP_DialogCloseButton, "Close", " Close "})
{}

void DeleteDbaseW::Command2_Click()
{
    const int i = chosen();
    if (i < 0)
        return;
    if (MsgBox("  Are you sure?    \r\n", vbYesNo + vbQuestion, "Delete database") != vbYes)
        return;
    DbaseFile = DbaseFiles[i];
    OpenLotteryChanged();
    // A file another program has removed already is gone as asked.
    if (QFile::exists(DbaseFile) && !QFile::remove(DbaseFile)) {
        MsgBox("The lottery database could not be deleted.    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    close();
}
