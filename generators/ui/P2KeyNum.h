#pragma once
// Two key numbers: the player's two lucky numbers in every line, played
// against every other number of the lottery.

#include "generators/ui/KeyNumbersWindow.h"

class P2KeyNum : public KeyNumbersWindow {
    Q_OBJECT
public:
    explicit P2KeyNum(QWidget* parent = nullptr);
};
