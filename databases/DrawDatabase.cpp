#include "databases/DrawDatabase.h"

#include "core/OpenLottery.h"
#include "platform/Dates.h"
#include "platform/Folder.h"
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
    auto lines = ReadLines(database);
    if (!lines)
        return RewriteResult::CannotRead;
    const RewriteResult result = InsertDrawByDate(*lines, line, date);
    if (result != RewriteResult::Done)
        return result;
    return WriteLines(database, *lines, error) ? RewriteResult::Done : RewriteResult::CannotWrite;
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
    auto lines = ReadLines(source);
    if (!lines)
        return -1;
    const int read = RemoveDrawLine(*lines, k);
    if (!WriteLines(target, *lines, error))
        return -1;
    return read;
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
