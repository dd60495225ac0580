#pragma once
// Star signs: the player's star sign, birth day and the draw date seed the
// lucky numbers, which are placed in a short wheel. Choosing a lottery
// proposes its next draw date.

#include "generators/ui/LuckyWheelWindow.h"

class DatePicker;
class QComboBox;

class PStarSign : public LuckyWheelWindow {
    Q_OBJECT
public:
    explicit PStarSign(QWidget* parent = nullptr);

    QLabel* SignLabel;     // "Star sign:" (object name Label6)
    QComboBox* Combo1;     // the signs
    QLabel* Label8;        // "Birth day:"
    QComboBox* Combo2;     // the days 1 to 31
    QLabel* Label3;        // "Draw date:"
    DatePicker* DTPicker1; // the draw date
    QLabel* Label10;       // lucky numbers out of range are ignored

protected:
    // Proposes the draw date for the lottery chosen.
    void LotteryChosen() override;
    std::int32_t Seed() const override;
    LuckySource Source() const override { return LuckySource::StarSign; }
    SkinLabels SkinningLabels() const override;
};
