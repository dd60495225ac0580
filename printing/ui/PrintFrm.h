#pragma once
// "Print": the options of a plain-paper printout. Loaded once and kept for the
// whole run, so the printer, quality, paper, orientation, margin and text
// size chosen last are offered again. The caller sets Label7 to "OK" and
// Text2 to the number of lines, shows it, and afterwards goes on only when
// Label7 still reads "OK"; then it reads the options from the controls.

#include "core/ui/LoadOnce.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class PrintFrm : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit PrintFrm(QWidget* parent = nullptr);

    QLabel* Label2;
    QComboBox* Combo1; // printer
    QLabel* Label1;
    QLineEdit* Text1; // left margin, mm
    QLabel* Label3;
    QLabel* Label5;
    QComboBox* Combo2; // print quality
    QLabel* Label6;
    QComboBox* Combo3; // paper
    QLabel* Label4;
    QLineEdit* Text2; // lines to print
    QLabel* Label8;
    QComboBox* Combo4; // text size
    QGroupBox* Frame1;
    QRadioButton* Option1[2]; // portrait, landscape
    QPushButton* Command6;
    QPushButton* Command1;
    QLabel* Label7; // "OK" or "Cancel", never shown

    void Form_Load() override;
    void Command6_Click();
    void Command1_Click();

    // Closing the window counts as Cancel.
    void reject() override;
};

// The dialog of the run, made on first use.
PrintFrm* LoadPrintFrm();
// Discards it, so the next use starts afresh (tests).
void UnloadPrintFrm();

// The options a caller reads after the dialog closed with "OK".
struct PrintOptions {
    double lines = 0;   // highest grid row to print
    double margin = 10; // left edge, mm
    int textStep = 0;   // added to font sizes and vertical positions
};

// The dialog exchange: presets the result and the lines (and a 10 mm margin
// when asked), shows the dialog, lets it vanish and reads the options.
// False when the player cancelled.
bool AskPrintOptions(int lines, bool resetMargin, PrintOptions& options);
