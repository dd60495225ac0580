#pragma once
// The lottery operators' result files, read into database files.
//
// Each operator publishes its draws in its own shape; a parser reads one such
// text into the whole database file (name line, web address line, definition
// line, then one draw line per draw, newest first). The text is split into
// lines before any field is read (CR LF, a lone CR or a lone LF end a line),
// so one row can never run into the next. Parsing never touches a file: the
// download windows write the database only when a parse succeeded with at
// least one draw, through a new file renamed over the old one.
//
// Main numbers must be whole numbers from 1 to 60 (the most a database line
// holds). When a draw holds a main number above the definition's highest
// number (operators widen their ranges), the definition line written takes
// the highest main number found, so the database describes its own draws;
// an extra ball (Powerball, Thunderball) above its highest widens that
// highest the same way, also up to 60, and a bonus ball, drawn from the main
// range, widens the highest main number.

#include "core/Settings.h"
#include "databases/DrawDatabase.h"

#include <QString>
#include <QStringList>
#include <optional>

// The scratch file each download writes its fetched text to.
inline const QString kDownloadScratchFile = QStringLiteral("Temp.txt");
// Texts shorter than these are no result file (an error page or nothing).
inline constexpr int kUKShortText = 1000;
inline constexpr int kOtherShortText = 500;
// The highest number a downloaded draw may hold.
inline constexpr int kHighestDownloadedNumber = 60;

// True when the locale reads "01/06/2005" day first and names that month
// "June": the region the UK files are read in.
bool ReadsDatesTheUKWay();

// A month-first date ("12/31/2005", "01-02-2005") in the program's medium
// date form, whatever order the locale reads: where it reads numeric dates
// day first, day and month change places before the date is read. No value
// when the text has fewer than two separators there, or does not read as a
// date.
std::optional<QString> GetDate(const QString& text);
// An Australian date, day first ("1 - 2 - 2005": the first of February), in
// the medium date form: '\' and '-' become '/', blanks go, and where the
// locale reads numeric dates month first, day and month change places. A
// year-first date is read as it stands. No value when it does not read as a
// date.
std::optional<QString> GetDateAU(const QString& text);

// What a parser made of a text.
struct ParsedResults {
    QStringList lines; // the whole database file; empty when refused
    int draws = 0;     // draw lines among them
    QString error;     // why the text was refused, for the player; empty when read
    // True when the database may be replaced with these lines.
    bool usable() const { return error.isEmpty() && draws > 0; }
};

// A timed progress line: the text, then the tenths of a second as seconds
// with one decimal ("Finished...12.3 sec"), no blank before the time.
QString TimedLine(const QString& text, int tenths);

// ---- The UK lotteries (index 0 to 4: Lotto, Thunderball, Daily Play,
// Lotto Extra, Hot Picks; names in settings items 40 to 44).

inline constexpr int kUKLotteries = kUKDownloads;
inline const QString kUKWebsite = QStringLiteral("http://www.national-lottery.co.uk");

// "dbase100.txt" to "dbase104.txt".
QString UKDatabaseFile(int i);
// The definition line written for lottery i ("6,49,0,0,1" for Lotto) before
// any widening.
LotteryDefinition UKDefinition(int i);
// The lines of a fetched UK text, as they go to the scratch file.
QStringList UKResultLines(const QString& text);
// Reads lottery i's result file: any fields that are not dates first (a
// heading), then one draw a line, newest first: the date, the numbers, for
// Lotto and Thunderball the bonus ball or Thunderball. The data ends at an
// empty line or the end of the text.
ParsedResults ParseUKResults(int i, const QString& name, const QString& text);

// ---- The other lotteries, in the order of their address items (63 to 71).

enum class OtherLottery {
    GoldLottoSat,   // Australian Gold Lotto, Saturday draw
    GoldLottoWed,   // Australian Gold Lotto, Wednesday draw
    AUPowerball,    // Australian Powerball
    OzLotto,        // Australian Oz Lotto
    SALotto,        // South African Lotto
    MegaMillions,   // US Mega Millions
    USPowerball,    // US Powerball
    SuperLottoPlus, // California SuperLotto Plus
    Fantasy5,       // California Fantasy 5
};
inline constexpr int kOtherLotteries = kOtherDownloads;

struct OtherLotteryInfo {
    QString file;       // "dbase063.txt" ...
    QString name;       // line 1
    QString website;    // line 2
    QString definition; // line 3 before any widening
    QString connecting; // progress line before the fetch
    QString processing; // after a usable fetch
    QString updated;    // after the file is written; empty when none
};
const OtherLotteryInfo& OtherLotteryOf(OtherLottery lottery);
inline SettingsItem AddressItemOf(OtherLottery lottery) { return OtherDownloadURL + int(lottery); }

// The lines of a fetched text after the operator's own edits, as they go to
// the scratch file (the parsers read the text as fetched): Mega Millions with ';' as ',', ':' as a blank, "Mega
// Ball" removed and the lines in reverse order (its file lists the oldest
// draw first); the California files with runs of blanks as one comma; the
// rest as they stand.
QStringList OtherResultLines(OtherLottery lottery, const QString& text);
// Reads a fetched text. The shapes:
// - South Africa and Australia: a heading line, then one draw a line: a first
//   field (ignored), the date, six numbers, for South Africa the bonus ball.
//   The Australian Powerball's sixth number is its Powerball (c8).
// - US Powerball: blank-separated tokens: a heading, then one draw a line:
//   the month-first date, five numbers, the Powerball.
// - Mega Millions: a heading line, then one draw a line, oldest first: the
//   month-first date, five numbers, the Mega Ball.
// - California: three heading lines, then one draw a line: a first column
//   (ignored), the month-first date, five numbers, for SuperLotto Plus its
//   extra number.
ParsedResults ParseOtherResults(OtherLottery lottery, const QString& text);

// How many draws a database file holds (its lines after the header that are
// not blank); -1 when it cannot be read.
int StoredDrawCount(const QString& file);

// Writes the parsed lines over the database file (a new file renamed over
// the old). False when the file could not be written, with the system's
// reason in error (when given); the old one then stays.
bool StoreResults(const QString& file, const ParsedResults& results, QString* error = nullptr);
