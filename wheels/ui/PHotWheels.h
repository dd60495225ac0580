#pragma once
// Hot and cold wheels: the numbers the open lottery's draws favour (or
// neglect, in cold mode), wheeled in windows of the lottery's count of
// numbers, each window an interval after the one before. New lines come
// whenever a lottery or a mode is chosen, and on Generate.

#include "wheels/ui/WheelFrame.h"

#include <array>

class QComboBox;
class QRadioButton;

class PHotWheels : public WheelFrame {
    Q_OBJECT
public:
    explicit PHotWheels(QWidget* parent = nullptr);

    std::array<QRadioButton*, 2> Option1{}; // "Hot numbers", "Cold numbers"
    // The frame's Label1, the lottery list's caption, carries the object
    // name Label5 here, and the status line the name Status.
    QLabel* NumbersLabel; // "Numbers:" (object name Label1)
    QLabel* Label8;       // the coloured heading of the ranked numbers
    QLabel* Label3;       // the ten top-ranked numbers
    QLabel* Label9;       // "Interval:"
    QLabel* Label4;       // "Lines:"
    QComboBox* Combo1;    // the count of numbers to wheel, 8 to 20
    QComboBox* Combo2;    // the interval, 1 to 5

    // False for hot numbers, true for cold.
    bool ColdMode = false;

    void Option1_Click(int index);
    // Shows the line count of the count and interval chosen and empties the
    // grid (the lines come on Generate).
    void Combo2_Click();
    // Counts and ranks the draws, shows the top numbers and builds the lines.
    void Analyse();

protected:
    // The whole of Generate: no boxes, no refusals, the lines built once.
    void Generate() override;
    bool RunWheel() override;
    SkinLabels SkinningLabels() const override;

private:
    void showMode();
    // A lottery the window cannot play shows nothing of the one before.
    void forgetUnplayable();
};
