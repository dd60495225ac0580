#pragma once
// The number averages window: one position of the sorted draw (the smallest
// number, the second smallest, ...): its value over the newest draws, its
// average over all draws, and how often each number stood there.

#include "analysis/ui/AnalysisFrame.h"

#include <array>

class Chart;
class QRadioButton;

class AAverages : public AnalysisFrame {
    Q_OBJECT
public:
    explicit AAverages(QWidget* parent = nullptr);

    QLabel* Label5; // explanations
    QLabel* Label6;
    QLabel* Label7;                       // "Pick draw number"
    std::array<QRadioButton*, 7> Option3; // "1st number" to "7th number"
    QLabel* Label2;                       // "Average value:"
    QLabel* Label3;                       // the average
    Chart* MSChart1;                      // value at the position per draw
    Chart* MSChart2;                      // count per number

    int NumberPosition = 1; // 1 = the smallest number of the draw

    // Charts the position NumberPosition of the chosen lottery.
    void Analyse();
    void Option3_Click(int index);
    const PositionAnalysis& position() const { return position_; }

protected:
    void Skinning() override;
    void ShowAnalysis() override;

private:
    PositionAnalysis position_;
};
