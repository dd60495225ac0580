#pragma once
// Checking saved entries against the draws: each entry is compared with the
// draw of its own date in its own lottery's database file, and the entries
// are counted by how many numbers they matched, with and without the bonus
// number or extra ball.
//
// The rules here take plain values, so tests and the Show/Check window call
// them alike; the window only paints what they return.

#include "databases/DrawDatabase.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

// What a number cell of a checked entry shows.
enum class CellMark {
    None,  // white: no match
    Main,  // yellow: one of the draw's main numbers
    Bonus, // light red: the bonus number or the extra ball
};

// Items 1 to 8 are used: 1 to 7 main numbers, 8 the bonus number or extra
// ball (0 when none). Item 0 is unused.
using BallRow = std::array<int, 9>;

struct LottoResult {
    int mainMatches = 0;             // distinct main numbers of the entry that were drawn
    bool bonusMatch = false;         // the bonus number or the extra ball matched
    std::array<CellMark, 9> marks{}; // columns 1 to 8

    // Where the entry is counted: main matches, plus 10 with a bonus match.
    int countIndex() const { return mainMatches + (bonusMatch ? 10 : 0); }
};

// Compares one entry (numbers in items 1 to 8, 0 for an empty cell) with one
// draw. Only numbers of 1 or more ever match; a number repeated in the entry
// counts once. With a bonus ball, any main number of the entry equal to the
// draw's item 8 is a bonus match; with an extra ball, the entry's item 8
// equal to the draw's item 8 is.
LottoResult CheckLotto(const BallRow& entry, const BallRow& draw, const LotteryDefinition& lottery);

// One entry as the check reads it from a grid row or the file.
struct EntryToCheck {
    QString date;      // column 0
    BallRow numbers{}; // columns 1 to 8
    QString dbaseFile; // column 11
};

enum class EntryStatus {
    Checked, // its draw was found and it was counted
    NoDraw,  // no draw of its date (after the newest draw, or between draws)
    Skipped, // its database file is missing or unreadable, or its date is not a date
};

struct EntryOutcome {
    EntryStatus status = EntryStatus::NoDraw;
    // When Checked: one result per draw of its date (a night may hold two
    // draws), in file order, and the marks of the draw it matched best (most
    // main numbers, then the bonus; the first in the file on a tie).
    std::vector<LottoResult> results;
    std::array<CellMark, 9> marks{};
};

struct CheckSummary {
    // Every draw an entry met is counted: an entry dated on a night of two
    // draws counts once for each.
    std::array<int, 21> matchCounts{};
    std::vector<EntryOutcome> outcomes; // one per entry, in order
    int skipped = 0;                    // entries Skipped
    int noDraw = 0;                     // entries with NoDraw
    int severalDraws = 0;               // entries that met more than one draw
    // The largest balls drawn among the entries whose lottery could be read
    // (the bonus block of the report runs from it down to 0).
    int bonusBlockBalls = 0;
    // The header of the last entry's database that could be read.
    std::optional<DatabaseHeader> lastHeader;
    QString lastDbaseFile;
    bool stopped = false; // goOn stopped the check before its end
};

// True for a bare "dbase*.txt" name of the program folder: no folder part.
bool IsDatabaseFileName(const QString& name);

// The draws of one database file as the check uses them, newest first.
struct DrawFile {
    DatabaseHeader header;
    LotteryDefinition lottery;
    struct Draw {
        QDate date; // invalid when the line's date does not parse
        BallRow numbers{};
    };
    std::vector<Draw> draws;
    // Every dated line read stood on or before the dated line above it.
    bool newestFirst = true;
};

// Reads a database file for the check, its draws as every reader takes them
// (DrawFileReader), a line at a time; no value when the name is not a bare
// database name, the file cannot be read or its definition line is bad.
//
// Given dates, only the draws of those dates are kept, and reading stops at
// the first line dated before the oldest of them when no line further down is
// dated on or after it (a quick look at each line's date, a piece of the file
// at a time, tells); a hand-edited file with such a line is read to its end.
// Without dates every draw is kept and the whole file is read.
//
// goOn, when given, is called every few thousand lines read; when it answers
// false the reading stops and gives no value.
std::optional<DrawFile> ReadDrawFile(const QString& fileName, const std::set<QDate>& dates = {},
                                     const std::function<bool()>& goOn = {});

// The draws of a date: in a file read newest first, the lines of that date
// up to the first line dated before it; in any other, every line of that
// date. Lines whose date does not parse are passed over.
std::vector<const DrawFile::Draw*> FindDraws(const DrawFile& file, const QDate& date);

// Checks every entry against every draw of its date. Each database file is
// read once per call, and no further back than its oldest entry's date; only
// the draws of its entries' dates are kept.
//
// goOn, when given, is called after each entry and every few thousand lines
// read, so that a window can let its events run meanwhile; when it answers
// false the check stops there (summary.stopped).
CheckSummary CheckEntries(const std::vector<EntryToCheck>& entries, const std::function<bool()>& goOn = {});

// The report text: the main-match block for 7 down to 0, an empty line, the
// bonus block, each line ended by CR LF; then, after an empty line, a line
// for the entries skipped and a line for the entries without a draw on their
// date, each when there are any.
QString CheckReportText(const CheckSummary& summary);

// Checks numbers typed for one entry (texts in items 1 to 8, item 8 the extra
// ball) against a lottery: each main number 1 to its highest ball, the extra
// ball 1 to its highest extra ball, no main number twice. The first
// `requiredMain` main numbers must be given, and the extra ball when
// `extraRequired`; other boxes may stay empty. Boxes beyond the lottery's
// balls (and the extra ball of a lottery without one) are not looked at.
bool TypedEntryValid(const std::array<QString, 9>& texts, const LotteryDefinition& lottery, int requiredMain,
                     bool extraRequired);
