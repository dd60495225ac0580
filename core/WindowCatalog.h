#pragma once
// Which window each menu item and toolbar picture of the main window opens.
//
// Each subsystem registers the windows it has built, keyed by the object name
// of the main window's menu item ("PlayLuckyDip", "wDatabaseView", ...). The
// opener creates the window when needed, applies any preset and shows it
// modally; the main window runs its own follow-ups after the opener returns.
// Items with no opener are windows not built yet: the main window disables
// them.
//
// What the main window does itself, around the opener:
// - Before: "DatabaseCheck" and "DatabaseViewCheck" open nothing (and show
//   the "Oops!  " message) when "ReVadirav.txt" is missing. An item whose
//   window is the same as another's may register under either name:
//   "AnalyseLowHigh" falls back to "AnalysisSums", "DatabaseViewCheck" to
//   "DatabaseCheck".
// - After: "FilePreferences": LoadSettings, then the main window's Skinning;
//   "SyndicateNew", "SyndicateOpen", "SyndicatesDelete", "SyndicateManager":
//   UpdateSyndicate; "FileBackup": the program folder current again. The
//   opener does none of these.
// - The four syndicate view items run only while a syndicate with a name and
//   a manager is open.
//
// Presets belong to the opener of the owning subsystem, which receives the
// main window and opens its own window in the required state:
// - "AnalyseColdNums" (ACommonNumbers), "PlayColdNums" (PHotNumbers),
//   "PlayColdWheels" (PHotWheels): create the window (its load runs), call
//   LetPendingEventsRun() (the five event pauses), select Option1(1) "Cold
//   numbers" as the player's click does (its handler runs), then ShowModal.
// - "PlayGuarantee4" (PThreeMatch): create the window, select Option1(1)
//   "4-match wheels" (its handler runs), no event pause, then ShowModal.
// - "DatabaseDownloadAU" / "DatabaseDownloadSA" / "DatabaseUS"
//   (DbaseUpdateOther): create the window and put its tab strip SSTab1 on tab
//   1 (Australia) / 0 (South Africa) / 2 (United States), no event pause, then
//   ShowModal.
// Toolbar picture 1 runs "DatabaseUpdate" or "DatabaseUS" by the player's
// region; the other pictures run their menu item's opener.

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

using WindowOpener = std::function<void(QWidget* mainWindow)>;

void RegisterWindow(const QString& menuItem, WindowOpener opener);
// The opener of a menu item, or an empty function.
WindowOpener WindowFor(const QString& menuItem);
bool HasWindow(const QString& menuItem);

// Lets pending window events run, as an opener does between creating its
// window and setting a preset.
inline void LetPendingEventsRun(int times = 5)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

// Registers every subsystem's windows (each subsystem's own function below).
void RegisterAllWindows();

void RegisterCoreWindows();
void RegisterDatabaseWindows();
void RegisterAnalysisWindows();
void RegisterGeneratorWindows();
void RegisterWheelWindows();
void RegisterSyndicateWindows();
void RegisterPrintingWindows();
