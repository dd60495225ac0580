// The chart control: cells chosen by row and column, labels, series.

#include "platform/ui/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <QCoreApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(Chart, CellsLabelsAndGrowth)
{
    Chart chart;
    EXPECT_EQ(chart.rowCount(), 1);
    chart.setRowCount(3);
    chart.setColumnCount(2);
    chart.setRow(2);
    chart.setColumn(2);
    chart.setData(7);
    chart.setRowLabel("R2");
    EXPECT_EQ(chart.value(2, 2), 7);
    EXPECT_EQ(chart.data(), 7);
    EXPECT_EQ(chart.rowLabel(2), "R2");
    // Out-of-range choices are clamped, out-of-range cells ignored.
    chart.setRow(9);
    EXPECT_EQ(chart.row(), 3);
    chart.setValue(4, 1, 5);
    EXPECT_EQ(chart.value(4, 1), 0);
    // Growing keeps what was there; shrinking drops the rows after.
    chart.setRowCount(50);
    EXPECT_EQ(chart.value(2, 2), 7);
    EXPECT_EQ(chart.rowLabel(50), "");
    chart.setRowCount(1);
    EXPECT_EQ(chart.row(), 1);
    EXPECT_EQ(chart.value(2, 2), 0);
}

TEST(Chart, SeriesFollowTheTable)
{
    Chart chart;
    chart.setRowCount(4);
    chart.setColumnCount(2);
    for (int r = 1; r <= 4; ++r) {
        chart.setRow(r);
        chart.setColumn(1);
        chart.setData(r);
        chart.setColumn(2);
        chart.setData(-r);
        chart.setRowLabel(""); // repeated empty labels are allowed
    }
    chart.setSeriesBrush(1, QColor(128, 0, 0));
    chart.setTitle(" Odd and even ");
    EXPECT_EQ(chart.title(), " Odd and even ");
    auto* bars = qobject_cast<QBarSeries*>(chart.chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->barSets().size(), 2);
    EXPECT_EQ(bars->barSets()[0]->at(3), 4);
    EXPECT_EQ(bars->barSets()[1]->at(2), -3);
    EXPECT_EQ(bars->barSets()[0]->brush().color(), QColor(128, 0, 0));
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->count(), 4);

    chart.setChartType(Chart::Lines);
    ASSERT_EQ(chart.chart()->series().size(), 2);
    auto* line = qobject_cast<QLineSeries*>(chart.chart()->series()[1]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->at(1).y(), -2);
    chart.setRow(2);
    chart.setColumn(2);
    chart.setData(9);
    EXPECT_EQ(line->at(1).y(), 9);
}

TEST(Chart, DesignBrushesHeightsAndTextValues)
{
    Chart chart;
    chart.setRowCount(3);
    chart.setRow(2);
    chart.setData(QString("12"));
    EXPECT_EQ(chart.value(2, 1), 12);
    chart.setData(QString("x"));
    EXPECT_EQ(chart.value(2, 1), 0);

    chart.setSeriesBrush(1, Chart::BrushPattern, QColor(255, 0, 0), QColor(128, 0, 0));
    EXPECT_EQ(chart.seriesBrushStyle(1), Chart::BrushPattern);
    EXPECT_EQ(chart.seriesPatternColour(1), QColor(255, 0, 0));
    EXPECT_EQ(chart.seriesFillColour(1), QColor(128, 0, 0));
    auto* bars = qobject_cast<QBarSeries*>(chart.chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->barSets()[0]->brush().color(), QColor(255, 0, 0));
    EXPECT_EQ(bars->barSets()[0]->borderColor(), QColor(128, 0, 0));

    chart.setHeightTwips(7000);
    EXPECT_EQ(chart.sizeHint().height(), 7000 * chart.logicalDpiY() / 1440);
}

TEST(Chart, CountsGetWholeMarksAndNegativeValuesShow)
{
    Chart chart;
    chart.setRowCount(3);
    chart.setValue(1, 1, 3);
    chart.setValue(2, 1, 17);
    auto* axis = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->tickType(), QValueAxis::TicksDynamic);
    EXPECT_EQ(axis->tickInterval(), 5);
    EXPECT_EQ(axis->min(), 0);
    EXPECT_EQ(axis->max(), 20);
    // Nothing but zeros still makes an axis.
    chart.setValue(1, 1, 0);
    chart.setValue(2, 1, 0);
    EXPECT_EQ(axis->max(), 1);
    // Below zero, in bars and lines.
    chart.setValue(3, 1, -4.5);
    EXPECT_LT(axis->min(), -4.5 + 1e-9);
    chart.setChartType(Chart::Lines);
    axis = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_LE(axis->min(), -4.5);
    chart.setValueRange(-10, 10);
    EXPECT_EQ(axis->min(), -10);
    EXPECT_EQ(axis->max(), 10);
}

TEST(Chart, CrowdedRowLabelsAreThinnedOnScreen)
{
    Chart chart;
    chart.setRowCount(50);
    for (int r = 1; r <= 50; ++r)
        chart.setRowLabel(r, "R" + QString::number(r));
    chart.resize(1800, 300);
    chart.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.shownRowLabels()[1], "R2"); // room for all
    chart.resize(300, 300);
    QCoreApplication::processEvents();
    const QStringList shown = chart.shownRowLabels();
    EXPECT_EQ(shown[0], "R1");
    EXPECT_EQ(shown[1], ""); // thinned out on screen
    EXPECT_EQ(chart.rowLabel(2), "R2");
    // The shown labels keep room between them.
    int step = 1;
    while (shown[step].isEmpty())
        ++step;
    QFont font = chart.font();
    font.setPointSizeF(font.pointSizeF() * 0.75);
    EXPECT_GT(step * chart.chart()->plotArea().width() / 50, QFontMetrics(font).horizontalAdvance("R50"));
    auto* axis = chart.chart()->axes(Qt::Horizontal).value(0);
    ASSERT_NE(axis, nullptr);
    EXPECT_FALSE(axis->labelsTruncated());
}

// Labelling every row of a shown chart lays its axis out once, not once per
// label; the labels are all there when the chart is looked at.
TEST(Chart, RowLabelsAreLaidOutTogether)
{
    Chart chart;
    chart.setRowCount(49);
    chart.resize(900, 300);
    chart.show();
    QCoreApplication::processEvents();
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(axis, nullptr);
    int layouts = 0;
    QObject::connect(axis, &QBarCategoryAxis::categoriesChanged, [&layouts] { ++layouts; });
    for (int r = 1; r <= 49; ++r)
        chart.setRowLabel(r, QString::number(r));
    QCoreApplication::processEvents();
    EXPECT_LE(layouts, 1);
    EXPECT_EQ(axis->categories().value(0), "1");
}
