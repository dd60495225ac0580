#pragma once
// Which window each menu item and toolbar picture of the main window opens.
//
// Each subsystem registers the windows it has built, keyed by the object name
// of the main window's menu item ("PlayLuckyDip", "DatabaseHistory", ...). The
// opener creates the window when needed, applies any preset and shows it
// modally; the main window runs its own follow-ups after the opener returns.
// Items with no opener are windows not built yet: the main window disables
// them.

#include <QString>
#include <functional>

class QWidget;

using WindowOpener = std::function<void(QWidget* mainWindow)>;

void RegisterWindow(const QString& menuItem, WindowOpener opener);
// The opener of a menu item, or an empty function.
WindowOpener WindowFor(const QString& menuItem);
bool HasWindow(const QString& menuItem);

// Registers every subsystem's windows (each subsystem's own function below).
void RegisterAllWindows();

void RegisterCoreWindows();
void RegisterDatabaseWindows();
void RegisterAnalysisWindows();
void RegisterGeneratorWindows();
void RegisterWheelWindows();
void RegisterSyndicateWindows();
void RegisterPrintingWindows();
