// The saved entries file and the draw date the save dialog proposes.
#include "databases/ui/SaveEntries.h"
#include "databases/SavedEntries.h"
#include "databases/EntryEdit.h"
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "platform/Dates.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include "platform/ui/DatePicker.h"
#include <QLineEdit>

namespace {

SavedEntry Entry(const QString& date, const QStringList& numbers, const QString& lottery, const QString& name,
                 const QString& file)
{
    SavedEntry e;
    e.date = date;
    for (int i = 0; i < numbers.size() && i < kSavedEntryNumbers; ++i)
        e.numbers[i] = numbers[i];
    e.lottery = lottery;
    e.name = name;
    e.dbaseFile = file;
    return e;
}

using SavedEntriesFile = ProgramFolderTest;

} // namespace

TEST_F(SavedEntriesFile, LineLayoutAndRoundTrip)
{
    const SavedEntry e = Entry("05 Mar 05", {"3", "11", "19", "27", "38", "45"}, "UK Lotto", "", "dbase100.txt");
    EXPECT_EQ(FormatSavedEntry(e), "05 Mar 05,3,11,19,27,38,45,,,UK Lotto,,dbase100.txt");
    // Five numbers without extra ball: four commas after the fifth number.
    EXPECT_EQ(FormatSavedEntry(Entry("05-Mar-2005", {"1", "2", "3", "4", "5"}, "Pick 5", "Bob", "dbase101.txt")),
              "05-Mar-2005,1,2,3,4,5,,,,Pick 5,Bob,dbase101.txt");

    const SavedEntry back = ParseSavedEntry("05 Mar 05,3,11,19,27,38,45,,7,UK Lotto,  Bob,dbase100.txt");
    EXPECT_TRUE(back.readable);
    EXPECT_EQ(back.number(1), 3);
    EXPECT_EQ(back.number(7), 0);
    EXPECT_EQ(back.number(8), 7);
    // Leading blanks of the name are read away; the line is written back as
    // it was read.
    EXPECT_EQ(back.name, "Bob");
    EXPECT_EQ(FormatSavedEntry(back), "05 Mar 05,3,11,19,27,38,45,,7,UK Lotto,  Bob,dbase100.txt");
    EXPECT_EQ(back.drawDate(), QDate(2005, 3, 5));
}

TEST_F(SavedEntriesFile, CommasAndQuotesInNamesKeepTwelveFields)
{
    // A name in double quotes may hold commas: the line is an entry like any
    // other, and it is written back as it was read.
    const QString quoted = "05 Mar 05,3,11,19,27,38,45,,,UK Lotto,\"Smith, Ann\",dbase100.txt";
    const SavedEntry read = ParseSavedEntry(quoted);
    EXPECT_TRUE(read.readable);
    EXPECT_EQ(read.name, "Smith, Ann");
    EXPECT_EQ(read.dbaseFile, "dbase100.txt");
    EXPECT_EQ(FormatSavedEntry(read), quoted);

    // Commas are kept in quotes, and so are double quotes where they read
    // back; one that would end the field early becomes a single one.
    const QString line = FormatSavedEntry(Entry("05-Mar-2005", {"1"}, "Lotto, UK", "\"Smith, Bob\"", "A\", B"));
    EXPECT_EQ(line, "05-Mar-2005,1,,,,,,,,\"Lotto, UK\",\"\"Smith, Bob\"\",\"A', B\"");
    const SavedEntry back = ParseSavedEntry(line);
    EXPECT_TRUE(back.readable);
    EXPECT_EQ(back.lottery, "Lotto, UK");
    EXPECT_EQ(back.name, "\"Smith, Bob\"");

    // A comma outside quotes makes a thirteenth field: no entry.
    EXPECT_FALSE(ParseSavedEntry("05 Mar 05,3,11,19,27,38,45,,,UK Lotto,Smith, Ann,dbase100.txt").readable);
}

TEST_F(SavedEntriesFile, AnEditedLineReadsBackAsItsTwelveFields)
{
    const struct {
        QString line;
        int column;
        QString typed;
    } cases[] = {
        // A field damaged by hand ("" and then x) beside an edited one.
        {"09-Mar-2005,1,2,3,4,5,\"\"x,7,,UK Lotto,Ann,dbase1.txt", 7, "8,"},
        {"09-Mar-2005,1,2,3,4,\"5\"x,6,7,,UK Lotto,Ann,dbase1.txt", 6, "9,"},
    };
    for (const auto& c : cases) {
        const QList<SavedEntry> rows{ParseSavedEntry(c.line)};
        ASSERT_TRUE(rows[0].readable) << c.line.toStdString();
        const EntryEdit edit = CheckEntryEdit(rows, 1, c.column, c.typed, std::nullopt);
        ASSERT_FALSE(edit.error) << c.typed.toStdString();
        SavedEntry edited = rows[0];
        SetEntryField(edited, c.column, edit.text);
        const SavedEntry back = ParseSavedEntry(FormatSavedEntry(edited));
        EXPECT_TRUE(back.readable) << FormatSavedEntry(edited).toStdString();
        for (int f = 0; f < kSavedEntryFields; ++f)
            EXPECT_EQ(EntryField(back, f).toStdString(), EntryField(edited, f).toStdString())
                << FormatSavedEntry(edited).toStdString();
    }
    // A text no field can hold as typed is refused.
    const QList<SavedEntry> rows{ParseSavedEntry("09-Mar-2005,1,2,3,4,5,6,7,,UK Lotto,Ann,dbase1.txt")};
    EXPECT_EQ(CheckEntryEdit(rows, 1, 7, "8\",\"", std::nullopt).error, EntryEditError::Unwritable);
}

TEST_F(SavedEntriesFile, AppendCreatesThenAddsAndMalformedLinesStayPut)
{
    EXPECT_FALSE(SavedEntriesExist());
    ASSERT_TRUE(ReadSavedEntries().has_value());
    EXPECT_TRUE(ReadSavedEntries()->isEmpty());

    ASSERT_TRUE(AppendSavedEntries({Entry("05-Mar-2005", {"1", "2"}, "L", "", "dbase100.txt")}));
    writeFile(kSavedEntriesFile,
              readFile(kSavedEntriesFile) + "broken,line\r\n05 Mar 05,1,2,3,4,5,6,7,8,L,A,B,extra\r\n");
    ASSERT_TRUE(AppendSavedEntries({Entry("06-Mar-2005", {"3", "4"}, "L", "Ann", "dbase100.txt")}));

    const auto entries = ReadSavedEntries();
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 4);
    EXPECT_TRUE((*entries)[0].readable);
    EXPECT_FALSE((*entries)[1].readable);
    EXPECT_FALSE((*entries)[2].readable);
    EXPECT_EQ((*entries)[3].name, "Ann"); // the bad lines shifted nothing
}

TEST(NextDrawDate, EveryWeekdayOfEachGroup)
{
    const QDate sunday(2026, 12, 6);
    auto days = [&](const QString& name, int offset) -> int {
        const QDate today = sunday.addDays(offset);
        const auto next = NextDrawDate(name, today);
        return next ? int(today.daysTo(*next)) : -1;
    };
    const int uk[] = {3, 2, 1, -1, 2, 1, 0};
    const int daily[] = {1, -1, -1, -1, -1, -1, -1};
    const int mega[] = {2, 1, -1, 2, 1, -1, 3};
    for (int d = 0; d < 7; ++d) {
        for (const char* name : {"UK Thunderball", "uk lotto", "UK LOTTO EXTRA", "UK Lotto Hot Picks", "US Powerball"})
            EXPECT_EQ(days(name, d), uk[d]) << name << " day " << d;
        EXPECT_EQ(days("  uk daily play ", d), daily[d]) << d;
        EXPECT_EQ(days("US Mega Millions", d), mega[d]) << d;
        EXPECT_EQ(days("Irish Lotto", d), -1) << d;
    }
}

TEST_F(SavedEntriesFile, DialogProposesTheChosenOrNextDrawDate)
{
    SetClockForTests(QDateTime(QDate(2026, 12, 7), QTime(12, 0))); // a Monday
    Settings.set(PlayerName, "Bob");
    Settings.set(DrawDate, MediumDate(QDate(2026, 12, 12))); // next Saturday
    LotteryName = "UK Lotto";
    {
        LoadedWindow<SaveEntries> dialog;
        EXPECT_EQ(dialog.Text2->text(), "Bob");
        EXPECT_EQ(dialog.DTPicker1->date(), QDate(2026, 12, 9)); // Wednesday this week
    }
    LotteryName = "Irish Lotto";
    {
        LoadedWindow<SaveEntries> dialog;
        EXPECT_EQ(dialog.DTPicker1->date(), QDate(2026, 12, 12)); // the later chosen date stands
    }
    Settings.set(DrawDate, MediumDate(QDate(2026, 12, 1)));
    {
        LoadedWindow<SaveEntries> dialog;
        EXPECT_EQ(dialog.DTPicker1->date(), QDate(2026, 12, 7)); // a past choice gives today
        EXPECT_EQ(dialog.DTPicker1->displayFormat(), "ddd d MMM yyyy");
    }
}
