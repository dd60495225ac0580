#pragma once
// The program's folder and the files in it.

#include <QString>
#include <QStringList>

// The per-user data folder (or the folder a test chose). Made when missing.
QString ProgramFolder();
// Points the program at another folder (tests use a temporary one).
void SetProgramFolder(const QString& path);
// Makes the program folder (creating it when missing) the current folder.
bool MakeProgramFolderCurrent();
// Copies the read-only files the program ships into the program folder when
// they are missing there.
void CopyShippedDataFiles();

// The names of the files of the current folder that match a wildcard pattern
// ("dbase*.txt"), compared without regard to case, ordered by name without
// regard to case.
QStringList ListFiles(const QString& pattern);
