// The Biorhythm window on a fixed day: the date marks, the two day-by-day
// charts, the Biochart for today or tomorrow, and the birth date it keeps.

#include "analysis/BiorhythmCharts.h"
#include "analysis/ui/Biorhythm.h"
#include "core/Settings.h"
#include "platform/Dates.h"
#include "platform/ui/Chart.h"
#include "platform/ui/DatePicker.h"
#include "support/TestSupport.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {
double Golden(double degrees) { return std::sin(degrees * 3.142 / 180) * 10; }

class BiorhythmWindow : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetClockForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0)));
    }
};
} // namespace

TEST_F(BiorhythmWindow, AnUnreadableBirthDateFallsBackAndIsStoredInItsForm)
{
    Settings.set(BirthDate, "not a date");
    Biorhythm w;
    w.Load();
    EXPECT_EQ(w.DTPicker1->Value(), QDate(1970, 1, 1));
    EXPECT_EQ(Settings[BirthDate], "01 Jan 1970");
    EXPECT_EQ(w.Label1->text(), "3 March");
    EXPECT_EQ(w.Label2->text(), "10");
    EXPECT_EQ(w.Label3->text(), "30 March");

    // 19792 days from the birth date to today; the first row is a week back.
    EXPECT_EQ(w.MSChart1->rowCount(), 28);
    EXPECT_EQ(w.MSChart1->rowLabel(1), "3");
    EXPECT_EQ(w.MSChart1->rowLabel(28), "30");
    EXPECT_EQ(w.MSChart1->columnLabel(1), "Physical");
    EXPECT_EQ(w.MSChart2->columnLabel(3), "Awareness");
    // 19785 mod 23 = 5, mod 33 = 18; 19785 mod 48 = 9: 67.5 degrees.
    EXPECT_DOUBLE_EQ(w.MSChart1->value(1, 1), Golden(5 * 360.0 / 23));
    EXPECT_DOUBLE_EQ(w.MSChart1->value(1, 2), Golden(18 * 360.0 / 33));
    EXPECT_DOUBLE_EQ(w.MSChart2->value(1, 3), Golden(67.5));
    EXPECT_DOUBLE_EQ(w.MSChart2->value(3, 3), Golden(82)); // 82.5 to the even 82
    for (int r = 1; r <= 28; ++r)
        EXPECT_NEAR(w.MSChart1->value(r, 4),
                    (w.MSChart1->value(r, 1) + w.MSChart1->value(r, 2) + w.MSChart1->value(r, 3)) / 3, 1e-12);
    // The Biochart: 19792 mod 33 = 25, mod 28 = 24, mod 38 = 32.
    EXPECT_DOUBLE_EQ(w.MSChart3->value(1, 1), Golden(25 * 360.0 / 33));
    EXPECT_DOUBLE_EQ(w.MSChart3->value(2, 1), Golden(24 * 360.0 / 28));
    EXPECT_NEAR(w.MSChart3->value(3, 1), Golden(32 * 360.0 / 38), 1e-12);
    EXPECT_NEAR(w.MSChart3->value(4, 1),
                (w.MSChart3->value(1, 1) + w.MSChart3->value(2, 1) + w.MSChart3->value(3, 1)) / 3, 1e-12);

    // Tomorrow moves the Biochart only.
    const double physical = w.MSChart1->value(5, 1);
    w.Option1[1]->click();
    EXPECT_DOUBLE_EQ(w.MSChart3->value(1, 1), Golden(26 * 360.0 / 33));
    EXPECT_EQ(w.MSChart1->value(5, 1), physical);
}

// Today's date mark stands under today's point of the day-by-day charts,
// nearer it than the points of the days either side.
TEST_F(BiorhythmWindow, TodaysMarkStandsUnderToday)
{
    Biorhythm w;
    OpenAndLook(&w, [&w] {
        QChart* chart = w.MSChart1->chart();
        auto pointAt = [&](int index) {
            const QPointF scene = chart->mapToScene(chart->mapToPosition(QPointF(index, 0), chart->series().first()));
            return w.MSChart1->view()->mapTo(&w, w.MSChart1->view()->mapFromScene(scene)).x();
        };
        const QRect text = w.Label2->contentsRect();
        const int mark = w.Label2->mapTo(&w, QPoint(text.left(), 0)).x()
            + w.Label2->fontMetrics().horizontalAdvance(w.Label2->text()) / 2;
        const int today = pointAt(kBiorhythmToday - 1);
        const int step = today - pointAt(kBiorhythmToday - 2);
        EXPECT_LT(std::abs(mark - today), step / 2) << "mark at " << mark << ", today at " << today;
    });
}

TEST_F(BiorhythmWindow, UpdateTakesTheNewDate)
{
    Settings.set(BirthDate, "23-Nov-1985"); // as the main window's panel stores it
    Biorhythm w;
    w.Load();
    EXPECT_EQ(w.DTPicker1->Value(), QDate(1985, 11, 23));
    EXPECT_EQ(Settings[BirthDate], "23 Nov 1985");

    // Born today: day -7 in the first row, the Biochart all 0.
    w.DTPicker1->setValue(QDate(2024, 3, 10));
    EXPECT_EQ(Settings[BirthDate], "23 Nov 1985"); // not before Update
    w.Command1->click();
    EXPECT_EQ(Settings[BirthDate], "10 Mar 2024");
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(w.MSChart3->value(r, 1), 0.0) << r;
    EXPECT_DOUBLE_EQ(w.MSChart1->value(1, 3), Golden(-90));
    EXPECT_DOUBLE_EQ(w.MSChart1->value(2, 3), Golden(-77));
}
