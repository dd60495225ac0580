#include "analysis/ui/ASums.h"

#include "platform/ui/Chart.h"
#include "platform/ui/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ASums::ASums(QWidget* parent)
    : AnalysisFrame({.name = "ASums", .caption = "Analyse sums", .heading = "Sums"}, parent),
      Latest(this, "Label20", {"Label19", "Label18", "Label3", "Label13"}, {"Label17", "Label16", "Label15", "Label14"})
{
    Label5 = Explanation(
        this, "Label5",
        "To calculate the sum of a lottery draw result, just add all the numbers together. Few sums are very small and "
        "few are very large. In theory, the sum of the draw numbers could be under 30, but it never is. Perhaps you "
        "should check the sums of your lottery entries to make sure that they are close to the average!");
    Label6 = NamedLabel(this, "Label6", "Smallest sum:");
    Label2 = NamedLabel(this, "Label2", QString());
    Label7 = NamedLabel(this, "Label7", "Largest sum:");
    Label9 = NamedLabel(this, "Label9", QString());
    Label8 = NamedLabel(this, "Label8", "Average sum:");
    Label10 = NamedLabel(this, "Label10", QString());
    MSChart1 = new Chart(this);
    MSChart1->setObjectName("MSChart1");
    MSChart1->setTitle(" Sums for the most recent draws ");
    MSChart1->setRowCount(kNewestRows);
    for (int r = 1; r <= kNewestRows; ++r)
        MSChart1->setRowLabel(r, "R" + QString::number(r));
    MSChart1->setSeriesBrush(1, Chart::BrushPattern, QColor(255, 160, 0), QColor(170, 90, 0));
    MSChart1->setMinimumHeight(220);
    Label12 = NamedLabel(this, "Label12", "High/Low numbers");
    MakeTitle(Label12, 1.15);
    MSChart3 = new Chart(this);
    MSChart3->setObjectName("MSChart3");
    MSChart3->setTitle(" Low:High ratio in draw results ");
    MSChart3->setRowCount(8);
    MSChart3->setSeriesBrush(1, Chart::BrushPattern, QColor(60, 140, 255), QColor(20, 60, 150));
    MSChart3->setMinimumSize(360, 200);
    Label11 = Explanation(this, "Label11",
                          "<--- A lottery draw result could contain all low numbers or all high numbers, but this "
                          "rarely happens. This chart shows the ratio of low numbers to high numbers. It shows that "
                          "the most common draw result has an even mixture of low and high numbers.");
    Label11->setTextFormat(Qt::PlainText);

    auto* figures = new QGridLayout;
    const std::pair<QLabel*, QLabel*> rows[] = {{Label6, Label2}, {Label7, Label9}, {Label8, Label10}};
    int column = 0;
    for (const auto& [caption, value] : rows) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("00000"));
        figures->addWidget(caption, 0, column++);
        figures->addWidget(value, 0, column++);
        figures->setColumnMinimumWidth(column++, 24);
    }
    figures->setColumnStretch(column, 1);

    leftBox()->addSpacing(12);
    leftBox()->addWidget(Latest.widget());
    mainBox()->addWidget(Label5);
    mainBox()->addLayout(figures);
    mainBox()->addWidget(MSChart1, 3);
    mainBox()->addWidget(Label12);
    auto* lowHigh = new QHBoxLayout;
    lowHigh->addWidget(MSChart3, 3);
    lowHigh->addWidget(Label11, 2);
    mainBox()->addLayout(lowHigh, 2);
    resize(1060, 740);
}

void ASums::Skinning()
{
    applySkin({.title = {Heading, Label12},
               .body = {Label5, Label11},
               .label = {ListLabel, Label6, Label7, Label8},
               .other = {Label2, Label9, Label10}});
}

void ASums::ShowAnalysis()
{
    MSChart1->setTitle(" Sums of most recent lottery draws ");
    Analyse();
    const int maxBall = input().maxBall;
    Latest.fill(input(), [maxBall](int v) { return IsLowInLatestDraws(v, maxBall); });
}

void ASums::Analyse()
{
    const AnalysisInput& in = input();
    sums_ = AnalyseSums(in);
    for (int r = 1; r <= kNewestRows; ++r) {
        MSChart1->setRow(r);
        MSChart1->setData(QString::number(sums_.sums[r]));
    }
    Label10->setText(QString::number(sums_.average));
    Label2->setText(QString::number(sums_.smallest));
    Label9->setText(QString::number(sums_.largest));

    for (int r = 1; r <= 8; ++r) {
        MSChart3->setRow(r);
        MSChart3->setData(0);
        MSChart3->setRowLabel(QString());
    }
    for (int k = 0; in.ballsDrawn > 0 && k < int(sums_.lowCount.size()) && k < 8; ++k) {
        MSChart3->setRow(k + 1);
        MSChart3->setData(QString::number(sums_.lowCount[k]));
        MSChart3->setRowLabel(RatioLabel(k, in.ballsDrawn));
    }
}
