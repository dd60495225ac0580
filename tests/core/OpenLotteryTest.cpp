#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/ui/DatabaseList.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QListWidget>
#include <fcntl.h>
#include <unistd.h>

class OpenLotteryTest : public ProgramFolderTest {
protected:
    static QStringList draws(int count, int first = 1)
    {
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            const int base = (first + i) % 40 + 1;
            lines << QString("01 Jan 05,%1,%2,%3,%4,%5,%6,,%7")
                         .arg(base)
                         .arg(base + 1)
                         .arg(base + 2)
                         .arg(base + 3)
                         .arg(base + 4)
                         .arg(base + 5)
                         .arg(base + 9);
        }
        return lines;
    }
};

TEST_F(OpenLotteryTest, ListsEveryDatabaseByItsFirstLine)
{
    writeLines("dbase2.txt", DatabaseLines("Lotto, UK", "6,49,0,0,1", {}));
    writeLines("dbase1.txt", DatabaseLines("Powerball", "5,59,0,39,0", {}));
    writeFile("dbase3.txt", "");
    writeLines("other.txt", {"x"});
    QListWidget listWidget;
    QListWidget* list = &listWidget;
    EXPECT_EQ(ListDatabases(list), 3);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Powerball");
    EXPECT_EQ(list->item(1)->text(), "Lotto, UK");
    EXPECT_EQ(list->item(2)->text(), "dbase3.txt"); // an empty file is listed by its name
    EXPECT_EQ(DbaseFiles[1], "dbase2.txt");
    EXPECT_EQ(list->currentRow(), -1);
    // Listing again does not misalign the rows and the files.
    ListDatabases(list);
    EXPECT_EQ(list->count(), 3);
    // The empty database loads as no lottery, without failing.
    EXPECT_FALSE(LoadDatabase(2));
    EXPECT_EQ(DrawCount(), 0);
}

TEST_F(OpenLotteryTest, NamesNoSavedEntryCanHoldAreLeftOutAndToldOnce)
{
    writeLines("dbase1.txt", DatabaseLines("Kept", "6,49,0,0,1", {}));
    writeLines("dbase,2.txt", DatabaseLines("Comma", "6,49,0,0,1", {})); // a quoted field holds it
    writeLines("dbase\n3.txt", DatabaseLines("Line break", "6,49,0,0,1", {}));
    writeLines("dbase\r4.txt", DatabaseLines("Return", "6,49,0,0,1", {}));
    writeLines("dbase\",x\".txt", DatabaseLines("Quotes", "6,49,0,0,1", {}));
    const QByteArray latin1 = QFile::encodeName(path("dbase")) + "\xe9.txt";
    const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);

    QListWidget list;
    answer(vbOK);
    EXPECT_EQ(ListDatabases(&list), 2);
    EXPECT_EQ(list.item(0)->text(), "Comma");
    EXPECT_EQ(list.item(1)->text(), "Kept");
    ASSERT_EQ(boxes().size(), 1u);
    const QString told = boxAt(0).text;
    for (const char* name : {"dbase?3.txt", "dbase?4.txt", "dbase\",x\".txt", "dbase\xef\xbf\xbd.txt"})
        EXPECT_TRUE(told.contains(QString::fromUtf8(name))) << name;
    EXPECT_FALSE(told.contains("dbase1.txt"));
    // Listing again, as every lottery window does, tells nothing more.
    EXPECT_EQ(ListDatabases(&list), 2);
    EXPECT_EQ(boxes().size(), 1u);
    ::unlink(latin1.constData()); // no name Qt holds spells it
}

TEST_F(OpenLotteryTest, AFolderWithoutDatabasesLeavesTheListEmpty)
{
    DbaseFiles[0] = "kept";
    QListWidget listWidget;
    QListWidget* list = &listWidget;
    EXPECT_EQ(ListDatabases(list), 0);
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(DbaseFiles[0], "kept");
}

TEST_F(OpenLotteryTest, LoadsHeaderAndDrawsAndKeepsTheNewest2994)
{
    QStringList lines = DatabaseLines("Big, Lotto", "6,49,1,0,1", draws(3000));
    writeLines("dbase1.txt", lines);
    DbaseFiles[0] = "dbase1.txt";
    ASSERT_TRUE(LoadDatabase(0));
    EXPECT_EQ(LotteryName, "Big, Lotto");
    EXPECT_EQ(LotteryWebsite, "http://example.org");
    EXPECT_EQ(BallsDrawn, 6);
    EXPECT_EQ(MaxBall, 49);
    EXPECT_EQ(HeaderValue3, 1);
    EXPECT_EQ(HasBonusBall, 1);
    EXPECT_EQ(DrawCount(), 2994);
    EXPECT_EQ(Draws[1][1], 2);
    EXPECT_EQ(Draws[1][7], 0);                 // the empty seventh field
    EXPECT_EQ(Draws[1][kExtraBallColumn], 11); // the bonus in column 8
    for (int r = 2995; r <= 3000; ++r)
        for (int c = 0; c <= kExtraBallColumn; ++c)
            ASSERT_EQ(Draws[r][c], 0);
}

TEST_F(OpenLotteryTest, ASmallDatabaseAfterALargeOneLeavesNoStaleRow)
{
    writeLines("dbase1.txt", DatabaseLines("Big", "6,49,0,0,1", draws(500)));
    writeLines("dbase2.txt", DatabaseLines("Small", "6,49,0,0,1", draws(10)));
    DbaseFiles[0] = "dbase1.txt";
    DbaseFiles[1] = "dbase2.txt";
    ASSERT_TRUE(LoadDatabase(0));
    EXPECT_EQ(DrawCount(), 500);
    ASSERT_TRUE(LoadDatabase(1));
    EXPECT_EQ(DrawCount(), 10);
    for (int r = 11; r <= 3000; ++r)
        for (int c = 0; c <= kExtraBallColumn; ++c)
            ASSERT_EQ(Draws[r][c], 0) << r << "," << c;
}

TEST_F(OpenLotteryTest, OutOfRangeDefinitionsAndNumbersAreNotLoaded)
{
    writeLines("dbase1.txt", DatabaseLines("Bad", "8,49,0,0,1", draws(5)));
    writeLines(
        "dbase2.txt",
        DatabaseLines("Odd", "5,40,0,10,0", {"01 Jan 05,1,41,70000,3.5,-2,9,9,11", "31 Dec 04,2.5,3,4,5,6,,,10"}));
    writeLines("dbase3.txt", {"Header only"});
    DbaseFiles[0] = "dbase1.txt";
    DbaseFiles[1] = "dbase2.txt";
    DbaseFiles[2] = "dbase3.txt";
    EXPECT_FALSE(LoadDatabase(0));
    EXPECT_EQ(DrawCount(), 0);
    EXPECT_EQ(BallsDrawn, 0);

    ASSERT_TRUE(LoadDatabase(1));
    EXPECT_EQ(DrawCount(), 2);
    const std::int16_t row1[] = {1, 0, 0, 4, 0, 9, 9, 0}; // 41 > MaxBall, 70000, -2 and extra 11 > 10
    for (int c = 1; c <= kExtraBallColumn; ++c)
        EXPECT_EQ(Draws[1][c], row1[c - 1]) << c;
    EXPECT_EQ(Draws[2][1], 2); // 2.5 rounds to the even 2
    EXPECT_EQ(Draws[2][kExtraBallColumn], 10);

    EXPECT_FALSE(LoadDatabase(2));
    EXPECT_EQ(LotteryName, "Header only");
    EXPECT_FALSE(LoadDatabase(75)); // no file behind the index
}

TEST_F(OpenLotteryTest, ABadFirstNumberOrABlankLineDoesNotCutTheHistory)
{
    writeLines("dbase1.txt",
               DatabaseLines("Lotto", "6,49,0,0,1",
                             {"08 Jan 05,1,2,3,4,5,6,,7", "05 Jan 05,50,2,3,4,5,6,,7", "", "   ",
                              "01 Jan 05,,9,10,11,12,13,,14", "29 Dec 04,8,60,10,11,12,13,,14",
                              "25 Dec 04,15,16,17,18,19,20,,21"}));
    DbaseFiles[0] = "dbase1.txt";
    ASSERT_TRUE(LoadDatabase(0));
    // A draw without a first number in range is left out; every older draw
    // is still there.
    EXPECT_EQ(DrawCount(), 3);
    EXPECT_EQ(Draws[1][1], 1);
    const std::int16_t row2[] = {8, 0, 10, 11, 12, 13, 0, 14}; // 60 above the highest ball reads as 0
    for (int c = 1; c <= kExtraBallColumn; ++c)
        EXPECT_EQ(Draws[2][c], row2[c - 1]) << c;
    EXPECT_EQ(Draws[3][1], 15);
    EXPECT_EQ(Draws[3][kExtraBallColumn], 21);
    for (int c = 0; c <= kExtraBallColumn; ++c)
        EXPECT_EQ(Draws[4][c], 0);
}

TEST_F(OpenLotteryTest, AFileOfManyMoreDrawsLoadsTheNewest2994AndReadsNoFurther)
{
    const QStringList lines = DatabaseLines("Big", "6,49,0,0,1", draws(60000));
    writeLines("dbase1.txt", lines);
    DbaseFiles[0] = "dbase1.txt";
    const qint64 before = BytesReadByProcess();
    ASSERT_GE(before, 0);
    ASSERT_TRUE(LoadDatabase(0));
    const qint64 read = BytesReadByProcess() - before;
    EXPECT_EQ(DrawCount(), 2994);
    EXPECT_EQ(Draws[2994][1], lines[3 + 2993].section(',', 1, 1).toInt());
    EXPECT_EQ(Draws[2994][kExtraBallColumn], lines[3 + 2993].section(',', 8, 8).toInt());
    // The file is about 1.7 MB; its first 2994 draws about 90 KB.
    EXPECT_LT(read, 256 * 1024);
}

TEST_F(OpenLotteryTest, LinuxLineEndsLoad)
{
    writeFile("dbase1.txt", "LF lotto\nhttp://x\n6,49,0,0,0\n01 Jan 05,1,2,3,4,5,6,,\n25 Dec 04,7,8,9,10,11,12,,\n");
    DbaseFiles[0] = "dbase1.txt";
    ASSERT_TRUE(LoadDatabase(0));
    EXPECT_EQ(DrawCount(), 2);
    EXPECT_EQ(Draws[2][6], 12);
}

TEST_F(OpenLotteryTest, SortDrawsOrdersTheMainNumbersOnly)
{
    const std::int16_t row[] = {0, 12, 5, 33, 1, 40, 7, 0, 19};
    std::copy(std::begin(row), std::end(row), Draws[1]);
    const std::int16_t gap[] = {0, 9, 0, 3, 8, 2, 1, 0, 4};
    std::copy(std::begin(gap), std::end(gap), Draws[2]);
    SortDraws(6);
    const std::int16_t sorted[] = {1, 5, 7, 12, 33, 40, 0, 19};
    for (int c = 1; c <= kExtraBallColumn; ++c)
        EXPECT_EQ(Draws[1][c], sorted[c - 1]);
    // A missing number sorts last, so the row still counts as a draw.
    const std::int16_t gapSorted[] = {1, 2, 3, 8, 9, 0, 0, 4};
    for (int c = 1; c <= kExtraBallColumn; ++c)
        EXPECT_EQ(Draws[2][c], gapSorted[c - 1]);
    EXPECT_EQ(DrawCount(), 2);
}

// A file with no line break is listed by the start of its text, cut where no
// real name reaches; a name in UTF-8 is cut between characters.
TEST_F(OpenLotteryTest, ListedNamesAreCutAtAHundredCharacters)
{
    writeFile("dbase1.txt", QString(64000, 'x'));
    writeLines("dbase2.txt", DatabaseLines(QString(150, QChar(0x00E9)), "6,49,0,0,1", {}));
    const QStringList names = FindDatabases();
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(names[0], QString(100, 'x'));
    EXPECT_EQ(names[1], QString(100, QChar(0x00E9)));
}
