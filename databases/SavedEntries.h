#pragma once
// The saved entries file "ReVadirav.txt": one entry per line, twelve
// comma-separated fields, no header, CR LF line ends. Fields are read by the
// program's field rules (platform/TextFile.h): blanks before a field are
// skipped, and a field that starts with a double quote runs to the next one
// and may hold commas. A field holding a comma is written in double quotes.
//
//   0      draw date as text ("05 Mar 05" or the medium form "05-Mar-2005")
//   1..7   main numbers as text (empty beyond the lottery's balls drawn)
//   8      extra ball (empty when the lottery has none)
//   9      lottery name (first line of its database file)
//   10     player or syndicate name (may be empty)
//   11     database file name (dbase100.txt)
//
// The file is read line by line (Show/Check: databases/MyDraws.h; What
// if...?: databases/WhatIfRule.h), so a malformed line never shifts the
// fields of the lines after it; such a line is kept as it stands and written
// back unchanged. Appending never reads or changes the lines already there; a
// rewrite goes through a new file renamed over the old.

#include "core/OpenLottery.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

inline const QString kSavedEntriesFile = QStringLiteral("ReVadirav.txt");
inline constexpr int kSavedEntryFields = 12;
inline constexpr int kSavedEntryNumbers = 8; // Num1..Num7 and Pball

// The fields of a line by number. The entry grids show field c in column c,
// so these are their column numbers too.
inline constexpr int kDateColumn = 0;
// kFirstNumberColumn to kExtraBallColumn (core/OpenLottery.h): Num1 to Pball
inline constexpr int kLotteryColumn = 9;
inline constexpr int kNameColumn = 10;
inline constexpr int kDbaseFileColumn = 11;

struct SavedEntry {
    QString date;                                    // field 0
    std::array<QString, kSavedEntryNumbers> numbers; // fields 1..8 (index 0 = Num1, 7 = Pball)
    QString lottery;                                 // field 9
    QString name;                                    // field 10
    QString dbaseFile;                               // field 11

    // False for a line that does not hold exactly twelve fields by the field
    // rules: it is no entry, and no window shows, checks or counts it. Its text
    // is written back as it stands; the fields above hold what could be read
    // from it (missing fields empty, extra ones dropped).
    bool readable = true;
    // The line the entry was read from (empty for a new entry): a field that
    // still reads as the line held it is written back as it was written.
    QString line;

    // The number a field's text begins with (0 when it begins with none), as
    // every reader takes fields 1 to 8. i is 1..8.
    int number(int i) const;
    // Field 0 read by the general date parser.
    std::optional<QDate> drawDate() const;
};

// The text of field `column` (kDateColumn to kDbaseFileColumn) of an entry,
// and its change. Other columns read empty and change nothing.
QString EntryField(const SavedEntry& entry, int column);
void SetEntryField(SavedEntry& entry, int column, const QString& text);

// Makes a name typed by the player a plain field: commas become semicolons
// and double quotes become single quotes. Blanks are kept as they are.
QString SavedEntryField(const QString& text);

// One line of the file to an entry, and back. FormatSavedEntry writes a field
// unchanged since it was read as the line held it; another field plain, or in
// double quotes when it holds a comma or starts with a quote (a text no
// quoting carries has its double quotes made single ones). So every line
// keeps twelve fields, reads back as it was, and an entry saved without an
// edit is written as it was read; an unreadable entry is written as its line.
SavedEntry ParseSavedEntry(const QString& line);
QString FormatSavedEntry(const SavedEntry& entry);
// True when a line holds exactly twelve fields by the field rules: the lines
// ParseSavedEntry marks readable.
bool IsSavedEntryLine(QStringView line);

// True when the file exists.
bool SavedEntriesExist(const QString& path = kSavedEntriesFile);
// Why the file cannot be read, or empty when it can (or is missing): one rule
// for every window that reads, checks or adds entries. A file that opens with
// a UTF-16 or UTF-32 byte-order mark (as some editors save text) is not read:
// Show/Check writes back the lines it does not show as the file's own bytes,
// which such a file's are not, so no window writes over it or adds to it.
QString SavedEntriesUnreadable(const QString& path = kSavedEntriesFile);
// Adds the entries at the end of the file, creating it when missing. False
// when the file could not be read or written (it is then left as it was).
bool AppendSavedEntries(const QList<SavedEntry>& entries, const QString& path = kSavedEntriesFile,
                        QString* error = nullptr);
// Deletes the file; true when it is gone afterwards, else error (when given)
// holds the system's reason.
bool DeleteSavedEntries(const QString& path = kSavedEntriesFile, QString* error = nullptr);

// The draw date proposed for a lottery, counted from `today`: the next draw
// day of the lotteries it knows by name (upper-cased and trimmed), today
// itself on a draw day where the table says so. No value where the date
// already chosen stands (every day of other lotteries, and the days the
// table leaves alone).
std::optional<QDate> NextDrawDate(const QString& lotteryName, const QDate& today);

// The draw date proposed when a window opens for a lottery: its next draw
// day where NextDrawDate names one, else the date chosen last (the DrawDate
// setting's text) while it lies after today, else today.
QDate ProposedDrawDate(const QString& lotteryName, const QString& chosenDate, const QDate& today);
