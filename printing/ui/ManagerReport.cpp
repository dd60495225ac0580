#include "printing/ui/ManagerReport.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Printer.h"
#include "printing/ui/ReportFrame.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace {
// As the report frame keeps them: texts stay this far inside the right edge
// and rows this far above the bottom of the printable area (mm).
constexpr double kRightMargin = 10;
constexpr double kBottomMargin = 15;
constexpr int kSmallestStep = -4;
constexpr int kDiaryCols = 6;
constexpr int kNotesLength = 50;
constexpr int kRuleLength = 120;

const QString kTitle = QStringLiteral("Vantrel Syndicate Manger     ");

bool RowIsEmpty(const FlexGrid* grid, int row)
{
    for (int c = 0; c < grid->Cols(); ++c)
        if (!grid->TextMatrix(row, c).trimmed().isEmpty())
            return false;
    return true;
}

// The pen down the pages: a text block that does not fit above the bottom
// goes on at the top of a new page.
struct Pen {
    PrinterDevice& p;
    double top;
    double bottom;
    double y;

    void room(double height)
    {
        if (y + height > bottom && y > top) {
            p.NewPage();
            y = top;
        }
    }
    void print(double x, double yAt, const QString& text)
    {
        p.CurrentX = x;
        p.CurrentY = yAt;
        p.PrintText(text);
    }
};

std::vector<double> ColumnPositions(int t, double m)
{
    return {m, m + 30 + 4 * t, m + 50 + 5 * t, m + 70 + 5 * t, m + 90 + 5 * t, m + 115 + 6 * t};
}

// The table's columns: at the positions of the step, each moved right where
// the widest text of the column before would reach it. Fits when every
// column but the notes ends inside the right edge and the notes have room to
// wrap.
struct TableFit {
    std::vector<double> x;
    bool fits = true;
};

TableFit PlaceColumns(PrinterDevice& p, const std::vector<QStringList>& rows, int step, double m, double right)
{
    p.SetFontSize(step + 10);
    const double gap = p.TextWidth(QStringLiteral(" "));
    TableFit fit{ColumnPositions(step, m)};
    for (int k = 1; k < kDiaryCols; ++k) {
        double widest = 0;
        for (const QStringList& row : rows)
            widest = std::max(widest, ReportInkEnd(p, row.value(k - 1)));
        fit.x[k] = std::max(fit.x[k], fit.x[k - 1] + (widest > 0 ? widest + gap : 0));
    }
    double notes = 0;
    for (const QStringList& row : rows)
        notes = std::max(notes, ReportInkEnd(p, row.value(kDiaryCols - 1)));
    // The notes wrap rather than shrink the table, given room for a few
    // words.
    const double room = right - fit.x[kDiaryCols - 1];
    fit.fits = room >= std::min(notes, p.TextWidth(QStringLiteral("Notes of a few words")));
    return fit;
}

// The column titles and the records to print, each cell as the window shows
// it, notes cut to their first 50 characters. Record n is printed when n is
// not above the lines to print, as in every report (2.5 prints two).
std::vector<QStringList> TableRows(const FlexGrid* diary, double lines)
{
    std::vector<QStringList> rows;
    const int last = CountDiaryRecords(diary);
    int printed = 0;
    for (int r = 0; r <= last; ++r) {
        if (r > 0) {
            if (printed + 1 > lines)
                break;
            if (RowIsEmpty(diary, r))
                continue; // an empty row between records is no record
            ++printed;
        }
        QStringList cells;
        for (int c = 0; c < kDiaryCols; ++c)
            cells << diary->TextMatrix(r, c);
        cells[kDiaryCols - 1] = cells[kDiaryCols - 1].left(kNotesLength);
        rows.push_back(cells);
    }
    return rows;
}
} // namespace

int CountDiaryRecords(const FlexGrid* diary)
{
    if (!diary)
        return 0;
    for (int r = diary->Rows() - 1; r >= 1; --r)
        if (!RowIsEmpty(diary, r))
            return r;
    return 0;
}

void PrintSyndicate(const ManagerDetails& details, const FlexGrid* diary, const QString& total)
{
    int records = 0;
    const int last = CountDiaryRecords(diary);
    for (int r = 1; r <= last; ++r)
        if (!RowIsEmpty(diary, r))
            ++records;
    if (records == 0)
        return;
    PrintOptions options;
    if (!AskPrintOptions(records, false, options))
        return;
    options.margin = std::clamp(options.margin, 0.0, 100.0);
    PrintManagerReport(details, diary, total, options);
}

void PrintManagerReport(const ManagerDetails& details, const FlexGrid* diary, const QString& total,
                        const PrintOptions& options)
{
    PrinterDevice& p = Printer();
    const int t = options.textStep;
    const double m = options.margin;
    p.SetScaleMode(vbMillimeters);
    p.SetFontName(QStringLiteral("Arial"));
    const double right = std::max(m + 20, p.ScaleWidth() - kRightMargin);
    Pen pen{p, double(t + 18), p.ScaleHeight() - kBottomMargin, double(t + 18)};

    // Title.
    p.SetFontSize(t + 16);
    p.SetFontBold(true);
    p.SetFontUnderline(true);
    for (const QString& line : WrapReportText(p, kTitle, right - m)) {
        pen.print(m, pen.y, line);
        pen.y += p.TextHeight();
    }
    p.SetFontUnderline(false);

    // Details: four lines, each with a part at the left margin and a part in
    // the address column; a part that would run into the other or off the
    // page goes on a line of its own.
    p.SetFontSize(t + 10);
    pen.y = std::max(pen.y, double(t + 35));
    double lineHeight = p.TextHeight();
    const QString blanks(12, QLatin1Char(' '));
    const QString lefts[4] = {QStringLiteral("Syndicate name: ") + details.syndicateName,
                              QStringLiteral("Manager name: ") + details.managerName,
                              QStringLiteral("Phone: ") + details.phone, QStringLiteral("Email: ") + details.email};
    const QString rights[4] = {QStringLiteral("Address: ") + details.address[0], blanks + details.address[1],
                               blanks + details.address[2], blanks + details.address[3]};
    const double gap = p.TextWidth(QStringLiteral("  "));
    for (int i = 0; i < 4; ++i) {
        const double rightX = m + (i == 0 ? 100 : 105) + 2 * t;
        const QStringList left = WrapReportText(p, lefts[i], right - m);
        const double leftEnd = m + ReportInkEnd(p, left.back());
        const double rightEnd = rightX + ReportInkEnd(p, rights[i]);
        pen.room(left.size() * lineHeight);
        for (qsizetype k = 0; k < left.size(); ++k)
            pen.print(m, pen.y + k * lineHeight, left[k]);
        const QString rightText = rights[i].trimmed();
        const double inkStart = rightX + p.TextWidth(rights[i].left(rights[i].indexOf(rightText)));
        if (rightText.isEmpty()) {
            pen.y += left.size() * lineHeight;
        } else if (leftEnd + gap <= inkStart && rightEnd <= right) {
            // Both fit where they belong.
            pen.print(rightX, pen.y + (left.size() - 1) * lineHeight, rights[i]);
            pen.y += left.size() * lineHeight;
        } else {
            pen.y += left.size() * lineHeight;
            const double x = std::min(inkStart, right - p.TextWidth(QStringLiteral("WWWWWWWW")));
            const QStringList parts = WrapReportText(p, rightText, right - x);
            pen.room(parts.size() * lineHeight);
            for (const QString& part : parts) {
                pen.print(x, pen.y, part);
                pen.y += lineHeight;
            }
        }
    }
    pen.y += 2 * lineHeight;

    // The diary: column titles, a rule, the records. At the chosen step
    // while every column clears the one before inside the page, else at the
    // largest smaller step where they do; the notes wrap where even the
    // smallest is too narrow.
    p.SetFontBold(false);
    const std::vector<QStringList> rows = diary ? TableRows(diary, options.lines) : std::vector<QStringList>{};
    if (!rows.empty()) {
        int step = t;
        TableFit fit = PlaceColumns(p, rows, step, m, right);
        while (!fit.fits && step > std::min(t, kSmallestStep)) {
            --step;
            fit = PlaceColumns(p, rows, step, m, right);
        }
        p.SetFontSize(step + 10);
        lineHeight = p.TextHeight();
        const double notesWidth = std::max(right - fit.x[kDiaryCols - 1], p.TextWidth(QStringLiteral("W")));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const QStringList notes = WrapReportText(p, rows[r][kDiaryCols - 1], notesWidth);
            pen.room((notes.size() + (r == 0 ? 1 : 0)) * lineHeight);
            for (int k = 0; k < kDiaryCols - 1; ++k)
                pen.print(fit.x[k], pen.y, rows[r][k]);
            for (qsizetype i = 0; i < notes.size(); ++i)
                pen.print(fit.x[kDiaryCols - 1], pen.y + i * lineHeight, notes[i]);
            pen.y += notes.size() * lineHeight;
            if (r == 0) {
                // The rule under the titles, as long as the page allows.
                QString rule(kRuleLength, QLatin1Char('-'));
                while (rule.size() > 1 && m + p.TextWidth(rule) > right)
                    rule.chop(1);
                pen.print(m, pen.y, rule);
                pen.y += lineHeight;
            }
        }
    } else {
        pen.y += lineHeight;
    }

    // The total.
    p.SetFontSize(t + 10);
    lineHeight = p.TextHeight();
    pen.y += lineHeight;
    p.SetFontBold(true);
    const QStringList totalLines = WrapReportText(p, QStringLiteral("Total = ") + total, right - m);
    pen.room(totalLines.size() * lineHeight);
    for (const QString& line : totalLines) {
        pen.print(m, pen.y, line);
        pen.y += lineHeight;
    }
    p.SetFontBold(false);
    p.EndDoc();
}
