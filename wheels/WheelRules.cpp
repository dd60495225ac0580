#include "wheels/WheelRules.h"

#include "generators/Entries.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// The BallPool element of the k-th number (from 0) that letter `letter`
// names; -1 when the letter names nothing the player gave.
int PoolIndex(QChar letter, int k, const WheelExpansion& how)
{
    const char16_t c = letter.unicode();
    if (c < u'A' || c > u'A' + kBallPoolSize)
        return -1;
    const int b = c - u'A';
    const int place = how.base.size * b + k; // counted from letter A's element
    if (place >= how.filled)
        return -1;
    const int index = how.base.first + place;
    return index >= 0 && index <= kBallPoolSize ? index : -1;
}

// A number 1..maxBall unlike the first `taken` columns of the row, drawn as
// the program always has (again and again until one differs); false when
// every number of the lottery is already in the row.
bool DrawFill(const std::int16_t* row, int taken, int maxBall, std::int16_t& out)
{
    auto inRow = [&](int v) {
        for (int c = 1; c <= taken; ++c)
            if (row[c] == v)
                return true;
        return false;
    };
    int firstFree = 0;
    for (int v = 1; v <= maxBall && firstFree == 0; ++v)
        if (!inRow(v))
            firstFree = v;
    if (firstFree == 0)
        return false;
    // With at least one free number the draws end at once in practice; the
    // bound only keeps a broken source from spinning for ever.
    for (int tries = 0; tries < 1000000; ++tries) {
        const int v = RandomNumber(maxBall);
        if (!inRow(v)) {
            out = std::int16_t(v);
            return true;
        }
    }
    out = std::int16_t(firstFree);
    return true;
}

} // namespace

QStringList WheelChunks(QStringView wheel, int w)
{
    QStringList chunks;
    if (w < 1)
        return chunks;
    for (qsizetype p = 0; p + w <= wheel.size(); p += w)
        chunks << wheel.mid(p, w).toString();
    return chunks;
}

WheelOutcome ExpandWheel(QStringView wheel, const WheelExpansion& how)
{
    WheelOutcome outcome;
    const int w = how.lettersPerLine;
    if (w < 1 || how.base.size < 1) {
        outcome.fault = WheelFault::BadLetter;
        return outcome;
    }
    const int lines = int(wheel.size() / w);
    if (lines > kMaxEntryLines) {
        ClearEntries();
        outcome.fault = WheelFault::TooManyLines;
        return outcome;
    }
    // Every letter is checked before a line is written.
    for (qsizetype p = 0; p < qsizetype(lines) * w; ++p)
        for (int k = 0; k < how.base.size; ++k)
            if (PoolIndex(wheel[p], k, how) < 0) {
                ClearEntries();
                outcome.fault = WheelFault::BadLetter;
                return outcome;
            }

    const int drawn = std::clamp(how.ballsDrawn, 0, 7);
    const int taken = std::min(w * how.base.size, drawn);
    const bool fill = how.fillColumn && drawn == taken + 1;
    for (int l = 1; l <= lines; ++l) {
        std::int16_t* row = Entries[l];
        int column = 0;
        for (int i = 0; i < w && column < taken; ++i) {
            const QChar letter = wheel[qsizetype(l - 1) * w + i];
            for (int k = 0; k < how.base.size && column < taken; ++k)
                row[++column] = BallPool[PoolIndex(letter, k, how)];
        }
        for (int c = taken + 1; c <= kExtraBallColumn; ++c)
            row[c] = 0;
        if (fill && !DrawFill(row, taken, how.maxBall, row[taken + 1])) {
            ClearEntries();
            outcome.fault = WheelFault::NoFreeNumber;
            return outcome;
        }
        if (how.extraBallMax > 0)
            row[kExtraBallColumn] = std::int16_t(RandomNumber(how.extraBallMax));
    }
    EndEntries(lines);
    outcome.lines = lines;
    return outcome;
}

BoxReading ReadNumberBoxes(const QStringList& texts, const std::vector<bool>& inUse, int maxBall)
{
    BoxReading reading;
    const int n = int(std::min<qsizetype>(texts.size(), kBallPoolSize + 1));
    for (int i = 0; i < n; ++i) {
        const bool used = i < int(inUse.size()) && inUse[std::size_t(i)];
        if (!used) {
            BallPool[i] = 0;
            reading.emptied.push_back(i);
            continue;
        }
        const double value = Val(texts[i]);
        if (value > maxBall || value < 1) {
            reading.ok = false;
            BallPool[i] = 0;
        } else {
            BallPool[i] = ToCell(value);
        }
    }
    return reading;
}

bool RepeatsANumber(const QStringList& texts, const std::vector<bool>& inUse)
{
    std::set<int> seen;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (std::size_t(i) >= inUse.size() || !inUse[std::size_t(i)])
            continue;
        const double value = Val(texts[i]);
        if (value < 1)
            continue;
        if (!seen.insert(ToCell(value)).second)
            return true;
    }
    return false;
}

bool BoxFitsLottery(const QString& text, int maxBall)
{
    const double value = Val(text);
    return value >= 1 && value <= maxBall;
}

void RandomSelection(QStringList& texts, const std::vector<bool>& inUse, int maxBall)
{
    if (maxBall < 1)
        return; // no lottery to pick from
    const int m = std::min(maxBall, kBallPoolSize);
    FillBallPool(m);
    ShuffleBallPool(m);
    for (int i = 0; i < int(texts.size()); ++i) {
        if (i >= int(inUse.size()) || !inUse[std::size_t(i)])
            continue;
        // A lottery with fewer numbers than boxes in use has none for the rest.
        texts[i] = i + 1 <= m ? QString::number(BallPool[i + 1]) : QString();
    }
}

void RandomOrder(QStringList& texts, OrderWriteBack writeBack)
{
    const int n = int(std::min<qsizetype>(texts.size(), kBallPoolSize + 1));
    int last = 0;
    for (int i = 0; i < n; ++i) {
        BallPool[i] = CellFromText(texts[i]);
        if (BallPool[i] > 0)
            last = i;
    }
    for (int i = 0; i <= last; ++i) {
        const int j = int(Rnd() * last);
        std::swap(BallPool[i], BallPool[j]);
    }
    const int end = writeBack == OrderWriteBack::UpToLastShowingZero ? std::min(last + 1, n) : n;
    for (int i = 0; i < end; ++i) {
        if (writeBack == OrderWriteBack::UpToLastShowingZero)
            texts[i] = QString::number(BallPool[i]);
        else
            texts[i] = BallPool[i] < 1 ? QString() : QString::number(BallPool[i]);
    }
}
