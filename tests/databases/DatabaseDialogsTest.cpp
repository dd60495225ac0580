#include "core/OpenLottery.h"
#include "core/WindowCatalog.h"
#include "databases/DeleteDbaseW.h"
#include "databases/DesktopLinks.h"
#include "databases/DrawEntry.h"
#include "databases/OpenDbase.h"
#include "support/TestSupport.h"

#include <QDesktopServices>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QUrl>

namespace {
// Takes the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
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
    DeleteDbaseW w;
    w.show();
    ASSERT_EQ(w.List1->count(), 2);
    EXPECT_EQ(w.List1->currentRow(), -1);
    w.Command2_Click(); // nothing chosen
    EXPECT_TRUE(boxes_.empty());

    answer(vbNo);
    doubleClick(w.List1, 1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "  Are you sure?    \r\n");
    EXPECT_EQ(boxes_[0].title, "Delete database");
    EXPECT_EQ(boxes_[0].style, vbYesNo + vbQuestion);
    EXPECT_TRUE(exists("dbase2.txt"));
    EXPECT_TRUE(w.isVisible());

    answer(vbYes);
    w.Command2_Click();
    EXPECT_FALSE(exists("dbase2.txt"));
    EXPECT_TRUE(exists("dbase1.txt"));
    EXPECT_EQ(DbaseFile, "dbase2.txt");
    EXPECT_FALSE(w.isVisible());

    DeleteDbaseW again;
    EXPECT_EQ(again.List1->count(), 1);
}

TEST_F(DatabaseDialogsTest, OpenGivesTheFileToTheTextEditor)
{
    UrlCatcher catcher;
    OpenDbase w;
    w.show();
    w.Command2_Click();
    EXPECT_TRUE(catcher.urls.isEmpty());
    doubleClick(w.List1, 0);
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(path("dbase1.txt")));
    EXPECT_EQ(DbaseFile, "dbase1.txt");
    EXPECT_FALSE(w.isVisible());

    // A file removed meanwhile is reported, not opened.
    OpenDbase v;
    v.show();
    QFile::remove(path("dbase2.txt"));
    v.List1->setCurrentRow(1);
    v.Command2_Click();
    EXPECT_EQ(catcher.urls.size(), 1);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(v.isVisible());
}

TEST(DesktopLinks, OnlyWebAddressesGoToTheBrowser)
{
    UrlCatcher catcher;
    EXPECT_TRUE(BrowseTo("https://www.national-lottery.co.uk"));
    EXPECT_TRUE(BrowseTo(" www.example.com "));
    EXPECT_FALSE(BrowseTo("http://"));
    EXPECT_FALSE(BrowseTo("file:///etc/passwd"));
    EXPECT_FALSE(BrowseTo("/etc/passwd"));
    EXPECT_FALSE(BrowseTo("javascript:alert(1)"));
    EXPECT_FALSE(BrowseTo(""));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[1], QUrl("http://www.example.com"));
}

TEST(DrawNumbers, CheckedAgainstTheLotterysShape)
{
    const DrawShape bonus{6, 49, 49, true};
    EXPECT_EQ(*CheckDrawNumbers({" 01", "2", "3", "4", "5", "6", "9", "7"}, bonus),
              QStringList({"1", "2", "3", "4", "5", "6", "", "7"})); // the seventh box is not the lottery's
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "6", "", ""}, bonus)->at(7), "");
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "6", "", "0"}, bonus)->at(7), "0");
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "6", "", "6"}, bonus));
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "+6"}, bonus));
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "6a"}, bonus));
    const DrawShape extra{5, 39, 14, false};
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "", "", "5"}, extra)->at(7), "5");
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5", "", "", "15"}, extra));
    const DrawShape none{5, 39, 0, false};
    EXPECT_EQ(CheckDrawNumbers({"1", "2", "3", "4", "5", "", "", "99"}, none)->at(7), "");
    EXPECT_FALSE(CheckDrawNumbers({"1", "2", "3", "4", "5"}, DrawShape{}));
}

TEST(DatabaseWindowCatalog, MenuItemsOpenTheWindows)
{
    RegisterAllWindows();
    for (const char* item : {"DatabasesCreate", "wUpdateDbase", "wDatabaseView", "FileOpen", "FileDelete"})
        EXPECT_TRUE(HasWindow(item)) << item;
}

#include "DatabaseDialogsTest.moc"
