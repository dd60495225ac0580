#pragma once
// The odd and even window: the odd and even main numbers of the 50 newest
// draws, their totals over all draws, how many draws had each odd:even split,
// and the four newest draws with their odd:even ratios.

#include "analysis/ui/AnalysisFrame.h"

class Chart;

class AOddEven : public AnalysisFrame {
    Q_OBJECT
public:
    explicit AOddEven(QWidget* parent = nullptr);

    QLabel* Label5;  // explanation
    Chart* MSChart1; // odd and even per draw, two series
    Chart* MSChart2; // totals
    QLabel* Label7;  // beside the totals
    Chart* MSChart3; // odd:even distribution
    QLabel* Label8;  // beside the distribution
    LatestDrawsPanel Latest;

    // The odd:even figures of the chosen lottery.
    void Analyse();
    const OddEvenAnalysis& oddEven() const { return oddEven_; }

protected:
    void Skinning() override;
    void ShowAnalysis() override;

private:
    OddEvenAnalysis oddEven_;
};
