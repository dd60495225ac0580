#include "databases/DrawDatabase.h"

#include "core/OpenLottery.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
#include "platform/ReplacingFile.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QSet>

QString LotteryDefinition::toLine() const
{
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(ballsDrawn)
        .arg(maxBall)
        .arg(headerValue3)
        .arg(extraBallMax)
        .arg(hasBonusBall);
}

bool LotteryDefinition::valid() const
{
    return ballsDrawn >= 1 && ballsDrawn <= 7 && maxBall >= 1 && maxBall <= 120 && extraBallMax >= 0
        && extraBallMax <= 120 && (hasBonusBall == 0 || hasBonusBall == 1);
}

std::optional<LotteryDefinition> ParseDefinition(const QString& line)
{
    const QStringList fields = SplitFields(line);
    if (fields.size() < 5)
        return std::nullopt;
    int values[5];
    for (int i = 0; i < 5; ++i) {
        const QString f = fields[i].trimmed();
        if (f.isEmpty())
            return std::nullopt;
        values[i] = CellFromText(f);
    }
    return LotteryDefinition{values[0], values[1], values[2], values[3], values[4]};
}

namespace {
DatabaseHeader headerOf(const QStringList& lines)
{
    DatabaseHeader header;
    header.name = lines.value(0);
    header.website = lines.value(1);
    header.definitionLine = lines.value(2);
    header.definition = ParseDefinition(header.definitionLine);
    return header;
}

// The next field of a line from pos, by the file's field rule; pos moves
// past the comma that ends it. At the end of the line the field is empty.
QStringView nextField(QStringView line, qsizetype& pos)
{
    const QStringView field = ScanField(line, pos);
    if (pos < line.size())
        ++pos;
    return field;
}

bool isMarkOrSpace(QChar c) { return c == QChar(0xFEFF) || c.isSpace(); }
} // namespace

std::optional<DatabaseHeader> ReadDatabaseHeader(const QString& fileName)
{
    const auto lines = ReadFirstLines(fileName, 3);
    if (!lines)
        return std::nullopt;
    return headerOf(*lines);
}

QStringView DrawLineText(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && isMarkOrSpace(line[start]))
        ++start;
    return line.sliced(start);
}

bool IsDrawLine(QStringView line) { return !DrawLineText(line).isEmpty(); }

std::optional<StoredDraw> ReadDrawLine(QStringView line, const LotteryDefinition* lottery)
{
    if (!IsDrawLine(line))
        return std::nullopt;
    line = DrawLineText(line);
    StoredDraw draw;
    qsizetype pos = 0;
    draw.date = nextField(line, pos).trimmed().toString();
    for (int c = 1; c <= kExtraBallColumn; ++c) {
        const int value = CellFromText(nextField(line, pos));
        int highest = 0x7FFF;
        if (lottery)
            highest = c <= 7 || lottery->extraBallMax <= 0 ? lottery->maxBall : lottery->extraBallMax;
        draw.numbers[c] = value < 0 || value > highest ? 0 : value;
    }
    return draw;
}

DrawFileReader::DrawFileReader(const QString& fileName) : lines_(fileName)
{
    QStringList first;
    while (first.size() < 3) {
        auto line = lines_.next();
        if (!line)
            break;
        first << *line;
    }
    header_ = headerOf(first);
    if (header_.definition && header_.definition->valid())
        lottery_ = header_.definition;
}

std::optional<StoredDraw> DrawFileReader::next()
{
    const LotteryDefinition* lottery = lottery_ ? &*lottery_ : nullptr;
    while (auto line = lines_.next()) {
        // A line longer than any draw line is unreadable: it holds no draw.
        if (lines_.longLine())
            continue;
        if (auto draw = ReadDrawLine(*line, lottery))
            return draw;
    }
    return std::nullopt;
}

bool ReadOpenLotteryHeader(const QString& fileName)
{
    OpenLotteryChanged();
    DbaseFile = fileName;
    const auto header = ReadDatabaseHeader(fileName);
    LotteryName = header ? header->name : QString();
    LotteryWebsite = header ? header->website : QString();
    if (!header || !header->definition || !header->definition->valid()) {
        BallsDrawn = MaxBall = HeaderValue3 = ExtraBallMax = 0;
        HasBonusBall = 0;
        return false;
    }
    const LotteryDefinition& d = *header->definition;
    BallsDrawn = d.ballsDrawn;
    MaxBall = d.maxBall;
    HeaderValue3 = d.headerValue3;
    ExtraBallMax = d.extraBallMax;
    HasBonusBall = std::int16_t(d.hasBonusBall);
    return true;
}

QString FormatDrawLine(const QDate& date, const QStringList& numbers)
{
    QStringList fields{FormatShortDate(date)};
    for (int i = 0; i < 8; ++i)
        fields << numbers.value(i);
    return fields.join(',');
}

QString DrawLineDate(const QString& line)
{
    qsizetype pos = 0;
    return nextField(DrawLineText(line), pos).trimmed().toString();
}

namespace {
// The lines after the header without the lines at the end of the file that
// hold no draw.
QStringList drawLinesOf(const QStringList& lines)
{
    QStringList draws = lines.mid(3);
    while (!draws.isEmpty() && !IsDrawLine(draws.last()))
        draws.removeLast();
    return draws;
}
} // namespace

RewriteResult InsertDrawByDate(QStringList& lines, const QString& line, const QDate& date)
{
    if (!date.isValid())
        return RewriteResult::BadDate;
    if (lines.size() < 3)
        return RewriteResult::CannotRead;
    const QStringList draws = drawLinesOf(lines);

    // The new line goes before the first line dated on or before it; blank
    // lines are passed over, and a date that cannot be read stops the rewrite.
    qsizetype at = draws.size();
    for (qsizetype i = 0; i < draws.size(); ++i) {
        if (!IsDrawLine(draws[i]))
            continue;
        const auto existing = ParseDate(DrawLineDate(draws[i]));
        if (!existing)
            return RewriteResult::BadDate;
        if (*existing <= date) {
            at = i;
            break;
        }
    }
    QStringList out = lines.mid(0, 3);
    out += draws.mid(0, at);
    out << line;
    out += draws.mid(at);
    lines = std::move(out);
    return RewriteResult::Done;
}

RewriteResult InsertDrawByDate(const QString& database, const QString& line, const QDate& date, QString* error)
{
    return RewriteDraws(database, database, {.remove = 0, .newLine = line, .date = date}, error).result;
}

int RemoveDrawLine(QStringList& lines, int k)
{
    QStringList out = lines.mid(0, 3);
    int read = 0;
    for (const QString& line : drawLinesOf(lines)) {
        if (!IsDrawLine(line)) {
            out << line;
            continue;
        }
        if (++read != k)
            out << line;
    }
    lines = std::move(out);
    return read;
}

int RemoveDrawLine(const QString& source, const QString& target, int k, QString* error)
{
    const DrawRewrite done = RewriteDraws(source, target, {.remove = k, .newLine = QString(), .date = QDate()}, error);
    return done.result == RewriteResult::Done ? done.draws : -1;
}

namespace {
void writeLine(ReplacingFile& out, const QString& line)
{
    out.write(line.toUtf8());
    out.write("\r\n", 2);
}
} // namespace

DrawRewrite RewriteDraws(const QString& source, const QString& target, const DrawChange& change, QString* error)
{
    if (error)
        error->clear();
    const bool inserts = !change.newLine.isNull();
    if (inserts && !change.date.isValid())
        return {RewriteResult::BadDate, 0};
    // Lines longer than a draw line are copied whole, as they stand.
    LineReader in(source, -1, LineReader::LongLines::Whole);
    if (!in.isOpen())
        return {RewriteResult::CannotRead, 0};
    ReplacingFile out(target);
    if (!out.open()) {
        if (error)
            *error = out.errorString();
        return {RewriteResult::CannotWrite, 0};
    }
    int header = 0;
    for (; header < 3; ++header) {
        const auto line = in.next();
        if (!line)
            break;
        writeLine(out, *line);
    }
    if (header < 3 && inserts)
        return {RewriteResult::CannotRead, 0};

    // Blank lines are held back until a line that is kept follows them: the
    // blank lines at the end of the file are dropped. A removed draw line
    // still keeps the blank lines above it, unless a new line is placed.
    QStringList blanks;
    auto flushBlanks = [&out, &blanks] {
        for (const QString& blank : std::as_const(blanks))
            writeLine(out, blank);
        blanks.clear();
    };
    bool placed = !inserts;
    int draws = 0;
    while (const auto line = in.next()) {
        if (in.longLine()) {
            flushBlanks();
            writeLine(out, *line);
            continue;
        }
        if (!IsDrawLine(*line)) {
            blanks << *line;
            continue;
        }
        if (++draws == change.remove) {
            if (!inserts)
                flushBlanks();
            continue;
        }
        flushBlanks();
        if (!placed) {
            // The new line goes before the first line dated on or before it;
            // a date that cannot be read stops the rewrite.
            const auto existing = ParseDate(DrawLineDate(*line));
            if (!existing)
                return {RewriteResult::BadDate, draws};
            if (*existing <= change.date) {
                writeLine(out, change.newLine);
                placed = true;
            }
        }
        writeLine(out, *line);
    }
    if (!placed)
        writeLine(out, change.newLine);
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return {RewriteResult::CannotWrite, draws};
    }
    return {RewriteResult::Done, draws};
}

QString NextDatabaseFileName()
{
    QSet<QString> taken;
    for (const QString& name : ListFiles("dbase*.txt"))
        taken.insert(name.toLower());
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("dbase%1.txt").arg(n);
        if (!taken.contains(name) && !QFile::exists(name))
            return name;
    }
}
