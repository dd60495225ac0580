#include "core/DataFiles.h"
#include "core/OpenLottery.h"
#include "platform/Text.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"
#include "printing/PlaySlipTemplate.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/PrintTickets.h"
#include "printing/ui/SlipMarks.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

// Prints one board per entry row, from row 1 while the row is within
// `lines` and its first number cell is filled; boards across, then down, a
// new sheet when a slip is full. Returns the marks not printed whole.
SlipMarkTrouble PrintSlips(const FlexGrid* grid, double lines, const PlaySlipTemplate& slip)
{
    SlipMarkTrouble trouble;
    StartSlipMarks();
    int sheet = 0;
    for (int row = 1, entry = 0; row <= lines && row < grid->Rows() && !grid->TextMatrix(row, 1).isEmpty();
         ++row, ++entry) {
        const SlipPlace place = EntryPlace(entry, slip.boardsAcross(), slip.boardsDown());
        if (place.sheet != sheet) {
            Printer().NewPage();
            sheet = place.sheet;
        }
        for (int col = 1; col <= kExtraBallColumn; ++col) {
            const int number = EntryNumber(grid->TextMatrix(row, col));
            if (number > 0)
                trouble.note(number, DrawSlipMark(slip, number, col == 8, place.across, place.down));
        }
    }
    // Nothing more to say when the printout was started but did not go out
    // (the PDF file choice cancelled, a printer that said it cannot start).
    const bool started = Printer().DocumentOpen();
    if (!Printer().EndDoc() && started)
        return {};
    return trouble;
}
} // namespace

void PrintPlaySlips(const FlexGrid* grid, int count)
{
    PrintTickets tickets(grid->window());
    tickets.Load();
    tickets.Label7->setText(QStringLiteral("OK"));
    tickets.Text2->setText(QString::number(count));

    if (tickets.List3->count() == 0) {
        QString text =
            QStringLiteral("No lottery templates found.    ") + kLineEnd + QStringLiteral("Please make one...");
        if (!tickets.Unreadable().isEmpty())
            text += kLineEnd + kLineEnd + QStringLiteral("These template files cannot be read: ")
                + tickets.Unreadable().join(QStringLiteral(", "));
        MsgBox(text, vbExclamation, QStringLiteral("Error!"));
        return;
    }
    // The open lottery's template; the later one in the list when several.
    // Names are compared without the blanks around them, on both sides, so
    // a lottery whose name ends in a blank finds the template made for it.
    // The editor stores the lottery's whole name; a template that holds the
    // name as the lottery list cuts it (as the editor stored it before) is
    // taken when none holds the whole name.
    const QString whole = LotteryName.trimmed();
    const QString listed = ListedName(LotteryName).trimmed();
    int match = -1;
    int listedMatch = -1;
    for (int i = 0; i < tickets.Lotteries().size(); ++i) {
        if (tickets.Lotteries()[i] == whole)
            match = i;
        else if (tickets.Lotteries()[i] == listed)
            listedMatch = i;
    }
    if (match < 0)
        match = listedMatch;
    if (match < 0) {
        MsgBox(QStringLiteral("Couldn't find a template for this lottery.    "), vbExclamation,
               QStringLiteral("Error!"));
        return;
    }
    tickets.List3->setCurrentRow(match);
    ShowModal(&tickets);
    const int chosen = tickets.List3->currentRow();
    if (tickets.Label7->text() != QStringLiteral("OK") || chosen < 0)
        return;
    const double lines = Val(tickets.Text2->text());
    const QString file = tickets.List2->item(chosen)->text();

    // Read again: the file may have changed while the dialog was open, and
    // nothing is printed from a template that cannot be read whole.
    const PlaySlipRead read = ReadPlaySlipTemplate(file);
    if (!read.slip) {
        MsgBox(read.error, vbExclamation, QStringLiteral("Error!"));
        return;
    }
    const QString warning = PrintSlips(grid, lines, *read.slip).message(read.slip->TemplateName);
    if (!warning.isEmpty())
        MsgBox(warning, vbExclamation, QStringLiteral("Warning!"));
}
