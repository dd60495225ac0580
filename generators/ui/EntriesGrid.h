#pragma once
// The entries list in a window's results grid.

class FlexGrid;

// Writes the list into the grid: the line number in column 0, the numbers in
// columns 1 to 8 (the extra ball in dark red), an empty cell for a value
// below 1; then blanks the rows below that still hold a line number, and
// scrolls to the first line. The grid grows, when needed, to hold every line
// and one empty row after them.
void ShowEntries(FlexGrid* grid);
// Writes "" into columns 8 down to 0 of every grid row from row 1 on whose
// line number is not empty, and scrolls to the top.
void BlankEntriesGrid(FlexGrid* grid);
