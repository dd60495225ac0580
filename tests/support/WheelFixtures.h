#pragma once
// Set-ups that the generator and wheel tests share: a lottery whose draws
// rank the numbers hot to cold, the player's numbers 1, 2, 3, ... in the
// pool, and the lines of Entries.

#include "generators/Entries.h"
#include "support/TestSupport.h"

#include <vector>

// A program folder holding "dbase100.txt", a 5/59 lottery with a 39-number
// extra ball: 7 drawn three times, 3 and 40 twice, 11 to 18 once; extra ball
// 30 twice and 2 once.
class HotDrawsFolder : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt",
                   DatabaseLines("US Powerball", "5,59,0,39,0",
                                 {"05 Mar 05,7,3,40,11,12,0,0,30", "02 Mar 05,7,3,40,13,14,0,0,30",
                                  "26 Feb 05,7,15,16,17,18,0,0,2"}));
    }
};

// The player's numbers 1 to count in BallPool elements 0 to count - 1.
inline void PoolOneTo(int count)
{
    for (int i = 0; i < count; ++i)
        BallPool[i] = std::int16_t(i + 1);
}

// The lines of Entries, each its first `columns` numbers.
inline std::vector<std::vector<int>> EntryLines(int columns)
{
    std::vector<std::vector<int>> out;
    for (int r = 1; r <= EntryCount(); ++r)
        out.emplace_back(Entries[r] + 1, Entries[r] + 1 + columns);
    return out;
}
