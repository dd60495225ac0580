#pragma once
// The lottery list of a window: one row per database file, in the order of
// DbaseFiles, so a row's index is the index LoadDatabase takes.

class QListWidget;

// Fills DbaseFiles and the list with the lottery names (FindDatabases) and
// leaves no row selected. Returns how many databases were listed. Files left
// out, as no saved entry could name them, are named to the player once a run.
int ListDatabases(QListWidget* list);
