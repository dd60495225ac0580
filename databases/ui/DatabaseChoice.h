#pragma once
// The frame of the small dialogs that act on one whole lottery database file
// chosen by name (open in the text editor, delete): the lottery list, the
// action button and the close button.

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QStyle>

class QLabel;
class QListWidget;
class QPushButton;

class DatabaseChoice : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    QLabel* Label3;
    QListWidget* List1;
    QPushButton* Command2; // the action
    QPushButton* Command1; // close

    void Form_Load() override;
    void List1_DblClick();
    void Command1_Click();
    virtual void Command2_Click() = 0;

protected:
    struct Button {
        QStyle::StandardPixmap picture;
        QString caption;
        QString tip;
    };
    DatabaseChoice(QWidget* parent, const QString& name, const QString& caption, const Button& action,
                   const Button& close);
    // The index of the chosen lottery in DbaseFiles; -1 when none is chosen,
    // and a message box asks the player to choose one.
    int chosen() const;
};
