// Play-slip templates: generated positions, the file written and read, and
// where each entry's board lies.
#include "printing/PlaySlipTemplate.h"
#include "support/TestSupport.h"

namespace {
QString At(const SlipPositions& p, int n, SlipColumn c) { return FormatPosition(p[n][c]); }

PlaySlipTemplate Sample49(const QString& name = "  My slip ")
{
    PlaySlipTemplate slip;
    slip.TemplateName = name;
    slip.TemplateLottery = "UK Lotto";
    slip.SlipOrientation = 1;
    slip.positions = GenerateSlipPositions(slip.header, true, 49, 0).positions;
    return slip;
}
} // namespace

TEST(SlipPositions, DefaultsGiveTheMeasuredBoxesLandscapeAndPortrait)
{
    const SlipHeader h = DefaultSlipHeader();
    const SlipGenerateResult land = GenerateSlipPositions(h, true, 49, 0);
    ASSERT_EQ(land.problem, SlipGenerateResult::None);
    const SlipPositions& p = land.positions;
    EXPECT_EQ(At(p, 1, NumX), "38.20");
    EXPECT_EQ(At(p, 1, NumY), "71.50");
    EXPECT_EQ(At(p, 2, NumX), "38.20");
    EXPECT_EQ(At(p, 2, NumY), "65.11");
    EXPECT_EQ(At(p, 12, NumY), "1.21");
    EXPECT_EQ(At(p, 13, NumX), "42.00");
    EXPECT_EQ(At(p, 13, NumY), "71.50");
    EXPECT_EQ(At(p, 49, NumX), "53.40");
    EXPECT_EQ(At(p, 49, NumY), "71.50");
    // Nothing above the lottery's highest number, no extra ball at all.
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(At(p, 50, SlipColumn(c)), "");
    for (int n = 1; n <= 60; ++n)
        EXPECT_FALSE(p[n][PballX] || p[n][PballY]) << n;

    const SlipPositions portrait = GenerateSlipPositions(h, false, 49, 0).positions;
    EXPECT_EQ(At(portrait, 2, NumX), "42.00");
    EXPECT_EQ(At(portrait, 2, NumY), "71.50");
    EXPECT_EQ(At(portrait, 13, NumX), "38.20");
    EXPECT_EQ(At(portrait, 13, NumY), "77.89");

    // The extra ball, four to a row.
    const SlipPositions extraLand = GenerateSlipPositions(h, true, 59, 10).positions;
    EXPECT_EQ(At(extraLand, 5, PballX), "45.90");
    EXPECT_EQ(At(extraLand, 5, PballY), "27.30");
    EXPECT_EQ(At(extraLand, 10, PballX), "49.70");
    EXPECT_EQ(At(extraLand, 11, PballX), "");
    EXPECT_EQ(At(extraLand, 59, NumX), "53.40");
    EXPECT_EQ(At(extraLand, 59, NumY), "7.60");
    const SlipPositions extraPortrait = GenerateSlipPositions(h, false, 59, 10).positions;
    EXPECT_EQ(At(extraPortrait, 5, PballX), "42.10");
    EXPECT_EQ(At(extraPortrait, 5, PballY), "33.69");
    // A lottery of more than 60 numbers fills the 60 lines there are.
    EXPECT_EQ(At(GenerateSlipPositions(h, true, 69, 26).positions, 60, NumY), "1.21");
}

TEST(SlipPositions, NumbersPerRowAndTheHeaderAreRefusedWhenWrong)
{
    for (const char* p : {"0", "0.4", "-2", "abc", "", "12,5"}) {
        SlipHeader h = DefaultSlipHeader();
        h[NumbersPerRow] = p;
        EXPECT_EQ(GenerateSlipPositions(h, true, 49, 0).problem, SlipGenerateResult::NumbersPerRow) << p;
    }
    SlipHeader h = DefaultSlipHeader();
    h[NumbersPerRow] = " 12.0 ";
    EXPECT_EQ(GenerateSlipPositions(h, true, 49, 0).problem, SlipGenerateResult::None);
    // The extra ball's count matters only to a lottery that has one.
    for (const char* q : {"0", "0.4", "-1"}) {
        h[PballNumbersPerRow] = q;
        EXPECT_EQ(GenerateSlipPositions(h, true, 49, 10).problem, SlipGenerateResult::PballNumbersPerRow) << q;
    }
    h[PballNumbersPerRow] = "0";
    EXPECT_EQ(GenerateSlipPositions(h, true, 49, 0).problem, SlipGenerateResult::None);

    // A count with a half goes to the even neighbour: 2.5 is 2, 3.5 is 4.
    for (auto [text, perRow] : {std::pair{"2.5", 2}, {"3.5", 4}, {"12.5", 12}}) {
        SlipHeader half = DefaultSlipHeader();
        half[NumbersPerRow] = text;
        half[PballNumbersPerRow] = text;
        const SlipGenerateResult r = GenerateSlipPositions(half, false, 49, 10);
        ASSERT_EQ(r.problem, SlipGenerateResult::None) << text;
        // Portrait: the first number of the second row lies one step down.
        EXPECT_EQ(At(r.positions, perRow + 1, NumY), "77.89") << text;
        if (perRow < 10) {
            EXPECT_EQ(At(r.positions, perRow + 1, PballY), "33.69") << text;
        }
    }

    struct Bad {
        SlipField field;
        const char* text;
        const char* says;
    };
    for (const Bad& bad :
         {Bad{MarkWidth, "3,5", "\"Size of mark (mm): Width\" must be a number"},
          Bad{MarginY, "", "\"Printer margin (mm): Vertical\" must be a number"},
          Bad{FirstNumX, "1e3", "Number 1 (mm): Horizontal"},
          Bad{NumSepY, "123456", "Number separation (mm): Vertical"}, Bad{MarkHeight, "0", "must be above 0"},
          Bad{BoardsAcross, "0", "\"Number of boards: Across\" must be a whole number from 1 to 20"},
          Bad{BoardsDown, "21", "from 1 to 20"}, Bad{BoardsDown, "1.5", "from 1 to 20"}}) {
        SlipHeader header = DefaultSlipHeader();
        header[bad.field] = bad.text;
        const SlipGenerateResult r = GenerateSlipPositions(header, true, 49, 0);
        EXPECT_EQ(r.problem, SlipGenerateResult::Header) << bad.text;
        EXPECT_TRUE(r.message.contains(bad.says)) << r.message.toStdString();
        EXPECT_TRUE(r.message.endsWith("    "));
    }
    SlipHeader header = DefaultSlipHeader();
    header[BoardSepX] = "-28.1";
    header[BoardsAcross] = "20";
    EXPECT_EQ(CheckSlipHeader(header), "");
}

class SlipFiles : public ProgramFolderTest {};

TEST_F(SlipFiles, TheFileHoldsSeventyTwoLinesExactlyAsTyped)
{
    PlaySlipTemplate slip = Sample49();
    slip.header[MarkWidth] = " 3";
    ASSERT_TRUE(WritePlaySlipTemplate("PTemplate.000", slip));
    // The whole file: the header as typed, then number n of 49 on the
    // landscape slip at column (n - 1) / 12 and row (n - 1) % 12.
    QStringList expected = {"  My slip ", "UK Lotto",  " 1 ",      " 3,2",     "5,1",    "12,4",
                            "38.2,71.5",  "42.1,27.3", "3.8,6.39", "3.8,6.39", "28.1,0", "3.0,5.5"};
    for (int n = 1; n <= 60; ++n) {
        expected << (n > 49 ? QString(",,,")
                            : QString::asprintf("%.2f,%.2f,,", 38.2 + (n - 1) / 12 * 3.8, 71.5 - (n - 1) % 12 * 6.39));
    }
    ASSERT_EQ(expected.size(), 72);
    EXPECT_EQ(readBytes("PTemplate.000"), (expected.join("\r\n") + "\r\n").toUtf8());

    // Read back as written; the header values as numbers.
    const PlaySlipRead read = ReadPlaySlipTemplate("PTemplate.000");
    ASSERT_TRUE(read.slip) << read.error.toStdString();
    EXPECT_EQ(read.slip->TemplateName, "  My slip ");
    EXPECT_EQ(read.slip->SlipOrientation, 1);
    EXPECT_EQ(read.slip->header[MarkWidth], "3");
    EXPECT_EQ(read.slip->boardsAcross(), 5);
    EXPECT_DOUBLE_EQ(read.slip->value(MarginX), 3.0);
    EXPECT_EQ(FormatPosition(read.slip->positions[12][NumY]), "1.21");
    EXPECT_FALSE(read.slip->positions[50][NumX]);
    const QStringList again = PlaySlipTemplateLines(*read.slip);
    EXPECT_EQ(again[3], "3,2");
    EXPECT_EQ(again.mid(4), expected.mid(4));

    // Portrait, and extra-ball positions after the main ones.
    slip.SlipOrientation = 0;
    slip.positions = GenerateSlipPositions(slip.header, false, 5, 3).positions;
    const QStringList portrait = PlaySlipTemplateLines(slip);
    EXPECT_EQ(portrait[2], " 0 ");
    EXPECT_EQ(portrait[12], "38.20,71.50,42.10,27.30");
    EXPECT_EQ(portrait[15], "49.60,71.50,,");
    EXPECT_EQ(portrait[17], ",,,");
}

TEST_F(SlipFiles, DamagedFilesAreRefusedSayingWhere)
{
    const QStringList good = PlaySlipTemplateLines(Sample49());
    struct Case {
        int line; // 1-based; 0 cuts the file
        QString text;
        QString says;
    };
    const std::vector<Case> cases = {
        {0, "30", "PTemplate.001 cannot be used: it ends after line 30, and a template has 72 lines."},
        {3, " 2 ", "line 3 should be 0 (portrait) or 1 (landscape)"},
        {5, "5", "line 5 should hold 2 values"},
        {7, "38.2,71.5,1", "line 7 should hold 2 values"},
        {6, "twelve,4", "\"Main numbers: Numbers per row\" must be a number"},
        {5, "0,1", "\"Number of boards: Across\" must be a whole number from 1 to 20"},
        {40, "38.20,71.50,", "line 40 should hold 4 values"},
        {41, "38.20,7l.50,,", "line 41 holds \"7l.50\""},
    };
    for (const Case& c : cases) {
        QStringList lines = good;
        if (c.line == 0)
            lines = lines.mid(0, c.text.toInt());
        else
            lines[c.line - 1] = c.text;
        writeLines("PTemplate.001", lines);
        const PlaySlipRead read = ReadPlaySlipTemplate("PTemplate.001");
        EXPECT_FALSE(read.slip) << c.says.toStdString();
        EXPECT_TRUE(read.error.contains(c.says)) << read.error.toStdString();
    }
    EXPECT_TRUE(ReadPlaySlipTemplate("PTemplate.404").error.contains("PTemplate.404 cannot be read"));
    writeFile("PTemplate.002", "");
    EXPECT_FALSE(ReadPlaySlipTemplate("PTemplate.002").slip);

    // Any line end reads; blanks around values and the lottery name do not
    // matter; a position may have fewer decimals.
    QStringList loose = good;
    loose[1] = "  UK Lotto  ";
    loose[4] = " 2 , 3 ";
    loose[12] = " 38.2 , 71.5 ,, ";
    writeFile("PTemplate.003", loose.join("\n"));
    const PlaySlipRead read = ReadPlaySlipTemplate("PTemplate.003");
    ASSERT_TRUE(read.slip) << read.error.toStdString();
    EXPECT_EQ(read.slip->boardsAcross(), 2);
    EXPECT_EQ(FormatPosition(read.slip->positions[1][NumX]), "38.20");

    // The listing keeps the readable ones and an empty one under its file
    // name, names the others, trims lotteries.
    const TemplateListing listing = ListPlaySlipTemplates();
    ASSERT_EQ(listing.templates.size(), 2u);
    const auto& empty = listing.templates[0].file == "PTemplate.002" ? listing.templates[0] : listing.templates[1];
    const auto& loaded = listing.templates[0].file == "PTemplate.003" ? listing.templates[0] : listing.templates[1];
    EXPECT_EQ(empty.file, "PTemplate.002");
    EXPECT_EQ(empty.name, "PTemplate.002");
    EXPECT_EQ(empty.lottery, "");
    EXPECT_EQ(loaded.file, "PTemplate.003");
    EXPECT_EQ(loaded.name, "  My slip ");
    EXPECT_EQ(loaded.lottery, "UK Lotto");
    EXPECT_EQ(listing.unreadable, QStringList({"PTemplate.001"}));
}

TEST_F(SlipFiles, ANewTemplateTakesTheFirstFreeNumber)
{
    EXPECT_EQ(FirstFreeTemplateFile(), "PTemplate.000");
    writeFile("PTemplate.000", "a\r\n");
    writeFile("ptemplate.002", "b\r\n");
    EXPECT_EQ(FirstFreeTemplateFile(), "PTemplate.001");
    writeFile("PTemplate.001", "c\r\n");
    EXPECT_EQ(FirstFreeTemplateFile(), "PTemplate.003");
    EXPECT_EQ(TemplateFiles().size(), 3);
}

TEST(SlipBoards, EntriesFillBoardsAcrossThenDownAndASheetPerSlip)
{
    // Five across, one down: seven entries take two sheets.
    EXPECT_EQ(EntryPlace(4, 5, 1).sheet, 0);
    EXPECT_EQ(EntryPlace(4, 5, 1).across, 4);
    EXPECT_EQ(EntryPlace(5, 5, 1).sheet, 1);
    EXPECT_EQ(EntryPlace(6, 5, 1).across, 1);
    // Two by two: the third entry opens the second row of boards.
    const SlipPlace third = EntryPlace(2, 2, 2);
    EXPECT_EQ(third.sheet, 0);
    EXPECT_EQ(third.across, 0);
    EXPECT_EQ(third.down, 1);
    EXPECT_EQ(EntryPlace(4, 2, 2).sheet, 1);

    PlaySlipTemplate slip = Sample49();
    // Number 1 on the second board: 38.2 - 3.0 + 28.1 across, 71.5 - 5.5 down.
    const auto mark = MarkPosition(slip, 1, false, 1, 0);
    ASSERT_TRUE(mark);
    EXPECT_NEAR(mark->left, 63.3, 1e-9);
    EXPECT_NEAR(mark->top, 66.0, 1e-9);
    EXPECT_FALSE(MarkPosition(slip, 50, false, 0, 0)); // no position
    EXPECT_FALSE(MarkPosition(slip, 61, false, 0, 0));
    EXPECT_FALSE(MarkPosition(slip, 1, true, 0, 0)); // no extra ball
    for (auto [text, number] : {std::pair{"07", 7}, {"2.5", 2}, {"", 0}, {"-3", 0}, {"99999999", 61}})
        EXPECT_EQ(EntryNumber(text), number) << text;
}
