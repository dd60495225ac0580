#include "databases/ui/OpenDbase.h"

#include "core/OpenLottery.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"

#include <QFileInfo>

OpenDbase::OpenDbase(QWidget* parent)
    : DatabaseChoice(parent, "OpenDbase", "Open lottery database",
                     {QStyle::SP_DialogOpenButton, "Open", " Open database "},
                     {QStyle::SP_DialogCancelButton, "Cancel", " Cancel "})
{}

void OpenDbase::Command2_Click()
{
    const int i = chosen();
    if (i < 0)
        return;
    DbaseFile = DbaseFiles[i];
    OpenLotteryChanged();
    // The editor runs on its own; a file removed meanwhile, or a desktop
    // without a text editor, is reported as what it is.
    if (!QFileInfo(DbaseFile).isFile()) {
        MsgBox("The lottery database could not be found.    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    if (OpenInTextEditor(DbaseFile) != ShellResult::Opened) {
        MsgBox("No text editor could be started to open the lottery database.    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    close();
}
