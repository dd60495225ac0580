#pragma once
// Three- and four-match wheels: up to twenty numbers typed into boxes (or
// picked by the window) expanded by one of 27 short covering wheels. Two
// option buttons switch between the 3-match and the 4-match wheels; the
// window builds its lines once, with no checks and no new seed.

#include "wheels/GuaranteedWheels.h"
#include "wheels/ui/WheelFrame.h"

#include <array>

class QComboBox;
class QRadioButton;

class PThreeMatch : public WheelFrame {
    Q_OBJECT
public:
    explicit PThreeMatch(QWidget* parent = nullptr);

    std::array<QRadioButton*, 2> Option1{}; // "3-match wheels", "4-match wheels"
    QLabel* Label3;                         // "Designed for pick-6 lotteries"
    QLabel* Label8;                         // "   Pick 20 numbers:"
    // "Pick your wheel:" (the frame's "Select a lottery:" is named Label5).
    QLabel* PickWheelLabel;
    QComboBox* Combo1; // 3-match wheels
    QComboBox* Combo2; // 4-match wheels

    // The chosen wheel, six letters a line, and how many boxes it uses.
    QString CurrentWheel;
    int PickCount = 0;
    bool FourMatch = false;

    // Handlers.
    void Option1_Click(int index);
    void Combo1_Click();
    void Combo2_Click();

protected:
    bool RunWheel() override; // Do_Wheel
    QString WheelRefusal() const override;
    void Generate() override;
    SkinLabels SkinningLabels() const override;

private:
    void chooseWheel(bool fourMatch, int index);
};
