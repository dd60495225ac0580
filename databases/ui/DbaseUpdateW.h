#pragma once
// The Update lottery databases window: the player types in one draw result
// for any lottery database, and it is stored in date order.

#include "core/ui/Skinning.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class DatePicker;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class DbaseUpdateW : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit DbaseUpdateW(QWidget* parent = nullptr);

    QListWidget* List1;
    DatePicker* DTPicker1;
    std::array<QLineEdit*, 8> Text1; // c1 to c7, then the bonus or extra ball
    QLabel* Label7;                  // caption of the eighth box
    QLabel* Label13;                 // the newest draw's date
    QPushButton* Command1;           // Save
    QPushButton* Command2;           // Go to website
    QPushButton* CancelButton;

    void Skinning();
    void Form_Load() override;
    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void CancelButton_Click();

private:
    SkinLabels skinLabels_; // the labels that take the skin's colours
};
