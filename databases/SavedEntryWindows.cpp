// The saved-entry windows, keyed by the main window's menu items.
#include "databases/SavedEntryWindows.h"

#include "core/WindowCatalog.h"
#include "databases/ShowMyDrawsW.h"
#include "databases/StoreMyDrawsW.h"
#include "databases/WhatIf.h"
#include "platform/MsgBox.h"

void RegisterSavedEntryWindows()
{
    // The main window tests that "ReVadirav.txt" exists before either opens.
    const WindowOpener showCheck = [](QWidget* main) {
        ShowMyDrawsW window(main);
        ShowModal(&window);
    };
    RegisterWindow("DatabaseCheck", showCheck);
    RegisterWindow("DatabaseViewCheck", showCheck);
    RegisterWindow("DatabaseStoreDrawsW", [](QWidget* main) {
        StoreMyDrawsW window(main);
        ShowModal(&window);
    });
    RegisterWindow("AnalyseWhatIf", [](QWidget* main) {
        WhatIf window(main);
        ShowModal(&window);
    });
}
