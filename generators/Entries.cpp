#include "generators/Entries.h"

#include "platform/Random.h"

#include <algorithm>
#include <cstring>

std::int16_t Entries[kEntryRows + 1][kEntryColumns + 1] = {};
std::int16_t BallPool[kBallPoolSize + 1] = {};
bool Busy = false;

void FillBallPool(int n)
{
    n = std::min(n, kBallPoolSize);
    for (int i = 1; i <= n; ++i)
        BallPool[i] = std::int16_t(i);
}

void ShuffleBallPool(int n, int step)
{
    n = std::min(n, kBallPoolSize);
    for (int i = 1; i <= n; i += step)
        std::swap(BallPool[i], BallPool[RandomNumber(n)]);
}

void ClearEntries() { std::memset(&Entries[1][0], 0, sizeof(Entries) - sizeof(Entries[0])); }

int EntryCount()
{
    int r = 1;
    while (r < kEntryRows && Entries[r][1] != 0)
        ++r;
    return r - 1;
}

void EndEntries(int lines) { Entries[std::clamp(lines, 0, kMaxEntryLines) + 1][1] = 0; }

void SortEntries(int n)
{
    n = std::min(n, 7);
    if (n <= 1)
        return;
    const int count = EntryCount();
    for (int r = 1; r <= count; ++r) {
        std::int16_t* row = Entries[r];
        // Exchanges of neighbours: equal values never trade places.
        for (int i = 1; i <= n - 1; ++i)
            for (int j = n - 1; j >= i; --j)
                if (row[j + 1] < row[j])
                    std::swap(row[j], row[j + 1]);
    }
}

void DeleteEntry(int r)
{
    const int end = EntryCount() + 1; // the row that ends the list
    if (r < 1 || r >= end)
        return;
    for (int s = r; s < end; ++s)
        std::memcpy(&Entries[s][1], &Entries[s + 1][1], 9 * sizeof(std::int16_t));
    Entries[end - 1][1] = 0;
}

void ResetEntries()
{
    std::memset(Entries, 0, sizeof(Entries));
    std::memset(BallPool, 0, sizeof(BallPool));
    Busy = false;
}
