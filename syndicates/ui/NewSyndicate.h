#pragma once
// "Create syndicate": a new syndicate from its name and its manager's
// details, opened at once.

#include "core/ui/LoadOnce.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class NewSyndicate : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit NewSyndicate(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label2[5];
    // 0 manager's name, 1 to 4 address, 5 phone, 6 e-mail, 7 syndicate name.
    QLineEdit* Text1[8];
    QPushButton* Command1; // create
    QPushButton* Command3; // close

    void Form_Load() override;
    void Skinning();
    void Command1_Click();
    void Command3_Click();
};
