#include "core/OpenLottery.h"
#include "databases/ui/DbaseUpdateW.h"
#include "platform/Dates.h"
#include "support/TestSupport.h"

#include "platform/ui/DatePicker.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
class DbaseUpdateWTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetClockForTests(QDateTime(QDate(2005, 3, 20), QTime(12, 0)));
    }
    void save(DbaseUpdateW& w, const QDate& date, const QStringList& numbers)
    {
        w.DTPicker1->setDate(date);
        for (int k = 0; k < 8; ++k)
            w.Text1[k]->setText(numbers.value(k));
        w.Command1_Click();
    }
    QStringList draws(const QString& name) const
    {
        QStringList l = readFile(name).split("\r\n");
        l.removeLast();
        return l.mid(3);
    }
    // The newest draw has no bonus, yet the lottery draws one.
    const QStringList lotto{"12 Mar 05,1,2,3,4,5,6,,", "05-Mar-2005,8,9,10,11,12,13,0,14",
                            "26 Feb 05,15,16,17,18,19,20,,21"};
};
} // namespace

TEST_F(DbaseUpdateWTest, OffersABoxForEachOfTheLotterysNumbers)
{
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", lotto));
    writeLines("dbase2.txt", DatabaseLines("Thunder", "5,39,1,14,0", {"12 Mar 05,1,2,3,4,5,,,9"}));
    writeLines("dbase3.txt", DatabaseLines("Plain", "5,39,1,0,0", {"12 Mar 05,1,2,3,4,5,,,"}));
    LoadedWindow<DbaseUpdateW> w;
    w.show();
    ASSERT_EQ(w.List1->count(), 3);
    EXPECT_EQ(w.List1->currentRow(), 0);
    EXPECT_EQ(DbaseFile, "dbase1.txt");
    EXPECT_EQ(LotteryName, "Lotto");
    EXPECT_EQ(w.Label13->text(), "Last update was\n12 Mar 05");
    EXPECT_EQ(w.DTPicker1->date(), QDate(2005, 3, 20));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(w.Text1[k]->isVisible(), k != 6) << k;
    EXPECT_EQ(w.Label7->text(), "Bonus");

    w.Text1[0]->setText("5");
    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Text1[0]->text(), "");
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(w.Text1[k]->isVisible(), k < 5 || k == 7) << k;
    EXPECT_EQ(w.Label7->text(), "Powerball");

    w.List1->setCurrentRow(2);
    EXPECT_FALSE(w.Text1[7]->isVisible());
    EXPECT_EQ(w.Label7->text(), "");
}

TEST_F(DbaseUpdateWTest, DrawsArePlacedByDate)
{
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", lotto));
    LoadedWindow<DbaseUpdateW> w;
    save(w, QDate(2005, 3, 19), {"7", "8", "9", "10", "11", "12", "", "13"});
    EXPECT_EQ(w.Label13->text(), "19 Mar 05");
    EXPECT_EQ(w.Text1[0]->text(), "");

    save(w, QDate(2005, 3, 5), {"21", "22", "23", "24", "25", "26"}); // same day as a stored draw
    save(w, QDate(2005, 2, 1), {"31", "32", "33", "34", "35", "36", "", "37"});
    EXPECT_EQ(w.Label13->text(), "01 Feb 05");
    EXPECT_EQ(draws("dbase1.txt"),
              QStringList({"19 Mar 05,7,8,9,10,11,12,,13", lotto[0], "05 Mar 05,21,22,23,24,25,26,,", lotto[1],
                           lotto[2], "01 Feb 05,31,32,33,34,35,36,,37"}));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DbaseUpdateWTest, WrongNumbersShowTheInputTipAndWriteNothing)
{
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", lotto));
    const QByteArray before = readBytes("dbase1.txt");
    LoadedWindow<DbaseUpdateW> w;
    answer(vbOK);
    save(w, QDate(2005, 3, 19), {"1", "2", "3", "4", "5", "6", "", "50"});
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxAt(0).text.startsWith(" There was a problem with the input.  "));
    EXPECT_EQ(readBytes("dbase1.txt"), before);
    EXPECT_EQ(w.Text1[7]->text(), "50"); // the boxes keep their text
}

TEST_F(DbaseUpdateWTest, OddFilesAreNeverDamaged)
{
    writeLines("dbase1.txt", DatabaseLines("Empty", "5,39,1,14,0", {}));
    writeLines("dbase2.txt",
               DatabaseLines("Edited", "5,39,1,14,0", {"12 Mar 05,1,2,3,4,5,,,9", "someday,1,2,3,4,5,,,9"}));
    writeLines("dbase3.txt", DatabaseLines("Broken", "5,x", {"12 Mar 05,1,2,3,4,5,,,9"}));
    // The last update is the newest draw, past blank lines.
    writeLines("dbase4.txt", DatabaseLines("Blanks", "6,49,0,0,1", {"", " ", lotto[0], lotto[1]}));
    LoadedWindow<DbaseUpdateW> w;
    // A header-only file takes the draw after its header.
    EXPECT_EQ(w.Label13->text(), "Last update was\n");
    save(w, QDate(2005, 3, 19), {"1", "2", "3", "4", "5", "", "", ""});
    EXPECT_EQ(draws("dbase1.txt"), QStringList({"19 Mar 05,1,2,3,4,5,,,"}));

    // A date that cannot be read refuses the draw and leaves the file as it was.
    w.List1->setCurrentRow(1);
    const QByteArray before = readBytes("dbase2.txt");
    answer(vbOK);
    save(w, QDate(2005, 1, 1), {"1", "2", "3", "4", "5", "", "", "3"});
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Error!");
    EXPECT_EQ(readBytes("dbase2.txt"), before);

    // A wrong definition line offers nothing to save, and says so.
    w.List1->setCurrentRow(2);
    EXPECT_FALSE(w.Command1->isEnabled());
    EXPECT_FALSE(w.Text1[0]->isVisibleTo(&w));
    EXPECT_EQ(w.Label13->text(), "This lottery database cannot be read.");
    w.List1->setCurrentRow(3);
    EXPECT_EQ(w.Label13->text(), "Last update was\n12 Mar 05");

    for (int i = 1; i <= 4; ++i)
        QFile::remove(path(QStringLiteral("dbase%1.txt").arg(i)));
    LoadedWindow<DbaseUpdateW> none;
    EXPECT_FALSE(none.Command1->isEnabled());
}

TEST_F(DbaseUpdateWTest, OnlyDatesTheTwoDigitYearCanHoldArePicked)
{
    writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", lotto));
    LoadedWindow<DbaseUpdateW> w;
    for (const QDate& wanted : {QDate(1900, 6, 1), QDate(2100, 6, 1)}) {
        w.DTPicker1->setValue(wanted);
        const QDate picked = w.DTPicker1->Value();
        EXPECT_NE(picked, wanted);
        EXPECT_EQ(ParseDate(FormatShortDate(picked)), picked) << picked.toString().toStdString();
    }
    // The far end of the window is still a later draw than any stored one.
    save(w, w.DTPicker1->maximumDate(), {"1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(draws("dbase1.txt").first(), FormatShortDate(w.DTPicker1->maximumDate()) + ",1,2,3,4,5,6,,");
}
