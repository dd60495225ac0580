#pragma once
// "Print media selection": plain paper or lottery play slips.

#include "core/ui/LoadOnce.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

class PrintSelection : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit PrintSelection(QWidget* parent = nullptr);

    // True when the player confirmed a choice with the print button; closing
    // the window any other way leaves it false.
    bool Confirmed() const { return confirmed_; }

    QLabel* Label1;
    QRadioButton* Option2; // "Standard paper"
    QRadioButton* Option1; // "Lottery forms"
    QPushButton* Command6;

    void Command6_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool confirmed_ = false;
};
