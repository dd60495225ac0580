#include "core/ui/FileCommands.h"

#include "core/DataFiles.h"
#include "databases/SavedEntries.h"
#include "platform/Folder.h"
#include "platform/Text.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/MsgBox.h"

#include <QDir>
#include <QLabel>

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

// Copies the data files between the folders, counting on the status label.
// A failure, or a folder without data files, is told to the player; files
// copied into the program folder are read again first.
CopyOutcome copyWithCount(QWidget* owner, QLabel* status, const QString& from, const QString& to, const QString& title,
                          bool intoProgramFolder)
{
    const QStringList names = DataFilesIn(from, DiskCopyPatterns());
    if (names.isEmpty()) {
        MsgBox("There are no data files in " + QDir::toNativeSeparators(from) + ".    ", vbOKOnly + vbInformation,
               title);
        return {};
    }
    const CopyOutcome outcome = CopyShowingProgress(owner, status, from, to, names, OnCopyFailure::Stop);
    if (intoProgramFolder)
        NoticeFilesReplaced(outcome.copied);
    if (!outcome.ok()) {
        // The label keeps the count; what was copied stays copied.
        MsgBox(DiskCopyFailureText(names, outcome), vbOKCancel + vbCritical, "Error");
        return outcome;
    }
    if (status)
        status->clear();
    return outcome;
}

QString chooseDisk(QWidget* owner, const QString& caption)
{
    return ChooseFolder(owner, caption, RemovableDiskFolder());
}
} // namespace

CopyOutcome CopyShowingProgress(QWidget* owner, QLabel* status, const QString& fromFolder, const QString& toFolder,
                                const QStringList& names, OnCopyFailure onFailure)
{
    if (owner)
        owner->repaint();
    const Hourglass hourglass;
    return CopyDataFiles(
        fromFolder, toFolder, names,
        [status](int copied) {
            if (!status)
                return;
            status->setText(kLineEnd + "Copied" + Str(copied) + " files");
            status->repaint();
        },
        onFailure);
}

QString DiskCopyFailureText(const QStringList& names, const CopyOutcome& outcome)
{
    QString text = QStringLiteral("  Removable disk error!  ");
    if (!outcome.errors.isEmpty())
        text += kLineEnd + kLineEnd + outcome.errors.first() + ".";
    QStringList left;
    for (const QString& name : names)
        if (!outcome.copied.contains(name))
            left << name;
    if (!left.isEmpty())
        text += kLineEnd + kLineEnd
            + (left.size() == 1 ? QStringLiteral("This file was not copied:")
                                : QStringLiteral("These files were not copied:"))
            + kLineEnd + left.join(kLineEnd);
    return text;
}

void CopyDataFilesToDisk(QWidget* owner, QLabel* status)
{
    const QString question =
        QStringList{" Copy the data files to a removable disk to   ", " transfer them to another computer or   ",
                    " to make a backup. Plug in the disk,   ", " click OK and choose its folder.   "}
            .join(kLineEnd);
    if (MsgBox(question, vbOKCancel + vbExclamation, "Copy to removable disk") != vbOK)
        return;
    const QString disk = chooseDisk(owner, "Copy to removable disk");
    if (disk.isEmpty())
        return;
    SaveBeforeCopying();
    copyWithCount(owner, status, ProgramFolder(), disk, "Copy to removable disk", false);
}

QStringList CopyDataFilesFromDisk(QWidget* owner, QLabel* status)
{
    const QString question =
        QStringList{" This will copy the data files from a removable   ", " disk to the Vantrel folder. It   ",
                    " will overwrite any existing data files.   "}
            .join(kLineEnd);
    if (MsgBox(question, vbOKCancel + vbExclamation, "Copy from removable disk") != vbOK)
        return {};
    const QString disk = chooseDisk(owner, "Copy from removable disk");
    if (disk.isEmpty())
        return {};
    return copyWithCount(owner, status, disk, ProgramFolder(), "Copy from removable disk", true).copied;
}

void AskToDeleteSavedEntries()
{
    if (!SavedEntriesExist()) {
        MsgBox("No lottery entries saved!    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    const QString question =
        " Are you sure you want to delete     " + kLineEnd + " all your saved lottery entries?    " + kLineEnd;
    if (MsgBox(question, vbYesNo + vbQuestion, "Warning!") != vbYes)
        return;
    if (!DeleteSavedEntries())
        MsgBox("Your saved lottery entries could not be deleted.    ", vbOKOnly + vbExclamation, "Error!");
}
