#include "app/WindowCatalog.h"

#include "app/Vantrel.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "platform/Folder.h"
#include "platform/ui/MsgBox.h"

#include <QFile>
#include <QHash>

namespace {
QHash<MenuItem, WindowEntry>& catalog()
{
    static QHash<MenuItem, WindowEntry> entries;
    return entries;
}

bool savedEntriesExist()
{
    if (QFile::exists(kSavedEntriesFile))
        return true;
    MsgBox("You do not have any stored lottery entries!", vbExclamation, "Oops!  ");
    return false;
}

void afterPreferences(Vantrel& main)
{
    // The settings file is read again whatever closed the window. The open
    // syndicate follows the settings if the re-read changed it, so the
    // syndicate in memory is always the one the settings name.
    const QString syndicateFile = Settings[SyndicateFile];
    LoadSettings();
    main.Skinning();
    if (Settings[SyndicateFile] != syndicateFile)
        main.UpdateSyndicate();
}

// The follow-ups of each item.
WindowEntry entryFor(MenuItem item, WindowOpener open)
{
    WindowEntry e;
    e.open = std::move(open);
    switch (item) {
    case MenuItem::DatabaseCheck:
    case MenuItem::DatabaseViewCheck: e.before = savedEntriesExist; break;
    case MenuItem::FilePreferences: e.after = afterPreferences; break;
    case MenuItem::SyndicateNew:
    case MenuItem::SyndicateOpen:
    case MenuItem::SyndicatesDelete:
    case MenuItem::SyndicateManager: e.after = [](Vantrel& main) { main.UpdateSyndicate(); }; break;
    case MenuItem::FileBackup: e.after = [](Vantrel&) { MakeProgramFolderCurrent(); }; break;
    default: break;
    }
    return e;
}
} // namespace

void RegisterWindow(MenuItem item, WindowOpener open)
{
    if (open)
        catalog().insert(item, entryFor(item, std::move(open)));
    else
        catalog().remove(item);
}

const WindowEntry* WindowFor(MenuItem item)
{
    const auto it = catalog().constFind(item);
    return it == catalog().constEnd() ? nullptr : &*it;
}

bool HasWindow(MenuItem item) { return WindowFor(item) != nullptr; }

bool OpenWindow(MenuItem item, Vantrel* mainWindow)
{
    const WindowEntry* found = WindowFor(item);
    if (!found)
        return false;
    // The opener may register again (tests do): work on a copy.
    const WindowEntry entry = *found;
    if (entry.before && !entry.before())
        return false;
    entry.open(mainWindow);
    if (entry.after && mainWindow)
        entry.after(*mainWindow);
    return true;
}

void ClearWindowCatalog() { catalog().clear(); }

bool WindowCatalogEmpty() { return catalog().isEmpty(); }

WindowOverride::WindowOverride(MenuItem item, WindowOpener open) : item_(item)
{
    if (const WindowEntry* e = WindowFor(item))
        before_ = *e;
    RegisterWindow(item, std::move(open));
}

WindowOverride::~WindowOverride()
{
    if (before_)
        catalog().insert(item_, *before_);
    else
        catalog().remove(item_);
}
