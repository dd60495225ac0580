#include "generators/ui/PAverage.h"

#include "core/OpenLottery.h"
#include "generators/AverageNumbers.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "platform/ui/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
GeneratorFrameOptions Options()
{
    GeneratorFrameOptions o;
    o.name = "PAverage";
    o.caption = "Average Numbers";
    o.gridRows = 33;
    o.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.filtersHeading = "Filters   ";
    o.saveTip = "Save the lottery entries to disk";
    o.helpButtons = {"Command3", "Command4"};
    o.decimals = 2;
    o.untickOnChoice = true;
    return o;
}
} // namespace

PAverage::PAverage(QWidget* parent) : GeneratorFrame(Options(), parent)
{
    Label7->setText("Average numbers");
    Label2->setText("The average value of each draw number is calculated (1st number, 2nd, 3rd and so on). Lottery "
                    "entries are picked that have numbers the same as or very close to the average. Most lottery "
                    "draw results are close to the average, so you might have a better chance of winning.");
    Label9 = NamedLabel(this, "Label9", "Lines:");
    HScroll1 = NamedScrollBar(this, "HScroll1", 1, 30, 5);
    Label8 = NamedLabel(this, "Label8", "5");
    Label8->setMinimumWidth(Label8->fontMetrics().horizontalAdvance("00"));
    auto* row = new QHBoxLayout;
    row->addWidget(Label9);
    row->addWidget(HScroll1, 1);
    row->addWidget(Label8);
    methodBox()->addLayout(row);
    connect(HScroll1, &QScrollBar::valueChanged, this, &PAverage::HScroll1_Change);
}

void PAverage::HScroll1_Change() { Label8->setText(QString::number(HScroll1->value())); }

void PAverage::PrepareLottery()
{
    SortDraws(BallsDrawn);
    Analyse();
}

void PAverage::Analyse() { averages_ = DrawAverages(BallsDrawn); }

QString PAverage::OwnServingProblem() const
{
    if (averages_.empty())
        return "This lottery has no draws yet to take the averages of.";
    return QString();
}

void PAverage::PlayLotto() { AverageLines(averages_, HScroll1->value()); }

std::function<bool()> PAverage::OwnTest()
{
    return [] { return CheckDuplicate(BallsDrawn); };
}

void PAverage::AfterRetryLoop()
{
    MendRepeatedNumbers(averages_);
    SortEntries(BallsDrawn);
    RemoveDuplicates();
}

SkinLabels PAverage::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1, Label9}, .other = {Label5}};
}
