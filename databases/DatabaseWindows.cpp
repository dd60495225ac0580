// The windows of this folder that the main window's menus open.
#include "core/WindowCatalog.h"
#include "databases/CreateDbase.h"
#include "databases/DbaseUpdateW.h"
#include "databases/DeleteDbaseW.h"
#include "databases/HistoryW.h"
#include "databases/OpenDbase.h"
#include "databases/ShowMyDrawsW.h"
#include "databases/StoreMyDrawsW.h"
#include "databases/WhatIf.h"
#include "platform/MsgBox.h"

namespace {
template <class Window>
void open(QWidget* main)
{
    Window window(main);
    ShowModal(&window);
}
} // namespace

void RegisterDatabaseWindows()
{
    RegisterWindow("DatabasesCreate", open<CreateDbase>);
    RegisterWindow("wUpdateDbase", open<DbaseUpdateW>);
    RegisterWindow("wDatabaseView", open<HistoryW>);
    RegisterWindow("FileOpen", open<OpenDbase>);
    RegisterWindow("FileDelete", open<DeleteDbaseW>);
    // The main window tests that "ReVadirav.txt" exists before either opens.
    RegisterWindow("DatabaseCheck", open<ShowMyDrawsW>);
    RegisterWindow("DatabaseViewCheck", open<ShowMyDrawsW>);
    RegisterWindow("DatabaseStoreDrawsW", open<StoreMyDrawsW>);
    RegisterWindow("AnalyseWhatIf", open<WhatIf>);
}
