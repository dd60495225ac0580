#pragma once
// The printer and print-quality lists that the print dialogs share.

class QComboBox;

// Lists the printers in order and selects the current one (the last of
// several with its name); with no match nothing is selected.
void FillPrinterList(QComboBox* combo);
// Makes current the printer at the position of the list's selection; with no
// selection the current printer stays.
void ChoosePrinter(const QComboBox* combo);

// "Draft", "Standard", "Better", "Best", with "Standard" selected.
void FillQualityList(QComboBox* combo);
// Applies the quality at the position of the list's selection.
void ChooseQuality(const QComboBox* combo);
