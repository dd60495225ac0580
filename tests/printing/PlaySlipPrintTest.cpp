// Play slips printed to PDF and read back: every mark where the template puts
// it, boards across then down, a sheet per slip; and the tickets dialog.
#include "PdfMarks.h"
#include "PrintFixture.h"
#include "core/OpenLottery.h"
#include "platform/ui/FlexGrid.h"
#include "printing/PlaySlipTemplate.h"
#include "printing/ui/PrintReports.h"
#include "printing/ui/PrintSelection.h"
#include "printing/ui/PrintTickets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <map>

namespace {
constexpr double kTol = 0.3; // mm

// A window with an entries grid, as the generator windows have: the line
// number, then the numbers.
struct EntryWindow : GridWindow {
    explicit EntryWindow(std::vector<QStringList> rows) : GridWindow(QStringList(9, QString()), Numbered(rows)) {}
    static std::vector<QStringList> Numbered(std::vector<QStringList> rows)
    {
        for (int r = 0; r < int(rows.size()); ++r)
            rows[r].prepend(QString::number(r + 1));
        return rows;
    }
};

struct Slip {
    QString lottery = "Test Lotto";
    QString name = "Test slip";
    int maxBall = 49;
    int extraBallMax = 0;
    std::vector<std::pair<SlipField, QString>> changes;

    PlaySlipTemplate make() const
    {
        PlaySlipTemplate t;
        t.TemplateName = name;
        t.TemplateLottery = lottery;
        for (const auto& [field, text] : changes)
            t.header[field] = text;
        t.positions = GenerateSlipPositions(t.header, true, maxBall, extraBallMax).positions;
        return t;
    }
};

// Where the mark of a number on a board must be, in mm from the sheet's
// corner (the PDF printer prints the whole sheet).
std::pair<double, double> Expected(const PlaySlipTemplate& t, int n, bool extra, int bx, int by)
{
    const SlipRow& row = t.positions[n];
    const double x = *row[extra ? PballX : NumX];
    const double y = *row[extra ? PballY : NumY];
    return {x - t.value(MarginX) + t.value(BoardSepX) * bx, y - t.value(MarginY) + t.value(BoardSepY) * by};
}
} // namespace

class PlaySlips : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        LotteryName = "Test Lotto";
    }
    PlaySlipTemplate save(const QString& file, const Slip& slip = {})
    {
        const PlaySlipTemplate t = slip.make();
        EXPECT_TRUE(WritePlaySlipTemplate(path(file), t));
        return t;
    }
    // The player in the tickets dialog.
    void onTickets(std::function<void(PrintTickets*)> act)
    {
        SetModalHook([this, act](QDialog* d) {
            auto* t = qobject_cast<PrintTickets*>(d);
            if (!t)
                return Harness::UnexpectedWindow(d);
            ++ticketsShown_;
            d->show();
            act(t);
            return d->result();
        });
    }
    static void print(PrintTickets* t) { QTest::mouseClick(t->Command6, Qt::LeftButton); }
    // Checks every number of the entries on its board.
    void expectEntries(const PlaySlipTemplate& t, const std::vector<QStringList>& rows, int perSheet)
    {
        std::map<int, std::vector<PdfMark>> sheets;
        for (int e = 0; e < int(rows.size()); ++e) {
            const SlipPlace place = EntryPlace(e, t.boardsAcross(), t.boardsDown());
            ASSERT_EQ(place.sheet, e / perSheet);
            if (!sheets.count(place.sheet))
                sheets[place.sheet] = PdfMarks(pdf_, place.sheet + 1);
            const std::vector<PdfMark>& marks = sheets[place.sheet];
            for (int c = 0; c < rows[e].size(); ++c) {
                const int n = rows[e][c].toInt();
                if (n < 1)
                    continue;
                const auto [left, top] = Expected(t, n, c == 7, place.across, place.down);
                const PdfMark* m = MarkAt(marks, left, top, kTol);
                ASSERT_NE(m, nullptr) << "entry " << e + 1 << " number " << n << " at " << left << "/" << top;
                EXPECT_NEAR(m->width(), t.value(MarkWidth), kTol);
                EXPECT_NEAR(m->height(), t.value(MarkHeight), kTol);
            }
        }
    }
    int ticketsShown_ = 0;
};

TEST_F(PlaySlips, SevenEntriesOnAFiveBoardSlipTakeTwoSheetsWithEveryMarkInPlace)
{
    const PlaySlipTemplate t = save("PTemplate.000");
    std::vector<QStringList> rows;
    for (int i = 1; i <= 7; ++i)
        rows.push_back({QString::number(i == 2 ? 1 : i), "11", "13", QString::number(24 + i), "35", "49"});
    EntryWindow w(rows);
    onTickets([](PrintTickets* d) {
        EXPECT_EQ(d->Text2->text(), "7");
        EXPECT_EQ(d->List3->currentItem()->text(), "Test slip");
        EXPECT_EQ(d->Combo1->currentText(), kPdfPrinterName);
        print(d);
    });
    PrintPlaySlips(w.grid, 7);
    ASSERT_TRUE(printed());
    EXPECT_EQ(PdfPages(pdf_), 2);
    EXPECT_EQ(PdfMarks(pdf_, 1).size(), 30u);
    EXPECT_EQ(PdfMarks(pdf_, 2).size(), 12u);
    expectEntries(t, rows, 5);
    // The worked example: number 1 of the second entry, 63.3 mm across and
    // 66 mm down, 3 by 2 mm.
    const std::vector<PdfMark> page1 = PdfMarks(pdf_, 1);
    const PdfMark* m = MarkAt(page1, 63.3, 66.0, kTol);
    ASSERT_NE(m, nullptr);
    EXPECT_NEAR(m->right, 66.3, kTol);
    EXPECT_NEAR(m->bottom, 68.0, kTol);
}

TEST_F(PlaySlips, BoardsGoAcrossThenDownAndExtraBallsTakeTheirOwnBoxes)
{
    Slip slip;
    slip.extraBallMax = 10;
    slip.changes = {{BoardsAcross, "2"}, {BoardsDown, "2"}, {BoardSepY, "80"}, {MarkWidth, "2.5"}};
    const PlaySlipTemplate t = save("PTemplate.004", slip);
    // An empty or 0 cell has no mark; a number above 60 has no position.
    const std::vector<QStringList> rows = {{"1", "2", "3", "4", "5", "", "", "7"},
                                           {"6", "7", "8", "0", "", "", "", "10"},
                                           {"11", "22", "33", "44", "49", "", "", ""},
                                           {"12", "13", "14", "15", "16", "", "", "1"},
                                           {"40", "41", "42", "75", "44", "", "", "3"}};
    EntryWindow w(rows);
    onTickets([](PrintTickets* d) { print(d); });
    answer(vbOK);
    PrintPlaySlips(w.grid, 5);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text,
              "These numbers have no position in the template Test slip and were not marked: above "
              "60.    ");
    EXPECT_EQ(boxAt(0).title, "Warning!");
    EXPECT_EQ(PdfPages(pdf_), 2);
    EXPECT_EQ(PdfMarks(pdf_, 1).size(), 6u + 4u + 5u + 6u);
    EXPECT_EQ(PdfMarks(pdf_, 2).size(), 5u);
    auto fifth = rows;
    fifth[4][3] = "";
    expectEntries(t, fifth, 4);
    // The third entry stands on the first board of the second row of boards.
    EXPECT_NE(MarkAt(PdfMarks(pdf_, 1), 38.2 - 3.0, 71.5 - 5.5 + 80 - 10 * 6.39, kTol), nullptr);
}

TEST_F(PlaySlips, LinesToPrintStopsEarlyAndAFullGridStopsAtItsLastRow)
{
    const PlaySlipTemplate t = save("PTemplate.000");
    std::vector<QStringList> rows(4, QStringList{"1", "2", "3", "4", "5", "6"});
    EntryWindow w(rows);
    onTickets([](PrintTickets* d) {
        d->Text2->setText("2");
        print(d);
    });
    PrintPlaySlips(w.grid, 4);
    EXPECT_EQ(PdfMarks(pdf_).size(), 12u);

    // Every row filled, and more lines asked for than there are rows.
    EntryWindow full(rows);
    full.grid->setRows(5);
    onTickets([](PrintTickets* d) {
        d->Text2->setText("50");
        print(d);
    });
    PrintPlaySlips(full.grid, 4);
    EXPECT_EQ(PdfMarks(pdf_).size(), 24u);
}

TEST_F(PlaySlips, WithoutATemplateForTheLotteryNothingIsPrintedAndThePlayerIsTold)
{
    EntryWindow w({{"1", "2", "3", "4", "5", "6"}});
    answer(vbOK);
    PrintPlaySlips(w.grid, 1);
    EXPECT_EQ(lastBoxText(), "No lottery templates found.    \r\nPlease make one...");
    EXPECT_EQ(lastBox().title, "Error!");
    EXPECT_EQ(lastBox().icon(), vbExclamation);

    // A damaged file is no template; the message names it.
    writeLines("PTemplate.007", {"Half a slip", "Test Lotto", " 1 "});
    answer(vbOK);
    PrintPlaySlips(w.grid, 1);
    EXPECT_EQ(lastBoxText(),
              "No lottery templates found.    \r\nPlease make one...\r\n\r\nThese template files cannot "
              "be read: PTemplate.007");

    // Templates of other lotteries only; the letters' case counts.
    Slip other;
    other.lottery = "Other Lotto";
    save("PTemplate.000", other);
    Slip lower;
    lower.lottery = "test lotto";
    save("PTemplate.001", lower);
    answer(vbOK);
    PrintPlaySlips(w.grid, 1);
    EXPECT_EQ(lastBoxText(), "Couldn't find a template for this lottery.    ");
    EXPECT_EQ(ticketsShown_, 0);
    EXPECT_FALSE(printed());
}

TEST_F(PlaySlips, TheTicketsDialogListsTheFolderAsItIsNowAndNamesUnreadableTemplates)
{
    // Blanks around the names, in the file or the database, do not matter.
    LotteryName = "Test Lotto ";
    Slip mine;
    mine.lottery = "  Test Lotto  ";
    save("PTemplate.000", mine);
    Slip other;
    other.lottery = "Other Lotto";
    other.name = "Other slip";
    save("PTemplate.001", other);
    Slip later;
    later.name = "Later slip";
    save("PTemplate.002", later);
    writeLines("PTemplate.003", {"Cut short", "Test Lotto"});
    EntryWindow w({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}});

    // Cancel: nothing printed. The later template of the lottery is chosen.
    onTickets([](PrintTickets* d) {
        EXPECT_EQ(d->List3->count(), 3);
        EXPECT_EQ(d->List3->currentRow(), 2);
        EXPECT_TRUE(d->Label1->isVisibleTo(d));
        EXPECT_EQ(d->Label1->text(), "Not listed, because they cannot be read: PTemplate.003");
        QTest::mouseClick(d->Command1, Qt::LeftButton);
    });
    PrintPlaySlips(w.grid, 2);
    EXPECT_FALSE(printed());

    // The close box cancels as well; lines below 1 keep the dialog open.
    onTickets([this](PrintTickets* d) {
        d->Text2->setText("0");
        answer(vbOK);
        print(d);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(lastBoxText(), "Please set number of lines to print.    ");
        d->close();
    });
    PrintPlaySlips(w.grid, 2);
    EXPECT_FALSE(printed());

    // A template saved in between is listed at the next printout; another
    // lottery's template chosen in the dialog prints with its own positions.
    Slip moved = other;
    moved.name = "Moved slip";
    moved.changes = {{MarginX, "0"}, {MarginY, "0"}};
    const PlaySlipTemplate movedTemplate = save("PTemplate.010", moved);
    onTickets([](PrintTickets* d) {
        ASSERT_EQ(d->List3->count(), 4);
        EXPECT_EQ(d->List3->item(3)->text(), "Moved slip");
        d->List3->setCurrentRow(3);
        d->Text2->setText("1");
        print(d);
        EXPECT_EQ(d->Label7->text(), "OK");
    });
    PrintPlaySlips(w.grid, 2);
    ASSERT_TRUE(printed());
    const std::vector<PdfMark> marks = PdfMarks(pdf_);
    EXPECT_EQ(marks.size(), 6u);
    EXPECT_NE(MarkAt(marks, 38.2, 71.5), nullptr);
    expectEntries(movedTemplate, {{"1", "2", "3", "4", "5", "6"}}, 5);
}

TEST_F(PlaySlips, LotteryFormsInThePrintChoiceLeadToTheTicketsDialog)
{
    save("PTemplate.000");
    EntryWindow w(
        {{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "19"}, {"13", "14", "15", "16", "17", "18"}});
    SetModalHook([this](QDialog* d) {
        d->show();
        if (auto* media = qobject_cast<PrintSelection*>(d)) {
            EXPECT_TRUE(media->Option2->isChecked());
            media->Option1->click();
            QTest::mouseClick(media->Command6, Qt::LeftButton);
        } else if (auto* t = qobject_cast<PrintTickets*>(d)) {
            ++ticketsShown_;
            EXPECT_EQ(t->Text2->text(), "3");
            EXPECT_EQ(t->Label7->text(), "OK");
            print(t);
        } else {
            return Harness::UnexpectedWindow(d);
        }
        return d->result();
    });
    PrintEntries(w.grid);
    EXPECT_EQ(ticketsShown_, 1);
    EXPECT_EQ(PdfMarks(pdf_).size(), 18u);
}

TEST_F(PlaySlips, CutOffMarksAndNumbersWithoutPositionsAreNamedButNotAfterACancelledFileChoice)
{
    // With the starting measurements, number 12 lies above the printer's
    // top margin.
    save("PTemplate.000");
    EntryWindow w({{"1", "12", "13", "24", "25", "26"}});
    onTickets([](PrintTickets* d) { print(d); });
    answer(vbOK);
    PrintPlaySlips(w.grid, 1);
    EXPECT_EQ(lastBoxText(),
              "These numbers lie outside the printable area of the page, so their marks are cut off: "
              "12, 24.    ");
    EXPECT_EQ(PdfMarks(pdf_).size(), 4u);

    // Nothing at all can be marked: the player is told, not left guessing.
    EntryWindow high({{"50", "55", "61", "70", "", ""}});
    answer(vbOK);
    PrintPlaySlips(high.grid, 1);
    EXPECT_EQ(lastBoxText(),
              "These numbers have no position in the template Test slip and were not marked: 50, 55, above 60.    ");

    SetPdfFileHook([] { return QString(); }); // the player cancels the file choice
    PrintPlaySlips(w.grid, 1);
    EXPECT_EQ(boxes().size(), 2u);
}
