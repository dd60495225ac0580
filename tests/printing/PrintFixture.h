#pragma once
// A program folder whose PDF printer writes to "out.pdf" in it.

#include "support/PdfText.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Printer.h"
#include "printing/ui/PrintFrm.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QFile>
#include <QVBoxLayout>
#include <cmath>

class PrintTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        UnloadPrintFrm();
        Printer().Reset();
        // Never a real printer: the PDF one, last in the list.
        Printer().SelectPrinter(Printer().PrinterCount() - 1);
        pdf_ = path(QStringLiteral("out.pdf"));
        SetPdfFileHook([this] {
            ++pdfAsked_;
            return pdf_;
        });
    }
    void TearDown() override
    {
        Printer().EndDoc();
        UnloadPrintFrm();
        ProgramFolderTest::TearDown();
    }
    bool printed() const { return QFile::exists(pdf_); }
    std::vector<PdfWord> words() const { return PdfWords(pdf_); }

    QString pdf_;
    int pdfAsked_ = 0;
};

constexpr double kWordTol = 0.6; // mm

// A window with a results grid named as the calling windows name theirs; an
// empty row after the last.
struct GridWindow {
    QDialog window;
    FlexGrid* grid;
    GridWindow(const QStringList& headings, const std::vector<QStringList>& rows)
    {
        grid = new FlexGrid(&window);
        grid->setObjectName("MSFlexGrid1");
        (new QVBoxLayout(&window))->addWidget(grid);
        grid->setCols(int(headings.size()));
        grid->setRows(int(rows.size()) + 2);
        for (int c = 0; c < headings.size(); ++c)
            grid->setTextMatrix(0, c, headings[c]);
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                grid->setTextMatrix(r + 1, c, rows[r][c]);
    }
};

// The width of a text in Arial at that size, in mm.
inline double TextWidthMm(const QString& text, double points, bool bold = false)
{
    Printer().SetScaleMode(vbMillimeters);
    Printer().SetFontName("Arial");
    Printer().SetFontBold(bold);
    Printer().SetFontSize(points);
    return Printer().TextWidth(text);
}

// Height of a word box of Arial (or its metric twin) at that size, in mm.
inline double WordHeight(double points) { return points * 25.4 / 72 * 1.117; }

// The word with that text on that page whose top lies within kWordTol of top,
// or an empty word (page 0).
inline PdfWord WordAt(const std::vector<PdfWord>& words, const QString& text, double top, int page = 1)
{
    for (const PdfWord& w : words)
        if (w.text == text && w.page == page && std::abs(w.top - top) < kWordTol)
            return w;
    return {};
}

// Every word stays on the sheet, and words sharing a line stand at least
// `gap` mm apart.
inline void ExpectWordsApartOnTheSheet(const std::vector<PdfWord>& words, double width, double height, double gap)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PdfWord& a = words[i];
        EXPECT_GE(a.left, 0) << a.text.toStdString();
        EXPECT_LE(a.right, width) << a.text.toStdString();
        EXPECT_LE(a.bottom, height) << a.text.toStdString();
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const PdfWord& b = words[j];
            if (a.page != b.page || std::min(a.bottom, b.bottom) - std::max(a.top, b.top) < 0.3)
                continue;
            EXPECT_GE(std::max(a.left, b.left) - std::min(a.right, b.right), gap)
                << a.text.toStdString() << " and " << b.text.toStdString() << " on page " << a.page;
        }
    }
}
