// Loading the open syndicate from its members file.

#include "core/Settings.h"
#include "support/TestSupport.h"
#include "syndicates/SyndicateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <type_traits>
#include <unistd.h>

namespace {

class SyndicateFileTest : public ProgramFolderTest {
protected:
    static QString row(const QStringList& fields)
    {
        QStringList quoted;
        for (int f = 0; f < kSyndicateFields; ++f)
            quoted << '"' + fields.value(f) + '"';
        return quoted.join(',');
    }
};

// Whether a row's fields can be reached by a bare number.
template <class Row>
concept FieldByNumber = requires(Row& row)
{
    row[7];
};

} // namespace

TEST_F(SyndicateFileTest, FieldsAreReachedByNameOnly)
{
    EXPECT_FALSE(FieldByNumber<std::remove_reference_t<decltype(Syndicate[0])>>);
    EXPECT_FALSE(FieldByNumber<const std::remove_reference_t<decltype(Syndicate[0])>>);
}

TEST_F(SyndicateFileTest, LoadsEveryFieldAndSavesTheFileByteForByte)
{
    QStringList lines;
    lines << row({"  Ann O'Neill ", "1 High St, Leeds", "  Flat 2  ", "", "", "0113, ext 5", "ann@example.org", "Cash",
                  "12.5", "05-Mar-2005", "The Friday, Club"});
    lines << row({"Bob", "", "", "", "", "", "", "Credit/debit card", "", "", ""});
    for (int r = 2; r <= 100; ++r)
        lines << row({});
    lines.back() = row({"Last", "", "", "", "", "", "", "", "", "", ""});
    writeLines("SMembers.003", lines);
    const QByteArray before = readBytes("SMembers.003");
    Syndicate[101][NameField] = "kept";
    Syndicate[2][AddressField + 3] = "stale";
    Settings.set(SyndicateFile, "SMembers.003");

    LoadSyndicate();
    EXPECT_EQ(Syndicate[0][NameField], "  Ann O'Neill ");
    EXPECT_EQ(Syndicate[0][AddressField], "1 High St, Leeds");
    EXPECT_EQ(Syndicate[0][PaidUpToField], "05-Mar-2005");
    EXPECT_EQ(Syndicate[0][SyndicateNameField], "The Friday, Club");
    EXPECT_EQ(Syndicate[1][PayByField], "Credit/debit card");
    EXPECT_EQ(Syndicate[2][AddressField + 3], "");
    EXPECT_EQ(Syndicate[100][NameField], "Last");
    EXPECT_EQ(Syndicate[101][NameField], "kept");
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.003");

    QFile::remove(path("SMembers.003"));
    ASSERT_TRUE(SaveSyndicate());
    EXPECT_EQ(readBytes("SMembers.003"), before);

    // A manager alone is still 101 lines.
    ResetSyndicate();
    Syndicate[0][NameField] = "Solo";
    ASSERT_TRUE(SaveSyndicate());
    const QByteArray solo = readBytes("SMembers.003");
    EXPECT_EQ(solo.count("\r\n"), 101);
    EXPECT_TRUE(solo.endsWith(QByteArray(R"("","","","","","","","","","","")") + "\r\n"));
}

TEST_F(SyndicateFileTest, AMissingFileClosesTheSyndicateAndAShortOneLoadsWhatItHas)
{
    Syndicate[0][SyndicateNameField] = "Old";
    Settings.set(SyndicateFile, "SMembers.009");
    LoadSyndicate();
    EXPECT_EQ(Settings[SyndicateFile], "");
    EXPECT_EQ(Syndicate[0][SyndicateNameField], "");

    Syndicate[0][NameField] = "Old";
    LoadSyndicate(); // no syndicate named: the table is emptied
    EXPECT_EQ(Syndicate[0][NameField], "");

    writeFile("SMembers.000", "\"Ann\",\"x\"\r\n\"Bob\"");
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    EXPECT_EQ(Syndicate[0][NameField], "Ann");
    EXPECT_EQ(Syndicate[0][AddressField], "x");
    EXPECT_EQ(Syndicate[0][AddressField + 1], "Bob"); // items are read as one stream
    EXPECT_EQ(Syndicate[0][SyndicateNameField], "");
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.000");
}

TEST_F(SyndicateFileTest, DiscardingPutsBackTheFileAsLastReadOrWritten)
{
    writeLines("SMembers.000", {row({"Ann", "", "", "", "", "", "", "", "", "", "Club"})});
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    EXPECT_FALSE(SyndicateChanged());
    Syndicate[1][NameField] = "Bob";
    ASSERT_TRUE(SaveSyndicate());
    Syndicate[1][NameField] = "Cy";
    EXPECT_TRUE(SyndicateChanged());
    DiscardSyndicateChanges();
    EXPECT_EQ(Syndicate[1][NameField], "Bob"); // as written
    // A file replaced from outside and loaded again: that is what a discard puts back.
    writeLines("SMembers.000", {row({"Dee", "", "", "", "", "", "", "", "", "", "Restored"})});
    Syndicate[1][NameField] = "Cy";
    LoadSyndicate();
    Syndicate[0][NameField] = "Eve";
    DiscardSyndicateChanges();
    EXPECT_EQ(Syndicate[0][NameField], "Dee");
    EXPECT_EQ(Syndicate[1][NameField], "");
}

TEST_F(SyndicateFileTest, QuotesAndLineBreaksNeverShiftFields)
{
    Settings.set(SyndicateFile, "SMembers.001");
    Syndicate[0][NameField] = "Ann \"Nan\" Lee";
    Syndicate[0][AddressField] = "1 High St\r\nLeeds";
    Syndicate[0][AddressField + 1] = "\"Nan\", Lee";
    Syndicate[0][SyndicateNameField] = "Club";
    Syndicate[101][NameField] = "never written";
    ASSERT_TRUE(SaveSyndicate());
    EXPECT_FALSE(readFile("SMembers.001").contains("never written"));
    LoadSyndicate();
    EXPECT_EQ(Syndicate[0][NameField], "Ann \"Nan\" Lee"); // a quote before no comma reads back
    EXPECT_EQ(Syndicate[0][AddressField], "1 High St  Leeds");
    EXPECT_EQ(Syndicate[0][AddressField + 1], "'Nan', Lee");
    EXPECT_EQ(Syndicate[0][SyndicateNameField], "Club");
    EXPECT_EQ(Syndicate[101][NameField], "never written"); // row 101 lives in memory only
}

TEST_F(SyndicateFileTest, OnlyMembersFileNamesAreOpen)
{
    writeFile("vantrel.ini", "");
    for (const QString name : {"SMembers.1", "SMembers.0001", "smembers.001", "../SMembers.001", "SMembers.0a1"}) {
        writeFile(name == "../SMembers.001" ? "SMembers.001" : name, "\"Ann\"");
        Settings.set(SyndicateFile, name);
        Syndicate[0][NameField] = "x";
        EXPECT_TRUE(SaveSyndicate()) << name.toStdString(); // nothing written
        LoadSyndicate();
        EXPECT_EQ(Settings[SyndicateFile], "") << name.toStdString();
        EXPECT_EQ(Syndicate[0][NameField], "");
    }
    EXPECT_TRUE(IsMembersFileName("SMembers.099"));
    EXPECT_EQ(DiaryFileName("SMembers.042"), "Diary.042");
    EXPECT_EQ(DiaryFileName("SMembers.42"), "");
}

TEST_F(SyndicateFileTest, NumbersTakeTheLowestWithBothFilesFree)
{
    EXPECT_EQ(FreeSyndicateNumber(), 0);
    writeFile("SMembers.000", "");
    writeFile("SMembers.002", "");
    EXPECT_EQ(FreeSyndicateNumber(), 1);
    writeFile("Diary.001", ""); // a diary left behind keeps its number taken
    EXPECT_EQ(FreeSyndicateNumber(), 3);
    for (int n = 0; n < 100; ++n)
        writeFile(MembersFileName(n), "");
    EXPECT_EQ(FreeSyndicateNumber(), std::nullopt);
}

TEST_F(SyndicateFileTest, CreateOpenAndDelete)
{
    writeFile("vantrel.ini", "");
    writeLines("SMembers.000", {row({"Old manager", "", "", "", "", "", "", "", "", "", "Old club"})});
    writeLines("SMembers.002", {row({"Cy", "", "", "", "", "", "", "", "", "", ""})});
    writeFile("SMembers.100", "");
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    Syndicate[1][NameField] = "Unsaved member";

    SyndicateDetails details;
    details.field[0] = "  Dee  ";
    details.field[5] = "0113";
    details.name = " New club ";
    ASSERT_EQ(CreateSyndicate(details), CreateResult::Created);
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.001");
    EXPECT_TRUE(readFile("SMembers.000").contains("\"Unsaved member\"")); // the old one written first
    EXPECT_TRUE(readFile("SMembers.001").startsWith(R"("Dee","","","","","0113","","","","","New club")"));
    EXPECT_TRUE(readFile("vantrel.ini").contains("SMembers.001")); // the settings follow at once

    // Listed: 000 to 099 only, by file name; a file without a name under its own.
    const QList<SyndicateListing> list = ListSyndicates();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].name, "Old club");
    EXPECT_EQ(list[1].name, "New club");
    EXPECT_EQ(list[2].name, "SMembers.002");
    EXPECT_EQ(list[2].file, "SMembers.002");

    ASSERT_TRUE(ChooseSyndicate("SMembers.000"));
    EXPECT_FALSE(ChooseSyndicate("SMembers.1000"));
    LoadSyndicate();
    writeFile("Diary.000", "\"x\"");
    ASSERT_TRUE(DeleteSyndicateFiles("SMembers.002")); // not the open one: it stays open
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.000");
    EXPECT_EQ(Syndicate[0][SyndicateNameField], "Old club");
    ASSERT_TRUE(DeleteSyndicateFiles("SMembers.000"));
    EXPECT_FALSE(exists("SMembers.000"));
    EXPECT_FALSE(exists("Diary.000"));
    EXPECT_EQ(Settings[SyndicateFile], "");
    EXPECT_EQ(Syndicate[0][SyndicateNameField], "");
    EXPECT_FALSE(readFile("vantrel.ini").contains("SMembers.000"));
}

TEST_F(SyndicateFileTest, AFailedWriteChangesNothing)
{
    writeLines("SMembers.000", {row({"Ann", "", "", "", "", "", "", "", "", "", "Club"})});
    const QByteArray before = readBytes("SMembers.000");
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    Syndicate[0][NameField] = "Changed";
    if (::geteuid() != 0) { // the superuser writes to a read-only folder
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool saved = SaveSyndicate();
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(saved);
        EXPECT_EQ(readBytes("SMembers.000"), before);
        EXPECT_EQ(Syndicate[0][NameField], "Changed"); // still in memory
    }
    // A folder where the new file should go: not even the superuser writes it.
    QFile::remove(path("SMembers.000"));
    ASSERT_TRUE(QDir(dir_.path()).mkpath("SMembers.000/x"));
    EXPECT_FALSE(SaveSyndicate());
    EXPECT_EQ(Syndicate[0][NameField], "Changed");

    SyndicateDetails details;
    details.field[0] = "Dee";
    details.name = "New";
    EXPECT_EQ(CreateSyndicate(details), CreateResult::OpenNotSaved);
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.000");
    EXPECT_EQ(Syndicate[0][NameField], "Changed");
}

TEST_F(SyndicateFileTest, AFileThatCannotBeReadIsNamedOnceAndNeverWrittenOver)
{
    writeFile("vantrel.ini", "");
    QStringList whole;
    whole << row({"Ann", "", "", "", "", "", "", "", "", "", "Club"});
    for (int r = 1; r <= 100; ++r)
        whole << row({});
    const QString wholeText = whole.join("\r\n") + "\r\n";
    struct Case {
        const char* what;
        QString content; // a folder in the file's place when null
        int line;
        bool kept;
    };
    const Case cases[] = {
        {"unreadable", QString(), 0, true},
        {"garbage", "\x01\x02 binary, junk\r\nmore", 1, true},
        {"cut inside line 3", whole.mid(0, 2).join("\r\n") + "\r\n\"Bo", 3, true},
        {"cut after line 2", whole.mid(0, 2).join("\r\n") + "\r\n", 3, false},
        {"a line too many", wholeText + row({"Extra"}) + "\r\n", 102, true},
        {"a last field without its closing quote", QString(wholeText).replace("\"Club\"", "\"Club"), 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : QDir(dir_.path()).entryList({"SMembers.*"}, QDir::Files | QDir::Dirs))
            if (!QFile::remove(path(name)))
                QDir(path(name)).removeRecursively();
        if (c.content.isNull())
            ASSERT_TRUE(QDir(dir_.path()).mkpath("SMembers.000"));
        else
            writeFile("SMembers.000", c.content);
        const QByteArray before = c.content.isNull() ? QByteArray() : readBytes("SMembers.000");
        Settings.set(SyndicateFile, "SMembers.000");
        LoadSyndicate();
        const auto problem = TakeNewSyndicateProblem();
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->file, "SMembers.000");
        EXPECT_EQ(problem->line, c.line);
        EXPECT_EQ(problem->keepFile(), c.kept);
        EXPECT_EQ(Settings[SyndicateFile], "SMembers.000"); // opens again once mended
        LoadSyndicate();                                    // the same problem is said once
        EXPECT_FALSE(TakeNewSyndicateProblem().has_value());
        if (!c.kept)
            continue;

        EXPECT_FALSE(SaveSyndicate());
        // A create refused at the limit, or one that goes ahead, leaves it alone.
        for (int n = 1; n < kSyndicateNumbers; ++n)
            writeFile(MembersFileName(n), "");
        SyndicateDetails details;
        details.field[0] = "Dee";
        details.name = "New";
        EXPECT_EQ(CreateSyndicate(details), CreateResult::NoFreeNumber);
        QFile::remove(path(MembersFileName(42)));
        EXPECT_EQ(CreateSyndicate(details), CreateResult::Created);
        EXPECT_EQ(Settings[SyndicateFile], MembersFileName(42));
        if (c.content.isNull())
            EXPECT_TRUE(QFileInfo(path("SMembers.000")).isDir());
        else
            EXPECT_EQ(readBytes("SMembers.000"), before);
    }
}

// A syndicate's name, the last field of its file's first line, is cut at a
// hundred characters, after other fields of any real length.
TEST_F(SyndicateFileTest, ListedNameIsCutAtAHundredCharacters)
{
    QStringList fields;
    for (int f = 0; f < 10; ++f)
        fields << '"' + QString(90, 'a') + '"';
    fields << '"' + QString(64000, 'n');
    writeFile("SMembers.000", fields.join(','));
    const QList<SyndicateListing> list = ListSyndicates();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].name, QString(100, 'n'));
}
