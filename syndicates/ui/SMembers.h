#pragma once
// "Syndicate Members": the members of the open syndicate, edited in the
// shared table `Syndicate` (rows 1 to 100): add or update, delete, sort,
// save the members file and print the member list.

#include "core/ui/LoadOnce.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class SMembers : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit SMembers(QWidget* parent = nullptr);

    void Skinning();

    QLabel* Label1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr; // the syndicate's name
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr; // the manager's name
    std::array<QLabel*, 6> Label2{};
    std::array<QLineEdit*, 7> Text1{}; // name, four address lines, phone, e-mail
    QComboBox* Combo1 = nullptr;       // pay by
    QListWidget* List1 = nullptr;      // list item k is table row k + 1
    QPushButton* Command1 = nullptr;   // Add
    QPushButton* Command2 = nullptr;   // Delete
    QPushButton* Command5 = nullptr;   // Clear
    QPushButton* Command7 = nullptr;   // Sort
    QPushButton* Command4 = nullptr;   // Save
    QPushButton* Command6 = nullptr;   // Print
    QPushButton* Command3 = nullptr;   // Close
    QLabel* Label7 = nullptr;

    // True while the table holds changes made here and not yet saved.
    bool Changed = false;

    void LoadList();
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command7_Click();
    void List1_Click();
    void Command4_Click();
    void Command6_Click();
    void Command3_Click();

protected:
    // The title bar's close box asks as Close does while changes are unsaved.
    void closeEvent(QCloseEvent* event) override;
    // Leaving without saving drops what this window changed in the table.
    void done(int result) override;

private:
    // The chosen member's fields 0 to 6 as read and as the boxes showed
    // them; none once the boxes are cleared.
    std::array<ShownField, 7> shown_{};
    // Its pay-by field when set, until the player chooses a method: one
    // that is none of the four stays as read.
    ShownField payBy_;
    int shownRow_ = 0; // the chosen member's row
    void forgetShown();
};
