#include "platform/ui/Chart.h"
#include "platform/Text.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QResizeEvent>
#include <QSet>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

Chart::Chart(QWidget* parent) : QWidget(parent), view_(new QChartView(this))
{
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    QChart* c = view_->chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(2, 2, 2, 2));
    // A label is drawn whole; labels that would crowd one another are thinned
    // out instead.
    connect(c, &QChart::plotAreaChanged, this, [this](const QRectF& plot) {
        inset_ = view_->width() - plot.width();
        if (labelStep() != shownStep_)
            applyCategories();
    });
    QFont titleFont = c->titleFont();
    titleFont.setBold(true);
    c->setTitleFont(titleFont);
    values_ = {QVector<double>(1, 0.0)};
    rowLabels_ = {QString()};
    columnLabels_ = {QString()};
    brushes_ = {QBrush()};
    designBrushes_ = {DesignBrush{}};
    rebuild();
}

QChart* Chart::chart() const
{
    const_cast<Chart*>(this)->build();
    applyNewLabels();
    return view_->chart();
}

QChartView* Chart::view() const
{
    const_cast<Chart*>(this)->build();
    return view_;
}

// Labels are set one row at a time, and laying the axis out takes every
// label: new labels are laid out together, once the window's events run or
// the chart is looked at or painted.
void Chart::labelsChanged()
{
    if (labelsPending_)
        return;
    labelsPending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { applyNewLabels(); }, Qt::QueuedConnection);
}

void Chart::applyNewLabels() const
{
    if (!labelsPending_)
        return;
    const_cast<Chart*>(this)->applyCategories();
}

bool Chart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::Resize) {
        // The chart is about to be laid out at its new size: what it shows,
        // and which row labels fit, are settled first, so that it is laid
        // out once.
        const int width = static_cast<QResizeEvent*>(event)->size().width();
        if (stale_ || labelsPending_ || labelStep(width - plotInset()) != shownStep_) {
            stale_ = true;
            build(width);
        }
    } else if (watched == view_->viewport() && event->type() == QEvent::Paint) {
        if (stale_) {
            build();
            view_->chart()->layout()->activate();
        }
        applyNewLabels();
    }
    return QWidget::eventFilter(watched, event);
}

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
    designBrushes_.resize(columns);
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

void Chart::setData(const QString& text) { setData(Val(text)); }

void Chart::setValue(int row, int column, double value)
{
    if (!inRange(row, column))
        return;
    values_[row - 1][column - 1] = value;
    if (stale_)
        return; // the chart is made again from the table
    const auto series = view_->chart()->series();
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
    labelsChanged();
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
    view_->chart()->legend()->setVisible(visible);
}

void Chart::setTitle(const QString& title)
{
    title_ = title;
    view_->chart()->setTitle(title.trimmed());
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

void Chart::setSeriesBrush(int column, int style, const QColor& pattern, const QColor& fill)
{
    if (column < 1 || column > columns_)
        return;
    designBrushes_[column - 1] = {style, pattern, fill};
    QBrush brush;
    if (style == BrushSolid) {
        brush = QBrush(fill);
    } else if (style == BrushPattern) {
        // The pattern colour fills the bar and the fill colour edges it: a
        // shading across every bar costs more to draw than the window can
        // afford when it opens.
        brush = QBrush(pattern);
    }
    setSeriesBrush(column, brush);
}

int Chart::seriesBrushStyle(int column) const
{
    return column >= 1 && column <= columns_ ? designBrushes_[column - 1].style : BrushNull;
}

QColor Chart::seriesPatternColour(int column) const
{
    return column >= 1 && column <= columns_ ? designBrushes_[column - 1].pattern : QColor();
}

QColor Chart::seriesFillColour(int column) const
{
    return column >= 1 && column <= columns_ ? designBrushes_[column - 1].fill : QColor();
}

void Chart::setHeightTwips(int twips)
{
    heightTwips_ = std::max(twips, 0);
    updateGeometry();
}

QSize Chart::sizeHint() const
{
    QSize size = QWidget::sizeHint();
    if (heightTwips_ > 0)
        size.setHeight(heightTwips_ * logicalDpiY() / 1440);
    return size;
}

// How many rows one shown label stands for: enough that the labels keep a
// little space between them across the plot's width.
int Chart::labelStep(double plotWidth) const
{
    const QFontMetrics metrics(axisLabelFont());
    int widest = 0;
    for (const QString& label : rowLabels_)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    if (widest == 0)
        return 1;
    const double perRow = std::max(plotWidth, 1.0) / rowCount();
    return std::max(1, int(std::ceil((widest + 2 * metrics.averageCharWidth()) / perRow)));
}

// The plot's width once the chart is laid out; before, the view's less what
// the value axis and the margins take.
int Chart::labelStep() const
{
    const double plot = view_->chart()->plotArea().width();
    return labelStep(plot > 0 ? plot : view_->width() - plotInset());
}

// What the value axis and the margins take of the view's width: as the last
// layout found it, else the value axis's widest mark and its tick.
double Chart::plotInset() const
{
    if (inset_ >= 0)
        return inset_;
    const QFontMetrics metrics(axisLabelFont());
    double low = low_, high = high_;
    if (low_ >= high_) {
        low = high = 0;
        for (const auto& row : values_)
            for (double v : row) {
                low = std::min(low, std::floor(v));
                high = std::max(high, std::ceil(v));
            }
    }
    int widest = 0;
    for (double v : {low, high})
        widest = std::max(widest, metrics.horizontalAdvance(QString::asprintf("%g", v)));
    return widest + 5 * metrics.averageCharWidth();
}

QFont Chart::axisLabelFont() const
{
    QFont labels = font();
    labels.setPointSizeF(labels.pointSizeF() * 0.75);
    return labels;
}

QStringList Chart::shownRowLabels() const
{
    applyNewLabels();
    QStringList shown;
    for (int r = 0; r < rowCount(); ++r)
        shown << (r % shownStep_ == 0 ? rowLabels_[r] : QString());
    return shown;
}

void Chart::applyCategories()
{
    if (stale_) {
        labelsPending_ = false;
        return; // the categories come with the chart made again
    }
    labelsPending_ = false;
    shownStep_ = labelStep();
    const auto axes = view_->chart()->axes(Qt::Horizontal);
    if (auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first()))
        axis->setCategories(categories());
    else
        rebuild();
}

void Chart::setValueRange(double low, double high)
{
    low_ = low;
    high_ = high;
    refreshValues();
}

// Category labels must be non-empty and differ from one another: empty
// labels get a short run of invisible zero-width characters, each run
// different (the count of empty labels before, written in four such
// characters), and a repeated label gets zero-width spaces added. Every label
// is measured and laid out as text, so the runs are kept short.
QStringList Chart::categories() const
{
    static constexpr char16_t kInvisible[] = {0x200B, 0x200C, 0x200D, 0x2060};
    QStringList result;
    QSet<QString> taken;
    int empty = 0;
    for (const QString& label : shownRowLabels()) {
        QString unique = label;
        if (unique.isEmpty()) {
            int n = empty++;
            do {
                unique.prepend(QChar(kInvisible[n % 4]));
                n /= 4;
            } while (n > 0);
        }
        while (taken.contains(unique))
            unique += QChar(0x200B);
        taken.insert(unique);
        result << unique;
    }
    return result;
}

// Most changes come in groups while a window fills its charts: the chart is
// made again once, when it is next shown, painted or looked at.
void Chart::rebuild()
{
    if (stale_)
        return;
    stale_ = true;
    // A hidden chart waits: showing it resizes or paints it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (view_->isVisible())
                build();
        },
        Qt::QueuedConnection);
}

void Chart::build(int viewWidth)
{
    if (!stale_)
        return;
    stale_ = false;
    QChart* c = view_->chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        // Hidden first: the labels of an axis never laid out (a chart filled
        // before its window showed) would otherwise stay on screen.
        axis->setVisible(false);
        c->removeAxis(axis);
        delete axis;
    }

    auto* rowsAxis = new QBarCategoryAxis;
    auto* valueAxis = new QValueAxis;
    valueAxis->setLabelFormat("%g");
    const QFont labelFont = axisLabelFont();
    rowsAxis->setTruncateLabels(false);
    rowsAxis->setLabelsFont(labelFont);
    valueAxis->setLabelsFont(labelFont);
    shownStep_ = viewWidth > 0 ? labelStep(viewWidth - plotInset()) : labelStep();
    labelsPending_ = false;
    rowsAxis->append(categories());
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
                const bool pattern = designBrushes_[col].style == BrushPattern;
                set->setBorderColor(pattern ? seriesColour(col) : seriesColour(col).darker(130));
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
                QPen pen(seriesColour(col));
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

QColor Chart::seriesColour(int col) const
{
    const DesignBrush& design = designBrushes_[col];
    if (design.style != BrushNull && design.fill.isValid())
        return design.fill;
    return brushes_[col].color();
}

void Chart::refreshValues()
{
    const auto axes = view_->chart()->axes(Qt::Vertical);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
    if (!axis)
        return;
    if (low_ < high_) {
        axis->setTickType(QValueAxis::TicksFixed);
        axis->setRange(low_, high_);
        return;
    }
    double low = 0, high = 0;
    bool whole = true;
    for (const auto& row : values_)
        for (double v : row) {
            low = std::min(low, v);
            high = std::max(high, v);
            whole = whole && v == std::floor(v);
        }
    if (!whole) {
        if (low == high)
            high = low + 1;
        axis->setTickType(QValueAxis::TicksFixed);
        axis->setRange(low, high);
        axis->applyNiceNumbers();
        return;
    }
    // Counts: marks at whole numbers, about five of them, at 1, 2 or 5 times a
    // power of ten apart.
    const double span = std::max(high - low, 1.0);
    double step = 1;
    for (double power = 1; step * 5 < span; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            step = factor * power;
            if (step * 5 >= span)
                break;
        }
    }
    // A mark above the tallest bar, so that no bar touches the frame.
    low = low < 0 ? -(std::floor(-low / step) + 1) * step : 0;
    high = (std::floor(high / step) + 1) * step;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setRange(low, high);
}
