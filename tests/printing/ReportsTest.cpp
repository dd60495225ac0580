#include "PrintFixture.h"
#include "core/OpenLottery.h"
#include "platform/ui/FlexGrid.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/PrintSelection.h"
#include "printing/ui/ReportFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

namespace {
constexpr double kTol = kWordTol;

QStringList EntryHeadings() { return {"Line", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Pball"}; }

std::vector<QStringList> Entries(int count)
{
    std::vector<QStringList> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({QString::number(i), "3", "11", "17", "28", "39", QString::number(40 + i % 9), "", ""});
    return rows;
}

// What the player does in the print dialogs: confirm plain paper, then set
// the options and press Print (or do something else to the options dialog).
struct Player {
    QString textSize = "Normal";
    QString margin = "10";
    QString lines; // empty: as offered
    bool closeMedia = false;
    std::function<void(PrintFrm*)> options;
    int frmShown = 0;
    QString offeredLines, offeredMargin;
};

void Play(Player& player)
{
    SetModalHook([&player](QDialog* d) {
        auto* media = qobject_cast<PrintSelection*>(d);
        auto* f = qobject_cast<PrintFrm*>(d);
        if (!media && !f)
            return Harness::UnexpectedWindow(d);
        d->show();
        if (media) {
            if (player.closeMedia)
                d->close();
            else
                QTest::mouseClick(media->Command6, Qt::LeftButton);
        } else {
            ++player.frmShown;
            player.offeredLines = f->Text2->text();
            player.offeredMargin = f->Text1->text();
            if (player.options) {
                player.options(f);
            } else {
                f->Combo4->setCurrentText(player.textSize);
                f->Text1->setText(player.margin);
                if (!player.lines.isEmpty())
                    f->Text2->setText(player.lines);
                QTest::mouseClick(f->Command6, Qt::LeftButton);
            }
        }
        return d->result();
    });
}

double SpaceWidth(double points, bool bold = false) { return TextWidthMm(" ", points, bold); }

QString TextSize(int t) { return t == 0 ? "Normal" : (t > 0 ? "+" : "") + QString::number(t); }

} // namespace

class Reports : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        LotteryName = "UK Lotto";
    }
    // Prints a grid of those rows with the options as offered; the words printed.
    std::vector<PdfWord> printGrid(void (*print)(const FlexGrid*), const QStringList& headings,
                                   const std::vector<QStringList>& rows)
    {
        GridWindow w(headings, rows);
        Player player;
        Play(player);
        print(w.grid);
        return words();
    }
};

struct ReportCase {
    const char* name;
    void (*print)(const FlexGrid*);
    QStringList headings;
    QString titleWord;
    int titleBlanks;
    QString headingWord; // empty: no heading line
    double bodyTop;
    double (*x)(int k, int t, double m);
};

TEST_F(Reports, TitleHeadingAndCellsStandAtTheirPlacesForEveryTextSize)
{
    const QStringList nums{"Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7"};
    const ReportCase cases[] = {
        {"entries", PrintEntries, QStringList{"Line"} + nums + QStringList{"Pball"}, "Vantrel", 8, "Lottery:", 50,
         [](int k, int t, double m) { return m + k * (t + 12); }},
        {"draws", PrintDrawResults, QStringList{"Date"} + nums + QStringList{"Bonus"}, "Lottery", 8, "Lottery", 50,
         [](int k, int t, double m) { return k == 0 ? m : m + 10 + k * (t + 14); }},
        {"statistics",
         PrintNumberStats,
         {"Num", "Last drawn", "Times Drawn", "Average"},
         "Lottery",
         5,
         "Lottery:",
         50,
         [](int k, int t, double m) { return m + k * (t + 28); }},
        {"saved entries", PrintMyEntries, QStringList{"Date"} + nums + QStringList{"Pball", "Lottery", "Name"},
         "Lottery", 5, "", 36,
         [](int k, int t, double m) { return k == 0 ? m
                                          : k < 10  ? m + 10 + k * (t + 12)
                                                    : m + 15 + k * (t + 14); }},
    };
    for (const ReportCase& c : cases) {
        std::vector<QStringList> rows(3, QStringList{"1", "5", "9", "14", "22", "31", "40", "", "", "Lotto", "Ann"});
        GridWindow w(c.headings, rows);
        for (int t : {-4, 0, 4}) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(t));
            Player player;
            player.textSize = TextSize(t);
            player.margin = "15";
            Play(player);
            QFile::remove(pdf_);
            c.print(w.grid);
            ASSERT_EQ(player.offeredLines, "3");
            // The saved-entries report offers 10 mm whatever was chosen before.
            if (c.print == PrintMyEntries) {
                EXPECT_EQ(player.offeredMargin, "10");
            }
            const double m = 15;
            const auto words = this->words();

            const PdfWord title = WordAt(words, c.titleWord, t + 18);
            ASSERT_GT(title.page, 0);
            EXPECT_NEAR(title.left, m + c.titleBlanks * SpaceWidth(t + 16, true), kTol);
            EXPECT_NEAR(title.bottom - title.top, WordHeight(t + 16), 0.4);
            if (!c.headingWord.isEmpty()) {
                const PdfWord heading = WordAt(words, c.headingWord, t + 36);
                ASSERT_GT(heading.page, 0);
                EXPECT_NEAR(heading.left, m, kTol);
                EXPECT_NEAR(heading.bottom - heading.top, WordHeight(t + 12), 0.4);
                const PdfWord name = WordAt(words, "Lotto", t + 36);
                EXPECT_GT(name.left, heading.right);
            }
            // At +4 the saved entries' name column would start at the edge of
            // A4 portrait (210 mm), so the rows print at the largest smaller
            // size whose columns fit the sheet: +1 (the heading "Name" ends
            // past the right margin at +2 and +3).
            const int body = c.print == PrintMyEntries && t == 4 ? 1 : t;
            for (int k = 0; k < c.headings.size(); ++k) {
                const QString text = c.headings[k].section(' ', 0, 0) + (k == 0 ? ":" : "");
                const PdfWord cell = WordAt(words, text, t + c.bodyTop);
                ASSERT_GT(cell.page, 0) << text.toStdString();
                EXPECT_NEAR(cell.left, c.x(k, body, m), kTol) << k;
                EXPECT_NEAR(cell.bottom - cell.top, WordHeight(body + 10), 0.4);
            }
        }
    }
}

TEST_F(Reports, CellsPrintTheirLeadingNumbersInTwoDigitsDatesAndNamesAsTheyStand)
{
    {
        const auto line1 = WordsOnLineOf(printGrid(PrintEntries, EntryHeadings(), Entries(1)), "01:");
        ASSERT_EQ(line1.size(), 7u); // empty cells print nothing
        const QStringList expected{"01:", "03", "11", "17", "28", "39", "41"};
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(line1[k].text, expected[k]);
            EXPECT_NEAR(line1[k].left, 10 + k * 12 + SpaceWidth(10), kTol) << k;
        }
    }
    {
        const auto words =
            printGrid(PrintDrawResults, {"Date", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Bonus"},
                      {{"12-Mar-2025", "4", "9", "15", "22", "31", "44", "", "8"}});
        const auto row = WordsOnLineOf(words, "12-Mar-2025:");
        ASSERT_EQ(row.size(), 8u);
        EXPECT_NEAR(row[0].left, 10, kTol);
        EXPECT_EQ(row[1].text, "04");
        EXPECT_NEAR(row[1].left, 34 + SpaceWidth(10), kTol);
        EXPECT_EQ(row[7].text, "08");
        EXPECT_NEAR(row[7].left, 132 + SpaceWidth(10), kTol);
    }
    {
        const auto words = printGrid(PrintNumberStats, {"Num", "Last drawn", "Times Drawn", "Average"},
                                     {{"5", "Never", "5 /120 draws", "0.45 draws"}});
        const auto first = WordsOnLineOf(words, "05:");
        ASSERT_EQ(first.size(), 4u);
        const QStringList texts{"05:", "Never", "05", "00"};
        const double lefts[] = {10 + 2 * SpaceWidth(10), 38, 66 + 2 * SpaceWidth(10), 94 + 2 * SpaceWidth(10)};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(first[i].text, texts[i]);
            EXPECT_NEAR(first[i].left, lefts[i], kTol) << i;
        }
    }
    {
        const auto words =
            printGrid(PrintMyEntries,
                      {"Date", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Pball", "Lottery", "Name"},
                      {{"15-Jun-2025", "1", "5", "9", "", "", "", "", "", "3 Ball Lotto", "2nd Syndicate"}});
        const auto row = WordsOnLineOf(words, "15-Jun-2025:");
        ASSERT_EQ(row.size(), 9u);
        EXPECT_NEAR(row[1].left, 32 + 2 * SpaceWidth(10), kTol);
        EXPECT_EQ(row[4].text, "3");
        EXPECT_NEAR(row[4].left, 128, kTol);
        EXPECT_EQ(row[7].text, "2nd");
        EXPECT_NEAR(row[7].left, 165, kTol);
    }
}

TEST_F(Reports, LinesToPrintLimitTheRowsAndTheListEndsAtTheFirstEmptyRow)
{
    GridWindow w(EntryHeadings(), Entries(10));
    Player player;
    player.lines = "2";
    Play(player);
    PrintEntries(w.grid);
    QString text = PdfLayoutText(pdf_);
    EXPECT_TRUE(text.contains("02:"));
    EXPECT_FALSE(text.contains("03:"));

    player.lines = "50";
    PrintEntries(w.grid);
    text = PdfLayoutText(pdf_);
    EXPECT_TRUE(text.contains("10:"));
    EXPECT_EQ(text.count(":"), 12); // "Lottery:", the heading row and 10 entries
}

TEST_F(Reports, EmptyGridsPrintNothingAndOnlyEntriesSaySo)
{
    GridWindow w(EntryHeadings(), {});
    Player player;
    Play(player);
    PrintDrawResults(w.grid);
    PrintNumberStats(w.grid);
    PrintMyEntries(w.grid);
    EXPECT_TRUE(boxes().empty());
    answer(vbOK);
    PrintEntries(w.grid);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text, "Nothing to print!    ");
    EXPECT_EQ(boxAt(0).title, "Error!");
    EXPECT_EQ(boxAt(0).icon(), vbExclamation);
    answer(vbOK);
    PrintEntries(nullptr);
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(player.frmShown, 0);
    EXPECT_FALSE(printed());
}

TEST_F(Reports, CancelOrClosingADialogPrintsNothing)
{
    GridWindow w(EntryHeadings(), Entries(3));
    Player player;
    player.closeMedia = true;
    Play(player);
    PrintEntries(w.grid);
    EXPECT_EQ(player.frmShown, 0);

    player.closeMedia = false;
    player.options = [](PrintFrm* f) { QTest::mouseClick(f->Command1, Qt::LeftButton); };
    PrintEntries(w.grid);
    PrintDrawResults(w.grid);
    player.options = [](PrintFrm* f) { f->close(); };
    PrintMyEntries(w.grid);
    PrintNumberStats(w.grid);
    EXPECT_EQ(player.frmShown, 4);
    EXPECT_EQ(pdfAsked_, 0);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Reports, ALongListRunsOntoFurtherPagesFromTheBodyTop)
{
    GridWindow w(EntryHeadings(), Entries(180));
    Player player;
    Play(player);
    PrintEntries(w.grid);
    ASSERT_GE(PdfPages(pdf_), 2);
    const auto words = this->words();
    int lastPage = 0;
    double lastTop = 0;
    for (int i = 1; i <= 180; ++i) {
        const PdfWord w = FindWord(words, QString::number(i).rightJustified(2, '0') + ":");
        ASSERT_GT(w.page, 0) << i;
        EXPECT_LT(w.bottom, 297.0 - 15) << i; // a bottom margin stays free
        if (w.page != lastPage && lastPage > 0) {
            EXPECT_NEAR(w.top, 50, kTol) << i;
        } else if (lastPage > 0) {
            EXPECT_GT(w.top, lastTop) << i;
        }
        lastPage = w.page;
        lastTop = w.top;
    }
    EXPECT_EQ(lastPage, PdfPages(pdf_)); // no blank page at the end
}

TEST(ReportCellRule, NumbersInTwoDigitsOtherTextsUnchanged)
{
    EXPECT_EQ(ReportCell("7", " "), " 07");
    EXPECT_EQ(ReportCell("123", "  "), "  123");
    EXPECT_EQ(ReportCell("0", " "), "0");
    EXPECT_EQ(ReportCell("", " "), "");
    EXPECT_EQ(ReportCell("Num1", " "), "Num1");
    EXPECT_EQ(ReportCell("-3", " "), "-3");
}

TEST_F(Reports, WindowImageGoesOnOneLandscapePage)
{
    QDialog window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Hot Numbers"));
    window.resize(600, 400);
    PrintWindowImage(&window);
    EXPECT_EQ(PdfPages(pdf_), 1);
    EXPECT_EQ(PdfPageSize(pdf_).toStdString(), "842 x 595");
    EXPECT_EQ(Printer().Orientation(), vbPRORPortrait);
    EXPECT_EQ(Printer().PrintQuality(), vbPRPQMedium);
}

namespace {
struct Sheet {
    const char* name;
    int paperIndex; // in the dialog's paper list
    bool landscape;
    double width, height; // mm
};
const Sheet kSheets[] = {{"A4 portrait", 0, false, 210, 297},
                         {"A4 landscape", 0, true, 297, 210},
                         {"Letter portrait", 2, false, 215.9, 279.4},
                         {"Letter landscape", 2, true, 279.4, 215.9}};

// What a report over a grid must print, word for word, whatever the size.
struct ColumnCase {
    const char* name;
    void (*print)(const FlexGrid*);
    QStringList headings;
    std::vector<QStringList> rows;
    QStringList words; // every word printed: title, heading, heading row and rows
    double margin = 10;
    QString lottery = "UK Lotto";
};

std::vector<ColumnCase> ColumnCases()
{
    const QStringList nums{"Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7"};
    const QString longLottery = "Northern Counties and Islands Weekend Super Draw";
    const QString longPlayer = "Friday night syndicate of the Red Lion darts team and their friends from the market";
    const QString longHeading = "Grand Weekend Super Draw of the Northern Counties and Islands Lottery Association";
    const QString longDate = "Saturday 31 December 2025 (moved from Friday)";
    return {
        {"entries",
         PrintEntries,
         QStringList{"Line"} + nums + QStringList{"Pball"},
         {{"1", "1", "2", "3", "4", "5", "6", "7", "8"}, {"180", "120", "99", "98", "97", "96", "95", "94", "120"}},
         QStringList{"Vantrel", "Lottery:", "UK", "Lotto", "Line:"} + nums
             + QStringList{"Pball", "01:", "01", "02", "03", "04", "05", "06", "07", "08", "180:", "120", "99", "98",
                           "97", "96", "95", "94", "120"}},
        {"draws",
         PrintDrawResults,
         QStringList{"Date"} + nums + QStringList{"Bonus"},
         {{"08-Dec-2026", "3", "11", "17", "28", "39", "41", "45", "12"},
          {"31 December 2025", "1", "2", "3", "4", "5", "6", "", "7"}},
         QStringList{"Lottery", "Draw", "Results", "Lottery", "database:", "UK", "Lotto", "Date:"} + nums
             + QStringList{"Bonus", "08-Dec-2026:", "03",    "11", "17", "28", "39", "41", "45", "12",
                           "31",    "December",     "2025:", "01", "02", "03", "04", "05", "06", "07"}},
        {"statistics",
         PrintNumberStats,
         {"Num", "Last drawn", "Times Drawn", "Average"},
         {{"5", "Never", "5 /120 draws", "0.45 draws"}, {"120", "2994 draws ago", "2994 /2994 draws", "999.50 draws"}},
         {"Lottery", "Number",  "Statistics", "Lottery:", "UK", "Lotto", "Num:", "Last", "drawn", "Times",
          "Drawn",   "Average", "05:",        "Never",    "05", "00",    "120:", "2994", "2994",  "1000"}},
        {"saved entries",
         PrintMyEntries,
         QStringList{"Date"} + nums + QStringList{"Pball", "Lottery", "Name"},
         {{"08-Dec-2026", "3", "11", "17", "28", "39", "41", "45", "12", "EuroMillions", "Friday Syndicate"},
          {"31 Dec 25", "1", "2", "3", "4", "5", "6", "", "", "UK Lotto", "Ann"}},
         QStringList{"Lottery", "Entries", "Date:"} + nums
             + QStringList{"Pball", "Lottery", "Name", "08-Dec-2026:", "03",     "11",        "17", "28",    "39",
                           "41",    "45",      "12",   "EuroMillions", "Friday", "Syndicate", "31", "Dec",   "25:",
                           "01",    "02",      "03",   "04",           "05",     "06",        "UK", "Lotto", "Ann"}},
        // Texts too long for any size, and the widest margin: they wrap.
        {"overlong names",
         PrintMyEntries,
         QStringList{"Date"} + nums + QStringList{"Pball", "Lottery", "Name"},
         {{"08-Dec-2026", "3", "11", "17", "28", "39", "41", "45", "12", longLottery, longPlayer}},
         QStringList{"Lottery", "Entries", "Date:"} + nums
             + QStringList{"Pball", "Lottery", "Name", "08-Dec-2026:", "03", "11", "17", "28", "39", "41", "45", "12"}
             + longLottery.split(' ') + longPlayer.split(' '),
         100},
        {"overlong headings and dates",
         PrintDrawResults,
         QStringList{"Date"} + nums + QStringList{"Bonus"},
         {{longDate, "3", "11", "17", "28", "39", "41", "45", "12"}},
         QStringList{"Lottery", "Draw", "Results", "Lottery", "database:"} + longHeading.split(' ')
             + QStringList{"Date:"} + nums + QStringList{"Bonus"} + (longDate + ":").split(' ')
             + QStringList{"03", "11", "17", "28", "39", "41", "45", "12"},
         100,
         longHeading},
    };
}

// Every word expected is printed as a word of its own, none runs into
// another on its line, and all stay on the sheet.
void ExpectColumnsApartAndOnTheSheet(const std::vector<PdfWord>& words, QStringList expected, const Sheet& sheet)
{
    QStringList printed;
    for (const PdfWord& w : words)
        printed << w.text;
    printed.sort();
    expected.sort();
    EXPECT_EQ(printed.join(' ').toStdString(), expected.join(' ').toStdString());
    ExpectWordsApartOnTheSheet(words, sheet.width, sheet.height, 0.4);
}
} // namespace

class ReportColumns : public Reports, public ::testing::WithParamInterface<int> {
protected:
    // Prints the case at every text size on every sheet and checks each printout.
    void printEverywhere(const ColumnCase& c)
    {
        LotteryName = c.lottery;
        GridWindow w(c.headings, c.rows);
        for (const Sheet& sheet : kSheets) {
            for (int t = -4; t <= 4; ++t) {
                SCOPED_TRACE(std::string(c.name) + " on " + sheet.name + " at " + std::to_string(t));
                Player player;
                player.options = [&](PrintFrm* f) {
                    f->Combo4->setCurrentText(TextSize(t));
                    f->Combo3->setCurrentIndex(sheet.paperIndex);
                    f->Option1[sheet.landscape ? 1 : 0]->setChecked(true);
                    f->Text1->setText(QString::number(c.margin));
                    QTest::mouseClick(f->Command6, Qt::LeftButton);
                };
                Play(player);
                QFile::remove(pdf_);
                c.print(w.grid);
                ASSERT_TRUE(printed());
                ExpectColumnsApartAndOnTheSheet(words(), c.words, sheet);
            }
        }
    }
};

TEST_P(ReportColumns, NeverOverlapNorLeaveTheSheetAtAnySizeOnAnyPaper) { printEverywhere(ColumnCases()[GetParam()]); }

INSTANTIATE_TEST_SUITE_P(Reports, ReportColumns, ::testing::Range(0, 6), [](const auto& info) {
    return QString(ColumnCases()[info.param].name).remove(' ').toStdString();
});
