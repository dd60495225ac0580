#include "core/OpenLottery.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/PrintSelection.h"
#include "printing/ui/ReportFrame.h"

#include "platform/ui/FlexGrid.h"

#include <QRadioButton>

void PrintEntries(const FlexGrid* grid)
{
    const int count = CountGridRows(grid);
    if (count == 0) {
        MsgBox(QStringLiteral("Nothing to print!    "), vbExclamation, QStringLiteral("Error!"));
        return;
    }

    bool slips = false;
    {
        PrintSelection media(grid->window());
        media.Load();
        ShowModal(&media);
        // Closing the window without its print button prints nothing.
        if (!media.Confirmed())
            return;
        slips = media.Option1->isChecked();
    }
    if (slips) {
        PrintPlaySlips(grid, count);
        return;
    }

    AskAndPrintGrid(grid, count, false, [](int t, double m) {
        ReportLayout layout(QStringLiteral("        Vantrel                            "),
                            QStringLiteral("Lottery: ") + LotteryName, QStringLiteral(" "));
        layout.addColumns(0, 8, m, t + 12);
        return layout;
    });
}
