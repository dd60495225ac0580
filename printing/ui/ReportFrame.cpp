#include "printing/ui/ReportFrame.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Printer.h"
#include "platform/Text.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Rows keep this far above the bottom of the printable area (mm), so that a
// PDF page, which is printable to its edge, keeps a margin too.
constexpr double kBottomMargin = 15;
} // namespace

void ReportLayout::addColumns(int first, int last, double x0, double step, bool asText)
{
    for (int k = first; k <= last; ++k)
        columns.push_back({k, x0 + (k - first) * step, asText});
}

int CountGridRows(const FlexGrid* grid)
{
    if (!grid)
        return 0;
    int n = 0;
    for (int r = 1; r < grid->Rows() && !grid->TextMatrix(r, 1).isEmpty(); ++r)
        ++n;
    return n;
}

QString ReportCell(const QString& text, const QString& prefix)
{
    const double v = Val(text);
    if (!(v > 0))
        return text;
    // Half away from zero, as number formats round.
    const long long whole = std::llround(v);
    return prefix + QString::number(whole).rightJustified(2, QLatin1Char('0'));
}

void PrintGridReport(const FlexGrid* grid, const PrintOptions& options, const ReportLayout& layout)
{
    PrinterDevice& p = Printer();
    const int t = options.textStep;
    const double m = options.margin;

    p.SetScaleMode(vbMillimeters);
    p.SetFontName(QStringLiteral("Arial"));

    p.SetFontSize(t + 16);
    p.SetFontBold(true);
    p.SetFontUnderline(true);
    p.CurrentY = t + 18;
    p.CurrentX = m;
    p.PrintLine(layout.title);

    p.SetFontBold(false);
    p.SetFontUnderline(false);
    if (!layout.heading.isEmpty()) {
        p.SetFontSize(t + 12);
        p.CurrentY = t + 36;
        p.CurrentX = m;
        p.PrintLine(layout.heading);
    }

    const double top = t + layout.bodyTop;
    p.CurrentY = top;
    p.SetFontSize(t + 10);

    if (grid) {
        const double lineHeight = p.TextHeight();
        const double bottom = p.ScaleHeight() - kBottomMargin;
        for (int r = 0;;) {
            if (r > 0 && p.CurrentY + lineHeight > bottom) {
                p.NewPage();
                p.CurrentY = top;
            }
            bool first = true;
            for (const ReportColumn& column : layout.columns) {
                p.CurrentX = column.x;
                if (column.col < grid->Cols()) {
                    const QString cell = grid->TextMatrix(r, column.col);
                    p.PrintText(column.asText ? cell : ReportCell(cell, layout.prefix));
                }
                if (first)
                    p.PrintText(QStringLiteral(":"));
                first = false;
            }
            p.LineEnd();
            ++r;
            if (r > options.lines || r >= grid->Rows() || grid->TextMatrix(r, 1).isEmpty())
                break;
        }
    }
    p.EndDoc();
}

void AskAndPrintGrid(const FlexGrid* grid, int count, bool resetMargin, const ReportLayoutFor& layoutFor)
{
    PrintOptions options;
    if (!AskPrintOptions(count, resetMargin, options))
        return;
    options.margin = std::clamp(options.margin, 0.0, 100.0);
    PrintGridReport(grid, options, layoutFor(options.textStep, options.margin));
}
