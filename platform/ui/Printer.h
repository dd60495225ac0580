#pragma once
// The printer: one object for the whole run, shared by every printout.
//
// It lists the system's printers (through Qt Print Support) followed by a PDF
// printer that is always there, so a player without a printer still gets a
// file. One of them is current, chosen by its position in the list. Settings
// (orientation, paper, quality) are kept by their printer-settings codes and
// stay in force until changed, whichever printer is chosen afterwards.
//
// Drawing works like a pen on the printable area: positions are in the
// current scale unit (millimetres or twips) from its top-left corner; y is
// the top of the text line. A document starts with the first thing drawn and
// is sent by EndDoc. A document that cannot be started shows one "Error"
// message; everything drawn until EndDoc is then dropped without further
// messages.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
struct PdfOutput;

// Printer-settings codes.
enum PrinterOrientation { vbPRORPortrait = 1, vbPRORLandscape = 2 };
enum PrinterQuality { vbPRPQDraft = -1, vbPRPQLow = -2, vbPRPQMedium = -3, vbPRPQHigh = -4 };
enum PrinterPaper { vbPRPSLetter = 1, vbPRPSLegal = 5, vbPRPSA3 = 8, vbPRPSA4 = 9 };
enum PrinterScale { vbTwips = 1, vbPoints = 2, vbMillimeters = 6 };

// The name under which the PDF printer is listed.
inline const QString kPdfPrinterName = QStringLiteral("Save as PDF file");

class PrinterDevice {
public:
    PrinterDevice();
    ~PrinterDevice();
    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    // The printers in order: the system's, then the PDF printer.
    QStringList Printers() const;
    int PrinterCount() const { return int(Printers().size()); }
    // Makes the printer at that position current; false (nothing changed)
    // when there is none there or a document is open.
    bool SelectPrinter(int index);
    int CurrentIndex() const { return current_; }
    QString DeviceName() const;
    bool IsPdfPrinter() const;

    // Settings by their codes; an unknown code is refused (false).
    bool SetOrientation(int code);
    int Orientation() const { return orientation_; }
    bool SetPaperSize(int code);
    int PaperSize() const { return paper_; }
    bool SetPrintQuality(int code);
    int PrintQuality() const { return quality_; }

    void SetScaleMode(int mode);
    int ScaleMode() const { return scale_; }
    // Size of the printable area in the current unit.
    double ScaleWidth() const;
    double ScaleHeight() const;

    void SetFontName(const QString& name);
    QString FontName() const { return fontName_; }
    void SetFontSize(double points);
    double FontSize() const { return fontSize_; }
    void SetFontBold(bool on) { bold_ = on; }
    bool FontBold() const { return bold_; }
    void SetFontUnderline(bool on) { underline_ = on; }
    bool FontUnderline() const { return underline_; }

    double CurrentX = 0;
    double CurrentY = 0;

    // Text at the current position; x moves to its end.
    void PrintText(const QString& text);
    // Text, then a line end.
    void PrintLine(const QString& text = QString());
    // Back to the left edge, one line of the current font down.
    void LineEnd();
    double TextWidth(const QString& text) const;
    double TextHeight() const;

    // A box filled with the colour, corners in the current unit.
    void FillBox(double x1, double y1, double x2, double y2, const QColor& colour);
    // A picture scaled into the rectangle (current unit).
    void PaintPicture(const QImage& image, double x, double y, double width, double height);

    // Starts a new page; a page break with nothing after it prints no blank
    // sheet. The position returns to the top-left corner.
    void NewPage();
    // Sends the document. True when a document was printed; false when there
    // was nothing to print, the player cancelled the PDF file choice, or it
    // could not be started or finished. A PDF file is written whole or not at
    // all (an old file of that name stays as it was until the new one is
    // complete); one that could not be written shows one "Error" message
    // with the system's reason.
    bool EndDoc();
    bool DocumentOpen() const { return state_ != State::Idle; }
    // Pages of the document so far (the page being drawn counts).
    int PageCount() const { return pages_; }

    // Where the last PDF went (empty when none).
    QString LastPdfFile() const { return lastPdf_; }

    // Tests: replaces the system printers by PDF printers with these names
    // (an empty list restores the system's); the current printer becomes the
    // first one.
    void SetTestPrinters(const QStringList& names);
    // Puts every setting back to its start value.
    void Reset();

private:
    enum class State { Idle, Printing, Failed, Cancelled };
    struct Entry {
        QString name;
        bool pdf = true;
    };

    // The system's printers, or PDF printers with the test's names, then the
    // PDF printer. The system's default becomes current (with none, the PDF
    // printer); with test names the first of them.
    void listPrinters(const QStringList& names);
    bool begin();
    QFont font() const;
    // A fresh device for the current printer, set up with the current
    // settings: a system printer, or the PDF writer.
    void makeDevice() const;
    // The current printer set up with the current settings.
    QPagedPaintDevice* configured() const;
    int resolution() const;
    // Drops the device (settings changed, another printer chosen).
    void dropDevice();
    double toDevice(double units) const;
    double fromDevice(double pixels) const;
    double unitsPerMm() const;
    void flushNewPage();

    QList<Entry> entries_;
    int current_ = 0;
    int orientation_ = vbPRORPortrait;
    int paper_ = vbPRPSA4;
    int quality_ = vbPRPQLow;
    int scale_ = vbTwips;
    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 10;
    bool bold_ = false;
    bool underline_ = false;

    State state_ = State::Idle;
    bool pendingPage_ = false;
    int pages_ = 0;
    QString lastPdf_;
    mutable std::unique_ptr<QPrinter> printer_; // a system printer
    mutable std::unique_ptr<PdfOutput> pdf_;    // or the PDF writer and its file
    std::unique_ptr<QPainter> painter_;
};

// The printer of the run.
PrinterDevice& Printer();

// Where the PDF printer writes: asked for with the desktop's save dialog. The
// hook (tests) returns the file name instead; an empty name cancels.
using PdfFileHook = std::function<QString()>;
void SetPdfFileHook(PdfFileHook hook);

// Registers fallbacks for the fonts the program names ("Arial" to a
// metric-compatible font, "Comic Sans MS" to a similar hand-lettered one).
void InstallFontSubstitutes();
