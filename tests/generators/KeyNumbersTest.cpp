// The key-number method with a seeded source, and the one-, two- and
// three-key windows.
#include "GeneratorHelpers.h"
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "generators/KeyNumbers.h"
#include "generators/ui/P1Key.h"
#include "generators/ui/P2KeyNum.h"
#include "generators/ui/P3KeyNum.h"
#include "platform/Random.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <set>

TEST(KeyNumbersRule, LineCounts)
{
    EXPECT_EQ(KeyNumberLineCount(49, 6, 1), 10);
    EXPECT_EQ(KeyNumberLineCount(49, 6, 2), 12);
    EXPECT_EQ(KeyNumberLineCount(49, 6, 3), 16);
    EXPECT_EQ(KeyNumberLineCount(10, 4, 3), 7);
    EXPECT_EQ(KeyNumberLineCount(10, 3, 3), 0);
}

// Whatever the shuffle: the expected number of lines (never one more of
// spill-over numbers when keys end the pool), every key in every line, no
// number twice in a line, every other number played.
TEST(KeyNumbersRule, EveryLineHoldsTheKeysAndEveryOtherNumberIsPlayed)
{
    struct Case {
        int k, n;
        std::vector<int> keys;
    };
    const std::vector<Case> cases{{6, 49, {7}},           {6, 49, {10, 11}},   {6, 49, {40, 45, 49}},
                                  {4, 10, {1, 2, 3}},     {4, 10, {8, 9, 10}}, {5, 12, {3, 12}},
                                  {7, 100, {1, 50, 100}}, {4, 5, {5}},         {5, 19, {18, 19}}};
    for (const Case& c : cases) {
        SetLottery(c.k, c.n);
        const int expected = KeyNumberLineCount(c.n, c.k, int(c.keys.size()));
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            ResetEntries();
            RandomizeSeed(seed);
            KeyNumberLines(c.keys);
            ASSERT_EQ(EntryCount(), expected) << "N " << c.n << " seed " << seed;
            std::set<int> played;
            for (int r = 1; r <= expected; ++r) {
                std::set<int> line(Entries[r] + 1, Entries[r] + 1 + c.k);
                ASSERT_EQ(line.size(), std::size_t(c.k)) << "line " << r << " seed " << seed;
                for (int key : c.keys)
                    ASSERT_TRUE(line.count(key));
                ASSERT_GE(*line.begin(), 1);
                ASSERT_LE(*line.rbegin(), c.n);
                played.insert(line.begin(), line.end());
            }
            ASSERT_EQ(played.size(), std::size_t(c.n));
        }
    }
}

// One key 7 of 6/49: nine lines and three places of the tenth take the other
// 48 numbers once each in pool order; the tenth is filled up with the first
// two numbers of the pool that are not the key. The extra balls' round:
// SeededLinesAreFixed.
TEST(KeyNumbersRule, LastLineIsFilledFromTheStartOfThePool)
{
    ResetEntries();
    SetLottery(6, 49, 0);
    RandomizeSeed(12);
    KeyNumberLines({7});
    ASSERT_EQ(EntryCount(), 10);
    std::vector<int> others;
    for (int i = 1; i <= 49; ++i)
        if (BallPool[i] != 7)
            others.push_back(BallPool[i]);
    int next = 0;
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(Entries[r][1], 7);
        for (int c = 2; c <= 6; ++c) {
            if (r == 10 && c > 4) // after the 48 come the first two again
                EXPECT_EQ(Entries[r][c], others[std::size_t(c - 5)]);
            else
                EXPECT_EQ(Entries[r][c], others[std::size_t(next++)]);
        }
        EXPECT_EQ(Entries[r][kExtraBallColumn], 0);
    }
}

// The source is asked for every second place of the main pool, then every
// place of the extra-ball pool: a fixed seed gives these lines.
TEST(KeyNumbersRule, SeededLinesAreFixed)
{
    ResetEntries();
    SetLottery(5, 12, 3);
    RandomizeSeed(2026);
    KeyNumberLines({4, 9});
    // Each line: the numbers, then the extra ball.
    const std::vector<std::vector<int>> expected{
        {4, 9, 3, 7, 11, 2}, {4, 9, 10, 6, 2, 1}, {4, 9, 1, 5, 8, 3}, {4, 9, 12, 3, 7, 2}};
    ASSERT_EQ(EntryCount(), 4);
    for (int r = 1; r <= 4; ++r) {
        std::vector<int> line(Entries[r] + 1, Entries[r] + 6);
        line.push_back(Entries[r][kExtraBallColumn]);
        EXPECT_EQ(line, expected[std::size_t(r - 1)]) << "line " << r;
    }
}

namespace {

class KeyWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase100.txt", DatabaseLines("UK Lotto", "6,49,0,0,1", {"05 Mar 05,1,2,3,4,5,6,7"}));
        writeLines("dbase200.txt", DatabaseLines("Small", "6,35,0,0,0", {}));
        writeLines("dbase300.txt", DatabaseLines("Pick Three", "3,20,0,0,0", {}));
        writeLines("dbase400.txt", DatabaseLines("Pick Four", "4,30,0,0,0", {}));
    }
    static QStringList labels(const KeyNumbersWindow& w)
    {
        QStringList out;
        for (const QLabel* l : w.ValueLabels)
            out << l->text();
        return out;
    }
    static std::vector<int> maxima(const KeyNumbersWindow& w)
    {
        std::vector<int> out;
        for (const QScrollBar* b : w.Bars)
            out.push_back(b->maximum());
        return out;
    }
};

} // namespace

TEST_F(KeyWindows, TwoKeysPushEachOther)
{
    P2KeyNum w;
    w.Load();
    EXPECT_EQ(w.windowTitle(), "Two Key Numbers");
    EXPECT_EQ(w.MSFlexGrid1->Rows(), 35);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 12);
    EXPECT_EQ(maxima(w), (std::vector<int>{48, 49}));
    w.Bars[1]->setValue(11);
    w.Bars[0]->setValue(10);
    EXPECT_EQ(labels(w), (QStringList{"10", "11"}));
    w.Bars[0]->setValue(11); // onto bar 2: bar 2 moves on
    EXPECT_EQ(w.Keys(), (std::vector<int>{11, 12}));
    EXPECT_EQ(labels(w), (QStringList{"11", "12"}));
    w.Bars[1]->setValue(11); // onto bar 1: bar 1 moves down
    EXPECT_EQ(w.Keys(), (std::vector<int>{10, 11}));
    EXPECT_EQ(labels(w), (QStringList{"10", "11"}));
    EXPECT_EQ(w.Command6->toolTip(), "Print out lottery entries");
    EXPECT_EQ(w.Command1->toolTip(), " Close window ");
}

// A push travels on: bar 3 down onto bar 2 pushes bar 2, which pushes bar 1.
TEST_F(KeyWindows, ThreeKeysPushOnAndReRangeForASmallerLottery)
{
    P3KeyNum w;
    w.Load();
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 16);
    w.Bars[2]->setValue(6);
    w.Bars[1]->setValue(5);
    w.Bars[0]->setValue(4);
    w.Bars[2]->setValue(5);
    EXPECT_EQ(w.Keys(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(labels(w), (QStringList{"3", "4", "5"}));
    // Bar 1 up onto bar 2 pushes bar 2 onto bar 3, which moves on too.
    w.Bars[0]->setValue(4);
    EXPECT_EQ(w.Keys(), (std::vector<int>{4, 5, 6}));

    w.Bars[2]->setValue(49);
    w.Bars[1]->setValue(45);
    w.Bars[0]->setValue(40);
    w.List1->setCurrentRow(1); // N = 35
    EXPECT_EQ(w.Keys(), (std::vector<int>{33, 34, 35}));
    EXPECT_EQ(labels(w), (QStringList{"33", "34", "35"}));
    EXPECT_EQ(maxima(w), (std::vector<int>{33, 34, 35}));
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 11); // 32 others, 3 to a line
    w.List1->setCurrentRow(0);                // back to 49: the keys stay
    EXPECT_EQ(w.Keys(), (std::vector<int>{33, 34, 35}));
    EXPECT_EQ(maxima(w), (std::vector<int>{47, 48, 49}));

    // Bars 1 and 3 on one number: Generate refuses with the bad-input tip.
    w.Bars[1]->setValue(20);
    w.Bars[0]->setValue(35);
    ASSERT_EQ(w.Keys(), (std::vector<int>{35, 20, 35}));
    const QString before = w.MSFlexGrid1->TextMatrix(1, 1);
    answer(vbOK);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Error");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), before);
    EXPECT_FALSE(Busy);

    // A pick-4 lottery is too small for three keys.
    answer(vbOK);
    w.List1->setCurrentRow(3);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxAt(1).text, "Must be a pick-5/6/7 lottery.    ");
    EXPECT_EQ(boxAt(1).title, "Sorry!");
    EXPECT_EQ(boxAt(1).style, vbOKOnly | vbExclamation);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(0, 1), "Num1");
}

TEST_F(KeyWindows, OneKeyStartsAgainAtOneAndPickThreeIsRefused)
{
    P1Key w;
    EXPECT_EQ(maxima(w), std::vector<int>{49}); // until a lottery is chosen
    w.Load();
    EXPECT_EQ(w.ValueLabels[0]->toolTip(), " Your lucky number ");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 10);
    w.Bars[0]->setValue(45);
    EXPECT_EQ(w.ValueLabels[0]->text(), "45");
    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Keys(), (std::vector<int>{1}));
    EXPECT_EQ(w.ValueLabels[0]->text(), "1");
    EXPECT_EQ(w.Bars[0]->maximum(), 35);
    answer(vbOK);
    w.List1->setCurrentRow(2);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text, "Must be a pick-4/5/6/7 lottery.    ");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    // Nothing of the lottery before is left to show, filter or save.
    EXPECT_EQ(w.Label5->text(), "");
    QTest::mouseClick(w.FilterOddEvenButton, Qt::LeftButton);
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
    // Pick-4 is enough for one key; the boxes were unticked by the choice.
    w.Check2->setChecked(true);
    w.List1->setCurrentRow(3);
    EXPECT_FALSE(w.Check2->isChecked());
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 10); // 29 others, 3 to a line
}

TEST_F(KeyWindows, ALotteryBeyondThePoolIsRefused)
{
    writeLines("dbase100.txt", DatabaseLines("Big", "6,110,0,0,0", {}));
    P2KeyNum w;
    w.Load();
    EXPECT_EQ(w.Label5->text(), "This window plays lotteries of at most 100 numbers.");
    EXPECT_EQ(ShownLines(w.MSFlexGrid1), 0);
}

TEST_F(KeyWindows, EachKeyWindowFromThePlayMenuSavesItsLines)
{
    RegisterAllWindows();
    struct Case {
        MenuItem item;
        std::vector<int> keys;
        int lines;
    };
    for (const Case& c : {Case{MenuItem::Play1Key, {10}, 10}, Case{MenuItem::Play2Key, {10, 20}, 12},
                          Case{MenuItem::Play3Key, {10, 20, 30}, 16}}) {
        DeleteSavedEntries();
        QStringList shown;
        SetModalHook([&](QDialog* dialog) {
            if (auto* w = dynamic_cast<KeyNumbersWindow*>(dialog)) {
                for (std::size_t i = c.keys.size(); i-- > 0;)
                    w->Bars[i]->setValue(c.keys[i]);
                QTest::mouseClick(w->Command2, Qt::LeftButton);
                EXPECT_EQ(ShownLines(w->MSFlexGrid1), c.lines);
                shown = GridLines(w->MSFlexGrid1, c.lines);
                QTest::mouseClick(w->Command7, Qt::LeftButton);
                QTest::mouseClick(w->Command1, Qt::LeftButton);
                return int(w->result());
            }
            return AnswerSaveDialog(dialog);
        });
        EXPECT_TRUE(OpenWindow(c.item, nullptr));
        const QStringList saved = SavedLines();
        EXPECT_EQ(saved, shown);
        for (const QString& line : saved)
            for (int key : c.keys)
                EXPECT_TRUE(line.split(',').contains(QString::number(key)));
    }
}

// A click on a lottery too small for the keys highlights it before the
// message says so.
TEST_F(KeyWindows, TheListHighlightsTheLotteryTheMessageIsAbout)
{
    const struct {
        int keys;
        int row;
    } cases[] = {{1, 2}, {2, 2}, {3, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        std::unique_ptr<KeyNumbersWindow> w;
        if (c.keys == 1)
            w = std::make_unique<P1Key>();
        else if (c.keys == 2)
            w = std::make_unique<P2KeyNum>();
        else
            w = std::make_unique<P3KeyNum>();
        w->Load();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QList<int> highlighted;
        SetMsgBoxHook([&](const MsgBoxCall&) {
            for (const QListWidgetItem* item : w->List1->selectedItems())
                highlighted << w->List1->row(item);
            return vbOK;
        });
        const QRect item = w->List1->visualItemRect(w->List1->item(c.row));
        QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_EQ(highlighted, QList<int>{c.row});
    }
}
