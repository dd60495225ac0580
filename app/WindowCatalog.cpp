#include "app/WindowCatalog.h"

#include "app/Vantrel.h"

#include <QHash>

namespace {
QHash<MenuItem, WindowEntry>& catalog()
{
    static QHash<MenuItem, WindowEntry> entries;
    return entries;
}
} // namespace

void RegisterWindow(MenuItem item, WindowOpener open, FollowUps followUps)
{
    if (open)
        catalog().insert(item, WindowEntry{std::move(open), std::move(followUps)});
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
    if (entry.followUps.before && !entry.followUps.before())
        return false;
    entry.open(mainWindow);
    if (entry.followUps.after && mainWindow)
        entry.followUps.after(*mainWindow);
    return true;
}

void ClearWindowCatalog() { catalog().clear(); }

bool WindowCatalogEmpty() { return catalog().isEmpty(); }

WindowOverride::WindowOverride(MenuItem item, WindowOpener open) : item_(item)
{
    FollowUps followUps;
    if (const WindowEntry* e = WindowFor(item)) {
        before_ = *e;
        followUps = e->followUps;
    }
    RegisterWindow(item, std::move(open), std::move(followUps));
}

WindowOverride::~WindowOverride()
{
    if (before_)
        catalog().insert(item_, *before_);
    else
        catalog().remove(item_);
}
