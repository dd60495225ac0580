#pragma once
// The number statistics window: for every main number, how many draws ago it
// was last drawn, how often, and the average number of draws between its
// appearances, in a grid the player sorts three ways and prints.

#include "analysis/NumberStats.h"
#include "analysis/ui/AnalysisFrame.h"

class FlexGrid;

class ANumberStats : public AnalysisFrame {
    Q_OBJECT
public:
    explicit ANumberStats(QWidget* parent = nullptr);

    QLabel* Label6; // explanation
    FlexGrid* MSFlexGrid1;
    QPushButton* Command1; // sort: overdue first
    QPushButton* Command2; // sort: most common first
    QPushButton* Command4; // sort: expected first
    QLabel* Label4;        // what the last sort found

    // Fills the grid with the chosen lottery's numbers in ascending order.
    void Analyse();
    // Turns the enabled state of every button to its opposite.
    void ToggleButtons();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

    // The grid's rows as they stand, from row 1 to the first empty one.
    std::vector<NumberStatsRow> gridRows() const;

protected:
    void Skinning() override;
    void SetUp() override;
    void ShowAnalysis() override;
    void Print() override;

private:
    void sortBy(StatsSort sort);
    void writeHeadings();
};
