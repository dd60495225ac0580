#include "platform/ui/FlexGrid.h"
#include "platform/ui/Colours.h"

#include "platform/Text.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>

namespace {

constexpr Qt::Alignment DefaultAlignment = Qt::AlignLeft;
constexpr Qt::ItemFlags BodyFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
// Which of a cell's colours was set only as the pair of the other.
constexpr int kPairedRole = Qt::UserRole + 1;

// A cell's colour as its item holds it (none for an invalid colour).
QVariant brushOf(const QColor& colour) { return colour.isValid() ? QVariant(QBrush(colour)) : QVariant(); }

// The heading face behind a text colour: light grey behind a dark colour,
// dark grey behind a light one.
QColor FaceFor(const QColor& text)
{
    return BackgroundFor(text) == QColor(Qt::white) ? QColor(0xF0, 0xF0, 0xF0) : QColor(0x30, 0x30, 0x30);
}

// The row labels. Their width is the grid's column 0 width, always fixed, so
// the size they ask for is known without measuring them: the stock header
// measures up to 200 labels each time one changes and the grid lays itself
// out again, which made filling a grid row by row slow.
class RowLabels : public QHeaderView {
public:
    explicit RowLabels(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}
    QSize sizeHint() const override { return QSize(maximumWidth(), defaultSectionSize()); }
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setSelectionMode(QAbstractItemView::NoSelection); // the program selects
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the grid; the arrow keys move in it
    setAlternatingRowColors(false);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setAutoScroll(false); // moving the current cell does not scroll
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setCornerButtonEnabled(false);
    setVerticalHeader(new RowLabels(this));

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(0);
    }
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 8);
    col0Width_ = horizontalHeader()->defaultSectionSize();
    verticalHeader()->setFixedWidth(col0Width_);
    applyRowHeight();

    // The corner cell (fixed row and fixed column) is the table's corner button:
    // draw its text ourselves.
    cornerButton_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (cornerButton_)
        cornerButton_->installEventFilter(this);

    alignments_.assign(1, DefaultAlignment);
    applyFixedLayout();
    setRows(2);
    setCols(2);
    setCurrent(1, 1);

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { viewCurrentChanged(row, col); });
    // A press on the current cell moves nothing but still starts a new selection.
    connect(this, &QAbstractItemView::pressed, this,
            [this](const QModelIndex& index) { viewCurrentChanged(index.row(), index.column()); });
    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int col) { emit Click(row + fixedRows_, col + fixedCols_); });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int col) { emit DblClick(row + fixedRows_, col + fixedCols_); });
}

// ---- Size ------------------------------------------------------------------

int FlexGrid::Rows() const { return QTableWidget::rowCount() + fixedRows_; }

int FlexGrid::Cols() const { return QTableWidget::columnCount() + fixedCols_; }

void FlexGrid::setRows(int rows)
{
    rows = std::max(rows, fixedRows_);
    const int oldBody = QTableWidget::rowCount();
    const int newBody = rows - fixedRows_;
    if (newBody == oldBody)
        return;
    settingCurrent_ = true;
    QTableWidget::setRowCount(newBody);
    settingCurrent_ = false;
    if (newBody > oldBody)
        addHeaderItems(Qt::Vertical, oldBody, newBody);
    if (row_ >= rows || rowSel_ >= rows)
        setCurrent(std::min(row_, rows - 1), col_);
}

void FlexGrid::setCols(int cols)
{
    cols = std::max(cols, fixedCols_);
    const int oldBody = QTableWidget::columnCount();
    const int newBody = cols - fixedCols_;
    if (newBody == oldBody)
        return;
    settingCurrent_ = true;
    QTableWidget::setColumnCount(newBody);
    settingCurrent_ = false;
    alignments_.resize(cols, DefaultAlignment);
    if (newBody > oldBody)
        addHeaderItems(Qt::Horizontal, oldBody, newBody);
    if (col_ >= cols || colSel_ >= cols)
        setCurrent(row_, std::min(col_, cols - 1));
}

void FlexGrid::setFixedRows(int fixed)
{
    fixed = std::clamp(fixed, 0, 1);
    if (fixed == fixedRows_)
        return;
    const int rows = std::max(Rows(), fixed);
    Clear();
    fixedRows_ = fixed;
    settingCurrent_ = true;
    QTableWidget::setRowCount(rows - fixed);
    settingCurrent_ = false;
    addHeaderItems(Qt::Vertical, 0, rows - fixed);
    applyFixedLayout();
    setCurrent(std::min(row_, rows - 1), col_);
}

void FlexGrid::setFixedCols(int fixed)
{
    fixed = std::clamp(fixed, 0, 1);
    if (fixed == fixedCols_)
        return;
    const int cols = std::max(Cols(), fixed);
    const int col0 = ColWidth(0);
    Clear();
    fixedCols_ = fixed;
    settingCurrent_ = true;
    QTableWidget::setColumnCount(cols - fixed);
    settingCurrent_ = false;
    addHeaderItems(Qt::Horizontal, 0, cols - fixed);
    applyFixedLayout();
    setColWidth(0, col0);
    setCurrent(row_, std::min(col_, cols - 1));
}

void FlexGrid::addHeaderItems(Qt::Orientation orientation, int from, int to)
{
    const Batch batch(this);
    for (int i = from; i < to; ++i) {
        auto* header = new QTableWidgetItem(QString());
        if (orientation == Qt::Horizontal) {
            applyAlignment(header, i + fixedCols_);
            setHorizontalHeaderItem(i, header);
        } else {
            if (fixedCols_ > 0)
                applyAlignment(header, 0);
            setVerticalHeaderItem(i, header);
        }
    }
}

void FlexGrid::applyFixedLayout()
{
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedCols_ > 0);
    if (cornerButton_)
        cornerButton_->update();
}

void FlexGrid::applyRowHeight()
{
    const int height = fontMetrics().height() + 6;
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setMinimumHeight(height);
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
}

// ---- Cells -----------------------------------------------------------------

bool FlexGrid::inRange(int row, int col) const { return row >= 0 && col >= 0 && row < Rows() && col < Cols(); }

QTableWidgetItem* FlexGrid::cellItem(int row, int col, bool create) const
{
    if (!inRange(row, col))
        return nullptr;
    if (row < fixedRows_ && col < fixedCols_)
        return nullptr; // the corner
    if (row < fixedRows_)
        return horizontalHeaderItem(col - fixedCols_);
    if (col < fixedCols_)
        return verticalHeaderItem(row - fixedRows_);
    QTableWidgetItem* cell = QTableWidget::item(row - fixedRows_, col - fixedCols_);
    if (!cell && create) {
        cell = new QTableWidgetItem;
        cell->setFlags(BodyFlags);
        applyAlignment(cell, col);
        // Making the item behind a cell does not change what the grid holds.
        const_cast<FlexGrid*>(this)->QTableWidget::setItem(row - fixedRows_, col - fixedCols_, cell);
    }
    return cell;
}

void FlexGrid::applyAlignment(QTableWidgetItem* item, int col) const
{
    const Qt::Alignment align = col < int(alignments_.size()) ? alignments_[col] : DefaultAlignment;
    item->setTextAlignment(align | Qt::AlignVCenter);
}

// A header item the table holds, changed in place, is looked for among every
// header of its side (slow with thousands of rows); a changed copy put in its
// place is not. Body items are found at once and are changed in place.
void FlexGrid::setHeaderData(int row, int col, int role, const QVariant& value)
{
    const QTableWidgetItem* header = cellItem(row, col, false);
    if (!header || !isFixed(row, col) || header->data(role) == value)
        return;
    QTableWidgetItem* copy = header->clone();
    copy->setData(role, value);
    putHeader(row, col, copy);
}

void FlexGrid::alignHeader(int row, int col)
{
    const QTableWidgetItem* header = cellItem(row, col, false);
    if (!header || !isFixed(row, col))
        return;
    QTableWidgetItem* copy = header->clone();
    applyAlignment(copy, col);
    if (copy->textAlignment() == header->textAlignment())
        delete copy;
    else
        putHeader(row, col, copy);
}

void FlexGrid::putHeader(int row, int col, QTableWidgetItem* header)
{
    if (row < fixedRows_)
        setHorizontalHeaderItem(col - fixedCols_, header);
    else
        setVerticalHeaderItem(row - fixedRows_, header);
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    if (!inRange(row, col))
        return QString();
    if (row < fixedRows_ && col < fixedCols_)
        return corner_.text;
    const QTableWidgetItem* cell = cellItem(row, col, false);
    return cell ? cell->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (!inRange(row, col))
        return;
    if (row < fixedRows_ && col < fixedCols_) {
        corner_.text = text;
        if (cornerButton_)
            cornerButton_->update();
        return;
    }
    QTableWidgetItem* cell = cellItem(row, col, false);
    if (cell && isFixed(row, col)) {
        setHeaderData(row, col, Qt::DisplayRole, text);
    } else if (cell) {
        if (cell->text() != text)
            cell->setText(text);
    } else if (!text.isEmpty()) {
        // A new body cell gets its text before it joins the table: one change
        // for the view to hear about instead of two.
        cell = new QTableWidgetItem(text);
        cell->setFlags(BodyFlags);
        applyAlignment(cell, col);
        QTableWidget::setItem(row - fixedRows_, col - fixedCols_, cell);
        return;
    }
    // A text colour brings its background once the cell has a text (a
    // heading's item was replaced above: it is looked up again).
    cell = cellItem(row, col, false);
    if (cell && (cell->data(Qt::ForegroundRole).isValid() || cell->data(kPairedRole).isValid()))
        pairColours(row, col);
}

QStringList FlexGrid::rowTexts(int row) const
{
    QStringList texts;
    if (row < 0 || row >= Rows())
        return texts;
    for (int c = 0; c < Cols(); ++c)
        texts << TextMatrix(row, c);
    return texts;
}

QStringList FlexGrid::colTexts(int col) const
{
    QStringList texts;
    if (col < 0 || col >= Cols())
        return texts;
    for (int r = 0; r < Rows(); ++r)
        texts << TextMatrix(r, col);
    return texts;
}

void FlexGrid::Clear()
{
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    const Batch batch(this);
    for (int r = 0; r < QTableWidget::rowCount(); ++r) {
        for (int c = 0; c < QTableWidget::columnCount(); ++c) {
            if (QTableWidget::item(r, c))
                delete takeItem(r, c);
        }
    }
    auto reset = [this](int row, int col) {
        const QTableWidgetItem* header = cellItem(row, col, false);
        if (!header
            || (header->text().isEmpty() && !header->data(Qt::ForegroundRole).isValid()
                && !header->data(Qt::BackgroundRole).isValid()))
            return;
        QTableWidgetItem* blank = header->clone();
        blank->setText(QString());
        blank->setData(Qt::ForegroundRole, QVariant());
        blank->setData(Qt::BackgroundRole, QVariant());
        blank->setData(kPairedRole, QVariant());
        putHeader(row, col, blank);
    };
    if (fixedRows_ > 0)
        for (int c = 0; c < QTableWidget::columnCount(); ++c)
            reset(0, c + fixedCols_);
    if (fixedCols_ > 0)
        for (int r = 0; r < QTableWidget::rowCount(); ++r)
            reset(r + fixedRows_, 0);
    corner_ = Corner();
    if (cornerButton_)
        cornerButton_->update();
    setUpdatesEnabled(updates);
}

// ---- Colours ---------------------------------------------------------------

QColor FlexGrid::cellColour(int row, int col, Qt::ItemDataRole role) const
{
    if (!inRange(row, col))
        return QColor();
    const bool back = role == Qt::BackgroundRole;
    const bool fixed = isFixed(row, col);
    QColor colour;
    if (row < fixedRows_ && col < fixedCols_) {
        colour = back ? corner_.back : corner_.fore;
    } else if (const QTableWidgetItem* cell = cellItem(row, col, false)) {
        const QVariant brush = cell->data(role);
        if (brush.isValid())
            colour = brush.value<QBrush>().color();
    }
    if (colour.isValid())
        return colour;
    if (back)
        return palette().color(fixed ? QPalette::Button : QPalette::Base);
    return palette().color(fixed ? QPalette::ButtonText : QPalette::Text);
}

void FlexGrid::setCellColour(int row, int col, Qt::ItemDataRole role, const QColor& colour)
{
    if (!inRange(row, col))
        return;
    if (row < fixedRows_ && col < fixedCols_) {
        const Qt::ItemDataRole other = role == Qt::BackgroundRole ? Qt::ForegroundRole : Qt::BackgroundRole;
        QColor& own = role == Qt::BackgroundRole ? corner_.back : corner_.fore;
        QColor& pair = role == Qt::BackgroundRole ? corner_.fore : corner_.back;
        const bool otherPaired = corner_.paired == other;
        own = colour;
        if (colour.isValid() && (!pair.isValid() || otherPaired)) {
            pair = role == Qt::BackgroundRole ? TextColourFor(colour) : BackgroundFor(colour);
            corner_.paired = other;
        } else {
            if (otherPaired)
                pair = QColor();
            corner_.paired = -1;
        }
        if (cornerButton_)
            cornerButton_->update();
        return;
    }
    if (isFixed(row, col))
        setHeaderData(row, col, role, brushOf(colour));
    else if (QTableWidgetItem* cell = cellItem(row, col, true))
        cell->setData(role, brushOf(colour));
    // A colour set for its own role is the cell's own, no longer a pair.
    if (const QTableWidgetItem* cell = cellItem(row, col, false); cell && cell->data(kPairedRole).toInt() == role)
        putCellData(row, col, kPairedRole, QVariant());
    pairColours(row, col);
}

void FlexGrid::putCellData(int row, int col, int role, const QVariant& value)
{
    if (isFixed(row, col)) {
        setHeaderData(row, col, role, value);
    } else if (QTableWidgetItem* cell = cellItem(row, col, false); cell && cell->data(role) != value) {
        cell->setData(role, value);
    }
}

void FlexGrid::pairColours(int row, int col)
{
    const QTableWidgetItem* cell = cellItem(row, col, false);
    if (!cell)
        return;
    const int paired = cell->data(kPairedRole).toInt();
    auto own = [cell, paired](int role) {
        const QVariant brush = cell->data(role);
        return paired == role || !brush.isValid() ? QColor() : brush.value<QBrush>().color();
    };
    const QColor fore = own(Qt::ForegroundRole);
    const QColor back = own(Qt::BackgroundRole);
    // An empty cell shows no text, so its text colour brings no background.
    int role = 0;
    QColor pair;
    if (fore.isValid() && !back.isValid() && !cell->text().isEmpty()) {
        role = Qt::BackgroundRole;
        pair = isFixed(row, col) ? FaceFor(fore) : BackgroundFor(fore);
    } else if (back.isValid() && !fore.isValid()) {
        role = Qt::ForegroundRole;
        pair = TextColourFor(back);
    }
    if (paired != 0 && paired != role)
        putCellData(row, col, paired, QVariant());
    if (role != 0)
        putCellData(row, col, role, brushOf(pair));
    putCellData(row, col, kPairedRole, role != 0 ? QVariant(role) : QVariant());
}

QColor FlexGrid::cellBackColor(int row, int col) const { return cellColour(row, col, Qt::BackgroundRole); }

QColor FlexGrid::cellForeColor(int row, int col) const { return cellColour(row, col, Qt::ForegroundRole); }

void FlexGrid::setCellBackColor(int row, int col, const QColor& colour)
{
    setCellColour(row, col, Qt::BackgroundRole, colour);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor& colour)
{
    setCellColour(row, col, Qt::ForegroundRole, colour);
}

void FlexGrid::setCellBackColor(std::uint32_t value) { setCellBackColor(ToQColor(value)); }

void FlexGrid::setCellForeColor(std::uint32_t value) { setCellForeColor(ToQColor(value)); }

// ---- Current cell and selection -------------------------------------------

void FlexGrid::setRow(int row)
{
    if (row >= 0 && row < Rows())
        setCurrent(row, col_);
}

void FlexGrid::setCol(int col)
{
    if (col >= 0 && col < Cols())
        setCurrent(row_, col);
}

void FlexGrid::setRowSel(int row)
{
    if (row < 0 || row >= Rows())
        return;
    rowSel_ = row;
    showSelection();
}

void FlexGrid::setColSel(int col)
{
    if (col < 0 || col >= Cols())
        return;
    colSel_ = col;
    showSelection();
}

void FlexGrid::setCurrent(int row, int col)
{
    const bool moved = row != row_ || col != col_;
    row_ = rowSel_ = row;
    col_ = colSel_ = col;
    settingCurrent_ = true;
    if (isFixed(row, col))
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    else
        setCurrentCell(row - fixedRows_, col - fixedCols_, QItemSelectionModel::NoUpdate);
    settingCurrent_ = false;
    showSelection();
    if (moved)
        emit RowColChange();
}

void FlexGrid::viewCurrentChanged(int row, int col)
{
    if (settingCurrent_ || row < 0 || col < 0)
        return;
    const bool moved = row + fixedRows_ != row_ || col + fixedCols_ != col_;
    row_ = rowSel_ = row + fixedRows_;
    col_ = colSel_ = col + fixedCols_;
    showSelection();
    // The player moved: keep the new current cell in view.
    scrollTo(currentIndex());
    if (moved)
        emit RowColChange();
}

void FlexGrid::showSelection()
{
    const int top = std::max(std::min(row_, rowSel_), fixedRows_) - fixedRows_;
    const int bottom = std::max(row_, rowSel_) - fixedRows_;
    const int left = std::max(std::min(col_, colSel_), fixedCols_) - fixedCols_;
    const int right = std::max(col_, colSel_) - fixedCols_;
    const bool single = row_ == rowSel_ && col_ == colSel_;
    if (single || top > bottom || left > right) {
        if (selectionShown_)
            selectionModel()->clearSelection();
        selectionShown_ = false;
        return;
    }
    const QItemSelection range(model()->index(top, left), model()->index(bottom, right));
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    selectionShown_ = true;
}

// ---- Scrolling and layout ----------------------------------------------------

int FlexGrid::TopRow() const { return verticalScrollBar()->value() + fixedRows_; }

void FlexGrid::setTopRow(int row)
{
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, Rows() - 1));
    updateGeometries(); // the scroll range follows the rows just added
    verticalScrollBar()->setValue(row - fixedRows_);
}

int FlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= Cols())
        return 0;
    if (col < fixedCols_)
        return col0Width_;
    return columnWidth(col - fixedCols_);
}

void FlexGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= Cols())
        return;
    width = std::max(width, 0);
    if (col < fixedCols_) {
        col0Width_ = width;
        verticalHeader()->setFixedWidth(width);
    } else {
        setColumnWidth(col - fixedCols_, width);
    }
}

Qt::Alignment FlexGrid::ColAlignment(int col) const
{
    if (col < 0 || col >= int(alignments_.size()))
        return DefaultAlignment;
    return alignments_[col];
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= Cols())
        return;
    alignments_[col] = alignment & Qt::AlignHorizontal_Mask;
    const Batch batch(this);
    if (col < fixedCols_) {
        verticalHeader()->setDefaultAlignment(alignments_[col] | Qt::AlignVCenter);
        for (int r = 0; r < QTableWidget::rowCount(); ++r)
            alignHeader(r + fixedRows_, col);
        if (cornerButton_)
            cornerButton_->update();
        return;
    }
    const int body = col - fixedCols_;
    if (fixedRows_ > 0)
        alignHeader(0, col);
    for (int r = 0; r < QTableWidget::rowCount(); ++r) {
        if (QTableWidgetItem* cell = QTableWidget::item(r, body))
            applyAlignment(cell, col);
    }
}

void FlexGrid::fitWidthToColumns(int lastCol, int leastCol)
{
    auto widthTo = [this](int last) {
        last = std::min(last, Cols() - 1);
        int width = 2 * frameWidth();
        for (int c = 0; c <= last; ++c)
            width += ColWidth(c);
        return width + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    };
    const int width = widthTo(lastCol);
    if (leastCol < 0 || leastCol >= lastCol) {
        preferredWidth_ = 0;
        setFixedWidth(width);
        return;
    }
    preferredWidth_ = width;
    setMinimumWidth(widthTo(leastCol));
    setMaximumWidth(width);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    updateGeometry();
}

void FlexGrid::setPreferredHeight(int height)
{
    preferredHeight_ = height;
    updateGeometry();
}

QSize FlexGrid::sizeHint() const
{
    QSize size = QTableWidget::sizeHint();
    if (preferredWidth_ > 0)
        size.setWidth(preferredWidth_);
    size.setHeight(std::max(size.height(), preferredHeight_));
    return size;
}

QRect FlexGrid::cellRect(int row, int col) const
{
    if (!inRange(row, col) || isFixed(row, col))
        return QRect();
    return visualRect(model()->index(row - fixedRows_, col - fixedCols_));
}

// ---- Batches of changes ------------------------------------------------------

FlexGrid::Batch::Batch(FlexGrid* grid) : grid_(grid)
{
    if (grid_->batches_++ == 0)
        grid_->model()->blockSignals(true);
}

FlexGrid::Batch::~Batch()
{
    if (--grid_->batches_ > 0)
        return;
    QAbstractItemModel* model = grid_->model();
    model->blockSignals(false);
    const int rows = model->rowCount();
    const int cols = model->columnCount();
    if (rows > 0 && cols > 0)
        emit model->dataChanged(model->index(0, 0), model->index(rows - 1, cols - 1));
    if (rows > 0)
        emit model->headerDataChanged(Qt::Vertical, 0, rows - 1);
    if (cols > 0)
        emit model->headerDataChanged(Qt::Horizontal, 0, cols - 1);
}

// ---- The keyboard -----------------------------------------------------------

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    // Tab alone is the window's; Ctrl+Tab (the way out of a control that
    // keeps Tab) reaches the grid here and leaves it too.
    const bool back =
        event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        && (event->modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier)) == Qt::NoModifier) {
        focusNextPrevChild(!back);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// ---- The corner cell -------------------------------------------------------

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cornerButton_ && event->type() == QEvent::Paint) {
        QPainter painter(cornerButton_);
        QStyleOptionHeader option;
        // Drawn as the heading sections beside it (the button itself is
        // disabled: a click on it does nothing).
        option.initFrom(horizontalHeader());
        option.rect = cornerButton_->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = corner_.text;
        option.textAlignment = ColAlignment(0) | Qt::AlignVCenter;
        if (corner_.fore.isValid())
            option.palette.setColor(QPalette::ButtonText, corner_.fore);
        if (corner_.back.isValid()) {
            option.palette.setColor(QPalette::Button, corner_.back);
            option.palette.setColor(QPalette::Window, corner_.back);
        }
        style()->drawControl(QStyle::CE_Header, &option, &painter, cornerButton_);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}
