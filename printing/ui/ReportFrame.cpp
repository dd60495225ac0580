#include "printing/ui/ReportFrame.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Printer.h"
#include "platform/Text.h"

#include <QHash>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
// Rows keep this far above the bottom of the printable area (mm), and every
// text this far from its right edge, so that a PDF page, which is printable
// to its edges, keeps margins too.
constexpr double kBottomMargin = 15;
constexpr double kRightMargin = 10;
// The smallest text-size step the rows shrink to before texts wrap.
constexpr int kSmallestStep = -4;

// Widths of texts in the printer's current font (mm), each measured once.
class TextWidths {
public:
    explicit TextWidths(PrinterDevice& printer) : printer_(printer) {}
    double operator()(const QString& text)
    {
        const auto found = widths_.constFind(text);
        if (found != widths_.constEnd())
            return *found;
        const double width = printer_.TextWidth(text);
        widths_.insert(text, width);
        return width;
    }

private:
    PrinterDevice& printer_;
    QHash<QString, double> widths_;
};

// ReportInkOf, with the widths measured so far.
ReportInk InkOf(const QString& text, TextWidths& width)
{
    qsizetype last = text.size();
    while (last > 0 && text[last - 1].isSpace())
        --last;
    if (last == 0)
        return {};
    qsizetype first = 0;
    while (text[first].isSpace())
        ++first;
    return {true, width(text.left(first)), width(text.left(last))};
}

// The text in lines no wider than the width, broken at blanks, and inside a
// word only where the word alone is wider.
QStringList WrapText(const QString& text, double width, TextWidths& measure)
{
    QStringList lines;
    QString line;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (measure(longer) <= width) {
            line = longer;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        while (word.size() > 1 && measure(word) > width) {
            qsizetype n = word.size() - 1;
            while (n > 1 && measure(word.left(n)) > width)
                --n;
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

// The body's rows: the texts each printed column shows, in layout order.
using ReportRows = std::vector<QStringList>;

ReportRows RowsToPrint(const FlexGrid* grid, double lines, const ReportLayout& layout)
{
    ReportRows rows;
    if (!grid)
        return rows;
    for (int r = 0;;) {
        QStringList texts;
        for (const ReportColumn& column : layout.columns) {
            QString text;
            if (column.col < grid->Cols()) {
                const QString cell = grid->TextMatrix(r, column.col);
                text = column.asText ? cell : ReportCell(cell, layout.prefix);
            }
            if (texts.isEmpty())
                text += QLatin1Char(':'); // directly behind the first column
            texts << text;
        }
        rows.push_back(texts);
        ++r;
        if (r > lines || r >= grid->Rows() || grid->TextMatrix(r, 1).isEmpty())
            break;
    }
    return rows;
}

// Where the columns of the body stand, at which step, and the width at which
// texts wrap (0: none wraps).
struct BodyFit {
    int step = 0;
    std::vector<double> x;
    double wrap = 0;
    bool fits = false;
};

class BodyFitter {
public:
    BodyFitter(PrinterDevice& printer, const ReportRows& rows, const std::vector<bool>& wraps, double left,
               double right)
        : printer_(printer), rows_(rows), wraps_(wraps), left_(left), right_(right)
    {}

    // The columns at the wanted positions (those of the layout for the
    // step); where a column's texts would not clear the texts before them on
    // every row, it moves right as far as they need, and the columns after it
    // with it. Texts wider than wrap (above 0) wrap. Fits when no text then
    // passes the right edge.
    BodyFit place(int step, const std::vector<double>& wanted, double wrap = 0)
    {
        TextWidths& width = widths(step);
        // One blank of the font between one column's text and the next.
        const double gap = width(QStringLiteral(" "));
        const std::size_t n = wanted.size();
        std::vector<double> lastEnd(rows_.size(), -1e9);
        BodyFit fit{step, wanted, wrap, true};
        std::vector<ReportInk> inks(rows_.size());
        double shift = 0;
        for (std::size_t k = 0; k < n; ++k) {
            fit.x[k] += shift;
            for (std::size_t r = 0; r < rows_.size(); ++r) {
                ReportInk ink = InkOf(rows_[r].value(int(k)), width);
                if (ink.shown && wrap > 0 && wraps_[k] && ink.end > wrap)
                    ink = {true, 0, wrap};
                inks[r] = ink;
                if (ink.shown && k > 0)
                    fit.x[k] = std::max(fit.x[k], lastEnd[r] + gap - ink.start);
            }
            shift = fit.x[k] - wanted[k];
            for (std::size_t r = 0; r < rows_.size(); ++r) {
                if (inks[r].shown) {
                    lastEnd[r] = fit.x[k] + inks[r].end;
                    if (lastEnd[r] > right_)
                        fit.fits = false;
                }
            }
        }
        return fit;
    }

    // The largest wrap width with which the columns fit at the wanted
    // positions; the fit with the smallest when none does.
    BodyFit placeWrapping(int step, const std::vector<double>& wanted)
    {
        double low = widths(step)(QStringLiteral("W"));
        double high = std::max(low, right_ - left_);
        BodyFit best = place(step, wanted, low);
        if (!best.fits)
            return best;
        for (int i = 0; i < 30 && high - low > 0.1; ++i) {
            const double mid = (low + high) / 2;
            const BodyFit fit = place(step, wanted, mid);
            if (fit.fits) {
                best = fit;
                low = mid;
            } else {
                high = mid;
            }
        }
        return best;
    }

    TextWidths& widths(int step)
    {
        auto found = widths_.find(step);
        if (found == widths_.end())
            found = widths_.emplace(step, TextWidths(printer_)).first;
        printer_.SetFontSize(step + 10);
        return found->second;
    }

private:
    PrinterDevice& printer_;
    const ReportRows& rows_;
    const std::vector<bool>& wraps_;
    double left_;
    double right_;
    std::map<int, TextWidths> widths_;
};

std::vector<double> Positions(const ReportLayout& layout)
{
    std::vector<double> x;
    for (const ReportColumn& column : layout.columns)
        x.push_back(column.x);
    return x;
}

// Finds where the body's columns stand: at the chosen step where they fit,
// else at the largest smaller step where they do, else at the smallest step
// with texts wrapped, at the layout's positions or, failing those, closed up
// from the left margin.
BodyFit FitBody(PrinterDevice& printer, const ReportRows& rows, const PrintOptions& options,
                const ReportLayoutFor& layoutFor, double right)
{
    const ReportLayout chosen = layoutFor(options.textStep, options.margin);
    std::vector<bool> wraps;
    for (const ReportColumn& column : chosen.columns)
        wraps.push_back(column.asText);
    BodyFitter fitter(printer, rows, wraps, options.margin, right);
    const int smallest = std::min(options.textStep, kSmallestStep);
    for (int step = options.textStep; step >= smallest; --step) {
        const BodyFit fit = fitter.place(step, Positions(layoutFor(step, options.margin)));
        if (fit.fits)
            return fit;
    }
    const BodyFit fit = fitter.placeWrapping(smallest, Positions(layoutFor(smallest, options.margin)));
    if (fit.fits)
        return fit;
    return fitter.placeWrapping(smallest, std::vector<double>(chosen.columns.size(), options.margin));
}

// Prints a title or heading at (x, y), wrapped when it would pass the right
// edge; returns how much lower than a one-line text it ends.
double PrintHeadingText(PrinterDevice& p, const QString& text, double x, double y, double right)
{
    TextWidths width(p);
    const ReportInk ink = InkOf(text, width);
    const QStringList lines = x + ink.end <= right ? QStringList{text} : WrapText(text, right - x, width);
    p.CurrentX = x;
    p.CurrentY = y;
    for (const QString& line : lines) {
        p.CurrentX = x;
        p.PrintLine(line);
    }
    return (lines.size() - 1) * p.TextHeight();
}
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

void PrintGridReport(const FlexGrid* grid, const PrintOptions& options, const ReportLayoutFor& layoutFor)
{
    PrinterDevice& p = Printer();
    const int t = options.textStep;
    const double m = options.margin;
    const ReportLayout layout = layoutFor(t, m);

    p.SetScaleMode(vbMillimeters);
    p.SetFontName(QStringLiteral("Arial"));
    const double right = p.ScaleWidth() - kRightMargin;

    // What follows a title or heading that wrapped moves down by its
    // further lines.
    p.SetFontSize(t + 16);
    p.SetFontBold(true);
    p.SetFontUnderline(true);
    double lower = PrintHeadingText(p, layout.title, m, t + 18, right);

    p.SetFontBold(false);
    p.SetFontUnderline(false);
    if (!layout.heading.isEmpty()) {
        p.SetFontSize(t + 12);
        lower += PrintHeadingText(p, layout.heading, m, t + 36 + lower, right);
    }

    const double top = t + layout.bodyTop + lower;
    const ReportRows rows = RowsToPrint(grid, options.lines, layout);
    if (!rows.empty()) {
        const BodyFit fit = FitBody(p, rows, options, layoutFor, right);
        p.SetFontSize(fit.step + 10);
        TextWidths width(p);
        const double lineHeight = p.TextHeight();
        const double bottom = p.ScaleHeight() - kBottomMargin;
        double y = top;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            std::vector<QStringList> cells;
            qsizetype height = 1;
            for (std::size_t k = 0; k < fit.x.size(); ++k) {
                const QString& text = rows[r][int(k)];
                const bool wrap = fit.wrap > 0 && layout.columns[k].asText && InkOf(text, width).end > fit.wrap;
                cells.push_back(wrap ? WrapText(text, fit.wrap, width) : QStringList{text});
                height = std::max(height, cells.back().size());
            }
            if (r > 0 && y + height * lineHeight > bottom) {
                p.NewPage();
                y = top;
            }
            for (std::size_t k = 0; k < cells.size(); ++k) {
                for (qsizetype i = 0; i < cells[k].size(); ++i) {
                    p.CurrentX = fit.x[k];
                    p.CurrentY = y + i * lineHeight;
                    p.PrintText(cells[k][i]);
                }
            }
            y += height * lineHeight;
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
    PrintGridReport(grid, options, layoutFor);
}

ReportInk ReportInkOf(PrinterDevice& printer, const QString& text)
{
    TextWidths width(printer);
    return InkOf(text, width);
}

double ReportInkEnd(PrinterDevice& printer, const QString& text) { return ReportInkOf(printer, text).end; }

QStringList WrapReportText(PrinterDevice& printer, const QString& text, double width)
{
    TextWidths measure(printer);
    if (InkOf(text, measure).end <= width)
        return {text};
    return WrapText(text, width, measure);
}
