// Showing the entries list in a window's results grid.
#include "generators/ui/EntriesGrid.h"

#include "generators/Entries.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FlexGrid.h"

#include <optional>

namespace {

QString Cell(int value) { return value < 1 ? QString() : QString::number(value); }

// Empties columns 8 down to 0 of the rows from `from` on that still carry a
// line number; stops at the first that does not.
void BlankFrom(FlexGrid* grid, int from)
{
    int r = from;
    while (r < grid->Rows() && !grid->TextMatrix(r, 0).isEmpty()) {
        for (int c = 8; c >= 0; --c)
            grid->setTextMatrix(r, c, QString());
        ++r;
    }
}
} // namespace

void ShowEntries(FlexGrid* grid)
{
    if (!grid)
        return;
    const int count = EntryCount();
    // Every line and one empty row after them, which Save and Print read.
    if (grid->Rows() < count + 2)
        grid->setRows(count + 2);
    std::optional<FlexGrid::Batch> batch(grid);
    for (int r = 1; r <= count; ++r) {
        grid->setTextMatrix(r, 0, QString::number(r));
        for (int c = 1; c <= kExtraBallColumn; ++c)
            grid->setTextMatrix(r, c, Cell(Entries[r][c]));
        grid->setCellForeColor(r, 8, ToQColor(kExtraBallColour));
    }
    BlankFrom(grid, count + 1);
    batch.reset();
    grid->setRow(count + 1);
    grid->setCol(0);
    grid->setTopRow(1);
}

void BlankEntriesGrid(FlexGrid* grid)
{
    if (!grid)
        return;
    BlankFrom(grid, 1);
    grid->setTopRow(1);
}
