#pragma once
// Average numbers: lines whose numbers lie on or next to the average of each
// place of the past draws (the smallest number, the second smallest, ...).

#include "generators/ui/GeneratorFrame.h"

#include <vector>

class QScrollBar;

class PAverage : public GeneratorFrame {
    Q_OBJECT
public:
    explicit PAverage(QWidget* parent = nullptr);

    QLabel* Label9;       // "Lines:"
    QScrollBar* HScroll1; // lines, 1 to 30
    QLabel* Label8;       // the scroll bar's value

    void PlayLotto() override;
    void HScroll1_Change();
    // Computes the averages of the chosen lottery's sorted draws.
    void Analyse();
    // The averages Generate plays around (element k for place k; empty when
    // the lottery has no draws).
    const std::vector<int>& Averages() const { return averages_; }

protected:
    void PrepareLottery() override;
    QString OwnServingProblem() const override;
    std::function<bool()> OwnTest() override;
    void AfterRetryLoop() override;
    SkinLabels SkinningLabels() const override;

private:
    std::vector<int> averages_;
};
