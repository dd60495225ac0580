// Loading the open syndicate from its members file.

#include "core/Settings.h"
#include "support/TestSupport.h"
#include "syndicates/SyndicateFile.h"

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

} // namespace

TEST_F(SyndicateFileTest, LoadsEveryFieldOfTheFile)
{
    QStringList lines;
    lines << row({"  Ann Lee ", "1 High St, Leeds", "", "", "", "0113 555", "ann@example.org", "Cash", "2.50",
                  "05-Mar-2005", "Office, 2nd floor"});
    lines << row({"Bob", "", "", "", "", "", "", "Cheque", "10", "", ""});
    for (int r = 2; r <= 100; ++r)
        lines << row({});
    lines.back() = row({"Last", "", "", "", "", "", "", "", "", "", ""});
    writeLines("SMembers.003", lines);
    Syndicate[101][0] = "kept";
    Syndicate[2][4] = "stale";
    Settings.set(SyndicateFile, "SMembers.003");

    LoadSyndicate();
    EXPECT_EQ(Syndicate[0][0], "  Ann Lee ");
    EXPECT_EQ(Syndicate[0][1], "1 High St, Leeds");
    EXPECT_EQ(Syndicate[0][9], "05-Mar-2005");
    EXPECT_EQ(Syndicate[0][10], "Office, 2nd floor");
    EXPECT_EQ(Syndicate[1][7], "Cheque");
    EXPECT_EQ(Syndicate[2][4], "");
    EXPECT_EQ(Syndicate[100][0], "Last");
    EXPECT_EQ(Syndicate[101][0], "kept");
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.003");
}

TEST_F(SyndicateFileTest, MissingFileClosesTheSyndicate)
{
    Syndicate[0][10] = "Old";
    Settings.set(SyndicateFile, "SMembers.009");
    LoadSyndicate();
    EXPECT_EQ(Settings[SyndicateFile], "");
    EXPECT_EQ(Syndicate[0][10], "");

    Syndicate[0][0] = "Old";
    LoadSyndicate(); // no syndicate named: the table is emptied
    EXPECT_EQ(Syndicate[0][0], "");
}

TEST_F(SyndicateFileTest, ShortFileLoadsWhatItHas)
{
    writeFile("SMembers.000", "\"Ann\",\"x\"\r\n\"Bob\"");
    Settings.set(SyndicateFile, "SMembers.000");
    LoadSyndicate();
    EXPECT_EQ(Syndicate[0][0], "Ann");
    EXPECT_EQ(Syndicate[0][1], "x");
    EXPECT_EQ(Syndicate[0][2], "Bob"); // items are read as one stream
    EXPECT_EQ(Syndicate[0][10], "");
    EXPECT_EQ(Settings[SyndicateFile], "SMembers.000");
}
