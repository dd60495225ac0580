#include "analysis/ui/AOddEven.h"

#include "platform/ui/Chart.h"
#include "platform/ui/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QColor kOddPattern(60, 120, 255);
const QColor kOddFill(0, 40, 170);
const QColor kEvenPattern(60, 200, 60);
const QColor kEvenFill(0, 120, 0);
} // namespace

AOddEven::AOddEven(QWidget* parent)
    : AnalysisFrame(
        {.name = "AOddEven", .caption = "Analyse Odd/Even", .heading = "Odd:Even ratios", .closeTip = " Close window "},
        parent),
      Latest(this, "Label6", {"Label2", "Label3", "Label12", "Label13"}, {"Label9", "Label10", "Label11", "Label14"})
{
    Label5 = Explanation(this, "Label5",
                         "These charts examine the ratio of odd to even numbers in lottery draws. Although it is "
                         "possible for the draw result to contain all odd numbers or all even numbers, this rarely "
                         "happens. It is best for your lottery entries to have roughly equal numbers of odd and even "
                         "numbers.");
    MSChart1 = new Chart(this);
    MSChart1->setObjectName("MSChart1");
    MSChart1->setTitle(" Odd (blue):Even (green) numbers in recent draws ");
    MSChart1->setRowCount(kNewestRows);
    MSChart1->setColumnCount(2);
    for (int r = 1; r <= kNewestRows; ++r)
        MSChart1->setRowLabel(r, "R" + QString::number(r));
    MSChart1->setSeriesBrush(1, Chart::BrushPattern, kOddPattern, kOddFill);
    MSChart1->setSeriesBrush(2, Chart::BrushPattern, kEvenPattern, kEvenFill);
    MSChart1->setMinimumHeight(220);
    MSChart2 = new Chart(this);
    MSChart2->setObjectName("MSChart2");
    MSChart2->setTitle(" Totals");
    MSChart2->setRowCount(2);
    MSChart2->setRowLabel(1, "Odd");
    MSChart2->setRowLabel(2, "Even");
    MSChart2->setSeriesBrush(1, Chart::BrushPattern, QColor(255, 170, 0), QColor(170, 100, 0));
    MSChart2->setMinimumSize(240, 190);
    Label7 = Explanation(this, "Label7",
                         "<---- This shows the total number of odd and even numbers in the lottery draw results. They "
                         "are roughtly equal, showing no bias.");
    Label7->setTextFormat(Qt::PlainText);
    MSChart3 = new Chart(this);
    MSChart3->setObjectName("MSChart3");
    MSChart3->setTitle(" Ratio of odd:even numbers ");
    MSChart3->setRowCount(8);
    MSChart3->setSeriesBrush(1, Chart::BrushPattern, QColor(230, 60, 160), QColor(140, 0, 90));
    MSChart3->setMinimumSize(300, 190);
    Label8 = Explanation(this, "Label8",
                         "This shows the ratio of odd to even numbers in each draw. It is rare for all odd or all even "
                         "numbers to be drawn. The most common result is when roughtly half the numbers are odd and "
                         "half are even ---->");
    // The arrow is one word: a narrow column breaks the line before it, not
    // between its shaft and its head.
    Label8->setText(Label8->text().replace("---->", QStringLiteral("----\u2060>")));
    Label8->setTextFormat(Qt::PlainText);
    // Wide enough that the explanations keep within the charts' height.
    for (QLabel* text : {Label7, Label8})
        text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 20);

    leftBox()->addSpacing(12);
    leftBox()->addWidget(Latest.widget());
    mainBox()->addWidget(Label5);
    mainBox()->addWidget(MSChart1, 1);
    auto* lower = new QGridLayout;
    lower->addWidget(MSChart2, 0, 0);
    lower->addWidget(Label7, 0, 1);
    lower->addWidget(Label8, 0, 2);
    lower->addWidget(MSChart3, 0, 3);
    lower->setColumnStretch(0, 3);
    lower->setColumnStretch(1, 2);
    lower->setColumnStretch(2, 2);
    lower->setColumnStretch(3, 4);
    mainBox()->addLayout(lower, 1);
    resize(1100, 740);
}

void AOddEven::Skinning()
{
    applySkin({.title = {Heading}, .body = {Label5, Label7, Label8}, .label = {ListLabel}, .other = {}});
}

void AOddEven::ShowAnalysis()
{
    Analyse();
    Latest.fill(input(), IsOdd);
}

void AOddEven::Analyse()
{
    const AnalysisInput& in = input();
    oddEven_ = AnalyseOddEven(in);
    for (int r = 1; r <= kNewestRows; ++r) {
        MSChart1->setRow(r);
        MSChart1->setColumn(1);
        MSChart1->setData(QString::number(oddEven_.odd[r]));
        MSChart1->setColumn(2);
        MSChart1->setData(QString::number(oddEven_.even[r]));
    }
    MSChart2->setRow(1);
    MSChart2->setData(QString::number(oddEven_.oddTotal));
    MSChart2->setRow(2);
    MSChart2->setData(QString::number(oddEven_.evenTotal));

    for (int r = 1; r <= 8; ++r) {
        MSChart3->setRow(r);
        MSChart3->setData(0);
        MSChart3->setRowLabel(QString());
    }
    for (int k = 0; in.ballsDrawn > 0 && k < int(oddEven_.oddCount.size()) && k < 8; ++k) {
        MSChart3->setRow(k + 1);
        MSChart3->setData(QString::number(oddEven_.oddCount[k]));
        MSChart3->setRowLabel(RatioLabel(k, in.ballsDrawn));
    }
}
