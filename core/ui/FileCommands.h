#pragma once
// The data-file commands of the main window's File menu: copying the data
// files to and from a removable disk (in place of a floppy disk), and deleting
// the saved entries file.

#include <QStringList>

class QLabel;
class QWidget;

// Asks, lets the player choose the disk's folder (the desktop's folder dialog,
// opening at the first mounted removable disk) and copies every data file of
// the program folder there. `status` shows the running count, and is emptied
// at the end. Cancelling the question or the folder dialog copies nothing.
void CopyDataFilesToDisk(QWidget* owner, QLabel* status);
// The same from the disk's folder into the program folder, replacing files of
// the same names. Returns the names copied in (some, when it failed part way),
// so the caller can read again the files it keeps in memory.
QStringList CopyDataFilesFromDisk(QWidget* owner, QLabel* status);
// Deletes "ReVadirav.txt" after asking; says so when there is none.
void AskToDeleteSavedEntries();
