#include "printing/ui/PrinterChoice.h"

#include "platform/ui/Printer.h"

#include <QComboBox>

void FillPrinterList(QComboBox* combo)
{
    const QStringList names = Printer().Printers();
    combo->addItems(names);
    combo->setCurrentIndex(-1);
    const QString current = Printer().DeviceName();
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == current)
            combo->setCurrentIndex(i);
    }
}

void ChoosePrinter(const QComboBox* combo)
{
    if (combo->currentIndex() >= 0)
        Printer().SelectPrinter(combo->currentIndex());
}

void FillQualityList(QComboBox* combo)
{
    combo->addItems(
        {QStringLiteral("Draft"), QStringLiteral("Standard"), QStringLiteral("Better"), QStringLiteral("Best")});
    combo->setCurrentIndex(1);
}

void ChooseQuality(const QComboBox* combo)
{
    static const int codes[] = {vbPRPQDraft, vbPRPQLow, vbPRPQMedium, vbPRPQHigh};
    const int i = combo->currentIndex();
    if (i >= 0 && i < 4)
        Printer().SetPrintQuality(codes[i]);
}
