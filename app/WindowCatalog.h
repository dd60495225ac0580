#pragma once
// Which window each menu item and toolbar picture of the main window opens,
// and what the main window does before and after it.
//
// Every built window is registered in Registration.cpp under its menu item,
// with the item's follow-ups, which the main window runs around the opener.
// "Show/Hide info panels", "Exit" and the WebLinks items have no
// registration: the main window runs them itself. Any other item without one
// (a test's empty WindowOverride) is disabled, with its toolbar picture. The
// four syndicate view items run only while a syndicate with a name and a
// manager is open (the main window sees to that).
//
// An opener creates its window over the main window, calls its Load(), sets
// any preset the item asks for (as the player's click would) and shows it
// modally.

#include "app/MenuItems.h"

#include <QCoreApplication>
#include <functional>
#include <optional>

class QWidget;
class Vantrel;

// Creates the window over the main window, applies any preset and shows it
// modally.
using WindowOpener = std::function<void(QWidget* mainWindow)>;

// What the main window does around an item's window.
struct FollowUps {
    // Runs first: false opens nothing (it has told the player why).
    std::function<bool()> before = {};
    // Runs when the window has closed.
    std::function<void(Vantrel& mainWindow)> after = {};
};

struct WindowEntry {
    WindowOpener open;
    FollowUps followUps;
};

// Registers the item's window with the item's follow-ups (an empty opener:
// the item has no window).
void RegisterWindow(MenuItem item, WindowOpener open, FollowUps followUps = {});
// The item's registration, or nullptr when its window is not built.
const WindowEntry* WindowFor(MenuItem item);
bool HasWindow(MenuItem item);
// Opens the item's window as the main window does: the check before, the
// opener, the follow-ups after (those need the main window; without one they
// are left out). False when nothing opened.
bool OpenWindow(MenuItem item, Vantrel* mainWindow);

// Registers every built window (Registration.cpp) when the catalog is empty:
// once at start-up, and again after ClearWindowCatalog.
void RegisterAllWindows();
// Forgets every registration.
void ClearWindowCatalog();
bool WindowCatalogEmpty();

// Puts another opener in place of an item's for as long as it lives, and the
// one before back when it ends (an empty opener: the item has no window). The
// item keeps the follow-ups it was registered with.
class WindowOverride {
public:
    WindowOverride(MenuItem item, WindowOpener open);
    ~WindowOverride();
    WindowOverride(const WindowOverride&) = delete;
    WindowOverride& operator=(const WindowOverride&) = delete;

private:
    MenuItem item_;
    std::optional<WindowEntry> before_;
};

// Lets pending window events run, as an opener does between creating its
// window and setting a preset.
inline void LetPendingEventsRun(int times = 5)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}
