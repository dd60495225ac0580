#include "databases/EntryCheck.h"

#include "core/OpenLottery.h"
#include "platform/Dates.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <bitset>
#include <cstring>
#include <functional>
#include <set>

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
    const int extra = draw[kExtraBallColumn];
    if (lottery.hasBonusBall > 0 && extra >= 1) {
        for (int j = 1; j <= balls; ++j) {
            if (entry[j] == extra) {
                r.marks[j] = CellMark::Bonus;
                r.bonusMatch = true;
            }
        }
    }
    if (lottery.extraBallMax != 0 && extra >= 1 && entry[kExtraBallColumn] == extra) {
        r.marks[kExtraBallColumn] = CellMark::Bonus;
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

namespace {
// Compares the date at the start of a draw line's bytes with one date:
// "05 Mar 05" and "05-Mar-2005" straight from the bytes (an earlier year
// answers at once), any other form through the general reader.
class LineDates {
public:
    explicit LineDates(const QDate& date)
        : date_(date), year_(date.year()), key_(key(date.year(), date.month(), date.day()))
    {}

    // -1 when the line's date is before the date, 1 when on or after it, 0
    // when the line holds no date.
    int compare(const char* p, const char* end)
    {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
        const qsizetype length = end - p;
        if (length >= 9 && (length == 9 || p[9] == ',') && p[2] == ' ' && p[6] == ' ' && digits(p + 7, 2)) {
            if (const int c = compareParts(shortYear(number(p + 7, 2)), p))
                return c;
        } else if (length >= 11 && (length == 11 || p[11] == ',') && p[2] == '-' && p[6] == '-' && digits(p + 7, 4)) {
            if (const int c = compareParts(number(p + 7, 4), p))
                return c;
        }
        if (length <= 0)
            return 0;
        // Decoded as the draws' reader decodes the line, so both see one date.
        const auto date = ParseDate(DrawLineDate(DecodeLine(QByteArrayView(p, length))));
        return !date ? 0 : *date < date_ ? -1 : 1;
    }

private:
    static int key(int year, int month, int day) { return year * 10000 + month * 100 + day; }
    // The day and month of p ("05 Mar" or "05-Mar") in a year; 0 when they are
    // not plainly a date, for the general reader to look at.
    int compareParts(int year, const char* p) const
    {
        if (year < 0)
            return 0;
        if (year < year_)
            return -1;
        const int m = month(p + 3);
        if (m == 0 || !digits(p, 2))
            return 0;
        const int day = number(p, 2);
        if (day < 1 || day > QDate(year, m, 1).daysInMonth())
            return 0;
        return key(year, m, day) < key_ ? -1 : 1;
    }
    static bool digits(const char* p, int n)
    {
        for (int i = 0; i < n; ++i)
            if (p[i] < '0' || p[i] > '9')
                return false;
        return true;
    }
    static int number(const char* p, int n)
    {
        int v = 0;
        for (int i = 0; i < n; ++i)
            v = v * 10 + (p[i] - '0');
        return v;
    }
    static int month(const char* p)
    {
        static const char names[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
        for (int m = 0; m < 12; ++m)
            if (std::memcmp(p, names + 3 * m, 3) == 0)
                return m + 1;
        return 0;
    }
    // A two-digit year as the general reader places it in its century.
    int shortYear(int yy)
    {
        int& year = years_[std::size_t(yy)];
        if (year == 0) {
            const auto date = ParseDate(QStringLiteral("01 Jan %1").arg(yy, 2, 10, QLatin1Char('0')));
            year = date ? date->year() : -1;
        }
        return year;
    }
    QDate date_;
    int year_;
    int key_;
    std::array<int, 100> years_{};
};

constexpr qint64 kPieceBytes = 1 << 20;
constexpr int kLinesBetweenCalls = 4096;

// True when no line dated on or after `oldest` stands below a line dated
// before it, so that reading from the top may stop at the first line dated
// before it. Only each line's date is looked at, straight from the file's
// bytes, a piece at a time; the lines above the draws hold no date in any
// real file, and one that did would only make the whole file be read. So
// does a file in UTF-16 or UTF-32, whose bytes are not its text. A line
// longer than a piece holds no draw for the reader and is passed over.
// False as well when goOn stops the reading.
bool NewerLinesComeFirst(const QString& fileName, const QDate& oldest, const std::function<bool()>& goOn)
{
    QFile file(fileName);
    if (!OpenForReading(file))
        return false;
    LineDates dates(oldest);
    bool olderSeen = false;
    bool skipping = false; // in a line longer than a piece
    QByteArray buffer;
    qsizetype held = 0; // bytes of a line not yet ended, at the buffer's start
    for (bool first = true, atEnd = false; !atEnd; first = false) {
        buffer.resize(held + kPieceBytes);
        const qint64 got = file.read(buffer.data() + held, kPieceBytes);
        if (got < 0 || (first && StartsAsWideText(QByteArrayView(buffer.constData(), got))))
            return false;
        atEnd = got == 0;
        const char* const data = buffer.constData();
        const char* const end = data + held + got;
        const char* p = data;
        for (;;) {
            const auto lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
            const char* const stop = lf ? lf : end;
            const auto cr = static_cast<const char*>(std::memchr(p, '\r', std::size_t(stop - p)));
            const char* const lineEnd = cr ? cr : stop;
            if (lineEnd == end && !atEnd)
                break; // the line goes on in the next piece
            if (!skipping) {
                const int c = dates.compare(p, lineEnd);
                if (c < 0)
                    olderSeen = true;
                else if (c > 0 && olderSeen)
                    return false;
            }
            skipping = false;
            if (lineEnd == end)
                break;
            p = lineEnd + 1; // an LF after a CR starts an empty line, which holds no date
        }
        held = end - p;
        if (held >= kPieceBytes) {
            skipping = true;
            held = 0;
        } else {
            std::memmove(buffer.data(), p, std::size_t(held));
        }
        if (goOn && !goOn())
            return false;
    }
    return true;
}
} // namespace

std::optional<DrawFile> ReadDrawFile(const QString& fileName, const std::set<QDate>& dates,
                                     const std::function<bool()>& goOn)
{
    if (!IsDatabaseFileName(fileName))
        return std::nullopt;
    DrawFileReader reader(fileName);
    if (!reader.isOpen() || !reader.lottery())
        return std::nullopt;
    DrawFile file;
    file.header = reader.header();
    file.lottery = *reader.lottery();
    const QDate oldest = dates.empty() ? QDate() : *dates.begin();
    bool stopped = false;
    const bool mayStop = oldest.isValid() && NewerLinesComeFirst(fileName, oldest, [&goOn, &stopped] {
                             stopped = goOn && !goOn();
                             return !stopped;
                         });
    if (stopped)
        return std::nullopt;
    QDate above; // the date of the last dated line read
    for (int count = 1; auto stored = reader.next(); ++count) {
        if (goOn && count % kLinesBetweenCalls == 0 && !goOn())
            return std::nullopt;
        DrawFile::Draw draw;
        if (const auto date = ParseDate(stored->date))
            draw.date = *date;
        if (draw.date.isValid()) {
            if (above.isValid() && draw.date > above)
                file.newestFirst = false;
            above = draw.date;
            if (mayStop && draw.date < oldest)
                break;
        }
        if (!dates.empty() && !dates.contains(draw.date))
            continue;
        draw.numbers = stored->numbers;
        file.draws.push_back(draw);
    }
    return file;
}

std::vector<const DrawFile::Draw*> FindDraws(const DrawFile& file, const QDate& date)
{
    std::vector<const DrawFile::Draw*> found;
    for (const DrawFile::Draw& draw : file.draws) {
        if (!draw.date.isValid())
            continue;
        if (draw.date == date)
            found.push_back(&draw);
        else if (file.newestFirst && date > draw.date)
            break; // no line further on has this date
    }
    return found;
}

CheckSummary CheckEntries(const std::vector<EntryToCheck>& entries, const std::function<bool()>& goOn)
{
    CheckSummary summary;
    summary.outcomes.resize(entries.size());
    // The dates each file is wanted for.
    std::vector<std::optional<QDate>> dates(entries.size());
    std::map<QString, std::set<QDate>> wanted;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        dates[i] = ParseDate(entries[i].date);
        if (dates[i])
            wanted[entries[i].dbaseFile].insert(*dates[i]);
    }
    const auto goingOn = [&goOn, &summary] {
        summary.stopped = summary.stopped || (goOn && !goOn());
        return !summary.stopped;
    };
    std::map<QString, std::optional<DrawFile>> files;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && !goingOn())
            break;
        const EntryToCheck& entry = entries[i];
        EntryOutcome& outcome = summary.outcomes[i];
        if (!dates[i]) {
            // Not a date: skipped whatever its file holds.
            outcome.status = EntryStatus::Skipped;
            ++summary.skipped;
            continue;
        }
        auto found = files.find(entry.dbaseFile);
        if (found == files.end()) {
            auto file = ReadDrawFile(entry.dbaseFile, wanted[entry.dbaseFile], goingOn);
            if (summary.stopped)
                break;
            found = files.emplace(entry.dbaseFile, std::move(file)).first;
        }
        const std::optional<DrawFile>& file = found->second;
        if (!file) {
            outcome.status = EntryStatus::Skipped;
            ++summary.skipped;
            continue;
        }
        summary.bonusBlockBalls = std::max(summary.bonusBlockBalls, std::clamp(file->lottery.ballsDrawn, 0, 7));
        summary.lastHeader = file->header;
        summary.lastDbaseFile = entry.dbaseFile;
        const std::vector<const DrawFile::Draw*> draws = FindDraws(*file, *dates[i]);
        if (draws.empty()) {
            outcome.status = EntryStatus::NoDraw;
            ++summary.noDraw;
            continue;
        }
        outcome.status = EntryStatus::Checked;
        const LottoResult* best = nullptr;
        outcome.results.reserve(draws.size());
        for (const DrawFile::Draw* draw : draws) {
            const LottoResult result = CheckLotto(entry.numbers, draw->numbers, file->lottery);
            ++summary.matchCounts[result.countIndex()];
            outcome.results.push_back(result);
        }
        // The cells show one draw: the one matched best, more main numbers
        // first, then the bonus; the first in the file on a tie.
        for (const LottoResult& result : outcome.results)
            if (!best
                || std::pair(result.mainMatches, result.bonusMatch) > std::pair(best->mainMatches, best->bonusMatch))
                best = &result;
        outcome.marks = best->marks;
        if (draws.size() > 1)
            ++summary.severalDraws;
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
    if (summary.severalDraws > 0 || summary.skipped > 0 || summary.noDraw > 0)
        text += kLineEnd;
    if (summary.severalDraws > 0) {
        text += QStringLiteral("Entries checked against more than one draw:") + Str(summary.severalDraws)
            + QStringLiteral(" (more than one draw on their date)") + kLineEnd;
    }
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
        if (texts[kExtraBallColumn].trimmed().isEmpty())
            return !extraRequired;
        const int n = CellFromText(texts[kExtraBallColumn]);
        if (n < 1 || n > lottery.extraBallMax)
            return false;
    }
    return true;
}
