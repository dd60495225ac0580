// The window catalog as the program registers it: every registered item is a
// menu item of the main window, enabled, and opens a window.
#include "app/MenuItems.h"
#include "app/SharedState.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "platform/ui/MsgBox.h"
#include "core/DataFiles.h"
#include "core/Settings.h"
#include "databases/ui/CreateDbase.h"
#include "platform/ui/Printer.h"
#include "printing/ui/PrintFrm.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <set>

TEST(MenuItemNames, EveryKeyIsItsObjectName)
{
    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuItem item = MenuItem(i);
        const QString name = MenuItemName(item);
        ASSERT_FALSE(name.isEmpty());
        EXPECT_EQ(MenuItemNamed(name), item) << name.toStdString();
    }
    EXPECT_EQ(MenuItemNamed("PlayLuckyDipp"), std::nullopt);
    EXPECT_EQ(WebLinkIndex(WebLinkItem(7)), 7);
    EXPECT_EQ(WebLinkIndex(MenuItem::HelpNewVersion), -1);
}

class Catalog : public ProgramFolderTest {};

// What one test leaves in the catalog, the lottery templates, the printer, the
// print options window or the main window's hooks, the next one does not find.
TEST(SharedStateReset, LeavesNothingForTheNextTest)
{
    RegisterAllWindows();
    WindowOverride none(MenuItem::FilePreferences, {});
    LotteryTemplates[0][0] = "Lotto";
    Printer().SetOrientation(vbPRORLandscape);
    bool saved = false;
    SetSaveBeforeCopyingHook([&saved] { saved = true; });
    LoadPrintFrm()->Option1[1]->setChecked(true);
    LoadPrintFrm()->Text1->setText("33");
    ResetSharedState();
    EXPECT_TRUE(LoadPrintFrm()->Option1[0]->isChecked());
    EXPECT_EQ(LoadPrintFrm()->Text1->text(), "10");
    EXPECT_EQ(LotteryTemplates[0][0], "");
    EXPECT_EQ(Printer().Orientation(), vbPRORPortrait);
    SaveBeforeCopying();
    EXPECT_FALSE(saved);
    RegisterAllWindows();
    EXPECT_TRUE(HasWindow(MenuItem::FilePreferences));
}

namespace {
// Items the main window runs itself: they open no window, and their own
// tests drive them.
const std::set<MenuItem> kCommands = {MenuItem::FileCopyToA,    MenuItem::FileCopyFromA, MenuItem::FileDeleteSaved,
                                      MenuItem::HelpNewVersion, MenuItem::HelpHelp,      MenuItem::HelpWebSite,
                                      MenuItem::HelpBackupSite, MenuItem::HelpEmail};
} // namespace

TEST_F(Catalog, EveryRegisteredItemIsEnabledAndOpensItsWindow)
{
    writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
    writeLines("ReVadirav.txt", {"05-Mar-2005,1,2,3,4,5,6,,,UK Lotto,Ann,dbase100.txt"});
    // A syndicate open, so the items that need one are enabled.
    writeChosenSyndicate();
    RegisterAllWindows();
    LoadedWindow<Vantrel> main;
    QStringList shown;
    SetModalHook([&](QDialog* dialog) {
        shown << dialog->metaObject()->className();
        return int(QDialog::Rejected);
    });
    int registered = 0;
    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuItem item = MenuItem(i);
        if (!HasWindow(item))
            continue;
        ++registered;
        const std::string name = MenuItemName(item).toStdString();
        QAction* action = main.Item(item);
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        if (kCommands.count(item))
            continue;
        shown.clear();
        action->trigger();
        EXPECT_EQ(shown.size(), 1) << name << ": " << shown.join(", ").toStdString();
    }
    EXPECT_GE(registered, 23);
}

TEST_F(Catalog, NoItemOfTheFileWebLinksOrHelpMenusIsDisabled)
{
    RegisterAllWindows();
    LoadedWindow<Vantrel> main;
    int checked = 0;
    for (const char* menuName : {"FileMenu", "LinksMenu", "HelpMenu"}) {
        const QMenu* menu = main.menuBar()->findChild<QMenu*>(menuName);
        ASSERT_NE(menu, nullptr) << menuName;
        for (QAction* action : menu->actions()) {
            // A WebLinks item without a caption is hidden.
            if (action->isSeparator() || !action->isVisible())
                continue;
            ++checked;
            EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
        }
    }
    EXPECT_EQ(checked, 10 + 5 + 7);
}

TEST_F(Catalog, DownloadItemsOpenTheirWindowOnTheirRegionsTab)
{
    RegisterAllWindows();
    struct Preset {
        MenuItem item;
        const char* window;
        int tab;
    };
    for (const Preset& p : {Preset{MenuItem::DatabaseUpdate, "DbaseUpdate", 0},
                            Preset{MenuItem::DatabaseDownloadSA, "DbaseUpdateOther", 0},
                            Preset{MenuItem::DatabaseDownloadAU, "DbaseUpdateOther", 1},
                            Preset{MenuItem::DatabaseUS, "DbaseUpdateOther", 2}}) {
        QString shown;
        int tab = -1;
        SetModalHook([&](QDialog* dialog) {
            shown = dialog->metaObject()->className();
            if (auto* tabs = dialog->findChild<QTabWidget*>("SSTab1"))
                tab = tabs->currentIndex();
            return int(QDialog::Rejected);
        });
        EXPECT_TRUE(OpenWindow(p.item, nullptr));
        EXPECT_EQ(shown.toStdString(), p.window);
        EXPECT_EQ(tab, p.tab) << p.window;
    }
}
