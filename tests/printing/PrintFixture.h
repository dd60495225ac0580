#pragma once
// A program folder whose PDF printer writes to "out.pdf" in it.

#include "PdfText.h"
#include "platform/ui/Printer.h"
#include "printing/ui/PrintFrm.h"
#include "support/TestSupport.h"

#include <QFile>

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
