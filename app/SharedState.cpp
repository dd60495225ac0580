#include "app/SharedState.h"

#include "app/WindowCatalog.h"
#include "core/DataFiles.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "core/ui/Preferences.h"
#include "databases/ui/CreateDbase.h"
#include "generators/Entries.h"
#include "generators/HistoryIndex.h"
#include "generators/RetryLoop.h"
#include "platform/Dates.h"
#include "platform/Random.h"
#include "platform/ReplacingFile.h"
#include "platform/ui/Printer.h"
#include "printing/ui/PrintFrm.h"
#include "syndicates/SyndicateFile.h"

void ResetSharedState()
{
    ResetSettings();
    SetSettingsLoadedHook({});
    SetSaveBeforeCopyingHook({});
    ResetOpenLottery();
    ResetEntries();
    ResetHistoryIndex();
    ResetSyndicate();
    LotteryTemplates = {};
    ClearWindowCatalog();
    Printer().Reset();
    UnloadPrintFrm();
    ResetPickedColour();
    HoldSeed(false);
    SetClockForTests(std::nullopt);
    SetMonotonicClockForTests({});
    SetCommitStepHook({});
}
