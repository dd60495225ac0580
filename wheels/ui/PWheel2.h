#pragma once
// Wheeling pairs: the player's numbers in up to nine pairs. Lotteries of
// fewer than six numbers play two pairs a line, every pair meeting every
// other once; lotteries of six or more play three, the last pair in every
// line beside every two of the others.

#include "wheels/ui/GroupWheelWindow.h"

class PWheel2 : public GroupWheelWindow {
    Q_OBJECT
public:
    explicit PWheel2(QWidget* parent = nullptr);

    void Option1_Click(int index) override;
    // Build the lines of the chosen size from BallPool: two pairs a line, or
    // three.
    bool Do_Wheel4();
    bool Do_Wheel6();

protected:
    bool RunWheel() override;
    void LotteryStep() override;

private:
    QString CurrentWheel;
};
