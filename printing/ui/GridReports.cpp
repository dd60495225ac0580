// The draw, statistics and saved-entries reports: one family on the report
// frame, each with its own title, heading and columns. None says anything
// when the grid holds no row.
#include "core/OpenLottery.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/ReportFrame.h"

namespace {
void printReport(const FlexGrid* grid, bool resetMargin, const ReportLayoutFor& layoutFor)
{
    if (const int count = CountGridRows(grid); count > 0)
        AskAndPrintGrid(grid, count, resetMargin, layoutFor);
}
} // namespace

void PrintDrawResults(const FlexGrid* grid)
{
    printReport(grid, false, [](int t, double m) {
        ReportLayout layout(QStringLiteral("        Lottery Draw Results                        "),
                            QStringLiteral("Lottery database: ") + LotteryName, QStringLiteral(" "));
        layout.columns.push_back({0, m, true}); // the date as it stands
        layout.addColumns(1, 8, m + 10 + (t + 14), t + 14);
        return layout;
    });
}

void PrintNumberStats(const FlexGrid* grid)
{
    printReport(grid, false, [](int t, double m) {
        ReportLayout layout(QStringLiteral("     Lottery Number Statistics               "),
                            QStringLiteral("Lottery: ") + LotteryName, QStringLiteral("  "));
        layout.addColumns(0, 3, m, t + 28);
        return layout;
    });
}

void PrintMyEntries(const FlexGrid* grid)
{
    printReport(grid, true, [](int t, double m) {
        // No heading line: the rows start where it would stand.
        ReportLayout layout(QStringLiteral("     Lottery Entries               "), QString(), QStringLiteral("  "), 36);
        layout.columns.push_back({0, m, true}); // the date as it stands
        layout.addColumns(1, 8, m + 10 + (t + 12), t + 12);
        // The lottery and player names print as names, even when they start
        // with a digit.
        layout.columns.push_back({9, m + 10 + 9 * (t + 12), true});
        layout.columns.push_back({10, m + 15 + 10 * (t + 14), true});
        return layout;
    });
}
