#pragma once
// One key number: the player's lucky number in every line, played against
// every other number of the lottery.

#include "generators/ui/KeyNumbersWindow.h"

class P1Key : public KeyNumbersWindow {
    Q_OBJECT
public:
    explicit P1Key(QWidget* parent = nullptr);
};
