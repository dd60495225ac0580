#include "wheels/CreateWheel.h"

#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <algorithm>

int RingLineCount(int n, int step, int lastStart)
{
    if (n < 1 || step < 1 || lastStart < 0)
        return 0;
    lastStart = std::min(lastStart, n - 1);
    return lastStart / step + 1;
}

int RingLines(const std::int16_t* numbers, int n, int k, int step, int lastStart)
{
    if (k < 1 || k > n || k > 7) {
        EndEntries(0);
        return 0;
    }
    const int lines = std::min(RingLineCount(n, step, lastStart), kMaxEntryLines);
    for (int r = 1; r <= lines; ++r) {
        int place = (r - 1) * step;
        for (int c = 1; c <= k; ++c) {
            Entries[r][c] = numbers[place];
            place = (place + 1) % n;
        }
    }
    EndEntries(lines);
    return lines;
}

int CreateWheelLineCount(int count, int interval)
{
    if (count < 1 || interval < 1)
        return 0;
    return (count - 1) / interval + 1;
}

bool CreateWheelInputOK(const QStringList& activeBoxes, int maxBall)
{
    return std::all_of(activeBoxes.begin(), activeBoxes.end(), [maxBall](const QString& text) {
        const int number = CellFromText(text);
        return number >= 1 && number <= maxBall;
    });
}

int CreateWheelLines(int count, int interval, int k, int extraBallMax)
{
    ClearEntries();
    count = std::clamp(count, 0, kCreateWheelBoxes);
    const int lines = RingLines(BallPool, count, k, interval, count - 1);
    if (extraBallMax > 0)
        for (int r = 1; r <= lines; ++r)
            Entries[r][kExtraBallColumn] = std::int16_t(RandomNumber(extraBallMax));
    return lines;
}
