#include "analysis/ui/Biorhythm.h"

#include "analysis/BiorhythmCharts.h"
#include "core/Biorhythm.h"
#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "platform/Dates.h"
#include "platform/ui/Chart.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "printing/ui/PrintReports.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

Chart* DayChart(QWidget* parent, const QString& name, const QStringList& series, const QList<QColor>& colours)
{
    auto* chart = new Chart(parent);
    chart->setObjectName(name);
    chart->setChartType(Chart::Lines);
    chart->setColumnCount(int(series.size()));
    for (int c = 1; c <= int(series.size()); ++c) {
        chart->setColumnLabel(c, series[c - 1]);
        chart->setSeriesBrush(c, Chart::BrushSolid, colours[c - 1], colours[c - 1]);
    }
    chart->setLegendVisible(true);
    chart->setValueRange(-10, 10);
    chart->setMinimumHeight(230);
    return chart;
}

// Rows 1 to 28 of a day-by-day chart.
void ShowDays(Chart* chart, const BiorhythmRows& rows, const QDate& today)
{
    for (int r = 1; r <= int(rows.size()); ++r) {
        chart->setRow(r);
        chart->setRowLabel(DayRowLabel(today, r));
        for (int c = 1; c <= int(rows[r - 1].size()); ++c) {
            chart->setColumn(c);
            chart->setData(rows[r - 1][c - 1]);
        }
    }
}

} // namespace

Biorhythm::Biorhythm(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("Biorhythm");
    setWindowTitle("Biorhythm");

    Label5 = NamedLabel(this, "Label5", "Biorhythms");
    MakeTitle(Label5);
    Label6 = NamedLabel(this, "Label6",
                        "The body and mind operate according to a series of regular cycles. These affect how you feel "
                        "and function. The charts show these cycles for the past week and next two weeks. The Biochart "
                        "shows how lucky you are - derived from the combined intellectual, emotional and intuition "
                        "cycles.");
    Label6->setWordWrap(true);
    Label4 = NamedLabel(this, "Label4", "Day you were born:");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    Command1 = NamedButton(this, "Command1", "Update");
    MSChart1 = DayChart(this, "MSChart1", {"Physical", "Intellectual", "Emotional", "Average"},
                        {QColor(200, 30, 30), QColor(30, 90, 210), QColor(20, 150, 60), QColor(120, 120, 120)});
    MSChart2 = DayChart(this, "MSChart2", {"Spiritual", "Aesthetic", "Awareness", "Intuition"},
                        {QColor(150, 60, 200), QColor(230, 130, 0), QColor(0, 150, 160), QColor(200, 40, 140)});
    Label1 = NamedLabel(this, "Label1", QString());
    Label2 = NamedLabel(this, "Label2", QString());
    Label3 = NamedLabel(this, "Label3", QString());
    Label7 = NamedLabel(this, "Label7", "     Biochart:");
    QFont bold = Label7->font();
    bold.setBold(true);
    Label7->setFont(bold);
    Label2->setFont(bold);
    MSChart3 = new Chart(this);
    MSChart3->setObjectName("MSChart3");
    MSChart3->setRowCount(4);
    const char* rows[] = {"Intellectual", "Emotional", "Intuition", "Luck"};
    for (int r = 0; r < 4; ++r)
        MSChart3->setRowLabel(r + 1, rows[r]);
    MSChart3->setValueRange(-10, 10);
    MSChart3->setSeriesBrush(1, Chart::BrushPattern, QColor(90, 160, 240), QColor(30, 80, 170));
    MSChart3->setMinimumSize(260, 220);
    Option1[0] = new QRadioButton("Today", this);
    Option1[0]->setObjectName("Option1_0");
    Option1[0]->setChecked(true);
    Option1[1] = new QRadioButton("Tomorrow", this);
    Option1[1]->setObjectName("Option1_1");
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_CustomBase, "Print", " Print form ", "document-print");
    Command2 = NamedPictureButton(this, "Command2", QStyle::SP_DialogCloseButton, "Close", " Close ");

    // The birth date, the Biochart and the explanation on the left; the two
    // day-by-day charts with their date marks on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(Label5);
    left->addWidget(Label6);
    left->addSpacing(8);
    left->addWidget(Label4);
    left->addWidget(DTPicker1);
    left->addWidget(Command1, 0, Qt::AlignLeft);
    left->addSpacing(8);
    left->addWidget(Label7);
    auto* days = new QHBoxLayout;
    days->addWidget(Option1[0]);
    days->addWidget(Option1[1]);
    days->addStretch(1);
    left->addLayout(days);
    left->addWidget(MSChart3, 1);
    // The three marks share one row: the first day at the left, the last at
    // the right, today's indented to stand under today's point
    // (placeTodayMark).
    auto* marks = new QGridLayout;
    marks->addWidget(Label1, 0, 0, Qt::AlignLeft);
    marks->addWidget(Label2, 0, 0, Qt::AlignLeft);
    marks->addWidget(Label3, 0, 0, Qt::AlignRight);
    auto* right = new QVBoxLayout;
    right->addWidget(MSChart1, 1);
    right->addWidget(MSChart2, 1);
    right->addLayout(marks);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command6);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(1140, 720);

    // Queued: the chart maps its points anew only after it tells of its new
    // plot area.
    connect(MSChart1->chart(), &QChart::plotAreaChanged, this, &Biorhythm::placeTodayMark, Qt::QueuedConnection);
    connect(Command1, &QPushButton::clicked, this, &Biorhythm::Command1_Click);
    connect(Command6, &QPushButton::clicked, this, &Biorhythm::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &Biorhythm::Command2_Click);
    for (int i = 0; i < 2; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
}

void Biorhythm::placeTodayMark()
{
    QChart* chart = MSChart1->chart();
    const auto series = chart->series();
    if (series.isEmpty())
        return;
    // Today's point, from the chart's scene to the left edge of the chart,
    // which is also the left edge of the row of marks.
    const QPointF point = chart->mapToScene(chart->mapToPosition(QPointF(kBiorhythmToday - 1, 0), series.first()));
    const int x = MSChart1->view()->mapTo(MSChart1, MSChart1->view()->mapFromScene(point)).x();
    const int half = Label2->fontMetrics().horizontalAdvance(Label2->text()) / 2;
    Label2->setContentsMargins(std::max(0, x - half), 0, 0, 0);
}

void Biorhythm::Skinning()
{
    ::Skinning(this, SkinFamily::Analyse,
               {.title = {Label5}, .body = {Label6}, .label = {Label4, Label7}, .other = {Label1, Label3}});
}

void Biorhythm::Form_Load()
{
    Skinning();
    MSChart1->setRowCount(kBiorhythmDays);
    MSChart2->setRowCount(kBiorhythmDays);
    const QDate today = Today();
    Label1->setText(DayAndMonth(today.addDays(-7)));
    Label2->setText(QString::number(today.day()));
    placeTodayMark();
    Label3->setText(DayAndMonth(today.addDays(20)));
    // A birth date the picker cannot show (before 1900, after 2100) is kept
    // as read: the picker shows none and the charts use the stored date.
    const QDate stored = StoredBirthDate(Settings[BirthDate]);
    if (DTPicker1->canShow(stored))
        DTPicker1->setValue(stored);
    else
        DTPicker1->setNoValue();
    Command1_Click();
}

void Biorhythm::Command1_Click()
{
    const QDate birth = BirthDateToChart(DTPicker1->Value(), Settings[BirthDate]);
    const QDate today = Today();
    const int firstDay = BiorhythmDay(birth, today, false) - (kBiorhythmToday - 1);
    ShowDays(MSChart1, DayByDayChart(firstDay, {kBodyCycles.begin(), kBodyCycles.end()}, true), today);
    ShowDays(MSChart2, DayByDayChart(firstDay, {kSpiritCycles.begin(), kSpiritCycles.end()}, false), today);

    const auto values = BiochartValues(BiorhythmDay(birth, today, Option1[1]->isChecked()));
    for (int r = 1; r <= 4; ++r) {
        MSChart3->setRow(r);
        MSChart3->setData(values[r - 1]);
    }
    // A stored date the picker cannot show stays as read until one is picked.
    if (DTPicker1->Value().isValid())
        Settings.set(BirthDate, BirthDateText(birth));
}

void Biorhythm::Option1_Click(int index)
{
    Q_UNUSED(index);
    Command1_Click();
}

void Biorhythm::Command6_Click() { PrintWindowImage(this); }

void Biorhythm::Command2_Click() { done(QDialog::Rejected); }
