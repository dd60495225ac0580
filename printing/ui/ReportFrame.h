#pragma once
// The frame every plain-paper report shares: title, heading and the rows of a
// window's grid, one line per row, in millimetres from the top-left corner of
// the printable area. Sizes and vertical positions move with the text-size
// step of the print options.

#include "printing/ui/PrintFrm.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class FlexGrid;
class PrinterDevice;
class QWidget;

struct ReportColumn {
    int col = 0;
    double x = 0;        // mm
    bool asText = false; // printed as it stands, not by its leading number
};

struct ReportLayout {
    // An empty heading prints no heading line.
    ReportLayout(const QString& title, const QString& heading, const QString& prefix, double bodyTop = 50)
        : title(title), heading(heading), prefix(prefix), bodyTop(bodyTop)
    {}

    QString title;
    QString heading;
    QString prefix;                    // before every number printed by the cell rule
    double bodyTop = 50;               // first row at y = step + bodyTop
    std::vector<ReportColumn> columns; // in printing order, leftmost first; a colon follows the first

    // Grid columns first to last at x0, x0 + step, ...
    void addColumns(int first, int last, double x0, double step, bool asText = false);
};

// The filled rows from row 1 up to the first whose column-1 cell is empty.
int CountGridRows(const FlexGrid* grid);

// A cell as the reports print it: a text whose leading number is above 0
// prints as the prefix and that number rounded to at least two digits
// ("7" as "07", "12.6 draws" as "13"); any other text prints unchanged.
QString ReportCell(const QString& text, const QString& prefix);

// The layout of a report for a text-size step and a left margin (mm).
using ReportLayoutFor = std::function<ReportLayout(int step, double margin)>;

// Prints row 0 and rows 1 to options.lines of the grid (stopping at the first
// row whose column-1 cell is empty) under the layout's title and heading, and
// ends the document. A list longer than the page goes on at the body's top on
// the next page.
//
// The columns stand where the layout for the chosen step puts them as long as
// every row's texts clear one another there and stay inside the printable
// area. Where a text is too wide, the columns after it move right as far as
// it needs; where the page is then too narrow, the rows print at the next
// smaller step, down to -4; and where even that is too wide, the columns
// close up and texts that are not numbers wrap onto further lines. Titles and
// headings too wide for the page wrap as well.
void PrintGridReport(const FlexGrid* grid, const PrintOptions& options, const ReportLayoutFor& layoutFor);

// Offers the count of rows in the Print dialog (with a 10 mm margin when
// asked) and prints the grid with the options chosen; nothing when the
// player cancels.
void AskAndPrintGrid(const FlexGrid* grid, int count, bool resetMargin, const ReportLayoutFor& layoutFor);

// Where a text printed at 0 shows, in the printer's current font (mm): from
// after its leading blanks up to its last visible character; not shown for a
// blank text.
struct ReportInk {
    bool shown = false;
    double start = 0;
    double end = 0;
};
ReportInk ReportInkOf(PrinterDevice& printer, const QString& text);
// Where a text printed at 0 ends (mm): ReportInkOf(printer, text).end.
double ReportInkEnd(PrinterDevice& printer, const QString& text);
// The text in lines no wider than `width` (mm) in the printer's current font:
// as it stands when its ink fits, else broken at blanks, and inside a word
// only where the word alone is wider.
QStringList WrapReportText(PrinterDevice& printer, const QString& text, double width);
