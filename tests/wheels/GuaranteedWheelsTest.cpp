// The rules of the guaranteed win, three- and four-match and wheel 49
// windows, without a window: texts, refusals, random picks, shuffles and the
// expansion of letters and positions into lines.
#include "generators/Entries.h"
#include "platform/Random.h"
#include "wheels/GuaranteedWheels.h"
#include "wheels/WheelRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::vector<int> Line(int r, int columns = 6)
{
    std::vector<int> line;
    for (int c = 1; c <= columns; ++c)
        line.push_back(Entries[r][c]);
    return line;
}

bool IsPermutation(int from, int to, int first)
{
    std::vector<int> values;
    for (int i = from; i <= to; ++i)
        values.push_back(BallPool[i]);
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] != first + int(i))
            return false;
    return true;
}

} // namespace

TEST(GuaranteedRules, ListTextsAndTheNumbersTheyName)
{
    const QStringList sixes = GuaranteedItems(WheelFamily::ThreeForSix);
    ASSERT_EQ(sixes.size(), 20);
    EXPECT_EQ(GuaranteedItems(WheelFamily::ThreeForThree).size(), 10);
    EXPECT_EQ(GuaranteedItems(WheelFamily::FiveForSix).size(), 2);
    EXPECT_EQ(PickNumbersText(sixes[0]), "Pick 21 numbers.");
    EXPECT_EQ(UsesLinesText(sixes[0]), "Uses 15 lines.");
    EXPECT_EQ(PickNumbersText(sixes.last()), "Pick 48 numbers.");
    EXPECT_EQ(UsesLinesText(sixes.last()), "Uses 165 lines.");
    EXPECT_EQ(ItemNumbers("13 numbers / 116 lines"), 13);
    EXPECT_EQ(UsesLinesText("13 numbers / 116 lines"), "Uses 116 lines.");
    // Counts and line counts rise through each list.
    for (int f = 0; f < kGuaranteedFamilies; ++f) {
        const QStringList items = GuaranteedItems(WheelFamily(f));
        for (int i = 1; i < items.size(); ++i)
            EXPECT_LT(ItemNumbers(items[i - 1]), ItemNumbers(items[i])) << items[i].toStdString();
    }
    EXPECT_EQ(GuaranteedHeading(WheelFamily::FiveForSix), "5-Match for 6");
    EXPECT_EQ(GuaranteedPromise(WheelFamily::ThreeForThree),
              "If any 3 of the 6 draw numbers are in your selection, you will get one or more 3-matches.");
}

TEST(GuaranteedRules, RefusalsComeInOrderWithTheirTexts)
{
    Refusal r = GuaranteedRefusal(5, 21, 49, 6);
    EXPECT_EQ(r.text, " 5 numbers picked. You need 21 for this wheel.    ");
    EXPECT_EQ(r.title, "Error");
    // The count comes first, even on a lottery that could not play the wheel.
    EXPECT_EQ(GuaranteedRefusal(0, 8, 5, 3).text, " 0 numbers picked. You need 8 for this wheel.    ");
    r = GuaranteedRefusal(48, 48, 45, 6);
    EXPECT_EQ(r.text, "Too many numbers for this lottery.    ");
    EXPECT_EQ(r.title, "Sorry!");
    r = GuaranteedRefusal(8, 8, 49, 4);
    EXPECT_EQ(r.text, "This method is not suitable for this lottery.    ");
    EXPECT_EQ(r.title, "Sorry!");
    EXPECT_FALSE(GuaranteedRefusal(8, 8, 35, 5).refused());
    EXPECT_FALSE(Wheel49Refusal(7, 49).refused());
}

TEST(GuaranteedRules, RandomPicksAreDifferentNumbersOfTheLottery)
{
    RandomizeSeed(17);
    std::vector<int> picks = RandomBoardPicks(21, 49);
    ASSERT_EQ(picks.size(), 21u);
    EXPECT_TRUE(std::is_sorted(picks.begin(), picks.end()));
    EXPECT_EQ(std::set<int>(picks.begin(), picks.end()).size(), 21u);
    EXPECT_GE(picks.front(), 1);
    EXPECT_LE(picks.back(), 49);
    // A wheel bigger than the lottery gets every number it has, and no
    // leftover of earlier work.
    BallPool[40] = 77;
    picks = RandomBoardPicks(48, 39);
    EXPECT_EQ(picks.size(), 39u);
    EXPECT_EQ(picks.back(), 39);
    EXPECT_EQ(PutPicksInPool(picks), 39);
    EXPECT_TRUE(IsPermutation(1, 39, 1));
}

TEST(GuaranteedRules, OddPositionShuffleKeepsThePlayersNumbers)
{
    for (int i = 1; i <= 21; ++i)
        BallPool[i] = std::int16_t(100 - i);
    BallPool[22] = 5;
    RandomizeSeed(3);
    ShuffleOddPositions(21);
    EXPECT_TRUE(IsPermutation(1, 21, 79));
    EXPECT_EQ(BallPool[22], 5); // past the count: untouched
    std::vector<int> first(BallPool + 1, BallPool + 22);
    // The next try starts from where this one left the order.
    ShuffleOddPositions(21);
    EXPECT_NE(std::vector<int>(BallPool + 1, BallPool + 22), first);
    // The same seed gives the same order.
    for (int i = 1; i <= 21; ++i)
        BallPool[i] = std::int16_t(100 - i);
    RandomizeSeed(3);
    ShuffleOddPositions(21);
    EXPECT_EQ(std::vector<int>(BallPool + 1, BallPool + 22), first);
}

TEST(GuaranteedRules, LettersPastZNameTheLargerWheelsNumbers)
{
    // The 48-number wheels name their numbers up to "p", counted from
    // BallPool element 1.
    for (int i = 1; i <= 48; ++i)
        BallPool[i] = std::int16_t(i + 1);
    WheelExpansion how;
    how.lettersPerLine = 6;
    how.base = LetterBase::Pool(1);
    how.filled = 48;
    how.ballsDrawn = 6;
    how.maxBall = 49;
    ClearEntries();
    ASSERT_TRUE(ExpandWheel(uR"(AZ[\]^`abcdp)", how).ok());
    EXPECT_EQ(EntryCount(), 2);
    EXPECT_EQ(Line(1), (std::vector<int>{2, 27, 28, 29, 30, 31}));
    EXPECT_EQ(Line(2), (std::vector<int>{33, 34, 35, 36, 37, 49}));
    // A letter past the numbers given is refused.
    how.filled = 47;
    EXPECT_FALSE(ExpandWheel(uR"(AZ[\]^`abcdp)", how).ok());
    // The five-number lottery keeps the first five letters of each line.
    how.filled = 48;
    how.ballsDrawn = 5;
    ASSERT_TRUE(ExpandWheel(u"ABCDEFGHIJKL", how).ok());
    EXPECT_EQ(Line(2), (std::vector<int>{8, 9, 10, 11, 12, 0}));
}

TEST(ThreeMatchRules, TextsOfTheWheels)
{
    const auto three = ThreeMatchWheels(0);
    const auto four = ThreeMatchWheels(1);
    ASSERT_EQ(three.size(), 13u);
    ASSERT_EQ(four.size(), 14u);
    EXPECT_EQ(three[0].item, " 6 from 20");
    EXPECT_EQ(MatchExplanation(false, three[0]),
              "If your numbers contain 6 numbers in the lottery draw result you will match at least 3 in one or more "
              "lines. This wheel requires 10 lottery entries.");
    EXPECT_TRUE(MatchExplanation(false, three[6]).startsWith("If your numbers contain any 3 of the 6 numbers"));
    EXPECT_TRUE(MatchExplanation(false, three[12]).startsWith("If your numbers contain any 5 of the 6 numbers"));
    EXPECT_EQ(MatchExplanation(true, four[3]),
              "If your numbers contain 4 of the 6 numbers in the lottery draw result,  you will match at least 4 in "
              "one or more lines. This wheel requires 20 lottery entries.");
    EXPECT_TRUE(MatchExplanation(true, four[4]).startsWith("If your numbers contain 5 of the 6 numbers"));
    EXPECT_TRUE(MatchExplanation(true, four[13]).startsWith("If your numbers contain 6 numbers"));
    EXPECT_EQ(MatchPickPrompt(7), "   Pick 7 numbers:");
}

TEST(Wheel49Rules, APositionOutOfRangeIsNoLetterTheExpansionTakes)
{
    EXPECT_EQ(Wheel49Letters({1, 26, 27, 48, 49}), "AZ[pq");
    EXPECT_EQ(Wheel49Letters({0, 50}), "??");
}
