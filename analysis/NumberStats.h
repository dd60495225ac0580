#pragma once
// The number statistics table: for every main number, how many draws ago it
// was last drawn, how often it was drawn and the average number of draws
// between its appearances; and the three sorts that bring the overdue, the
// most common and the expected numbers to the top.

#include "analysis/DrawWalks.h"

#include <QString>
#include <array>
#include <vector>

// One row as the table shows it: "Num", "Last drawn", "Times Drawn",
// "Average" ("7", "5 draws ago", "12 / 100 draws", "8.33 draws").
using NumberStatsRow = std::array<QString, 4>;

// Rows for the numbers 1 to MaxBall, in ascending order. A number never
// drawn shows "Never" as last drawn and average.
std::vector<NumberStatsRow> NumberStatistics(const AnalysisInput& in);

enum class StatsSort {
    Overdue,    // last drawn longest ago first; numbers never drawn last
    MostCommon, // drawn most often first
    Expected,   // drawn least often first
};
// Sorts the rows by the leading number of the sort's column ("Never" reads
// 0). Rows with equal keys keep their order, so sorting twice changes
// nothing.
void SortNumberStats(std::vector<NumberStatsRow>& rows, StatsSort sort);
// What the sort says, followed by the numbers of the first ten rows:
// "... are overdue: 5, 12, 3".
QString SortMessage(const std::vector<NumberStatsRow>& rows, StatsSort sort);
