#pragma once
// Controls the saved-entry windows (Store, Show/Check, What-if) share: the
// grid of saved entries, the row of number boxes and the highlighted row.

#include "databases/DrawDatabase.h"
#include "databases/SavedEntries.h"

#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>

class FlexGrid;
class QLabel;
class QLineEdit;
class QWidget;

// Sample texts whose widths, in the grid's font, give the column widths.
struct EntryGridWidths {
    QString date;    // column 0
    QString number;  // columns 1 to 8
    QString lottery; // column 9
    QString name;    // column 10
};

// Lays out a grid of saved entries, one field a column: headings "Date",
// "Num1" to "Num7", "Pball" (dark red, like its cells), "Lottery", "Name";
// the database file column 11 lies beyond the visible width.
void SetUpEntryGrid(FlexGrid* grid, int rows, const EntryGridWidths& widths);

// Number boxes 1 to 8 (8 the extra ball) named "Text1_1" to "Text1_8", taking
// digits only, one number wide.
std::array<QLineEdit*, 9> MakeNumberBoxes(QWidget* parent);
// Shows the boxes of the lottery's main numbers, and the extra-ball box with
// its label when the lottery has an extra ball. The boxes keep their text.
void ShowNumberBoxes(const std::array<QLineEdit*, 9>& boxes, QLabel* pballLabel, const LotteryDefinition& lottery);

// Makes `row` current and selects its columns 1 to lastCol.
void HighlightRow(FlexGrid* grid, int row, int lastCol);

// Runs the window's handler when an item of its lottery list is chosen. The
// list making its first item current on taking the focus chooses nothing (it
// selects nothing); a later click on that item selects it and so chooses it.
// The current row is already the chosen one when the selection reports.
template <class Window>
void ConnectListChoice(QListWidget* list, Window* window, void (Window::*handler)())
{
    QObject::connect(list, &QListWidget::itemSelectionChanged, window, [list, window, handler] {
        const QListWidgetItem* item = list->currentItem();
        if (item && item->isSelected())
            (window->*handler)();
    });
}
