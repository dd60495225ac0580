#pragma once
// "Syndicate Member Payments": how each person of the open syndicate pays,
// what they paid and the date they are paid up to, overdue dates in dark
// red; one row changed at a time in the shared table `Syndicate`, saved to
// the members file and printed.

#include "core/ui/LoadOnce.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QDialog>
#include <array>

class DatePicker;
class FlexGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SPayments : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit SPayments(QWidget* parent = nullptr);

    void Skinning();

    QLabel* Label1 = nullptr;
    std::array<QLabel*, 6> Label2{}; // 0 the instructions, 5 "Pay by:"
    FlexGrid* MSFlexGrid1 = nullptr; // grid row r shows table row r - 1
    QComboBox* Combo1 = nullptr;     // pay by
    QLabel* Label4 = nullptr;
    QLineEdit* Text1 = nullptr; // the amount paid
    QLabel* Label3 = nullptr;
    DatePicker* DTPicker1 = nullptr;  // paid up to
    QPushButton* Command10 = nullptr; // Enter
    QPushButton* Command1 = nullptr;  // Save
    QPushButton* Command6 = nullptr;  // Print
    QPushButton* Command2 = nullptr;  // Close

    // True while the table holds payment changes made here and not yet saved.
    bool Changed = false;

    void Form_Load() override;
    void MSFlexGrid1_Click();
    void Command10_Click();
    void Command1_Click();
    void Command6_Click();
    void Command2_Click();

protected:
    // The title bar's close box asks as Close does while changes are unsaved.
    void closeEvent(QCloseEvent* event) override;
    // Leaving without saving drops what this window changed in the table.
    void done(int result) override;

private:
    void showOverdue(int gridRow, const QString& paidUpTo);
    // Each column as wide as its sizing text, the names and amounts wider
    // where they need it (an amount is never cut); the grid as wide as
    // columns 0 to 3.
    void fitColumns();
    // The chosen row's amount field as read and as the amount box showed it,
    // and its pay-by field when set, until the player chooses a method: one
    // that is none of the four stays as read.
    int shownRow_ = -1;
    ShownField amount_;
    ShownField payBy_;
};
