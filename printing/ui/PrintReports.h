#pragma once
// The printouts that windows start from their Print buttons. Each takes the
// window's results grid; its dialogs open over the grid's window.

class FlexGrid;
class QWidget;

// The entries of a generator or wheel window, on plain paper. Says "Nothing to
// print!    " when the grid holds no entry.
void PrintEntries(const FlexGrid* grid);
// The entries of a generator or wheel window on lottery play slips, one board
// an entry, with the template of the open lottery or another chosen in the
// tickets dialog, which offers `count` entries.
void PrintPlaySlips(const FlexGrid* grid, int count);
// The draw-history window's draws.
void PrintDrawResults(const FlexGrid* grid);
// The number-statistics window's table.
void PrintNumberStats(const FlexGrid* grid);
// The saved-entries window's entries.
void PrintMyEntries(const FlexGrid* grid);

// The window's image as it shows on screen, on one landscape page at medium
// quality; the printer goes back to portrait afterwards.
void PrintWindowImage(QWidget* window);
