#include "platform/ui/Printer.h"
#include "printing/ui/PrintReports.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

void PrintWindowImage(QWidget* window)
{
    if (!window)
        return;
    PrinterDevice& p = Printer();
    p.SetOrientation(vbPRORLandscape);
    p.SetPrintQuality(vbPRPQMedium);

    const QPixmap pixmap = window->grab();
    const QImage image = pixmap.toImage();
    // The size it has on screen, shrunk to the page when larger.
    const double dpi = window->logicalDpiX() > 0 ? window->logicalDpiX() : 96;
    const double ratio = pixmap.devicePixelRatio() > 0 ? pixmap.devicePixelRatio() : 1;
    double width = image.width() / ratio / dpi * 25.4;
    double height = image.height() / ratio / dpi * 25.4;
    p.SetScaleMode(vbMillimeters);
    const double margin = 10;
    const double roomX = std::max(1.0, p.ScaleWidth() - 2 * margin);
    const double roomY = std::max(1.0, p.ScaleHeight() - 2 * margin);
    const double shrink = std::min({1.0, roomX / std::max(width, 1e-6), roomY / std::max(height, 1e-6)});
    width *= shrink;
    height *= shrink;
    p.PaintPicture(image, margin, margin, width, height);
    p.EndDoc();

    p.SetOrientation(vbPRORPortrait);
}
