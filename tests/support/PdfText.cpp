#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

namespace {
QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

constexpr double kMmPerPoint = 25.4 / 72.0;

QString unescape(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}
} // namespace

std::vector<PdfWord> PdfWords(const QString& pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<PdfWord> words;
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(1).toDouble() * kMmPerPoint, m.captured(2).toDouble() * kMmPerPoint,
                         m.captured(3).toDouble() * kMmPerPoint, m.captured(4).toDouble() * kMmPerPoint,
                         unescape(m.captured(5))});
    }
    return words;
}

QString PdfLayoutText(const QString& pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// A field of pdfinfo's report, or an empty text.
static QString PdfInfo(const QString& pdf, const QString& pattern)
{
    const auto m = QRegularExpression(pattern).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1) : QString();
}

int PdfPages(const QString& pdf) { return PdfInfo(pdf, QStringLiteral(R"(Pages:\s+(\d+))")).toInt(); }

QString PdfPageSize(const QString& pdf)
{
    return PdfInfo(pdf, QStringLiteral(R"(Page size:\s+([\d.]+ x [\d.]+) pts)"));
}

PdfWord FindWord(const std::vector<PdfWord>& words, const QString& text, int page)
{
    for (const PdfWord& w : words) {
        if (w.text == text && (page == 0 || w.page == page))
            return w;
    }
    return {};
}

std::vector<PdfWord> WordsOnLineOf(const std::vector<PdfWord>& words, const QString& text, int page)
{
    const PdfWord anchor = FindWord(words, text, page);
    std::vector<PdfWord> line;
    if (anchor.page == 0)
        return line;
    for (const PdfWord& w : words) {
        if (w.page == anchor.page && std::abs(w.top - anchor.top) < 0.5)
            line.push_back(w);
    }
    std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.left < b.left; });
    return line;
}
