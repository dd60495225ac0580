#include "core/OpenLottery.h"
#include "platform/MsgBox.h"
#include "printing/PrintReports.h"
#include "printing/PrintSelection.h"
#include "printing/ReportFrame.h"

void PrintEntries(QWidget* window)
{
    const FlexGrid* grid = ReportGrid(window);
    const int count = CountGridRows(grid);
    if (count == 0) {
        MsgBox(QStringLiteral("Nothing to print!    "), vbExclamation, QStringLiteral("Error!"));
        return;
    }

    {
        PrintSelection media(window);
        ShowModal(&media);
        // Closing the window without its print button prints nothing.
        if (!media.Confirmed())
            return;
    }

    PrintOptions options;
    if (!AskPrintOptions(count, false, options))
        return;

    const int t = options.textStep;
    const double m = options.margin;
    ReportLayout layout;
    layout.title = QStringLiteral("        Vantrel                            ");
    layout.heading = QStringLiteral("Lottery: ") + LotteryName;
    layout.bodyTop = 50;
    layout.prefix = QStringLiteral(" ");
    for (int k = 0; k <= 8; ++k)
        layout.columns.push_back({k, m + k * (t + 12), false});
    PrintGridReport(grid, options, layout);
}
