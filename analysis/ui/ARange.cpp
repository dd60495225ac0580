#include "analysis/ui/ARange.h"

#include "platform/ui/Chart.h"
#include "platform/ui/Controls.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

ARange::ARange(QWidget* parent)
    : AnalysisFrame(
        {.name = "ARange", .caption = "Analyse Number Range", .heading = "Number ranges", .sortsDraws = true}, parent)
{
    Label5 = Explanation(this, "Label5",
                         "A lottery draw's range is calculated by subtracting the lowest draw number from the highest. "
                         "So if the highest is 35 and the lowest is 3, the range would be 32. The chart below plots "
                         "the range of recent lottery draws.");
    Label2 = Explanation(this, "Label2",
                         "The charts show that it is rare for lottery numbers to be bunched close together (a small "
                         "range). Therefore you should spread out your numbers and ensure there is an adequate gap "
                         "between the smallest and largest.");
    Label3 = NamedLabel(this, "Label3", QString());
    Label3->setWordWrap(true);
    Label3->setMaximumWidth(List1->maximumWidth());
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    MSChart1 = new Chart(this);
    MSChart1->setObjectName("MSChart1");
    MSChart1->setTitle(" Range of numbers - last 50 draws ");
    MSChart1->setRowCount(kNewestRows);
    for (int r = 1; r <= kNewestRows; ++r)
        MSChart1->setRowLabel(r, "R" + QString::number(r));
    MSChart1->setSeriesBrush(1, Chart::BrushPattern, QColor(150, 80, 230), QColor(80, 30, 140));
    MSChart1->setMinimumHeight(220);
    MSChart2 = new Chart(this);
    MSChart2->setObjectName("MSChart2");
    MSChart2->setTitle(" Number of times a range has occurred ");
    MSChart2->setSeriesBrush(1, Chart::BrushPattern, QColor(0, 180, 200), QColor(0, 100, 120));
    MSChart2->setMinimumHeight(220);

    leftBox()->addSpacing(12);
    leftBox()->addWidget(Label3);
    mainBox()->addWidget(Label5);
    mainBox()->addWidget(MSChart1, 1);
    mainBox()->addWidget(Label2);
    mainBox()->addWidget(MSChart2, 1);
    resize(1040, 740);
}

void ARange::Skinning()
{
    applySkin({.title = {Heading}, .body = {Label2, Label5}, .label = {ListLabel}, .other = {Label3}});
}

void ARange::ShowAnalysis()
{
    AnalyseRange();
    const int maxBall = input().maxBall;
    MSChart2->setRowCount(std::max(maxBall, 1));
    MSChart2->setRow(1);
    MSChart2->setData(0);
    MSChart2->setRowLabel(QString());
    for (int d = 1; d <= maxBall; ++d) {
        MSChart2->setRow(d);
        MSChart2->setRowLabel(QString::number(d));
        MSChart2->setData(QString::number(ranges_.rangeCount[d]));
    }
}

void ARange::AnalyseRange()
{
    ranges_ = AnalyseRanges(input());
    for (int r = 1; r <= kNewestRows; ++r) {
        MSChart1->setRow(r);
        MSChart1->setData(QString::number(ranges_.ranges[r]));
    }
    Label3->setText("Average range is " + QString::number(ranges_.average));
}
