#pragma once
// The data-file commands of the main window's File menu: copying the data
// files to and from a removable disk (in place of a floppy disk), and deleting
// the saved entries file.

#include "core/DataFiles.h"

#include <QStringList>

class QLabel;
class QWidget;

// Copies the named data files from one folder to another as every copy
// command of the program shows it: the owner is drawn again first (where a
// question or a folder dialog stood), the hourglass shows until the copy
// ends, and `status` (when given) counts the files copied on its second line
// ("Copied 3 files"), drawn after each file; the count is left on it. No
// event runs meanwhile, so no command starts during the copy.
CopyOutcome CopyShowingProgress(QWidget* owner, QLabel* status, const QString& fromFolder, const QString& toFolder,
                                const QStringList& names, OnCopyFailure onFailure);
// The message of a disk copy that failed: the error line, the file and the
// system's reason, and every file left uncopied (the failed one and those
// after it).
QString DiskCopyFailureText(const QStringList& names, const CopyOutcome& outcome);

// Asks, lets the player choose the disk's folder (the desktop's folder dialog,
// opening at the first mounted removable disk) and copies every data file of
// the program folder there. `status` shows the running count, and is emptied
// at the end. Cancelling the question or the folder dialog copies nothing.
void CopyDataFilesToDisk(QWidget* owner, QLabel* status);
// The same from the disk's folder into the program folder, replacing files of
// the same names. What was copied in (some, when it failed part way) is read
// again at once by whatever keeps it in memory (NoticeFilesReplaced), before
// any message shows. Returns the names copied in.
QStringList CopyDataFilesFromDisk(QWidget* owner, QLabel* status);
// Deletes "ReVadirav.txt" after asking; says so when there is none.
void AskToDeleteSavedEntries();
