#pragma once
// The "Open lottery database" dialog: opens a chosen database file in the
// desktop's text editor so the player can read or edit it by hand.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class OpenDbase : public QDialog {
    Q_OBJECT
public:
    explicit OpenDbase(QWidget* parent = nullptr);

    QLabel* Label3;
    QListWidget* List1;
    QPushButton* Command2; // open
    QPushButton* Command1; // cancel

    void Form_Load();
    void Command2_Click();
    void List1_DblClick();
    void Command1_Click();
};
