#pragma once
// The most and least common numbers window: how often every main number, and
// every bonus or extra ball, came up in the chosen lottery's draws, charted as
// they are (hot) or turned over so the least common stand tallest (cold),
// with the ten hottest or coldest numbers listed.

#include "analysis/ui/AnalysisFrame.h"

#include <array>

class Chart;
class QRadioButton;

class ACommonNumbers : public AnalysisFrame {
    Q_OBJECT
public:
    explicit ACommonNumbers(QWidget* parent = nullptr);

    QLabel* Label6;                       // "Pick hot or cold:"
    std::array<QRadioButton*, 2> Option1; // "Hot numbers", "Cold numbers"
    QLabel* Label2;                       // small heading of the top ten
    QLabel* Label3;                       // the top ten
    QLabel* Label5;                       // explanation
    Chart* MSChart1;                      // main numbers
    Chart* MSChart2;                      // bonus or extra ball

    int ColdMode = 0; // 0 the hot view, -1 the cold view

    // Counts the numbers of the chosen lottery for the view.
    void AnalyseDraws();
    // Fills and sizes both charts from the counts.
    void DrawChart();
    void Option1_Click(int index);

    const CommonNumbers& counts() const { return counts_; }

protected:
    void Skinning() override;
    void SetUp() override;
    void ShowAnalysis() override;

private:
    CommonNumbers counts_;
};
