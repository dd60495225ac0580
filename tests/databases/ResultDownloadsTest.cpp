// Reading the operators' result files into database lines: the date
// conversions in each kind of locale, every operator's shape, and the texts
// that must never reach a database.
#include "databases/ResultDownloads.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLocale>

namespace {

QString Fixture(const QString& name)
{
    QFile file(QStringLiteral(VANTREL_TEST_DATA_DIR "/downloads/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Puts the locale back after a test that changes it.
class LocaleTest : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(saved_); }
    static void Use(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }
    QLocale saved_;
};

std::string Text(const std::optional<QString>& date) { return date ? date->toStdString() : "(none)"; }

// The header, the count, the first and the last draw line.
struct Expected {
    QString name, website, definition;
    int draws;
    QString first, last;
};

void ExpectDatabase(const ParsedResults& r, const Expected& e)
{
    ASSERT_TRUE(r.usable()) << r.error.toStdString();
    ASSERT_EQ(r.lines.size(), 3 + e.draws);
    EXPECT_EQ(r.draws, e.draws);
    EXPECT_EQ(r.lines[0], e.name);
    EXPECT_EQ(r.lines[1], e.website);
    EXPECT_EQ(r.lines[2], e.definition);
    EXPECT_EQ(r.lines[3], e.first);
    EXPECT_EQ(r.lines.last(), e.last);
}

// A UK Lotto text: heading, then the rows given.
QString LottoText(const QStringList& rows, const QString& lineEnd = "\r\n")
{
    return "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine" + lineEnd
        + rows.join(lineEnd) + lineEnd;
}

} // namespace

TEST_F(LocaleTest, DatesReadTheSameInEveryLocale)
{
    // GetDate reads month first, GetDateAU day first; year first stays year first.
    const std::pair<const char*, const char*> monthFirst[] = {
        {"12/31/2005", "31-Dec-2005"}, {"01-02-2005", "02-Jan-2005"}, {" 3\\5\\2005 ", "05-Mar-2005"},
        {"2005/12/31", "31-Dec-2005"}, {"12312005", "(none)"}, // no separators to split at
        {"13/31/2005", "(none)"},      {"Draw Date", "(none)"}};
    const std::pair<const char*, const char*> dayFirst[] = {{"1 - 2 - 2005", "01-Feb-2005"},
                                                            {"31\\12\\2005", "31-Dec-2005"},
                                                            {"31/12/2005", "31-Dec-2005"},
                                                            {"2005-02-01", "01-Feb-2005"},
                                                            {"32/1/2005", "(none)"}};
    // Day first with months named in German too.
    const std::tuple<QLocale::Language, QLocale::Territory, bool> locales[] = {
        {QLocale::English, QLocale::UnitedKingdom, true},
        {QLocale::English, QLocale::UnitedStates, false},
        {QLocale::German, QLocale::Germany, false}};
    for (const auto& [language, territory, uk] : locales) {
        Use(language, territory);
        EXPECT_EQ(ReadsDatesTheUKWay(), uk);
        for (const auto& [text, date] : monthFirst)
            EXPECT_EQ(Text(GetDate(text)), date) << text << " " << uk;
        for (const auto& [text, date] : dayFirst)
            EXPECT_EQ(Text(GetDateAU(text)), date) << text << " " << uk;
    }
}

TEST_F(LocaleTest, TimedLinesUseTheLocalesDecimalSign)
{
    EXPECT_EQ(TimedLine("Finished...", 123), "Finished...12.3 sec");
    EXPECT_EQ(TimedLine("Finished...", 0), "Finished...0.0 sec");
    EXPECT_EQ(TimedLine("Finished...", 400000), "Finished...40000.0 sec"); // no thousands separator
    Use(QLocale::German, QLocale::Germany);
    EXPECT_EQ(TimedLine("Processing lottery draws data...", 7), "Processing lottery draws data...0,7 sec");
}

TEST(ResultDownloads, UKFilesGiveExactDatabases)
{
    const QString site = "http://www.national-lottery.co.uk";
    ExpectDatabase(ParseUKResults(0, "UK Lotto", Fixture("uk/Lotto.csv")),
                   {"UK Lotto", site, "6,49,0,0,1", 30, "07-Jan-2015,39,47,30,34,36,17,0,43",
                    "27-Sep-2014,31,21,37,13,22,3,0,25"});
    // Thunderball's main numbers now run to 39: line 3 says so.
    ExpectDatabase(ParseUKResults(1, "UK Thunderball", Fixture("uk/Thunderball.csv")),
                   {"UK Thunderball", site, "5,39,1,14,0", 30, "10-Jan-2015,24,6,34,27,12,0,0,10",
                    "05-Nov-2014,22,10,29,6,8,0,0,6"});
    ExpectDatabase(ParseUKResults(2, "UK Daily Play", Fixture("uk/DailyPlay.csv")),
                   {"UK Daily Play", site, "7,27,0,0,0", 40, "21-Mar-2009,1,11,26,19,25,15,16,0",
                    "04-Feb-2009,6,21,2,23,19,17,7,0"});
    // Its rows end right after the sixth number: no row runs into the next.
    ExpectDatabase(ParseUKResults(3, "UK Lotto Extra", Fixture("uk/Extra.csv")),
                   {"UK Lotto Extra", site, "6,49,0,0,0", 40, "11-Nov-2006,46,27,49,8,44,31,0,0",
                    "28-Jun-2006,21,15,1,17,45,47,0,0"});
    ExpectDatabase(ParseUKResults(4, "UK Lotto Hot Picks", Fixture("uk/HotPicks.csv")),
                   {"UK Lotto Hot Picks", site, "4,49,0,0,0", 30, "07-Jan-2015,27,45,41,30,16,43,0,0",
                    "27-Sep-2014,28,33,17,45,5,22,0,0"});
}

TEST(ResultDownloads, AWiderLottoKeepsItsHighNumbersAndBothDrawsOfANight)
{
    const ParsedResults r = ParseUKResults(0, "UK Lotto", Fixture("uk/Lotto59.csv"));
    ExpectDatabase(r,
                   {"UK Lotto", "http://www.national-lottery.co.uk", "6,59,0,0,1", 31,
                    "09-Jan-2016,34,33,42,37,16,55,0,39", "30-Sep-2015,17,32,59,40,43,46,0,21"});
    EXPECT_EQ(r.lines[4], "09-Jan-2016,25,7,27,6,45,50,0,15");
}

TEST(ResultDownloads, NumbersAboveTheRangeWidenItUpTo60)
{
    const QString thunderball = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set\r\n";
    const QString powerball = "Draw Date   WB1 WB2 WB3 WB4 WB5 PB  PP\r\n";
    const struct {
        ParsedResults parsed;
        const char* definition;
    } cases[] = {
        {ParseUKResults(0, "UK Lotto", LottoText({"05-Mar-2005,1,2,3,4,5,60,7"})), "6,60,0,0,1"},
        {ParseUKResults(1, "UK Thunderball", thunderball + "10-Jan-2015,1,2,3,4,5,20,3\r\n"), "5,34,1,20,0"},
        {ParseUKResults(1, "UK Thunderball", thunderball + "10-Jan-2015,1,2,3,4,5,60,3\r\n"), "5,34,1,60,0"},
        {ParseOtherResults(OtherLottery::USPowerball, powerball + "03/05/2005  07  11  26  41  45  44  5\r\n"),
         "5,53,1,44,0"},
        // A bonus ball is drawn from the main range: it widens that range.
        {ParseUKResults(0, "UK Lotto", LottoText({"05-Mar-2005,1,2,3,4,5,6,55"})), "6,55,0,0,1"},
        {ParseOtherResults(OtherLottery::SALotto,
                           "Draw,Date,Balls,Bonus\n560,2005/03/05, 6, 4, 17, 22, 23, 34, 52,R4\n"),
         "6,52,1,0,1"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.parsed.usable()) << c.parsed.error.toStdString();
        EXPECT_EQ(c.parsed.lines[2].toStdString(), c.definition);
        // Every reader takes the highest number back under that definition.
        const auto lottery = ParseDefinition(c.parsed.lines[2]);
        ASSERT_TRUE(lottery && lottery->valid());
        const auto draw = ReadDrawLine(c.parsed.lines[3], &*lottery);
        ASSERT_TRUE(draw);
        EXPECT_EQ(draw->numbers[8], c.parsed.lines[3].section(u',', -1).toInt()) << c.definition;
    }
}

TEST(ResultDownloads, OtherFilesGiveExactDatabases)
{
    const QString au = "http://www.thelott.com";
    const QString ca = "http://www.calottery.com";
    ExpectDatabase(ParseOtherResults(OtherLottery::SALotto, Fixture("sa/winningnumbers.csv")),
                   {"South Africa Lotto", "http://www.nationallottery.co.za", "6,49,1,0,1", 18,
                    "05-Mar-2005,6,4,17,22,23,34,0,11", "05-Jan-2005,3,11,44,47,21,28,0,40"});
    ExpectDatabase(ParseOtherResults(OtherLottery::GoldLottoSat, Fixture("au/GoldLottoSat.csv")),
                   {"AU Gold Lotto (Sat)", au, "6,45,1,0,0", 15, "05-Mar-2005,2,22,25,6,16,17,0,0",
                    "27-Nov-2004,20,37,24,23,10,30,0,0"});
    ExpectDatabase(ParseOtherResults(OtherLottery::GoldLottoWed, Fixture("au/GoldLottoWed.csv")),
                   {"AU Gold Lotto (Wed)", au, "6,45,1,0,0", 15, "02-Mar-2005,30,45,39,13,17,16,0,0",
                    "24-Nov-2004,1,32,19,22,3,27,0,0"});
    // The sixth number is the Powerball: c8, with c6 0.
    ExpectDatabase(ParseOtherResults(OtherLottery::AUPowerball, Fixture("au/Powerball.csv")),
                   {"AU Powerball", au, "5,45,1,45,0", 15, "03-Mar-2005,38,40,14,12,4,0,0,15",
                    "25-Nov-2004,28,36,12,30,44,0,0,34"});
    ExpectDatabase(
        ParseOtherResults(OtherLottery::OzLotto, Fixture("au/OzLotto.csv")),
        {"AU Oz Lotto", au, "6,45,1,0,0", 15, "01-Mar-2005,9,7,29,28,17,44,0,0", "23-Nov-2004,8,32,5,3,6,2,0,0"});
    // Listed oldest first, stored newest first.
    ExpectDatabase(ParseOtherResults(OtherLottery::MegaMillions, Fixture("us/megamillions.txt")),
                   {"US Mega Millions", "http://www.megamillions.com", "5,52,1,52,0", 18,
                    "04-Mar-2005,7,4,37,28,34,0,0,18", "04-Jan-2005,29,7,28,36,34,0,0,27"});
    // 07 is stored as 7.
    ExpectDatabase(ParseOtherResults(OtherLottery::USPowerball, Fixture("us/winnums-text.txt")),
                   {"US Powerball", "http://www.powerball.com", "5,53,1,42,0", 20, "05-Mar-2005,7,11,26,41,45,0,0,22",
                    "29-Dec-2004,4,28,42,45,49,0,0,21"});
    ExpectDatabase(ParseOtherResults(OtherLottery::SuperLottoPlus, Fixture("ca/SuperLottoPlus.txt")),
                   {"CA SuperLotto Plus", ca, "5,47,1,27,0", 15, "05-Mar-2005,29,47,32,12,23,0,0,8",
                    "15-Jan-2005,24,45,18,20,22,0,0,22"});
    ExpectDatabase(
        ParseOtherResults(OtherLottery::Fantasy5, Fixture("ca/Fantasy5.txt")),
        {"CA Fantasy 5", ca, "5,39,1,0,0", 18, "05-Mar-2005,13,8,35,36,6,0,0,0", "16-Feb-2005,21,24,25,22,30,0,0,0"});
}

TEST(ResultDownloads, LineEndsOfAnyKindNeitherLoseNorAddDraws)
{
    const QStringList rows = {"05-Mar-2005,1,2,3,4,5,6,7", "02-Mar-2005,8,9,10,11,12,13,14,extra,fields"};
    const QStringList want = {"05-Mar-2005,1,2,3,4,5,6,0,7", "02-Mar-2005,8,9,10,11,12,13,0,14"};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const ParsedResults r = ParseUKResults(0, "UK Lotto", LottoText(rows, end));
        EXPECT_EQ(r.lines.mid(3), want) << r.error.toStdString();
    }
    // No line end after the last draw loses nothing.
    QString cut = LottoText(rows);
    cut.chop(2);
    EXPECT_EQ(ParseUKResults(0, "UK Lotto", cut).lines.mid(3), want);
    // Trailing empty lines end the data.
    EXPECT_EQ(ParseUKResults(0, "UK Lotto", LottoText(rows) + "\r\n\r\n  \r\n").lines.mid(3), want);

    // The South African file with CR LF line ends gives no empty lines.
    QString sa = Fixture("sa/winningnumbers.csv");
    sa.replace("\n", "\r\n");
    const ParsedResults r = ParseOtherResults(OtherLottery::SALotto, sa);
    EXPECT_EQ(r.draws, 18);
    EXPECT_EQ(r.lines.mid(3), ParseOtherResults(OtherLottery::SALotto, Fixture("sa/winningnumbers.csv")).lines.mid(3));

    // A Mega Millions row with an extra field does not end the run.
    QString mm = Fixture("us/megamillions.txt");
    mm.replace("; Mega Ball: 7\r\n", "; Mega Ball: 7; Megaplier 3\r\n");
    EXPECT_EQ(ParseOtherResults(OtherLottery::MegaMillions, mm).draws, 18);
}

TEST(ResultDownloads, ALastLineCutShortGivesNoDraw)
{
    // The text stops inside its last line, no line end after it. That draw is
    // left out, unless a further field shows its last number whole; US
    // Powerball and Mega Millions never use such a line.
    const struct {
        OtherLottery lottery;
        const char* fixture;
        int chop; // characters cut from the end
        bool kept;
    } cases[] = {
        {OtherLottery::USPowerball, "us/winnums-text.txt", 6, false},       // Powerball "2" of "21"
        {OtherLottery::USPowerball, "us/winnums-text.txt", 2, false},       // only the line end missing
        {OtherLottery::GoldLottoSat, "au/GoldLottoSat.csv", 9, false},      // "3" of "30"
        {OtherLottery::AUPowerball, "au/Powerball.csv", 9, false},          // Powerball "3" of "34"
        {OtherLottery::OzLotto, "au/OzLotto.csv", 3, true},                 // cut inside the supplementaries
        {OtherLottery::SALotto, "sa/winningnumbers.csv", 11, false},        // bonus "4" of "40"
        {OtherLottery::SuperLottoPlus, "ca/SuperLottoPlus.txt", 10, false}, // extra "2" of "22"
        {OtherLottery::Fantasy5, "ca/Fantasy5.txt", 10, false},             // "3" of "30"
        {OtherLottery::MegaMillions, "us/megamillions.txt", 3, false},      // Mega Ball "1" of "18"
    };
    for (const auto& c : cases) {
        const QString whole = Fixture(c.fixture);
        const QString withoutLastLine = whole.left(whole.lastIndexOf(u'\n', -2) + 1);
        const ParsedResults cut = ParseOtherResults(c.lottery, whole.chopped(c.chop));
        const ParsedResults want = ParseOtherResults(c.lottery, c.kept ? whole : withoutLastLine);
        ASSERT_TRUE(want.usable() && cut.usable()) << c.fixture << " " << cut.error.toStdString();
        EXPECT_EQ(cut.lines.join(u'\n').toStdString(), want.lines.join(u'\n').toStdString())
            << c.fixture << " " << c.chop;
    }
    // UK Lotto: the bonus "1" of "14", or only the line end missing.
    const QStringList uk = {"05-Mar-2005,1,2,3,4,5,6,7", "02-Mar-2005,8,9,10,11,12,13,14"};
    for (int chop : {3, 2}) {
        EXPECT_EQ(ParseUKResults(0, "UK Lotto", LottoText(uk).chopped(chop)).lines.mid(3),
                  QStringList{"05-Mar-2005,1,2,3,4,5,6,0,7"})
            << chop;
    }
}

TEST(ResultDownloads, TextsThatAreNoResultFileAreRefused)
{
    const auto refusedUK = [](const QString& text) {
        const ParsedResults r = ParseUKResults(0, "UK Lotto", text);
        EXPECT_FALSE(r.usable());
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_TRUE(r.lines.isEmpty());
        return r.error.toStdString();
    };
    EXPECT_EQ(refusedUK(Fixture("errors/error.html")), "No draw was found in the downloaded text.");
    EXPECT_EQ(refusedUK(""), "No draw was found in the downloaded text.");
    // A date that cannot be read after the first draw fails the whole text.
    EXPECT_EQ(refusedUK(LottoText({"05-Mar-2005,1,2,3,4,5,6,7", "Total,1,2,3,4,5,6,7"})),
              "Line 3 of the downloaded text: \"Total\" is not a date.");
    EXPECT_EQ(refusedUK(LottoText({"05-Mar-2005,1,2,3,4,5,6,7", "02-Mar-2005,1,2,3,4,5"})),
              "Line 3 of the downloaded text: the draw holds too few numbers.");
    EXPECT_EQ(refusedUK(LottoText({"05-Mar-2005,1,2,3,4,61,6,7"})),
              "Line 2 of the downloaded text: \"61\" is not a number from 1 to 60.");
    EXPECT_EQ(refusedUK(LottoText({"07-Jan-2015,9999999999,2,3,4,5,6,7"})),
              "Line 2 of the downloaded text: \"9999999999\" is not a number from 1 to 60.");
    refusedUK(LottoText({"05-Mar-2005,1,2,3,4,0,6,7"}));
    refusedUK(LottoText({"05-Mar-2005,1,2,x,4,5,6,7"}));
    refusedUK(LottoText({"05-Mar-2005,1,2,3,4,5,6,"}));
    refusedUK(LottoText({"05-Mar-2005,1,2,3,4,5,6,77"}));

    const auto refused = [](OtherLottery lottery, const QString& text) {
        const ParsedResults r = ParseOtherResults(lottery, text);
        EXPECT_FALSE(r.usable()) << int(lottery);
        return r.error.toStdString();
    };
    for (int k = 0; k < kOtherLotteries; ++k)
        refused(OtherLottery(k), Fixture("errors/error.html"));
    // A South African date no locale reads.
    QString sa = Fixture("sa/winningnumbers.csv");
    sa.replace("2005/02/02", "2005/02/30");
    EXPECT_EQ(refused(OtherLottery::SALotto, sa), "Line 11 of the downloaded text: \"2005/02/30\" is not a date.");
    // US Powerball numbers above 60.
    QString pb = Fixture("us/winnums-text.txt");
    pb.replace("03/05/2005  07", "03/05/2005  69");
    EXPECT_EQ(refused(OtherLottery::USPowerball, pb),
              "Line 2 of the downloaded text: \"69\" is not a number from 1 to 60.");
    // A Mega Millions line among the draws that is not one.
    QString mm = Fixture("us/megamillions.txt");
    mm.replace("01/07/2005;", "Jan 7th;");
    const std::string stray = refused(OtherLottery::MegaMillions, mm);
    EXPECT_TRUE(stray.starts_with("Line 3 of the downloaded text: \"Jan 7th, 3, 25,")) << stray;
    EXPECT_TRUE(stray.ends_with("\" stands among the draws.")) << stray;
    QString ca = Fixture("ca/Fantasy5.txt");
    ca.replace("03/04/2005", "3/4");
    EXPECT_EQ(refused(OtherLottery::Fantasy5, ca), "Line 5 of the downloaded text: \"3/4\" is not a date.");
}

TEST(ResultDownloads, HeadingsAndFootersAroundTheDraws)
{
    // Fields before the first date on its line are a heading; a last line
    // holding a lone field ends the data.
    const ParsedResults uk =
        ParseUKResults(2, "UK Daily Play", "Results,05-Mar-2005,1,2,3,4,5,6,7\r\n04-Mar-2005,8,9,10,11,12,13,14\r\n");
    EXPECT_EQ(uk.lines.mid(3), QStringList({"05-Mar-2005,1,2,3,4,5,6,7,0", "04-Mar-2005,8,9,10,11,12,13,14,0"}));
    QString au = Fixture("au/OzLotto.csv");
    au += "END";
    EXPECT_EQ(ParseOtherResults(OtherLottery::OzLotto, au).draws, 15);
    // Mega Millions: anything after the newest draw is passed over.
    QString mm = Fixture("us/megamillions.txt") + "\r\nResults supplied for information only\r\n";
    EXPECT_EQ(ParseOtherResults(OtherLottery::MegaMillions, mm).draws, 18);
}

TEST_F(ProgramFolderTest, StoringNeedsAUsableParse)
{
    writeFile("dbase100.txt", "old\r\n");
    ParsedResults none = ParseUKResults(0, "UK Lotto", LottoText({}));
    EXPECT_EQ(none.error.toStdString(), "No draw was found in the downloaded text.");
    EXPECT_FALSE(StoreResults("dbase100.txt", none));
    EXPECT_EQ(readFile("dbase100.txt"), "old\r\n");

    const ParsedResults one = ParseUKResults(0, "UK Lotto", LottoText({"05-Mar-2005,1,2,3,4,5,6,7"}));
    EXPECT_TRUE(StoreResults("dbase100.txt", one));
    EXPECT_EQ(readFile("dbase100.txt"),
              "UK Lotto\r\nhttp://www.national-lottery.co.uk\r\n6,49,0,0,1\r\n05-Mar-2005,1,2,3,4,5,6,0,7\r\n");
}
