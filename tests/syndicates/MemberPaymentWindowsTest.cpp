// The members and payments windows, driven as the player drives them.

#include "core/Settings.h"
#include "generators/Tips.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"
#include "platform/ui/Colours.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/SyndicateMembers.h"
#include "syndicates/SyndicatePayments.h"
#include "syndicates/ui/SMembers.h"
#include "syndicates/ui/SManager.h"
#include "syndicates/ui/SPayments.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

class MemberPaymentWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetClockForTests(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
        Syndicate[0][NameField] = "Ann Manager";
        Syndicate[0][SyndicateNameField] = "Office Lotto";
        Settings.set(SyndicateFile, "SMembers.000");
        ASSERT_TRUE(SaveSyndicate());
    }

    static void Type(SMembers& w, const QString& name, const QString& phone = QString())
    {
        w.Text1[0]->setText(name);
        w.Text1[5]->setText(phone);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
    }
    static QStringList Listed(const SMembers& w)
    {
        QStringList names;
        for (int i = 0; i < w.List1->count(); ++i)
            names << w.List1->item(i)->text();
        return names;
    }
    static void Choose(SPayments& w, int gridRow)
    {
        w.MSFlexGrid1->setRow(gridRow);
        w.MSFlexGrid1_Click();
    }
    static QColor Colour(const SPayments& w, int gridRow) { return w.MSFlexGrid1->cellForeColor(gridRow, 3); }
};

} // namespace

TEST_F(MemberPaymentWindows, MembersAreAddedUpdatedAndListedInRowOrder)
{
    Syndicate[1][NameField] = "Zed";
    Syndicate[1][AmountPaidField] = "5.00";
    LoadedWindow<SMembers> w;
    EXPECT_EQ(w.windowTitle(), "Syndicate Members");
    EXPECT_EQ(w.Label3->text(), "Office Lotto");
    EXPECT_EQ(w.Label4->text(), "Ann Manager");
    EXPECT_EQ(w.Combo1->currentText(), "Cash");
    EXPECT_EQ(Listed(w), QStringList({"Zed"}));
    EXPECT_FALSE(w.Changed);

    w.Combo1->setCurrentIndex(2);
    QTest::keyClicks(w.Text1[0], "Bo \"Bob\" Lee");
    EXPECT_EQ(w.Text1[0]->text(), "Bo 'Bob' Lee"); // a double quote never reaches the file
    w.Text1[1]->setText(" 1 High St, Leeds ");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_TRUE(w.Changed);
    EXPECT_EQ(Listed(w), QStringList({"Zed", "Bo 'Bob' Lee"}));
    EXPECT_EQ(Syndicate[2][AddressField], "1 High St, Leeds");
    EXPECT_EQ(Syndicate[2][PayByField], "Credit/debit card");
    EXPECT_EQ(w.Text1[0]->text(), "");
    EXPECT_EQ(w.Combo1->currentText(), "Credit/debit card"); // the choice stays for the next member

    // Choosing a member shows its fields; Add with the same name updates it.
    w.List1->setCurrentRow(0);
    EXPECT_EQ(w.Text1[0]->text(), "Zed");
    w.Text1[5]->setText("0113 555");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(Syndicate[1][PhoneField], "0113 555");
    EXPECT_EQ(Syndicate[1][AmountPaidField], "5.00");
    EXPECT_EQ(w.List1->count(), 2);

    Type(w, "   "); // a blank name does nothing
    EXPECT_EQ(w.List1->count(), 2);
}

TEST_F(MemberPaymentWindows, UpdatingAMemberWhoseNameTheBoxShowsOtherwiseKeepsOneMember)
{
    // Names as a file written by hand may hold them.
    const struct {
        QStringList names;
        int chosen;
    } cases[] = {
        {{"Ann \"Annie\" Able"}, 0},
        {{" Ann "}, 0},
        {{"Bob", "Ann\t"}, 1},
        {{"Ann", " Ann"}, 1}, // the member chosen, not another whose name is the same trimmed
    };
    for (const auto& c : cases) {
        ClearSyndicate();
        for (int i = 0; i < c.names.size(); ++i)
            Syndicate[i + 1][NameField] = c.names[i];
        LoadedWindow<SMembers> w;
        w.List1->setCurrentRow(c.chosen);
        w.Text1[5]->setText("0113");
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        EXPECT_EQ(MemberNames(), c.names) << c.names.join('|').toStdString();
        for (int i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(Syndicate[i + 1][PhoneField], i == c.chosen ? "0113" : "") << c.names[i].toStdString();
    }
}

TEST_F(MemberPaymentWindows, UpdatingAMemberWritesTheFieldsNotEditedBackAsRead)
{
    // Longer than the boxes take, or holding a double quote: a file written by hand.
    const QString read[7] = {"Annabel \"Nan\" Featherstonehaugh-Lee",
                             "Flat 12, The Old Mill House, 1234 Long Street",
                             "",
                             "Leeds",
                             "",
                             "0113 \"work\"",
                             QString(60, 'a') + "@example.org"};
    for (int f = 0; f < 7; ++f)
        Syndicate[1][SyndicateFieldIndex(f)] = read[f];
    Syndicate[1][PayByField] = "Standing \"order\""; // none of the four methods
    LoadedWindow<SMembers> w;
    w.List1->setCurrentRow(0);
    w.Text1[2]->setText("Headingley");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(MemberCount(), 1);
    for (int f = 0; f < 7; ++f)
        EXPECT_EQ(Syndicate[1][SyndicateFieldIndex(f)], f == 2 ? "Headingley" : read[f]) << f;
    EXPECT_EQ(Syndicate[1][PayByField], "Standing \"order\"");

    // A method chosen is written, even the one the box already showed.
    w.List1->setCurrentRow(0);
    emit w.Combo1->activated(w.Combo1->currentIndex());
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(Syndicate[1][PayByField], "Cash");
}

TEST_F(MemberPaymentWindows, DeleteRemovesTheChosenPlaceEvenWhenNamesRepeat)
{
    Syndicate[1][NameField] = "Dee";
    Syndicate[1][PhoneField] = "first";
    Syndicate[2][NameField] = "Eve";
    Syndicate[3][NameField] = "Dee";
    Syndicate[3][PhoneField] = "second";
    LoadedWindow<SMembers> w;
    w.show();
    answer(vbOK);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).text, "Select a member first!    ");
    EXPECT_EQ(boxAt(0).title, "Help");
    EXPECT_EQ(boxAt(0).style, vbExclamation);
    EXPECT_FALSE(w.Changed);

    w.List1->setCurrentRow(2); // the second Dee
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(Listed(w), QStringList({"Dee", "Eve"}));
    EXPECT_EQ(Syndicate[1][PhoneField], "first");
    EXPECT_EQ(w.Text1[5]->text(), ""); // cleared
    EXPECT_EQ(w.List1->currentRow(), -1);
    EXPECT_TRUE(w.Changed);
}

TEST_F(MemberPaymentWindows, AHundredMembersAreTheMostAndSortIsByCharacterCode)
{
    for (int r = 1; r <= 100; ++r)
        Syndicate[r][NameField] = QStringLiteral("m%1").arg(101 - r, 3, 10, QLatin1Char('0'));
    LoadedWindow<SMembers> w;
    ASSERT_EQ(w.List1->count(), 100);
    answer(vbOK);
    Type(w, "Newcomer");
    EXPECT_EQ(lastBoxText(),
              "The syndicate already has 100 members, as many as it can hold.\r\n"
              "Delete a member before you add another.    ");
    EXPECT_EQ(lastBox().title, "Sorry!");
    EXPECT_EQ(w.List1->count(), 100);
    EXPECT_EQ(w.Text1[0]->text(), "Newcomer"); // what was typed stays
    EXPECT_FALSE(w.Changed);

    QTest::mouseClick(w.Command7, Qt::LeftButton);
    EXPECT_TRUE(w.Changed);
    EXPECT_EQ(w.List1->item(0)->text(), "m001"); // the order itself: SyndicateMembersTest

    for (int r = 2; r <= 100; ++r)
        Syndicate[r][NameField].clear();
    LoadedWindow<SMembers> one;
    QTest::mouseClick(one.Command7, Qt::LeftButton); // one member: nothing sorts, nothing changes
    EXPECT_FALSE(one.Changed);
}

TEST_F(MemberPaymentWindows, MembersSaveWritesTheFileAndCloseWarnsUntilThen)
{
    LoadedWindow<SMembers> w;
    w.show();
    Type(w, "Bob");
    answer(vbCancel);
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Warning!"); // its text: DiaryTest
    EXPECT_TRUE(w.isVisible());

    answer(vbOK);
    QTest::mouseClick(w.Command4, Qt::LeftButton);
    EXPECT_EQ(lastBoxText(), "  Syndicate member list saved...  ");
    EXPECT_EQ(lastBox().title, "Vantrel");
    EXPECT_EQ(lastBox().style, vbInformation);
    EXPECT_FALSE(w.Changed);
    const auto lines = ReadLines(path("SMembers.000"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 101);
    EXPECT_EQ(lines->at(1), R"("Bob","","","","","","","Cash","","","")");
    QTest::mouseClick(w.Command3, Qt::LeftButton); // saved: no warning
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MemberPaymentWindows, AChangeDiscardedOnCloseIsNeverSavedLater)
{
    Syndicate[1][NameField] = "Bob";
    Syndicate[2][NameField] = "Cy";
    ASSERT_TRUE(SaveSyndicate());
    const QByteArray before = readBytes("SMembers.000");
    // Each window's change left in the table, and its Close button.
    const struct {
        const char* what;
        std::function<std::unique_ptr<QDialog>()> change;
        const char* closeButton;
    } cases[] = {
        {"members: a member deleted",
         [] {
             auto w = std::make_unique<LoadedWindow<SMembers>>();
             w->List1->setCurrentRow(0);
             w->Command2_Click();
             return std::unique_ptr<QDialog>(std::move(w));
         },
         "Command3"},
        {"payments: a payment entered",
         [] {
             auto w = std::make_unique<LoadedWindow<SPayments>>();
             Choose(*w, 2);
             w->Text1->setText("99.00");
             w->Command10_Click();
             return std::unique_ptr<QDialog>(std::move(w));
         },
         "Command2"},
        {"manager: details whose save failed",
         [&] {
             auto w = std::make_unique<LoadedWindow<SManager>>();
             QTest::keyClicks(w->Text1[5], "0113");
             // A folder in the file's place: the save fails, the details are in the table.
             EXPECT_TRUE(QFile::remove(path("SMembers.000")));
             EXPECT_TRUE(QDir(dir_.path()).mkdir("SMembers.000"));
             answer(vbOK);
             w->Command1_Click();
             EXPECT_TRUE(QDir(dir_.path()).rmdir("SMembers.000"));
             writeFile("SMembers.000", QString::fromUtf8(before));
             return std::unique_ptr<QDialog>(std::move(w));
         },
         "Command3"},
    };
    for (const auto& c : cases) {
        for (bool titleBar : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (titleBar ? ", the title bar" : ", Close"));
            const auto w = c.change();
            w->show();
            if (titleBar) {
                answer(vbCancel);
                w->close(); // asks as Close does
                EXPECT_TRUE(w->isVisible());
            }
            answer(vbOK);
            if (titleBar)
                w->close();
            else
                w->findChild<QPushButton*>(c.closeButton)->click();
            EXPECT_FALSE(w->isVisible());
            EXPECT_EQ(lastBox().text, kUnsavedChangesText);
            // A later save in another window writes the file as it was.
            LoadedWindow<SPayments> later;
            answer(vbOK);
            later.Command1_Click();
            EXPECT_EQ(readBytes("SMembers.000"), before);
        }
    }
}

TEST_F(MemberPaymentWindows, ASaveThatFailsSaysSoAndKeepsTheChanges)
{
    const QByteArray before = readBytes("SMembers.000");
    LoadedWindow<SMembers> members;
    Type(members, "Bob");
    LoadedWindow<SPayments> payments;
    Choose(payments, 2);
    payments.Text1->setText("3");
    payments.Command10_Click();

    auto saveFails = [&] {
        answer(vbOK);
        members.Command4_Click();
        EXPECT_TRUE(lastBoxText().startsWith("The file SMembers.000 could not be written: "));
        EXPECT_EQ(lastBox().title, "Error!");
        EXPECT_TRUE(members.Changed);
        answer(vbOK);
        payments.Command1_Click();
        EXPECT_TRUE(lastBoxText().startsWith("The file SMembers.000 could not be written: "));
        EXPECT_TRUE(payments.Changed);
        EXPECT_EQ(Syndicate[1][NameField], "Bob");
        EXPECT_EQ(Syndicate[1][AmountPaidField], "3");
    };
    // A folder in the file's place: the new file cannot be put there.
    ASSERT_TRUE(QFile::remove(path("SMembers.000")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("SMembers.000"));
    saveFails();
    ASSERT_TRUE(QDir(dir_.path()).rmdir("SMembers.000"));

    if (::geteuid() == 0)
        return; // the superuser writes to a read-only folder
    writeFile("SMembers.000", QString::fromUtf8(before));
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    saveFails();
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readBytes("SMembers.000"), before);
}

TEST_F(MemberPaymentWindows, PaymentsShowEveryPersonWithOverdueDatesInDarkRed)
{
    Syndicate[0][AmountPaidField] = "";
    Syndicate[1][NameField] = "Yesterday";
    Syndicate[1][PayByField] = "Cheque";
    Syndicate[1][AmountPaidField] = "1500";
    Syndicate[1][PaidUpToField] = "08-Dec-2026";
    Syndicate[2][NameField] = "Today";
    Syndicate[2][AmountPaidField] = ".5";
    Syndicate[2][PaidUpToField] = "09 Dec 26";
    Syndicate[3][NameField] = "Next month";
    Syndicate[3][AmountPaidField] = "12.5";
    Syndicate[3][PaidUpToField] = "15-Jan-2027";
    Syndicate[4][NameField] = "Hand-edited";
    Syndicate[4][AmountPaidField] = "twelve";
    Syndicate[4][PaidUpToField] = "someday";
    LoadedWindow<SPayments> w;
    EXPECT_EQ(w.windowTitle(), "Syndicate Member Payments");
    FlexGrid* g = w.MSFlexGrid1;
    EXPECT_EQ(g->rowTexts(0).mid(0, 4), QStringList({"Name", "Pay by", "Amount paid", "Paid up to date"}));
    EXPECT_EQ(g->rowTexts(1).mid(0, 4), QStringList({"Ann Manager", "(Manager)", "£0.00", ""}));
    EXPECT_EQ(g->rowTexts(2).mid(0, 4), QStringList({"Yesterday", "Cheque", "£1,500.00", "08-Dec-2026"}));
    EXPECT_EQ(g->TextMatrix(3, 2), "£0.50");
    EXPECT_EQ(g->TextMatrix(3, 3), "09 Dec 26");
    EXPECT_EQ(g->TextMatrix(4, 2), "£12.50");
    EXPECT_EQ(g->TextMatrix(5, 2), "? twelve"); // not an amount: never shown as 0
    EXPECT_EQ(g->TextMatrix(6, 0), "");

    const QColor overdue = ToQColor(192);
    EXPECT_EQ(Colour(w, 1), overdue);     // no date
    EXPECT_EQ(Colour(w, 2), overdue);     // yesterday
    EXPECT_EQ(Colour(w, 3), ToQColor(0)); // today is not overdue
    EXPECT_EQ(Colour(w, 4), ToQColor(0));
    EXPECT_EQ(Colour(w, 5), overdue); // not a date

    // The manager's row is chosen at the start.
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(w.Text1->text(), "");
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2026, 12, 9));
    EXPECT_FALSE(w.Changed);

    Choose(w, 4);
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2027, 1, 15));
    EXPECT_EQ(w.Text1->text(), "12.50");
    Choose(w, 2);
    EXPECT_EQ(w.DTPicker1->Value(), QDate(2026, 12, 9)); // a past date offers today
    EXPECT_EQ(w.Combo1->currentText(), "Cheque");
    Choose(w, 5);
    EXPECT_FALSE(w.DTPicker1->Value().isValid()); // not a date: no date, never today
    EXPECT_EQ(w.Text1->text(), "twelve");

    // The unreadable amount is refused, never taken as 0.
    answer(vbOK);
    w.Command10_Click();
    EXPECT_EQ(lastBoxText(), TipText(6));
    EXPECT_EQ(Syndicate[4][AmountPaidField], "twelve");
    EXPECT_FALSE(w.Changed);
    // A new amount keeps the date that could not be read.
    w.Text1->setText("2");
    w.Command10_Click();
    EXPECT_EQ(Syndicate[4][AmountPaidField], "2");
    EXPECT_EQ(Syndicate[4][PaidUpToField], "someday");
    EXPECT_EQ(Colour(w, 5), overdue);
}

TEST_F(MemberPaymentWindows, EnterStoresTheMethodAmountAndDateOfTheChosenRow)
{
    Syndicate[1][NameField] = "Bob";
    LoadedWindow<SPayments> w;
    w.show();
    Choose(w, 2);
    w.Combo1->setCurrentText("Cheque");
    QTest::keyClicks(w.Text1, "12.5abc");
    EXPECT_EQ(w.Text1->text(), "12.5"); // letters are not taken
    w.DTPicker1->setValue(QDate(2027, 3, 3));
    QTest::mouseClick(w.Command10, Qt::LeftButton);
    EXPECT_EQ(Syndicate[1][PayByField], "Cheque");
    EXPECT_EQ(Syndicate[1][AmountPaidField], "12.5");
    EXPECT_EQ(Syndicate[1][PaidUpToField], "03-Mar-2027");
    EXPECT_EQ(w.MSFlexGrid1->rowTexts(2).mid(1, 3), QStringList({"Cheque", "£12.50", "03-Mar-2027"}));
    EXPECT_EQ(Colour(w, 2), ToQColor(0));
    EXPECT_TRUE(w.Changed);
    EXPECT_EQ(w.MSFlexGrid1->Row(), 2);

    // A date before today is overdue at once.
    w.DTPicker1->setValue(QDate(2026, 12, 1));
    w.Command10_Click();
    EXPECT_EQ(Colour(w, 2), ToQColor(192));

    for (const char* zero : {"0", "0.00", ""}) {
        w.Text1->setText(zero);
        answer(vbOK);
        w.Command10_Click();
        EXPECT_EQ(lastBoxText(), TipText(6)) << zero;
    }
    EXPECT_EQ(Syndicate[1][AmountPaidField], "12.5");

    // The manager's row takes the method in place of "(Manager)".
    Choose(w, 1);
    w.Combo1->setCurrentText("Internet transfer");
    w.Text1->setText(".5");
    w.Command10_Click();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 1), "Internet transfer");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 2), "£0.50");
    EXPECT_EQ(Syndicate[0][PayByField], "Internet transfer");

    // A row without a name takes nothing.
    Choose(w, 3);
    w.Text1->setText("4");
    w.Command10_Click();
    EXPECT_EQ(Syndicate[2][AmountPaidField], "");
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(3, 2), "");

    answer(vbCancel);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(lastBox().title, "Warning!");
    EXPECT_TRUE(w.isVisible());
    answer(vbOK);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(lastBoxText(), "  Member payments have been saved...  ");
    EXPECT_FALSE(w.Changed);
    EXPECT_TRUE(
        readFile("SMembers.000")
            .startsWith(R"("Ann Manager","","","","","","","Internet transfer",".5","09-Dec-2026","Office Lotto")"));
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MemberPaymentWindows, EnterKeepsTheAmountAndMethodNotEditedAsRead)
{
    const QString byHand = "Standing \"order\""; // none of the four methods
    const struct {
        QString read;  // the amount field as read
        QString typed; // what the player types in its place; nothing: left as shown
        QString stored;
        QString readMethod;
        int chosen; // the method the player chooses; -1 none
        QString storedMethod;
    } cases[] = {
        {"12.5", "", "12.5", "Cheque", -1, "Cheque"},
        {"12345678901.5", "", "12345678901.5", byHand, -1, byHand}, // longer than the box takes
        {"12345678901.5", "7", "7", byHand, 1, "Cheque"},
        {"1", "", "1", byHand, 0, "Cash"}, // the method the box already showed, chosen
    };
    for (const auto& c : cases) {
        Syndicate[1][NameField] = "Bob";
        Syndicate[1][AmountPaidField] = c.read;
        Syndicate[1][PayByField] = c.readMethod;
        LoadedWindow<SPayments> w;
        Choose(w, 2);
        if (!c.typed.isEmpty())
            w.Text1->setText(c.typed);
        if (c.chosen >= 0) {
            w.Combo1->setCurrentIndex(c.chosen);
            emit w.Combo1->activated(c.chosen);
        }
        w.Command10_Click();
        EXPECT_EQ(Syndicate[1][AmountPaidField], c.stored) << c.read.toStdString();
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 2), FormatMoney(*StoredAmount(c.stored)));
        EXPECT_EQ(Syndicate[1][PayByField], c.storedMethod) << c.read.toStdString();
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 1), c.storedMethod);
    }
}

TEST_F(MemberPaymentWindows, AmountsAreTypedAndShownInTheLocalesForm)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Syndicate[1][NameField] = "Bob";
    Syndicate[1][AmountPaidField] = "1500.5"; // the file's form, whatever the locale
    {
        LoadedWindow<SPayments> w;
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 2), QString::fromUtf8("1.500,50\u00a0€"));
        Choose(w, 2);
        EXPECT_EQ(w.Text1->text(), "1500,50");
        w.Text1->setText("12,5");
        w.Command10_Click();
        EXPECT_EQ(Syndicate[1][AmountPaidField], "12.50");
        EXPECT_EQ(w.MSFlexGrid1->TextMatrix(2, 2), QString::fromUtf8("12,50\u00a0€"));
    }
    QLocale::setDefault(before);
}

TEST_F(MemberPaymentWindows, PrintButtonsPrintTheMembersAndThePaymentsAsShown)
{
    Syndicate[1][NameField] = "Bob";
    Syndicate[1][AmountPaidField] = "12.5";
    int offered = 0;
    SetModalHook([&](QDialog* d) {
        auto* options = d->findChild<QPushButton*>("Command6");
        if (QString(d->metaObject()->className()) != "PrintFrm" || !options)
            return Harness::UnexpectedWindow(d);
        ++offered;
        d->show();
        options->click();
        return d->result();
    });
    LoadedWindow<SPayments> payments;
    QTest::mouseClick(payments.Command6, Qt::LeftButton);
    ASSERT_TRUE(exists("printout.pdf"));
    EXPECT_TRUE(PdfLayoutText(path("printout.pdf")).contains(QRegularExpression("Bob +£12.50")));
    QFile::remove(path("printout.pdf"));

    LoadedWindow<SMembers> members;
    QTest::mouseClick(members.Command6, Qt::LeftButton);
    ASSERT_TRUE(exists("printout.pdf"));
    EXPECT_TRUE(PdfLayoutText(path("printout.pdf")).contains(QRegularExpression("Name: +Bob")));
    EXPECT_EQ(offered, 2);
}

TEST_F(MemberPaymentWindows, HostileDataKeepsTheWindowsOnA1280By800Screen)
{
    Syndicate[0][NameField] = QString(30, 'W');
    Syndicate[0][SyndicateNameField] = QString(30, 'M');
    for (int r = 1; r <= 100; ++r) {
        for (int f = 0; f <= 9; ++f)
            Syndicate[r][SyndicateFieldIndex(f)] = QString(f == 6 ? 50 : 30, 'W');
        Syndicate[r][PayByField] = QString(80, 'W'); // written by hand
        Syndicate[r][AmountPaidField] = r % 2 ? "999999999999.99" : QString(80, 'x');
        Syndicate[r][PaidUpToField] = QString(80, 'W');
    }
    Syndicate[101][NameField] = "never a member";
    LoadedWindow<SMembers> members;
    LoadedWindow<SPayments> payments;
    for (QDialog* w : {static_cast<QDialog*>(&members), static_cast<QDialog*>(&payments)}) {
        w->show();
        QApplication::processEvents();
        EXPECT_LE(w->frameGeometry().width(), 1280) << w->objectName().toStdString();
        EXPECT_LE(w->frameGeometry().height(), 760) << w->objectName().toStdString();
    }
    EXPECT_EQ(payments.MSFlexGrid1->TextMatrix(2, 2), QString::fromUtf8("£999,999,999,999.99"));
    // A hundred members and the manager: 101 people, row 101 never among them.
    EXPECT_EQ(members.List1->count(), 100);
    EXPECT_EQ(payments.MSFlexGrid1->Rows(), 102);
    EXPECT_EQ(payments.MSFlexGrid1->TextMatrix(101, 1), QString(80, 'W'));
}

// The grid opens showing its four columns whole, with no scroll bar across
// to the empty fifth one.
TEST_F(MemberPaymentWindows, PaymentsGridHasNoScrollBarAcross)
{
    Syndicate[1][NameField] = "Bob";
    LoadedWindow<SPayments> w;
    OpenAndLook(&w, [&w] {
        const QScrollBar* across = w.MSFlexGrid1->horizontalScrollBar();
        EXPECT_FALSE(across->isVisible());
        EXPECT_EQ(across->maximum(), 0);
    });
}
