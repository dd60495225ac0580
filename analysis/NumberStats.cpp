#include "analysis/NumberStats.h"

#include "platform/Text.h"

#include <algorithm>

std::vector<NumberStatsRow> NumberStatistics(const AnalysisInput& in)
{
    std::vector<int> lastSeen(in.maxBall + 1, 0); // row of the newest draw holding n; 0 never
    std::vector<int> times(in.maxBall + 1, 0);
    int r = 0;
    ForEachDraw(in, [&](const std::int16_t* row) {
        ++r;
        for (int c = 1; c <= in.ballsDrawn; ++c) {
            const int v = row[c];
            if (!IsMainNumber(in, v))
                continue;
            if (lastSeen[v] == 0)
                lastSeen[v] = r;
            ++times[v];
        }
    });
    const int draws = in.drawCount;
    std::vector<NumberStatsRow> rows;
    rows.reserve(in.maxBall);
    for (int n = 1; n <= in.maxBall; ++n) {
        NumberStatsRow row;
        row[0] = QString::number(n);
        row[1] = lastSeen[n] == 0 ? QStringLiteral("Never") : QString::number(lastSeen[n]) + " draws ago";
        row[2] = QString::number(times[n]) + " / " + QString::number(draws) + " draws";
        row[3] = times[n] < 1 ? QStringLiteral("Never") : QString::number(double(draws) / times[n], 'f', 2) + " draws";
        rows.push_back(row);
    }
    return rows;
}

void SortNumberStats(std::vector<NumberStatsRow>& rows, StatsSort sort)
{
    const int column = sort == StatsSort::Overdue ? 1 : 2;
    auto key = [column](const NumberStatsRow& row) { return Val(row[column]); };
    if (sort == StatsSort::Expected)
        std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
    else
        std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) { return key(a) > key(b); });
}

QString SortMessage(const std::vector<NumberStatsRow>& rows, StatsSort sort)
{
    QString message;
    switch (sort) {
    case StatsSort::Overdue: message = "These numbers haven't appeared for a long time and are overdue:"; break;
    case StatsSort::MostCommon: message = "For some reason, these numbers appear more often than others:"; break;
    case StatsSort::Expected: message = "These numbers are expected soon to improve their average:"; break;
    }
    QStringList numbers;
    for (std::size_t i = 0; i < rows.size() && i < 10; ++i)
        numbers << rows[i][0];
    return message + ' ' + numbers.join(QStringLiteral(", "));
}
