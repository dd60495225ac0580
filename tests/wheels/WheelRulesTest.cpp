// The stored wheels against the promises they make, the expansion of a wheel
// into lines, and the box rules, all without a window.
#include "generators/Entries.h"
#include "platform/Random.h"
#include "wheels/WheelRules.h"
#include "wheels/WheelTables.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

namespace {

using Line = std::vector<int>;

std::vector<Line> Lines(int columns)
{
    std::vector<Line> lines;
    for (int r = 1; r <= kMaxEntryLines && Entries[r][1] != 0; ++r) {
        Line line;
        for (int c = 1; c <= columns; ++c)
            line.push_back(Entries[r][c]);
        lines.push_back(line);
    }
    return lines;
}

WheelExpansion Expansion(int w, LetterBase base, int filled)
{
    WheelExpansion how;
    how.lettersPerLine = w;
    how.base = base;
    how.filled = filled;
    return how;
}

void FillPool(const std::vector<int>& numbers)
{
    for (std::size_t i = 0; i < numbers.size(); ++i)
        BallPool[i] = std::int16_t(numbers[i]);
}

// How many lines of the wheel hold both letters a and b.
std::map<std::pair<QChar, QChar>, int> Meetings(const QStringList& chunks)
{
    std::map<std::pair<QChar, QChar>, int> met;
    for (const QString& chunk : chunks)
        for (qsizetype i = 0; i < chunk.size(); ++i)
            for (qsizetype j = i + 1; j < chunk.size(); ++j)
                ++met[{std::min(chunk[i], chunk[j]), std::max(chunk[i], chunk[j])}];
    return met;
}

// Every line of two letters joins two different letters of the first
// `letters`, the earlier first, the lines in dictionary order, and every two
// letters meet in exactly one line.
void ExpectEveryTwoMeetOnce(QStringView wheel, int letters)
{
    const QStringList chunks = WheelChunks(wheel, 2);
    EXPECT_EQ(wheel.size() % 2, 0);
    EXPECT_EQ(chunks.size(), letters * (letters - 1) / 2);
    QStringList sorted = chunks;
    sorted.sort();
    EXPECT_EQ(chunks, sorted) << "lines not in dictionary order";
    std::set<QChar> used;
    for (const QString& chunk : chunks) {
        EXPECT_LT(chunk[0], chunk[1]) << chunk.toStdString();
        for (QChar c : chunk) {
            EXPECT_GE(c, QChar('A'));
            EXPECT_LT(c.unicode(), u'A' + letters) << chunk.toStdString();
            used.insert(c);
        }
    }
    EXPECT_EQ(int(used.size()), letters);
    const auto met = Meetings(chunks);
    for (int a = 0; a < letters; ++a)
        for (int b = a + 1; b < letters; ++b) {
            const auto it = met.find({QChar(u'A' + a), QChar(u'A' + b)});
            EXPECT_TRUE(it != met.end() && it->second == 1) << char('A' + a) << char('A' + b);
        }
}

} // namespace

// The triplet wheels join every two of 3 to 8 groups once, the two-pair
// wheels every two of 4 to 9 pairs.
TEST(WheelTables, TripletAndTwoPairWheelsJoinEveryTwoOnce)
{
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        ExpectEveryTwoMeetOnce(kTripletWheels[std::size_t(i)], 3 + i);
        ExpectEveryTwoMeetOnce(kTwoPairWheels[std::size_t(i)], 4 + i);
    }
}

TEST(WheelTables, ThreePairWheelsHoldTheLastPairBesideEveryTwoOthers)
{
    const int lines[6] = {3, 6, 10, 15, 21, 28};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const int pairs = 4 + i;
        const QChar last(u'A' + pairs - 1);
        const QStringView wheel = kThreePairWheels[std::size_t(i)];
        EXPECT_EQ(wheel.size() % 3, 0);
        const QStringList chunks = WheelChunks(wheel, 3);
        EXPECT_EQ(chunks.size(), lines[i]);
        QString others;
        for (const QString& chunk : chunks) {
            EXPECT_EQ(chunk[2], last) << chunk.toStdString();
            others += chunk.left(2);
        }
        // The two other pairs of each line follow the two-pair rule over the
        // first pairs - 1 letters.
        ExpectEveryTwoMeetOnce(others, pairs - 1);
    }
}

TEST(WheelExpansion, TripletExamplesForEachPickSize)
{
    ResetEntries();
    FillPool({1, 2, 3, 4, 5, 6, 7, 8, 9});
    WheelExpansion how = Expansion(2, LetterBase::Blocks(3), 9);
    how.ballsDrawn = 6;
    ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    SortEntries(6);
    EXPECT_EQ(Lines(8),
              (std::vector<Line>{{1, 2, 3, 4, 5, 6, 0, 0}, {1, 2, 3, 7, 8, 9, 0, 0}, {4, 5, 6, 7, 8, 9, 0, 0}}));

    ClearEntries();
    how.ballsDrawn = 4;
    ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    SortEntries(4);
    EXPECT_EQ(Lines(8),
              (std::vector<Line>{{1, 2, 3, 4, 0, 0, 0, 0}, {1, 2, 3, 7, 0, 0, 0, 0}, {4, 5, 6, 7, 0, 0, 0, 0}}));

    // Pick 5 plays the first two numbers of the second group.
    ClearEntries();
    how.ballsDrawn = 5;
    ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    EXPECT_EQ(Lines(6), (std::vector<Line>{{1, 2, 3, 4, 5, 0}, {1, 2, 3, 7, 8, 0}, {4, 5, 6, 7, 8, 0}}));

    // Pick 7: a seventh number of the lottery unlike the six; extra balls.
    RandomizeSeed(7);
    for (int round = 0; round < 50; ++round) {
        ClearEntries();
        how.ballsDrawn = 7;
        how.maxBall = 10;
        how.extraBallMax = 3;
        ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
        for (const Line& line : Lines(8)) {
            const std::set<int> seven(line.begin(), line.begin() + 7);
            EXPECT_EQ(seven.size(), 7u);
            EXPECT_GE(line[6], 1);
            EXPECT_LE(line[6], 10);
            EXPECT_GE(line[kExtraBallColumn - kFirstNumberColumn], 1);
            EXPECT_LE(line[kExtraBallColumn - kFirstNumberColumn], 3);
        }
    }
}

// Entries is not cleared before an expansion: the lines written lose the
// extra balls and numbers of the lines they replace.
TEST(WheelExpansion, WrittenLinesKeepNothingOfTheLinesBefore)
{
    ResetEntries();
    FillPool({1, 2, 3, 4, 5, 6, 7, 8, 9});
    WheelExpansion how = Expansion(2, LetterBase::Blocks(3), 9);
    how.extraBallMax = 3;
    ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    ASSERT_GE(Entries[1][kExtraBallColumn], 1);
    how.extraBallMax = 0;
    how.ballsDrawn = 4;
    ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    EXPECT_EQ(Lines(8),
              (std::vector<Line>{{1, 2, 3, 4, 0, 0, 0, 0}, {1, 2, 3, 7, 0, 0, 0, 0}, {4, 5, 6, 7, 0, 0, 0, 0}}));
}

TEST(WheelExpansion, PairExamples)
{
    ResetEntries();
    FillPool({1, 2, 3, 4, 5, 6, 7, 8});
    WheelExpansion how = Expansion(3, LetterBase::Blocks(2), 8);
    ASSERT_TRUE(ExpandWheel(kThreePairWheels[0], how).ok());
    EXPECT_EQ(Lines(6), (std::vector<Line>{{1, 2, 3, 4, 7, 8}, {1, 2, 5, 6, 7, 8}, {3, 4, 5, 6, 7, 8}}));

    ClearEntries();
    how.lettersPerLine = 2;
    how.ballsDrawn = 4;
    ASSERT_TRUE(ExpandWheel(kTwoPairWheels[0], how).ok());
    EXPECT_EQ(
        Lines(5),
        (std::vector<Line>{
            {1, 2, 3, 4, 0}, {1, 2, 5, 6, 0}, {1, 2, 7, 8, 0}, {3, 4, 5, 6, 0}, {3, 4, 7, 8, 0}, {5, 6, 7, 8, 0}}));

    ClearEntries();
    how.ballsDrawn = 5;
    ASSERT_TRUE(ExpandWheel(kTwoPairWheels[0], how).ok());
    const auto lines = Lines(5);
    ASSERT_EQ(lines.size(), 6u);
    for (const Line& line : lines)
        EXPECT_EQ(std::set<int>(line.begin(), line.end()).size(), 5u);
}

TEST(WheelExpansion, RepeatedNumbersStandTwiceAndAFullLineRefuses)
{
    ResetEntries();
    FillPool({5, 5, 6, 1, 2, 3, 7, 8, 9});
    WheelExpansion how = Expansion(2, LetterBase::Blocks(3), 9);
    ASSERT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    EXPECT_EQ(Lines(6)[0], (Line{5, 5, 6, 1, 2, 3}));

    // A seven-number line whose six numbers are every number the lottery has
    // leaves no number for the seventh: refused, nothing kept.
    FillPool({1, 2, 3, 4, 5, 6, 1, 2, 3});
    how.ballsDrawn = 7;
    how.maxBall = 6;
    const WheelOutcome outcome = ExpandWheel(kTripletWheels[0], how);
    EXPECT_EQ(outcome.fault, WheelFault::NoFreeNumber);
    EXPECT_EQ(EntryCount(), 0);

    // Three numbers of one group repeated still leave room.
    how.maxBall = 7;
    EXPECT_TRUE(ExpandWheel(kTripletWheels[0], how).ok());
    EXPECT_EQ(Entries[1][7], 7);
}

TEST(WheelExpansion, LettersNamingNothingGivenAreRefused)
{
    ResetEntries();
    FillPool({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    // Only nine numbers were given: the twelve-number wheel reads group D.
    WheelExpansion how = Expansion(2, LetterBase::Blocks(3), 9);
    EXPECT_EQ(ExpandWheel(kTripletWheels[1], how).fault, WheelFault::BadLetter);
    EXPECT_EQ(EntryCount(), 0);
    EXPECT_EQ(ExpandWheel(u"AB?C", how).fault, WheelFault::BadLetter);
    // One box a letter, counted from BallPool(1).
    how = Expansion(3, LetterBase::Pool(1), 4);
    BallPool[0] = 99;
    ASSERT_TRUE(ExpandWheel(u"ABCBCD", how).ok());
    EXPECT_EQ(Lines(3), (std::vector<Line>{{2, 3, 4}, {3, 4, 5}}));
    // More lines than the table holds.
    EXPECT_EQ(ExpandWheel(QString(600, 'A'), how).fault, WheelFault::TooManyLines);
}

TEST(NumberBoxes, GenerateReadsEveryBoxAndEmptiesTheGreyOnes)
{
    ResetEntries();
    const std::vector<bool> used{true, true, true, false, false};
    BoxReading r = ReadNumberBoxes({"1", "49", "7", "99", ""}, used, 49);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.emptied, (std::vector<int>{3, 4}));
    EXPECT_EQ(BallPool[1], 49);
    EXPECT_EQ(BallPool[3], 0);
    EXPECT_FALSE(ReadNumberBoxes({"1", "", "7", "", ""}, used, 49).ok);
    EXPECT_FALSE(ReadNumberBoxes({"1", "0", "7", "", ""}, used, 49).ok);
    EXPECT_FALSE(ReadNumberBoxes({"1", "50", "7", "", ""}, used, 49).ok);
    EXPECT_FALSE(ReadNumberBoxes({"1", "99999999999999999999", "7", "", ""}, used, 49).ok);

    EXPECT_TRUE(BoxFitsLottery("35", 35));
    EXPECT_FALSE(BoxFitsLottery("36", 35));
    EXPECT_FALSE(BoxFitsLottery("", 35));
}

TEST(NumberBoxes, RandomSelectionFillsOnlyTheBoxesInUse)
{
    RandomizeSeed(11);
    std::vector<bool> used(24, false);
    for (int i = 0; i < 9; ++i)
        used[std::size_t(i)] = true;
    QStringList texts(24);
    texts[20] = "42";
    RandomSelection(texts, used, 49);
    std::set<int> numbers;
    for (int i = 0; i < 9; ++i) {
        const int v = texts[i].toInt();
        EXPECT_TRUE(v >= 1 && v <= 49) << texts[i].toStdString();
        numbers.insert(v);
    }
    EXPECT_EQ(numbers.size(), 9u);
    EXPECT_EQ(texts[9], "");
    EXPECT_EQ(texts[20], "42");

    // A lottery of five numbers fills five boxes and empties the rest.
    RandomSelection(texts, used, 5);
    numbers.clear();
    for (int i = 0; i < 5; ++i)
        numbers.insert(texts[i].toInt());
    EXPECT_EQ(numbers, (std::set<int>{1, 2, 3, 4, 5}));
    for (int i = 5; i < 9; ++i)
        EXPECT_EQ(texts[i], "");
}

TEST(NumberBoxes, RandomOrderMovesNumbersAndGapsUpToTheLastNumber)
{
    RandomizeSeed(3);
    bool gapMoved = false;
    for (int round = 0; round < 40; ++round) {
        QStringList texts{"10", "20", "", "", "40", "", "", ""};
        RandomOrder(texts);
        QStringList head = texts.mid(0, 5);
        head.sort();
        EXPECT_EQ(head, (QStringList{"", "", "10", "20", "40"}));
        EXPECT_EQ(texts.mid(5), (QStringList{"", "", ""}));
        gapMoved = gapMoved || texts[2] != "" || texts[3] != "";
    }
    EXPECT_TRUE(gapMoved);

    QStringList empty(6);
    RandomOrder(empty);
    EXPECT_EQ(empty, QStringList(6));

    QStringList texts{"10", "20", "", "30", "", "77"};
    texts[5] = "";
    RandomOrder(texts, OrderWriteBack::UpToLastShowingZero);
    QStringList head = texts.mid(0, 4);
    head.sort();
    EXPECT_EQ(head, (QStringList{"0", "10", "20", "30"}));
    EXPECT_EQ(texts[4], "");
}
