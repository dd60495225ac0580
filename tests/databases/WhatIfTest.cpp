#include "databases/SavedEntries.h"
#include "databases/WhatIfRule.h"
#include "BallRows.h"
#include "support/TestSupport.h"

#include <cstdint>

namespace {
// Draw rows 1.. as the open lottery holds them; row 0 unused.
struct DrawTable {
    std::int16_t rows[8][9] = {};
    int count = 0;
    void add(std::initializer_list<int> numbers, int last)
    {
        ++count;
        int i = 1;
        for (int n : numbers)
            rows[count][i++] = static_cast<std::int16_t>(n);
        rows[count][kExtraBallColumn] = static_cast<std::int16_t>(last);
    }
};
} // namespace

TEST(WhatIfTallyTest, LotteryWithoutBonusReportsMainMatchesOnly)
{
    DrawTable d;
    d.add({1, 2, 3, 4, 5}, 0);
    d.add({6, 7, 8, 9, 10}, 0);
    const auto lottery = Lottery(5, 39, 0, 0);
    // A four-number line: its empty fifth cell matches nothing.
    const auto t = WhatIfTally({Row({1, 2, 3, 6}), Row({20, 21, 22, 23, 24})}, d.rows, d.count, lottery);
    EXPECT_EQ(t[3], 1);
    EXPECT_EQ(t[1], 1);
    EXPECT_EQ(t[0], 2);
    EXPECT_EQ(WhatIfReport(t, d.count, lottery),
              "Your lottery entries were checked against 2 draw results:\r\n\r\n"
              " 5 - match = 0 times\r\n 4 - match = 0 times\r\n 3 - match = 1 times\r\n"
              " 2 - match = 0 times\r\n 1 - match = 1 times\r\n 0 - match = 2 times\r\n");
}

TEST(WhatIfTallyTest, BonusNumberMatchesAnyMainNumberOfTheLine)
{
    DrawTable d;
    d.add({1, 2, 3, 4, 5, 6}, 7);
    d.add({11, 12, 13, 14, 15, 16}, 1);
    const auto lottery = Lottery(6, 49, 0, 1);
    // Repeated numbers count once; a line never counts above its distinct numbers.
    const auto t = WhatIfTally({Row({1, 1, 7, 30, 31, 32})}, d.rows, d.count, lottery);
    EXPECT_EQ(t[11], 1); // draw 1: the 1 matches, the 7 is the bonus
    EXPECT_EQ(t[10], 1); // draw 2: the bonus 1 only
    EXPECT_EQ(WhatIfReport(t, d.count, lottery),
              "Your lottery entries were checked against 2 draw results:\r\n\r\n"
              " 6 - match = 0 times\r\n 5 - match = 0 times\r\n 4 - match = 0 times\r\n 3 - match = 0 times\r\n"
              " 2 - match = 0 times\r\n 1 - match = 0 times\r\n 0 - match = 0 times\r\n\r\n"
              " 6 - match + bonus = 0 times\r\n 5 - match + bonus = 0 times\r\n 4 - match + bonus = 0 times\r\n"
              " 3 - match + bonus = 0 times\r\n 2 - match + bonus = 0 times\r\n 1 - match + bonus = 1 times\r\n"
              " 0 - match + bonus = 1 times\r\n");
}

TEST(WhatIfTallyTest, ExtraBallMatchesOnlyTheLinesExtraBall)
{
    DrawTable d;
    d.add({5, 10, 15, 20, 25}, 3);
    d.add({3, 11, 12, 13, 14}, 0); // no extra ball recorded: an empty Pball must not match
    const auto lottery = Lottery(5, 69, 26, 0);
    const auto t = WhatIfTally({Row({3, 10, 15, 40, 41}, 3), Row({3, 10, 15, 40, 41})}, d.rows, d.count, lottery);
    EXPECT_EQ(t[12], 1); // line 1, draw 1
    EXPECT_EQ(t[1], 2);  // both lines, draw 2 (the 3)
    EXPECT_EQ(t[2], 1);  // line 2, draw 1
    const QString report = WhatIfReport(t, d.count, lottery);
    EXPECT_TRUE(report.endsWith(" 0 - match = 0 times\r\n\r\n"
                                " 5 - match + powerball = 0 times\r\n 4 - match + powerball = 0 times\r\n"
                                " 3 - match + powerball = 0 times\r\n 2 - match + powerball = 1 times\r\n"
                                " 1 - match + powerball = 0 times\r\n 0 - match + powerball = 0 times\r\n"));
    EXPECT_FALSE(report.contains("bonus"));
    // Every (line, draw) pair lands in exactly one tally, and a second run starts from 0.
    EXPECT_EQ(WhatIfTally({Row({3, 10, 15, 40, 41}, 3), Row({3, 10, 15, 40, 41})}, d.rows, d.count, lottery), t);
}

class SavedLinesTest : public ProgramFolderTest {};

TEST_F(SavedLinesTest, OnlyLinesOfTheLotteryNamedExactlyAreLoaded)
{
    writeLines(kSavedEntriesFile,
               {"05 Mar 05,3,11,19,27,38,45,,,UK Lotto,,dbase100.txt",
                "05 Mar 05,1,2,3,4,5,,,9,US Powerball,Bob,dbase069.txt",
                "05 Mar 05,7,8,9,10,11,12,,,uk lotto,,dbase100.txt",
                "05 Mar 05,4,5,6,7,8,9,,,UK Lotto,\"Ann, Bob\",dbase100.txt", // a quoted name may hold a comma
                "05 Mar 05,1,5,6,7,8,9,,,UK Lotto,Ann, Bob,dbase100.txt",     // thirteen fields: no entry anywhere
                "05 Mar 05,,5,6,7,8,9,,,UK Lotto,,dbase100.txt",              // no first number
                "garbage"});
    const auto lines = SavedLinesOf("UK Lotto", 998);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ(lines->at(0), Row({3, 11, 19, 27, 38, 45}));
    EXPECT_EQ(lines->at(1), Row({4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(SavedLinesOf("US Powerball", 998)->at(0), Row({1, 2, 3, 4, 5}, 9));
    // No more lines than asked for.
    EXPECT_EQ(*SavedLinesOf("UK Lotto", 1), std::vector<BallRow>({lines->at(0)}));
}
