// The syndicate manager's report: details, diary and total.

#include "PrintFixture.h"
#include "core/Settings.h"
#include "platform/ui/FlexGrid.h"
#include "printing/ui/ManagerReport.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SManager.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
constexpr double kTol = kWordTol;
constexpr double kPageWidth = 210;
constexpr double kPageHeight = 297;

// A diary grid as the manager window has it.
struct Diary {
    FlexGrid grid;
    explicit Diary(const std::vector<QStringList>& records)
    {
        grid.setRows(1000);
        grid.setCols(6);
        grid.setFixedRows(1);
        grid.setFixedCols(0);
        const QStringList titles{"Date", "Tickets", "Cost", "Won", "Balance", "Notes"};
        for (int c = 0; c < 6; ++c)
            grid.setTextMatrix(0, c, titles[c]);
        for (std::size_t r = 0; r < records.size(); ++r)
            for (int c = 0; c < records[r].size(); ++c)
                grid.setTextMatrix(int(r) + 1, c, records[r][c]);
    }
};

ManagerDetails Details()
{
    ManagerDetails d;
    d.syndicateName = "Club";
    d.managerName = "Ann";
    d.address[0] = "1 High St";
    d.address[1] = "Leeds";
    d.address[2] = "Yorks";
    d.address[3] = "LS1";
    d.phone = "0113";
    d.email = "ann@example.org";
    return d;
}

class ManagerReport : public PrintTest {
protected:
    std::vector<PdfWord> print(const Diary& diary, int t, double lines = 50, const ManagerDetails& d = Details(),
                               const QString& total = "£13.00")
    {
        QFile::remove(pdf_);
        PrintManagerReport(d, &diary.grid, total, {lines, 10, t});
        return words();
    }
};
} // namespace

TEST_F(ManagerReport, BlocksRulesAndColumnsStandAtTheirPlaces)
{
    const Diary diary({{"05-Mar-2026", "10", "£2.00", "£15.00", "£13.00", "first win"},
                       {"12-Mar-2026", "5", "£1.00", "", "-£1.00", ""}});
    for (int t : {-4, 0, 4}) {
        SCOPED_TRACE(t);
        const double m = 10;
        const auto words = print(diary, t);
        const PdfWord title = WordAt(words, "Vantrel", t + 18);
        ASSERT_GT(title.page, 0);
        EXPECT_NEAR(title.left, m, kTol);
        EXPECT_NEAR(title.bottom - title.top, WordHeight(t + 16), 0.4);
        EXPECT_GT(WordAt(words, "Manger", t + 18).page, 0);

        // Details: bold, from T + 35 down; the address column to the right.
        const PdfWord name = WordAt(words, "Syndicate", t + 35);
        ASSERT_GT(name.page, 0);
        EXPECT_NEAR(name.left, m, kTol);
        EXPECT_NEAR(name.bottom - name.top, WordHeight(t + 10), 0.4);
        EXPECT_NEAR(WordAt(words, "Address:", t + 35).left, m + 100 + 2 * t, kTol);
        const auto line2 = WordsOnLineOf(words, "Manager");
        ASSERT_EQ(line2.size(), 4u); // "Manager name: Ann" and "Leeds"
        EXPECT_NEAR(line2[3].left, m + 105 + 2 * t + TextWidthMm(QString(12, ' '), t + 10, true), kTol);
        const double lineHeight = line2[0].top - name.top;
        EXPECT_EQ(WordsOnLineOf(words, "Phone:").back().text, "Yorks");
        EXPECT_EQ(WordsOnLineOf(words, "Email:").back().text, "LS1");

        // The table after two empty lines: titles, the rule, the records.
        const double tableTop = name.top + 6 * lineHeight;
        const auto titles = WordsOnLineOf(words, "Tickets");
        ASSERT_EQ(titles.size(), 6u);
        const double x[] = {m, m + 30 + 4 * t, m + 50 + 5 * t, m + 70 + 5 * t, m + 90 + 5 * t, m + 115 + 6 * t};
        for (int k = 0; k < 6; ++k) {
            EXPECT_NEAR(titles[k].left, x[k], kTol) << k;
            EXPECT_NEAR(titles[k].top, tableTop, kTol);
        }
        // The rule: 120 dashes, as many as the page takes at the largest size.
        PdfWord rule;
        for (const PdfWord& w : words)
            if (w.text.startsWith("----------") && std::abs(w.top - (tableTop + lineHeight)) < kTol)
                rule = w;
        ASSERT_GT(rule.page, 0);
        EXPECT_NEAR(rule.left, m, kTol);
        EXPECT_EQ(rule.text.size(), t > 0 ? rule.text.size() : 120);
        EXPECT_LE(rule.right, kPageWidth - 10 + kTol);
        const auto first = WordsOnLineOf(words, "05-Mar-2026");
        ASSERT_EQ(first.size(), 7u);
        EXPECT_NEAR(first[0].top, tableTop + 2 * lineHeight, kTol);
        EXPECT_EQ(first[2].text, "£2.00");
        EXPECT_NEAR(first[3].left, x[3], kTol);
        EXPECT_NEAR(first[5].left, x[5], kTol);
        EXPECT_EQ(WordsOnLineOf(words, "12-Mar-2026").back().text, "-£1.00");

        // The total after one empty line.
        const PdfWord total = WordAt(words, "Total", tableTop + 5 * lineHeight);
        ASSERT_GT(total.page, 0);
        EXPECT_NEAR(total.left, m, kTol);
        EXPECT_EQ(WordsOnLineOf(words, "Total").back().text, "£13.00");
        ExpectWordsApartOnTheSheet(words, kPageWidth, kPageHeight, -0.05);
    }
}

TEST_F(ManagerReport, ALongDiaryGoesOnOverPagesToItsEnd)
{
    std::vector<QStringList> records;
    for (int i = 1; i <= 120; ++i) {
        records.push_back({QStringLiteral("%1-Mar-2026").arg(i % 28 + 1, 2, 10, QLatin1Char('0')), "1", "£1.00", "",
                           "-£1.00", QStringLiteral("rec%1").arg(i)});
        if (i == 40)
            records.push_back({}); // an empty row does not end the diary
        if (i == 60)
            records.push_back({"", "", "", "", "", "no date"}); // nor does a record without a date
    }
    const Diary diary(records);
    EXPECT_EQ(CountDiaryRecords(&diary.grid), 122);
    for (int t : {0, 4}) {
        SCOPED_TRACE(t);
        const auto words = print(diary, t, 500, Details(), "-£120.00");
        int found = 0;
        int lastPage = 0;
        for (int i = 1; i <= 120; ++i) {
            for (const PdfWord& w : words)
                if (w.text == QStringLiteral("rec%1").arg(i)) {
                    ++found;
                    EXPECT_GE(w.page, lastPage);
                    lastPage = w.page;
                }
        }
        EXPECT_EQ(found, 120);
        EXPECT_GT(FindWord(words, "no").page, 0);
        EXPECT_GE(PdfPages(pdf_), 3);
        // Each further page starts at the frame's top.
        double top2 = 1e9;
        for (const PdfWord& w : words)
            if (w.page == 2)
                top2 = std::min(top2, w.top);
        EXPECT_NEAR(top2, t + 18, kTol);
        const PdfWord total = FindWord(words, "Total");
        EXPECT_EQ(total.page, PdfPages(pdf_));
        ExpectWordsApartOnTheSheet(words, kPageWidth, kPageHeight, -0.05);
    }
    // Lines set to 3 prints three records and the whole diary's total.
    const auto three = print(diary, 0, 3, Details(), "-£120.00");
    EXPECT_GT(FindWord(three, "rec3").page, 0);
    EXPECT_EQ(FindWord(three, "rec4").page, 0);
    EXPECT_EQ(WordsOnLineOf(three, "Total").back().text, "-£120.00");
}

TEST_F(ManagerReport, LongTextsNeverOverlapOrLeaveThePage)
{
    ManagerDetails d;
    d.syndicateName = QString(30, 'W');
    d.managerName = QString(30, 'M');
    for (QString& line : d.address)
        line = QString(30, 'W');
    d.phone = QString(30, '9');
    d.email = QString(50, 'W');
    const Diary diary({{"05-Mar-2026", "1000000", "£1,234,567.00", "£9,234,567.00", "£8,000,000.00",
                        "Notes that are long enough to reach past the page's right edge at the largest size"},
                       {"Rubbish date", "lots", "£1.5x", "", "oops", QString(60, 'N')}});
    for (int t : {-4, 0, 4}) {
        SCOPED_TRACE(t);
        const auto words = print(diary, t, 50, d, "Error");
        ExpectWordsApartOnTheSheet(words, kPageWidth, kPageHeight, -0.05);
        EXPECT_GT(FindWord(words, "£1,234,567.00").page, 0);
        EXPECT_GT(FindWord(words, "£1.5x").page, 0);
        // Notes are cut after their 50th character.
        EXPECT_EQ(FindWord(words, QString(60, 'N')).page, 0);
    }
}

TEST_F(ManagerReport, ThePrintButtonOffersTheRecordsAndPrints)
{
    writeFile("vantrel.ini", "");
    writeLines("SMembers.000", {R"("Ann","1 High St","","","","0113","","","","","Club")"});
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    SManager empty;
    empty.Load();
    empty.Command8->click(); // no records: no dialog, nothing printed
    EXPECT_FALSE(printed());

    writeLines("Diary.000",
               {R"("05-Mar-2026","10","£2.00","£15.00","£13.00","first")", R"("","","","","","")",
                R"("","2","£1.00","","-£1.00","no date")"});
    SManager w;
    w.Load();
    QString offered;
    SetModalHook([&](QDialog* d) {
        auto* f = qobject_cast<PrintFrm*>(d);
        if (!f)
            return Harness::UnexpectedWindow(d);
        offered = f->Text2->text();
        f->Combo4->setCurrentText("+4");
        QTest::mouseClick(f->Command6, Qt::LeftButton);
        return d->result();
    });
    w.Text1[5]->setText("0113 496 0000"); // unsaved edits print too
    w.Command8->click();
    EXPECT_EQ(offered, "2");
    ASSERT_TRUE(printed());
    const auto words = this->words();
    EXPECT_GT(WordAt(words, "Syndicate", 39).page, 0);
    EXPECT_EQ(WordsOnLineOf(words, "Phone:")[3].text, "0000");
    EXPECT_EQ(WordsOnLineOf(words, "Total").back().text, "£12.00");
    EXPECT_EQ(w.MSFlexGrid1->Row(), 1);
    EXPECT_EQ(w.MSFlexGrid1->Col(), 1);
}

// Record n prints when n is not above the lines to print, as in the other
// reports: a fraction prints no record past it.
TEST_F(ManagerReport, LinesToPrintStopAtTheLastRecordNumberNotAboveThem)
{
    const Diary diary({{"01-Mar-2026", "1", "", "", "", "rec1"},
                       {"02-Mar-2026", "1", "", "", "", "rec2"},
                       {"03-Mar-2026", "1", "", "", "", "rec3"},
                       {"04-Mar-2026", "1", "", "", "", "rec4"}});
    const struct {
        double lines;
        int records;
    } cases[] = {{2.5, 2}, {2.9, 2}, {3, 3}, {0.5, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        const auto words = print(diary, 0, c.lines);
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(FindWord(words, QStringLiteral("rec%1").arg(i)).page > 0, i <= c.records) << i;
    }
}
