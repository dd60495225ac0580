// The syndicate checklist and notes: the "SNotes.txt" file and its window.

#include "platform/TextFile.h"
#include "support/TestSupport.h"
#include "syndicates/SyndicateNotes.h"
#include "syndicates/ui/SNotes.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <unistd.h>

namespace {

const char* const kDesign[] = {
    "Update members list", "Collect member payments", "Analyse lottery draws", "Generate lottery entries",
    "Fill in payslips",    "Buy lottery tickets",     "Check lottery results", "Distribute winnings to members!"};

class SyndicateNotesTest : public ProgramFolderTest {};

} // namespace

TEST_F(SyndicateNotesTest, FileRoundTripsTicksCaptionsAndNotes)
{
    const QByteArray file = " 0 ,Update members list\r\n"
                            " 1 ,Collect, then bank, payments\r\n"
                            " 0 ,\r\n"
                            " 0 ,  blanks kept  \r\n"
                            " 0 ,Fish & chips\r\n"
                            " 1 ,Buy lottery tickets\r\n"
                            " 0 ,\xc2\xa3"
                            "5 each\r\n"
                            " 0 ,Distribute winnings to members!\r\n"
                            "First line\r\n\r\n  third, indented\r\n";
    writeFile("SNotes.txt", QString::fromUtf8(file));
    const auto read = ReadSyndicateNotes();
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->items[1].ticked);
    EXPECT_EQ(read->items[1].caption, "Collect, then bank, payments");
    EXPECT_EQ(read->items[2].caption, "");
    EXPECT_EQ(read->items[3].caption, "  blanks kept  ");
    EXPECT_TRUE(read->items[5].ticked);
    EXPECT_EQ(read->items[6].caption,
              QString::fromUtf8("\xc2\xa3"
                                "5 each"));
    // Every line break of the notes comes back, the one at their end too.
    EXPECT_EQ(read->notes, "First line\n\n  third, indented\n");

    ASSERT_TRUE(WriteSyndicateNotes(*read));
    EXPECT_EQ(readBytes("SNotes.txt"), file);
}

TEST_F(SyndicateNotesTest, ShortOrOddFilesReadWhatTheyCan)
{
    const SyndicateNotes odd = ParseSyndicateNotes("junk,First\n 1 \r 2 ,Second\r\n");
    EXPECT_FALSE(odd.items[0].ticked);
    EXPECT_EQ(odd.items[0].caption, "First");
    EXPECT_TRUE(odd.items[1].ticked);
    EXPECT_EQ(odd.items[1].caption, "");
    EXPECT_FALSE(odd.items[2].ticked); // only the number 1 ticks
    EXPECT_EQ(odd.items[2].caption, "Second");
    EXPECT_EQ(odd.items[3].caption, kDesign[3]); // lines it lacks keep the built-in ones
    EXPECT_EQ(odd.notes, "");

    // A caption cannot break its line in the file.
    SyndicateNotes notes = DefaultSyndicateNotes();
    notes.items[0].caption = "two\r\nlines";
    const SyndicateNotes back = ParseSyndicateNotes(SyndicateNotesText(notes));
    EXPECT_EQ(back.items[0].caption, "two lines");
    EXPECT_EQ(back.items[1].caption, kDesign[1]);
}

TEST_F(SyndicateNotesTest, FirstOpeningShowsTheDesignChecklistAndClosesWithoutAsking)
{
    LoadedWindow<SNotes> w;
    EXPECT_EQ(w.windowTitle(), "Syndicate Notes");
    for (int i = 0; i < kSyndicateChecklistItems; ++i) {
        EXPECT_EQ(w.Caption(i), kDesign[i]);
        EXPECT_FALSE(w.Check1[i]->isChecked());
    }
    EXPECT_EQ(w.Text1->toPlainText(), "");
    EXPECT_EQ(w.Text2->text(), "Clear an item and add your own checklist");
    EXPECT_FALSE(w.Changed);
    // Every built-in caption shows whole.
    OpenAndLook(&w, [&w] {
        for (int i = 0; i < kSyndicateChecklistItems; ++i)
            EXPECT_GE(w.Check1[i]->width(), w.Check1[i]->sizeHint().width()) << kDesign[i];
    });
    w.show();
    QTest::mouseClick(w.Command2, Qt::LeftButton); // no warning: the harness fails on any box
    EXPECT_FALSE(w.isVisible());
}

TEST_F(SyndicateNotesTest, SaveWritesTheTicksAndNotesAndReopeningShowsThem)
{
    {
        LoadedWindow<SNotes> w;
        w.show();
        QTest::mouseClick(w.Check1[5], Qt::LeftButton);
        EXPECT_TRUE(w.Changed);
        w.Text1->setPlainText("one\ntwo, three\nfour");
        answer(vbOK);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxAt(0).text, "  Notes and checklist saved...  ");
        EXPECT_EQ(boxAt(0).title, "Vantrel");
        EXPECT_EQ(boxAt(0).style, vbInformation);
        EXPECT_FALSE(w.Changed);
        EXPECT_TRUE(w.isVisible());
        QTest::mouseClick(w.Command2, Qt::LeftButton); // saved: no warning
        EXPECT_FALSE(w.isVisible());
    }
    const auto lines = ReadLines(path("SNotes.txt"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 11);
    EXPECT_EQ(lines->at(5), " 1 ,Buy lottery tickets");
    EXPECT_EQ(lines->at(0), " 0 ,Update members list");
    EXPECT_TRUE(readBytes("SNotes.txt").endsWith("two, three\r\nfour"));

    LoadedWindow<SNotes> again;
    EXPECT_TRUE(again.Check1[5]->isChecked());
    EXPECT_EQ(again.Text1->toPlainText(), "one\ntwo, three\nfour");
    EXPECT_FALSE(again.Changed);
}

TEST_F(SyndicateNotesTest, AddFillsTheFirstEmptyItemAndClearEmptiesOne)
{
    LoadedWindow<SNotes> w;
    w.Check1[2]->setChecked(true);
    QTest::mouseClick(w.Command4[2], Qt::LeftButton);
    EXPECT_EQ(w.Caption(2), "");
    EXPECT_FALSE(w.Check1[2]->isChecked());
    EXPECT_TRUE(w.Changed);
    w.Command4_Click(5);
    w.Text2->setText("Pay the newsagent & the bank");
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    EXPECT_EQ(w.Caption(2), "Pay the newsagent & the bank");
    EXPECT_EQ(w.Check1[2]->text(), "Pay the newsagent && the bank");
    EXPECT_EQ(w.Caption(5), "");
    EXPECT_EQ(w.Text2->text(), "Pay the newsagent & the bank");

    w.Command3_Click(); // fills item 5
    w.Changed = false;
    w.Command3_Click(); // all eight are filled: nothing changes, but it counts
    EXPECT_TRUE(w.Changed);
    EXPECT_EQ(w.Caption(0), kDesign[0]);
    EXPECT_EQ(w.Caption(5), "Pay the newsagent & the bank");
}

TEST_F(SyndicateNotesTest, CloseAndTheTitleBarWarnAboutChanges)
{
    LoadedWindow<SNotes> w;
    w.show();
    QTest::keyClicks(w.Text1, "Buy a bigger wallet");
    EXPECT_TRUE(w.Changed);

    answer(vbCancel); // the warning of every syndicate window (DiaryTest)
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Warning!");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Text1->toPlainText(), "Buy a bigger wallet");

    answer(vbOK);
    w.Command2_Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(exists("SNotes.txt")); // closed without saving

    LoadedWindow<SNotes> other;
    other.show();
    other.Text1->setPlainText("changed");
    answer(vbCancel);
    QTest::keyClick(&other, Qt::Key_Escape); // Escape asks as Close does
    EXPECT_EQ(lastBoxText(), boxAt(0).text);
    EXPECT_TRUE(other.isVisible());
    answer(vbCancel);
    other.close(); // the title bar's close box asks too
    EXPECT_TRUE(other.isVisible());
    answer(vbOK);
    other.close();
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(boxes().size(), 5u);
}

TEST_F(SyndicateNotesTest, ASaveThatFailsSaysSoAndLosesNothing)
{
    const QByteArray before(" 1 ,Kept\r\nold notes");
    LoadedWindow<SNotes> w;
    w.Text1->setPlainText("new notes");
    auto saveFails = [&] {
        answer(vbOK);
        w.Command1_Click();
        EXPECT_TRUE(lastBoxText().startsWith("The file SNotes.txt could not be written: "));
        EXPECT_EQ(lastBox().title, "Error!");
        EXPECT_TRUE(w.Changed);
        EXPECT_EQ(w.Text1->toPlainText(), "new notes");
    };
    // A folder in the file's place: the new file cannot be put there.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("SNotes.txt"));
    saveFails();
    ASSERT_TRUE(QDir(dir_.path()).rmdir("SNotes.txt"));

    if (::geteuid() == 0)
        return; // the superuser writes to a read-only folder
    writeFile("SNotes.txt", QString::fromUtf8(before));
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    saveFails();
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readBytes("SNotes.txt"), before);
}

TEST_F(SyndicateNotesTest, SaveWithoutAnEditWritesTheNotesAsRead)
{
    QByteArray file;
    for (const char* caption : kDesign)
        file += QByteArray(" 0 ,") + caption + "\r\n";
    file += "Fish\u00a0&\u00a0chips\u2028second part\r\nnext\tline";
    writeFile("SNotes.txt", QString::fromUtf8(file));
    LoadedWindow<SNotes> w;
    EXPECT_FALSE(w.Changed);
    answer(vbOK);
    w.Command1_Click();
    EXPECT_EQ(readBytes("SNotes.txt"), file);
}

TEST_F(SyndicateNotesTest, AFileThatCouldNotBeReadIsNamedOnceAndNeverWrittenOver)
{
    struct Case {
        const char* what;
        std::function<bool()> make; // false when the case cannot be made here
    };
    const Case cases[] = {
        {"a named pipe", [&] { return makePipe("SNotes.txt"); }},
        {"no read permission",
         [&] {
             writeFile("SNotes.txt", " 1 ,Mine\r\nmy notes");
             return ::geteuid() != 0 && QFile::setPermissions(path("SNotes.txt"), QFileDevice::WriteOwner);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("SNotes.txt"));
        if (!c.make())
            continue;
        const QFileInfo before(path("SNotes.txt"));
        answer(vbOK);
        LoadedWindow<SNotes> w;
        EXPECT_EQ(lastBoxText(), "The notes and checklist in SNotes.txt could not be read.    ");
        w.Text1->setPlainText("typed");
        answer(vbOK);
        w.Command1_Click();
        EXPECT_EQ(lastBoxText(),
                  "The file SNotes.txt could not be read when it was opened,    \r\n"
                  "so it is not written over. Nothing was saved.    ");
        EXPECT_TRUE(w.Changed);
        const QFileInfo after(path("SNotes.txt"));
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.permissions(), before.permissions());
    }
}

TEST_F(SyndicateNotesTest, ResetDeletesTheFileAndCloses)
{
    writeFile("SNotes.txt", " 1 ,Mine\r\nnotes");
    LoadedWindow<SNotes> w;
    w.show();
    w.Text1->setPlainText("unsaved"); // no warning, no question
    QTest::mouseClick(w.Command5, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(exists("SNotes.txt"));

    LoadedWindow<SNotes> fresh;
    fresh.show();
    fresh.Command5_Click(); // no file: it only closes
    EXPECT_FALSE(fresh.isVisible());
}
