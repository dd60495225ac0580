#pragma once
// The Show/Check window: the saved entries in a grid, to edit, sort, delete,
// print, check against the draws of their dates, and write back.

#include "databases/EntryCheck.h"
#include "databases/MyDraws.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class DatePicker;
class FlexGrid;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class ShowMyDrawsW : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit ShowMyDrawsW(QWidget* parent = nullptr);

    // The entries shown (row r of the grid is MyDraws.rows[r - 1]) and the
    // lines kept aside and written back as they were read.
    MyDrawsTable MyDraws;
    bool Changed = false;
    std::array<int, 21> MatchCounts{};

    void LoadMyDraws();
    void DisplayMyDraws();
    void DeleteRow(int r);
    void ToggleButtons();
    void Skinning();
    // Paints the number cells of grid row r as a check left them.
    void PaintCheck(int r, const std::array<CellMark, 9>& marks);

    // Controls, by the names the program knows them by.
    QLabel* Label5 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command10 = nullptr;
    QLabel* Label1 = nullptr;
    DatePicker* DTPicker1 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label14 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    std::array<QLabel*, 4> Label6{};
    FlexGrid* MSFlexGrid1 = nullptr;

    // Handlers.
    void Form_Load() override;
    void MSFlexGrid1_Click();
    void Command1_Click();  // Close
    void Command2_Click();  // Check
    void Command3_Click();  // sort by name
    void Command4_Click();  // delete out of date
    void Command5_Click();  // print
    void Command6_Click();  // sort by lottery
    void Command7_Click();  // delete this row
    void Command8_Click();  // date of this row
    void Command9_Click();  // delete all
    void Command10_Click(); // change cell value
    void Command11_Click(); // sort by date
    void Command12_Click(); // date of all rows
    void Command13_Click(); // save

    // The close box and Escape ask as Close does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool confirmClose();
    // The check itself, with Busy held and the buttons off.
    void check();
    void sortBy(MyDrawsOrder order);
    void restoreCell(int row, int col);
    int entryCount() const { return static_cast<int>(MyDraws.rows.size()); }
    bool loadFailed_ = false;
    bool buttonsOff_ = false;
    bool closeAfterBusy_ = false; // a Close came while the check ran
};
