// The member list of the open syndicate: adding, updating, deleting by place
// and sorting, in the shared table.

#include "support/TestSupport.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/SyndicateMembers.h"

namespace {

class SyndicateMembersTest : public ProgramFolderTest {
protected:
    static MemberFields Member(const QString& name, const QString& phone = QString(),
                               const QString& payBy = QStringLiteral("Cash"))
    {
        return {name, "1 High St", "", "", "", phone, "", payBy};
    }
    static void Add(const QString& name, const QString& phone = QString())
    {
        ASSERT_NE(AddMember(Member(name, phone)), AddMemberResult::NoName);
    }
};

} // namespace

TEST_F(SyndicateMembersTest, AddUpdatesAnExactNameAndAppendsAnyOther)
{
    Syndicate[0][NameField] = "Ann";
    Add("Bob");
    Add("Ann");
    Add("Cy");
    Syndicate[2][AmountPaidField] = "12.50";
    Syndicate[2][PaidUpToField] = "05-Mar-2005";
    int row = 0;
    // Blanks around the name are trimmed; the payment fields stay.
    EXPECT_EQ(AddMember({"  Ann ", " 9 Low Rd ", "", "", "", " 0113 ", " ann@example.org ", "Cheque "}, &row),
              AddMemberResult::Updated);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(Syndicate[2][AddressField], "9 Low Rd");
    EXPECT_EQ(Syndicate[2][PhoneField], "0113");
    EXPECT_EQ(Syndicate[2][EmailField], "ann@example.org");
    EXPECT_EQ(Syndicate[2][PayByField], "Cheque "); // the pay-by text is stored as chosen
    EXPECT_EQ(Syndicate[2][AmountPaidField], "12.50");
    EXPECT_EQ(Syndicate[2][PaidUpToField], "05-Mar-2005");
    EXPECT_EQ(Syndicate[0][AddressField], ""); // the manager's row is never a member

    // Case counts: "ann" is somebody else.
    EXPECT_EQ(AddMember(Member("ann"), &row), AddMemberResult::Added);
    EXPECT_EQ(row, 4);
    EXPECT_EQ(MemberNames(), QStringList({"Bob", "Ann", "Cy", "ann"}));
    EXPECT_EQ(AddMember(Member("   ")), AddMemberResult::NoName);
    EXPECT_EQ(MemberCount(), 4);
}

TEST_F(SyndicateMembersTest, QuotesAndLineBreaksCannotShiftTheFileFields)
{
    int row = 0;
    AddMember({"Ann \"Nan\" Lee", "Flat 2\r\nHigh St", "a\nb", "", "", "", "", "Cash"}, &row);
    EXPECT_EQ(Syndicate[row][NameField], "Ann 'Nan' Lee");
    EXPECT_EQ(Syndicate[row][AddressField], "Flat 2  High St"); // each line break character a blank
    EXPECT_EQ(Syndicate[row][AddressField + 1], "a b");
    // The same name typed with a double quote updates that member.
    EXPECT_EQ(AddMember(Member("Ann \"Nan\" Lee", "0113")), AddMemberResult::Updated);
    EXPECT_EQ(MemberCount(), 1);
}

TEST_F(SyndicateMembersTest, DeleteRemovesThePlaceNotTheName)
{
    // Two members share a name: deleting the second leaves the first.
    Add("Dee", "first");
    Add("Eve", "");
    for (int r = 1; r <= 2; ++r)
        Syndicate[r][AmountPaidField] = QString::number(r);
    // A second "Dee" cannot be added by name (it would update), so it comes
    // from a file.
    Syndicate[3][NameField] = "Dee";
    Syndicate[3][PhoneField] = "second";
    Syndicate[3][SyndicateNameField] = "x";
    Syndicate[4][NameField] = "Fay";
    Syndicate[0][NameField] = "Fay"; // the manager shares a member's name

    ASSERT_TRUE(DeleteMemberAt(2)); // the second Dee
    EXPECT_EQ(MemberNames(), QStringList({"Dee", "Eve", "Fay"}));
    EXPECT_EQ(Syndicate[1][PhoneField], "first");
    EXPECT_EQ(Syndicate[3][NameField], "Fay");
    EXPECT_EQ(Syndicate[3][SyndicateNameField], ""); // every field moved up
    for (int f = 0; f < kSyndicateFields; ++f)
        EXPECT_EQ(Syndicate[4][SyndicateFieldIndex(f)], "") << f;

    ASSERT_TRUE(DeleteMemberAt(2)); // Fay the member; the manager stays
    EXPECT_EQ(Syndicate[0][NameField], "Fay");
    EXPECT_EQ(MemberNames(), QStringList({"Dee", "Eve"}));
    EXPECT_FALSE(DeleteMemberAt(2));
    EXPECT_FALSE(DeleteMemberAt(-1));
    ASSERT_TRUE(DeleteMemberAt(0));
    ASSERT_TRUE(DeleteMemberAt(0));
    EXPECT_EQ(MemberCount(), 0);
}

TEST_F(SyndicateMembersTest, AHundredMembersFillTheListAndAnotherIsRefused)
{
    for (int i = 1; i <= 100; ++i)
        Add(QStringLiteral("Member %1").arg(i, 3, 10, QLatin1Char('0')));
    EXPECT_EQ(MemberCount(), 100);
    Syndicate[101][NameField] = "never a member";
    int row = -1;
    EXPECT_EQ(AddMember(Member("One too many"), &row), AddMemberResult::Full);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(Syndicate[101][NameField], "never a member");
    // An existing member is still updated.
    EXPECT_EQ(AddMember(Member("Member 100", "0113"), &row), AddMemberResult::Updated);
    EXPECT_EQ(row, 100);

    ASSERT_TRUE(DeleteMemberAt(0));
    EXPECT_EQ(MemberCount(), 99);
    EXPECT_EQ(Syndicate[99][NameField], "Member 100");
    EXPECT_EQ(Syndicate[100][NameField], "");
    EXPECT_EQ(Syndicate[101][NameField], "never a member"); // row 101 never moves up
    EXPECT_EQ(AddMember(Member("Now there is room"), &row), AddMemberResult::Added);
    EXPECT_EQ(row, 100);
}

TEST_F(SyndicateMembersTest, SortOrdersNamesByCharacterCode)
{
    Add("Solo");
    EXPECT_FALSE(SortMembers()); // one member: nothing to sort
    ASSERT_TRUE(DeleteMemberAt(0));

    for (const char* name : {"bob", "alan", "Alan", "Zoe", "Zoe Ann", "Émile", "42 Club", "al"})
        Add(name, QStringLiteral("phone of %1").arg(name));
    Syndicate[1][AmountPaidField] = "5"; // bob's payment goes with him
    ASSERT_TRUE(SortMembers());
    EXPECT_EQ(MemberNames(),
              QStringList({"42 Club", "Alan", "Zoe", "Zoe Ann", "al", "alan", "bob", QString::fromUtf8("Émile")}));
    for (int r = 1; r <= MemberCount(); ++r)
        EXPECT_EQ(Syndicate[r][PhoneField], "phone of " + Syndicate[r][NameField]);
    EXPECT_EQ(Syndicate[7][AmountPaidField], "5");
}
