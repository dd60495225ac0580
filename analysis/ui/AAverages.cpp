#include "analysis/ui/AAverages.h"

#include "platform/ui/Chart.h"
#include "platform/ui/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

AAverages::AAverages(QWidget* parent)
    : AnalysisFrame(
        {.name = "AAverages", .caption = "Number Averages", .heading = "Number Averages", .sortsDraws = true}, parent)
{
    Label5 = Explanation(this, "Label5",
                         "The top chart plots the value of the selected draw lottery number (sorted, not draw order) "
                         "over the past 100 draws. The average value is displayed. There may be benefits to choosing "
                         "lottery numbers close to the average.");
    Label6 = Explanation(this, "Label6",
                         "The bottom chart plots the number of times each number occurs for the selected draw number. "
                         "For example, select 1st number and you can see which numbers have occured in this position "
                         "and how many times.");
    Label7 = NamedLabel(this, "Label7", "Pick draw number");
    for (int k = 0; k < 7; ++k) {
        Option3[k] = new QRadioButton(Ordinal(k + 1) + " number", this);
        Option3[k]->setObjectName("Option3_" + QString::number(k));
        connect(Option3[k], &QRadioButton::clicked, this, [this, k] { Option3_Click(k); });
    }
    Option3[0]->setChecked(true);
    Label2 = NamedLabel(this, "Label2", "Average value:");
    Label3 = NamedLabel(this, "Label3", QString());
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    MSChart1 = new Chart(this);
    MSChart1->setObjectName("MSChart1");
    MSChart1->setTitle("Number frequency");
    MSChart1->setChartType(Chart::Lines);
    MSChart1->setSeriesBrush(1, Chart::BrushSolid, QColor(0, 90, 200), QColor(0, 90, 200));
    MSChart1->setMinimumHeight(200);
    MSChart2 = new Chart(this);
    MSChart2->setObjectName("MSChart2");
    MSChart2->setTitle(" How many times a number has appeared ");
    MSChart2->setSeriesBrush(1, Chart::BrushPattern, QColor(0, 190, 120), QColor(0, 110, 70));
    MSChart2->setMinimumHeight(200);

    leftBox()->addSpacing(8);
    leftBox()->addWidget(Label7);
    for (QRadioButton* option : Option3)
        leftBox()->addWidget(option);
    leftBox()->addSpacing(8);
    auto* average = new QHBoxLayout;
    average->addWidget(Label2);
    average->addWidget(Label3);
    average->addStretch(1);
    leftBox()->addLayout(average);
    mainBox()->addWidget(Label5);
    mainBox()->addWidget(MSChart1, 1);
    mainBox()->addWidget(Label6);
    mainBox()->addWidget(MSChart2, 1);
    resize(1040, 740);
}

void AAverages::Skinning()
{
    applySkin({.title = {Heading}, .body = {Label5, Label6}, .label = {ListLabel, Label2, Label3}, .other = {}});
}

void AAverages::ShowAnalysis()
{
    // Only the positions the lottery draws can be chosen; a new lottery
    // starts again at the smallest number.
    for (int k = 0; k < 7; ++k)
        Option3[k]->setVisible(k < input().ballsDrawn);
    NumberPosition = 1;
    Option3[0]->setChecked(true);
    Analyse();
}

void AAverages::Option3_Click(int index)
{
    NumberPosition = index + 1;
    Analyse();
}

void AAverages::Analyse()
{
    const AnalysisInput& in = input();
    const int p = NumberPosition;
    position_ = AnalysePosition(in, p);
    Label3->setText(" " + QString::number(position_.average));

    const int n = int(position_.newest.size());
    MSChart1->setRowCount(std::max(n, 1));
    MSChart1->setRow(1);
    MSChart1->setData(0);
    for (int i = 1; i <= n; ++i) {
        MSChart1->setRow(i);
        MSChart1->setRowLabel(QString());
        MSChart1->setData(QString::number(position_.newest[i - 1]));
    }
    MSChart1->setTitle(PositionChartTitle(p, n));

    MSChart2->setRowCount(std::max(in.maxBall, 1));
    MSChart2->setRow(1);
    MSChart2->setData(0);
    MSChart2->setRowLabel(QString());
    for (int v = 1; v <= in.maxBall; ++v) {
        MSChart2->setRow(v);
        MSChart2->setData(QString::number(position_.positionCount[v]));
        MSChart2->setRowLabel(QString::number(v));
    }
}
