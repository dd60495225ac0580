#pragma once
// "Lottery slip print setup": the play-slip template editor. The player
// measures a lottery's slip (the position of number 1, the step from number
// to number, how many numbers stand in a row, the boards, the printer's
// margin), generates the positions of every number, corrects single ones by
// hand, prints a test sheet with a mark in every box of every board, and
// saves, updates or deletes templates. Choosing a lottery here opens it.

#include "printing/PlaySlipTemplate.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class PrintSetup : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit PrintSetup(QWidget* parent = nullptr);

    QListWidget* List1; // lotteries
    QListWidget* List3; // template names
    QListWidget* List2; // their file names, never shown
    QLineEdit* Text3;   // save template as
    QGroupBox* Frame1;  // orientation
    QRadioButton* Option1[2]{};
    QLabel* Label5; // portrait sketch
    QLabel* Label7; // landscape sketch
    std::array<QLineEdit*, 2> Text1{};
    std::array<QLineEdit*, 2> Text7{};
    std::array<QLineEdit*, 2> Text8{};
    std::array<QLineEdit*, 7> Text2{};
    std::array<QLineEdit*, 4> Text6{};
    QLineEdit* Text9;
    QLabel* Label3; // "Number positions on the lottery slip (mm):"
    FlexGrid* MSFlexGrid1;
    QLineEdit* Text4; // edits the highlighted cell
    QPushButton* Command7;
    QPushButton* Command5; // generate
    QPushButton* Command4; // save
    QPushButton* Command3; // delete
    QPushButton* Command6; // test print
    QPushButton* Command1; // help
    QPushButton* CancelButton;

    // The grid cell highlighted for editing.
    int EditRow = 1;
    int EditCol = 1;

    void GetTemplates();
    void ClearGrid();
    void Skinning();

    // Lists the lotteries and the templates and loads the first of each.
    void Form_Load() override;
    void List1_Click();
    void List3_Click();
    void MSFlexGrid1_Click();
    void Command7_Click();
    void Command5_Click();
    void Command4_Click();
    void Command3_Click();
    void Command6_Click();
    void CancelButton_Click();
    void Command1_Click();

    // The box that holds a header value.
    QLineEdit* HeaderBox(SlipField field) const;
    // The header as the boxes hold it.
    SlipHeader Header() const;

protected:
    // A click on the number column edits that number's first cell.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The title bar's close box asks as Close does.
    void closeEvent(QCloseEvent* event) override;

private:
    // The positions the grid shows, as Save writes them and the test print
    // marks them: a cell still showing the template's position as loaded
    // gives that position with all its decimals.
    SlipPositions GridPositions() const;
    // Generates from the boxes; false (the player told why) when a value is
    // wrong.
    bool generated(SlipGenerateResult* result);
    // Generates into the grid; false (the grid empty) when a value is wrong.
    bool generate();
    void showPositions(const SlipPositions& positions);
    bool gridIsEmpty() const;
    bool mayClose();
    bool lotteryChosen();
    void updateButtons();
    std::array<QLineEdit*, kSlipFieldCount> boxes_{};
    // The loaded template's positions, and which cells still show them.
    SlipPositions positionsRead_{};
    std::array<std::array<bool, 4>, kSlipNumbers + 1> cellAsRead_{};
    // The loaded template's name (line 1), which the name box may show cut
    // to its length, and what the box showed of it.
    QString nameRead_;
    QString nameShown_;
    bool nameKept_ = false;
};
