#pragma once
// The small lottery the analysis tests work by hand: twelve 6/49 draws with a
// bonus ball, newest first, with ties among the counts.

#include "support/TestSupport.h"

#include <QString>
#include <QStringList>
#include <vector>

struct TestDraw {
    std::vector<int> numbers; // in draw order
    int extra = 0;            // column 8
};

// Row 1 (the newest) first. Counts: 7, 14 and 24 four times; 3, 19 and 49
// three times; 1, 2, 12, 22, 26, 30, 33, 35, 40 and 44 twice; 13 and 23 never;
// every other number once. Bonus balls: 10 three times, 3 and 12 twice.
inline const std::vector<TestDraw> kTwelveDraws = {
    {{3, 7, 14, 19, 26, 35}, 10},  {{41, 7, 1, 49, 24, 30}, 3},   {{7, 12, 24, 33, 40, 45}, 19},
    {{2, 3, 14, 22, 38, 47}, 7},   {{5, 11, 19, 24, 29, 44}, 12}, {{3, 8, 16, 25, 31, 42}, 10},
    {{9, 14, 20, 27, 36, 48}, 1},  {{6, 12, 21, 28, 34, 43}, 10}, {{4, 15, 22, 30, 37, 46}, 2},
    {{10, 17, 18, 32, 39, 49}, 3}, {{1, 7, 14, 24, 35, 49}, 12},  {{2, 19, 26, 33, 40, 44}, 5},
};

// Draw lines of a database file: "01 Jan 05,n1,...,n7,extra", empty columns
// for the numbers a lottery does not draw.
inline QStringList DrawLinesOf(const std::vector<TestDraw>& draws)
{
    QStringList lines;
    for (const TestDraw& d : draws) {
        QStringList fields{"01 Jan 05"};
        for (int c = 0; c < 7; ++c)
            fields << (c < int(d.numbers.size()) ? QString::number(d.numbers[c]) : QString());
        fields << (d.extra > 0 ? QString::number(d.extra) : QString());
        lines << fields.join(',');
    }
    return lines;
}

// `count` regular 6/49 draws that differ from one another.
inline std::vector<TestDraw> ManyDraws(int count)
{
    std::vector<TestDraw> draws;
    for (int i = 0; i < count; ++i) {
        const int base = i % 43 + 1;
        draws.push_back({{base, base + 1, base + 2, base + 3, base + 4, base + 6}, i % 49 + 1});
    }
    return draws;
}
