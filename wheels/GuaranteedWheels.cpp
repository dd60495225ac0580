#include "wheels/GuaranteedWheels.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <algorithm>
#include <utility>

namespace {

std::size_t FamilyIndex(WheelFamily family) { return std::size_t(family); }

} // namespace

QString GuaranteedHeading(WheelFamily family)
{
    static const std::array<QString, kGuaranteedFamilies> headings{"3-Match for 6", "3-Match for 3", "5-Match for 6"};
    return headings[FamilyIndex(family)];
}

QString GuaranteedPromise(WheelFamily family)
{
    static const std::array<QString, kGuaranteedFamilies> promises{
        "If the 6 numbers in the draw result are in your selection, you will get one or more 3-matches.",
        "If any 3 of the 6 draw numbers are in your selection, you will get one or more 3-matches.",
        "If the 6 numbers in the draw result are in your selection, you will get one or more 5-matches."};
    return promises[FamilyIndex(family)];
}

QStringList GuaranteedItems(WheelFamily family)
{
    QStringList items;
    for (const GuaranteedWheel& wheel : GuaranteedWheels(family))
        items << QString::fromLatin1(wheel.item.data(), qsizetype(wheel.item.size()));
    return items;
}

QString GuaranteedTable(WheelFamily family, int index)
{
    const GuaranteedWheel* wheel = FindGuaranteedWheel(family, index);
    return wheel ? QString::fromLatin1(wheel->letters.data(), qsizetype(wheel->letters.size())) : QString();
}

int ItemNumbers(const QString& item) { return int(Val(item)); }

QString PickNumbersText(const QString& item) { return "Pick" + Str(Val(item)) + " numbers."; }

QString UsesLinesText(const QString& item)
{
    const qsizetype slash = item.indexOf('/');
    const double lines = slash < 0 ? 0 : Val(item.mid(slash + 1));
    return "Uses" + Str(lines) + " lines.";
}

Refusal GuaranteedRefusal(int picked, int need, int maxBall, int ballsDrawn)
{
    if (picked != need)
        return {Str(picked) + " numbers picked. You need" + Str(need) + " for this wheel.    ", "Error"};
    if (need > maxBall)
        return {"Too many numbers for this lottery.    ", "Sorry!"};
    if (ballsDrawn < 5)
        return {"This method is not suitable for this lottery.    ", "Sorry!"};
    return {};
}

int PutPicksInPool(const std::vector<int>& picks)
{
    int count = 0;
    for (int number : picks) {
        if (count >= kBallPoolSize)
            break;
        BallPool[++count] = std::int16_t(number);
    }
    return count;
}

std::vector<int> RandomBoardPicks(int need, int top)
{
    top = std::clamp(top, 0, kBallPoolSize);
    FillBallPool(top);
    ShuffleBallPool(top);
    std::vector<int> picks;
    // Never more than the lottery has: the elements past it hold old work.
    for (int i = 1; i <= std::min(need, top); ++i)
        picks.push_back(BallPool[i]);
    std::sort(picks.begin(), picks.end());
    return picks;
}

void ShuffleOddPositions(int count)
{
    count = std::clamp(count, 0, kBallPoolSize);
    ShuffleBallPool(count, 2);
}

// ---- Three- and four-match wheels -------------------------------------------

QString MatchExplanation(bool fourMatch, const ThreeMatchWheel& wheel)
{
    QString opening;
    if (wheel.drawn == 6)
        opening = "If your numbers contain 6";
    else if (fourMatch)
        opening = QString("If your numbers contain %1 of the 6").arg(wheel.drawn);
    else
        opening = QString("If your numbers contain any %1 of the 6").arg(wheel.drawn);
    const QString promise = fourMatch
        ? " numbers in the lottery draw result,  you will match at least 4 in one or more lines. "
        : " numbers in the lottery draw result you will match at least 3 in one or more lines. ";
    return opening + promise + "This wheel requires" + Str(wheel.lines) + " lottery entries.";
}

QString MatchPickPrompt(int v) { return "   Pick" + Str(v) + " numbers:"; }

// ---- Wheel 49 ---------------------------------------------------------------

Refusal Wheel49Refusal(int ballsDrawn, int maxBall)
{
    if (ballsDrawn < 6 || maxBall < 49)
        return {"This method is not suitable for this lottery.  ", "Sorry!"};
    return {};
}

QString Wheel49Letters(const std::vector<std::int16_t>& positions)
{
    QString letters;
    letters.reserve(qsizetype(positions.size()));
    // A position out of 1 to 49 becomes a character before "A", which the
    // expansion refuses.
    for (int p : positions)
        letters += QChar(char16_t(p >= 1 && p <= 49 ? u'A' + p - 1 : u'?'));
    return letters;
}
