#include "PrintFixture.h"
#include "support/ChildProcess.h"

#include <QDir>

namespace {
constexpr double kTol = 0.6; // mm
}

TEST_F(PrintTest, TextStandsWhereThePenIsWithYAtTheTopOfTheLine)
{
    PrinterDevice& p = Printer();
    p.SetScaleMode(vbMillimeters);
    p.SetFontName("Arial");
    p.SetFontSize(12);
    p.CurrentX = 20;
    p.CurrentY = 30;
    p.PrintText("Alpha");
    const double afterAlpha = p.CurrentX;
    EXPECT_NEAR(afterAlpha, 20 + p.TextWidth("Alpha"), 1e-6);
    p.PrintLine(" Beta");
    EXPECT_EQ(p.CurrentX, 0);
    EXPECT_NEAR(p.CurrentY, 30 + p.TextHeight(), 1e-6);
    p.PrintText("Gamma");
    p.SetScaleMode(vbTwips);
    p.CurrentX = 1440; // one inch
    p.CurrentY = 2880;
    p.PrintText("Delta");
    EXPECT_TRUE(p.EndDoc());

    const auto w = words();
    const PdfWord alpha = FindWord(w, "Alpha"), beta = FindWord(w, "Beta"), gamma = FindWord(w, "Gamma"),
                  delta = FindWord(w, "Delta");
    EXPECT_NEAR(alpha.left, 20, kTol);
    EXPECT_NEAR(alpha.top, 30, kTol);
    EXPECT_NEAR(alpha.bottom - alpha.top, 12 * 25.4 / 72 * 1.1, 0.8); // a 12-point line
    EXPECT_NEAR(beta.top, 30, kTol);
    EXPECT_GT(beta.left, alpha.right);
    EXPECT_NEAR(gamma.left, 0, kTol);
    EXPECT_NEAR(gamma.top - alpha.top, 12 * 25.4 / 72 * 1.15, 0.6);
    EXPECT_NEAR(delta.left, 25.4, kTol);
    EXPECT_NEAR(delta.top, 50.8, kTol);
    EXPECT_EQ(PdfPageSize(pdf_).toStdString(), "595 x 842"); // A4 portrait
}

TEST_F(PrintTest, PaperAndOrientationShapeThePage)
{
    PrinterDevice& p = Printer();
    p.SetPaperSize(vbPRPSLetter);
    p.SetOrientation(vbPRORLandscape);
    p.SetScaleMode(vbMillimeters);
    EXPECT_NEAR(p.ScaleWidth(), 279.4, 0.1);
    EXPECT_NEAR(p.ScaleHeight(), 215.9, 0.1);
    p.PrintText("Wide");
    p.EndDoc();
    EXPECT_EQ(PdfPageSize(pdf_).toStdString(), "792 x 612");
}

TEST_F(PrintTest, NewPageLeavesNoBlankSheetAtTheEnd)
{
    PrinterDevice& p = Printer();
    p.PrintText("one");
    p.NewPage();
    p.PrintText("two");
    EXPECT_EQ(p.PageCount(), 2);
    p.NewPage();
    EXPECT_TRUE(p.EndDoc());
    EXPECT_EQ(PdfPages(pdf_), 2);
    EXPECT_EQ(FindWord(words(), "two").page, 2);
}

TEST_F(PrintTest, NothingDrawnOrNoFileChosenPrintsNothing)
{
    Printer().LineEnd();
    Printer().NewPage();
    EXPECT_FALSE(Printer().EndDoc());
    EXPECT_EQ(pdfAsked_, 0);
    SetPdfFileHook([] { return QString(); }); // the player cancels the save dialog
    Printer().PrintText("lost");
    EXPECT_FALSE(Printer().EndDoc());
    EXPECT_FALSE(printed());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(PrintTest, ADocumentThatCannotStartSaysSoOnceAndTheNextOneWorks)
{
    SetPdfFileHook([this] { return path("no such folder/out.pdf"); });
    answer(vbOK);
    Printer().PrintText("one");
    Printer().FillBox(0, 0, 10, 10, Qt::black);
    Printer().PrintText("two");
    EXPECT_FALSE(Printer().EndDoc());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Error");
    EXPECT_EQ(boxAt(0).icon(), vbExclamation);

    SetPdfFileHook([this] { return pdf_; });
    Printer().PrintText("three");
    EXPECT_TRUE(Printer().EndDoc());
    EXPECT_EQ(FindWord(words(), "three").page, 1);
    EXPECT_EQ(boxes().size(), 1u);
}

// On a full disk (here a size limit) the PDF cannot be finished: the file the
// player chose to replace stays as it was, no scratch file is left, and one
// message gives the system's reason.
TEST_F(PrintTest, APdfThatCannotBeFinishedKeepsTheOldFileAndSaysWhy)
{
    writeFile("out.pdf", "the printout saved last week");
    const auto said = RunUnderFileSizeLimit(4096, [] {
        Harness::ExpectBox(vbOK);
        for (int line = 1; line <= 200; ++line)
            Printer().PrintLine(QStringLiteral("Line %1 of a long printout").arg(line));
        QString out = Printer().EndDoc() ? QStringLiteral("printed") : QStringLiteral("not printed");
        for (const MsgBoxCall& box : Harness::Boxes())
            out += "|" + box.title + "|" + box.text;
        return out;
    });
    ASSERT_TRUE(said);
    EXPECT_EQ(
        said->toStdString(),
        ("not printed|Error|The file " + QDir::toNativeSeparators(pdf_) + " could not be written: File too large.    ")
            .toStdString());
    const QByteArray kept = readBytes("out.pdf");
    EXPECT_TRUE(kept == "the printout saved last week") << kept.size() << " bytes: " << kept.left(8).toStdString();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"out.pdf"}));
}

namespace {
// How many objects of a PDF stand at the offsets its cross-reference table
// gives them; -1 when one does not (its bytes went out of their order) or
// the table cannot be found.
int ObjectsInPlace(const QByteArray& pdf)
{
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0)
        return -1;
    const qsizetype table = pdf.mid(start + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    const QList<QByteArray> range = lines.value(1).trimmed().split(' ');
    if (lines.value(0).trimmed() != "xref" || range.size() != 2 || range[0] != "0")
        return -1;
    int placed = 0;
    for (int i = 0; i < range[1].toInt(); ++i) {
        const QByteArray entry = lines.value(2 + i);
        if (entry.size() < 18 || entry[17] != 'n')
            continue;
        if (!pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(i) + " 0 obj"))
            return -1;
        ++placed;
    }
    return placed;
}
} // namespace

// A PDF larger than the writer's blocks, written in many small pieces and a
// large one (a picture) among them, comes out with every piece in its place.
TEST_F(PrintTest, ALargePdfIsWrittenInOrder)
{
    // Pixels from a fixed sequence: a picture that hardly compresses.
    QImage picture(640, 640, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.setPixel(x, y, seed >> 8);
        }
    }
    PrinterDevice& p = Printer();
    p.SetScaleMode(vbMillimeters);
    constexpr int kPages = 40;
    for (int page = 1; page <= kPages; ++page) {
        if (page > 1)
            p.NewPage();
        if (page == kPages / 2)
            p.PaintPicture(picture, 20, 20, 100, 100);
        for (int line = 1; line <= 40; ++line)
            p.PrintLine(QStringLiteral("Page %1, line %2 of a long printout").arg(page).arg(line));
    }
    ASSERT_TRUE(p.EndDoc());
    const QByteArray pdf = readBytes("out.pdf");
    EXPECT_GT(pdf.size(), 384 * 1024);
    EXPECT_GT(ObjectsInPlace(pdf), kPages);
    EXPECT_EQ(PdfPages(pdf_), kPages);
}
