#include "printing/ui/SyndicateReports.h"

#include "platform/Dates.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Printer.h"
#include "printing/ui/ReportFrame.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/SyndicateMembers.h"

#include <algorithm>
#include <vector>

namespace {
// As the report frame keeps them: rows stay this far above the bottom of the
// printable area and texts this far from its right edge (mm).
constexpr double kBottomMargin = 15;
constexpr double kRightMargin = 10;
// The smallest text-size step the payments rows shrink to before names wrap.
constexpr int kSmallestStep = -4;

const QString kTitle = QStringLiteral("        Vantrel                        ");

// Prints lines from (x, y) down, one line of the current font apart.
void PrintLines(PrinterDevice& p, const QStringList& lines, double x, double y)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        p.CurrentX = x;
        p.CurrentY = y + double(i) * p.TextHeight();
        p.PrintText(lines[i]);
    }
}

// A rule of up to `count` dashes from x, cut short at the right edge.
QString Rule(PrinterDevice& p, int count, double x, double right)
{
    int n = count;
    while (n > 1 && x + p.TextWidth(QString(n, QLatin1Char('-'))) > right)
        --n;
    return QString(n, QLatin1Char('-'));
}

struct Page {
    PrinterDevice& p;
    int step;
    double margin;
    double right;
    double bottom;
    double top; // where the body starts, on every page
};

// The frame's page set-up, title and heading (each wrapped when it would pass
// the right edge); returns where the body goes.
Page StartReport(const QString& heading, const PrintOptions& options)
{
    PrinterDevice& p = Printer();
    const int t = options.textStep;
    const double m = options.margin;
    p.SetScaleMode(vbMillimeters);
    p.SetFontName(QStringLiteral("Arial"));
    const double right = p.ScaleWidth() - kRightMargin;
    const double width = std::max(right - m, 10.0);

    p.SetFontSize(t + 16);
    p.SetFontBold(true);
    p.SetFontUnderline(true);
    const QStringList title = WrapReportText(p, kTitle, width);
    PrintLines(p, title, m, t + 18);
    double lower = double(title.size() - 1) * p.TextHeight();

    p.SetFontBold(false);
    p.SetFontUnderline(false);
    p.SetFontSize(t + 12);
    const QStringList head = WrapReportText(p, heading, width);
    PrintLines(p, head, m, t + 36 + lower);
    lower += double(head.size() - 1) * p.TextHeight();

    p.SetFontSize(t + 10);
    return {p, t, m, right, p.ScaleHeight() - kBottomMargin, t + 50 + lower};
}

// ---------------------------------------------------------------- members

struct BlockLine {
    QString label; // bold
    QString value;
};

std::vector<BlockLine> MemberBlock(int row)
{
    const SyndicateRow& f = Syndicate[row];
    QString name = f[NameField];
    if (row == 0)
        name += QStringLiteral("  (Manager)");
    return {
        {QStringLiteral("    Name: "), name},
        {QStringLiteral("Address: "),
         f[AddressField] + QStringLiteral(", ") + f[AddressField + 1] + QStringLiteral(", ") + f[AddressField + 2]
             + QStringLiteral(", ") + f[AddressField + 3]},
        {QStringLiteral("    Phone: "), f[PhoneField]},
        {QStringLiteral("     Email: "), f[EmailField]},
        {QStringLiteral("   Pay by: "), f[PayByField]},
    };
}

// ---------------------------------------------------------------- payments

using PaymentRow = std::vector<QString>; // the four cells

struct PaymentFit {
    int step = 0;
    double x[4] = {};
    double nameWidth = 0; // names wider than this wrap (0: none wraps)
    bool fits = false;
};

bool Overdue(const QString& text)
{
    const auto date = ParseDate(text);
    return date && *date < Today();
}

// The columns at the step's positions, each moved right as far as the texts
// before it need on every row (one blank between them); fits when no text
// passes the right edge.
PaymentFit PlacePayments(PrinterDevice& p, const std::vector<PaymentRow>& rows, int step, double margin, double right,
                         double nameWidth)
{
    const PaymentColumns wanted = PaymentColumnsFor(step, margin);
    PaymentFit fit;
    fit.step = step;
    fit.nameWidth = nameWidth;
    fit.fits = true;
    p.SetFontSize(step + 10);
    const double gap = p.TextWidth(QStringLiteral(" "));
    std::vector<double> lastEnd(rows.size(), -1e9);
    double shift = 0;
    for (int k = 0; k < 4; ++k) {
        fit.x[k] = wanted.x[k] + shift;
        std::vector<ReportInk> inks(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            p.SetFontBold(k == 3 && r > 0 && Overdue(rows[r][3]));
            ReportInk ink = ReportInkOf(p, rows[r][k]);
            p.SetFontBold(false);
            if (k == 0 && nameWidth > 0 && ink.shown && ink.end > nameWidth)
                ink = {true, 0, nameWidth};
            inks[r] = ink;
            if (ink.shown && k > 0)
                fit.x[k] = std::max(fit.x[k], lastEnd[r] + gap - ink.start);
        }
        shift = fit.x[k] - wanted.x[k];
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!inks[r].shown)
                continue;
            lastEnd[r] = fit.x[k] + inks[r].end;
            if (lastEnd[r] > right)
                fit.fits = false;
        }
    }
    return fit;
}

PaymentFit FitPayments(PrinterDevice& p, const std::vector<PaymentRow>& rows, const Page& page)
{
    const int smallest = std::min(page.step, kSmallestStep);
    for (int step = page.step; step >= smallest; --step) {
        const PaymentFit fit = PlacePayments(p, rows, step, page.margin, page.right, 0);
        if (fit.fits)
            return fit;
    }
    // Names wrap within the room their column has at the smallest step.
    const PaymentColumns wanted = PaymentColumnsFor(smallest, page.margin);
    p.SetFontSize(smallest + 10);
    const double room =
        std::max(wanted.x[1] - wanted.x[0] - p.TextWidth(QStringLiteral(" ")), p.TextWidth(QStringLiteral("W")));
    return PlacePayments(p, rows, smallest, page.margin, page.right, room);
}
} // namespace

PaymentColumns PaymentColumnsFor(int step, double margin)
{
    return {{margin, margin + 45 + 5 * step, margin + 75 + 7 * step, margin + 100 + 10 * step}};
}

void PrintMembersReport(const PrintOptions& options)
{
    Page page = StartReport(
        QStringLiteral("Members of the ") + Syndicate[0][SyndicateNameField] + QStringLiteral(" syndicate"), options);
    PrinterDevice& p = page.p;
    const double lineHeight = p.TextHeight();
    double y = page.top;
    for (int i = 0;;) {
        // The block's lines, values wrapped where they would pass the right
        // edge (they go on under the value's start).
        struct Printed {
            QString label;
            double valueX;
            QStringList value;
        };
        std::vector<Printed> lines;
        qsizetype height = 1; // the rule
        for (const BlockLine& line : MemberBlock(i)) {
            p.SetFontBold(true);
            const double valueX = page.margin + p.TextWidth(line.label);
            p.SetFontBold(false);
            const QStringList value = WrapReportText(p, line.value, std::max(page.right - valueX, 10.0));
            lines.push_back({line.label, valueX, value});
            height += value.size();
        }
        // A block is not split over two pages.
        if (y > page.top && y + double(height) * lineHeight > page.bottom) {
            p.NewPage();
            y = page.top;
        }
        for (const Printed& line : lines) {
            p.CurrentX = page.margin;
            p.CurrentY = y;
            p.SetFontBold(true);
            p.PrintText(line.label);
            p.SetFontBold(false);
            PrintLines(p, line.value, line.valueX, y);
            y += double(line.value.size()) * lineHeight;
        }
        p.CurrentX = page.margin;
        p.CurrentY = y;
        p.PrintText(Rule(p, 100, page.margin, page.right));
        y += lineHeight;

        ++i;
        if (i > options.lines || i > kMaxMembers || Syndicate[i][NameField].isEmpty())
            break;
    }
    p.EndDoc();
}

void PrintMembers()
{
    const int members = MemberCount();
    if (members == 0)
        return;
    PrintOptions options;
    if (!AskPrintOptions(members, false, options))
        return;
    options.margin = std::clamp(options.margin, 0.0, 100.0);
    PrintMembersReport(options);
}

void PrintPaymentsReport(const FlexGrid* grid, const PrintOptions& options)
{
    Page page = StartReport(QStringLiteral("Syndicate member payments, ") + PickerDate(Today()), options);
    PrinterDevice& p = page.p;

    std::vector<PaymentRow> rows;
    for (int r = 0; grid && r < grid->Rows();) {
        rows.push_back(
            {grid->TextMatrix(r, 0), grid->TextMatrix(r, 1), grid->TextMatrix(r, 2), grid->TextMatrix(r, 3)});
        ++r;
        if (r > options.lines || r >= grid->Rows() || grid->TextMatrix(r, 0).isEmpty())
            break;
    }

    if (!rows.empty()) {
        const PaymentFit fit = FitPayments(p, rows, page);
        p.SetFontSize(fit.step + 10);
        const double lineHeight = p.TextHeight();
        double y = page.top;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const QStringList name =
                fit.nameWidth > 0 ? WrapReportText(p, rows[r][0], fit.nameWidth) : QStringList{rows[r][0]};
            if (r > 0 && y + double(name.size()) * lineHeight > page.bottom) {
                p.NewPage();
                y = page.top;
            }
            PrintLines(p, name, fit.x[0], y);
            for (int k = 1; k < 4; ++k) {
                p.CurrentX = fit.x[k];
                p.CurrentY = y;
                p.SetFontBold(k == 3 && r > 0 && Overdue(rows[r][3]));
                p.PrintText(rows[r][k]);
                p.SetFontBold(false);
            }
            y += double(name.size()) * lineHeight;
            if (r == 0) {
                p.CurrentX = page.margin;
                p.CurrentY = y;
                p.PrintText(Rule(p, 110, page.margin, page.right));
                y += lineHeight;
            }
        }
    }
    p.EndDoc();
}

void PrintPayments(const FlexGrid* grid)
{
    if (!grid)
        return;
    int people = 0;
    while (people + 1 < grid->Rows() && !grid->TextMatrix(people + 1, 0).isEmpty())
        ++people;
    if (people == 0)
        return;
    PrintOptions options;
    if (!AskPrintOptions(people, false, options))
        return;
    options.margin = std::clamp(options.margin, 0.0, 100.0);
    PrintPaymentsReport(grid, options);
}
