#include "databases/OpenDbase.h"

#include "core/OpenLottery.h"
#include "platform/MsgBox.h"
#include "platform/Shell.h"

OpenDbase::OpenDbase(QWidget* parent)
    : DatabaseChoice(parent, "OpenDbase", "Open lottery database",
                     {QStyle::SP_DialogOpenButton, "Open", " Open database "},
                     {QStyle::SP_DialogCancelButton, "Cancel", " Cancel "})
{
}

void OpenDbase::Command2_Click()
{
    const int i = chosen();
    if (i < 0)
        return;
    DbaseFile = DbaseFiles[i];
    // The editor runs on its own; a file removed meanwhile is reported.
    if (!OpenInTextEditor(DbaseFile)) {
        MsgBox("The lottery database could not be opened.    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    close();
}
