#pragma once
// Wheel 49: the numbers 1 to 49 wheeled into 175 lines of six by a fixed
// pattern of positions, laid over a new order of the numbers in every try
// until the ticked checks pass or ten seconds have gone by.

#include "wheels/ui/WheelFrame.h"

#include <cstdint>
#include <vector>

class Wheel49 : public WheelFrame {
    Q_OBJECT
public:
    explicit Wheel49(QWidget* parent = nullptr);

    // The pattern: 175 lines of six positions of the shuffled 1 to 49.
    std::vector<std::int16_t> WheelIndexes;

protected:
    void Loaded() override;
    bool InputsOK() override;
    void BeforeGenerate() override;
    // One try (DoWheel): 1 to 49 shuffled on, the pattern laid over them.
    bool RunWheel() override;
    SkinLabels SkinningLabels() const override;

private:
    QString letters_; // the pattern as a wheel of letters
};
