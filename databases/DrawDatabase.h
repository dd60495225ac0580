#pragma once
// The lottery database file: name line, web address line, definition line
// ("6,49,0,0,1"), then one draw line per draw, newest first:
// date,c1,c2,c3,c4,c5,c6,c7,c8.

#include "platform/TextFile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct LotteryDefinition {
    int ballsDrawn = 0;   // main numbers per draw, 1 to 7
    int maxBall = 0;      // highest main number, 1 to 120
    int headerValue3 = 0; // carried, never used by a rule
    int extraBallMax = 0; // highest extra ball, 0 when none (0 to 120)
    int hasBonusBall = 0; // 1 when a bonus ball is drawn from the main range

    // The definition line as written: "6,49,0,0,1".
    QString toLine() const;
    // True when every value is in its range.
    bool valid() const;
};

// Reads a definition line; no value when it does not hold five numbers.
std::optional<LotteryDefinition> ParseDefinition(const QString& line);

// The first three lines of a database file.
struct DatabaseHeader {
    QString name;
    QString website;
    QString definitionLine;
    std::optional<LotteryDefinition> definition; // empty when unreadable
};

// Reads the three header lines of a database file, and nothing after them;
// no value when the file cannot be opened.
std::optional<DatabaseHeader> ReadDatabaseHeader(const QString& fileName);

// One draw line as every reader of a database file takes it.
struct StoredDraw {
    QString date;                 // the date field's text, blanks around it dropped
    std::array<int, 9> numbers{}; // c1 to c8 in items 1 to 8
    bool operator==(const StoredDraw&) const = default;
};

// Which lines after the header hold draws: one rule for every reader and
// rewriter of a database file (the loader, the history, the saved-entries
// check, the insert, update and delete rewrites). A line that holds nothing
// but blanks and byte-order marks holds no draw; byte-order marks and blanks
// before a draw line's date are not part of it.
bool IsDrawLine(QStringView line);
// The line as its fields are read: what comes before its first field dropped.
QStringView DrawLineText(QStringView line);

// Reads a line after the header: the date field, then c1 to c8, fields as the
// file's field rule reads them (blanks before a field skipped, a field in
// double quotes may hold commas); each number is its field's leading number,
// 0 when it has none or is negative. No value for a line that holds no draw
// (IsDrawLine): every reader passes over it. Given the lottery, a number outside
// its range reads as 0 as well: c1 to c7 outside 1 to its highest ball, c8
// outside 1 to its extra ball's highest (or its highest ball when it has no
// extra ball).
std::optional<StoredDraw> ReadDrawLine(QStringView line, const LotteryDefinition* lottery = nullptr);

// A database file read from the top: its header, then its draws newest first
// (ReadDrawLine, with the lottery's ranges when its definition line is
// valid), one at a time, so a reader reads no further than the draws it
// takes. A line longer than the line reader takes (LineReader::kMaxLineBytes)
// cannot be read: it holds no draw for any reader or rewrite, which copy it
// as it stands.
class DrawFileReader {
public:
    explicit DrawFileReader(const QString& fileName);
    bool isOpen() const { return lines_.isOpen(); }
    const DatabaseHeader& header() const { return header_; }
    // The definition line, when it is readable and in range.
    const std::optional<LotteryDefinition>& lottery() const { return lottery_; }
    // The next draw; no value at the end of the file.
    std::optional<StoredDraw> next();

private:
    LineReader lines_;
    DatabaseHeader header_;
    std::optional<LotteryDefinition> lottery_;
};

// Sets the open lottery's header values (DbaseFile, LotteryName,
// LotteryWebsite and the five definition values) from a database file without
// touching Draws. False when the file cannot be read or the definition is
// out of range.
bool ReadOpenLotteryHeader(const QString& fileName);

// A new draw line: the date as "dd MMM yy", then the eight number texts
// joined by commas.
QString FormatDrawLine(const QDate& date, const QStringList& numbers);

// The date field of a draw line, as ReadDrawLine reads it.
QString DrawLineDate(const QString& line);

// Result of a rewrite.
enum class RewriteResult { Done, CannotRead, BadDate, CannotWrite };

// Places the new draw line among a database file's lines (header first)
// before the first line dated on or before `date`; a date older than every
// line goes last, and a file with no draw line takes the new line after its
// header. A date in the file that does not parse is refused (BadDate), as is
// a file shorter than its header (CannotRead); the lines are then unchanged.
RewriteResult InsertDrawByDate(QStringList& lines, const QString& line, const QDate& date);
// The same on the database file itself, read a line at a time and rewritten
// through a new file only when the line was placed (RewriteDraws), so a
// refusal leaves it untouched. A failed write gives CannotWrite and the
// system's reason in error.
RewriteResult InsertDrawByDate(const QString& database, const QString& line, const QDate& date,
                               QString* error = nullptr);

// Drops the k-th draw line (k from 1, the newest) from a database file's
// lines; lines that hold no draw stay as they stand. Returns how many draw
// lines there were.
int RemoveDrawLine(QStringList& lines, int k);
// Copies source to target without its k-th draw line. Returns how many draw
// lines source held, or -1 when it could not be read or target could not be
// written (error, when given, then says why). Source and target may be the
// same file.
int RemoveDrawLine(const QString& source, const QString& target, int k, QString* error = nullptr);

// One pass over a database file, a line at a time, written to target through
// one whole-or-nothing write (source and target may be the same file): the
// header as it stands, then the draw lines without draw line `remove` (none
// when 0) and with `newLine`, when given, placed by `date` as
// InsertDrawByDate places it. Lines that hold no draw stay where they stand,
// but blank lines at the end are dropped. A refusal (CannotRead for a file
// that cannot be opened or, for an insertion, is shorter than its header;
// BadDate) or a failed write (CannotWrite, the system's reason in error)
// leaves target untouched. `draws` counts the draw lines read.
struct DrawChange {
    int remove = 0;
    QString newLine; // null: nothing is inserted
    QDate date;
};
struct DrawRewrite {
    RewriteResult result;
    int draws;
};
DrawRewrite RewriteDraws(const QString& source, const QString& target, const DrawChange& change,
                         QString* error = nullptr);

// The smallest n from 1 up for which "dbase<n>.txt" does not exist.
QString NextDatabaseFileName();
