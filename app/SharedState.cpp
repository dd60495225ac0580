#include "app/SharedState.h"

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "generators/HistoryIndex.h"
#include "platform/Random.h"
#include "syndicates/SyndicateFile.h"

void ResetSharedState()
{
    ResetSettings();
    SetSettingsLoadedHook({});
    ResetOpenLottery();
    ResetEntries();
    ResetHistoryIndex();
    ResetSyndicate();
    HoldSeed(false);
}
