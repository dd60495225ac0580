#pragma once
// The saved entries as the Show/Check window holds them: the entries it shows
// and edits, and the lines it keeps aside and writes back untouched (lines that
// are no entry, and entries beyond the window's 499 rows).

#include "databases/SavedEntries.h"

#include <QDateTime>
#include <QList>

inline constexpr int kMyDrawsShown = 499;

struct MyDrawsTable {
    QList<SavedEntry> rows; // shown, row r of the grid is rows[r - 1]
    QList<SavedEntry> kept; // written back after the shown ones, as read
};

// Splits the lines of the file: readable entries, up to 499, are shown; the
// rest are kept in file order.
MyDrawsTable SplitMyDraws(const QList<SavedEntry>& lines);
// Reads "ReVadirav.txt"; a missing or unreadable file gives an empty table.
MyDrawsTable LoadMyDrawsFile();
// Writes the shown entries, then the kept lines, over the file; deletes the
// file when there is nothing to write. False when the file could not be
// written.
bool SaveMyDrawsFile(const MyDrawsTable& table, QString* error = nullptr);

enum class MyDrawsOrder { ByDate, ByName, ByLottery };
// Stable sort: by date newest first (entries whose date does not parse go
// last), by player name or lottery name ascending without regard to case.
void SortMyDraws(QList<SavedEntry>& rows, MyDrawsOrder order);
// Deletes the entries whose draw date is earlier than `now` less one day (a
// date stands for its midnight). Entries whose date does not parse stay.
// Returns how many were deleted.
int RemoveOutOfDate(QList<SavedEntry>& rows, const QDateTime& now);
