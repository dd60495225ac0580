#pragma once
// The printouts that windows start from their Print buttons. Each takes the
// calling window and reads its grid "MSFlexGrid1".

class QWidget;

// The entries of a generator or wheel window, on plain paper. Says "Nothing to
// print!    " when the grid holds no entry.
void PrintEntries(QWidget* window);
// The draw-history window's draws.
void PrintDrawResults(QWidget* window);
// The number-statistics window's table.
void PrintNumberStats(QWidget* window);
// The saved-entries window's entries.
void PrintMyEntries(QWidget* window);

// The window's image as it shows on screen, on one landscape page at medium
// quality; the printer goes back to portrait afterwards.
void PrintWindowImage(QWidget* window);
