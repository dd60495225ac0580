#include "databases/WhatIfRule.h"

#include "databases/SavedEntries.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <bitset>

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
constexpr int kMaxNumber = 255;
} // namespace

WhatIfTallies WhatIfTally(const std::vector<BallRow>& lines, const std::int16_t (*draws)[kDrawColumns], int drawCount,
                          const LotteryDefinition& lottery)
{
    WhatIfTallies tallies{};
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);

    // Each draw's main numbers as a set, built once.
    std::vector<std::bitset<kMaxNumber + 1>> drawn(std::max(drawCount, 0));
    for (int d = 1; d <= drawCount; ++d)
        for (int i = 1; i <= balls; ++i)
            if (draws[d][i] >= 1 && draws[d][i] <= kMaxNumber)
                drawn[d - 1].set(draws[d][i]);

    for (const BallRow& line : lines) {
        // The line's distinct numbers, and whether it holds each possible bonus.
        std::array<int, 7> numbers{};
        int count = 0;
        std::bitset<kMaxNumber + 1> held;
        for (int j = 1; j <= balls; ++j) {
            const int n = line[j];
            if (n >= 1 && n <= kMaxNumber && !held.test(n)) {
                held.set(n);
                numbers[count++] = n;
            }
        }
        for (int d = 1; d <= drawCount; ++d) {
            int m = 0;
            for (int k = 0; k < count; ++k)
                m += drawn[d - 1].test(numbers[k]);
            const int extra = draws[d][kExtraBallColumn];
            bool bonus = false;
            if (lottery.extraBallMax != 0)
                bonus = extra >= 1 && line[kExtraBallColumn] == extra;
            else if (lottery.hasBonusBall != 0)
                bonus = extra >= 1 && extra <= kMaxNumber && held.test(extra);
            ++tallies[m + (bonus ? 10 : 0)];
        }
    }
    return tallies;
}

QString WhatIfReport(const WhatIfTallies& tallies, int drawCount, const LotteryDefinition& lottery)
{
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);
    QString text = QStringLiteral("Your lottery entries were checked against") + Str(drawCount)
        + QStringLiteral(" draw results:") + kLineEnd + kLineEnd;
    for (int k = balls; k >= 0; --k)
        text += Str(k) + QStringLiteral(" - match =") + Str(tallies[k]) + QStringLiteral(" times") + kLineEnd;
    if (lottery.hasBonusBall > 0) {
        text += kLineEnd;
        for (int k = balls; k >= 0; --k)
            text += Str(k) + QStringLiteral(" - match + bonus =") + Str(tallies[10 + k]) + QStringLiteral(" times")
                + kLineEnd;
    }
    if (lottery.extraBallMax > 0) {
        text += kLineEnd;
        for (int k = balls; k >= 0; --k)
            text += Str(k) + QStringLiteral(" - match + powerball =") + Str(tallies[10 + k]) + QStringLiteral(" times")
                + kLineEnd;
    }
    return text;
}

std::optional<std::vector<BallRow>> SavedLinesOf(const QString& lottery, int limit, QString* why)
{
    std::vector<BallRow> lines;
    if (!SavedEntriesExist())
        return lines;
    if (const QString unreadable = SavedEntriesUnreadable(); !unreadable.isEmpty()) {
        if (why)
            *why = unreadable;
        return std::nullopt;
    }
    LineReader file(kSavedEntriesFile);
    if (!file.isOpen()) {
        if (why)
            *why = QStringLiteral("it cannot be opened");
        return std::nullopt;
    }
    // Older files hold a comma of a lottery name as a semicolon.
    const QString older = SavedEntryField(lottery);
    std::array<QStringView, kSavedEntryFields> fields;
    while (int(lines.size()) < limit) {
        const auto line = file.next();
        if (!line)
            break;
        // A line that is no entry (not twelve fields, or too long to read) is
        // counted by no window.
        if (file.longLine() || line->isEmpty())
            continue;
        int count = 0;
        for (qsizetype pos = 0;; ++pos) {
            const QStringView field = ScanField(*line, pos);
            if (count == kSavedEntryFields) {
                ++count;
                break;
            }
            fields[std::size_t(count++)] = field;
            if (pos >= line->size() || (*line)[pos] != u',')
                break;
        }
        if (count != kSavedEntryFields)
            continue;
        const QStringView name = fields[kLotteryColumn];
        if (name != lottery && name != older)
            continue;
        // A line without a first number would end the list of lines.
        BallRow row{};
        for (int i = 1; i <= kSavedEntryNumbers; ++i)
            row[i] = CellFromText(fields[std::size_t(i)]);
        if (row[1] < 1)
            continue;
        lines.push_back(row);
    }
    return lines;
}
