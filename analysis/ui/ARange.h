#pragma once
// The number range window: the range (highest main number minus lowest) of
// the 50 newest draws, how many of them had each range, and the average range
// of all draws.

#include "analysis/ui/AnalysisFrame.h"

class Chart;

class ARange : public AnalysisFrame {
    Q_OBJECT
public:
    explicit ARange(QWidget* parent = nullptr);

    QLabel* Label5; // explanations
    QLabel* Label2;
    QLabel* Label3;  // the average range
    Chart* MSChart1; // range per draw
    Chart* MSChart2; // count per range

    // The ranges of the chosen lottery.
    void AnalyseRange();
    const RangeAnalysis& ranges() const { return ranges_; }

protected:
    void Skinning() override;
    void ShowAnalysis() override;

private:
    RangeAnalysis ranges_;
};
