#include "databases/ResultDownloads.h"

#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QLocale>
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

// Day and month of a numeric date change places ("12/31/2005" becomes
// "31/12/2005"); what follows the second '/' is carried over. A year-first
// date ("2005/12/31") is left as it stands. No value with fewer than two '/'.
std::optional<QString> SwapDayAndMonth(const QString& text)
{
    const qsizetype first = text.indexOf(u'/');
    if (first < 0)
        return std::nullopt;
    const qsizetype second = text.indexOf(u'/', first + 1);
    if (second < 0)
        return std::nullopt;
    if (first > 2)
        return text;
    return text.mid(first + 1, second - first - 1) + u'/' + text.left(first) + u'/' + text.mid(second + 1);
}

QString Slashed(QString text)
{
    text.replace(u'\\', u'/');
    text.replace(u'-', u'/');
    return text;
}

std::optional<QString> Medium(const QString& text)
{
    const auto date = ParseDate(text);
    if (!date)
        return std::nullopt;
    return MediumDate(*date);
}

// ---------------------------------------------------------------- rows

const QString kNoDraw = QStringLiteral("No draw was found in the downloaded text.");

// Builds the database file while the draws are read.
class Builder {
public:
    Builder(const QString& name, const QString& website, const LotteryDefinition& definition) : definition_(definition)
    {
        result_.lines << name << website << QString();
    }
    // A failure for the player, naming the line of the text (from 1).
    void fail(qsizetype line, const QString& why)
    {
        result_.error = QStringLiteral("Line %1 of the downloaded text: %2").arg(line + 1).arg(why);
    }
    // A row that is no draw: before the first draw the text holds none.
    void notADate(qsizetype line, const QString& field)
    {
        if (result_.draws == 0)
            result_.error = kNoDraw;
        else
            fail(line, QStringLiteral("\"%1\" is not a date.").arg(field.trimmed()));
    }
    bool failed() const { return !result_.error.isEmpty(); }

    // A main number: a whole number from 1 to the highest a line holds.
    bool mainNumber(qsizetype line, QStringView field, QString& out)
    {
        const int value = numberOf(line, field, 1, out);
        if (value > highest_)
            highest_ = value;
        return value > 0;
    }
    // The bonus ball or extra ball: a whole number from 0.
    bool extraNumber(qsizetype line, QStringView field, QString& out) { return numberOf(line, field, 0, out) >= 0; }

    void add(QString line)
    {
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
        result_.lines[2] = written.toLine();
        return std::move(result_);
    }

private:
    // The field's number (digits only, blanks around allowed) when it lies
    // from `least` to 60, its digits in `out`; else -1 and the failure.
    int numberOf(qsizetype line, QStringView field, int least, QString& out)
    {
        const QStringView digits = field.trimmed();
        bool ok = !digits.isEmpty() && digits.size() <= 4;
        int value = 0;
        for (QChar c : digits) {
            if (c < u'0' || c > u'9') {
                ok = false;
                break;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (!ok || value < least || value > kHighestDownloadedNumber) {
            fail(line,
                 QStringLiteral("\"%1\" is not a number from %2 to %3.")
                     .arg(field.trimmed().toString())
                     .arg(least)
                     .arg(kHighestDownloadedNumber));
            return -1;
        }
        out = digits.toString();
        return value;
    }

    ParsedResults result_;
    LotteryDefinition definition_;
    int highest_ = 0;
};

QString TooFewFields() { return QStringLiteral("the draw holds too few numbers."); }

// A line that holds nothing but blanks (and commas) ends the data.
bool EmptyRow(const QStringList& fields) { return fields.isEmpty() || fields[0].trimmed().isEmpty(); }

// The last line of the text holding a single field ends the data, as the
// end of the text does.
bool LastLoneField(const QStringList& lines, qsizetype at, const QStringList& fields)
{
    if (fields.size() != 1)
        return false;
    for (qsizetype k = at + 1; k < lines.size(); ++k)
        if (!lines[k].trimmed().isEmpty())
            return false;
    return true;
}

// A draw line: the date, then c1 to c8.
QString DrawLineOf(const QString& date, const std::array<QString, 8>& c)
{
    QString line;
    line.reserve(date.size() + 32);
    line += date;
    for (const QString& n : c) {
        line += u',';
        line += n;
    }
    return line;
}

const QString kZero = QStringLiteral("0");

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

Builder BuilderFor(OtherLottery lottery)
{
    const OtherLotteryInfo& info = OtherLotteryOf(lottery);
    return Builder(info.name, info.website, *ParseDefinition(info.definition));
}

// South Africa and Australia: a heading line, then a first field, the date,
// six numbers and for South Africa the bonus ball.
ParsedResults ParseSixNumberRows(OtherLottery lottery, const QStringList& lines)
{
    Builder out = BuilderFor(lottery);
    const bool sa = lottery == OtherLottery::SALotto;
    const bool powerball = lottery == OtherLottery::AUPowerball;
    for (qsizetype at = 1; at < lines.size() && !out.failed(); ++at) {
        const QStringList fields = SplitFields(lines[at]);
        if (EmptyRow(fields) || LastLoneField(lines, at, fields))
            break;
        const QString dateField = fields.value(1);
        const auto date = sa ? Medium(dateField) : GetDateAU(dateField);
        if (!date) {
            out.notADate(at, dateField);
            break;
        }
        if (fields.size() < (sa ? 9 : 8)) {
            out.fail(at, TooFewFields());
            break;
        }
        std::array<QString, 8> c = {kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero};
        bool ok = true;
        for (int k = 0; k < 6 && ok; ++k) {
            // The Australian Powerball's sixth number is its Powerball.
            if (powerball && k == 5)
                ok = out.extraNumber(at, fields[2 + k], c[7]);
            else
                ok = out.mainNumber(at, fields[2 + k], c[k]);
        }
        if (ok && sa)
            ok = out.extraNumber(at, fields[8], c[7]);
        if (ok)
            out.add(DrawLineOf(*date, c));
    }
    return out.finish();
}

// The tokens of a line, split at blanks.
QList<QStringView> Tokens(QStringView line)
{
    QList<QStringView> tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t'))
            ++i;
        const qsizetype start = i;
        while (i < n && line[i] != u' ' && line[i] != u'\t')
            ++i;
        if (i > start)
            tokens << line.mid(start, i - start);
    }
    return tokens;
}

// US Powerball: blank-separated tokens; the first line whose first token is
// a month-first date starts the draws.
ParsedResults ParsePowerball(const QStringList& lines)
{
    Builder out = BuilderFor(OtherLottery::USPowerball);
    bool started = false;
    for (qsizetype at = 0; at < lines.size() && !out.failed(); ++at) {
        QString line = lines[at];
        line.replace(u',', u' ');
        const QList<QStringView> tokens = Tokens(line);
        std::optional<QString> date;
        if (!tokens.isEmpty() && tokens.size() > 1)
            date = GetDate(tokens[0].toString());
        if (!started) {
            started = date.has_value();
            if (!started)
                continue;
        }
        if (tokens.isEmpty() || (tokens.size() == 1 && LastLoneField(lines, at, {line})))
            break;
        if (!date) {
            out.notADate(at, tokens[0].toString());
            break;
        }
        if (tokens.size() < 7) {
            out.fail(at, TooFewFields());
            break;
        }
        std::array<QString, 8> c = {kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero};
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k)
            ok = out.mainNumber(at, tokens[1 + k], c[k]);
        if (ok)
            ok = out.extraNumber(at, tokens[6], c[7]);
        if (!ok)
            break;
        // Written in plain digits: 07 becomes 7.
        for (QString& n : c)
            n = QString::number(n.toInt());
        out.add(DrawLineOf(*date, c));
    }
    return out.finish();
}

// Mega Millions, its lines already reversed: lines that are not draws come
// first (the end of the source), then the draws newest first, then the
// heading. A draw past the heading means a line among the draws is not one.
ParsedResults ParseMegaMillions(const QStringList& lines)
{
    Builder out = BuilderFor(OtherLottery::MegaMillions);
    qsizetype at = 0;
    auto dateOf = [](const QStringList& fields) -> std::optional<QString> {
        return fields.isEmpty() ? std::nullopt : GetDate(fields[0]);
    };
    while (at < lines.size() && !dateOf(SplitFields(lines[at])))
        ++at;
    for (; at < lines.size() && !out.failed(); ++at) {
        const QStringList fields = SplitFields(lines[at]);
        const auto date = dateOf(fields);
        if (!date)
            break;
        if (fields.size() < 7) {
            out.fail(lines.size() - 1 - at, TooFewFields());
            break;
        }
        std::array<QString, 8> c = {kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero};
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k)
            ok = out.mainNumber(lines.size() - 1 - at, fields[1 + k], c[k]);
        if (ok)
            ok = out.extraNumber(lines.size() - 1 - at, fields[6], c[7]);
        if (ok)
            out.add(DrawLineOf(*date, c));
    }
    // Only the heading may come before the oldest draw.
    for (qsizetype k = at + 1; k < lines.size() && !out.failed(); ++k) {
        if (!dateOf(SplitFields(lines[k])))
            continue;
        const QString stray = lines[at].trimmed();
        out.fail(lines.size() - 1 - at,
                 stray.isEmpty() ? QStringLiteral("an empty line stands among the draws.")
                                 : QStringLiteral("\"%1\" stands among the draws.").arg(stray));
    }
    return out.finish();
}

// California: three heading lines, then a first column, the date, five
// numbers and for SuperLotto Plus its extra number.
ParsedResults ParseCalifornia(OtherLottery lottery, const QStringList& lines)
{
    Builder out = BuilderFor(lottery);
    const bool extra = lottery == OtherLottery::SuperLottoPlus;
    for (qsizetype at = 3; at < lines.size() && !out.failed(); ++at) {
        const QStringList fields = SplitFields(lines[at]);
        if (EmptyRow(fields) || LastLoneField(lines, at, fields))
            break;
        const QString dateField = fields.value(1);
        const auto date = GetDate(dateField);
        if (!date) {
            out.notADate(at, dateField);
            break;
        }
        if (fields.size() < (extra ? 8 : 7)) {
            out.fail(at, TooFewFields());
            break;
        }
        std::array<QString, 8> c = {kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero};
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k)
            ok = out.mainNumber(at, fields[2 + k], c[k]);
        if (ok && extra)
            ok = out.extraNumber(at, fields[7], c[7]);
        if (ok)
            out.add(DrawLineOf(*date, c));
    }
    return out.finish();
}

} // namespace

// ---------------------------------------------------------------- public

bool ReadsDatesTheUKWay()
{
    const auto date = FirstOfJune();
    return date && QLocale().monthName(date->month(), QLocale::LongFormat) == QStringLiteral("June");
}

std::optional<QString> GetDate(const QString& text)
{
    QString date = text.trimmed();
    if (ReadsDayFirst()) {
        const auto swapped = SwapDayAndMonth(Slashed(date));
        if (!swapped)
            return std::nullopt;
        date = *swapped;
    }
    return Medium(date);
}

std::optional<QString> GetDateAU(const QString& text)
{
    QString date = Slashed(text);
    date.remove(u' ');
    if (!ReadsDayFirst()) {
        if (const auto swapped = SwapDayAndMonth(date))
            date = *swapped;
    }
    return Medium(date);
}

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

ParsedResults ParseUKResults(int i, const QString& name, const QStringList& lines)
{
    const UKShape& shape = kUKShapes.at(std::size_t(i));
    Builder out(name, kUKWebsite, UKDefinition(i));

    // The first field that is a date starts the first draw; the fields before
    // it are a heading.
    qsizetype at = 0;
    QStringList fields;
    for (; at < lines.size(); ++at) {
        fields = SplitFields(lines[at]);
        const auto first =
            std::find_if(fields.begin(), fields.end(), [](const QString& f) { return ParseDate(f).has_value(); });
        if (first != fields.end()) {
            fields.erase(fields.begin(), first);
            break;
        }
    }
    const int needed = 1 + shape.numbers + (shape.extraField ? 1 : 0);
    while (at < lines.size() && !out.failed()) {
        if (EmptyRow(fields))
            break;
        const auto date = ParseDate(fields[0]);
        if (!date) {
            out.notADate(at, fields[0]);
            break;
        }
        if (fields.size() < needed) {
            out.fail(at, TooFewFields());
            break;
        }
        std::array<QString, 8> c = {kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero};
        bool ok = true;
        for (int k = 0; k < shape.numbers && ok; ++k)
            ok = out.mainNumber(at, fields[1 + k], c[k]);
        if (ok && shape.extraField)
            ok = out.extraNumber(at, fields[1 + shape.numbers], c[7]);
        if (!ok)
            break;
        out.add(DrawLineOf(MediumDate(*date), c));
        if (++at < lines.size())
            fields = SplitFields(lines[at]);
    }
    return out.finish();
}

ParsedResults ParseUKResults(int i, const QString& name, const QString& text)
{
    return ParseUKResults(i, name, UKResultLines(text));
}

const OtherLotteryInfo& OtherLotteryOf(OtherLottery lottery) { return OtherTable().at(std::size_t(lottery)); }

QStringList OtherResultLines(OtherLottery lottery, const QString& text)
{
    switch (lottery) {
    case OtherLottery::MegaMillions: {
        QString edited = text;
        edited.replace(u';', u',');
        edited.replace(u':', u' ');
        for (const char* words : {"Mega Ball", "mega ball", "MEGA BALL"})
            edited.remove(QLatin1String(words));
        QStringList lines = SplitLines(edited);
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

ParsedResults ParseOtherResults(OtherLottery lottery, const QStringList& lines)
{
    switch (lottery) {
    case OtherLottery::MegaMillions: return ParseMegaMillions(lines);
    case OtherLottery::USPowerball: return ParsePowerball(lines);
    case OtherLottery::SuperLottoPlus:
    case OtherLottery::Fantasy5: return ParseCalifornia(lottery, lines);
    default: return ParseSixNumberRows(lottery, lines);
    }
}

ParsedResults ParseOtherResults(OtherLottery lottery, const QString& text)
{
    return ParseOtherResults(lottery, OtherResultLines(lottery, text));
}

bool StoreResults(const QString& file, const ParsedResults& results)
{
    return results.usable() && WriteLines(file, results.lines);
}
