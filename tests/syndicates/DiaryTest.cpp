// The diary file, and what every syndicate window shares.

#include "support/TestSupport.h"
#include "syndicates/Diary.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QLineEdit>
#include <QTest>

namespace {
class DiaryTest : public ProgramFolderTest {};
} // namespace

TEST_F(DiaryTest, RecordsRoundTripAndEmptyRowsAreDropped)
{
    std::vector<DiaryRecord> records = {
        {"05-Mar-2005", "10", "£10.00", "£1,500.00", "£1,490.00", "Won, at last"},
        {"", "", "", "", "", "  "}, // an empty row between records
        {"12-Mar-2005", "", "£-", "", "", "Say \"hi\"\r\nto all"},
    };
    ASSERT_TRUE(WriteDiary("Diary.000", records));
    EXPECT_EQ(readBytes("Diary.000"),
              QString("\"05-Mar-2005\",\"10\",\"£10.00\",\"£1,500.00\",\"£1,490.00\",\"Won, at last\"\r\n"
                      "\"12-Mar-2005\",\"\",\"£-\",\"\",\"\",\"Say 'hi'  to all\"\r\n")
                  .toUtf8());
    const auto read = ReadDiary("Diary.000");
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[0], records[0]);
    EXPECT_EQ((*read)[1][5], "Say 'hi'  to all");

    ASSERT_TRUE(WriteDiary("Diary.000", {}));
    EXPECT_EQ(readBytes("Diary.000"), QByteArray());
    EXPECT_TRUE(ReadDiary("Diary.000")->empty());
    EXPECT_TRUE(ReadDiary("Diary.001")->empty()); // missing: no records

    writeFile("Diary.002", "\"01-Jan-2020\",\"1\",\"£1.00\"");
    const auto cut = ReadDiary("Diary.002");
    ASSERT_EQ(cut->size(), 1u);
    EXPECT_EQ((*cut)[0][2], "£1.00");
    EXPECT_EQ((*cut)[0][5], "");
}

TEST_F(DiaryTest, TheFirstLineThatHoldsNoRecordIsNamed)
{
    const QString first = "\"05-Mar-2005\",\"10\",\"£10.00\",\"\",\"\",\"Note";
    const QString second = "\"12-Mar-2005\",\"\",\"\",\"\",\"\",\"x\"";
    struct Case {
        const char* what;
        QString text;
        int badLine;
        std::size_t records;
    };
    const Case cases[] = {
        {"a last field without its closing quote", first + "\r\n" + second + "\r\n", 1, 2},
        {"an empty line at the end", second + "\r\n\r\n", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("Diary.000", c.text);
        int badLine = -1;
        const auto records = ReadDiary("Diary.000", &badLine);
        ASSERT_TRUE(records);
        EXPECT_EQ(badLine, c.badLine);
        ASSERT_EQ(records->size(), c.records);
        EXPECT_EQ(records->back()[DiaryDate], "12-Mar-2005"); // nothing shifted, no empty record
    }
}

TEST_F(DiaryTest, CloseWarnsOnlyWithChanges)
{
    EXPECT_TRUE(MayCloseWindow(false));
    EXPECT_TRUE(boxes().empty());
    answer(vbCancel);
    EXPECT_FALSE(MayCloseWindow(true));
    answer(vbOK);
    EXPECT_TRUE(MayCloseWindow(true));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxAt(0).text,
              "If you have made changes you should    \r\n"
              "click Save to save them. If you        \r\n"
              "continue, any changes will be lost.    ");
    EXPECT_EQ(boxAt(0).title, "Warning!");
    EXPECT_EQ(boxAt(0).style, vbOKCancel + vbExclamation);
}

TEST_F(DiaryTest, FieldBoxesNeverHoldQuotesOrLineBreaks)
{
    QWidget parent;
    QLineEdit* box = NamedFieldBox(&parent, "Text1", 30);
    QTest::keyClicks(box, "Ann \"Nan\"");
    EXPECT_EQ(box->text(), "Ann 'Nan'");
    box->clear();
    box->insert("1 High St\nLeeds \"x\""); // pasted
    EXPECT_EQ(box->text(), "1 High St Leeds 'x'");
    box->setText(QString(40, 'a'));
    EXPECT_EQ(box->text().size(), 30);
}
