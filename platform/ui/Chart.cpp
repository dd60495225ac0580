#include "platform/ui/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

Chart::Chart(QWidget* parent) : QWidget(parent), view_(new QChartView(this))
{
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    QChart* c = view_->chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(2, 2, 2, 2));
    QFont titleFont = c->titleFont();
    titleFont.setBold(true);
    c->setTitleFont(titleFont);
    values_ = {QVector<double>(1, 0.0)};
    rowLabels_ = {QString()};
    columnLabels_ = {QString()};
    brushes_ = {QBrush()};
    rebuild();
}

QChart* Chart::chart() const { return view_->chart(); }

void Chart::setChartType(Type type)
{
    if (type_ == type)
        return;
    type_ = type;
    rebuild();
}

void Chart::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows == rowCount())
        return;
    values_.resize(rows, QVector<double>(columns_, 0.0));
    while (rowLabels_.size() < rows)
        rowLabels_ << QString();
    while (rowLabels_.size() > rows)
        rowLabels_.removeLast();
    row_ = std::min(row_, rows);
    rebuild();
}

void Chart::setColumnCount(int columns)
{
    columns = std::max(columns, 1);
    if (columns == columns_)
        return;
    columns_ = columns;
    for (auto& row : values_)
        row.resize(columns, 0.0);
    while (columnLabels_.size() < columns)
        columnLabels_ << QString();
    brushes_.resize(columns);
    column_ = std::min(column_, columns);
    rebuild();
}

void Chart::setRow(int row) { row_ = std::clamp(row, 1, rowCount()); }

void Chart::setColumn(int column) { column_ = std::clamp(column, 1, columns_); }

bool Chart::inRange(int row, int column) const
{
    return row >= 1 && row <= rowCount() && column >= 1 && column <= columns_;
}

void Chart::setData(double value) { setValue(row_, column_, value); }

void Chart::setValue(int row, int column, double value)
{
    if (!inRange(row, column))
        return;
    values_[row - 1][column - 1] = value;
    const auto series = chart()->series();
    if (type_ == Bars) {
        if (auto* bars = qobject_cast<QBarSeries*>(series.value(0)))
            if (QBarSet* set = bars->barSets().value(column - 1))
                set->replace(row - 1, value);
    } else if (auto* line = qobject_cast<QLineSeries*>(series.value(column - 1))) {
        line->replace(row - 1, QPointF(row - 1, value));
    }
    refreshValues();
}

double Chart::value(int row, int column) const { return inRange(row, column) ? values_[row - 1][column - 1] : 0.0; }

void Chart::setRowLabel(int row, const QString& label)
{
    if (row < 1 || row > rowCount() || rowLabels_[row - 1] == label)
        return;
    rowLabels_[row - 1] = label;
    const auto axes = chart()->axes(Qt::Horizontal);
    if (auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first()))
        axis->setCategories(categories());
    else
        rebuild();
}

QString Chart::rowLabel(int row) const { return row >= 1 && row <= rowCount() ? rowLabels_[row - 1] : QString(); }

void Chart::setColumnLabel(int column, const QString& label)
{
    if (column < 1 || column > columns_)
        return;
    columnLabels_[column - 1] = label;
    rebuild();
}

QString Chart::columnLabel(int column) const
{
    return column >= 1 && column <= columns_ ? columnLabels_[column - 1] : QString();
}

void Chart::setLegendVisible(bool visible)
{
    legend_ = visible;
    chart()->legend()->setVisible(visible);
}

void Chart::setTitle(const QString& title)
{
    title_ = title;
    chart()->setTitle(title.trimmed());
}

void Chart::setSeriesBrush(int column, const QBrush& brush)
{
    if (column < 1 || column > columns_)
        return;
    brushes_[column - 1] = brush;
    rebuild();
}

QBrush Chart::seriesBrush(int column) const
{
    return column >= 1 && column <= columns_ ? brushes_[column - 1] : QBrush();
}

void Chart::setValueRange(double low, double high)
{
    low_ = low;
    high_ = high;
    refreshValues();
}

// Category labels must be non-empty and differ from one another: empty and
// repeated labels get invisible zero-width marks.
QStringList Chart::categories() const
{
    QStringList result;
    for (const QString& label : rowLabels_) {
        QString unique = label.isEmpty() ? QString(QChar(0x200B)) : label;
        while (result.contains(unique))
            unique += QChar(0x200B);
        result << unique;
    }
    return result;
}

void Chart::rebuild()
{
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis), delete axis;

    auto* rowsAxis = new QBarCategoryAxis;
    rowsAxis->append(categories());
    auto* valueAxis = new QValueAxis;
    valueAxis->setLabelFormat("%g");
    QFont labelFont = font();
    labelFont.setPointSizeF(labelFont.pointSizeF() * 0.75);
    rowsAxis->setLabelsFont(labelFont);
    valueAxis->setLabelsFont(labelFont);
    c->addAxis(rowsAxis, Qt::AlignBottom);
    c->addAxis(valueAxis, Qt::AlignLeft);

    if (type_ == Bars) {
        auto* bars = new QBarSeries;
        for (int col = 0; col < columns_; ++col) {
            auto* set = new QBarSet(columnLabels_[col]);
            for (const auto& row : values_)
                *set << row[col];
            if (brushes_[col].style() != Qt::NoBrush) {
                set->setBrush(brushes_[col]);
                set->setBorderColor(brushes_[col].color().darker(130));
            }
            bars->append(set);
        }
        c->addSeries(bars);
        bars->attachAxis(rowsAxis);
        bars->attachAxis(valueAxis);
    } else {
        for (int col = 0; col < columns_; ++col) {
            auto* line = new QLineSeries;
            line->setName(columnLabels_[col]);
            for (int r = 0; r < rowCount(); ++r)
                line->append(r, values_[r][col]);
            c->addSeries(line);
            if (brushes_[col].style() != Qt::NoBrush) {
                QPen pen(brushes_[col].color());
                pen.setWidth(2);
                line->setPen(pen);
            }
            line->attachAxis(rowsAxis);
            line->attachAxis(valueAxis);
        }
    }
    c->legend()->setVisible(legend_);
    refreshValues();
}

void Chart::refreshValues()
{
    const auto axes = chart()->axes(Qt::Vertical);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
    if (!axis)
        return;
    if (low_ < high_) {
        axis->setRange(low_, high_);
        return;
    }
    double low = 0, high = 0;
    for (const auto& row : values_)
        for (double v : row) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (low == high)
        high = low + 1;
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}
