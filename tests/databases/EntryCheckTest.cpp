#include "BallRows.h"
#include "support/TestSupport.h"

#include <numeric>

namespace {
EntryToCheck Entry(const QString& date, BallRow numbers, const QString& file)
{
    return EntryToCheck{date, numbers, file};
}

QString ReportWith(int balls, const std::map<int, int>& counts, int skipped = 0)
{
    CheckSummary s;
    for (auto [k, n] : counts)
        s.matchCounts[k] = n;
    s.bonusBlockBalls = balls;
    s.skipped = skipped;
    return CheckReportText(s);
}
} // namespace

TEST(CheckLottoTest, BonusBallMatchIsCountedAboveTen)
{
    const auto r = CheckLotto(Row({3, 11, 19, 27, 38, 45}), Row({3, 11, 20, 30, 38, 40}, 45), Lottery(6, 49, 0, 1));
    EXPECT_EQ(r.mainMatches, 3);
    EXPECT_TRUE(r.bonusMatch);
    EXPECT_EQ(r.countIndex(), 13);
    const std::array<CellMark, 9> expected{CellMark::None,  CellMark::Main, CellMark::Main,
                                           CellMark::None,  CellMark::None, CellMark::Main,
                                           CellMark::Bonus, CellMark::None, CellMark::None};
    EXPECT_EQ(r.marks, expected);
}

TEST(CheckLottoTest, ExtraBallMatchesOnlyItsOwnColumn)
{
    // A main number equal to the extra ball is no extra-ball match.
    const auto r = CheckLotto(Row({7, 10, 15, 20, 25}, 1), Row({5, 10, 33, 44, 55}, 7), Lottery(5, 69, 26, 0));
    EXPECT_EQ(r.countIndex(), 1);
    EXPECT_EQ(r.marks[1], CellMark::None);
}

TEST(CheckLottoTest, EmptyCellsAndRepeatsNeverInflateTheCount)
{
    // No bonus and no extra ball: the draw's last field is 0 and an empty
    // Pball cell (0) must not match it.
    const auto plain = CheckLotto(Row({1, 2, 3, 4, 5}), Row({1, 2, 9, 10, 11}), Lottery(5, 39, 0, 0));
    EXPECT_EQ(plain.countIndex(), 2);
    EXPECT_EQ(plain.marks[kExtraBallColumn], CellMark::None);
    const auto noExtra = CheckLotto(Row({1, 2, 3, 4, 5}, 0), Row({1, 2, 9, 10, 11}, 0), Lottery(5, 69, 26, 0));
    EXPECT_EQ(noExtra.countIndex(), 2);
    const auto noBonus = CheckLotto(Row({1, 2, 3, 4, 5}), Row({1, 2, 9, 10, 11, 12}, 0), Lottery(6, 49, 0, 1));
    EXPECT_FALSE(noBonus.bonusMatch);

    // A number typed twice counts once, and a repeated bonus counts once.
    const auto repeated = CheckLotto(Row({3, 3, 3, 45, 45, 9}), Row({3, 11, 20, 30, 38, 40}, 45), Lottery(6, 49, 0, 1));
    EXPECT_EQ(repeated.mainMatches, 1);
    EXPECT_EQ(repeated.countIndex(), 11);
    EXPECT_EQ(repeated.marks[2], CellMark::Main);
}

TEST(CheckReportTest, MainBlockHasEightLinesAndBonusBlockFollowsTheLottery)
{
    const QString expected = QStringLiteral(
        " 7-match = 0 times\r\n 6-match = 0 times\r\n 5-match = 0 times\r\n 4-match = 0 times\r\n"
        " 3-match = 1 times\r\n 2-match = 0 times\r\n 1-match = 0 times\r\n 0-match = 0 times\r\n\r\n"
        " 6-match+bonus/pball = 0 times\r\n 5-match+bonus/pball = 0 times\r\n 4-match+bonus/pball = 0 times\r\n"
        " 3-match+bonus/pball = 0 times\r\n 2-match+bonus/pball = 0 times\r\n 1-match+bonus/pball = 0 times\r\n"
        " 0-match+bonus/pball = 0 times\r\n");
    EXPECT_EQ(ReportWith(6, {{3, 1}}), expected);
    EXPECT_TRUE(
        ReportWith(6, {}, 2).endsWith("\r\nEntries not checked: 2 (database file missing or date not readable)\r\n"));
}

TEST(DatabaseNameTest, OnlyBareDatabaseNamesAreOpened)
{
    EXPECT_TRUE(IsDatabaseFileName("dbase100.txt"));
    EXPECT_FALSE(IsDatabaseFileName("../dbase1.txt"));
    EXPECT_FALSE(IsDatabaseFileName("/etc/dbase1.txt"));
    EXPECT_FALSE(IsDatabaseFileName("vantrel.ini"));
}

class CheckEntriesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt",
                   DatabaseLines("UK Lotto", "6,49,0,0,1",
                                 {"12-Mar-2005,1,2,3,4,5,6,0,7", "09 Mar 05,3,11,20,30,38,40,,45",
                                  "05-Mar-2005,10,20,30,40,41,42,0,43", "not a date,1,2,3,4,5,6,,7",
                                  "26 Feb 05,11,12,13,14,15,16,,17"}));
        writeLines("dbase069.txt", DatabaseLines("US Powerball", "5,69,0,26,0", {"05-Mar-2005,5,10,33,44,55,0,0,7"}));
    }
};

TEST_F(CheckEntriesTest, EachEntryMeetsTheDrawOfItsOwnDateAndLottery)
{
    writeLines("dbase1.txt", {"Broken"}); // no definition line
    writeLines("dbase2.txt", DatabaseLines("Empty", "5,39,0,0,0", {}));
    const std::vector<EntryToCheck> entries{
        Entry("09 Mar 05", Row({3, 11, 19, 27, 38, 45}), "dbase100.txt"),     // 13
        Entry("05 Mar 05", Row({10, 20, 1, 2, 3, 4}), "dbase100.txt"),        // short form meets medium form: 2
        Entry("09-Mar-2005", Row({5, 10, 15, 20, 25}, 7), "dbase069.txt"),    // no draw of that date
        Entry("13 Mar 05", Row({1, 2, 3, 4, 5, 6}), "dbase100.txt"),          // after the newest draw
        Entry("07 Mar 05", Row({1, 2, 3, 4, 5, 6}), "dbase100.txt"),          // between draws
        Entry("26 Feb 05", Row({11, 12, 13, 14, 15, 16}), "dbase100.txt"),    // past a line that is no date: 6
        Entry("05-Mar-2005", Row({5, 10, 15, 20, 25}, 7), "dbase069.txt"),    // 12
        Entry("05-Mar-2005", Row({5, 10, 15, 20, 25}, 7), "dbase999.txt"),    // missing file
        Entry("someday", Row({5, 10, 15, 20, 25}, 7), "dbase069.txt"),        // no date
        Entry("05-Mar-2005", Row({5, 10, 15, 20, 25}, 7), "../dbase069.txt"), // not a bare name
        Entry("05 Mar 05", Row({1, 2, 3, 4, 5}), "dbase1.txt"),               // no definition line
        Entry("05 Mar 05", Row({1, 2, 3, 4, 5}), "dbase2.txt"),               // no draw lines
    };
    const CheckSummary s = CheckEntries(entries);
    ASSERT_EQ(s.outcomes.size(), entries.size());
    const std::vector<EntryStatus> expected{EntryStatus::Checked, EntryStatus::Checked, EntryStatus::NoDraw,
                                            EntryStatus::NoDraw,  EntryStatus::NoDraw,  EntryStatus::Checked,
                                            EntryStatus::Checked, EntryStatus::Skipped, EntryStatus::Skipped,
                                            EntryStatus::Skipped, EntryStatus::Skipped, EntryStatus::NoDraw};
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(s.outcomes[i].status, expected[i]) << "entry " << i;
    EXPECT_EQ(s.matchCounts[13], 1);
    EXPECT_EQ(s.matchCounts[2], 1);
    EXPECT_EQ(s.matchCounts[6], 1);
    EXPECT_EQ(s.matchCounts[12], 1);
    EXPECT_EQ(std::accumulate(s.matchCounts.begin(), s.matchCounts.end(), 0), 4);
    EXPECT_EQ(s.skipped, 4);
    EXPECT_EQ(s.bonusBlockBalls, 6); // the larger of 6 (UK Lotto) and 5 (Powerball)
    ASSERT_TRUE(s.lastHeader.has_value());
    EXPECT_EQ(s.lastHeader->name, "Empty"); // the last entry whose lottery could be read
    const QString report = CheckReportText(s);
    EXPECT_TRUE(report.contains(" 3-match+bonus/pball = 1 times\r\n"));
    // Every entry is accounted for: 4 counted, 4 not checked, 4 without a draw.
    EXPECT_TRUE(report.endsWith(" 0-match+bonus/pball = 0 times\r\n\r\n"
                                "Entries not checked: 4 (database file missing or date not readable)\r\n"
                                "Entries not checked: 4 (no draw on their date)\r\n"));
}

TEST_F(CheckEntriesTest, EntriesWithoutADrawAreReportedOnTheirOwn)
{
    const CheckSummary s = CheckEntries({Entry("13 Mar 05", Row({1, 2, 3, 4, 5, 6}), "dbase100.txt")});
    EXPECT_EQ(std::accumulate(s.matchCounts.begin(), s.matchCounts.end(), 0), 0);
    EXPECT_TRUE(CheckReportText(s).endsWith(" 0-match+bonus/pball = 0 times\r\n\r\n"
                                            "Entries not checked: 1 (no draw on their date)\r\n"));
}

TEST(TypedEntryTest, NumbersAreCheckedAgainstTheirLottery)
{
    using Texts = std::array<QString, 9>;
    const auto lotto = Lottery(6, 49, 0, 1);
    const auto powerball = Lottery(5, 69, 26, 0);
    EXPECT_TRUE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "5", "49", "", ""}, lotto, 6, false));
    EXPECT_TRUE(
        TypedEntryValid(Texts{"", "07", "2", "3", "4", "5", "49", "99", "99"}, lotto, 6, false)); // hidden boxes
    EXPECT_FALSE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "5", "50", "", ""}, lotto, 6, false));
    EXPECT_FALSE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "5", "", "", ""}, lotto, 6, false));
    EXPECT_FALSE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "5", "01", "", ""}, lotto, 6, false)); // repeated
    EXPECT_TRUE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "", "", "", ""}, lotto, 4, false));
    EXPECT_TRUE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "69", "", "", "26"}, powerball, 5, true));
    EXPECT_FALSE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "69", "", "", "27"}, powerball, 5, true));
    EXPECT_TRUE(TypedEntryValid(Texts{"", "1", "2", "3", "4", "69", "", "", ""}, powerball, 4, false));
}

TEST_F(CheckEntriesTest, AnEntryMeetsEveryDrawOfItsNight)
{
    writeLines("dbase101.txt",
               DatabaseLines("UK Lotto", "6,59,0,0,1",
                             {"22 Aug 26,1,2,3,4,5,6,,7", "19 Aug 26,10,11,12,13,14,15,,16",
                              "19 Aug 26,21,22,23,24,25,26,,27", "15 Aug 26,1,2,3,4,5,6,,7"}));
    const CheckSummary s = CheckEntries({Entry("19 Aug 26", Row({21, 22, 23, 24, 25, 26}), "dbase101.txt"),
                                         Entry("22 Aug 26", Row({1, 2, 3, 40, 41, 42}), "dbase101.txt")});
    ASSERT_EQ(s.outcomes[0].results.size(), 2u);
    EXPECT_EQ(s.matchCounts[6], 1); // the second draw of the night
    EXPECT_EQ(s.matchCounts[0], 1); // the first
    EXPECT_EQ(s.matchCounts[3], 1);
    EXPECT_EQ(s.outcomes[0].marks[1], CellMark::Main);
    EXPECT_EQ(s.severalDraws, 1);
    EXPECT_TRUE(CheckReportText(s).endsWith(
        " 0-match+bonus/pball = 0 times\r\n\r\n"
        "Entries checked against more than one draw: 1 (more than one draw on their date)\r\n"));
}

TEST_F(CheckEntriesTest, ReadingStopsAtTheOldestEntryOnlyInANewestFirstFile)
{
    EXPECT_EQ(ReadDrawFile("dbase100.txt", {QDate(2005, 3, 9)})->draws.size(), 1u);
    // Hand-edited: 09 Mar stands below 05 Mar.
    writeLines("dbase102.txt",
               DatabaseLines("UK Lotto", "6,49,0,0,1",
                             {"12 Mar 05,1,2,3,4,5,6,,7", "05 Mar 05,1,2,3,4,5,6,,7", "09 Mar 05,3,11,20,30,38,40,,45",
                              "01 Mar 05,1,2,3,4,5,6,,7"}));
    const CheckSummary s = CheckEntries({Entry("09 Mar 05", Row({3, 11, 20, 30, 38, 40}), "dbase102.txt")});
    EXPECT_EQ(s.outcomes[0].status, EntryStatus::Checked);
    EXPECT_EQ(s.matchCounts[6], 1);
}

TEST_F(CheckEntriesTest, ANightOfTwoDrawsColoursTheDrawMatchedBest)
{
    writeLines("dbase101.txt",
               DatabaseLines("UK Lotto", "6,59,0,0,1",
                             {"19 Aug 26,10,11,12,13,14,15,,16", "19 Aug 26,21,22,23,24,25,26,,27"}));
    // Columns 1 to 8: M a main match, B a bonus match, . none.
    const struct {
        BallRow entry;
        const char* marks;
    } cases[] = {
        {Row({10, 11, 12, 21, 22, 23}), "MMM....."}, // a tie: the first draw in the file
        {Row({10, 11, 21, 22, 23, 40}), "..MMM..."},
        {Row({10, 11, 12, 21, 22, 27}), "MMM....."}, // three main matches beat two and the bonus
        {Row({10, 11, 21, 22, 27, 40}), "..MMB..."}, // two and the bonus beat two
    };
    for (const auto& c : cases) {
        const CheckSummary s = CheckEntries({Entry("19 Aug 26", c.entry, "dbase101.txt")});
        std::string marks;
        for (int col = 1; col <= kExtraBallColumn; ++col) {
            const CellMark m = s.outcomes[0].marks[std::size_t(col)];
            marks += m == CellMark::Main ? 'M' : m == CellMark::Bonus ? 'B' : '.';
        }
        EXPECT_EQ(marks, c.marks) << c.marks;
    }
}

TEST_F(CheckEntriesTest, ReadingStopsOnlyWhereTheWholeReadWouldFindNothingMore)
{
    // A line out of order, a blank or a byte-order mark before its date and a
    // replacement character further on: its date is read as the readers read it.
    for (const QString& before : {QStringLiteral("\u00A0"), QStringLiteral("\uFEFF")}) {
        writeLines("dbase103.txt",
                   DatabaseLines("UK Lotto", "6,49,0,0,1",
                                 {"10 Mar 21,1,2,3,4,5,6,,7", "01 Mar 21,1,2,3,4,5,6,,7",
                                  before + "05-Mar-2021,3,11,20,30,38,40,\uFFFD,45"}));
        const CheckSummary s = CheckEntries({Entry("05-Mar-2021", Row({3, 11, 20, 30, 38, 40}), "dbase103.txt")});
        EXPECT_EQ(s.matchCounts[6], 1) << int(before.at(0).unicode());
    }
}

TEST_F(CheckEntriesTest, ALineAcrossAPieceOfTheOrderPassIsReadWhole)
{
    // Over a megabyte of lines, the draw of the entry's date cut inside its
    // date by the first megabyte's end and standing below older draws: the
    // file is not in order, so reading may not stop before it.
    QByteArray bytes = "UK Lotto\r\nhttp://example.org\r\n6,49,0,0,1\r\n10 Mar 21,1,2,3,4,5,6,,7\r\n";
    while (bytes.size() < (1 << 20) - 100)
        bytes += "01 Mar 21,1,2,3,4,5,6,,7\r\n";
    bytes += QByteArray((1 << 20) - 5 - 2 - bytes.size(), ' ') + "\r\n"; // a blank line
    bytes += "05 Mar 21,3,11,20,30,38,40,,45\r\n";
    for (int i = 0; i < 100; ++i)
        bytes += "01 Feb 21,1,2,3,4,5,6,,7\r\n";
    writeBytes("dbase104.txt", bytes);
    const CheckSummary s = CheckEntries({Entry("05-Mar-2021", Row({3, 11, 20, 30, 38, 40}), "dbase104.txt")});
    EXPECT_EQ(s.matchCounts[6], 1);
}
