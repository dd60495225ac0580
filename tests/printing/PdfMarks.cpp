#include "PdfMarks.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

std::vector<PdfMark> PdfMarks(const QString& pdf, int page, int dpi)
{
    std::vector<PdfMark> marks;
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-f"),
                   QString::number(page), QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
                   pdf, prefix});
    if (!process.waitForFinished(60000))
        return marks;
    QImage image(prefix + QStringLiteral(".pgm"));
    if (image.isNull())
        return marks;
    image = image.convertToFormat(QImage::Format_Grayscale8);
    const int w = image.width();
    const int h = image.height();
    std::vector<unsigned char> seen(size_t(w) * size_t(h), 0);
    auto dark = [&](int x, int y) { return image.constScanLine(y)[x] < 128; };
    const double mmPerPixel = 25.4 / dpi;
    std::vector<std::pair<int, int>> stack;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[size_t(y) * w + x] || !dark(x, y))
                continue;
            int x0 = x, x1 = x, y0 = y, y1 = y;
            stack.assign(1, {x, y});
            seen[size_t(y) * w + x] = 1;
            while (!stack.empty()) {
                const auto [cx, cy] = stack.back();
                stack.pop_back();
                x0 = std::min(x0, cx);
                x1 = std::max(x1, cx);
                y0 = std::min(y0, cy);
                y1 = std::max(y1, cy);
                const int nx[4] = {cx + 1, cx - 1, cx, cx};
                const int ny[4] = {cy, cy, cy + 1, cy - 1};
                for (int k = 0; k < 4; ++k) {
                    if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h)
                        continue;
                    unsigned char& s = seen[size_t(ny[k]) * w + nx[k]];
                    if (!s && dark(nx[k], ny[k])) {
                        s = 1;
                        stack.push_back({nx[k], ny[k]});
                    }
                }
            }
            marks.push_back({x0 * mmPerPixel, y0 * mmPerPixel, (x1 + 1) * mmPerPixel, (y1 + 1) * mmPerPixel});
        }
    }
    return marks;
}

const PdfMark* MarkAt(const std::vector<PdfMark>& marks, double left, double top, double tolerance)
{
    for (const PdfMark& m : marks) {
        if (std::abs(m.left - left) <= tolerance && std::abs(m.top - top) <= tolerance)
            return &m;
    }
    return nullptr;
}
