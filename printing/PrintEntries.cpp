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

    AskAndPrintGrid(grid, count, false, [](int t, double m) {
        ReportLayout layout(QStringLiteral("        Vantrel                            "),
                            QStringLiteral("Lottery: ") + LotteryName, QStringLiteral(" "));
        layout.addColumns(0, 8, m, t + 12);
        return layout;
    });
}
