// Biorhythm arithmetic: whole cycles, the sign of the remainder, 3.142.

#include "core/Biorhythm.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Biorhythm, DaysCountFromTheBirthDate)
{
    EXPECT_EQ(BiorhythmDay(QDate(2024, 3, 10), QDate(2024, 3, 10), false), 0);
    EXPECT_EQ(BiorhythmDay(QDate(2024, 2, 6), QDate(2024, 3, 10), true), 34);
    EXPECT_EQ(BiorhythmDay(QDate(2024, 3, 12), QDate(2024, 3, 10), false), -2);
}

TEST(Biorhythm, CycleValues)
{
    for (double v : BiochartValues(0))
        EXPECT_EQ(v, 0.0);
    EXPECT_NEAR(CycleValue(33, 33), 0.0, 1e-12);
    EXPECT_NEAR(CycleValue(34, 33), 1.8928, 1e-4);
    // 3.142 rather than pi: a quarter cycle falls just short of 10.
    EXPECT_DOUBLE_EQ(CycleValue(7, 28), std::sin(90 * 3.142 / 180) * 10);
    EXPECT_LT(CycleValue(7, 28), 10.0);
    // The remainder keeps the sign of the day: the future mirrors the past.
    for (int d : {1, 5, 17, 40, 100})
        for (int p : {kIntellectualDays, kEmotionalDays, kIntuitionDays})
            EXPECT_DOUBLE_EQ(CycleValue(-d, p), -CycleValue(d, p)) << d << " " << p;
    const auto v = BiochartValues(1000);
    EXPECT_DOUBLE_EQ(v[3], (v[0] + v[1] + v[2]) / 3);
    EXPECT_DOUBLE_EQ(v[0], CycleValue(1000 % 33, 33));
}
