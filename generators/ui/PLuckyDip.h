#pragma once
// Lucky dip: 1 to 30 completely random lines, drawn again until the ticked
// tests pass.

#include "generators/ui/GeneratorFrame.h"

class QScrollBar;

class PLuckyDip : public GeneratorFrame {
    Q_OBJECT
public:
    explicit PLuckyDip(QWidget* parent = nullptr);

    QLabel* Label8;        // "Lines to generate"
    QScrollBar* HScroll1;  // lines, 1 to 30
    QLabel* Label4;        // the scroll bar's value
    QPushButton* Command3; // "?": the odd/even tip

    void PlayLotto() override;
    void HScroll1_Change();
    void Command3_Click();

protected:
    // The lines stay shown until the new ones replace them.
    void BlankGrid() override {}
    // PlayLotto sorts; repeated lines go.
    void AfterRetryLoop() override;
};
