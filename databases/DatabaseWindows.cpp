// The windows of this folder that the main window's menus open.
#include "core/WindowCatalog.h"
#include "databases/CreateDbase.h"
#include "databases/DbaseUpdateW.h"
#include "databases/DeleteDbaseW.h"
#include "databases/HistoryW.h"
#include "databases/OpenDbase.h"
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
}
