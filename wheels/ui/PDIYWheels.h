#pragma once
// Create-a-wheel: the player chooses how many numbers to wheel (8 to 20) and
// an interval (1 to 5); each line is a run of the lottery's count of numbers
// round the ring of the player's numbers, each starting an interval after
// the one before.

#include "wheels/ui/WheelFrame.h"

class QComboBox;

class PDIYWheels : public WheelFrame {
    Q_OBJECT
public:
    explicit PDIYWheels(QWidget* parent = nullptr);

    // The frame's Label1, the lottery list's caption, carries the object
    // name Label5 here, and the status line the name Status.
    QLabel* NumbersLabel; // "Numbers:" (object name Label1)
    QLabel* Label9;       // "Interval:"
    QLabel* Label10;      // "Numbers to wheel:"
    QComboBox* Combo1;    // the count, 8 to 20
    QComboBox* Combo2;    // the interval, 1 to 5

    // The count and the interval chosen.
    int Count() const;
    int Interval() const;

    void Combo1_Click();
    // Builds the lines from BallPool, the count and the interval.
    void Do_Wheel();

protected:
    bool BoxesOK() override;
    bool RunWheel() override;
    SkinLabels SkinningLabels() const override;
};
