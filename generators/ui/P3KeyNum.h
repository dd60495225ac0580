#pragma once
// Three key numbers: the player's three lucky numbers in every line, played
// against every other number of the lottery.

#include "generators/ui/KeyNumbersWindow.h"

class P3KeyNum : public KeyNumbersWindow {
    Q_OBJECT
public:
    explicit P3KeyNum(QWidget* parent = nullptr);
};
