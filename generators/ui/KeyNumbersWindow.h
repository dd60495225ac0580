#pragma once
// What the one-, two- and three-key-number windows share: the key bars with
// their value labels, the rules that keep neighbouring keys apart, the
// re-ranging of the bars for the chosen lottery, the pick-size check and the
// line builder.

#include "generators/ui/GeneratorFrame.h"

#include <vector>

class QScrollBar;

// What sets one key window apart from the others.
struct KeyWindowOptions {
    GeneratorFrameOptions frame;
    int keys = 1;          // 1 to 3 bars
    int smallestPick = 4;  // the fewest main numbers a lottery must draw
    QString pickMessage;   // shown when it draws fewer
    bool blankGrid = true; // the shown lines blanked before generating
    QString heading;       // Label7
    QString description;   // Label2
    QString firstValueTip; // tooltip of Label8
};

// What the three key-number windows share: their filter and help buttons,
// two decimals of time, the tick boxes cleared on a lottery choice, a pool of
// up to 100 numbers, and the tooltips of the one- and two-key windows.
KeyWindowOptions KeyWindowDefaults(const QString& name, const QString& caption, int gridRows);

class KeyNumbersWindow : public GeneratorFrame {
    Q_OBJECT
public:
    KeyNumbersWindow(const KeyWindowOptions& options, QWidget* parent);

    // The key bars HScroll1 to HScroll3, their value labels (Label8, Label9,
    // Label13) and their "Number:" captions (Label10 to Label12), as many as
    // the window has keys.
    std::vector<QScrollBar*> Bars;
    std::vector<QLabel*> ValueLabels;
    std::vector<QLabel*> NumberLabels;

    // The keys in bar order.
    std::vector<int> Keys() const;

    void PlayLotto() override;
    // A bar's value changed (index 0 for HScroll1), by the player or a rule.
    void HScroll_Change(int index);

protected:
    void LotteryChosen() override;
    bool InputsOK() override;
    void BlankGrid() override;
    SkinLabels SkinningLabels() const override;

private:
    KeyWindowOptions options_;
};
