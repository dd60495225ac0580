#pragma once
// What the triplet and pair windows share on the wheel frame: the prompt
// Label8 over the boxes, six wheel sizes Option1(0) .. Option1(5) beside
// them (the first chosen at opening, with exactly its boxes white), and the
// refusal of lotteries that draw too few numbers for a line of two blocks.

#include "wheels/ui/WheelFrame.h"

#include <array>

class QRadioButton;

struct GroupWheelTexts {
    QString heading;              // Label7 (also the caption)
    QString description;          // Label2
    QString prompt;               // Label8 as the window opens
    std::array<QString, 6> sizes; // Option1 captions as the window opens
};

class GroupWheelWindow : public WheelFrame {
    Q_OBJECT
public:
    GroupWheelWindow(const WheelFrameOptions& options, const GroupWheelTexts& texts, QWidget* parent);

    QLabel* Label8; // the prompt
    std::array<QRadioButton*, 6> Option1{};

    // The chosen size (0 to 5).
    int SelectedSize() const;
    // A size chosen by the player (the prompt and the boxes in use).
    virtual void Option1_Click(int index) = 0;

protected:
    QString WheelRefusal() const override;
};
