// Every window the main window's menus open, under its menu item, with what
// the main window does before and after it. A window is added here when it is
// built; its item is enabled from then on.
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "analysis/ui/AAverages.h"
#include "analysis/ui/ACommonNumbers.h"
#include "analysis/ui/ANumberStats.h"
#include "analysis/ui/AOddEven.h"
#include "analysis/ui/ARange.h"
#include "analysis/ui/ASums.h"
#include "analysis/ui/Biorhythm.h"
#include "core/ui/About.h"
#include "core/Settings.h"
#include "core/ui/Backup.h"
#include "core/ui/HelpCommands.h"
#include "core/ui/LotteryInfo.h"
#include "core/ui/Preferences.h"
#include "databases/ui/CreateDbase.h"
#include "databases/ui/DbaseUpdate.h"
#include "databases/ui/DbaseUpdateOther.h"
#include "databases/ui/DbaseUpdateW.h"
#include "databases/ui/DeleteDbaseW.h"
#include "databases/ui/HistoryW.h"
#include "databases/ui/OpenDbase.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "databases/ui/StoreMyDrawsW.h"
#include "databases/SavedEntries.h"
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
#include "platform/Folder.h"
#include "platform/ui/MsgBox.h"
#include "wheels/ui/PWheel2.h"
#include "wheels/ui/PWheel3.h"
#include "wheels/ui/PBudgetWheel.h"
#include "wheels/ui/PDIYWheels.h"
#include "wheels/ui/PHotWheels.h"
#include "wheels/ui/PGuaranteed.h"
#include "wheels/ui/PThreeMatch.h"
#include "wheels/ui/Wheel49.h"
#include "printing/ui/PrintSetup.h"
#include "syndicates/ui/NewSyndicate.h"
#include "syndicates/ui/SManager.h"
#include "syndicates/ui/SMembers.h"
#include "syndicates/ui/SNotes.h"
#include "syndicates/ui/SPayments.h"
#include "syndicates/ui/SyndicateChoice.h"

#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTabWidget>

namespace {
// Creates the window over the main window, loads it and shows it modally.
template <class Window>
void open(QWidget* main)
{
    Window window(main);
    window.Load();
    ShowModal(&window);
}

// The other lotteries' download window, opened on the tab of a region (no
// event pause).
template <int Tab>
void openOtherDownloads(QWidget* main)
{
    DbaseUpdateOther window(main);
    window.Load();
    window.SSTab1->setCurrentIndex(Tab);
    ShowModal(&window);
}

// A hot-numbers window (the most common numbers, the hot numbers, the hot
// wheels) switched to its cold view before it shows: loaded, the pending
// events run (five pauses), then clicked as the player would click "Cold
// numbers", which makes its cold lines.
template <class Window>
void openCold(QWidget* main)
{
    Window window(main);
    window.Load();
    LetPendingEventsRun();
    window.Option1[1]->click();
    ShowModal(&window);
}

// A command the main window runs itself, registered as an opener that runs it.
template <void (Vantrel::*command)()>
void run(QWidget* main)
{
    if (auto* window = qobject_cast<Vantrel*>(main))
        (window->*command)();
}

// The follow-ups.

// "Check my lottery entries" opens nothing while there are no saved entries.
bool savedEntriesExist()
{
    if (QFile::exists(kSavedEntriesFile))
        return true;
    MsgBox("You do not have any stored lottery entries!", vbExclamation, "Oops!  ");
    return false;
}

// After Preferences the settings stand as the window left them: what Save
// stored, or, closed without saving, as they were when it opened; what other
// windows changed and have not saved yet is kept. Reset all program defaults
// removed the settings file: reading it again writes and loads the defaults
// of every item. The open syndicate follows the settings if that changed it,
// so the syndicate in memory is always the one the settings name.
void afterPreferences(Vantrel& main)
{
    const QString syndicateFile = Settings[SyndicateFile];
    if (!QFileInfo::exists(kSettingsFile))
        LoadSettings();
    main.ShowWebLinks();
    main.Skinning();
    if (Settings[SyndicateFile] != syndicateFile)
        main.UpdateSyndicate();
}

// After the syndicate windows the main window shows the open syndicate again.
void afterSyndicates(Vantrel& main) { main.UpdateSyndicate(); }

// After Backup and Restore the program folder is current again.
void afterBackup(Vantrel&) { MakeProgramFolderCurrent(); }
} // namespace

void RegisterAllWindows()
{
    if (!WindowCatalogEmpty())
        return;

    // File.
    RegisterWindow(MenuItem::FileCopyToA, run<&Vantrel::FileCopyToA_Click>);
    RegisterWindow(MenuItem::FileCopyFromA, run<&Vantrel::FileCopyFromA_Click>);
    RegisterWindow(MenuItem::FileBackup, open<Backup>, {.after = afterBackup});
    RegisterWindow(MenuItem::FileDeleteSaved, run<&Vantrel::FileDeleteSaved_Click>);
    RegisterWindow(MenuItem::FilePreferences, open<Preferences>, {.after = afterPreferences});
    RegisterWindow(MenuItem::FilePrintSetup, open<PrintSetup>);

    // Help.
    RegisterWindow(MenuItem::HelpNewVersion, [](QWidget*) { CheckForNewVersion(); });
    RegisterWindow(MenuItem::HelpHelp, [](QWidget*) { ShowHelpPage(); });
    RegisterWindow(MenuItem::HelpLotteryInfo, open<LotteryInfo>);
    RegisterWindow(MenuItem::HelpWebSite, [](QWidget*) { OpenProgramSite(); });
    RegisterWindow(MenuItem::HelpBackupSite, [](QWidget*) { OpenAlternativeSite(); });
    RegisterWindow(MenuItem::HelpEmail, [](QWidget*) { WriteMailTo(kSupportEmail); });
    RegisterWindow(MenuItem::HelpAbout, open<About>);

    // Databases.
    RegisterWindow(MenuItem::DatabasesCreate, open<CreateDbase>);
    RegisterWindow(MenuItem::wUpdateDbase, open<DbaseUpdateW>);
    RegisterWindow(MenuItem::wDatabaseView, open<HistoryW>);
    RegisterWindow(MenuItem::FileOpen, open<OpenDbase>);
    RegisterWindow(MenuItem::FileDelete, open<DeleteDbaseW>);
    RegisterWindow(MenuItem::DatabaseCheck, open<ShowMyDrawsW>, {.before = savedEntriesExist});
    RegisterWindow(MenuItem::DatabaseViewCheck, open<ShowMyDrawsW>, {.before = savedEntriesExist});
    RegisterWindow(MenuItem::DatabaseStoreDrawsW, open<StoreMyDrawsW>);
    RegisterWindow(MenuItem::AnalyseWhatIf, open<WhatIf>);
    RegisterWindow(MenuItem::DatabaseUpdate, open<DbaseUpdate>);
    RegisterWindow(MenuItem::DatabaseDownloadSA, openOtherDownloads<0>);
    RegisterWindow(MenuItem::DatabaseDownloadAU, openOtherDownloads<1>);
    RegisterWindow(MenuItem::DatabaseUS, openOtherDownloads<2>);

    // Analysis.
    RegisterWindow(MenuItem::AnalysisCommon, open<ACommonNumbers>);
    RegisterWindow(MenuItem::AnalyseColdNums, openCold<ACommonNumbers>);
    RegisterWindow(MenuItem::AnalysisSums, open<ASums>);
    RegisterWindow(MenuItem::AnalyseLowHigh, open<ASums>);
    RegisterWindow(MenuItem::AnalysisAverages, open<AAverages>);
    RegisterWindow(MenuItem::AnalyseRange, open<ARange>);
    RegisterWindow(MenuItem::AnalyseNumStats, open<ANumberStats>);
    RegisterWindow(MenuItem::AnalyseOddEven, open<AOddEven>);
    RegisterWindow(MenuItem::AnalyseBiorhythms, open<Biorhythm>);

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
    RegisterWindow(MenuItem::PlayColdNums, openCold<PHotNumbers>);

    // Wheels.
    RegisterWindow(MenuItem::PlayWheel3, open<PWheel3>);
    RegisterWindow(MenuItem::PlayWheel2, open<PWheel2>);
    RegisterWindow(MenuItem::PlayBudgetWheels, open<PBudgetWheel>);
    RegisterWindow(MenuItem::PlayDIYWheels, open<PDIYWheels>);
    RegisterWindow(MenuItem::PlayHotWheels, open<PHotWheels>);
    RegisterWindow(MenuItem::PlayColdWheels, openCold<PHotWheels>);
    RegisterWindow(MenuItem::PlayGuarantee3, open<PThreeMatch>);
    // The 4-match wheels: no event pause.
    RegisterWindow(MenuItem::PlayGuarantee4, [](QWidget* main) {
        PThreeMatch window(main);
        window.Load();
        window.Option1[1]->click(); // as the player's click: the 4-match wheels
        ShowModal(&window);
    });
    RegisterWindow(MenuItem::PlayGuaranteed, open<PGuaranteed>);
    RegisterWindow(MenuItem::PlayWheel49, open<Wheel49>);

    // Syndicates.
    RegisterWindow(MenuItem::SyndicateNew, open<NewSyndicate>, {.after = afterSyndicates});
    RegisterWindow(MenuItem::SyndicateOpen, open<OpenSyndicate>, {.after = afterSyndicates});
    RegisterWindow(MenuItem::SyndicatesDelete, open<DeleteSyndicate>, {.after = afterSyndicates});
    RegisterWindow(MenuItem::SyndicateManager, open<SManager>, {.after = afterSyndicates});
    RegisterWindow(MenuItem::SyndicateMembers, open<SMembers>);
    RegisterWindow(MenuItem::SyndicatePayments, open<SPayments>);
    RegisterWindow(MenuItem::SyndicatesNotes, open<SNotes>);
}
