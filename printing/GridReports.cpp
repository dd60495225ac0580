// The draw, statistics and saved-entries reports: one family on the report
// frame, each with its own title, heading and columns.
#include "core/OpenLottery.h"
#include "printing/PrintReports.h"
#include "printing/ReportFrame.h"

#include <algorithm>

namespace {
// Counts the rows, asks for the options and prints; nothing at all when the
// grid holds no row or the player cancels.
template <typename MakeLayout>
void printReport(QWidget* window, bool resetMargin, MakeLayout makeLayout)
{
    const FlexGrid* grid = ReportGrid(window);
    const int count = CountGridRows(grid);
    if (count == 0)
        return;
    PrintOptions options;
    if (!AskPrintOptions(count, resetMargin, options))
        return;
    options.margin = std::clamp(options.margin, 0.0, 100.0);
    PrintGridReport(grid, options, makeLayout(options.textStep, options.margin));
}
} // namespace

void PrintDrawResults(QWidget* window)
{
    printReport(window, false, [](int t, double m) {
        ReportLayout layout;
        layout.title = QStringLiteral("        Lottery Draw Results                        ");
        layout.heading = QStringLiteral("Lottery database: ") + LotteryName;
        layout.bodyTop = 50;
        layout.prefix = QStringLiteral(" ");
        layout.columns.push_back({0, m, true}); // the date as it stands
        for (int k = 1; k <= 8; ++k)
            layout.columns.push_back({k, m + 10 + k * (t + 14), false});
        return layout;
    });
}

void PrintNumberStats(QWidget* window)
{
    printReport(window, false, [](int t, double m) {
        ReportLayout layout;
        layout.title = QStringLiteral("     Lottery Number Statistics               ");
        layout.heading = QStringLiteral("Lottery: ") + LotteryName;
        layout.bodyTop = 50;
        layout.prefix = QStringLiteral("  ");
        for (int k = 0; k <= 3; ++k)
            layout.columns.push_back({k, m + k * (t + 28), false});
        return layout;
    });
}

void PrintMyEntries(QWidget* window)
{
    printReport(window, true, [](int t, double m) {
        ReportLayout layout;
        layout.title = QStringLiteral("     Lottery Entries               ");
        layout.hasHeading = false;
        layout.bodyTop = 36;
        layout.prefix = QStringLiteral("  ");
        layout.columns.push_back({0, m, true}); // the date as it stands
        for (int k = 1; k <= 8; ++k)
            layout.columns.push_back({k, m + 10 + k * (t + 12), false});
        // The lottery and player names print as names, even when they start
        // with a digit.
        layout.columns.push_back({9, m + 10 + 9 * (t + 12), true});
        layout.columns.push_back({10, m + 15 + 10 * (t + 14), true});
        return layout;
    });
}
