#include "generators/AverageNumbers.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstdint>

std::vector<int> DrawAverages(int k)
{
    k = std::clamp(k, 0, 7);
    const int draws = DrawCount();
    if (draws == 0)
        return {};
    std::vector<int> averages(std::size_t(k) + 1, 0);
    for (int c = 1; c <= k; ++c) {
        std::int32_t sum = 0;
        for (int d = 1; d <= draws; ++d)
            sum += Draws[d][c];
        averages[std::size_t(c)] = sum / draws;
    }
    return averages;
}

void AverageLines(const std::vector<int>& averages, int lines)
{
    const int k = std::min(std::clamp(BallsDrawn, 0, 7), int(averages.size()) - 1), n = MaxBall, e = ExtraBallMax;
    lines = std::clamp(lines, 0, kMaxEntryLines);
    for (int r = 1; r <= lines; ++r) {
        for (int c = 1; c <= k; ++c) {
            const int v = averages[std::size_t(c)] + RandomNumber(3) - 2;
            Entries[r][c] = std::int16_t(std::clamp(v, 1, std::max(n, 1)));
        }
        if (e > 0)
            Entries[r][kExtraBallColumn] = std::int16_t(RandomNumber(e));
    }
    EndEntries(lines);
}

bool CheckDuplicate(int k)
{
    k = std::clamp(k, 0, 7);
    const int lines = EntryCount();
    for (int r = 1; r <= lines; ++r)
        for (int a = 1; a < k; ++a)
            for (int b = a + 1; b <= k; ++b)
                if (Entries[r][a] == Entries[r][b])
                    return false;
    return true;
}

void MendRepeatedNumbers(const std::vector<int>& averages)
{
    const int k = std::min(std::clamp(BallsDrawn, 0, 7), int(averages.size()) - 1), n = MaxBall;
    if (k > n)
        return;
    const int lines = EntryCount();
    for (int r = 1; r <= lines; ++r) {
        auto taken = [&](int v, int before) {
            for (int c = 1; c < before; ++c)
                if (Entries[r][c] == v)
                    return true;
            return false;
        };
        for (int c = 2; c <= k; ++c) {
            if (!taken(Entries[r][c], c))
                continue;
            const int average = averages[std::size_t(c)];
            for (int d = 0; d <= n; ++d) {
                const int up = average + d, down = average - d;
                if (up >= 1 && up <= n && !taken(up, c)) {
                    Entries[r][c] = std::int16_t(up);
                    break;
                }
                if (down >= 1 && down <= n && !taken(down, c)) {
                    Entries[r][c] = std::int16_t(down);
                    break;
                }
            }
        }
    }
}
