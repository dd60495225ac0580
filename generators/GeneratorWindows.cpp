// The windows of this folder that the main window's menus open.
#include "core/WindowCatalog.h"
#include "generators/PFullSel.h"
#include "generators/PLuckyDip.h"
#include "platform/MsgBox.h"

void RegisterGeneratorWindows()
{
    RegisterWindow("PlayLuckyDip", [](QWidget* main) {
        PLuckyDip window(main);
        ShowModal(&window);
    });
    RegisterWindow("PlayFullSel", [](QWidget* main) {
        PFullSel window(main);
        ShowModal(&window);
    });
}
