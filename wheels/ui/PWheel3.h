#pragma once
// Wheeling triplets: the player's numbers in up to eight groups of three;
// every line joins two groups, and every group meets every other once.

#include "wheels/ui/GroupWheelWindow.h"

class PWheel3 : public GroupWheelWindow {
    Q_OBJECT
public:
    explicit PWheel3(QWidget* parent = nullptr);

    QLabel* Label4; // the remark on the lottery's pick size

    void Option1_Click(int index) override;
    // Builds the lines of the chosen size from BallPool.
    bool Do_Wheel();

protected:
    bool RunWheel() override { return Do_Wheel(); }
    void LotteryStep() override;
    SkinLabels SkinningLabels() const override;

private:
    QString CurrentWheel;
};
