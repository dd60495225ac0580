#include "platform/ui/Printer.h"

#include "platform/ui/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {
PdfFileHook& pdfFileHook()
{
    static PdfFileHook hook;
    return hook;
}

QString askPdfFile()
{
    if (pdfFileHook())
        return pdfFileHook()();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Save the printout as"),
                                                QDir(folder).filePath(QStringLiteral("Vantrel printout.pdf")),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    return name;
}

QPageSize::PageSizeId pageSizeFor(int code)
{
    switch (code) {
    case vbPRPSLetter: return QPageSize::Letter;
    case vbPRPSLegal: return QPageSize::Legal;
    case vbPRPSA3: return QPageSize::A3;
    default: return QPageSize::A4;
    }
}

int resolutionFor(int quality)
{
    switch (quality) {
    case vbPRPQDraft: return 150;
    case vbPRPQLow: return 300;
    case vbPRPQMedium: return 600;
    default: return 1200;
    }
}

// The PDF is drawn at a fixed fine resolution: its text and boxes are
// vectors, so the quality setting changes nothing there.
constexpr int kPdfResolution = 1200;
} // namespace

PrinterDevice::PrinterDevice()
{
    InstallFontSubstitutes();
    Reset();
}

PrinterDevice::~PrinterDevice()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

void PrinterDevice::Reset()
{
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    printer_.reset();
    state_ = State::Idle;
    pendingPage_ = false;
    pages_ = 0;
    lastPdf_.clear();
    orientation_ = vbPRORPortrait;
    paper_ = vbPRPSA4;
    quality_ = vbPRPQLow;
    scale_ = vbTwips;
    fontName_ = QStringLiteral("Arial");
    fontSize_ = 10;
    bold_ = underline_ = false;
    CurrentX = CurrentY = 0;
    listPrinters({});
}

void PrinterDevice::SetTestPrinters(const QStringList& names)
{
    if (!DocumentOpen())
        listPrinters(names);
}

void PrinterDevice::listPrinters(const QStringList& names)
{
    entries_.clear();
    current_ = 0;
    if (names.isEmpty()) {
        const QString defaultName = QPrinterInfo::defaultPrinterName();
        const QStringList system = QPrinterInfo::availablePrinterNames();
        for (const QString& name : system) {
            if (name == defaultName)
                current_ = int(entries_.size());
            entries_.push_back({name, false});
        }
        if (defaultName.isEmpty() || !system.contains(defaultName))
            current_ = int(entries_.size()); // no default printer: the PDF one
    } else {
        for (const QString& name : names)
            entries_.push_back({name, true});
    }
    entries_.push_back({kPdfPrinterName, true});
    printer_.reset();
}

QStringList PrinterDevice::Printers() const
{
    QStringList names;
    for (const Entry& e : entries_)
        names << e.name;
    return names;
}

bool PrinterDevice::SelectPrinter(int index)
{
    if (index < 0 || index >= entries_.size() || DocumentOpen())
        return false;
    if (index != current_) {
        current_ = index;
        printer_.reset();
    }
    return true;
}

QString PrinterDevice::DeviceName() const { return entries_.value(current_).name; }

bool PrinterDevice::IsPdfPrinter() const { return entries_.value(current_).pdf; }

bool PrinterDevice::SetOrientation(int code)
{
    if ((code != vbPRORPortrait && code != vbPRORLandscape) || DocumentOpen())
        return false;
    orientation_ = code;
    printer_.reset();
    return true;
}

bool PrinterDevice::SetPaperSize(int code)
{
    if ((code != vbPRPSA4 && code != vbPRPSA3 && code != vbPRPSLetter && code != vbPRPSLegal) || DocumentOpen())
        return false;
    paper_ = code;
    printer_.reset();
    return true;
}

bool PrinterDevice::SetPrintQuality(int code)
{
    if (code > vbPRPQDraft || code < vbPRPQHigh || DocumentOpen())
        return false;
    quality_ = code;
    printer_.reset();
    return true;
}

void PrinterDevice::SetScaleMode(int mode)
{
    if (mode == vbTwips || mode == vbPoints || mode == vbMillimeters)
        scale_ = mode;
}

double PrinterDevice::unitsPerMm() const
{
    switch (scale_) {
    case vbMillimeters: return 1.0;
    case vbPoints: return 72.0 / 25.4;
    default: return 1440.0 / 25.4;
    }
}

std::unique_ptr<QPrinter> PrinterDevice::makePrinter() const
{
    const Entry entry = entries_.value(current_);
    std::unique_ptr<QPrinter> p;
    if (entry.pdf) {
        p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setResolution(kPdfResolution);
        // A file has no margins of its own: the whole sheet is printable.
        p->setFullPage(true);
    } else {
        p = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(entry.name), QPrinter::HighResolution);
        p->setResolution(resolutionFor(quality_));
    }
    p->setPageSize(QPageSize(pageSizeFor(paper_)));
    p->setPageOrientation(orientation_ == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    p->setDocName(QStringLiteral("Vantrel"));
    p->setCreator(QStringLiteral("Vantrel"));
    return p;
}

QPrinter* PrinterDevice::configured() const
{
    if (!printer_)
        printer_ = makePrinter();
    return printer_.get();
}

double PrinterDevice::ScaleWidth() const { return configured()->pageRect(QPrinter::Millimeter).width() * unitsPerMm(); }

double PrinterDevice::ScaleHeight() const
{
    return configured()->pageRect(QPrinter::Millimeter).height() * unitsPerMm();
}

void PrinterDevice::SetFontName(const QString& name)
{
    if (!name.trimmed().isEmpty())
        fontName_ = name;
}

void PrinterDevice::SetFontSize(double points)
{
    // Printers need a visible size; the smallest the reports ask for is 6.
    fontSize_ = points < 1 ? 1 : points;
}

QFont PrinterDevice::font() const
{
    QFont f(fontName_);
    f.setPointSizeF(fontSize_);
    f.setBold(bold_);
    f.setUnderline(underline_);
    return f;
}

double PrinterDevice::toDevice(double units) const { return units / unitsPerMm() * configured()->resolution() / 25.4; }

double PrinterDevice::fromDevice(double pixels) const
{
    return pixels * 25.4 / configured()->resolution() * unitsPerMm();
}

double PrinterDevice::TextWidth(const QString& text) const
{
    return fromDevice(QFontMetricsF(font(), configured()).horizontalAdvance(text));
}

double PrinterDevice::TextHeight() const { return fromDevice(QFontMetricsF(font(), configured()).height()); }

bool PrinterDevice::begin()
{
    if (state_ == State::Printing) {
        flushNewPage();
        return true;
    }
    if (state_ != State::Idle)
        return false; // failed or cancelled: dropped until EndDoc

    printer_ = makePrinter(); // a fresh device for every document
    QString pdfFile;
    if (IsPdfPrinter()) {
        pdfFile = askPdfFile();
        if (pdfFile.isEmpty()) {
            state_ = State::Cancelled;
            return false;
        }
        printer_->setOutputFileName(pdfFile);
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        state_ = State::Failed;
        const QString what = pdfFile.isEmpty()
            ? QStringLiteral("The printout could not be started on ") + DeviceName()
            : QStringLiteral("The file ") + QDir::toNativeSeparators(pdfFile) + QStringLiteral(" could not be written");
        MsgBox(what + QStringLiteral(".    "), vbExclamation, QStringLiteral("Error"));
        return false;
    }
    state_ = State::Printing;
    pendingPage_ = false;
    pages_ = 1;
    lastPdf_ = pdfFile;
    return true;
}

void PrinterDevice::flushNewPage()
{
    if (!pendingPage_)
        return;
    pendingPage_ = false;
    if (printer_->newPage())
        ++pages_;
}

void PrinterDevice::PrintText(const QString& text)
{
    if (!begin())
        return;
    const QFont f = font();
    painter_->setFont(f);
    painter_->setPen(Qt::black);
    QFontMetricsF fm(f, printer_.get());
    const QPointF baseline(toDevice(CurrentX), toDevice(CurrentY) + fm.ascent());
    painter_->drawText(baseline, text);
    CurrentX += fromDevice(fm.horizontalAdvance(text));
}

void PrinterDevice::PrintLine(const QString& text)
{
    PrintText(text);
    LineEnd();
}

void PrinterDevice::LineEnd()
{
    CurrentX = 0;
    CurrentY += TextHeight();
}

void PrinterDevice::FillBox(double x1, double y1, double x2, double y2, const QColor& colour)
{
    if (!begin())
        return;
    const QRectF box = QRectF(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2))).normalized();
    painter_->fillRect(box, colour);
    CurrentX = x2;
    CurrentY = y2;
}

void PrinterDevice::PaintPicture(const QImage& image, double x, double y, double width, double height)
{
    if (image.isNull() || !begin())
        return;
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->drawImage(QRectF(toDevice(x), toDevice(y), toDevice(width), toDevice(height)), image);
}

void PrinterDevice::NewPage()
{
    if (state_ == State::Printing)
        pendingPage_ = true;
    CurrentX = CurrentY = 0;
}

bool PrinterDevice::EndDoc()
{
    const bool printed = state_ == State::Printing;
    if (printed)
        painter_->end();
    painter_.reset();
    state_ = State::Idle;
    pendingPage_ = false;
    CurrentX = CurrentY = 0;
    return printed;
}

PrinterDevice& Printer()
{
    // Lives for the whole run; never destroyed, so no printout is cut short
    // by the order in which statics go away at exit.
    static PrinterDevice* device = new PrinterDevice;
    return *device;
}

void SetPdfFileHook(PdfFileHook hook) { pdfFileHook() = std::move(hook); }

void InstallFontSubstitutes()
{
    static bool done = false;
    if (done || !qApp)
        return;
    done = true;
    const QStringList families = QFontDatabase::families();
    auto install = [&](const QString& family, const QStringList& fallbacks) {
        if (families.contains(family, Qt::CaseInsensitive))
            return;
        QStringList present;
        for (const QString& f : fallbacks) {
            if (families.contains(f, Qt::CaseInsensitive))
                present << f;
        }
        if (!present.isEmpty())
            QFont::insertSubstitutions(family, present);
    };
    // Same widths as Arial, so printed columns keep their spacing.
    install(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    // Hand-lettered look of the window headings.
    install(QStringLiteral("Comic Sans MS"),
            {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"), QStringLiteral("Liberation Sans")});
}
