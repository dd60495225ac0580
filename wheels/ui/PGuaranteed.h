#pragma once
// Guaranteed win wheels: the player clicks numbers on a board of 1 to 60 and
// expands them with one of the stored covering wheels of three families, each
// with its own list, Generate and "Random selection" button. Generate
// rebuilds the lines with the numbers in a new order until the ticked checks
// pass or ten seconds have gone by.

#include "wheels/GuaranteedWheels.h"
#include "wheels/ui/WheelFrame.h"

#include <array>

class NumberBoard;
class QComboBox;

class PGuaranteed : public WheelFrame {
    Q_OBJECT
public:
    explicit PGuaranteed(QWidget* parent = nullptr);

    // The board: labels "Label1(1)" to "Label1(60)".
    NumberBoard* Board;
    QLabel* Label19; // "Designed for pick-6 lotteries"
    QLabel* Label9;  // "   Click your numbers:"
    // "Select a lottery:" and the status line are the frame's Label1 and
    // Label5, named Label5 and Label10 here.
    QLabel* Label10;
    // Per family: heading, "Pick N numbers.", "Uses N lines.", promise, list,
    // Generate, Random selection.
    std::array<QLabel*, kGuaranteedFamilies> Heading{};
    std::array<QLabel*, kGuaranteedFamilies> CountText{};
    std::array<QLabel*, kGuaranteedFamilies> LinesText{};
    std::array<QLabel*, kGuaranteedFamilies> Promise{};
    std::array<QComboBox*, kGuaranteedFamilies> Combo{};
    std::array<QPushButton*, kGuaranteedFamilies> GenerateButton{};
    std::array<QPushButton*, kGuaranteedFamilies> RandomButton{}; // Command12(0) to Command12(2)
    QPushButton* Command16;                                       // Clear

    // The wheel Generate last expanded, letters of six a line.
    QString CurrentWheel;

    // Handlers.
    void Combo_Change(int family);
    void Command2_Click() override;      // the first family's Generate
    void Generate_Click(int family);     // Command2, Command3, Command4
    void RandomButton_Click(int family); // Command12(0) to Command12(2)
    void Command16_Click();

protected:
    void LotteryStep() override;
    bool InputsOK() override;
    // One try: the numbers in a new order, the wheel expanded (Do_Wheel).
    bool RunWheel() override;
    SkinLabels SkinningLabels() const override;

private:
    int family_ = 0; // of the Generate that runs
    int need_ = 0;
};
