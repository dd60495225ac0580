#pragma once
// The Store window: entries picked by hand are typed in, collected in a grid
// (each row with its own lottery, player and database file) and appended to
// the saved entries file.

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class DatePicker;
class FlexGrid;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class StoreMyDrawsW : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit StoreMyDrawsW(QWidget* parent = nullptr);

    void Skinning();

    QLabel* Label5 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label7 = nullptr;
    DatePicker* DTPicker1 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLineEdit*, 9> Text1{}; // 1 to 7 main numbers, 8 the extra ball
    QLabel* Label2 = nullptr;
    QLabel* LabelPName = nullptr;
    QLineEdit* TextPName = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    FlexGrid* MSFlexGrid1 = nullptr;

    // The row the row commands act on; 0 when none is chosen.
    int ChosenRow = 0;

    void Form_Load() override;
    void List1_Click();
    void Command2_Click(); // Add
    void Command4_Click(); // delete the chosen row
    void Command5_Click(); // move it up
    void Command6_Click(); // move it down
    void Command3_Click(); // Save
    void Command1_Click(); // Close
    void MSFlexGrid1_Click();

    // The close box and Escape ask as Close does.
    void reject() override;

private:
    bool confirmClose();
    int filledRows() const;
    void swapRows(int a, int b);
    void highlight();
    bool lotteryRead_ = false;
};
