#pragma once
// The open syndicate: its manager (row 0, field 10 the syndicate's name) and
// members (rows 1 to 100), kept in the members file that settings item 16
// names ("SMembers." and three digits), and the files of every syndicate in
// the program folder.
//
// Members file: 101 lines, one per row 0 to 100, each the row's eleven fields
// in double quotes, separated by commas, ended by CR LF. Nothing is escaped:
// a quote inside a field stays when the field rule reads it back (it ends the
// field only before a comma or the line end); otherwise the writer turns a
// double quote into an apostrophe and a line break into a blank (the
// windows' boxes do the same as the player types).

#include <QList>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>

inline constexpr int kSyndicateRows = 101;     // the last row, not a count: row 101 is never in a file
inline constexpr int kSyndicateFields = 11;    // fields 0 to 10
inline constexpr int kSyndicateFileRows = 101; // rows 0 to 100 are in the file
inline constexpr int kMaxMembers = 100;        // rows 1 to 100
// Syndicates are numbered 000 to 099: the open and delete windows list
// these, and each number's diary is its own.
inline constexpr int kSyndicateNumbers = 100;

// Fields of a row.
enum SyndicateFieldIndex : int {
    NameField = 0,
    AddressField = 1, // to 4
    PhoneField = 5,
    EmailField = 6,
    PayByField = 7,
    AmountPaidField = 8,
    PaidUpToField = 9,
    SyndicateNameField = 10, // row 0 only
};

// The field `offset` places after `base` (AddressField + 2, the third line).
constexpr SyndicateFieldIndex operator+(SyndicateFieldIndex base, int offset)
{
    return SyndicateFieldIndex(int(base) + offset);
}

// One row's eleven fields, reached by name (Syndicate[r][PayByField]); a bare
// number does not compile.
class SyndicateRow {
public:
    QString& operator[](SyndicateFieldIndex field) { return fields_.at(std::size_t(field)); }
    const QString& operator[](SyndicateFieldIndex field) const { return fields_.at(std::size_t(field)); }
    auto begin() { return fields_.begin(); }
    auto end() { return fields_.end(); }
    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }
    bool operator==(const SyndicateRow&) const = default;

private:
    std::array<QString, kSyndicateFields> fields_;
};

// Row r, field f. Empty text means "not set".
extern SyndicateRow Syndicate[kSyndicateRows + 1];

// What LoadSyndicate does when item 16 names a members file that is missing:
// closes the syndicate (empties item 16), or awaits the file, which a restore
// of the settings alone asks for (item 16 keeps the name, no syndicate is open
// and SaveSyndicate writes nothing, until a load finds the file or another
// syndicate is created or chosen).
enum class MissingSyndicate { Close, Await };

// Empties rows 0 to 100 (row 101 keeps its content). When item 16 names a
// file that exists, reads its 1,111 quoted comma-separated items into rows 0
// to 100 in order; a file cut short leaves the items it lacks empty. When the
// named file is missing, or item 16 holds anything but a members file name,
// empties item 16: no syndicate is open (unless the file is awaited, above).
// A file that exists but is not read whole is kept open (item 16 stays, so it
// opens again once mended) and noted in SyndicateReadProblem(). What it read
// is then the table as stored (SyndicateChanged, DiscardSyndicateChanges).
void LoadSyndicate(MissingSyndicate missing = MissingSyndicate::Close);

// Whether rows 0 to 100 differ from the open syndicate's file as the last
// LoadSyndicate read it or the last SaveSyndicate wrote it.
bool SyndicateChanged();
// Puts rows 0 to 100 back as the file was last read or written: what a window
// closed without saving had changed is gone, so no later save writes it.
void DiscardSyndicateChanges();

// What the last LoadSyndicate could not read.
struct SyndicateProblem {
    QString file;
    // The first line that could not be read; 0 when the file could not be
    // opened at all.
    int line = 0;
    // The file ends before that line; every line it has was read whole.
    bool endsEarly = false;
    // Writing the table back would lose what could not be read: the file is
    // never written over.
    bool keepFile() const { return !endsEarly; }
    bool operator==(const SyndicateProblem&) const = default;
};
// No value when the open syndicate's file was read whole (or none is open).
const std::optional<SyndicateProblem>& SyndicateReadProblem();
// The problem of the last load, the first time a load meets it: loading the
// same file again with the same problem gives no value until another load
// read whole or met another problem.
std::optional<SyndicateProblem> TakeNewSyndicateProblem();
// Whether the file item 16 names could not be read and must not be written.
bool OpenSyndicateFileKept();

// Writes rows 0 to 100 to the file item 16 names, through a new file renamed
// over the old. True when written, and when no syndicate is open (nothing to
// write); false when the file could not be written (the old one is then
// whole), and when it could not be read when it was loaded (it is left as it
// is: OpenSyndicateFileKept()). error (when given) holds the system's reason
// for a failed write. What it wrote is then the table as stored.
bool SaveSyndicate(QString* error = nullptr);

// Empties rows 0 to 100 (row 101 keeps its content).
void ClearSyndicate();
// Empties every row, 101 included (tests).
void ResetSyndicate();

// A text as a syndicate file can hold it: a double quote becomes an
// apostrophe, each line break character a blank.
QString SyndicateText(const QString& text);
// A field as the members and diary files write it: the text in double quotes
// when it reads back so, else SyndicateText in double quotes.
QString SyndicateField(const QString& text);

// "SMembers." and the number in three digits.
QString MembersFileName(int number);
// Whether a name is "SMembers." followed by three digits.
bool IsMembersFileName(const QString& name);
// "Diary." and the number of a members file ("SMembers.004" gives
// "Diary.004"); empty for a name that is not a members file name.
QString DiaryFileName(const QString& membersFile);
// The lowest number from 000 to 099 whose members file and diary are both
// free in the current folder; no value when every one is taken.
std::optional<int> FreeSyndicateNumber();

// One stored syndicate, as the open and delete windows list it.
struct SyndicateListing {
    QString name; // the syndicate's name (the file name when it has none)
    QString file; // "SMembers.0nn"
};
// The syndicates numbered 000 to 099 in the current folder, by file name.
QList<SyndicateListing> ListSyndicates();

// The details of a new syndicate: row 0 fields 0 to 6 and its name.
struct SyndicateDetails {
    QString field[7]; // manager's name, address lines 1 to 4, phone, e-mail
    QString name;
};

enum class CreateResult { Created, NoFreeNumber, OpenNotSaved, NotWritten };
// Takes the free number, writes the open syndicate to its file (not one that
// could not be read: there is nothing of it in the table to save), fills row
// 0 from the details (each trimmed) and writes the new members file; item 16
// then names it and the settings are saved. On any failure item 16 and the
// table are as they were, and no file was written (error, when given, holds
// the system's reason for a failed write). Created when the settings could
// not be saved too: choiceNotSaved (when given) then holds why, as
// SaveSettings gives it; it is emptied when they were saved.
CreateResult CreateSyndicate(const SyndicateDetails& details, QString* error = nullptr,
                             QString* choiceNotSaved = nullptr);

// Makes the syndicate of that file the open one (item 16) and saves the
// settings. False when the name is not a members file name. choiceNotSaved
// (when given) holds why the settings could not be saved, as SaveSettings
// gives it, or nothing when they were.
bool ChooseSyndicate(const QString& membersFile, QString* choiceNotSaved = nullptr);

// Deletes a syndicate's members file and diary (a missing one is skipped),
// reloads the open syndicate (none when it was the one deleted) and saves the
// settings. False when a file could not be deleted.
bool DeleteSyndicateFiles(const QString& membersFile);
