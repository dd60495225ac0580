#pragma once
// "Open syndicate" and "Delete syndicate": the stored syndicates (numbers 000
// to 099) listed by name, and the window's action on the one chosen.

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QStyle>

class QLabel;
class QListWidget;
class QPushButton;

class SyndicateChoice : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    QLabel* Label3;
    QListWidget* List1;    // syndicate names
    QListWidget* List2;    // their members files, never shown
    QPushButton* Command2; // the action
    QPushButton* Command1; // cancel or close

    void Form_Load() override;
    void List1_DblClick() { Command2_Click(); }
    void Command1_Click();
    virtual void Command2_Click() = 0;

protected:
    SyndicateChoice(QWidget* parent, const QString& name, const QString& caption, QStyle::StandardPixmap picture,
                    const QString& word, const QString& actionTip, const QString& closeWord, const QString& closeTip);
    // The members file of the chosen syndicate; empty when none is chosen.
    QString chosenFile() const;
};

class OpenSyndicate : public SyndicateChoice {
    Q_OBJECT
public:
    explicit OpenSyndicate(QWidget* parent = nullptr);
    void Command2_Click() override;
};

class DeleteSyndicate : public SyndicateChoice {
    Q_OBJECT
public:
    explicit DeleteSyndicate(QWidget* parent = nullptr);
    void Command2_Click() override;
};
