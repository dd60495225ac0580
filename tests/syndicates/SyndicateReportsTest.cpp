// The member list and payments reports, printed to PDF and read back.

#include "platform/Dates.h"
#include "platform/ui/FlexGrid.h"
#include "printing/PrintFixture.h"
#include "printing/ui/SyndicateReports.h"
#include "syndicates/SyndicateFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
constexpr double kTol = 0.6; // mm

QString TextSize(int t) { return t == 0 ? "Normal" : (t > 0 ? "+" : "") + QString::number(t); }

// Widths and heights in the printer's fonts, in mm.
double Width(const QString& text, double points, bool bold = false)
{
    Printer().SetScaleMode(vbMillimeters);
    Printer().SetFontName("Arial");
    Printer().SetFontBold(bold);
    Printer().SetFontSize(points);
    const double width = Printer().TextWidth(text);
    Printer().SetFontBold(false);
    return width;
}
double LineHeight(double points)
{
    Width(" ", points);
    return Printer().TextHeight();
}

// The texts the PDF prints in a bold font (pdftohtml marks them).
QStringList BoldTexts(const QString& pdf)
{
    QProcess process;
    process.start("pdftohtml", {"-xml", "-i", "-stdout", "-q", pdf});
    process.waitForFinished(30000);
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    QStringList bold;
    static const QRegularExpression b("<b>([^<]*)</b>");
    for (auto it = b.globalMatch(xml); it.hasNext();)
        bold << it.next().captured(1).trimmed();
    return bold;
}

// All words with that text, in page and top order.
std::vector<PdfWord> All(const std::vector<PdfWord>& words, const QString& text)
{
    std::vector<PdfWord> found;
    for (const PdfWord& w : words) {
        if (w.text == text)
            found.push_back(w);
    }
    return found;
}

class SyndicateReports : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        SetClockForTests(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    }

    // The player's answer to the print options: text size, margin and lines
    // (empty: as offered).
    void play(int step, const QString& margin = "10", const QString& lines = QString())
    {
        SetModalHook([this, step, margin, lines](QDialog* d) {
            auto* f = qobject_cast<PrintFrm*>(d);
            if (!f)
                return Harness::UnexpectedWindow(d);
            d->show();
            offered_ = f->Text2->text();
            f->Combo4->setCurrentText(TextSize(step));
            f->Text1->setText(margin);
            if (!lines.isEmpty())
                f->Text2->setText(lines);
            QTest::mouseClick(f->Command6, Qt::LeftButton);
            return d->result();
        });
    }

    static void Person(int row, const QString& name, const QString& address1, const QString& payBy)
    {
        Syndicate[row][NameField] = name;
        Syndicate[row][AddressField] = address1;
        Syndicate[row][AddressField + 1] = "Leeds";
        Syndicate[row][AddressField + 2] = "";
        Syndicate[row][AddressField + 3] = "LS1 1AA";
        Syndicate[row][PhoneField] = "0113 555 0" + QString::number(row);
        Syndicate[row][EmailField] = "p" + QString::number(row) + "@example.org";
        Syndicate[row][PayByField] = payBy;
    }

    // The payments window's grid: headings, then the rows given.
    static void FillGrid(FlexGrid& grid, const std::vector<QStringList>& rows)
    {
        grid.setFixedCols(0);
        grid.setCols(5);
        grid.setRows(102);
        const QStringList headings{"Name", "Pay by", "Amount paid", "Paid up to date"};
        for (int c = 0; c < 4; ++c)
            grid.setTextMatrix(0, c, headings[c]);
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                grid.setTextMatrix(r + 1, c, rows[r][c]);
    }

    QString offered_;
};

} // namespace

TEST_F(SyndicateReports, MemberBlocksStandAtTheirPlacesForEveryTextSize)
{
    Syndicate[0][SyndicateNameField] = "Office Lotto";
    Person(0, "Ann", "1 High St", "");
    Person(1, "Bob", "2 Low Rd", "Cash");
    Person(2, "007", "", "Cheque"); // a name that looks like a number prints as it stands
    Syndicate[2][AddressField] = Syndicate[2][AddressField + 1] = Syndicate[2][AddressField + 3] = "";
    Person(3, "Cy", "3 Mill Ln", "Internet transfer");
    for (int t : {-4, 0, 4}) {
        SCOPED_TRACE(t);
        QFile::remove(pdf_);
        play(t, "15");
        PrintMembers();
        ASSERT_TRUE(printed());
        EXPECT_EQ(offered_, "3");
        const auto words = this->words();
        const double m = 15;
        const double lh = LineHeight(t + 10);

        const PdfWord title = FindWord(words, "Vantrel");
        EXPECT_NEAR(title.top, t + 18, kTol);
        EXPECT_NEAR(title.left, m + Width(QString(8, ' '), t + 16, true), kTol);
        const PdfWord heading = FindWord(words, "Members");
        EXPECT_NEAR(heading.top, t + 36, kTol);
        EXPECT_NEAR(heading.left, m, kTol);
        EXPECT_EQ(WordsOnLineOf(words, "Members").back().text, "syndicate");

        // Four blocks of six lines, the manager's first.
        const auto names = All(words, "Name:");
        ASSERT_EQ(names.size(), 4u);
        for (int b = 0; b < 4; ++b) {
            const double top = t + 50 + b * 6 * lh;
            EXPECT_NEAR(names[b].top, top, kTol) << b;
            EXPECT_NEAR(names[b].left, m + Width("    ", t + 10, true), kTol);
            const PdfWord address = All(words, "Address:")[b];
            EXPECT_NEAR(address.top, top + lh, kTol);
            EXPECT_NEAR(address.left, m, kTol);
            EXPECT_NEAR(All(words, "Phone:")[b].top, top + 2 * lh, kTol);
            EXPECT_NEAR(All(words, "Email:")[b].top, top + 3 * lh, kTol);
            EXPECT_NEAR(All(words, "Pay")[b].top, top + 4 * lh, kTol);
            const PdfWord rule = All(words, QString(100, '-'))[b];
            EXPECT_NEAR(rule.top, top + 5 * lh, kTol);
            EXPECT_NEAR(rule.left, m, kTol);
        }
        const auto manager = WordsOnLineOf(words, "Ann");
        ASSERT_EQ(manager.size(), 3u);
        EXPECT_EQ(manager[2].text, "(Manager)");
        EXPECT_NEAR(manager[1].left, m + Width("    Name: ", t + 10, true), kTol);
        const auto empty = WordsOnLineOf(words, "007");
        EXPECT_NEAR(empty[1].left, m + Width("    Name: ", t + 10, true), kTol);
        const QString layout = PdfLayoutText(pdf_);
        EXPECT_TRUE(layout.contains(QRegularExpression("Address: +1 High St, Leeds, , LS1 1AA")));
        EXPECT_TRUE(layout.contains(QRegularExpression("Address: +, , ,\n")));
        EXPECT_TRUE(layout.contains(QRegularExpression("Pay by: +Internet transfer")));
        const QStringList bold = BoldTexts(pdf_);
        EXPECT_TRUE(bold.contains("Address:"));
        EXPECT_FALSE(bold.contains("Bob"));
    }
}

TEST_F(SyndicateReports, LinesLimitTheBlocksAndNoMembersPrintNothing)
{
    Person(0, "Ann", "", "");
    PrintMembers(); // the manager alone: no dialog, nothing printed
    EXPECT_FALSE(printed());

    Person(1, "Bob", "", "");
    Person(2, "Cy", "", "");
    play(0, "10", "1");
    PrintMembers();
    const auto words = this->words();
    EXPECT_EQ(All(words, "Name:").size(), 2u);
    EXPECT_EQ(FindWord(words, "Cy").page, 0);
}

TEST_F(SyndicateReports, LongMemberListsGoOnAtTheBodyTopOfTheNextPage)
{
    Syndicate[0][SyndicateNameField] = "Big";
    for (int r = 0; r <= 100; ++r)
        Person(r, QStringLiteral("Member%1").arg(r), QString(30, 'W'), "Cash");
    Syndicate[100][AddressField + 3] = QString(30, 'M'); // a long address wraps inside the sheet
    for (int t : {-4, 4}) {
        SCOPED_TRACE(t);
        QFile::remove(pdf_);
        play(t, "20");
        PrintMembers();
        const auto words = this->words();
        EXPECT_GT(PdfPages(pdf_), 3);
        for (const PdfWord& w : words)
            EXPECT_LT(w.right, 210 - 9) << w.text.toStdString();
        // Blocks are whole on each page, the next page's first at the body top.
        const auto names = All(words, "Name:");
        ASSERT_EQ(names.size(), 101u);
        for (std::size_t i = 1; i < names.size(); ++i) {
            if (names[i].page != names[i - 1].page) {
                EXPECT_NEAR(names[i].top, t + 50, kTol);
                EXPECT_LT(names[i - 1].top + 6 * LineHeight(t + 10), 297 - 14);
            }
        }
        EXPECT_EQ(All(words, "Member100").size(), 1u);
    }
}

TEST_F(SyndicateReports, PaymentColumnsStandAtTheirPlacesAndOverdueDatesAreBold)
{
    FlexGrid grid;
    FillGrid(grid,
             {{"Ann", "(Manager)", "£0.00", ""},
              {"Bob", "Cash", "£1,500.00", "08-Dec-2026"},
              {"Cy", "Cheque", "£12.50", "09-Dec-2026"},
              {"Dee", "Internet transfer", "-£3.00", "10-Jan-2027"}});
    for (int t : {-4, 0, 4}) {
        SCOPED_TRACE(t);
        QFile::remove(pdf_);
        play(t, "12");
        PrintPayments(&grid);
        EXPECT_EQ(offered_, "4");
        const auto words = this->words();
        const double m = 12;
        const double lh = LineHeight(t + 10);
        EXPECT_NEAR(FindWord(words, "Vantrel").top, t + 18, kTol);
        const auto heading = WordsOnLineOf(words, "Syndicate");
        ASSERT_EQ(heading.size(), 7u);
        EXPECT_NEAR(heading[0].top, t + 36, kTol);
        EXPECT_EQ(heading[3].text, "Wed");
        EXPECT_EQ(heading[6].text, "2026");

        const double x[4] = {m, m + 45 + 5 * t, m + 75 + 7 * t, m + 100 + 10 * t};
        const auto head = WordsOnLineOf(words, "Name");
        ASSERT_EQ(head.size(), 9u); // Name / Pay by / Amount paid / Paid up to date
        EXPECT_NEAR(head[0].top, t + 50, kTol);
        EXPECT_NEAR(head[0].left, x[0], kTol);
        EXPECT_NEAR(head[1].left, x[1], kTol);
        EXPECT_NEAR(head[3].left, x[2], kTol);
        EXPECT_NEAR(head[5].left, x[3], kTol);
        const PdfWord rule = FindWord(words, QString(110, '-'));
        EXPECT_NEAR(rule.top, t + 50 + lh, kTol);
        EXPECT_NEAR(rule.left, m, kTol);

        const char* const people[] = {"Ann", "Bob", "Cy", "Dee"};
        for (int i = 0; i < 4; ++i) {
            const auto line = WordsOnLineOf(words, people[i]);
            ASSERT_GE(line.size(), 3u);
            EXPECT_NEAR(line[0].top, t + 50 + (i + 2) * lh, kTol) << i;
            EXPECT_NEAR(line[1].left, x[1], kTol) << i;
        }
        // Amounts and dates print as the grid shows them.
        EXPECT_NEAR(FindWord(words, "£1,500.00").left, x[2], kTol);
        EXPECT_NEAR(FindWord(words, "-£3.00").left, x[2], kTol);
        EXPECT_NEAR(FindWord(words, "08-Dec-2026").left, x[3], kTol);

        // Only the date before today is bold.
        const QStringList bold = BoldTexts(pdf_);
        EXPECT_TRUE(bold.contains("08-Dec-2026"));
        EXPECT_FALSE(bold.contains("09-Dec-2026"));
        EXPECT_FALSE(bold.contains("10-Jan-2027"));
        EXPECT_FALSE(bold.contains("Bob"));
        const PdfWord overdue = FindWord(words, "08-Dec-2026");
        EXPECT_NEAR(overdue.right - overdue.left, Width("08-Dec-2026", t + 10, true), 0.3);
    }
}

TEST_F(SyndicateReports, PaymentsLinesLimitThePeopleAndAnEmptyGridPrintsNothing)
{
    FlexGrid grid;
    FillGrid(grid, {});
    PrintPayments(&grid);
    EXPECT_FALSE(printed());

    FillGrid(grid,
             {{"Ann", "(Manager)", "£0.00", ""},
              {"Bob", "", "£1.00", ""},
              {"Cy", "", "£2.00", ""},
              {"Dee", "", "£3.00", ""},
              {"Eve", "", "£4.00", ""}});
    play(0, "10", "2");
    PrintPayments(&grid);
    const auto words = this->words();
    EXPECT_GT(FindWord(words, "Bob").page, 0);
    EXPECT_EQ(FindWord(words, "Cy").page, 0);
}

TEST_F(SyndicateReports, LongPaymentListsAndWideNamesStayOnTheSheet)
{
    FlexGrid grid;
    std::vector<QStringList> rows;
    rows.push_back({QString(30, 'W'), "(Manager)", "£99,999.99", "01-Jan-2020"});
    for (int i = 1; i <= 100; ++i)
        rows.push_back(
            {QStringLiteral("Member %1 ").arg(i) + QString(18, 'M'), "Credit/debit card", "£12.50", "10-Jan-2027"});
    FillGrid(grid, rows);
    for (int t : {-4, 0, 4}) {
        SCOPED_TRACE(t);
        QFile::remove(pdf_);
        play(t, "10");
        PrintPayments(&grid);
        const auto words = this->words();
        EXPECT_GE(PdfPages(pdf_), 2);
        // No text runs into the next column's, nor past the sheet.
        for (const PdfWord& w : words)
            EXPECT_LT(w.right, 210 - 9) << w.text.toStdString();
        const auto first = WordsOnLineOf(words, "(Manager)");
        ASSERT_EQ(first.size(), 4u);
        for (std::size_t k = 1; k < first.size(); ++k)
            EXPECT_GT(first[k].left, first[k - 1].right) << k;
        // The list goes on at the body's top of the next page.
        const PdfWord last = FindWord(words, "100");
        ASSERT_GT(last.page, 1);
        double topOfPage = 1e9;
        for (const PdfWord& w : words) {
            if (w.page == last.page)
                topOfPage = std::min(topOfPage, w.top);
        }
        EXPECT_NEAR(topOfPage, t + 50, kTol);
    }
}
