// Amounts as the syndicate windows show and read them.

#include "syndicates/Money.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <vector>

namespace {
const QLocale kUK(QLocale::English, QLocale::UnitedKingdom);
const QLocale kGermany(QLocale::German, QLocale::Germany);
} // namespace

TEST(MoneyTest, ShownInTheLocaleCurrencyForm)
{
    EXPECT_EQ(FormatMoney(1250, kUK), "£12.50");
    EXPECT_EQ(FormatMoney(-1250, kUK), "-£12.50");
    EXPECT_EQ(FormatMoney(150000, kUK), "£1,500.00");
    EXPECT_EQ(FormatMoney(0, kUK), "£0.00");
    EXPECT_EQ(FormatMoney(5, kUK), "£0.05");
    EXPECT_EQ(FormatMoney(123456789012, kUK), "£1,234,567,890.12");
    EXPECT_EQ(FormatMoney(150000, kGermany), "1.500,00\u00A0€");
    EXPECT_EQ(FormatMoney(-1250, kGermany), "-12,50\u00A0€");
    EXPECT_EQ(CurrencySign(kUK), "£");
}

TEST(MoneyTest, ReadBackAsWholePence)
{
    EXPECT_EQ(ParseMoney("£12.50", kUK), 1250);
    EXPECT_EQ(ParseMoney("-£12.50", kUK), -1250);
    EXPECT_EQ(ParseMoney("12.5", kUK), 1250);
    EXPECT_EQ(ParseMoney(".5", kUK), 50);
    EXPECT_EQ(ParseMoney("1,500", kUK), 150000);
    EXPECT_EQ(ParseMoney(" £1,500.00 ", kUK), 150000);
    EXPECT_EQ(ParseMoney("(£3.00)", kUK), -300);
    EXPECT_EQ(ParseMoney("3-", kUK), -300);
    EXPECT_EQ(ParseMoney("GBP 4", kUK), 400);
    EXPECT_EQ(ParseMoney("0.125", kUK), 13); // to the nearest penny
    EXPECT_EQ(ParseMoney("-0.125", kUK), -13);
    EXPECT_EQ(ParseMoney("", kUK), 0);
    EXPECT_EQ(ParseMoney("   ", kUK), 0);
    EXPECT_EQ(ParseMoney("1.500,00 €", kGermany), 150000);
    EXPECT_EQ(ParseMoney("-12,50", kGermany), -1250);
    EXPECT_EQ(ParseMoney("12,5", kGermany), 1250);
    // What a window shows reads back as the same amount.
    for (const Pence p : {Pence(0), Pence(1), Pence(-99), Pence(150000), Pence(-123456789012)}) {
        EXPECT_EQ(ParseMoney(FormatMoney(p, kUK), kUK), p);
        EXPECT_EQ(ParseMoney(FormatMoney(p, kGermany), kGermany), p);
    }
}

TEST(MoneyTest, TextThatIsNoAmountIsAnError)
{
    for (const char* text :
         {"abc", "12a", "1.2.3", "1,50", "1,5000", ",500", "£", "-", "--5", "5-5", "1e5", "1234567890123", "12..5"})
        EXPECT_EQ(ParseMoney(text, kUK), std::nullopt) << text;
    // Where "." groups digits, "12.50" is no amount (not 1250 units).
    EXPECT_EQ(ParseMoney("12.50", kGermany), std::nullopt);
    EXPECT_EQ(ParseMoney("1,2,3", kGermany), std::nullopt);
    EXPECT_TRUE(IsAmountCharacter(QChar(','), kGermany));
    EXPECT_FALSE(IsAmountCharacter(QChar('a'), kUK));
}

TEST(MoneyTest, EveryAmountWrittenReadsBackInEveryLocale)
{
    // Each count of digits from 0 to 10^9 pence, at both ends, and the
    // amounts where Indian grouping starts.
    std::vector<Pence> amounts = {0, 1, 99, 100000 * 100, 123456789};
    for (Pence p = 10; p <= 1000000000; p *= 10)
        amounts.insert(amounts.end(), {p, p - 1, p + p / 3});
    int failures = 0;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        for (const Pence p : amounts) {
            for (const Pence v : {p, -p}) {
                const QString shown = FormatMoney(v, locale);
                if (ParseMoney(shown, locale) != v && ++failures <= 10)
                    ADD_FAILURE() << locale.name().toStdString() << ": " << shown.toStdString();
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(MoneyTest, TypedWithALatinPointOrGroupedTheLocaleWay)
{
    const QLocale spain(QLocale::Spanish, QLocale::Spain);
    const struct {
        QLocale locale;
        const char* text;
        std::optional<Pence> amount;
    } reads[] = {
        {QLocale(QLocale::Arabic, QLocale::Egypt), "12.5", 1250},
        {QLocale(QLocale::Persian, QLocale::Iran), "12.5", 1250},
        {QLocale(QLocale::French, QLocale::France), "12.5", 1250},
        {spain, "1.000.000", 100000000},
        {spain, "1.234.567,5", 123456750},
        {spain, "10.000", 1000000},
        {spain, "1000", 100000},
        {spain, "1000.000", 100000000}, // as older diaries hold it
        {spain, "12.5", std::nullopt},  // "." groups here
        {spain, "1.000", std::nullopt}, // too short to be grouped
    };
    for (const auto& c : reads)
        EXPECT_EQ(ParseMoney(QString::fromUtf8(c.text), c.locale), c.amount)
            << c.locale.name().toStdString() << " " << c.text;
    EXPECT_EQ(FormatMoney(100000000, spain), "1.000.000,00\u00A0€");
    EXPECT_EQ(FormatMoney(123456789, spain), "1.234.567,89\u00A0€");
    EXPECT_EQ(FormatMoney(100000, spain), "1000,00\u00A0€");
}
