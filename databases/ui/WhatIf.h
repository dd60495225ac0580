#pragma once
// The What-if window: how lines typed in, or saved for one lottery, would
// have fared had they been played in every draw so far.

#include "databases/WhatIfRule.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <cstdint>
#include <array>

class FlexGrid;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class WhatIf : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit WhatIf(QWidget* parent = nullptr);

    void Skinning();
    void InitGrid();
    // Tallies the grid's lines against the open lottery's draws.
    WhatIfTallies CheckIt() const;

    QLabel* Label5 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLineEdit*, 9> Text1{}; // 1 to 7 main numbers, 8 the extra ball
    QLabel* Label2 = nullptr;
    QPushButton* Command2 = nullptr;
    FlexGrid* MSFlexGrid1 = nullptr;
    QPushButton* Command4 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command3 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;

    // The row Delete acts on; 0 when none is chosen.
    int ChosenRow = 0;

    void Form_Load() override;
    void List1_Click();
    void Command2_Click(); // Add
    void MSFlexGrid1_Click();
    void Command4_Click(); // Delete
    void Command3_Click(); // Check
    void Command1_Click(); // Close

private:
    std::vector<BallRow> gridLines() const;
    void highlight();
    bool lotteryLoaded_ = false;
    std::uint64_t loadedGeneration_ = 0; // of the open lottery when it was chosen
    LotteryDefinition lottery_;
};
