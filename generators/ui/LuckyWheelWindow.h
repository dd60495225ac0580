#pragma once
// What the numerology and star-sign windows share: the wheel type, the
// lucky-numbers line and Generate, which seeds the random source from the
// window's inputs so that the same inputs give the same lines. Choosing a
// lottery shows its headings only; nothing is generated until Generate.

#include "generators/LuckyNumbers.h"
#include "generators/ui/GeneratorFrame.h"

#include <array>

class QRadioButton;

class LuckyWheelWindow : public GeneratorFrame {
    Q_OBJECT
public:
    LuckyWheelWindow(const QString& name, const QString& caption, QWidget* parent);

    QLabel* Label9;                      // "Pick a wheel:     "
    std::array<QRadioButton*, 3> Option; // Option1 to Option3, wheel types 1 to 3
    QLabel* Label4;                      // the lucky numbers

    // The selected wheel type, 1 to 3.
    int WheelType() const;
    void PlayLotto() override;

protected:
    // The seed of the window's inputs.
    virtual std::int32_t Seed() const = 0;
    virtual LuckySource Source() const = 0;
    // The wheel is seeded, not drawn again until tests pass.
    void Generate() override;
    // The row of wheel types, for the window's layout.
    QLayout* wheelRow() const { return wheelRow_; }

private:
    QLayout* wheelRow_;
    LuckyWheel last_;
};
