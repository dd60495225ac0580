// Lines saved from the lucky-dip window are checked in the Show/Check window
// against the draw of their date.
#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "app/WindowCatalog.h"
#include "databases/ui/SaveEntries.h"
#include "databases/SavedEntries.h"
#include "databases/ui/ShowMyDrawsW.h"
#include "generators/Entries.h"
#include "generators/ui/PLuckyDip.h"
#include "platform/Random.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <numeric>

class SavedEntriesRoadTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        for (SettingsItem item : {OddEvenFilter, HighLowFilter, HistoryFilter, LongRunFilter})
            Settings.set(item, "0");
    }
};

TEST_F(SavedEntriesRoadTest, LuckyDipLinesAreCheckedAgainstTheirDraw)
{
    writeLines(
        "dbase100.txt",
        DatabaseLines("Small Lotto", "6,12,0,0,1", {"12-Mar-2005,1,2,3,4,5,6,,7", "09 Mar 05,7,8,9,10,11,12,,1"}));
    RegisterAllWindows();
    // A fixed sequence: unseeded, two of the four lines of this small lottery
    // are now and then the same, and one of them is dropped.
    RandomizeSeed(7);
    HoldSeed(true);
    ASSERT_TRUE(HasWindow(MenuItem::PlayLuckyDip));
    ASSERT_TRUE(HasWindow(MenuItem::DatabaseCheck));

    QStringList shown;
    int checked = -1;
    QString report;
    SetModalHook([&](QDialog* dialog) {
        if (auto* dip = qobject_cast<PLuckyDip*>(dialog)) {
            dip->HScroll1->setValue(4);
            dip->Command2->click();
            for (int r = 1; r <= 4; ++r) {
                QStringList cells;
                for (int c = 1; c <= 6; ++c)
                    cells << dip->MSFlexGrid1->TextMatrix(r, c);
                shown << cells.join(',');
            }
            dip->Command7->click();
            dip->Command1->click();
            return int(dip->result());
        }
        if (qobject_cast<SaveEntries*>(dialog))
            return AnswerSaveDialog(dialog, {{}, "Ann", QDate(2005, 3, 9)});
        if (auto* show = qobject_cast<ShowMyDrawsW*>(dialog)) {
            show->Command2->click();
            checked = std::accumulate(show->MatchCounts.begin(), show->MatchCounts.end(), 0);
            report = show->Text2->toPlainText();
            for (int r = 1; r <= 4; ++r) {
                EXPECT_EQ(show->MSFlexGrid1->TextMatrix(r, 10), "Ann");
                // Every number of 7 to 12 was drawn on 9 March, the others not.
                for (int c = 1; c <= 6; ++c) {
                    const int n = show->MSFlexGrid1->TextMatrix(r, c).toInt();
                    const QColor expected = n >= 7 ? QColor(255, 255, 0)
                        : n == 1                   ? QColor(255, 192, 192)
                                                   : QColor(255, 255, 255);
                    EXPECT_EQ(show->MSFlexGrid1->cellBackColor(r, c), expected) << r << "," << c;
                }
            }
            show->Command1->click();
            return int(show->result());
        }
        return Harness::UnexpectedWindow(dialog);
    });
    OpenWindow(MenuItem::PlayLuckyDip, nullptr);
    ASSERT_EQ(shown.size(), 4);
    const QStringList lines = readFile(kSavedEntriesFile).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(lines[i], "09-Mar-2005," + shown[i] + ",,,Small Lotto,Ann,dbase100.txt");

    OpenWindow(MenuItem::DatabaseCheck, nullptr);
    EXPECT_EQ(checked, 4);
    EXPECT_FALSE(report.contains("not checked"));
}
