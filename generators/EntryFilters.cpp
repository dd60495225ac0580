#include "generators/EntryFilters.h"

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "generators/Entries.h"
#include "generators/HistoryIndex.h"
#include "platform/Text.h"

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>
#include <cstring>

namespace {

int Strength(int item, int lo, int hi)
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
    s.oddEven = Strength(kOddEvenFilterItem, 0, k / 2);
    s.highLow = Strength(kHighLowFilterItem, 0, k / 2);
    s.history = Strength(kHistoryFilterItem, 0, k);
    s.longRun = Strength(kLongRunFilterItem, 1, k);
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

bool HistoryLineOK(const std::int16_t* row, int k, int l)
{
    return !HistoryLineFails(row, k, l);
}

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
    return AllLinesPass([&](const std::int16_t* row) { return HistoryLineOK(row, k, l); });
}

bool IsBoxTicked(QWidget* window, const char* name)
{
    if (!window)
        return false;
    const auto* box = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    return box && box->isChecked();
}

bool OddEvenOK(QWidget* window)
{
    if (!IsBoxTicked(window, "Check1"))
        return true;
    return EntriesOddEvenOK(BallsDrawn, ReadFilterStrengths(BallsDrawn).oddEven);
}

bool HighLowOK(QWidget* window)
{
    if (!IsBoxTicked(window, "Check2"))
        return true;
    return EntriesHighLowOK(BallsDrawn, MaxBall, ReadFilterStrengths(BallsDrawn).highLow);
}

bool HistoryOK(QWidget* window)
{
    if (!IsBoxTicked(window, "Check3"))
        return true;
    return EntriesHistoryOK(BallsDrawn, ReadFilterStrengths(BallsDrawn).history);
}

void FilterOddEven(QWidget*)
{
    const int k = BallsDrawn, l = ReadFilterStrengths(k).oddEven;
    DeleteFailing([&](const std::int16_t* row) { return OddEvenLineOK(row, k, l); });
}

void FilterHighLow(QWidget*)
{
    const int k = BallsDrawn, n = MaxBall, l = ReadFilterStrengths(k).highLow;
    DeleteFailing([&](const std::int16_t* row) { return HighLowLineOK(row, k, n, l); });
}

void FilterLongRuns(QWidget*)
{
    const int k = BallsDrawn, l = ReadFilterStrengths(k).longRun;
    DeleteFailing([&](const std::int16_t* row) { return LongRunLineOK(row, k, l); });
}

void FilterHistory(QWidget*)
{
    const int k = BallsDrawn, l = ReadFilterStrengths(k).history;
    DeleteFailing([&](const std::int16_t* row) { return HistoryLineOK(row, k, l); });
}

void RemoveDuplicates(QWidget*)
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
