// Reading and writing dates: every form the program writes or a player types,
// the two-digit year window, the locale's order of numeric dates.
#include "platform/Dates.h"

#include <QLocale>
#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
// Readable dates in failure messages.
void PrintTo(const QDate& date, std::ostream* os) { *os << date.toString(Qt::ISODate).toStdString(); }
QT_END_NAMESPACE

namespace {

// Fixes the clock in 2026 and the locale to British English (day first); a
// test may switch the locale, which is put back afterwards.
class DatesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        SetClockForTests(QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
    }
    void TearDown() override { QLocale::setDefault(saved_); }

    QLocale saved_;
};

std::optional<QDate> Parse(const char* text) { return ParseDate(QString::fromUtf8(text)); }

const QDate kMarch5(2005, 3, 5);

} // namespace

TEST_F(DatesTest, ReadsEveryWrittenAndTypedForm)
{
    for (const char* text :
         {"05 Mar 05",      "05-Mar-05",     "05-Mar-2005", "5 March 2005", "Sat 5 Mar 2005", "Saturday, 5 March 2005",
          "05/03/2005",     "2005-03-05",    "05 mar 2005", "05 MAR 2005",  "March 5, 2005",  "Mar 5 2005",
          "5.3.2005",       "05.03.05",      "2005/03/05",  "2005 Mar 5",   "  05 Mar 05  ",  "5-march-2005",
          "Tue 5 Mar 2005", "Sat 05/03/2005"}) {
        EXPECT_EQ(Parse(text), kMarch5) << text;
    }
    EXPECT_EQ(Parse("01/01/1970"), QDate(1970, 1, 1));
    EXPECT_EQ(Parse("17 Sept 2005"), QDate(2005, 9, 17));
    EXPECT_EQ(Parse("17 Sep 2005"), QDate(2005, 9, 17));
    EXPECT_EQ(Parse("29 Feb 2004"), QDate(2004, 2, 29));
}

TEST_F(DatesTest, ATimeAfterTheDateIsIgnored)
{
    EXPECT_EQ(Parse("05/03/2005 20:00:00"), kMarch5);
    EXPECT_EQ(Parse("05-Mar-2005 8:15"), kMarch5);
    EXPECT_EQ(Parse("05-Mar-2005 8:15:00 PM"), kMarch5);
    EXPECT_EQ(Parse("05-Mar-2005 25:00"), std::nullopt);
    EXPECT_EQ(Parse("20:00:00"), std::nullopt);
    EXPECT_EQ(Parse("05-Mar 20:00"), std::nullopt);
}

TEST_F(DatesTest, RejectsWhatIsNotADate)
{
    for (const char* text : {"",
                             "   ",
                             "Ball 1",
                             "12",
                             "abc",
                             "5 Marchx 2005",
                             "13/13/2005",
                             "31 Feb 2005",
                             "29 Feb 2005",
                             "31/04/2005",
                             "0 Mar 2005",
                             "5 Mar",
                             "05/03",
                             "5 Mar 2005 extra",
                             "Sat 5 Mar",
                             "Mar 5 Sat",
                             "5 Mar 205",
                             "5 Mar 20050",
                             "123/03/2005",
                             "5 Sat 2005",
                             "5 3 Mar",
                             "5Mar2005",
                             "5 Mar 2005!",
                             "-5 Mar 2005",
                             "5 Mar 2005-",
                             "Ball 1 2 3",
                             "2005-13-01",
                             "00/00/00",
                             "5 Mar 2005 12"}) {
        EXPECT_EQ(Parse(text), std::nullopt) << text;
    }
}

TEST_F(DatesTest, TwoDigitYearsFallInTheHundredYearsEndingTwentyYearsAhead)
{
    EXPECT_EQ(Parse("01 Jan 46"), QDate(1946, 1, 1));
    EXPECT_EQ(Parse("31 Dec 45"), QDate(2045, 12, 31));
    EXPECT_EQ(Parse("01 Jan 00"), QDate(2000, 1, 1));
    EXPECT_EQ(Parse("01 Jan 99"), QDate(1999, 1, 1));
    EXPECT_EQ(Parse("01/01/70"), QDate(1970, 1, 1));
    EXPECT_EQ(Parse("1 Jan 5"), QDate(2005, 1, 1));

    // The window moves with the clock.
    SetClockForTests(QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    EXPECT_EQ(Parse("01 Jan 50"), QDate(1950, 1, 1));
    EXPECT_EQ(Parse("31 Dec 49"), QDate(2049, 12, 31));
    SetClockForTests(QDateTime(QDate(2080, 1, 1), QTime(0, 0)));
    EXPECT_EQ(Parse("01 Jan 00"), QDate(2000, 1, 1));
    SetClockForTests(QDateTime(QDate(2081, 1, 1), QTime(0, 0)));
    EXPECT_EQ(Parse("01 Jan 00"), QDate(2100, 1, 1));
    EXPECT_EQ(Parse("01 Jan 01"), QDate(2001, 1, 1));
}

TEST_F(DatesTest, NumericDatesFollowTheLocaleOrder)
{
    EXPECT_EQ(Parse("01/06/2005"), QDate(2005, 6, 1));
    EXPECT_EQ(Parse("12/31/2005"), std::nullopt);
    EXPECT_EQ(Parse("2005-06-01"), QDate(2005, 6, 1));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(Parse("01/06/2005"), QDate(2005, 1, 6));
    EXPECT_EQ(Parse("12/31/2005"), QDate(2005, 12, 31));
    EXPECT_EQ(Parse("31/12/2005"), std::nullopt);
    // Year first and month names read the same in every locale.
    EXPECT_EQ(Parse("2005-06-01"), QDate(2005, 6, 1));
    EXPECT_EQ(Parse("01 Jun 2005"), QDate(2005, 6, 1));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(Parse("01/06/2005"), QDate(2005, 6, 1));
}

TEST_F(DatesTest, ReadsTheLocaleMonthAndDayNames)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Parse("5. März 2005"), kMarch5);
    EXPECT_EQ(Parse("Samstag, 5. März 2005"), kMarch5);
    EXPECT_EQ(Parse("05.03.2005"), kMarch5);
    EXPECT_EQ(Parse("05 Mar 05"), kMarch5); // English names still read
    EXPECT_EQ(Parse("5 Dez 2005"), QDate(2005, 12, 5));

    // In Spanish "mar" is both Tuesday and March: its place decides.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(Parse("mar 5 mar 2005"), kMarch5);
    EXPECT_EQ(Parse("5 diciembre 2005"), QDate(2005, 12, 5));
}

TEST_F(DatesTest, WritesEnglishFormsInAnyLocale)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(FormatShortDate(kMarch5), "05 Mar 05");
    EXPECT_EQ(FormatShortDate(QDate(1999, 12, 31)), "31 Dec 99");
    EXPECT_EQ(FormatShortDate(QDate(2017, 9, 1)), "01 Sep 17");
    EXPECT_EQ(MediumDate(kMarch5), "05-Mar-2005");
    EXPECT_EQ(MediumDate(QDate(2017, 9, 10)), "10-Sep-2017");
    EXPECT_EQ(PickerDate(kMarch5), "Sat 5 Mar 2005");
    EXPECT_EQ(PickerDate(QDate(1970, 1, 1)), "Thu 1 Jan 1970");
    EXPECT_EQ(MonthAbbreviation(1), "Jan");
    EXPECT_EQ(MonthAbbreviation(12), "Dec");
    EXPECT_EQ(MonthAbbreviation(0), "");
    EXPECT_EQ(MonthAbbreviation(13), "");
    EXPECT_EQ(FormatShortDate(QDate()), "");
    EXPECT_EQ(MediumDate(QDate()), "");
}

TEST_F(DatesTest, WrittenDatesReadBackInBothOrders)
{
    for (const auto& locale :
         {QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        for (QDate d(1946, 1, 1); d <= QDate(2045, 12, 31); d = d.addDays(3)) {
            ASSERT_EQ(ParseDate(FormatShortDate(d)), d) << FormatShortDate(d).toStdString();
            ASSERT_EQ(ParseDate(MediumDate(d)), d) << MediumDate(d).toStdString();
            ASSERT_EQ(ParseDate(PickerDate(d)), d) << PickerDate(d).toStdString();
        }
    }
}

TEST_F(DatesTest, ClockIsFixedOnlyWhileATestSetsIt)
{
    EXPECT_EQ(Today(), QDate(2026, 6, 15));
    EXPECT_EQ(Now(), QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
    SetClockForTests(std::nullopt);
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = Now();
    EXPECT_LE(before, now);
    EXPECT_LE(now, QDateTime::currentDateTime());
}
