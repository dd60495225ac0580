#pragma once
// Numerology: the player's full name and birth date seed the lucky numbers,
// which are placed in a short wheel.

#include "generators/ui/LuckyWheelWindow.h"

class DatePicker;
class QLineEdit;

class PLuckyNumbers : public LuckyWheelWindow {
    Q_OBJECT
public:
    explicit PLuckyNumbers(QWidget* parent = nullptr);

    QLabel* NameLabel;     // "Your full name:" (object name Label6)
    QLineEdit* Text1;      // the full name
    QLabel* Label8;        // "Date you were born:"
    DatePicker* DTPicker2; // the birth date
    QLabel* Label3;        // lucky numbers out of range are ignored

protected:
    // An empty name: the bad-input tip, nothing generated.
    bool InputsOK() override;
    std::int32_t Seed() const override;
    LuckySource Source() const override { return LuckySource::Numerology; }
    SkinLabels SkinningLabels() const override;
};
