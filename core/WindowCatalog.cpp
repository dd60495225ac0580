#include "core/WindowCatalog.h"

#include <QHash>

namespace {
QHash<QString, WindowOpener>& catalog()
{
    static QHash<QString, WindowOpener> openers;
    return openers;
}
} // namespace

void RegisterWindow(const QString& menuItem, WindowOpener opener) { catalog().insert(menuItem, std::move(opener)); }

WindowOpener WindowFor(const QString& menuItem) { return catalog().value(menuItem); }

bool HasWindow(const QString& menuItem) { return bool(catalog().value(menuItem)); }

void RegisterAllWindows()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterCoreWindows();
    RegisterDatabaseWindows();
    RegisterAnalysisWindows();
    RegisterGeneratorWindows();
    RegisterWheelWindows();
    RegisterSyndicateWindows();
    RegisterPrintingWindows();
}
