// Numerology and star signs: seeds, lucky numbers, their wheel, the proposed
// draw date, and both windows opened from the Play menu.
#include "GeneratorHelpers.h"
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "generators/LuckyNumbers.h"
#include "generators/ui/PLuckyNumbers.h"
#include "generators/ui/PStarSign.h"
#include "platform/Dates.h"
#include "platform/Text.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

// The name counts in upper case without blanks, by its Windows-1252 codes,
// whatever the machine's locale.
TEST(LuckyNumbersRule, NameSeedIgnoresCaseAndBlanks)
{
    const QDate birth(2000, 1, 1); // 1 + 1 + 2000
    const auto seed = NameSeed("Ann Lee", birth);
    ASSERT_TRUE(seed);
    EXPECT_EQ(*seed, (2002 + 65 + 78 + 78 + 76 + 69 + 69) * 2 + 1);
    EXPECT_EQ(NameSeed("ANNLEE", birth), seed);
    EXPECT_EQ(NameSeed("  ann lee  ", birth), seed);
    EXPECT_NE(NameSeed("Ann Lea", birth), seed);
    EXPECT_FALSE(NameSeed("   ", birth));
    EXPECT_FALSE(NameSeed("", birth));
    // Ë is 203, the euro sign 128; a character the table lacks counts as "?".
    EXPECT_EQ(*NameSeed(QString::fromUtf8("ë"), birth), (2002 + 203) * 2 + 1);
    EXPECT_EQ(*NameSeed(QString::fromUtf8("€"), birth), (2002 + 128) * 2 + 1);
    EXPECT_EQ(*NameSeed(QString::fromUtf8("Ω"), birth), (2002 + 63) * 2 + 1);
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(Windows1252Code(Windows1252Char(static_cast<unsigned char>(byte))), byte) << byte;
}

TEST(LuckyNumbersRule, StarSignSeedAndWheelSizes)
{
    // Aries and day 1 add nothing.
    EXPECT_EQ(StarSignSeed(0, 0, QDate(2026, 12, 9)), (9 + 12 + 2026) * 2 + 1);
    EXPECT_EQ(StarSignSeed(30, 11, QDate(2026, 12, 9)), (13 * 30 + 19 * 11 + 9 + 12 + 2026) * 2 + 1);
    EXPECT_EQ(LuckyNumbersNeeded(6, 1), 14);
    EXPECT_EQ(LuckyNumbersNeeded(6, 2), 14);
    EXPECT_EQ(LuckyNumbersNeeded(6, 3), 8);
    EXPECT_EQ(LuckyNumbersNeeded(7, 1), 15);
    EXPECT_EQ(LuckyNumbersNeeded(1, 3), 7);
}

// Another wheel type keeps the lucky numbers and changes the lines; each
// line takes an extra ball. The lines' places: SeededLuckyNumbersAreFixed.
TEST(LuckyNumbersRule, WheelTypesShareTheLuckyNumbers)
{
    ResetEntries();
    SetLottery(6, 49, 10);
    const LuckyWheel first = LuckyWheelLines(12345, 2, LuckySource::Numerology);
    ASSERT_TRUE(first.served);
    EXPECT_EQ(EntryCount(), 5);
    EXPECT_EQ(first.numbers.size(), 20u);
    EXPECT_TRUE(first.text.startsWith(" Your lucky numbers: "));
    EXPECT_EQ(first.text.count(','), 14);
    for (int r = 1; r <= 5; ++r)
        EXPECT_TRUE(Entries[r][kExtraBallColumn] >= 1 && Entries[r][kExtraBallColumn] <= 10);

    const LuckyWheel one = LuckyWheelLines(12345, 1, LuckySource::Numerology);
    EXPECT_EQ(one.numbers, first.numbers);
    EXPECT_EQ(EntryCount(), 9);
    LuckyWheelLines(12345, 3, LuckySource::Numerology);
    EXPECT_EQ(EntryCount(), 3);
}

TEST(LuckyNumbersRule, SeededLuckyNumbersAreFixed)
{
    ResetEntries();
    SetLottery(6, 49);
    const LuckyWheel wheel = LuckyWheelLines(*NameSeed("Ann Lee", QDate(1970, 6, 15)), 2, LuckySource::Numerology);
    EXPECT_EQ(wheel.text, " Your lucky numbers: 33, 3, 43, 4, 15, 1, 17, 9, 45, 2, 34, 27, 20, 7, 8");
    const std::vector<std::vector<int>> expected{{1, 3, 4, 15, 33, 43},
                                                 {1, 4, 9, 15, 17, 43},
                                                 {1, 3, 9, 15, 17, 33},
                                                 {3, 4, 9, 17, 33, 43},
                                                 {2, 7, 20, 27, 34, 45}};
    EXPECT_EQ(EntryLines(6), expected);
}

// Lucky numbers above N stand in the text but never in a line; seven numbers
// with wheel type 1 reach lucky number 15; a lottery too small for the wheel
// is refused and Entries kept.
TEST(LuckyNumbersRule, RangeOfTheLotteryAndTooFewLuckyNumbers)
{
    ResetEntries();
    SetLottery(6, 35);
    for (std::int32_t seed = 1; seed <= 50; ++seed) {
        const LuckyWheel wheel = LuckyWheelLines(seed, 2, LuckySource::Numerology);
        ASSERT_TRUE(wheel.served);
        for (const auto& line : EntryLines(6)) {
            EXPECT_EQ(std::set<int>(line.begin(), line.end()).size(), 6u);
            for (int v : line)
                ASSERT_TRUE(v >= 1 && v <= 35);
        }
        EXPECT_EQ(Entries[1][kExtraBallColumn], 0);
    }
    SetLottery(7, 49);
    const LuckyWheel seven = LuckyWheelLines(99, 1, LuckySource::StarSign);
    ASSERT_EQ(EntryCount(), 9);
    std::vector<int> nine(seven.numbers.begin() + 8, seven.numbers.begin() + 15);
    std::sort(nine.begin(), nine.end());
    EXPECT_EQ(std::vector<int>(Entries[9] + 1, Entries[9] + 8), nine);
    EXPECT_LE(seven.numbers.size(), 49u);

    SetLottery(6, 12);
    const auto kept = EntryLines(7);
    const LuckyWheel refused = LuckyWheelLines(99, 2, LuckySource::Numerology);
    EXPECT_FALSE(refused.served);
    EXPECT_EQ(refused.numbers.size(), 12u);
    EXPECT_EQ(EntryLines(7), kept);
    EXPECT_TRUE(LuckyWheelLines(99, 3, LuckySource::Numerology).served); // needs 8
}

TEST(LuckyNumbersRule, ProposedDrawDate)
{
    const QDate monday(2026, 12, 7);
    EXPECT_EQ(ProposedDrawDate(" uk lotto ", "19-Dec-2026", monday), QDate(2026, 12, 9));
    EXPECT_EQ(ProposedDrawDate("Irish Lotto", "19-Dec-2026", monday), QDate(2026, 12, 19));
    EXPECT_EQ(ProposedDrawDate("Irish Lotto", "01-Dec-2026", monday), monday);
    EXPECT_EQ(ProposedDrawDate("Irish Lotto", "07-Dec-2026", monday), monday);
    EXPECT_EQ(ProposedDrawDate("Irish Lotto", "not a date", monday), monday);
}

namespace {

class LuckyWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
        writeLines("dbase200.txt", DatabaseLines("Powerball", "5,59,0,39,0", {}));
        SetClockForTests(QDateTime(QDate(2026, 12, 7), QTime(9, 0))); // a Monday
    }
};

} // namespace

TEST_F(LuckyWindows, NumerologyGivesTheSameLinesForTheSameNameAndSaves)
{
    RegisterAllWindows();
    QStringList shown;
    SetModalHook([&](QDialog* dialog) {
        if (auto* w = qobject_cast<PLuckyNumbers*>(dialog)) {
            EXPECT_EQ(w->windowTitle(), "Numerology");
            EXPECT_EQ(w->Label4->text(), " Your lucky numbers:");
            EXPECT_EQ(w->DTPicker2->Value(), QDate(2026, 12, 7));
            EXPECT_TRUE(w->Option[1]->isChecked());
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 0); // nothing until Generate
            EXPECT_EQ(w->findChild<QWidget*>("Check1"), nullptr);
            EXPECT_EQ(w->findChild<QWidget*>("Command8"), nullptr);

            // No name: the bad-input tip, nothing else.
            answer(vbOK);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_EQ(lastBox().title, "Error");
            EXPECT_EQ(w->Label4->text(), " Your lucky numbers:");

            w->DTPicker2->setValue(QDate(1970, 6, 15));
            QTest::keyClicks(w->Text1, "  ann lee ");
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 5);
            const QString lucky = w->Label4->text();
            const QStringList first = GridLines(w->MSFlexGrid1, 5);
            QTest::mouseClick(w->Command2, Qt::LeftButton); // the same name: the same lines
            EXPECT_EQ(GridLines(w->MSFlexGrid1, 5), first);
            QTest::mouseClick(w->Option[0], Qt::LeftButton);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 9);
            EXPECT_EQ(w->Label4->text(), lucky);
            shown = GridLines(w->MSFlexGrid1, 9);
            QTest::mouseClick(w->Command7, Qt::LeftButton);
            // Another lottery: its headings only, until Generate.
            w->List1->setCurrentRow(1);
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 0);
            EXPECT_EQ(w->MSFlexGrid1->TextMatrix(0, 8), "Pball");
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 9);
            EXPECT_FALSE(w->MSFlexGrid1->TextMatrix(1, 8).isEmpty());
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            return int(w->result());
        }
        return AnswerSaveDialog(dialog);
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayLucky, nullptr));
    EXPECT_EQ(SavedLines(), shown);
}

TEST_F(LuckyWindows, StarSignProposesTheDrawDateAndSeedsFromIt)
{
    Settings.set(DrawDate, "19-Dec-2026");
    RegisterAllWindows();
    int saved = 0;
    SetModalHook([&](QDialog* dialog) {
        if (auto* w = qobject_cast<PStarSign*>(dialog)) {
            EXPECT_EQ(w->windowTitle(), "Star Signs");
            EXPECT_EQ(w->Combo1->itemText(8), "Saggitarius");
            EXPECT_EQ(w->Combo2->itemText(30), " 31");
            EXPECT_EQ(w->Combo1->currentIndex(), 0);
            // UK Lotto on a Monday: Wednesday, whatever the setting says.
            EXPECT_EQ(w->DTPicker1->Value(), QDate(2026, 12, 9));
            EXPECT_EQ(w->DTPicker1->CustomFormat(), "ddd d MMM yyyy");
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 0);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 5);
            const QString lucky = w->Label4->text();
            // A week later: other numbers.
            w->DTPicker1->setValue(QDate(2026, 12, 16));
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_NE(w->Label4->text(), lucky);
            // Choosing the same lottery again proposes its date again.
            const QRect item = w->List1->visualItemRect(w->List1->item(0));
            QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, item.center());
            EXPECT_EQ(w->DTPicker1->Value(), QDate(2026, 12, 9));
            EXPECT_EQ(ShownLines(w->MSFlexGrid1), 0);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            EXPECT_EQ(w->Label4->text(), lucky);
            // A lottery without a draw-day rule: the later date of the setting.
            w->List1->setCurrentRow(1);
            EXPECT_EQ(w->DTPicker1->Value(), QDate(2026, 12, 19));
            w->List1->setCurrentRow(0);
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            QTest::mouseClick(w->Command7, Qt::LeftButton);
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            return int(w->result());
        }
        ++saved;
        return AnswerSaveDialog(dialog);
    });
    EXPECT_TRUE(OpenWindow(MenuItem::PlayStarSign, nullptr));
    EXPECT_EQ(saved, 1);
    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries && entries->size() == 5);
    EXPECT_EQ((*entries)[0].lottery, "UK Lotto");
    EXPECT_EQ((*entries)[0].date, "09-Dec-2026");
    // The window never writes the draw-date setting itself; the save dialog does.
    EXPECT_EQ(Settings[DrawDate], "09-Dec-2026");
}

TEST_F(LuckyWindows, TooFewLuckyNumbersForTheWheelIsRefused)
{
    writeLines("dbase100.txt", DatabaseLines("Small", "6,12,0,0,0", {}));
    PLuckyNumbers w;
    w.Load();
    w.Text1->setText("Ann Lee");
    answer(vbOK);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text,
              "Too few of your lucky numbers are in this lottery    \r\n"
              "for this wheel. Try another wheel type.    ");
    EXPECT_EQ(boxAt(0).title, "Sorry!");
    EXPECT_EQ(w.Label4->text(), " Your lucky numbers:");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    QTest::mouseClick(w.Option[2], Qt::LeftButton);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 3);
}
