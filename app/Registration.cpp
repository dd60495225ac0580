// Every window the main window's menus open, under its menu item. A window
// is added here when it is built; its item is enabled from then on.
#include "app/WindowCatalog.h"
#include "databases/ui/CreateDbase.h"
#include "databases/ui/DbaseUpdateW.h"
#include "databases/ui/DeleteDbaseW.h"
#include "databases/ui/HistoryW.h"
#include "databases/ui/OpenDbase.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "databases/ui/StoreMyDrawsW.h"
#include "databases/ui/WhatIf.h"
#include "generators/ui/P1Key.h"
#include "generators/ui/P2KeyNum.h"
#include "generators/ui/P3KeyNum.h"
#include "generators/ui/PAverage.h"
#include "generators/ui/PFullSel.h"
#include "generators/ui/PHotNumbers.h"
#include "generators/ui/PLuckyDip.h"
#include "generators/ui/PLuckyNumbers.h"
#include "generators/ui/PStarSign.h"
#include "platform/ui/MsgBox.h"

#include <QRadioButton>

namespace {
// Creates the window over the main window, loads it when it loads apart
// from its making, and shows it modally.
template <class Window>
void open(QWidget* main)
{
    Window window(main);
    if constexpr (requires { window.Load(); })
        window.Load();
    ShowModal(&window);
}
} // namespace

void RegisterAllWindows()
{
    static bool done = false;
    if (done)
        return;
    done = true;

    // Databases.
    RegisterWindow(MenuItem::DatabasesCreate, open<CreateDbase>);
    RegisterWindow(MenuItem::wUpdateDbase, open<DbaseUpdateW>);
    RegisterWindow(MenuItem::wDatabaseView, open<HistoryW>);
    RegisterWindow(MenuItem::FileOpen, open<OpenDbase>);
    RegisterWindow(MenuItem::FileDelete, open<DeleteDbaseW>);
    RegisterWindow(MenuItem::DatabaseCheck, open<ShowMyDrawsW>);
    RegisterWindow(MenuItem::DatabaseViewCheck, open<ShowMyDrawsW>);
    RegisterWindow(MenuItem::DatabaseStoreDrawsW, open<StoreMyDrawsW>);
    RegisterWindow(MenuItem::AnalyseWhatIf, open<WhatIf>);

    // Generators.
    RegisterWindow(MenuItem::PlayLuckyDip, open<PLuckyDip>);
    RegisterWindow(MenuItem::PlayFullSel, open<PFullSel>);
    RegisterWindow(MenuItem::PlayHot, open<PHotNumbers>);
    RegisterWindow(MenuItem::PlayAverages, open<PAverage>);
    RegisterWindow(MenuItem::Play1Key, open<P1Key>);
    RegisterWindow(MenuItem::Play2Key, open<P2KeyNum>);
    RegisterWindow(MenuItem::Play3Key, open<P3KeyNum>);
    RegisterWindow(MenuItem::PlayLucky, open<PLuckyNumbers>);
    RegisterWindow(MenuItem::PlayStarSign, open<PStarSign>);
    RegisterWindow(MenuItem::PlayColdNums, [](QWidget* main) {
        PHotNumbers window(main);
        window.Load();
        LetPendingEventsRun();
        window.Option1[1]->click(); // as the player's click: cold mode, new lines
        ShowModal(&window);
    });
}
