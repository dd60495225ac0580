#pragma once
// Budget wheels: 9, 12, 15 or 18 of the player's numbers in groups of three,
// two groups a line, in a few lines at low cost.

#include "wheels/ui/WheelFrame.h"

#include <array>

class QRadioButton;

class PBudgetWheel : public WheelFrame {
    Q_OBJECT
public:
    explicit PBudgetWheel(QWidget* parent = nullptr);

    std::array<QRadioButton*, 4> Option1{}; // the wheel sizes
    QString CurrentWheel;                   // the table being expanded

    // The size button chosen (0 to 3).
    int SelectedOption() const;
    void Option1_Click(int index);
    // The lines for a lottery of seven, six or five numbers; false when the
    // numbers cannot make them.
    bool Do_Wheel7();
    bool Do_Wheel6();
    bool Do_Wheel5();

protected:
    bool BoxesOK() override;
    QString WheelRefusal() const override;
    bool RunWheel() override;
    SkinLabels SkinningLabels() const override;

private:
    bool expand(int k);
};
