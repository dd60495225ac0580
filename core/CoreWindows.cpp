// The windows of this folder that the main window's menus open.
#include "core/WindowCatalog.h"

void RegisterCoreWindows()
{
}
