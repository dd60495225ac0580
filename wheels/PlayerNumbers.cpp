#include "wheels/PlayerNumbers.h"

#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <algorithm>
#include <utility>

QStringList RandomSelectionTexts(int boxes, int maxBall)
{
    const int n = std::clamp(maxBall, 0, kBallPoolSize + 1);
    for (int i = 0; i < n; ++i)
        BallPool[i] = std::int16_t(i + 1);
    for (int i = 0; i < n; ++i)
        std::swap(BallPool[i], BallPool[int(Rnd() * n)]);
    QStringList texts;
    for (int i = 0; i < boxes; ++i)
        texts << (i < n ? QString::number(BallPool[i]) : QString());
    return texts;
}

QStringList RandomOrderTexts(const QStringList& boxes)
{
    const int count = std::min(int(boxes.size()), kBallPoolSize + 1);
    if (count == 0)
        return {};
    int last = 0;
    for (int i = 0; i < count; ++i) {
        BallPool[i] = CellFromText(boxes[i]);
        if (BallPool[i] > 0)
            last = i;
    }
    // The last place is never drawn: the range is `last` values.
    for (int i = 0; i <= last; ++i)
        std::swap(BallPool[i], BallPool[int(Rnd() * last)]);
    QStringList texts;
    for (int i = 0; i <= last; ++i)
        texts << (BallPool[i] == 0 ? QString() : QString::number(BallPool[i]));
    return texts;
}
