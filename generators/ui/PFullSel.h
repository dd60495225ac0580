#pragma once
// Full selection: every number of the lottery dealt once, shuffled, into as
// many whole lines as it fills; the numbers left over can be completed into
// one more line.

#include "generators/ui/GeneratorFrame.h"

class PFullSel : public GeneratorFrame {
    Q_OBJECT
public:
    explicit PFullSel(QWidget* parent = nullptr);

    QCheckBox* Check4; // "Include all numbers"
    QLabel* Label4;    // the note on the numbers left out

    void PlayLotto() override;
    void Check4_Click();

protected:
    void BeforeGenerate() override;
    // Close does nothing while the lines are made.
    bool CloseWaitsWhileBusy() const override { return false; }
};
