// The day-by-day biorhythm charts against values worked out here from the
// cycle formula: sin(angle x 3.142 / 180) x 10, the angle moved on by 360 / p
// and rounded to whole degrees (halves to even) after every row.

#include "analysis/BiorhythmCharts.h"
#include "core/Biorhythm.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
double Golden(double degrees) { return std::sin(degrees * 3.142 / 180) * 10; }

// The rows of one cycle's column are the formula at those angles, in order.
void ExpectAngles(const BiorhythmRows& rows, int column, std::initializer_list<double> angles)
{
    int r = 0;
    for (double angle : angles) {
        EXPECT_DOUBLE_EQ(rows[r][column], Golden(angle)) << "row " << r;
        ++r;
    }
}
} // namespace

TEST(BiorhythmCharts, ABirthDateOfTodayStartsSevenDaysBack)
{
    // Born today: the first row is day -7, so the angles start negative.
    const BiorhythmRows rows = DayByDayChart(-7, {23, 33, 28}, true);
    ASSERT_EQ(rows.size(), 28u);
    ASSERT_EQ(rows[0].size(), 4u);
    // Physical (23): -7 x 360 / 23 = -109.565..., then -93.91 -> -94,
    // -78.35 -> -78, -62.35 -> -62.
    ExpectAngles(rows, 0, {-7 * 360.0 / 23, -94, -78, -62});
    // Emotional (28): -90, then -77.14 -> -77, -64.14 -> -64.
    ExpectAngles(rows, 2, {-90, -77, -64});
    // Today's row (8): close to 0 for every cycle, not exactly, since the
    // angles were rounded on the way.
    EXPECT_NEAR(rows[7][0], 0.0, 0.5);
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(row[3], (row[0] + row[1] + row[2]) / 3);
}

TEST(BiorhythmCharts, HalvesRoundToEvenAndAnglesWrap)
{
    // Awareness (48 days, 7.5 degrees a day) from day 1: 7.5, 15, 22.5 -> 22
    // (even), 29.5 -> 30, 37.5 -> 38.
    const BiorhythmRows rows = DayByDayChart(1, {48}, false);
    ASSERT_EQ(rows[0].size(), 1u);
    ExpectAngles(rows, 0, {7.5, 15, 22, 30, 38});
    EXPECT_EQ(NextAngle(-22.5 - 7.5, 48), -22.0); // -22.5 -> -22
    // Past a full turn the angle starts again (remainder by 360).
    EXPECT_EQ(NextAngle(350, 23), 6.0); // 365.65 -> 366 -> 6
    EXPECT_EQ(StartAngle(-30, 23), -7 * 360.0 / 23);
    EXPECT_EQ(StartAngle(53, 53), 0.0);

    // Spiritual, aesthetic, awareness, intuition from day 100.
    const BiorhythmRows spirit = DayByDayChart(100, {53, 43, 48, 38}, false);
    ASSERT_EQ(spirit[0].size(), 4u);
    EXPECT_DOUBLE_EQ(spirit[0][0], Golden(47 * 360.0 / 53));
    EXPECT_DOUBLE_EQ(spirit[0][3], Golden(24 * 360.0 / 38));
    // 227.37 + 9.47 = 236.84 -> 237.
    EXPECT_DOUBLE_EQ(spirit[1][3], Golden(237));
}

TEST(BiorhythmCharts, TheBiochartIsThePanelsAndLuckIsTheMean)
{
    // The window's Biochart is the panel's: cycles 33, 28, 38 at their exact
    // angles, Luck their mean.
    const auto today = BiochartValues(0);
    for (double v : today)
        EXPECT_EQ(v, 0.0);
    const auto later = BiochartValues(1234);
    EXPECT_NEAR(later[0], Golden((1234 % 33) * 360.0 / 33), 1e-12);
    EXPECT_NEAR(later[2], Golden((1234 % 38) * 360.0 / 38), 1e-12);
    EXPECT_DOUBLE_EQ(later[3], (later[0] + later[1] + later[2]) / 3);
}

TEST(BiorhythmCharts, DatesAndLabels)
{
    const QDate today(2024, 3, 10);
    EXPECT_EQ(DayRowLabel(today, 1), "3");
    EXPECT_EQ(DayRowLabel(today, 8), "10");
    EXPECT_EQ(DayRowLabel(today, 28), "30");
    EXPECT_EQ(DayRowLabel(QDate(2024, 12, 28), 28), "17");
    EXPECT_EQ(DayAndMonth(today.addDays(-7)), "3 March");
    EXPECT_EQ(DayAndMonth(today.addDays(20)), "30 March");
    EXPECT_EQ(BirthDateText(QDate(1970, 1, 1)), "01 Jan 1970");
    EXPECT_EQ(BirthDateText(QDate(1985, 11, 23)), "23 Nov 1985");
    // The birth date as stored by either window, or 1 January 1970 when it
    // cannot be read.
    EXPECT_EQ(StoredBirthDate("23 Nov 1985"), QDate(1985, 11, 23));
    EXPECT_EQ(StoredBirthDate("23-Nov-1985"), QDate(1985, 11, 23));
    EXPECT_EQ(StoredBirthDate("not a date"), QDate(1970, 1, 1));
    EXPECT_EQ(StoredBirthDate(""), QDate(1970, 1, 1));
}
