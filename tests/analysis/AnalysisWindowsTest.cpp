// The analysis windows driven as the player drives them, on the twelve
// hand-worked draws of AnalysisData.h, an empty database, no database and a
// database that cannot be read.

#include "AnalysisData.h"
#include "analysis/ui/AAverages.h"
#include "analysis/ui/ACommonNumbers.h"
#include "analysis/ui/ANumberStats.h"
#include "analysis/ui/AOddEven.h"
#include "analysis/ui/ARange.h"
#include "analysis/ui/ASums.h"
#include "app/WindowCatalog.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "platform/ui/Chart.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Printer.h"

#include <QApplication>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

namespace {

class AnalysisWindows : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("dbase1.txt", DatabaseLines("Twelve draws", "6,49,0,0,1", DrawLinesOf(kTwelveDraws)));
        writeLines("dbase2.txt", DatabaseLines("No draws yet", "6,49,0,0,1", {}));
        writeLines(
            "dbase3.txt",
            DatabaseLines("Five and a powerball", "5,39,0,14,0",
                          DrawLinesOf({{{1, 2, 3, 4, 5}, 14}, {{30, 31, 32, 33, 39}, 14}, {{6, 8, 9, 10, 11}, 2}})));
    }
    static QString text(const QDialog& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }
    static QStringList labels(const Chart* chart)
    {
        QStringList all;
        for (int r = 1; r <= chart->rowCount(); ++r)
            all << chart->rowLabel(r);
        return all;
    }
};

} // namespace

TEST_F(AnalysisWindows, CommonNumbersHotAndCold)
{
    ACommonNumbers w;
    w.Load();
    EXPECT_EQ(w.windowTitle(), "Most Common Numbers");
    EXPECT_EQ(w.List1->currentRow(), 0);
    EXPECT_EQ(w.Label3->text(), "7, 14, 24, 3, 19, 49, 1, 2, 12, 22");
    EXPECT_EQ(w.MSChart1->rowCount(), 49);
    EXPECT_EQ(w.MSChart1->value(7, 1), 4);
    EXPECT_EQ(w.MSChart1->title(), "Number frequency");
    EXPECT_EQ(w.MSChart1->seriesBrushStyle(1), Chart::BrushPattern);
    EXPECT_EQ(w.MSChart1->seriesPatternColour(1), QColor(255, 0, 0));
    EXPECT_EQ(w.MSChart1->seriesFillColour(1), QColor(128, 0, 0));
    // A bonus ball: both charts, the bonus counts below.
    EXPECT_FALSE(w.MSChart2->isHidden());
    EXPECT_EQ(w.MSChart1->heightTwips(), 4155);
    EXPECT_EQ(w.MSChart2->title(), " Bonus frequency (hot nums) ");
    EXPECT_EQ(w.MSChart2->value(10, 1), 3);

    w.Option1[1]->click();
    EXPECT_EQ(w.windowTitle(), "Cold numbers");
    EXPECT_EQ(w.Heading->text(), "Cold numbers");
    EXPECT_EQ(w.Label2->text(), "Cold numbers");
    EXPECT_EQ(w.Label3->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(w.MSChart1->title(), " Least common (cold) numbers ");
    EXPECT_TRUE(w.Label5->text().startsWith("These charts show which numbers appear the least often."));
    EXPECT_EQ(w.Label3->text(), "13, 23, 4, 5, 6, 8, 9, 10, 11, 15");
    EXPECT_EQ(w.MSChart1->value(7, 1), 0);
    EXPECT_EQ(w.MSChart1->seriesPatternColour(1), QColor(0, 0, 255));
    EXPECT_EQ(w.MSChart2->title(), " Bonus frequency (cold nums) ");

    // A powerball lottery: its own range in the second chart.
    w.List1->setCurrentRow(2);
    EXPECT_EQ(w.MSChart2->title(), " Powerball frequency (cold nums) ");
    EXPECT_EQ(w.MSChart2->rowCount(), 14);
    EXPECT_EQ(w.MSChart2->value(14, 1), 0); // the hottest
    EXPECT_EQ(w.MSChart2->value(1, 1), 2);

    w.Option1[0]->click();
    EXPECT_EQ(w.windowTitle(), "Hot numbers");
    EXPECT_EQ(w.Label2->palette().color(QPalette::Window), QColor(192, 0, 0));
    EXPECT_EQ(w.MSChart1->title(), " Most common (hot) numbers ");
    EXPECT_EQ(w.Label3->text(), "1, 2, 3, 4, 5, 6, 8, 9, 10, 11");

    // No extra ball: the main chart alone, taller.
    writeLines("dbase4.txt", DatabaseLines("Plain", "6,49,0,0,0", DrawLinesOf(kTwelveDraws)));
    ACommonNumbers plain;
    plain.Load();
    plain.List1->setCurrentRow(3);
    EXPECT_TRUE(plain.MSChart2->isHidden());
    EXPECT_EQ(plain.MSChart1->heightTwips(), 7000);
}

TEST_F(AnalysisWindows, TheColdMenuItemOpensTheColdView)
{
    RegisterAllWindows();
    QString title, list;
    SetModalHook([&](QDialog* dialog) {
        auto* w = qobject_cast<ACommonNumbers*>(dialog);
        if (w) {
            title = w->windowTitle();
            list = w->Label3->text();
        }
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(OpenWindow(MenuItem::AnalyseColdNums, nullptr));
    EXPECT_EQ(title, "Cold numbers");
    EXPECT_EQ(list, "13, 23, 4, 5, 6, 8, 9, 10, 11, 15");
    EXPECT_TRUE(OpenWindow(MenuItem::AnalysisCommon, nullptr));
    EXPECT_EQ(title, "Most Common Numbers");
    for (MenuItem item :
         {MenuItem::AnalysisSums, MenuItem::AnalyseLowHigh, MenuItem::AnalysisAverages, MenuItem::AnalyseRange,
          MenuItem::AnalyseNumStats, MenuItem::AnalyseOddEven, MenuItem::AnalyseBiorhythms})
        EXPECT_TRUE(HasWindow(item)) << MenuItemName(item).toStdString();
}

// Opened from the menu (filled, then switched to cold, before it shows), the
// chart draws no label left over from its first filling.
TEST_F(AnalysisWindows, TheColdViewLeavesNoStrayLabel)
{
    RegisterAllWindows();
    QStringList elided;
    SetModalHook([&elided](QDialog* dialog) {
        dialog->show();
        QApplication::processEvents();
        for (QGraphicsItem* item : dialog->findChild<Chart*>("MSChart1")->view()->scene()->items()) {
            auto* label = dynamic_cast<QGraphicsTextItem*>(item);
            if (label && label->isVisible() && label->toPlainText().contains("..."))
                elided << label->toPlainText();
        }
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(OpenWindow(MenuItem::AnalyseColdNums, nullptr));
    EXPECT_EQ(elided, QStringList());
}

TEST_F(AnalysisWindows, SumsAndTheFourNewestDraws)
{
    ASums w;
    w.Load();
    EXPECT_EQ(w.windowTitle(), "Analyse sums");
    EXPECT_EQ(w.Label2->text(), "104");
    EXPECT_EQ(w.Label9->text(), "165");
    EXPECT_EQ(w.Label10->text(), "142");
    EXPECT_EQ(w.MSChart1->title(), " Sums of most recent lottery draws ");
    EXPECT_EQ(w.MSChart1->value(1, 1), 104);
    EXPECT_EQ(w.MSChart1->rowLabel(50), "R50");
    EXPECT_EQ(labels(w.MSChart3), QStringList({"0:6", "1:5", "2:4", "3:3", "4:2", "5:1", "6:0", ""}));
    EXPECT_EQ(w.MSChart3->value(4, 1), 7);
    EXPECT_EQ(text(w, "Label20"), "Last 4 draws     ");
    EXPECT_EQ(text(w, "Label19"), " 3, 7, 14, 19, 26, 35");
    EXPECT_EQ(text(w, "Label17"), "4:2");
    EXPECT_EQ(text(w, "Label16"), "2:4"); // 24 is high among the four newest
    EXPECT_TRUE(w.StatusLabel->isHidden());

    // No draws: zeros, no phantom draw, and the window says why.
    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Label2->text(), "0");
    EXPECT_EQ(w.Label10->text(), "0");
    EXPECT_EQ(w.MSChart3->value(7, 1), 0);
    EXPECT_FALSE(w.StatusLabel->isHidden());
    EXPECT_EQ(w.StatusLabel->text(), "There are no draws in this lottery database yet.");
    EXPECT_EQ(text(w, "Label3"), " 0, 0, 0, 0, 0, 0");

    // The same lottery again gives the same window.
    w.List1->setCurrentRow(0);
    EXPECT_EQ(w.Label10->text(), "142");
    EXPECT_TRUE(w.StatusLabel->isHidden());
}

TEST_F(AnalysisWindows, AveragesPerPosition)
{
    AAverages w;
    w.Load();
    EXPECT_EQ(w.Label3->text(), " 4");
    EXPECT_EQ(w.MSChart1->rowCount(), 12);
    EXPECT_EQ(w.MSChart1->value(1, 1), 3); // the sorted draw's smallest number
    EXPECT_EQ(w.MSChart1->title(), " Value of 1st number over last 12 draws");
    EXPECT_EQ(w.MSChart2->value(1, 1), 2);
    EXPECT_FALSE(w.Option3[5]->isHidden());
    EXPECT_TRUE(w.Option3[6]->isHidden());

    w.Option3[5]->click();
    EXPECT_EQ(w.NumberPosition, 6);
    EXPECT_EQ(w.Label3->text(), " 45");
    EXPECT_EQ(w.MSChart1->title(), " Value of 6th number over last 12 draws");
    EXPECT_EQ(w.MSChart2->value(49, 1), 3);

    // Another lottery starts again at the smallest number, with its own
    // positions only.
    w.List1->setCurrentRow(2);
    EXPECT_EQ(w.NumberPosition, 1);
    EXPECT_TRUE(w.Option3[0]->isChecked());
    EXPECT_TRUE(w.Option3[5]->isHidden());
    EXPECT_FALSE(w.Option3[4]->isHidden());
    EXPECT_EQ(w.MSChart2->rowCount(), 39);

    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Label3->text(), " 0");
    EXPECT_EQ(w.MSChart1->title(), " Value of 1st number over last 0 draws");
}

TEST_F(AnalysisWindows, RangesAndOddEven)
{
    ARange range;
    range.Load();
    EXPECT_EQ(range.windowTitle(), "Analyse Number Range");
    EXPECT_EQ(range.Label3->text(), "Average range is 40");
    EXPECT_EQ(range.MSChart1->value(1, 1), 32);
    EXPECT_EQ(range.MSChart2->rowCount(), 49);
    EXPECT_EQ(range.MSChart2->value(39, 1), 4);
    range.List1->setCurrentRow(1);
    EXPECT_EQ(range.Label3->text(), "Average range is 0");

    AOddEven odd;
    odd.Load();
    EXPECT_EQ(odd.CloseButton->toolTip(), " Close window ");
    EXPECT_EQ(odd.MSChart1->value(1, 1), 4);
    EXPECT_EQ(odd.MSChart1->value(1, 2), 2);
    EXPECT_EQ(odd.MSChart2->value(1, 1), 35);
    EXPECT_EQ(odd.MSChart2->value(2, 1), 37);
    EXPECT_EQ(odd.MSChart2->rowLabel(2), "Even");
    EXPECT_EQ(labels(odd.MSChart3), QStringList({"0:6", "1:5", "2:4", "3:3", "4:2", "5:1", "6:0", ""}));
    EXPECT_EQ(odd.MSChart3->value(3, 1), 5);
    EXPECT_EQ(text(odd, "Label6"), "Last 4 draws     ");
    EXPECT_EQ(text(odd, "Label2"), " 3, 7, 14, 19, 26, 35");
    EXPECT_EQ(text(odd, "Label9"), "4:2");
    EXPECT_EQ(text(odd, "Label14"), "2:4");

    // A five-number lottery drawn three times: rows past BallsDrawn + 1
    // have no label; the missing fourth draw counts no odd number.
    odd.List1->setCurrentRow(2);
    EXPECT_EQ(labels(odd.MSChart3), QStringList({"0:5", "1:4", "2:3", "3:2", "4:1", "5:0", "", ""}));
    EXPECT_EQ(text(odd, "Label13"), " 0, 0, 0, 0, 0");
    EXPECT_EQ(text(odd, "Label14"), "0:5");
    odd.List1->setCurrentRow(1);
    EXPECT_EQ(odd.MSChart1->value(1, 2), 0); // no draw of zeros
    EXPECT_EQ(odd.MSChart2->value(2, 1), 0);
}

TEST_F(AnalysisWindows, NumberStatisticsGridAndSorts)
{
    ANumberStats w;
    w.Load();
    FlexGrid* g = w.MSFlexGrid1;
    EXPECT_EQ(g->TextMatrix(0, 2), "Times Drawn");
    EXPECT_EQ(g->rowTexts(7), QStringList({"7", "1 draws ago", "4 / 12 draws", "3.00 draws"}));
    EXPECT_EQ(g->TextMatrix(50, 0), "");

    // A sort's longer message keeps the grid and the buttons in place.
    w.show();
    QApplication::processEvents();
    const QRect gridAt = g->geometry();
    const QPoint sortAt = w.Command1->mapTo(&w, QPoint());
    w.Command1->click();
    QApplication::processEvents();
    EXPECT_EQ(g->geometry(), gridAt);
    EXPECT_EQ(w.Command1->mapTo(&w, QPoint()), sortAt);
    EXPECT_EQ(w.Label4->text(),
              "These numbers haven't appeared for a long time and are overdue: 10, 17, 18, 32, 39, 4, 15, 37, 46, 6");
    EXPECT_EQ(g->TextMatrix(1, 0), "10");
    EXPECT_EQ(g->TextMatrix(49, 0), "23");
    for (QPushButton* b : {w.Command1, w.Command2, w.Command4, w.CloseButton, w.Command6})
        EXPECT_TRUE(b->isEnabled());
    // Ties keep the order the last sort left.
    w.Command2->click();
    EXPECT_EQ(g->TextMatrix(1, 0), "24");
    EXPECT_EQ(g->rowTexts(2), QStringList({"7", "1 draws ago", "4 / 12 draws", "3.00 draws"}));
    w.Command4->click();
    EXPECT_EQ(g->TextMatrix(1, 0), "13");
    EXPECT_EQ(g->TextMatrix(3, 0), "10"); // drawn once, and longest ago
    EXPECT_TRUE(w.Label4->text().startsWith("These numbers are expected soon to improve their average: 13, 23, 10,"));

    w.ToggleButtons();
    EXPECT_FALSE(w.Command6->isEnabled());
    w.ToggleButtons();

    // Choosing a lottery shows the numbers in order again.
    w.List1->setCurrentRow(1);
    EXPECT_EQ(g->rowTexts(1), QStringList({"1", "Never", "0 / 0 draws", "Never"}));
    EXPECT_EQ(w.Label4->text(), "Use the sort buttons to see overdue, most common, and expected numbers");
    w.List1->setCurrentRow(2);
    EXPECT_EQ(g->TextMatrix(39, 0), "39");
    EXPECT_EQ(g->TextMatrix(40, 0), ""); // the rows of the bigger lottery are gone
}

TEST_F(AnalysisWindows, NoDatabaseOrAnUnreadableOneShowsNothingStale)
{
    // Another window left a lottery open; then its file went.
    ASSERT_TRUE(LoadDatabaseFile("dbase1.txt"));
    for (const char* name : {"dbase1.txt", "dbase2.txt", "dbase3.txt"})
        QFile::remove(path(name));
    ASums sums;
    sums.Load();
    EXPECT_EQ(sums.List1->count(), 0);
    EXPECT_EQ(sums.StatusLabel->text(), "There is no lottery database to choose from.");
    EXPECT_EQ(sums.MSChart1->value(1, 1), 0);
    EXPECT_EQ(sums.Label2->text(), "0");
    EXPECT_EQ(text(sums, "Label19"), "");
    EXPECT_EQ(text(sums, "Label17"), "");
    EXPECT_EQ(Draws[1][1], 3); // left as it was
    ACommonNumbers common;
    common.Load();
    EXPECT_EQ(common.Label3->text(), "");
    common.Option1[1]->click();
    EXPECT_EQ(common.MSChart1->value(1, 1), 0);
    ANumberStats stats;
    stats.Load();
    EXPECT_EQ(stats.MSFlexGrid1->TextMatrix(1, 0), "");
    stats.Command1->click();

    writeLines("dbase9.txt", {"Broken", "http://example.org", "six,forty-nine", "01 Jan 05,1,2,3,4,5,6,,7"});
    AOddEven odd;
    odd.Load();
    EXPECT_EQ(odd.StatusLabel->text(), "This lottery database cannot be read, so there is nothing to analyse.");
    EXPECT_EQ(odd.MSChart2->value(1, 1), 0);
    EXPECT_EQ(labels(odd.MSChart3), QStringList(8, QString()));
}

TEST_F(AnalysisWindows, PrintingTheWindowsImageTurnsThePageAndBack)
{
    Printer().Reset();
    Printer().SelectPrinter(Printer().PrinterCount() - 1);
    ARange w;
    w.Load();
    w.Command6->click();
    EXPECT_TRUE(exists("printout.pdf"));

    // A printout that cannot start says so; the page is turned back all the
    // same.
    SetPdfFileHook([this] { return path("no such folder/out.pdf"); });
    answer(vbOK);
    w.Command6->click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxAt(0).title, "Error");
    EXPECT_EQ(Printer().Orientation(), vbPRORPortrait);
}

TEST_F(AnalysisWindows, ColoursGoToTheLabelsEachWindowNames)
{
    Settings.set(TitleColour, "&HFF");          // red
    Settings.set(BodyTextColour, "&HFF00");     // green
    Settings.set(LabelColour, "&H800000");      // dark blue
    Settings.set(OtherTextColour, "&H000080");  // dark red
    Settings.set(BackgroundColour, "&HC0FFFF"); // light yellow
    Settings.set(SkinFlags, "2");
    auto colour = [](const QDialog& w, const char* name) {
        return w.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    };
    ASums sums;
    const QColor design = colour(sums, "Label19");
    sums.Load();
    EXPECT_EQ(SkinBackground(&sums), QColor(255, 255, 192));
    EXPECT_EQ(colour(sums, "Label12"), QColor(255, 0, 0));
    EXPECT_EQ(colour(sums, "Label11"), QColor(0, 255, 0));
    EXPECT_EQ(colour(sums, "Label1"), QColor(0, 0, 128));
    EXPECT_EQ(colour(sums, "Label8"), QColor(0, 0, 128));
    EXPECT_EQ(colour(sums, "Label10"), QColor(128, 0, 0));
    EXPECT_EQ(colour(sums, "Label19"), design); // the four newest draws keep theirs

    ANumberStats stats;
    stats.Load();
    EXPECT_EQ(colour(stats, "Label1"), QColor(255, 0, 0));
    EXPECT_EQ(colour(stats, "Label6"), QColor(0, 255, 0));
    EXPECT_EQ(colour(stats, "Label3"), QColor(0, 0, 128));

    ARange range;
    range.Load();
    EXPECT_EQ(colour(range, "Label2"), QColor(0, 255, 0));
    EXPECT_EQ(colour(range, "Label3"), QColor(128, 0, 0));
}

TEST_F(AnalysisWindows, TheStatisticsPrintAsAReport)
{
    Printer().Reset();
    Printer().SelectPrinter(Printer().PrinterCount() - 1);
    ANumberStats w;
    w.Load();
    w.Command2->click();
    QStringList shown;
    SetModalHook([&](QDialog* dialog) {
        shown << dialog->metaObject()->className();
        return int(QDialog::Accepted); // the print options as offered
    });
    w.Command6->click();
    EXPECT_EQ(shown, QStringList{"PrintFrm"});
    ASSERT_TRUE(exists("printout.pdf"));
    QProcess text;
    text.start("pdftotext", {"-layout", path("printout.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Lottery Number Statistics")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Lottery: Twelve draws")) << printed.toStdString();
    // The rows as sorted, each cell by the report's number rule (its leading
    // number in two digits).
    EXPECT_TRUE(printed.simplified().contains("07: 01 04 03 14: 01 04 03 24: 02 04 03")) << printed.toStdString();
    EXPECT_EQ(w.MSFlexGrid1->TextMatrix(1, 0), "7");
}
