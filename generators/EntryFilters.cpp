#include "generators/EntryFilters.h"

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "generators/HistoryIndex.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstring>

namespace {

int Strength(SettingsItem item, int lo, int hi)
{
    const QString& text = Settings[item];
    const int value = CellFromText(text);
    return std::clamp(value, lo, std::max(lo, hi));
}

int LineCount() { return EntryCount(); }

template <typename Rule>
bool AllLinesPass(Rule rule)
{
    const int count = LineCount();
    for (int r = 1; r <= count; ++r)
        if (!rule(Entries[r]))
            return false;
    return true;
}

// Deletes every failing line; the row is tested again after each deletion,
// since it then holds the next line.
template <typename Rule>
void DeleteFailing(Rule rule)
{
    int r = 1;
    while (r <= LineCount()) {
        if (rule(Entries[r]))
            ++r;
        else
            DeleteEntry(r);
    }
}

} // namespace

FilterStrengths ReadFilterStrengths(int k)
{
    k = std::clamp(k, 0, 7);
    FilterStrengths s;
    s.oddEven = Strength(OddEvenFilter, 0, k / 2);
    s.highLow = Strength(HighLowFilter, 0, k / 2);
    s.history = Strength(HistoryFilter, 0, k);
    s.longRun = Strength(LongRunFilter, 1, k);
    return s;
}

bool OddEvenLineOK(const std::int16_t* row, int k, int l)
{
    int odd = 0;
    for (int i = 1; i <= k; ++i)
        odd += row[i] & 1;
    return odd >= l && odd <= k - l;
}

bool HighLowLineOK(const std::int16_t* row, int k, int n, int l)
{
    int low = 0;
    for (int i = 1; i <= k; ++i)
        low += 2 * row[i] < n;
    return low >= l && low <= k - l;
}

bool LongRunLineOK(const std::int16_t* row, int k, int l)
{
    int longest = 0;
    for (int i = 1; i <= k; ++i) {
        int j = i;
        while (j < k && row[j + 1] == row[j] + 1)
            ++j;
        longest = std::max(longest, j - i);
    }
    return longest < l;
}

bool HistoryLineOK(const std::int16_t* row, int k, int l) { return !HistoryLineFails(row, k, l); }

bool EntriesOddEvenOK(int k, int l)
{
    return AllLinesPass([&](const std::int16_t* row) { return OddEvenLineOK(row, k, l); });
}

bool EntriesHighLowOK(int k, int n, int l)
{
    return AllLinesPass([&](const std::int16_t* row) { return HighLowLineOK(row, k, n, l); });
}

bool EntriesHistoryOK(int k, int l)
{
    if (EntryCount() == 0)
        return true;
    const HistoryCheck check(k, l);
    return AllLinesPass([&](const std::int16_t* row) { return !check.fails(row); });
}

bool OddEvenOK(bool ticked) { return !ticked || EntriesOddEvenOK(BallsDrawn, ReadFilterStrengths(BallsDrawn).oddEven); }

bool HighLowOK(bool ticked)
{
    return !ticked || EntriesHighLowOK(BallsDrawn, MaxBall, ReadFilterStrengths(BallsDrawn).highLow);
}

bool HistoryOK(bool ticked) { return !ticked || EntriesHistoryOK(BallsDrawn, ReadFilterStrengths(BallsDrawn).history); }

void FilterOddEven()
{
    const int k = BallsDrawn, l = ReadFilterStrengths(k).oddEven;
    DeleteFailing([&](const std::int16_t* row) { return OddEvenLineOK(row, k, l); });
}

void FilterHighLow()
{
    const int k = BallsDrawn, n = MaxBall, l = ReadFilterStrengths(k).highLow;
    DeleteFailing([&](const std::int16_t* row) { return HighLowLineOK(row, k, n, l); });
}

void FilterLongRuns()
{
    const int k = BallsDrawn, l = ReadFilterStrengths(k).longRun;
    DeleteFailing([&](const std::int16_t* row) { return LongRunLineOK(row, k, l); });
}

void FilterHistory()
{
    const int k = BallsDrawn, l = ReadFilterStrengths(k).history;
    const HistoryCheck check(k, l);
    DeleteFailing([&](const std::int16_t* row) { return !check.fails(row); });
}

void RemoveDuplicates()
{
    int r = 1;
    while (r <= LineCount()) {
        const int count = LineCount();
        bool later = false;
        for (int s = 1; s <= count && !later; ++s)
            later = s != r && std::memcmp(&Entries[s][1], &Entries[r][1], 7 * sizeof(std::int16_t)) == 0;
        if (later)
            DeleteEntry(r);
        else
            ++r;
    }
}
