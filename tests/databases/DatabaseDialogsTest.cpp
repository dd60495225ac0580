#include "core/OpenLottery.h"
#include "databases/ui/DeleteDbaseW.h"
#include "databases/ui/CreateDbase.h"
#include "databases/ui/DbaseUpdateW.h"
#include "databases/ui/HistoryW.h"
#include "databases/ui/OpenDbase.h"
#include "platform/ui/Shell.h"
#include "support/TestSupport.h"
#include "Boxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QUrl>

namespace {
// Takes the addresses the desktop would open.
struct UrlCatcher {
    UrlCatcher()
    {
        SetShellHook([this](const QUrl& url) {
            urls << url;
            return true;
        });
    }
    QList<QUrl> urls;
};

class DatabaseDialogsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase1.txt", DatabaseLines("Lotto", "6,49,0,0,1", {"12 Mar 05,1,2,3,4,5,6,,7"}));
        writeLines("dbase2.txt", DatabaseLines("Thunder", "5,39,1,14,0", {"12 Mar 05,1,2,3,4,5,,,9"}));
    }
    void doubleClick(QListWidget* list, int row)
    {
        list->setCurrentRow(row);
        emit list->itemDoubleClicked(list->item(row));
    }
};
} // namespace

TEST_F(DatabaseDialogsTest, DeleteAsksAndRemovesTheFile)
{
    LoadedWindow<DeleteDbaseW> w;
    w.show();
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->currentRow(), -1);
    answer(vbOK);
    w.Command2->click(); // nothing chosen: says so
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "Select a lottery first!    ", "Error!", vbOKOnly + vbExclamation));
    EXPECT_TRUE(w.isVisible());

    answer(vbNo);
    doubleClick(w.List1, 1);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_TRUE(IsBox(boxAt(1), "  Are you sure?    \r\n", "Delete database", vbYesNo + vbQuestion));
    EXPECT_TRUE(exists("dbase2.txt"));
    EXPECT_TRUE(w.isVisible());

    answer(vbYes);
    w.Command2_Click();
    EXPECT_FALSE(exists("dbase2.txt"));
    EXPECT_TRUE(exists("dbase1.txt"));
    EXPECT_EQ(DbaseFile, "dbase2.txt");
    EXPECT_FALSE(w.isVisible());

    LoadedWindow<DeleteDbaseW> again;
    EXPECT_EQ(again.List1->count(), 1);
}

TEST_F(DatabaseDialogsTest, OpenGivesTheFileToTheTextEditor)
{
    UrlCatcher catcher;
    LoadedWindow<OpenDbase> w;
    w.show();
    answer(vbOK);
    w.Command2->click(); // nothing chosen: says so
    EXPECT_TRUE(catcher.urls.isEmpty());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(IsBox(boxAt(0), "Select a lottery first!    ", "Error!", vbOKOnly + vbExclamation));
    EXPECT_TRUE(w.isVisible());
    doubleClick(w.List1, 0);
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(path("dbase1.txt")));
    EXPECT_EQ(DbaseFile, "dbase1.txt");
    EXPECT_FALSE(w.isVisible());

    // A file removed meanwhile is reported, not opened.
    LoadedWindow<OpenDbase> v;
    v.show();
    QFile::remove(path("dbase2.txt"));
    v.List1->setCurrentRow(1);
    answer(vbOK);
    v.Command2_Click();
    EXPECT_EQ(catcher.urls.size(), 1);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_TRUE(boxAt(1).text.contains("could not be found"));
    EXPECT_TRUE(v.isVisible());

    // A desktop without a text editor is not blamed on the file.
    SetShellHook([](const QUrl&) { return false; });
    v.List1->setCurrentRow(0);
    answer(vbOK);
    v.Command2_Click();
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_TRUE(boxAt(2).text.contains("No text editor"));
    EXPECT_TRUE(v.isVisible());
}

TEST_F(DatabaseDialogsTest, GoButtonsOpenTheLotterysSite)
{
    UrlCatcher catcher;
    LoadedWindow<HistoryW> history;
    history.Text2->setText("https://lotto.example/results");
    history.Command4->click();
    LoadedWindow<DbaseUpdateW> update;
    update.Command2->click();
    LoadedWindow<CreateDbase> create;
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(catcher.urls, QList<QUrl>({QUrl("https://lotto.example/results"), QUrl("http://example.org")}));

    // An address that is not http or https is not opened, and each window
    // says why in its own title.
    const QString onlyWeb = "Only addresses that start with http:// or https:// are opened.";
    answer(vbOK);
    create.Command2->click(); // "http://" alone is no address
    create.Text2->setText("file:///etc/passwd");
    answer(vbOK);
    create.Command2->click();
    history.Text2->setText("www.example.org");
    answer(vbOK);
    history.Command4->click();
    LotteryWebsite = "javascript:alert(1)";
    answer(vbOK);
    update.Command2->click();
    EXPECT_EQ(catcher.urls.size(), 2);
    ASSERT_EQ(boxes().size(), 4u);
    const QString address[4] = {"http://", "file:///etc/passwd", "www.example.org", "javascript:alert(1)"};
    const QString why[4] = {"It names no web site.", onlyWeb, onlyWeb, onlyWeb};
    const QString title[4] = {"Oops!", "Oops!", "Warning", "Error!"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(IsBox(boxAt(i), "This web address cannot be opened: " + address[i] + "\r\n\r\n" + why[i], title[i],
                          vbOKOnly + vbExclamation));
}
