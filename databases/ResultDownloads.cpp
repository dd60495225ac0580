#include "databases/ResultDownloads.h"

#include "core/OpenLottery.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QLocale>
#include <QVarLengthArray>
#include <algorithm>
#include <array>

namespace {

// ---------------------------------------------------------------- dates

// The locale reads "01/06/2005" as the first of June.
std::optional<QDate> FirstOfJune() { return ParseDate(QStringLiteral("01/06/2005")); }

bool ReadsDayFirst()
{
    const auto date = FirstOfJune();
    return date && date->month() == 6;
}

bool DateSeparator(QChar c) { return c == u'/' || c == u'\\' || c == u'-'; }

// The date with '\' and '-' as '/' and, with `dropBlanks`, no blanks; with
// `swap`, day and month change places ("12/31/2005" becomes "31/12/2005")
// and what follows the second separator is carried over. A year-first date
// ("2005/12/31") is not swapped. No value when a swap finds fewer than two
// separators.
std::optional<QString> Slashed(QStringView text, bool swap, bool dropBlanks = false)
{
    qsizetype first = -1;
    qsizetype second = -1;
    qsizetype firstDigits = 0; // characters before the first separator, blanks aside
    for (qsizetype i = 0; i < text.size() && second < 0; ++i) {
        if (DateSeparator(text[i]))
            (first < 0 ? first : second) = i;
        else if (first < 0 && !(dropBlanks && text[i] == u' '))
            ++firstDigits;
    }
    QString out;
    out.reserve(text.size());
    const auto append = [&](QStringView part) {
        for (QChar c : part) {
            if (dropBlanks && c == u' ')
                continue;
            out += DateSeparator(c) ? QChar(u'/') : c;
        }
    };
    if (swap) {
        if (second < 0)
            return std::nullopt;
        if (firstDigits <= 2) {
            append(text.mid(first + 1, second - first - 1));
            out += u'/';
            append(text.left(first));
            out += u'/';
            text = text.mid(second + 1);
        }
    }
    append(text);
    return out;
}

std::optional<QString> Medium(const QString& text)
{
    const auto date = ParseDate(text);
    if (!date)
        return std::nullopt;
    return MediumDate(*date);
}
std::optional<QString> Medium(QStringView text)
{
    const auto date = ParseDate(text.toString());
    if (!date)
        return std::nullopt;
    return MediumDate(*date);
}

// GetDate and GetDateAU with the locale's order read once by the caller.
std::optional<QString> MonthFirstDate(QStringView text, bool dayFirstLocale)
{
    const auto date = Slashed(text.trimmed(), dayFirstLocale);
    return date ? Medium(*date) : std::nullopt;
}

std::optional<QString> AustralianDate(QStringView text, bool dayFirstLocale)
{
    auto date = Slashed(text, !dayFirstLocale, true);
    if (!date)
        date = Slashed(text, false, true);
    return Medium(*date);
}

// ---------------------------------------------------------------- lines and fields

using Lines = QList<QStringView>;
using Fields = QVarLengthArray<QStringView, 16>;

// The lines of a text: CR LF, a lone CR or a lone LF end a line.
Lines LinesOf(QStringView text)
{
    Lines lines;
    lines.reserve(text.size() / 32 + 1);
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

// Comma-separated fields, read as every file of the program is read: blanks
// before a field are skipped; a field in double quotes runs to the next
// double quote and may hold commas; otherwise it ends at the next comma. A
// comma at the end of the line leaves an empty last field.
void CommaFields(QStringView line, Fields& out)
{
    out.clear();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t'))
            ++i;
        if (i < n && line[i] == u'"') {
            const qsizetype start = ++i;
            while (i < n && line[i] != u'"')
                ++i;
            out << line.mid(start, i - start);
            while (i < n && line[i] != u',')
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',')
                ++i;
            out << line.mid(start, i - start);
        }
        if (i < n) {
            ++i; // the comma
            if (i == n)
                out << QStringView();
        }
    }
}

// The tokens of a line between blanks (and commas, which the operators'
// blank-separated files may hold in place of blanks).
void Tokens(QStringView line, Fields& out)
{
    out.clear();
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto separator = [](QChar c) { return c == u' ' || c == u'\t' || c == u','; };
    while (i < n) {
        while (i < n && separator(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && !separator(line[i]))
            ++i;
        if (i > start)
            out << line.mid(start, i - start);
    }
}

bool Blank(QStringView line) { return line.trimmed().isEmpty(); }

// The index of the text's last line when no line end follows it, else -1. A
// text that stops there may have been cut inside that line's last number.
qsizetype UnendedLine(QStringView text, const Lines& lines)
{
    if (text.isEmpty() || text.back() == u'\r' || text.back() == u'\n')
        return -1;
    return lines.size() - 1;
}

// A row that holds nothing but blanks (and commas) ends the data.
bool EmptyRow(const Fields& fields) { return fields.isEmpty() || fields[0].trimmed().isEmpty(); }

// The last line of the text holding a single field ends the data, as the
// end of the text does.
bool LastLoneField(const Lines& lines, qsizetype at, const Fields& fields)
{
    if (fields.size() != 1)
        return false;
    for (qsizetype k = at + 1; k < lines.size(); ++k)
        if (!Blank(lines[k]))
            return false;
    return true;
}

// ---------------------------------------------------------------- rows

const QString kNoDraw = QStringLiteral("No draw was found in the downloaded text.");
constexpr QStringView kZero = u"0";

// The numbers of one draw line, c1 to c8, as views of the text.
using Columns = std::array<QStringView, 8>;
Columns ZeroColumns() { return {kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero}; }

// Builds the database file while the draws are read.
class Builder {
public:
    Builder(const QString& name, const QString& website, const LotteryDefinition& definition, qsizetype rows)
        : definition_(definition)
    {
        result_.lines.reserve(rows + 3);
        result_.lines << name << website << QString();
    }
    // A failure for the player, naming the line of the text (from 1).
    void fail(qsizetype line, const QString& why)
    {
        result_.error = QStringLiteral("Line %1 of the downloaded text: %2").arg(line + 1).arg(why);
    }
    // A row that is no draw: before the first draw the text holds none.
    void notADate(qsizetype line, QStringView field)
    {
        if (result_.draws == 0)
            result_.error = kNoDraw;
        else
            fail(line, QStringLiteral("\"%1\" is not a date.").arg(field.trimmed()));
    }
    void tooFew(qsizetype line) { fail(line, QStringLiteral("the draw holds too few numbers.")); }
    bool failed() const { return !result_.error.isEmpty(); }

    // A main number: a whole number from 1 to the highest a line holds.
    bool mainNumber(qsizetype line, QStringView field, QStringView& out)
    {
        const int value = numberOf(line, field, 1, out);
        highest_ = std::max(highest_, value);
        return value > 0;
    }
    // The bonus ball or extra ball: a whole number from 0.
    bool extraNumber(qsizetype line, QStringView field, QStringView& out)
    {
        const int value = numberOf(line, field, 0, out);
        highestExtra_ = std::max(highestExtra_, value);
        return value >= 0;
    }

    // A draw line: the date, then c1 to c8.
    void add(const QString& date, const Columns& c)
    {
        QString line;
        line.reserve(date.size() + 8 * 3);
        line += date;
        for (QStringView n : c) {
            line += u',';
            line += n;
        }
        result_.lines << std::move(line);
        ++result_.draws;
    }

    ParsedResults finish()
    {
        if (!failed() && result_.draws == 0)
            result_.error = kNoDraw;
        if (failed()) {
            result_.lines.clear();
            result_.draws = 0;
            return std::move(result_);
        }
        LotteryDefinition written = definition_;
        written.maxBall = std::max(written.maxBall, highest_);
        // A separately drawn extra ball widens its own range; a bonus ball
        // comes from the main range, so it widens that range, or every reader
        // would take it for no number.
        if (written.extraBallMax > 0)
            written.extraBallMax = std::max(written.extraBallMax, highestExtra_);
        else if (written.hasBonusBall > 0)
            written.maxBall = std::max(written.maxBall, highestExtra_);
        result_.lines[2] = written.toLine();
        return std::move(result_);
    }

private:
    // The field's number (digits only, blanks around allowed) when it lies
    // from `least` to 60, its digits in `out`; else -1 and the failure.
    int numberOf(qsizetype line, QStringView field, int least, QStringView& out)
    {
        const QStringView digits = field.trimmed();
        // Four digits at most (leading zeros allowed), so the value stays small.
        bool ok = !digits.isEmpty() && digits.size() <= 4;
        int value = 0;
        for (qsizetype k = 0; ok && k < digits.size(); ++k) {
            const QChar c = digits[k];
            ok = c >= u'0' && c <= u'9';
            if (ok)
                value = value * 10 + (c.unicode() - u'0');
        }
        if (!ok || value < least || value > kHighestDownloadedNumber) {
            fail(line,
                 QStringLiteral("\"%1\" is not a number from %2 to %3.")
                     .arg(digits)
                     .arg(least)
                     .arg(kHighestDownloadedNumber));
            return -1;
        }
        out = digits;
        return value;
    }

    ParsedResults result_;
    LotteryDefinition definition_;
    int highest_ = 0;      // the highest main number read
    int highestExtra_ = 0; // the highest bonus or extra ball read
};

// Digits without their leading zeros ("07" is "7", "00" is "0").
QStringView PlainDigits(QStringView digits)
{
    while (digits.size() > 1 && digits[0] == u'0')
        digits = digits.mid(1);
    return digits;
}

// ---------------------------------------------------------------- UK

struct UKShape {
    const char* definition;
    int numbers;    // main numbers copied, into c1 onwards
    int extraField; // column of the bonus or Thunderball (7 or 8), 0 when none
};
constexpr std::array<UKShape, kUKLotteries> kUKShapes = {{
    {"6,49,0,0,1", 6, 8},  // Lotto: bonus ball in c8
    {"5,34,1,14,0", 5, 8}, // Thunderball: the Thunderball in c8
    {"7,27,0,0,0", 7, 0},  // Daily Play
    {"6,49,0,0,0", 6, 0},  // Lotto Extra
    {"4,49,0,0,0", 6, 0},  // Hot Picks: the six numbers drawn, while players pick four
}};

// ---------------------------------------------------------------- others

const std::array<OtherLotteryInfo, kOtherLotteries>& OtherTable()
{
    static const QString au = QStringLiteral("http://www.thelott.com");
    static const QString ca = QStringLiteral("http://www.calottery.com");
    static const QString connecting = QStringLiteral("Connecting to lottery website...");
    static const QString processing = QStringLiteral("Processing lottery draws data...");
    static const std::array<OtherLotteryInfo, kOtherLotteries> table = {{
        {"dbase063.txt", "AU Gold Lotto (Sat)", au, "6,45,1,0,0", connecting, processing,
         "Updated Au Gold Lotto database..."},
        {"dbase064.txt", "AU Gold Lotto (Wed)", au, "6,45,1,0,0", connecting, processing,
         "Updated Au Gold Lotto database..."},
        {"dbase065.txt", "AU Powerball", au, "5,45,1,45,0", connecting, processing, "Updated Au Powerball database..."},
        {"dbase066.txt", "AU Oz Lotto", au, "6,45,1,0,0", connecting, processing, "Updated Au Oz Lotto database..."},
        {"dbase067.txt", "South Africa Lotto", "http://www.nationallottery.co.za", "6,49,1,0,1", connecting, processing,
         "Updated SA Lotto database..."},
        {"dbase068.txt", "US Mega Millions", "http://www.megamillions.com", "5,52,1,52,0",
         "Connecting to Mega Millions...", "Processing Mega Millions data...", ""},
        {"dbase069.txt", "US Powerball", "http://www.powerball.com", "5,53,1,42,0", "Connecting to Powerball site...",
         "Processing Powerball data...", "Updated Powerball database..."},
        {"dbase070.txt", "CA SuperLotto Plus", ca, "5,47,1,27,0", "Connecting to SuperLotto Plus...",
         "Processing SuperLotto Plus data...", "Updated SuperLotto Plus database..."},
        {"dbase071.txt", "CA Fantasy 5", ca, "5,39,1,0,0", "Connecting to Fantasy 5 Plus...",
         "Processing Fantasy 5 data...", ""},
    }};
    return table;
}

Builder BuilderFor(OtherLottery lottery, qsizetype rows)
{
    const OtherLotteryInfo& info = OtherLotteryOf(lottery);
    return Builder(info.name, info.website, *ParseDefinition(info.definition), rows);
}

// South Africa and Australia: a heading line, then a first field, the date,
// six numbers and for South Africa the bonus ball.
ParsedResults ParseSixNumberRows(OtherLottery lottery, QStringView text)
{
    const Lines lines = LinesOf(text);
    Builder out = BuilderFor(lottery, lines.size());
    const bool sa = lottery == OtherLottery::SALotto;
    const bool powerball = lottery == OtherLottery::AUPowerball;
    const bool dayFirst = ReadsDayFirst();
    const qsizetype unended = UnendedLine(text, lines);
    const qsizetype needed = sa ? 9 : 8;
    Fields fields;
    for (qsizetype at = 1; at < lines.size() && !out.failed(); ++at) {
        CommaFields(lines[at], fields);
        if (EmptyRow(fields) || LastLoneField(lines, at, fields))
            break;
        // An unended last line counts only when a further field shows its
        // last number whole.
        if (at == unended && fields.size() <= needed)
            break;
        const QStringView dateField = fields.size() > 1 ? fields[1] : QStringView();
        const auto date = sa ? Medium(dateField) : AustralianDate(dateField, dayFirst);
        if (!date) {
            out.notADate(at, dateField);
            break;
        }
        if (fields.size() < needed) {
            out.tooFew(at);
            break;
        }
        Columns c = ZeroColumns();
        bool ok = true;
        for (int k = 0; k < 6 && ok; ++k) {
            // The Australian Powerball's sixth number is its Powerball.
            if (powerball && k == 5)
                ok = out.extraNumber(at, fields[2 + k], c[kExtraBallColumn - kFirstNumberColumn]);
            else
                ok = out.mainNumber(at, fields[2 + k], c[k]);
        }
        if (ok && sa)
            ok = out.extraNumber(at, fields[8], c[kExtraBallColumn - kFirstNumberColumn]);
        if (ok)
            out.add(*date, c);
    }
    return out.finish();
}

// US Powerball: blank-separated tokens; the first line whose first token is
// a month-first date starts the draws.
ParsedResults ParsePowerball(QStringView text)
{
    const Lines lines = LinesOf(text);
    Builder out = BuilderFor(OtherLottery::USPowerball, lines.size());
    const bool dayFirst = ReadsDayFirst();
    // A last line with no line end after it is never used: nothing shows
    // that its Powerball arrived whole.
    const qsizetype unended = UnendedLine(text, lines);
    bool started = false;
    Fields tokens;
    for (qsizetype at = 0; at < lines.size() && at != unended && !out.failed(); ++at) {
        Tokens(lines[at], tokens);
        // A line of one token is never a draw's first.
        const auto date = tokens.size() > 1 ? MonthFirstDate(tokens[0], dayFirst) : std::nullopt;
        if (!started) {
            started = date.has_value();
            if (!started)
                continue;
        }
        if (tokens.isEmpty() || LastLoneField(lines, at, tokens))
            break;
        if (!date) {
            out.notADate(at, tokens[0]);
            break;
        }
        if (tokens.size() < 7) {
            out.tooFew(at);
            break;
        }
        Columns c = ZeroColumns();
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k)
            ok = out.mainNumber(at, tokens[1 + k], c[k]);
        if (ok)
            ok = out.extraNumber(at, tokens[6], c[kExtraBallColumn - kFirstNumberColumn]);
        if (!ok)
            break;
        // Written in plain digits: 07 becomes 7.
        for (QStringView& n : c)
            n = PlainDigits(n);
        out.add(*date, c);
    }
    return out.finish();
}

// Mega Millions after its edits: read from the last line up, lines that are
// not draws come first (the end of the source), then the draws newest first,
// then the heading. A draw above the heading means a line among the draws is
// not one.
ParsedResults ParseMegaMillions(QStringView text)
{
    Lines lines = LinesOf(text);
    // Its newest draw comes last: with no line end after it, its Mega Ball may
    // have been cut, so that line is not used.
    if (UnendedLine(text, lines) >= 0)
        lines.removeLast();
    std::reverse(lines.begin(), lines.end());
    Builder out = BuilderFor(OtherLottery::MegaMillions, lines.size());
    const bool dayFirst = ReadsDayFirst();
    const auto sourceLine = [&](qsizetype at) { return lines.size() - 1 - at; };
    Fields fields;
    const auto dateOf = [&](QStringView line) -> std::optional<QString> {
        CommaFields(line, fields);
        return fields.isEmpty() ? std::nullopt : MonthFirstDate(fields[0], dayFirst);
    };
    qsizetype at = 0;
    while (at < lines.size() && !dateOf(lines[at]))
        ++at;
    for (; at < lines.size() && !out.failed(); ++at) {
        const auto date = dateOf(lines[at]);
        if (!date)
            break;
        if (fields.size() < 7) {
            out.tooFew(sourceLine(at));
            break;
        }
        Columns c = ZeroColumns();
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k)
            ok = out.mainNumber(sourceLine(at), fields[1 + k], c[k]);
        if (ok)
            ok = out.extraNumber(sourceLine(at), fields[6], c[kExtraBallColumn - kFirstNumberColumn]);
        if (ok)
            out.add(*date, c);
    }
    // Only the heading may stand above the oldest draw.
    for (qsizetype k = at + 1; k < lines.size() && !out.failed(); ++k) {
        if (!dateOf(lines[k]))
            continue;
        const QStringView stray = lines[at].trimmed();
        out.fail(sourceLine(at),
                 stray.isEmpty() ? QStringLiteral("an empty line stands among the draws.")
                                 : QStringLiteral("\"%1\" stands among the draws.").arg(stray));
    }
    return out.finish();
}

// California: three heading lines, then blank-separated columns: a first
// column, the date, five numbers and for SuperLotto Plus its extra number.
ParsedResults ParseCalifornia(OtherLottery lottery, QStringView text)
{
    const Lines lines = LinesOf(text);
    Builder out = BuilderFor(lottery, lines.size());
    const bool extra = lottery == OtherLottery::SuperLottoPlus;
    const bool dayFirst = ReadsDayFirst();
    const qsizetype unended = UnendedLine(text, lines);
    const qsizetype needed = extra ? 8 : 7;
    Fields fields;
    for (qsizetype at = 3; at < lines.size() && !out.failed(); ++at) {
        Tokens(lines[at], fields);
        if (fields.isEmpty() || LastLoneField(lines, at, fields))
            break;
        // An unended last line counts only when a further column shows its
        // last number whole.
        if (at == unended && fields.size() <= needed)
            break;
        const QStringView dateField = fields.size() > 1 ? fields[1] : QStringView();
        const auto date = MonthFirstDate(dateField, dayFirst);
        if (!date) {
            out.notADate(at, dateField);
            break;
        }
        if (fields.size() < needed) {
            out.tooFew(at);
            break;
        }
        Columns c = ZeroColumns();
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k)
            ok = out.mainNumber(at, fields[2 + k], c[k]);
        if (ok && extra)
            ok = out.extraNumber(at, fields[7], c[kExtraBallColumn - kFirstNumberColumn]);
        if (ok)
            out.add(*date, c);
    }
    return out.finish();
}

// Mega Millions' edits: ';' becomes ',', ':' a blank, and "Mega Ball" goes.
QString MegaMillionsEdited(const QString& text)
{
    QString edited = text;
    edited.replace(u';', u',');
    edited.replace(u':', u' ');
    for (const char* words : {"Mega Ball", "mega ball", "MEGA BALL"})
        edited.remove(QLatin1String(words));
    return edited;
}

} // namespace

// ---------------------------------------------------------------- public

bool ReadsDatesTheUKWay()
{
    const auto date = FirstOfJune();
    return date && QLocale().monthName(date->month(), QLocale::LongFormat) == QStringLiteral("June");
}

std::optional<QString> GetDate(const QString& text) { return MonthFirstDate(text, ReadsDayFirst()); }

std::optional<QString> GetDateAU(const QString& text) { return AustralianDate(text, ReadsDayFirst()); }

QString TimedLine(const QString& text, int tenths)
{
    tenths = std::max(tenths, 0);
    return text + QString::number(tenths / 10) + QLocale().decimalPoint() + QString::number(tenths % 10)
        + QStringLiteral(" sec");
}

QString UKDatabaseFile(int i) { return QStringLiteral("dbase10%1.txt").arg(i); }

LotteryDefinition UKDefinition(int i)
{
    return *ParseDefinition(QString::fromLatin1(kUKShapes.at(std::size_t(i)).definition));
}

QStringList UKResultLines(const QString& text) { return SplitLines(text); }

ParsedResults ParseUKResults(int i, const QString& name, const QString& text)
{
    const UKShape& shape = kUKShapes.at(std::size_t(i));
    const Lines lines = LinesOf(text);
    Builder out(name, kUKWebsite, UKDefinition(i), lines.size());

    // The first field that is a date starts the first draw; the fields before
    // it are a heading.
    qsizetype at = 0;
    Fields fields;
    for (; at < lines.size(); ++at) {
        CommaFields(lines[at], fields);
        const auto first = std::find_if(fields.begin(), fields.end(),
                                        [](QStringView f) { return ParseDate(f.toString()).has_value(); });
        if (first != fields.end()) {
            fields.erase(fields.begin(), first);
            break;
        }
    }
    const int needed = 1 + shape.numbers + (shape.extraField ? 1 : 0);
    const qsizetype unended = UnendedLine(text, lines);
    while (at < lines.size() && !out.failed()) {
        if (EmptyRow(fields))
            break;
        // An unended last line counts only when a further field shows its
        // last number whole.
        if (at == unended && fields.size() <= needed)
            break;
        const auto date = ParseDate(fields[0].toString());
        if (!date) {
            out.notADate(at, fields[0]);
            break;
        }
        if (fields.size() < needed) {
            out.tooFew(at);
            break;
        }
        Columns c = ZeroColumns();
        bool ok = true;
        for (int k = 0; k < shape.numbers && ok; ++k)
            ok = out.mainNumber(at, fields[1 + k], c[k]);
        if (ok && shape.extraField)
            ok = out.extraNumber(at, fields[1 + shape.numbers], c[kExtraBallColumn - kFirstNumberColumn]);
        if (!ok)
            break;
        out.add(MediumDate(*date), c);
        if (++at < lines.size())
            CommaFields(lines[at], fields);
    }
    return out.finish();
}

const OtherLotteryInfo& OtherLotteryOf(OtherLottery lottery) { return OtherTable().at(std::size_t(lottery)); }

QStringList OtherResultLines(OtherLottery lottery, const QString& text)
{
    switch (lottery) {
    case OtherLottery::MegaMillions: {
        QStringList lines = SplitLines(MegaMillionsEdited(text));
        std::reverse(lines.begin(), lines.end());
        return lines;
    }
    case OtherLottery::SuperLottoPlus:
    case OtherLottery::Fantasy5: {
        QStringList lines = SplitLines(text);
        for (QString& line : lines)
            line = line.simplified().replace(u' ', u',');
        return lines;
    }
    default: return SplitLines(text);
    }
}

ParsedResults ParseOtherResults(OtherLottery lottery, const QString& text)
{
    switch (lottery) {
    case OtherLottery::MegaMillions: {
        const QString edited = MegaMillionsEdited(text);
        return ParseMegaMillions(edited);
    }
    case OtherLottery::USPowerball: return ParsePowerball(text);
    case OtherLottery::SuperLottoPlus:
    case OtherLottery::Fantasy5: return ParseCalifornia(lottery, text);
    default: return ParseSixNumberRows(lottery, text);
    }
}

int StoredDrawCount(const QString& file)
{
    DrawFileReader reader(file);
    if (!reader.isOpen())
        return -1;
    int draws = 0;
    while (reader.next())
        ++draws;
    return draws;
}

bool StoreResults(const QString& file, const ParsedResults& results, QString* error)
{
    return results.usable() && WriteLines(file, results.lines, error);
}
