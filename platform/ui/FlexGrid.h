#pragma once
// The grid control of the results and editing tables.
//
// Cells are addressed (row, column) from 0, counting the fixed (heading) rows
// and columns: with one fixed row and one fixed column, TextMatrix(0, c) is
// the heading of column c and TextMatrix(r, 0) the label of row r. Fixed cells
// are drawn as header sections (they stay in view while the grid scrolls, and
// cannot be selected or made current by a click), but they are read and
// written like any other cell. At most one fixed row and one fixed column.
//
// The grid has a current cell (Row, Col) that the program moves freely, fixed
// cells included, and a selection that runs from the current cell to (RowSel,
// ColSel). Moving the current cell shrinks the selection to it; setting RowSel
// or ColSel afterwards extends it. A selection of more than one cell is shown
// highlighted (its non-fixed cells); the current cell alone is not.
//
// The keyboard: the arrow keys (and Page Up, Page Down, Home, End) move the
// current cell; Tab and Shift+Tab, with or without Ctrl, move to the next or
// previous control of the window.
//
// Widths are in pixels. Moving the current cell never scrolls the grid: the
// program scrolls with setTopRow. Indices out of range are ignored: reads give
// an empty text, writes do nothing.
//
// Column texts shown in a window are set through TextMatrix and friends; the
// QTableWidget row and column counts and items are the grid's own (they do not
// include the fixed row and column) and should not be used by windows.

#include <QColor>
#include <QStringList>
#include <QTableWidget>
#include <cstdint>
#include <vector>

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // Size, fixed rows and columns included. Growing keeps every text; shrinking
    // drops the rows or columns cut off. Never fewer than the fixed ones.
    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    // 0 or 1 each; 1 by default. Set them before filling the grid: changing
    // them keeps Rows and Cols but empties every cell.
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int fixed);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int fixed);

    // Cell texts.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Every cell of a row, or of a column, in order.
    QStringList rowTexts(int row) const;
    QStringList colTexts(int col) const;
    // Empties every cell's text and colours; keeps the size, column widths and
    // alignments, and the current cell.
    void Clear();

    // The current cell and the selection.
    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);
    int RowSel() const { return rowSel_; }
    void setRowSel(int row);
    int ColSel() const { return colSel_; }
    void setColSel(int col);
    // The current cell's text.
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    // Cell colours. Unset colours read as the colours the cell is painted with.
    // Colours come in pairs: a text colour set on a cell with a text and no
    // background of its own brings the background BackgroundFor gives (a
    // heading's a light or dark grey face), a background set without a text
    // colour brings TextColourFor's, so the cell reads on any palette. The
    // pair changes with the colour that brought it and goes when it is
    // cleared (a background also when the text is emptied).
    // The std::uint32_t overloads take the program's colour values (red in the
    // low byte, see platform/Text.h), so setCellForeColor(160) is dark red.
    QColor CellBackColor() const { return cellBackColor(row_, col_); }
    void setCellBackColor(const QColor& colour) { setCellBackColor(row_, col_, colour); }
    void setCellBackColor(std::uint32_t value);
    void setCellBackColor(Qt::GlobalColor colour) { setCellBackColor(QColor(colour)); }
    QColor CellForeColor() const { return cellForeColor(row_, col_); }
    void setCellForeColor(const QColor& colour) { setCellForeColor(row_, col_, colour); }
    void setCellForeColor(std::uint32_t value);
    void setCellForeColor(Qt::GlobalColor colour) { setCellForeColor(QColor(colour)); }
    QColor cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, const QColor& colour);
    QColor cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor& colour);

    // The first non-fixed row in view. Setting it scrolls (never above the first
    // non-fixed row, nor further than the last row allows).
    int TopRow() const;
    void setTopRow(int row);

    // Column layout: width in pixels, horizontal alignment of every cell of the
    // column (centred vertically). Columns start left aligned.
    int ColWidth(int col) const;
    void setColWidth(int col, int width);
    Qt::Alignment ColAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    // Fixes the grid's width to show columns 0 to lastCol and a vertical scroll
    // bar, with nothing to spare. With a leastCol, the grid asks for that width
    // but gives up space down to columns 0 to leastCol in a narrow window; the
    // columns cut off are then reached with a horizontal scroll bar.
    void fitWidthToColumns(int lastCol, int leastCol = -1);
    // The height the grid asks for while there is room; it gives up space
    // down to its minimum height in a short window.
    void setPreferredHeight(int height);
    QSize sizeHint() const override;

    // Where a cell is drawn, in viewport coordinates (for tests that click).
    QRect cellRect(int row, int col) const;

    // While a Batch lives, writing cells, labels, colours and alignments
    // tells the view nothing; when the last one ends the view hears of every
    // cell at once. The grid's size must not change meanwhile.
    class Batch {
    public:
        explicit Batch(FlexGrid* grid);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        FlexGrid* grid_;
    };

signals:
    // The player clicked a non-fixed cell; it is already the current cell.
    void Click(int row, int col);
    // The player double-clicked a non-fixed cell (after its Click).
    void DblClick(int row, int col);
    // The current cell moved, by the program or the player.
    void RowColChange();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Corner {
        QString text;
        QColor fore, back;
        int paired = -1; // the role set only as the other's pair
    };
    // The item behind a cell: a header item for a fixed cell, nullptr for the
    // corner (fixed row and fixed column) or a cell out of range. With create,
    // a missing body item is made.
    QTableWidgetItem* cellItem(int row, int col, bool create) const;
    bool inRange(int row, int col) const;
    bool isFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }
    void setCurrent(int row, int col);
    void showSelection();
    void viewCurrentChanged(int row, int col);
    void applyFixedLayout();
    void applyRowHeight();
    void addHeaderItems(Qt::Orientation orientation, int from, int to);
    void applyAlignment(QTableWidgetItem* item, int col) const;
    void setHeaderData(int row, int col, int role, const QVariant& value);
    void alignHeader(int row, int col);
    void putHeader(int row, int col, QTableWidgetItem* header);
    // A cell's background (Qt::BackgroundRole) or text (Qt::ForegroundRole)
    // colour; the corner keeps its own, an unset one shows the palette's.
    QColor cellColour(int row, int col, Qt::ItemDataRole role) const;
    void setCellColour(int row, int col, Qt::ItemDataRole role, const QColor& colour);
    // Gives a cell the colour that pairs with the one it has of its own, or
    // takes a pair away that no longer belongs (see the colours above).
    void pairColours(int row, int col);
    void putCellData(int row, int col, int role, const QVariant& value);

    // Hide the QTableWidget's own counts and items from the grid's users.
    using QTableWidget::clear;
    using QTableWidget::columnCount;
    using QTableWidget::item;
    using QTableWidget::rowCount;
    using QTableWidget::setColumnCount;
    using QTableWidget::setItem;
    using QTableWidget::setRowCount;

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    bool settingCurrent_ = false;
    bool selectionShown_ = false;
    int col0Width_ = 0;
    int batches_ = 0;
    int preferredWidth_ = 0;
    int preferredHeight_ = 0;
    Corner corner_;
    std::vector<Qt::Alignment> alignments_; // one per column, fixed ones included
    QWidget* cornerButton_ = nullptr;
};
