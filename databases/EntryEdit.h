#pragma once
// The checks of saved entries typed or changed by hand: a cell of the
// Show/Check grid changed through its edit box, and the numbers typed for a
// new entry in the Store window. The windows read their controls, call these
// and show what they return.

#include "databases/DrawDatabase.h"
#include "databases/SavedEntries.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// Why a changed cell is refused. The window says so as it always has.
enum class EntryEditError {
    FixedColumn,    // the lottery or database file column: "Can't change lotteries!"
    NoText,         // no entry on the row, or an empty cell: nothing changes, nothing is said
    OutOfRange,     // a number below 1 or above its column's highest: "Number out of range!"
    RepeatedNumber, // a main number the entry already holds: the input tip
    BadDate,        // a date that does not parse: the input tip
    Unwritable,     // a text no field of the file holds as typed: the input tip
};

// The outcome of a changed cell: an error, or the text the cell and the
// entry take.
struct EntryEdit {
    int row = 0;    // grid row (row r is rows[r - 1])
    int column = 0; // grid column, one field of the entry (kDateColumn ...)
    std::optional<EntryEditError> error;
    QString text;
};

// The definition of the lottery an entry was saved for, from its database
// file; none when the name is not a bare database name, the file cannot be
// read or its definition is out of range.
std::optional<LotteryDefinition> EntryLottery(const SavedEntry& entry);

// Checks text typed for grid cell (row, column) of the entries:
// - the lottery and database file columns never change;
// - only a cell of an entry that holds text can change;
// - a number column takes 1 to the highest of `lottery` (the row's lottery):
//   its highest ball for a main number within its balls drawn, its highest
//   extra ball for the extra ball; 60 otherwise, and when the lottery is not
//   known. A main number must differ from the entry's other main numbers;
// - the date column takes any date the general parser reads;
// - the name is made safe as a field;
// - a text no field of the file holds as typed (a double quote before a
//   comma) is refused, so the line reads back as the cells show.
// The typed text is taken trimmed.
EntryEdit CheckEntryEdit(const QList<SavedEntry>& rows, int row, int column, const QString& typed,
                         const std::optional<LotteryDefinition>& lottery);

// The number fields of a new entry typed for a lottery (texts in items 1 to
// 8, item 8 the extra ball): every main number of the lottery, and its extra
// ball when it has one, given and checked as TypedEntryValid does. Fields
// beyond the lottery's balls drawn, and the extra ball of a lottery without
// one, stay empty. No value when a number is wrong or missing.
std::optional<std::array<QString, kSavedEntryNumbers>> TypedEntryNumbers(const std::array<QString, 9>& texts,
                                                                         const LotteryDefinition& lottery);
