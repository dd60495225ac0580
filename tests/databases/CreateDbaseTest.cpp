#include "core/OpenLottery.h"
#include "databases/ui/CreateDbase.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"
#include "Boxes.h"

#include "platform/ui/DatePicker.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {
class CreateDbaseTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("LotteryTemplates.txt",
                   {"UK Lotto,6,59,1,0,https://lotto.example/a,b", "Thunder,5,39,1,14,https://thunder.example",
                    "Big draw,8,69,0,99,http://big.example", "Small,3,5,0,1,x"});
    }
    // Picks template i, types the numbers and saves with 5 March 2005.
    void create(CreateDbase& w, int i, const QStringList& numbers)
    {
        w.List1->setCurrentRow(i);
        type(w, numbers);
        w.DTPicker1->setDate(QDate(2005, 3, 5));
        w.Command1_Click();
    }
    void type(CreateDbase& w, const QStringList& numbers)
    {
        for (int k = 0; k < 8; ++k)
            w.Text1[k]->setText(numbers.value(k));
    }
    QStringList lines(const QString& name) const
    {
        QStringList l = readFile(name).split("\r\n");
        l.removeLast();
        return l;
    }
};
} // namespace

TEST_F(CreateDbaseTest, WritesTheHeaderAndFirstDrawOfEachKind)
{
    {
        LoadedWindow<CreateDbase> w;
        ASSERT_EQ(w.List1->count(), 4);
        create(w, 0, {"12", "3", "45", "7", "30", "19", "", "22"});
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_EQ(w.createdFile(), "dbase1.txt");
    }
    EXPECT_EQ(lines("dbase1.txt"),
              QStringList({"UK Lotto", "https://lotto.example/a,b", "6,59,1,0,1", "05 Mar 05,12,3,45,7,30,19,,22"}));
    {
        // A Powerball-type lottery: the extra ball does not make a bonus, and
        // the two columns beyond five numbers stay empty.
        LoadedWindow<CreateDbase> w;
        create(w, 1, {"1", "2", "3", "4", "5", "", "", "9"});
        EXPECT_EQ(w.Label12->text(), "Powerball");
        EXPECT_TRUE(w.HScroll3->isEnabled());
    }
    EXPECT_EQ(lines("dbase2.txt"),
              QStringList({"Thunder", "https://thunder.example", "5,39,1,14,0", "05 Mar 05,1,2,3,4,5,,,9"}));
    {
        // A standard lottery without bonus, defined by hand.
        LoadedWindow<CreateDbase> w;
        w.Text3->setText("My, own lottery");
        w.HScroll1->setValue(7);
        w.HScroll2->setValue(40);
        type(w, {"1", "2", "3", "4", "5", "6", "40"});
        w.DTPicker1->setDate(QDate(2026, 12, 1));
        w.Command1_Click();
    }
    EXPECT_EQ(lines("dbase3.txt"),
              QStringList({"My, own lottery", "http://", "7,40,1,0,0", "01 Dec 26,1,2,3,4,5,6,40,"}));
}

TEST_F(CreateDbaseTest, FileNamesTakeTheSmallestFreeNumber)
{
    writeLines("dbase2.txt", DatabaseLines("Lotto", "6,49,0,0,1", {}));
    LoadedWindow<CreateDbase> w;
    EXPECT_EQ(w.List2->count(), 1); // the existing databases, for information
    // Driven by the controls' names, as the player would.
    w.show();
    w.findChild<QListWidget*>("List1")->setCurrentRow(1);
    for (int k = 0; k < 5; ++k)
        QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(k)), QString::number(k + 1));
    QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.createdFile(), "dbase1.txt");
    EXPECT_EQ(lines("dbase1.txt").value(0), "Thunder");
}

TEST_F(CreateDbaseTest, WrongNumbersWriteNothing)
{
    // An empty box, a bonus among the numbers, an extra ball beyond its range.
    const QList<std::pair<int, QStringList>> wrong{{0, {"1", "2", "3", "4", "5"}},
                                                   {0, {"1", "2", "3", "4", "5", "6", "", "6"}},
                                                   {1, {"1", "2", "3", "4", "5", "", "", "15"}}};
    for (const auto& [i, numbers] : wrong) {
        LoadedWindow<CreateDbase> w;
        answer(vbOK);
        create(w, i, numbers);
        EXPECT_NE(w.result(), QDialog::Accepted);
    }
    ASSERT_EQ(boxes().size(), 3u);
    for (const auto& box : boxes())
        EXPECT_TRUE(IsBox(box, "Incorrect draw result...    ", "Oops!", vbOKOnly + vbExclamation));
    EXPECT_FALSE(exists("dbase1.txt"));
}

TEST_F(CreateDbaseTest, BoxesFollowTheCountAndHiddenBoxesWriteNothing)
{
    LoadedWindow<CreateDbase> w;
    w.show();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w.List1, &focus); // marks a row, chooses nothing
    EXPECT_EQ(w.Label7->text(), "Enter draw result:");
    EXPECT_EQ(w.Label12->text(), "Bonus?");
    EXPECT_TRUE(w.Text1[5]->isVisible());
    EXPECT_FALSE(w.Text1[6]->isVisible()); // six numbers at start
    w.List1->setCurrentRow(0);
    type(w, {"1", "2", "3", "4", "5", "6", "7"});
    w.HScroll1->setValue(5);
    EXPECT_EQ(w.Label7->text(), "Enter 5 numbers");
    EXPECT_EQ(w.Label2->text(), "5");
    EXPECT_FALSE(w.Text1[5]->isVisible());
    EXPECT_EQ(w.Text1[5]->text(), "6"); // kept, but not written
    w.DTPicker1->setDate(QDate(2005, 3, 5));
    w.Command1_Click();
    EXPECT_EQ(lines("dbase1.txt").value(3), "05 Mar 05,1,2,3,4,5,,,");

    // Only digits get into a box, typed or pasted.
    LoadedWindow<CreateDbase> v;
    QTest::keyClicks(v.Text1[0], "1a2");
    EXPECT_EQ(v.Text1[0]->text(), "12");
    v.Text1[1]->insert("4x");
    EXPECT_EQ(v.Text1[1]->text(), "");
}

TEST_F(CreateDbaseTest, TemplatesSetTheControlsWithinTheirRanges)
{
    LoadedWindow<CreateDbase> w;
    w.DTPicker1->setDate(QDate(2001, 1, 2));
    w.Text1[0]->setText("9");
    w.List1->setCurrentRow(2); // 8 from 69 plus 1 from 99: each kept within its bar
    EXPECT_EQ(w.HScroll1->value(), 7);
    EXPECT_EQ(w.Label6->text(), "60");
    EXPECT_EQ(w.HScroll3->value(), 60);
    EXPECT_TRUE(w.Option1[1]->isChecked());
    EXPECT_EQ(w.Text1[0]->text(), "");
    EXPECT_EQ(w.DTPicker1->date(), QDate(2001, 1, 2)); // the date stays

    w.List1->setCurrentRow(0);
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_EQ(w.Label12->text(), "Bonus");
    EXPECT_FALSE(w.HScroll3->isEnabled());
    EXPECT_EQ(w.Text2->text(), "https://lotto.example/a,b");

    // No template file: an empty list.
    QFile::remove(path("LotteryTemplates.txt"));
    LoadedWindow<CreateDbase> v;
    EXPECT_EQ(v.List1->count(), 0);
}

TEST_F(CreateDbaseTest, CancelAsksFirst)
{
    LoadedWindow<CreateDbase> w;
    w.show();
    answer(vbNo);
    w.CancelButton_Click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "Close and discard data?    ", "Are you sure?", vbYesNo + vbQuestion));
    answer(vbYes);
    w.CancelButton_Click();
    EXPECT_FALSE(w.isVisible());
}

TEST(LotteryTemplatesFile, EveryShippedTemplateFitsTheWindow)
{
    const auto lines = ReadLines(QStringLiteral(VANTREL_SOURCE_DATA_DIR "/LotteryTemplates.txt"));
    ASSERT_TRUE(lines);
    ASSERT_GE(lines->size(), 20);
    for (const QString& line : *lines) {
        FieldReader r(line);
        const QString name = r.field();
        const int count = r.field().toInt();
        const int highest = r.field().toInt();
        r.field();
        const int extra = r.field().toInt();
        const QString site = r.line();
        SCOPED_TRACE(line.toStdString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_TRUE(count >= 4 && count <= 7);
        EXPECT_TRUE(highest >= 10 && highest <= 60);
        EXPECT_TRUE(extra == 0 || (extra >= 2 && extra <= 60));
        EXPECT_TRUE(site.startsWith("https://"));
    }
}

TEST_F(CreateDbaseTest, PastedLineBreaksDoNotSplitTheHeaderLines)
{
    {
        LoadedWindow<CreateDbase> w;
        w.List1->setCurrentRow(0);
        for (auto [box, pasted] : {std::pair{w.Text3, QStringLiteral("My\r\nLotto")},
                                   std::pair{w.Text2, QStringLiteral("http://a\n.example")}}) {
            box->clear();
            QApplication::clipboard()->setText(pasted);
            box->paste();
        }
        type(w, {"1", "2", "3", "4", "5", "6"});
        w.DTPicker1->setDate(QDate(2005, 3, 5));
        w.Command1_Click();
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
    EXPECT_EQ(lines("dbase1.txt"),
              QStringList({"My Lotto", "http://a .example", "6,59,1,0,0", "05 Mar 05,1,2,3,4,5,6,,"}));
}
