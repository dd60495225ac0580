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

std::optional<DatabaseHeader> ReadDatabaseHeader(const QString& fileName)
{
    const auto text = ReadTextFile(fileName);
    if (!text)
        return std::nullopt;
    FieldReader reader(*text);
    DatabaseHeader header;
    header.name = reader.line();
    header.website = reader.line();
    header.definitionLine = reader.line();
    header.definition = ParseDefinition(header.definitionLine);
    return header;
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
    const qsizetype comma = line.indexOf(',');
    return (comma < 0 ? line : line.left(comma)).trimmed();
}

namespace {
// Draw lines without the empty lines at the end of a file.
QStringList drawLinesOf(const QStringList& lines)
{
    QStringList draws = lines.mid(3);
    while (!draws.isEmpty() && draws.last().trimmed().isEmpty())
        draws.removeLast();
    return draws;
}
} // namespace

RewriteResult InsertDrawByDate(const QString& database, const QString& line, const QDate& date)
{
    if (!date.isValid())
        return RewriteResult::BadDate;
    const auto source = ReadLines(kScratchFile);
    if (!source || source->size() < 3)
        return RewriteResult::CannotRead;
    const QStringList draws = drawLinesOf(*source);

    // The new line goes before the first line dated on or before it; blank
    // lines are passed over, and a date that cannot be read stops the rewrite.
    qsizetype at = draws.size();
    for (qsizetype i = 0; i < draws.size(); ++i) {
        if (draws[i].trimmed().isEmpty())
            continue;
        const auto existing = ParseDate(DrawLineDate(draws[i]));
        if (!existing)
            return RewriteResult::BadDate;
        if (*existing <= date) {
            at = i;
            break;
        }
    }
    QStringList out = source->mid(0, 3);
    out += draws.mid(0, at);
    out << line;
    out += draws.mid(at);
    return WriteLines(database, out) ? RewriteResult::Done : RewriteResult::CannotWrite;
}

int RemoveDrawLine(const QString& source, const QString& target, int k)
{
    const auto lines = ReadLines(source);
    if (!lines)
        return -1;
    QStringList out = lines->mid(0, 3);
    const QStringList draws = drawLinesOf(*lines);
    for (qsizetype i = 0; i < draws.size(); ++i) {
        if (i + 1 != k)
            out << draws[i];
    }
    if (!WriteLines(target, out))
        return -1;
    return int(draws.size());
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
