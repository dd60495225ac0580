#pragma once
// "Print tickets": the options of a play-slip printout: the printer, the
// print quality, the template and the number of entries. Play-slip printing
// makes one each time, so its template list is always the folder's as it is
// now; templates that cannot be read are not listed, and the window names
// them. After the window closes, Label7 reads "OK" (print) or "Cancel".

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class PrintTickets : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit PrintTickets(QWidget* parent = nullptr);

    QLabel* Label2;
    QComboBox* Combo1; // printer
    QLabel* Label6;
    QListWidget* List3; // template names
    QListWidget* List2; // their file names, never shown
    QLabel* Label1;     // the template files that cannot be read, when any
    QLabel* Label4;
    QLineEdit* Text2; // entries to print
    QLabel* Label5;
    QComboBox* Combo2; // print quality
    QPushButton* Command2;
    QPushButton* Command6;
    QPushButton* Command1;
    QLabel* Label7; // "OK" or "Cancel", never shown

    // Template files left out of the list because they cannot be read.
    const QStringList& Unreadable() const { return unreadable_; }
    // Each listed template's lottery line, trimmed, index for index with List3.
    const QStringList& Lotteries() const { return lotteries_; }

    void Form_Load() override;
    void Command6_Click();
    void Command1_Click();
    void Command2_Click();

    // Closing the window counts as Cancel.
    void reject() override;

private:
    QStringList unreadable_;
    QStringList lotteries_;
};
