#include "databases/EntryCheck.h"

#include "platform/Dates.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QRegularExpression>
#include <algorithm>
#include <bitset>

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

bool Drawn(int number, const BallRow& draw, int balls)
{
    if (number < 1)
        return false;
    for (int k = 1; k <= balls; ++k)
        if (draw[k] == number)
            return true;
    return false;
}
} // namespace

LottoResult CheckLotto(const BallRow& entry, const BallRow& draw, const LotteryDefinition& lottery)
{
    LottoResult r;
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);
    std::bitset<256> counted;
    for (int j = 1; j <= balls; ++j) {
        const int n = entry[j];
        if (!Drawn(n, draw, balls))
            continue;
        r.marks[j] = CellMark::Main;
        if (n < 256 && !counted.test(n)) {
            counted.set(n);
            ++r.mainMatches;
        }
    }
    const int extra = draw[8];
    if (lottery.hasBonusBall > 0 && extra >= 1) {
        for (int j = 1; j <= balls; ++j) {
            if (entry[j] == extra) {
                r.marks[j] = CellMark::Bonus;
                r.bonusMatch = true;
            }
        }
    }
    if (lottery.extraBallMax != 0 && extra >= 1 && entry[8] == extra) {
        r.marks[8] = CellMark::Bonus;
        r.bonusMatch = true;
    }
    return r;
}

bool IsDatabaseFileName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^dbase[^/\\\\:]*\\.txt$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch() && !name.contains(QStringLiteral(".."));
}

std::optional<DrawFile> ReadDrawFile(const QString& fileName)
{
    if (!IsDatabaseFileName(fileName))
        return std::nullopt;
    DrawFileReader reader(fileName);
    if (!reader.isOpen() || !reader.lottery())
        return std::nullopt;
    DrawFile file;
    file.header = reader.header();
    file.lottery = *reader.lottery();
    while (auto stored = reader.next()) {
        DrawFile::Draw draw;
        if (const auto date = ParseDate(stored->date))
            draw.date = *date;
        draw.numbers = stored->numbers;
        file.draws.push_back(draw);
    }
    return file;
}

const DrawFile::Draw* FindDraw(const DrawFile& file, const QDate& date)
{
    for (const DrawFile::Draw& draw : file.draws) {
        if (!draw.date.isValid())
            continue;
        if (draw.date == date)
            return &draw;
        if (date > draw.date)
            return nullptr; // newest first: no line further on has this date
    }
    return nullptr;
}

CheckSummary CheckEntries(const std::vector<EntryToCheck>& entries)
{
    CheckSummary summary;
    summary.outcomes.resize(entries.size());
    std::map<QString, std::optional<DrawFile>> files;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const EntryToCheck& entry = entries[i];
        EntryOutcome& outcome = summary.outcomes[i];
        auto found = files.find(entry.dbaseFile);
        if (found == files.end())
            found = files.emplace(entry.dbaseFile, ReadDrawFile(entry.dbaseFile)).first;
        const std::optional<DrawFile>& file = found->second;
        if (!file) {
            outcome.status = EntryStatus::Skipped;
            ++summary.skipped;
            continue;
        }
        const auto date = ParseDate(entry.date);
        if (!date) {
            outcome.status = EntryStatus::Skipped;
            ++summary.skipped;
            continue;
        }
        summary.bonusBlockBalls = std::max(summary.bonusBlockBalls, std::clamp(file->lottery.ballsDrawn, 0, 7));
        summary.lastHeader = file->header;
        summary.lastDbaseFile = entry.dbaseFile;
        const DrawFile::Draw* draw = FindDraw(*file, *date);
        if (!draw) {
            outcome.status = EntryStatus::NoDraw;
            ++summary.noDraw;
            continue;
        }
        outcome.status = EntryStatus::Checked;
        outcome.result = CheckLotto(entry.numbers, draw->numbers, file->lottery);
        ++summary.matchCounts[outcome.result.countIndex()];
    }
    return summary;
}

QString CheckReportText(const CheckSummary& summary)
{
    QString text;
    for (int k = 7; k >= 0; --k)
        text += Str(k) + QStringLiteral("-match =") + Str(summary.matchCounts[k]) + QStringLiteral(" times") + kLineEnd;
    text += kLineEnd;
    for (int k = summary.bonusBlockBalls; k >= 0; --k)
        text += Str(k) + QStringLiteral("-match+bonus/pball =") + Str(summary.matchCounts[10 + k])
            + QStringLiteral(" times") + kLineEnd;
    if (summary.skipped > 0 || summary.noDraw > 0)
        text += kLineEnd;
    if (summary.skipped > 0) {
        text += QStringLiteral("Entries not checked:") + Str(summary.skipped)
            + QStringLiteral(" (database file missing or date not readable)") + kLineEnd;
    }
    if (summary.noDraw > 0) {
        text += QStringLiteral("Entries not checked:") + Str(summary.noDraw)
            + QStringLiteral(" (no draw on their date)") + kLineEnd;
    }
    return text;
}

bool TypedEntryValid(const std::array<QString, 9>& texts, const LotteryDefinition& lottery, int requiredMain,
                     bool extraRequired)
{
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);
    std::bitset<256> seen;
    for (int i = 1; i <= balls; ++i) {
        if (texts[i].trimmed().isEmpty()) {
            if (i <= requiredMain)
                return false;
            continue;
        }
        const int n = CellFromText(texts[i]);
        if (n < 1 || n > lottery.maxBall || n > 255 || seen.test(n))
            return false;
        seen.set(n);
    }
    if (lottery.extraBallMax > 0) {
        if (texts[8].trimmed().isEmpty())
            return !extraRequired;
        const int n = CellFromText(texts[8]);
        if (n < 1 || n > lottery.extraBallMax)
            return false;
    }
    return true;
}
