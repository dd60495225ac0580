// The chart control: cells chosen by row and column, labels, series.

#include "platform/ui/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
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
