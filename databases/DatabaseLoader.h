#pragma once
// Finding the lottery database files and loading one into the open lottery
// (core/OpenLottery.h), with the same reader every other reader of a database
// file uses.

#include <QString>
#include <QStringList>

// True when a saved entry can name the database file: its name holds no
// line break, reads back whole from an entry's line, and names the file
// itself (a name that is not valid UTF-8 is listed in another spelling,
// under which the file cannot be opened).
bool EntryCanNameDatabase(const QString& fileName);

// Fills DbaseFiles with the "dbase*.txt" files of the program folder, in the
// order the lottery lists show them, and returns each lottery's name (its
// first line, or the file name when the file has none). Files a saved entry
// cannot name are left out, and their names added to leftOut, with the names
// that are not valid UTF-8, which the folder listing passes over.
QStringList FindDatabases(QStringList* leftOut = nullptr);

// Loads DbaseFiles[index] into the open lottery and Draws. Draws takes the
// newest 2994 draws, read as every reader of the file reads them
// (DrawFileReader); a draw whose first number is missing or out of range is
// left out, since it cannot stand in the table, and the file is read no
// further than the draws kept. Returns false when the file cannot be read or
// its definition line is out of range; Draws then holds no draw and the
// header values are what the file's first lines gave.
bool LoadDatabase(int index);
// Loads a database file by name, as LoadDatabase does.
bool LoadDatabaseFile(const QString& fileName);
