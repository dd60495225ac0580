#pragma once
// The "Delete lottery database" dialog: deletes a chosen database file after
// a question.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class DeleteDbaseW : public QDialog {
    Q_OBJECT
public:
    explicit DeleteDbaseW(QWidget* parent = nullptr);

    QLabel* Label3;
    QListWidget* List1;
    QPushButton* Command2; // delete
    QPushButton* Command1; // close

    void Form_Load();
    void Command2_Click();
    void List1_DblClick();
    void Command1_Click();
};
