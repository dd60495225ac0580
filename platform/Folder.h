#pragma once
// The program's folder and the files in it.

#include <QString>
#include <QStringList>

#include <functional>

// The per-user data folder (or the folder a test chose). Only names it:
// MakeProgramFolderCurrent and OpenProgramFolder make it. Once the folder is
// held (HoldProgramFolder), the folder held, wherever it is now.
QString ProgramFolder();
// Holds the program folder as the folder open as folderFd (the one this copy
// of the program locked); -1 lets it go. While it is held, ProgramFolder()
// checks that its path still names that folder: where it names another (the
// folder was renamed, moved or deleted and another made in its place), it
// gives the held folder's path now instead (or, where the folder has none
// left, a path that reaches it through this process only), so nothing is
// written into the other folder; and, the first time, runs moved with the
// path and the held folder's path now (empty when it has none).
void HoldProgramFolder(int folderFd, std::function<void(const QString& path, const QString& now)> moved = {});
// Points the program at another folder (tests use a temporary one).
void SetProgramFolder(const QString& path);
// Makes the program folder (creating it when missing) the current folder.
bool MakeProgramFolderCurrent();
// Makes the program folder (creating it when missing) the current folder, and
// checks that a file can be written in it. False when the folder cannot be
// made, entered or written: nothing has been written anywhere then.
bool OpenProgramFolder();
// Copies the read-only files the program ships into the program folder when
// they are missing there. Empty when every missing file was copied, else a
// sentence for the player naming what was not (or that the shipped files were
// not found).
QString CopyShippedDataFiles();

// The names of the files of the current folder that match a wildcard pattern
// ("dbase*.txt"), compared without regard to case, ordered by name without
// regard to case.
QStringList ListFiles(const QString& pattern);
// The same for the files of another folder.
QStringList ListFilesIn(const QString& folder, const QString& pattern);
// The names, in the current folder, that match the pattern but are not valid
// UTF-8: ListFiles passes over them, since no name the program holds spells
// them. The bytes that cannot be read show as U+FFFD.
QStringList ListUndecodableFiles(const QString& pattern);

// Copies a file by writing a new file beside the target and renaming it over
// the target, so a failed copy leaves the old target whole. The file is
// copied a piece at a time, so its size costs no memory. The copy keeps the
// original's last-modified time. False when the source cannot be read or
// the target cannot be written; error (when given) then says which and why.
bool CopyFileReplacing(const QString& from, const QString& to, QString* error = nullptr);

// The folder of the first removable disk the desktop has mounted: the first
// folder (by name) under /media/$USER or /run/media/$USER. Empty when none.
QString RemovableDiskFolder();
// The first folder, by name, found in any of the folders given, in order.
QString FirstFolderIn(const QStringList& roots);
