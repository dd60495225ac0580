#include "platform/ui/Printer.h"

#include "platform/ReplacingFile.h"
#include "platform/ui/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
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

// Hands the PDF writer's bytes to the file they go to as they come.
class PdfSink : public QIODevice {
public:
    ReplacingFile* file = nullptr;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override { return file && file->write(data, size) ? size : -1; }
};
} // namespace

// The PDF printer: a writer whose bytes go into a scratch file beside the
// chosen one, which takes the chosen name only once the document is whole.
struct PdfOutput {
    PdfSink sink;
    QPdfWriter writer{&sink};
    std::unique_ptr<ReplacingFile> file;
};

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
    dropDevice();
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
    dropDevice();
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
        dropDevice();
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
    dropDevice();
    return true;
}

bool PrinterDevice::SetPaperSize(int code)
{
    if ((code != vbPRPSA4 && code != vbPRPSA3 && code != vbPRPSLetter && code != vbPRPSLegal) || DocumentOpen())
        return false;
    paper_ = code;
    dropDevice();
    return true;
}

bool PrinterDevice::SetPrintQuality(int code)
{
    if (code > vbPRPQDraft || code < vbPRPQHigh || DocumentOpen())
        return false;
    quality_ = code;
    dropDevice();
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

void PrinterDevice::dropDevice()
{
    printer_.reset();
    pdf_.reset();
}

void PrinterDevice::makeDevice() const
{
    const Entry entry = entries_.value(current_);
    printer_.reset();
    pdf_.reset();
    const QPageSize size(pageSizeFor(paper_));
    const QPageLayout::Orientation orientation =
        orientation_ == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (entry.pdf) {
        pdf_ = std::make_unique<PdfOutput>();
        QPdfWriter& w = pdf_->writer;
        w.setResolution(kPdfResolution);
        // A file has no margins of its own: the whole sheet is printable.
        QPageLayout layout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        layout.setMode(QPageLayout::FullPageMode);
        w.setPageLayout(layout);
        w.setTitle(QStringLiteral("Vantrel"));
        w.setCreator(QStringLiteral("Vantrel"));
        return;
    }
    printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(entry.name), QPrinter::HighResolution);
    printer_->setResolution(resolutionFor(quality_));
    printer_->setPageSize(size);
    printer_->setPageOrientation(orientation);
    printer_->setDocName(QStringLiteral("Vantrel"));
    printer_->setCreator(QStringLiteral("Vantrel"));
}

QPagedPaintDevice* PrinterDevice::configured() const
{
    if (!printer_ && !pdf_)
        makeDevice();
    if (pdf_)
        return &pdf_->writer;
    return printer_.get();
}

int PrinterDevice::resolution() const
{
    configured();
    return pdf_ ? pdf_->writer.resolution() : printer_->resolution();
}

double PrinterDevice::ScaleWidth() const
{
    return configured()->pageLayout().paintRect(QPageLayout::Millimeter).width() * unitsPerMm();
}

double PrinterDevice::ScaleHeight() const
{
    return configured()->pageLayout().paintRect(QPageLayout::Millimeter).height() * unitsPerMm();
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

double PrinterDevice::toDevice(double units) const { return units / unitsPerMm() * resolution() / 25.4; }

double PrinterDevice::fromDevice(double pixels) const { return pixels * 25.4 / resolution() * unitsPerMm(); }

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

    makeDevice(); // a fresh device for every document
    QString pdfFile;
    bool started = false;
    QString why;
    painter_ = std::make_unique<QPainter>();
    if (pdf_) {
        pdfFile = askPdfFile();
        if (pdfFile.isEmpty()) {
            painter_.reset();
            state_ = State::Cancelled;
            return false;
        }
        pdf_->file = std::make_unique<ReplacingFile>(pdfFile);
        if (pdf_->file->open()) {
            pdf_->sink.file = pdf_->file.get();
            started = pdf_->sink.open(QIODevice::WriteOnly) && painter_->begin(&pdf_->writer);
        }
        why = pdf_->file->errorString();
    } else {
        started = painter_->begin(printer_.get());
    }
    if (!started) {
        painter_.reset();
        state_ = State::Failed;
        QString what = pdfFile.isEmpty()
            ? QStringLiteral("The printout could not be started on ") + DeviceName()
            : QStringLiteral("The file ") + QDir::toNativeSeparators(pdfFile) + QStringLiteral(" could not be written");
        if (!why.isEmpty())
            what += QStringLiteral(": ") + why;
        MsgBox(what + QStringLiteral(".    "), vbExclamation, QStringLiteral("Error"));
        dropDevice();
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
    if (configured()->newPage())
        ++pages_;
}

void PrinterDevice::PrintText(const QString& text)
{
    if (!begin())
        return;
    const QFont f = font();
    painter_->setFont(f);
    painter_->setPen(Qt::black);
    QFontMetricsF fm(f, configured());
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
    bool printed = state_ == State::Printing;
    if (printed)
        painter_->end();
    painter_.reset();
    if (printed && pdf_) {
        // The painter says nothing of the bytes that did not reach the file:
        // the file itself does, and takes its name only when whole.
        pdf_->sink.close();
        if (!pdf_->file->commit()) {
            printed = false;
            MsgBox(QStringLiteral("The file ") + QDir::toNativeSeparators(lastPdf_)
                       + QStringLiteral(" could not be written: ") + pdf_->file->errorString()
                       + QStringLiteral(".    "),
                   vbExclamation, QStringLiteral("Error"));
            lastPdf_.clear();
        }
        dropDevice();
    }
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
