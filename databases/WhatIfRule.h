#pragma once
// The what-if tally: how every line would have fared in every draw so far.

#include "core/OpenLottery.h"
#include "databases/DrawDatabase.h"
#include "databases/EntryCheck.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Item k (0 to 7) counts the (line, draw) pairs with k matching main numbers
// and no bonus or extra-ball match; item 10 + k those with a bonus or
// extra-ball match.
using WhatIfTallies = std::array<int, 21>;

// Tallies every line (numbers in items 1 to 8, 0 for an empty cell) against
// draws rows 1 to drawCount (columns 1 to 7 main numbers, 8 the bonus or extra
// ball). A number counts once however often the line holds it, and only
// numbers of 1 or more match.
WhatIfTallies WhatIfTally(const std::vector<BallRow>& lines, const std::int16_t (*draws)[kDrawColumns], int drawCount,
                          const LotteryDefinition& lottery);

// The report: the number of draws, the main-match block and, for a lottery
// with a bonus number or an extra ball, its block; lines end with CR LF.
QString WhatIfReport(const WhatIfTallies& tallies, int drawCount, const LotteryDefinition& lottery);

// The saved lines of one lottery in "ReVadirav.txt": numbers 1 to 8 of every
// entry (a line of twelve fields, IsSavedEntryLine; lines that are no entry
// are left out) whose lottery name equals `lottery` exactly and
// whose first number is 1 or more, at most `limit` of them. The file is read
// a line at a time and no further than those lines take. A missing file gives
// none; no value when the file cannot be read (SavedEntriesUnreadable), and
// why (when given) says why.
std::optional<std::vector<BallRow>> SavedLinesOf(const QString& lottery, int limit, QString* why = nullptr);
