#pragma once
// The syndicate's diary: records of tickets bought, their cost, winnings, the
// balance and a note, in "Diary." and the syndicate's number. One line per
// record, its six cells in double quotes separated by commas, CR LF.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

inline constexpr int kDiaryColumns = 6;
enum DiaryColumn { DiaryDate = 0, DiaryTickets = 1, DiaryCost = 2, DiaryWon = 3, DiaryBalance = 4, DiaryNotes = 5 };

using DiaryRecord = std::array<QString, kDiaryColumns>;

// Whether every cell of a record is empty or blank.
bool IsEmptyRecord(const DiaryRecord& record);

// The records of a diary file, six items each, to the end of the file (a
// last record cut short has its missing cells empty). An empty list for a
// missing file; no value when the file exists but cannot be read. badLine,
// when given, gets the first line that does not hold one record's six fields
// (a quoted field without its closing quote is not one; 0 when every line
// holds them): the records after it may then be shifted.
std::optional<std::vector<DiaryRecord>> ReadDiary(const QString& path, int* badLine = nullptr);

// Writes every record that is not empty, in order, through a new file renamed
// over the old; each cell as SyndicateField writes it. False when the file
// could not be written, with the system's reason in error (when given).
bool WriteDiary(const QString& path, const std::vector<DiaryRecord>& records, QString* error = nullptr);
