#include "printing/PlaySlipTemplate.h"

#include "platform/Folder.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {
const QString kEnd = QStringLiteral("    ");

// Header lines 4 to 12 and number lines 13 to 72.
constexpr int kFirstHeaderLine = 4;
constexpr int kFirstNumberLine = 13;
constexpr int kTemplateLines = kFirstNumberLine + kSlipNumbers - 1;

bool isWhole(double v) { return std::floor(v) == v; }

// Generated positions are held as they are shown: to the hundredth.
double hundredths(double v) { return std::round(v * 100.0) / 100.0; }

QString quoted(SlipField field) { return QStringLiteral("\"") + SlipFieldName(field) + QStringLiteral("\""); }

QString cannotUse(const QString& fileName, const QString& why)
{
    return QStringLiteral("The template file ") + fileName + QStringLiteral(" cannot be used: ") + why;
}
} // namespace

SlipHeader DefaultSlipHeader()
{
    return {QStringLiteral("3"),    QStringLiteral("2"),    QStringLiteral("5"),    QStringLiteral("1"),
            QStringLiteral("12"),   QStringLiteral("4"),    QStringLiteral("38.2"), QStringLiteral("71.5"),
            QStringLiteral("42.1"), QStringLiteral("27.3"), QStringLiteral("3.8"),  QStringLiteral("6.39"),
            QStringLiteral("3.8"),  QStringLiteral("6.39"), QStringLiteral("28.1"), QStringLiteral("0"),
            QStringLiteral("3.0"),  QStringLiteral("5.5")};
}

QString SlipFieldName(SlipField field)
{
    static const char* const names[kSlipFieldCount] = {
        "Size of mark (mm): Width",
        "Size of mark (mm): Height",
        "Number of boards: Across",
        "Number of boards: Down",
        "Main numbers: Numbers per row",
        "Powerball: Numbers per row",
        "Main numbers: Number 1 (mm): Horizontal",
        "Main numbers: Number 1 (mm): Vertical",
        "Powerball: Number 1 (mm): Horizontal",
        "Powerball: Number 1 (mm): Vertical",
        "Main numbers: Number separation (mm): Horizontal",
        "Main numbers: Number separation (mm): Vertical",
        "Powerball: Number separation (mm): Horizontal",
        "Powerball: Number separation (mm): Vertical",
        "Board separation (mm): Horizontal",
        "Board separation (mm): Vertical",
        "Printer margin (mm): Horizontal",
        "Printer margin (mm): Vertical",
    };
    return field >= 0 && field < kSlipFieldCount ? QString::fromLatin1(names[field]) : QString();
}

double PlaySlipTemplate::value(SlipField field) const { return PlainNumber(header[field]).value_or(0); }

int PlaySlipTemplate::boardsAcross() const { return int(value(BoardsAcross)); }

int PlaySlipTemplate::boardsDown() const { return int(value(BoardsDown)); }

bool IsPlainNumber(const QString& text)
{
    // At most four digits before the point: no slip measures ten metres, and
    // the products stay far inside what the printer can take.
    static const QRegularExpression plain(QStringLiteral(R"(^-?(\d{1,4}(\.\d*)?|\.\d+)$)"));
    return plain.match(text.trimmed()).hasMatch();
}

std::optional<double> PlainNumber(const QString& text)
{
    if (!IsPlainNumber(text))
        return std::nullopt;
    return text.trimmed().toDouble();
}

QString CheckSlipHeader(const SlipHeader& header)
{
    for (int f = 0; f < kSlipFieldCount; ++f) {
        if (!IsPlainNumber(header[f]))
            return quoted(SlipField(f)) + QStringLiteral(" must be a number such as 3 or 38.2, not \"")
                + header[f].trimmed() + QStringLiteral("\".") + kEnd;
    }
    for (SlipField f : {MarkWidth, MarkHeight}) {
        if (*PlainNumber(header[f]) <= 0)
            return quoted(f) + QStringLiteral(" must be above 0.") + kEnd;
    }
    for (SlipField f : {BoardsAcross, BoardsDown}) {
        const double v = *PlainNumber(header[f]);
        if (!isWhole(v) || v < 1 || v > kMaxSlipBoards)
            return quoted(f) + QStringLiteral(" must be a whole number from 1 to %1.").arg(kMaxSlipBoards) + kEnd;
    }
    return {};
}

SlipGenerateResult GenerateSlipPositions(const SlipHeader& header, bool landscape, int maxBall, int extraBallMax)
{
    SlipGenerateResult result;
    auto perRow = [&](SlipField f) {
        const std::optional<double> v = PlainNumber(header[f]);
        // A half goes to the even neighbour (2.5 is 2, 3.5 is 4); what rounds
        // below 1 counts as missing.
        return v ? std::max<int>(ToCell(*v), 0) : 0;
    };
    const int p = perRow(NumbersPerRow);
    if (p == 0) {
        result.problem = SlipGenerateResult::NumbersPerRow;
        return result;
    }
    const int q = perRow(PballNumbersPerRow);
    if (extraBallMax > 0 && q == 0) {
        result.problem = SlipGenerateResult::PballNumbersPerRow;
        return result;
    }
    result.message = CheckSlipHeader(header);
    if (!result.message.isEmpty()) {
        result.problem = SlipGenerateResult::Header;
        return result;
    }
    auto v = [&](SlipField f) { return *PlainNumber(header[f]); };
    auto place = [&](int n, int perRow, double x0, double y0, double sx, double sy) {
        const int r = (n - 1) / perRow;
        const int k = (n - 1) % perRow;
        return landscape ? std::pair{x0 + r * sx, y0 - k * sy} : std::pair{x0 + k * sx, y0 + r * sy};
    };
    for (int n = 1; n <= kSlipNumbers; ++n) {
        SlipRow& row = result.positions[n];
        if (n <= maxBall) {
            const auto [x, y] = place(n, p, v(FirstNumX), v(FirstNumY), v(NumSepX), v(NumSepY));
            row[NumX] = hundredths(x);
            row[NumY] = hundredths(y);
        }
        if (n <= extraBallMax) {
            const auto [x, y] = place(n, q, v(FirstPballX), v(FirstPballY), v(PballSepX), v(PballSepY));
            row[PballX] = hundredths(x);
            row[PballY] = hundredths(y);
        }
    }
    return result;
}

QString FormatPosition(const std::optional<double>& value)
{
    if (!value)
        return {};
    QString text = QString::number(std::round(*value * 100.0) / 100.0, 'f', 2);
    if (text == QStringLiteral("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QString PositionText(const std::optional<double>& value)
{
    const QString text = FormatPosition(value);
    if (!value || text.toDouble() == *value)
        return text;
    // A position read with more decimals keeps them.
    return QString::number(*value, 'f', QLocale::FloatingPointShortest);
}

QStringList PlaySlipTemplateLines(const PlaySlipTemplate& slip)
{
    QStringList lines;
    lines << slip.TemplateName << slip.TemplateLottery;
    lines << (slip.SlipOrientation == 0 ? QStringLiteral(" 0 ") : QStringLiteral(" 1 "));
    for (int f = 0; f < kSlipFieldCount; f += 2)
        lines << slip.header[f] + QLatin1Char(',') + slip.header[f + 1];
    for (int n = 1; n <= kSlipNumbers; ++n) {
        QStringList fields;
        for (const std::optional<double>& v : slip.positions[n])
            fields << PositionText(v);
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

bool WritePlaySlipTemplate(const QString& path, const PlaySlipTemplate& slip, QString* error)
{
    return WriteLines(path, PlaySlipTemplateLines(slip), error);
}

PlaySlipRead ParsePlaySlipTemplate(const QStringList& lines, const QString& fileName)
{
    PlaySlipRead read;
    if (lines.size() < kTemplateLines) {
        read.error = cannotUse(fileName,
                               QStringLiteral("it ends after line %1, and a template has %2 lines.")
                                   .arg(lines.size())
                                   .arg(kTemplateLines))
            + kEnd;
        return read;
    }
    PlaySlipTemplate slip;
    slip.TemplateName = lines[0];
    slip.TemplateLottery = lines[1];
    const QString orientation = lines[2].trimmed();
    if (orientation != QStringLiteral("0") && orientation != QStringLiteral("1")) {
        read.error = cannotUse(fileName, QStringLiteral("line 3 should be 0 (portrait) or 1 (landscape).")) + kEnd;
        return read;
    }
    slip.SlipOrientation = orientation.toInt();
    auto fieldsOf = [&](int lineNumber, int count, QStringList& fields) {
        fields = lines[lineNumber - 1].split(QLatin1Char(','));
        if (fields.size() == count)
            return true;
        read.error =
            cannotUse(fileName,
                      QStringLiteral("line %1 should hold %2 values separated by commas.").arg(lineNumber).arg(count))
            + kEnd;
        return false;
    };
    QStringList fields;
    for (int f = 0; f < kSlipFieldCount; f += 2) {
        if (!fieldsOf(kFirstHeaderLine + f / 2, 2, fields))
            return read;
        slip.header[f] = fields[0].trimmed();
        slip.header[f + 1] = fields[1].trimmed();
    }
    const QString headerProblem = CheckSlipHeader(slip.header);
    if (!headerProblem.isEmpty()) {
        read.error = cannotUse(fileName, headerProblem);
        return read;
    }
    for (int n = 1; n <= kSlipNumbers; ++n) {
        const int lineNumber = kFirstNumberLine + n - 1;
        if (!fieldsOf(lineNumber, 4, fields))
            return read;
        for (int c = 0; c < 4; ++c) {
            const QString text = fields[c].trimmed();
            if (text.isEmpty())
                continue;
            slip.positions[n][c] = PlainNumber(text);
            if (!slip.positions[n][c]) {
                read.error = cannotUse(fileName,
                                       QStringLiteral("line %1 holds \"%2\" where a position in mm or "
                                                      "nothing should be.")
                                           .arg(lineNumber)
                                           .arg(text))
                    + kEnd;
                return read;
            }
        }
    }
    read.slip = std::move(slip);
    return read;
}

PlaySlipRead ReadPlaySlipTemplate(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    // A template is 72 short lines; a file far larger is not one.
    const std::optional<QStringList> lines = ReadFirstLines(path, kTemplateLines);
    if (!lines) {
        PlaySlipRead read;
        read.error = QStringLiteral("The template file ") + fileName + QStringLiteral(" cannot be read.") + kEnd;
        return read;
    }
    return ParsePlaySlipTemplate(*lines, fileName);
}

QStringList TemplateFiles() { return ListFiles(kTemplateFilePattern); }

QString FirstFreeTemplateFile()
{
    QSet<QString> taken;
    for (const QString& name : TemplateFiles())
        taken.insert(name.toLower());
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("PTemplate.") + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        if (!taken.contains(name.toLower()) && !QFileInfo::exists(name))
            return name;
    }
}

TemplateListing ListPlaySlipTemplates()
{
    TemplateListing listing;
    for (const QString& file : TemplateFiles()) {
        const PlaySlipRead read = ReadPlaySlipTemplate(file);
        if (read.slip)
            listing.templates.push_back({file, read.slip->TemplateName, read.slip->TemplateLottery.trimmed()});
        else if (QFileInfo(file).size() == 0) // an empty file has no name line: it goes by its file name
            listing.templates.push_back({file, file, QString()});
        else
            listing.unreadable << file;
    }
    return listing;
}

std::optional<SlipMark> MarkPosition(const PlaySlipTemplate& slip, int number, bool extraBall, int boardAcross,
                                     int boardDown)
{
    if (number < 1 || number > kSlipNumbers)
        return std::nullopt;
    const SlipRow& row = slip.positions[number];
    const std::optional<double> x = extraBall ? row[PballX] : row[NumX];
    const std::optional<double> y = extraBall ? row[PballY] : row[NumY];
    if (!x || !y)
        return std::nullopt;
    return SlipMark{*x - slip.value(MarginX) + slip.value(BoardSepX) * boardAcross,
                    *y - slip.value(MarginY) + slip.value(BoardSepY) * boardDown};
}

int EntryNumber(const QString& cell)
{
    const double v = Val(cell);
    if (!(v > 0))
        return 0;
    return v > kSlipNumbers + 1 ? kSlipNumbers + 1 : ToCell(v);
}

SlipPlace EntryPlace(int entryIndex, int boardsAcross, int boardsDown)
{
    const int across = std::max(1, boardsAcross);
    const int perSheet = across * std::max(1, boardsDown);
    const int within = entryIndex % perSheet;
    return {entryIndex / perSheet, within % across, within / across};
}
