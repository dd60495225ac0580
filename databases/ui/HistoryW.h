#pragma once
// The Lottery Draws History window: every draw of one lottery database in a
// grid, newest first, in draw order or with each draw's main numbers in
// ascending order; in draw order a draw can be corrected or deleted.

#include "core/ui/Skinning.h"
#include "databases/DrawEdit.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class DatePicker;
class FlexGrid;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

class HistoryW : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit HistoryW(QWidget* parent = nullptr);

    QListWidget* List1;
    QLabel* Label1;        // the lottery's name
    QLineEdit* Text2;      // web address
    QPushButton* Command4; // Go
    FlexGrid* MSFlexGrid1;
    QRadioButton* Option1; // draw order
    QRadioButton* Option2; // ascending order
    QGroupBox* Frame1;     // the editing area
    DatePicker* DTPicker1;
    QLabel* Label6;                    // shown while the chosen draw's date cannot be read
    std::array<QLineEdit*, 9> Text1{}; // 1 to 8: c1 to c8 of the selected draw
    QPushButton* Command3;             // Update Draw
    QPushButton* Command2;             // Delete Draw
    QPushButton* Command6;             // Print
    QPushButton* Command1;             // Close
    QTimer* Timer1;

    // Set while the grid shows ascending order.
    bool SortedView = false;
    // The draws shown, row k - 1 for grid row k.
    const std::vector<HistoryRow>& rows() const { return rows_; }

    void Skinning();
    void Form_Load() override;
    void List1_Click();
    void MSFlexGrid1_Click();
    void Option1_Click();
    void Option2_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command1_Click();
    void Timer1_Timer();
    // Escape, the close box and Close: while a rewrite runs the window
    // closes when it ends.
    void reject() override;

private:
    // Rewrites the file with Busy held, letting events run before it is
    // shown again.
    RewriteResult rewrite(const std::function<RewriteResult()>& work);
    // Closes the window when a Close came during the rewrite.
    void finishBusy();
    void layOutColumns();
    // Shows why a draw cannot be rewritten now; the file changed elsewhere is
    // shown again.
    void refuseEdit(DrawEditCheck check);
    void showNumbers(int row, const HistoryRow& draw);
    void showDateNote();
    bool showsEighth() const;
    std::vector<HistoryRow> rows_;
    QHBoxLayout* numberRow_ = nullptr; // the number boxes, lined up under their columns
    SkinLabels skinLabels_;            // the labels that take the skin's colours
    int editedRow_ = 0;                // the draw the editor shows (grid row), 0 when none
    bool settingGrid_ = false;         // set while the window itself moves the current cell
    int listedRow_ = -1;               // the lottery shown, as a row of List1
    bool readable_ = true;             // the lottery shown could be read: its draws may be changed
    bool closeAfterBusy_ = false;      // a Close came while a rewrite ran
};
