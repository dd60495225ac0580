#pragma once
// Reads printouts back from PDF files with poppler's command-line tools.

#include <QString>
#include <QStringList>
#include <vector>

struct PdfWord {
    int page = 0;                                    // from 1
    double left = 0, top = 0, right = 0, bottom = 0; // mm from the page's top-left corner
    QString text;
};

// Every word with its box (pdftotext -bbox).
std::vector<PdfWord> PdfWords(const QString& pdf);
// The text laid out as printed (pdftotext -layout), pages joined.
QString PdfLayoutText(const QString& pdf);
// The page count and the first page's size in points (pdfinfo).
int PdfPages(const QString& pdf);
QString PdfPageSize(const QString& pdf);

// The words printed on one line (the same page, tops within half a mm of the
// first word found with that text), left to right.
std::vector<PdfWord> WordsOnLineOf(const std::vector<PdfWord>& words, const QString& text, int page = 1);
// The first word with exactly that text, or an empty word (page 0).
PdfWord FindWord(const std::vector<PdfWord>& words, const QString& text, int page = 0);
