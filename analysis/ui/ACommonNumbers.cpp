#include "analysis/ui/ACommonNumbers.h"

#include "platform/ui/Chart.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kHotText = QStringLiteral(
    "These charts show how many times each number has appeared in the lottery draw result. Is there a reason why "
    "some numbers come up more often than others? Are the balls bigger or heavier? Whatever the reason, these numbers "
    "are HOT!");
const QString kColdText = QStringLiteral(
    "These charts show which numbers appear the least often. If a lottery is random, all numbers should appear an "
    "equal number of times. The coldest numbers (the ones with the tallest bars in the charts below ) are therefore "
    "overdue. Maybe you should pick them!");

// Rows 1 to `rows` labelled with their numbers and given the counts.
void ShowCounts(Chart* chart, const std::vector<int>& counts, int rows)
{
    chart->setRowCount(std::max(rows, 1));
    chart->setRow(1);
    chart->setRowLabel(QString());
    chart->setData(0);
    for (int n = 1; n <= rows; ++n) {
        chart->setRow(n);
        chart->setRowLabel(QString::number(n));
        chart->setData(QString::number(n < int(counts.size()) ? counts[n] : 0));
    }
}

} // namespace

ACommonNumbers::ACommonNumbers(QWidget* parent)
    : AnalysisFrame({.name = "ACommonNumbers", .caption = "Most Common Numbers", .heading = "Hot Numbers"}, parent)
{
    Label6 = NamedLabel(this, "Label6", "Pick hot or cold:");
    Option1[0] = new QRadioButton("Hot numbers", this);
    Option1[0]->setObjectName("Option1_0");
    Option1[0]->setChecked(true);
    Option1[1] = new QRadioButton("Cold numbers", this);
    Option1[1]->setObjectName("Option1_1");
    Label2 = NamedLabel(this, "Label2", "Hot numbers");
    Label2->setAutoFillBackground(true);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setMargin(3);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3 = NamedLabel(this, "Label3", QString());
    Label3->setWordWrap(true);
    Label3->setFont(bold);
    Label3->setMaximumWidth(List1->maximumWidth());
    Label5 = Explanation(this, "Label5", kHotText);
    MSChart1 = new Chart(this);
    MSChart1->setObjectName("MSChart1");
    MSChart1->setTitle("Number frequency");
    MSChart1->setMinimumHeight(200);
    MSChart2 = new Chart(this);
    MSChart2->setObjectName("MSChart2");
    MSChart2->setTitle("Bonus number frequency");
    MSChart2->setMinimumHeight(160);
    MSChart2->setSeriesBrush(1, Chart::BrushPattern, QColor(0, 170, 0), QColor(0, 100, 0));

    leftBox()->addSpacing(8);
    leftBox()->addWidget(Label6);
    leftBox()->addWidget(Option1[0]);
    leftBox()->addWidget(Option1[1]);
    leftBox()->addSpacing(8);
    leftBox()->addWidget(Label2);
    leftBox()->addWidget(Label3);
    mainBox()->addWidget(Label5);
    mainBox()->addWidget(MSChart1, 7000);
    mainBox()->addWidget(MSChart2, 4155);
    resize(1040, 720);

    for (int i = 0; i < 2; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
}

void ACommonNumbers::Skinning()
{
    applySkin({.title = {Heading}, .body = {Label5}, .label = {ListLabel, Label6}, .other = {}});
}

void ACommonNumbers::SetUp()
{
    ColdMode = 0;
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::Window, ToQColor(kHotColour));
    palette.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(palette);
    SetTextColours(Label3, ToQColor(kHotColour));
}

void ACommonNumbers::ShowAnalysis()
{
    AnalyseDraws();
    DrawChart();
    Label3->setText(NumberList(counts_.topTen));
}

void ACommonNumbers::AnalyseDraws() { counts_ = AnalyseCommonNumbers(input(), ColdMode != 0); }

void ACommonNumbers::DrawChart()
{
    const AnalysisInput& in = input();
    const bool cold = ColdMode != 0;
    ShowCounts(MSChart1, counts_.shown.numbers, in.maxBall);
    MSChart1->setSeriesBrush(1, Chart::BrushPattern, cold ? QColor(0, 0, 255) : QColor(255, 0, 0),
                             cold ? QColor(0, 0, 128) : QColor(128, 0, 0));

    const ExtraBall extra = ExtraBallKind(in);
    if (extra == ExtraBall::None) {
        MSChart2->hide();
        MSChart1->setHeightTwips(7000);
        return;
    }
    MSChart1->setHeightTwips(4155);
    MSChart2->show();
    const QString view = cold ? QStringLiteral("(cold nums) ") : QStringLiteral("(hot nums) ");
    MSChart2->setTitle((extra == ExtraBall::Powerball ? " Powerball frequency " : " Bonus frequency ") + view);
    ShowCounts(MSChart2, counts_.shown.extras, ExtraBallRange(in));
}

void ACommonNumbers::Option1_Click(int index)
{
    Q_UNUSED(index); // the selected option tells the view
    const bool hot = Option1[0]->isChecked();
    ColdMode = hot ? 0 : -1;
    const QString name = hot ? QStringLiteral("Hot numbers") : QStringLiteral("Cold numbers");
    setWindowTitle(name);
    Heading->setText(name);
    Label2->setText(name);
    const QColor colour = ToQColor(hot ? kHotColour : kColdColour);
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::Window, colour);
    Label2->setPalette(palette);
    SetTextColours(Label3, colour);
    MSChart1->setTitle(hot ? " Most common (hot) numbers " : " Least common (cold) numbers ");
    Label5->setText(hot ? kHotText : kColdText);
    if (List1->currentRow() >= 0)
        List1_Click();
    else
        ShowAnalysis();
}
