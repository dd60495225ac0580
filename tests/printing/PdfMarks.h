#pragma once
// Finds the solid marks on a printed page: renders it with pdftoppm and
// collects every connected patch of dark pixels.

#include <QString>
#include <vector>

struct PdfMark {
    double left = 0, top = 0, right = 0, bottom = 0; // mm from the page's top-left corner
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// The marks of one page (from 1), top to bottom, then left to right.
std::vector<PdfMark> PdfMarks(const QString& pdf, int page = 1, int dpi = 300);
// The mark whose top-left corner lies within `tolerance` mm of the point, or
// nullptr.
const PdfMark* MarkAt(const std::vector<PdfMark>& marks, double left, double top, double tolerance = 0.3);
