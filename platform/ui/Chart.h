#pragma once
// A small chart control: a table of rows by series (columns) drawn as bars or
// lines, driven the way the windows drive it: choose the row (and the column
// when there are several series), then give the value.
//
//   chart->setRowCount(4);
//   chart->setRow(1); chart->setRowLabel("Intellectual"); chart->setData(1.9);
//
// Rows and columns count from 1. A new chart has one row and one series, no
// title and no labels; values start at 0. The value axis fits the data unless
// a fixed range is set; when every value is a whole number its marks are
// whole numbers too. Row labels that would crowd one another are thinned out
// on screen (every second, third, ... shown), never clipped; rowLabel() still
// gives every label.

#include <QBrush>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QChart;
class QChartView;

class Chart : public QWidget {
    Q_OBJECT
public:
    enum Type { Bars, Lines };

    explicit Chart(QWidget* parent = nullptr);

    void setChartType(Type type);
    Type chartType() const { return type_; }

    // Rows keep their values and labels when the count grows; new rows are 0
    // with an empty label.
    void setRowCount(int rows);
    int rowCount() const { return int(values_.size()); }
    void setColumnCount(int columns);
    int columnCount() const { return columns_; }

    // The current cell. Out-of-range choices are clamped into the table.
    void setRow(int row);
    int row() const { return row_; }
    void setColumn(int column);
    int column() const { return column_; }

    // The value of the current cell.
    void setData(double value);
    // The value as text, as the windows hand it over ("12"): its leading
    // number, 0 when it has none.
    void setData(const QString& text);
    double data() const { return value(row_, column_); }
    // Any cell directly.
    void setValue(int row, int column, double value);
    double value(int row, int column) const;

    // The label of the current row, or of any row.
    void setRowLabel(const QString& label) { setRowLabel(row_, label); }
    void setRowLabel(int row, const QString& label);
    QString rowLabel(int row) const;
    QString rowLabel() const { return rowLabel(row_); }

    // Series names (shown in the legend when it is visible).
    void setColumnLabel(int column, const QString& label);
    QString columnLabel(int column) const;
    void setLegendVisible(bool visible);

    void setTitle(const QString& title);
    QString title() const { return title_; }

    // The brush of every data point of a series.
    void setSeriesBrush(int column, const QBrush& brush);
    QBrush seriesBrush(int column) const;
    // A series brush by style number, as the windows set it: style 1 solid in the fill
    // colour, style 2 a pattern, drawn as bars of the pattern colour edged in
    // the fill colour.
    enum BrushStyle { BrushNull = 0, BrushSolid = 1, BrushPattern = 2 };
    void setSeriesBrush(int column, int style, const QColor& pattern, const QColor& fill);
    int seriesBrushStyle(int column) const;
    QColor seriesPatternColour(int column) const;
    QColor seriesFillColour(int column) const;

    // The height the chart asks of its window's layout, in twips (1440 an
    // inch): the heights the windows give their charts. 0 leaves it to the layout.
    void setHeightTwips(int twips);
    int heightTwips() const { return heightTwips_; }
    QSize sizeHint() const override;

    // The row labels shown on screen: every label when they fit, else every
    // n-th, the others blank.
    QStringList shownRowLabels() const;

    // A fixed value axis from low to high; an empty range (low >= high) fits
    // the data again.
    void setValueRange(double low, double high);

    QChart* chart() const;
    QChartView* view() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void labelsChanged();
    void applyNewLabels() const;
    void rebuild();
    void build(int viewWidth = 0);
    int labelStep() const;
    int labelStep(double plotWidth) const;
    double plotInset() const;
    QColor seriesColour(int col) const;
    QFont axisLabelFont() const;
    void applyCategories();
    QStringList categories() const;
    void refreshValues();
    bool inRange(int row, int column) const;

    QChartView* view_;
    Type type_ = Bars;
    int columns_ = 1;
    int row_ = 1;
    int column_ = 1;
    QVector<QVector<double>> values_; // [row - 1][column - 1]
    QStringList rowLabels_;
    QStringList columnLabels_;
    QVector<QBrush> brushes_;
    struct DesignBrush {
        int style = BrushNull;
        QColor pattern;
        QColor fill;
    };
    QVector<DesignBrush> designBrushes_;
    int heightTwips_ = 0;
    int shownStep_ = 1;
    mutable bool labelsPending_ = false;
    bool stale_ = false; // the chart shown is behind the table
    double inset_ = -1;  // the view's width less the plot's, once laid out
    QString title_;
    double low_ = 0;
    double high_ = 0;
    bool legend_ = false;
};
