#pragma once
// The main window's menu items, by the object names their actions carry
// ("PlayLuckyDip", "wDatabaseView", ...). Code names an item by its key
// (MenuItem::PlayLuckyDip), never by its text, so a misspelt item does not
// compile.

#include <QString>
#include <optional>

// Every menu item, menu by menu, in the menus' order.
// clang-format off
#define VANTREL_MENU_ITEMS(X)                                                                                \
    X(FileCopyToA) X(FileCopyFromA) X(FileBackup) X(FileDelete) X(FileDeleteSaved) X(FileNotes) X(FileOpen)  \
    X(FilePreferences) X(FilePrintSetup) X(FileExit)                                                          \
    X(DatabasesCreate) X(wUpdateDbase) X(wDatabaseView) X(DatabaseDownloadAU) X(DatabaseDownloadSA)          \
    X(DatabaseUpdate) X(DatabaseUS) X(DatabaseCheck) X(DatabaseViewCheck) X(DatabaseStoreDrawsW)             \
    X(AnalysisCommon) X(AnalyseColdNums) X(AnalysisSums) X(AnalyseLowHigh) X(AnalysisAverages)              \
    X(AnalyseRange) X(AnalyseNumStats) X(AnalyseOddEven) X(AnalyseBiorhythms) X(AnalyseWhatIf)              \
    X(PlayAverages) X(PlayFullSel) X(PlayColdNums) X(PlayHot) X(PlayLuckyDip) X(Play1Key) X(Play2Key)        \
    X(Play3Key) X(PlayBudgetWheels) X(PlayColdWheels) X(PlayDIYWheels) X(PlayGuarantee3) X(PlayGuarantee4)   \
    X(PlayGuaranteed) X(PlayHotWheels) X(PlayWheel49) X(PlayWheel2) X(PlayWheel3) X(PlayStarSign)            \
    X(PlayLucky)                                                                                             \
    X(SyndicateNew) X(SyndicateOpen) X(SyndicatesDelete) X(SyndicateManager) X(SyndicateMembers)             \
    X(SyndicatePayments) X(SyndicatesNotes)                                                                  \
    X(LinksLink_0) X(LinksLink_1) X(LinksLink_2) X(LinksLink_3) X(LinksLink_4) X(LinksLink_5)               \
    X(LinksLink_6) X(LinksLink_7) X(LinksLink_8) X(LinksLink_9)                                              \
    X(HelpNewVersion) X(HelpHelp) X(HelpLotteryInfo) X(HelpWebSite) X(HelpBackupSite) X(HelpEmail)           \
    X(HelpAbout)
// clang-format on

enum class MenuItem {
#define VANTREL_MENU_ITEM_KEY(name) name,
    VANTREL_MENU_ITEMS(VANTREL_MENU_ITEM_KEY)
#undef VANTREL_MENU_ITEM_KEY
};

inline constexpr int kMenuItemCount = int(MenuItem::HelpAbout) + 1;

// The object name of the item's action.
QString MenuItemName(MenuItem item);
// The item an object name stands for.
std::optional<MenuItem> MenuItemNamed(const QString& name);
// WebLinks item i (0 to 9).
MenuItem WebLinkItem(int index);
// The WebLinks item's index, or -1 for any other item.
int WebLinkIndex(MenuItem item);
