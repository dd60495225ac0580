// Amounts and paid-up dates as the payments of a syndicate store them.

#include "syndicates/SyndicatePayments.h"

#include <gtest/gtest.h>

namespace {
const QLocale kUK(QLocale::English, QLocale::UnitedKingdom);
const QLocale kGermany(QLocale::German, QLocale::Germany);
} // namespace

TEST(SyndicatePayments, StoredAmountsReadAlikeInEveryLocale)
{
    for (const QLocale& locale : {kUK, kGermany}) {
        EXPECT_EQ(StoredAmount("12.5", locale), 1250);
        EXPECT_EQ(StoredAmount(" .5 ", locale), 50);
        EXPECT_EQ(StoredAmount("1500", locale), 150000);
        EXPECT_EQ(StoredAmount("0.125", locale), 13);
        EXPECT_EQ(StoredAmount("", locale), 0);
        EXPECT_EQ(StoredAmount("twelve", locale), std::nullopt); // never 0
        EXPECT_EQ(StoredAmount(".", locale), std::nullopt);
        EXPECT_EQ(StoredAmount("1234567890123", locale), std::nullopt);
    }
    // A field written by hand in the locale's currency form still reads.
    EXPECT_EQ(StoredAmount("£1,500.00", kUK), 150000);
    EXPECT_EQ(StoredAmount("12,50 €", kGermany), 1250);
    EXPECT_EQ(StoredAmount("12,50", kUK), std::nullopt);
}

TEST(SyndicatePayments, TypedAmountsAreStoredInThePlainForm)
{
    EXPECT_EQ(StoredAmountFor(" 12.5 ", 1250), "12.5");
    EXPECT_EQ(StoredAmountFor(".5", 50), ".5");
    EXPECT_EQ(StoredAmountFor("1,500", 150000), "1500.00");
    EXPECT_EQ(StoredAmountFor("12,5", 1250), "12.50");
    EXPECT_EQ(StoredAmountFor("12.500", 1250000), "12500.00"); // "." groups in German
    EXPECT_EQ(StoredAmountText(-300), "-3.00");
    EXPECT_EQ(StoredAmountText(5), "0.05");

    EXPECT_EQ(AmountBoxText("1500.5", kGermany), "1500,50");
    EXPECT_EQ(AmountBoxText("12.5", kUK), "12.50");
    EXPECT_EQ(AmountBoxText("", kUK), "");
    EXPECT_EQ(AmountBoxText("twelve", kUK), "twelve");
}

TEST(SyndicatePayments, OverdueIsNoDateOrADateBeforeToday)
{
    const QDate today(2026, 12, 9);
    EXPECT_TRUE(PaymentOverdue("", today));
    EXPECT_TRUE(PaymentOverdue("08-Dec-2026", today));
    EXPECT_FALSE(PaymentOverdue("09 Dec 26", today));
    EXPECT_FALSE(PaymentOverdue("Sat 2 Jan 2027", today));
    EXPECT_TRUE(PaymentOverdue("next Friday", today));
    EXPECT_EQ(PaidUpTo("next Friday"), std::nullopt);
    EXPECT_EQ(PaidUpTo("05-Mar-2005"), QDate(2005, 3, 5));
}
