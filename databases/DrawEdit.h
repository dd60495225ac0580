#pragma once
// The correction and deletion of one draw of a database file, as the Lottery
// Draws History window offers them: the draws as it shows them, the draw its
// editor takes for a chosen row, the checks before a draw line is rewritten
// and the rewrites themselves. Draw line k is the k-th after the header
// (k = 1 the newest), as the rewrites count them.

#include "databases/DrawDatabase.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// One draw line of a database file as the history shows it: its date text as
// stored and c1 to c8 as every reader takes them (ReadDrawLine).
using HistoryRow = StoredDraw;

// The draw lines of a database file, newest first, as DrawFileReader reads
// them (blank lines are not draw lines), at most `limit` of them; the file is
// read no further. Row k - 1 is draw line k.
std::vector<HistoryRow> ReadHistoryRows(const QString& fileName, int limit);

// The texts of c1 to c8 of a draw as the history shows them: a main number of
// 0 is empty; the eighth is its number (0 too) when the lottery draws a bonus
// or extra ball (`showsEighth`), and empty otherwise.
QStringList DrawNumberTexts(const HistoryRow& draw, bool showsEighth);

// The draw the editor takes when grid row `row` is chosen (rows[k - 1] is
// grid row k): a row below the last draw picks the last, and a draw without a
// date text gives way to the nearest one above that has one. 0 when there is
// no draw.
int ChosenDrawRow(const std::vector<HistoryRow>& rows, int row);

// What the editor shows for a draw: its date, none when the date cannot be
// read (the player must choose the right one; no other date stands in for
// it), and the texts of c1 to c8.
struct DrawInEditor {
    std::optional<QDate> date;
    QStringList numbers; // c1 to c8
};
DrawInEditor EditorContents(const HistoryRow& draw, bool showsEighth);

// Whether draw `row` (grid row, 1 for the newest) may be rewritten now.
enum class DrawEditCheck {
    Allowed,
    NoDraw,           // the row shows no draw: nothing is done
    OnlyDraw,         // delete only: the last draw line of a file is never deleted
    ChangedElsewhere, // the file no longer holds the draw shown there
    NoDate,           // update only: no date was chosen for a draw whose date cannot be read
};
// Before a draw is deleted: OnlyDraw when fewer than two draws are shown, then
// NoDraw for a row outside the draws shown, then ChangedElsewhere unless draw
// line `row` of the file still reads as shown.
DrawEditCheck CheckDrawDelete(const QString& database, const std::vector<HistoryRow>& shown, int row);
// Before a draw is updated to `date` (invalid when none is chosen): NoDraw as
// for a delete, then NoDate without a date, then ChangedElsewhere as for a
// delete.
DrawEditCheck CheckDrawUpdate(const QString& database, const std::vector<HistoryRow>& shown, int row,
                              const QDate& date);

// Deletes draw line k of the database, rewriting it through a new file.
// Done, or CannotWrite when the file could not be read or written (error,
// when given, then holds the system's reason for a failed write).
RewriteResult DeleteDraw(const QString& database, int k, QString* error = nullptr);
// Replaces draw line k of the database by `line`, placed by its date as
// InsertDrawByDate places it (the only draw of a file is replaced where it
// stands), in one rewrite through a new file.
RewriteResult ReplaceDraw(const QString& database, int k, const QString& line, const QDate& date,
                          QString* error = nullptr);
