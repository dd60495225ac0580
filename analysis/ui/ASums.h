#pragma once
// The draw sums and high/low numbers window: the sums of the 50 newest draws
// with their smallest, largest and average, how many draws had each split of
// low and high numbers, and the four newest draws with their low:high ratios.

#include "analysis/ui/AnalysisFrame.h"

class Chart;

class ASums : public AnalysisFrame {
    Q_OBJECT
public:
    explicit ASums(QWidget* parent = nullptr);

    QLabel* Label5; // explanation
    QLabel* Label6; // "Smallest sum:"
    QLabel* Label2;
    QLabel* Label7; // "Largest sum:"
    QLabel* Label9;
    QLabel* Label8; // "Average sum:"
    QLabel* Label10;
    Chart* MSChart1; // sums of the 50 newest draws
    QLabel* Label12; // "High/Low numbers"
    Chart* MSChart3; // low:high distribution
    QLabel* Label11; // its explanation
    LatestDrawsPanel Latest;

    // The sums and the low:high distribution of the chosen lottery.
    void Analyse();
    const SumsAnalysis& sums() const { return sums_; }

protected:
    void Skinning() override;
    void ShowAnalysis() override;

private:
    SumsAnalysis sums_;
};
