#pragma once
// Hot and cold numbers: ten lines from the ten numbers drawn most often, or
// least often in cold mode. Generate runs the method once, with no tests.

#include "generators/ui/GeneratorFrame.h"

#include <array>

class QRadioButton;

class PHotNumbers : public GeneratorFrame {
    Q_OBJECT
public:
    explicit PHotNumbers(QWidget* parent = nullptr);

    std::array<QRadioButton*, 2> Option1; // "Hot numbers", "Cold numbers"
    QLabel* Label8;                       // heading of the ten numbers in Label5

    // False for hot numbers, true for cold.
    bool ColdMode = false;

    void PlayLotto() override;
    void Option1_Click(int index);

protected:
    // One pass of the method: no retry loop, no tests.
    void Generate() override;
    SkinLabels SkinningLabels() const override;
};
