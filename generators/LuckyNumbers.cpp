#include "generators/LuckyNumbers.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace {
constexpr int kPool = 50;      // the numbers shuffled, whatever the lottery
constexpr int kShown = 15;     // lucky numbers shown
constexpr int kWheelCycle = 8; // lines starting at 1 to 8 run round lucky numbers 1 to 8
constexpr int kLastStart = 9;

std::int32_t DateSum(const QDate& date) { return date.day() + date.month() + date.year(); }
} // namespace

std::optional<std::int32_t> NameSeed(const QString& name, const QDate& birth)
{
    const QString upper = name.trimmed().toUpper();
    if (upper.isEmpty())
        return std::nullopt;
    std::int32_t seed = DateSum(birth);
    for (const char32_t c : upper.toUcs4())
        if (c != U' ')
            seed += Windows1252Code(c);
    return seed * 2 + 1;
}

std::int32_t StarSignSeed(int birthDayIndex, int signIndex, const QDate& drawDate)
{
    const std::int32_t seed = 13 * birthDayIndex + 19 * signIndex + DateSum(drawDate);
    return seed * 2 + 1;
}

int LuckyNumbersNeeded(int k, int wheelType)
{
    int needed = 0;
    for (int s = 1; s <= kLastStart; s += wheelType)
        needed = std::max(needed, s == kLastStart ? kLastStart + k - 1 : std::min(s + k - 1, kWheelCycle));
    return needed;
}

LuckyWheel LuckyWheelLines(std::int32_t seed, int wheelType, LuckySource source)
{
    const int k = std::clamp(BallsDrawn, 0, 7), n = MaxBall, e = std::min(ExtraBallMax, kBallPoolSize);
    const int t = std::clamp(wheelType, 1, 3);
    RandomizeSeed(std::uint32_t(seed));
    FillBallPool(kPool);
    ShuffleBallPool(kPool);

    LuckyWheel wheel;
    QStringList shown;
    for (int i = 1; i <= kShown; ++i)
        shown << " " + QString::number(BallPool[i]);
    wheel.text = " Your lucky numbers:" + shown.join(',');
    const int places = source == LuckySource::Numerology ? kPool : kPool - 1;
    const std::size_t keep = source == LuckySource::Numerology ? 20 : 49;
    for (int i = 1; i <= places && wheel.numbers.size() < keep; ++i)
        if (BallPool[i] <= n)
            wheel.numbers.push_back(BallPool[i]);
    if (int(wheel.numbers.size()) < LuckyNumbersNeeded(k, t))
        return wheel;
    wheel.served = true;

    ClearEntries();
    int r = 0;
    for (int s = 1; s <= kLastStart; s += t) {
        ++r;
        int j = s;
        for (int c = 1; c <= k; ++c) {
            Entries[r][c] = std::int16_t(wheel.numbers[std::size_t(j - 1)]);
            if (++j == kLastStart)
                j = 1;
        }
    }
    EndEntries(r);
    if (e > 0)
        for (int line = 1; line <= r; ++line)
            Entries[line][kExtraBallColumn] = std::int16_t(RandomNumber(e));
    SortEntries(k);
    return wheel;
}
