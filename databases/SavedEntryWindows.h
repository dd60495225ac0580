#pragma once
// The saved-entry windows the main window's menus open: show and check,
// store, and what-if.

void RegisterSavedEntryWindows();
