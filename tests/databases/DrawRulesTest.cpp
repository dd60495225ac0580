// The rules behind the windows that take draws and entries by hand: the
// check of a typed draw, the history's choice and rewrite of a draw, and the
// check of a changed or new saved entry.

#include "BallRows.h"
#include "databases/DrawCheck.h"
#include "databases/DrawEdit.h"
#include "databases/EntryEdit.h"
#include "platform/Dates.h"
#include "support/TestSupport.h"

namespace {
const DrawShape kBonus{6, 49, 49, true};
const DrawShape kExtra{5, 39, 14, false};

SavedEntry Entry(const QString& date, std::initializer_list<QString> numbers, const QString& file = "dbase1.txt")
{
    SavedEntry e;
    e.date = date;
    int i = 0;
    for (const QString& n : numbers)
        e.numbers[i++] = n;
    e.lottery = "Lotto";
    e.dbaseFile = file;
    return e;
}

HistoryRow Draw(const QString& date, std::initializer_list<int> numbers, int eighth = 0)
{
    HistoryRow row{date, {}};
    int c = 1;
    for (int n : numbers)
        row.numbers[c++] = n;
    row.numbers[kExtraBallColumn] = eighth;
    return row;
}
} // namespace

// ---------------------------------------------------------------- typed draws

TEST(DrawNumbers, CheckedAgainstTheLotterysShape)
{
    EXPECT_EQ(*CheckDrawNumbers({" 01", "2", "3", "4", "5", "6", "9", "7"}, kBonus),
              QStringList({"1", "2", "3", "4", "5", "6", "", "7"})); // the seventh box is not the lottery's
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "6", "", ""}, kBonus)->at(7), "");
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "6", "", "0"}, kBonus)->at(7), "0");
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "6", "", "6"}, kBonus));
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "+6"}, kBonus));
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "6a"}, kBonus));
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "", "", "5"}, kExtra)->at(7), "5");
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "", "", "15"}, kExtra));
    const DrawShape none{5, 39, 0, false};
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "", "", "99"}, none)->at(7), "");
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5"}, DrawShape{}));
}

TEST(DrawNumbers, ANewLineCarriesTheDateAndTheCheckedFields)
{
    EXPECT_EQ(NewDrawLine(QDate(2005, 3, 12), {"12", "3", "45", "7", "30", "19", "", "22"}, kBonus),
              "12 Mar 05,12,3,45,7,30,19,,22");
    EXPECT_EQ(NewDrawLine(QDate(2005, 3, 12), {"1", "2", "3", "4", "39", "", "", "14"}, kExtra),
              "12 Mar 05,1,2,3,4,39,,,14"); // both highest numbers
    EXPECT_FALSE(NewDrawLine(QDate(2005, 3, 12), {"0", "2", "3", "4", "5"}, kExtra));
}

TEST(DrawNumbers, StoredDatesAreTheHundredYearsATwoDigitYearReadsBack)
{
    const auto [first, last] = StoredDateRange();
    ASSERT_TRUE(first.isValid() && last.isValid());
    EXPECT_EQ(first.dayOfYear(), 1);
    EXPECT_EQ(last, QDate(first.year() + 99, 12, 31));
    for (const QDate& date : {first, last})
        EXPECT_EQ(ParseDate(FormatShortDate(date)), date);
    EXPECT_NE(ParseDate(FormatShortDate(first.addDays(-1))), first.addDays(-1));
    EXPECT_NE(ParseDate(FormatShortDate(last.addDays(1))), last.addDays(1));
}

// ---------------------------------------------------------------- the history's draws

TEST(HistoryDraws, TheEditorTakesTheChosenDrawAsShown)
{
    EXPECT_EQ(DrawNumberTexts(Draw("12 Mar 05", {12, 3, 45, 7, 30, 19}), true),
              QStringList({"12", "3", "45", "7", "30", "19", "", "0"}));
    EXPECT_EQ(DrawNumberTexts(Draw("12 Mar 05", {1, 2, 3, 4, 5}, 9), false).at(7), "");

    const std::vector<HistoryRow> rows{Draw("12 Mar 05", {1}), Draw("", {2}), Draw("", {3})};
    EXPECT_EQ(ChosenDrawRow({}, 1), 0);
    EXPECT_EQ(ChosenDrawRow(rows, 0), 1);
    EXPECT_EQ(ChosenDrawRow(rows, 40), 1); // below the last, then up past the dateless draws
    EXPECT_EQ(ChosenDrawRow({Draw("", {1}), Draw("05 Mar 05", {2})}, 1), 1);
    EXPECT_EQ(ChosenDrawRow({Draw("", {1}), Draw("05 Mar 05", {2})}, 5), 2);

    // A date that cannot be read gives no date, never a stand-in.
    EXPECT_EQ(EditorContents(Draw("05-Mar-2005", {1}), true).date, QDate(2005, 3, 5));
    EXPECT_EQ(EditorContents(Draw("someday", {1}), true).date, std::nullopt);
    EXPECT_EQ(EditorContents(Draw("", {1}), true).date, std::nullopt);
}

class DrawEditTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", lotto));
        shown = ReadHistoryRows("dbase1.txt", 100);
    }
    QStringList draws() const { return readFile("dbase1.txt").split("\r\n", Qt::SkipEmptyParts).mid(3); }
    const QStringList lotto{"12 Mar 05,12,3,45,7,30,19,,22", "05-Mar-2005,8,9,10,11,12,13,0,0",
                            "26 Feb 05,15,16,17,18,19,20,,21"};
    std::vector<HistoryRow> shown;
};

TEST_F(DrawEditTest, ADrawIsRewrittenOnlyWhileTheFileStillHoldsIt)
{
    const QDate date(2005, 3, 19);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(CheckDrawUpdate("dbase1.txt", shown, 3, date), DrawEditCheck::Allowed);
    EXPECT_EQ(CheckDrawDelete("dbase1.txt", shown, 1), DrawEditCheck::Allowed);
    EXPECT_EQ(CheckDrawUpdate("dbase1.txt", shown, 0, date), DrawEditCheck::NoDraw);
    EXPECT_EQ(CheckDrawUpdate("dbase1.txt", shown, 2, QDate()), DrawEditCheck::NoDate); // none chosen
    EXPECT_EQ(CheckDrawDelete("dbase1.txt", shown, 4), DrawEditCheck::NoDraw);
    EXPECT_EQ(CheckDrawDelete("dbase1.txt", {shown[0]}, 1), DrawEditCheck::OnlyDraw);

    // Changed by hand: a line edited, or the file cut short.
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", {lotto[0], "05-Mar-2005,8,9,10,11,12,14,0,0"}));
    EXPECT_EQ(CheckDrawUpdate("dbase1.txt", shown, 1, date), DrawEditCheck::Allowed);
    EXPECT_EQ(CheckDrawUpdate("dbase1.txt", shown, 2, date), DrawEditCheck::ChangedElsewhere);
    EXPECT_EQ(CheckDrawDelete("dbase1.txt", shown, 3), DrawEditCheck::ChangedElsewhere);
    EXPECT_EQ(CheckDrawUpdate("missing.txt", shown, 1, date), DrawEditCheck::ChangedElsewhere);
}

TEST_F(DrawEditTest, ReplaceMovesTheDrawToItsDateAndDeleteTakesItOut)
{
    EXPECT_EQ(ReplaceDraw("dbase1.txt", 1, "01 Mar 05,1,2,3,4,5,6,,7", QDate(2005, 3, 1)), RewriteResult::Done);
    EXPECT_EQ(draws(), QStringList({lotto[1], "01 Mar 05,1,2,3,4,5,6,,7", lotto[2]}));

    EXPECT_EQ(DeleteDraw("dbase1.txt", 2), RewriteResult::Done);
    EXPECT_EQ(draws(), QStringList({lotto[1], lotto[2]}));
    EXPECT_EQ(DeleteDraw("missing.txt", 1), RewriteResult::CannotWrite);
    EXPECT_EQ(ReplaceDraw("missing.txt", 1, lotto[0], QDate(2005, 3, 12)), RewriteResult::CannotWrite);
}

TEST_F(DrawEditTest, TheOnlyDrawIsReplacedWhereItStands)
{
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", {lotto[2]}));
    EXPECT_EQ(ReplaceDraw("dbase1.txt", 1, "19 Mar 05,1,2,3,4,5,6,,7", QDate(2005, 3, 19)), RewriteResult::Done);
    EXPECT_EQ(draws(), QStringList({"19 Mar 05,1,2,3,4,5,6,,7"}));
    EXPECT_EQ(readFile("dbase1.txt").section("\r\n", 0, 2), "Lotto\r\nhttp://example.org\r\n6,49,0,0,1");
}

// ---------------------------------------------------------------- saved entries

TEST(EntryEdit, GoodChangesGiveTheTextTheCellTakes)
{
    const QList<SavedEntry> rows{Entry("09 Mar 05", {"3", "11", "19", "27", "38", "45"})};
    const auto lotto = Lottery(6, 49, 0, 1);
    const EntryEdit number = CheckEntryEdit(rows, 1, kFirstNumberColumn + 1, " 49 ", lotto);
    EXPECT_FALSE(number.error);
    EXPECT_EQ(number.text, "49"); // the highest ball, trimmed
    EXPECT_EQ(number.row, 1);
    EXPECT_EQ(number.column, 2);
    EXPECT_FALSE(CheckEntryEdit(rows, 1, kFirstNumberColumn, "3", lotto).error); // a number kept as it was
    EXPECT_EQ(CheckEntryEdit(rows, 1, kDateColumn, "16-Mar-2005", lotto).text, "16-Mar-2005");
    QList<SavedEntry> named = rows;
    named[0].name = "Bob";
    EXPECT_EQ(CheckEntryEdit(named, 1, kNameColumn, "  Ann, \"Bob\" ", lotto).text, "Ann; 'Bob'");
}

TEST(EntryEdit, EachRefusalNamesItsReason)
{
    QList<SavedEntry> rows{Entry("09 Mar 05", {"3", "11", "19", "27", "38", "45"}),
                           Entry("09 Mar 05", {"5", "10", "15", "20", "25", "", "", "7"}, "dbase069.txt")};
    const auto lotto = Lottery(6, 49, 0, 1);
    const auto powerball = Lottery(5, 69, 26, 0);
    // The lottery and its file belong together, on any row.
    EXPECT_EQ(CheckEntryEdit(rows, 1, kLotteryColumn, "Other", lotto).error, EntryEditError::FixedColumn);
    EXPECT_EQ(CheckEntryEdit(rows, 0, kDbaseFileColumn, "x", lotto).error, EntryEditError::FixedColumn);
    // No entry, or an empty cell: nothing to change.
    EXPECT_EQ(CheckEntryEdit(rows, 0, kFirstNumberColumn, "1", lotto).error, EntryEditError::NoText);
    EXPECT_EQ(CheckEntryEdit(rows, 3, kFirstNumberColumn, "1", lotto).error, EntryEditError::NoText);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kLastMainColumn, "9", lotto).error, EntryEditError::NoText);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kNameColumn, "Ann", lotto).error, EntryEditError::NoText);
    // Numbers in their column's range, main numbers all different.
    EXPECT_EQ(CheckEntryEdit(rows, 1, kFirstNumberColumn, "50", lotto).error, EntryEditError::OutOfRange);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kFirstNumberColumn, "0", lotto).error, EntryEditError::OutOfRange);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kFirstNumberColumn, "x", lotto).error, EntryEditError::OutOfRange);
    EXPECT_EQ(CheckEntryEdit(rows, 2, kExtraBallColumn, "27", powerball).error, EntryEditError::OutOfRange);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kFirstNumberColumn + 1, "03", lotto).error, EntryEditError::RepeatedNumber);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kDateColumn, "next week", lotto).error, EntryEditError::BadDate);
}

TEST(EntryEdit, AnUnknownLotteryOrColumnBeyondItAllowsSixty)
{
    QList<SavedEntry> rows{Entry("09 Mar 05", {"1", "2", "3", "4", "5", "6", "", "9"})};
    const auto small = Lottery(5, 39, 0, 0); // the row holds more than its lottery draws
    EXPECT_FALSE(CheckEntryEdit(rows, 1, kFirstNumberColumn, "60", std::nullopt).error);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kFirstNumberColumn, "61", std::nullopt).error, EntryEditError::OutOfRange);
    EXPECT_EQ(CheckEntryEdit(rows, 1, kFirstNumberColumn + 4, "40", small).error, EntryEditError::OutOfRange);
    EXPECT_FALSE(CheckEntryEdit(rows, 1, kFirstNumberColumn + 5, "60", small).error);
    EXPECT_FALSE(CheckEntryEdit(rows, 1, kExtraBallColumn, "60", small).error);
    // The extra ball may equal a main number.
    EXPECT_FALSE(CheckEntryEdit(rows, 1, kExtraBallColumn, "1", Lottery(6, 49, 10, 0)).error);
}

using EntryLotteryTest = ProgramFolderTest;

TEST_F(EntryLotteryTest, AnEntrysLotteryComesFromItsOwnDatabaseFile)
{
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", {}));
    writeLines("dbase2.txt", DatabaseLines("Bad", "6,200,0,0,1", {}));
    const auto lottery = EntryLottery(Entry("", {}, "dbase1.txt"));
    ASSERT_TRUE(lottery);
    EXPECT_EQ(lottery->maxBall, 49);
    EXPECT_FALSE(EntryLottery(Entry("", {}, "dbase2.txt")));    // out of range
    EXPECT_FALSE(EntryLottery(Entry("", {}, "dbase9.txt")));    // missing
    EXPECT_FALSE(EntryLottery(Entry("", {}, "../dbase1.txt"))); // not in the program folder
}

TEST(TypedEntry, FieldsFollowTheLottery)
{
    using Texts = std::array<QString, 9>;
    const auto lotto = TypedEntryNumbers(Texts{"", " 1", "2", "3", "4", "5", "49", "99", "99"}, Lottery(6, 49, 0, 1));
    ASSERT_TRUE(lotto);
    EXPECT_EQ(*lotto, (std::array<QString, kSavedEntryNumbers>{"1", "2", "3", "4", "5", "49", "", ""}));
    const auto powerball = TypedEntryNumbers(Texts{"", "1", "2", "3", "4", "69", "", "", "26 "}, Lottery(5, 69, 26, 0));
    ASSERT_TRUE(powerball);
    EXPECT_EQ(powerball->at(kExtraBallColumn - kFirstNumberColumn), "26");
    EXPECT_FALSE(TypedEntryNumbers(Texts{"", "1", "2", "3", "4", "69", "", "", ""}, Lottery(5, 69, 26, 0)));
}
