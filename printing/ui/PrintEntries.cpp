#include "core/OpenLottery.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/PrintSelection.h"
#include <QRadioButton>
#include "printing/ui/ReportFrame.h"

#include "platform/ui/FlexGrid.h"

void PrintEntries(const FlexGrid* grid)
{
    const int count = CountGridRows(grid);
    if (count == 0) {
        MsgBox(QStringLiteral("Nothing to print!    "), vbExclamation, QStringLiteral("Error!"));
        return;
    }

    {
        PrintSelection media(grid->window());
        ShowModal(&media);
        // Closing the window without its print button prints nothing.
        if (!media.Confirmed())
            return;
        if (media.Option1->isChecked()) {
            PrintPlaySlips(grid, count);
            return;
        }
    }

    AskAndPrintGrid(grid, count, false, [](int t, double m) {
        ReportLayout layout(QStringLiteral("        Vantrel                            "),
                            QStringLiteral("Lottery: ") + LotteryName, QStringLiteral(" "));
        layout.addColumns(0, 8, m, t + 12);
        return layout;
    });
}
