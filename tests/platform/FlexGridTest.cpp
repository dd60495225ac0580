// The grid and the date picker as the windows use them.

#include "platform/Dates.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QLocale>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

namespace {

// A grid laid out like a generator window's: headings in row 0, line numbers
// in column 0.
void FillHeadings(FlexGrid& grid)
{
    grid.setTextMatrix(0, 0, "Line");
    for (int c = 1; c < grid.Cols(); ++c)
        grid.setTextMatrix(0, c, "Num" + QString::number(c));
    for (int r = 1; r < grid.Rows(); ++r)
        grid.setTextMatrix(r, 0, QString::number(r));
}

} // namespace

TEST(FlexGridTest, FixedCellsAreCellsLikeAnyOther)
{
    FlexGrid grid;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.setRows(5);
    grid.setCols(4);
    FillHeadings(grid);
    grid.setTextMatrix(2, 3, "17");

    EXPECT_EQ(grid.rowTexts(0), QStringList({"Line", "Num1", "Num2", "Num3"}));
    EXPECT_EQ(grid.colTexts(0), QStringList({"Line", "1", "2", "3", "4"}));
    EXPECT_EQ(grid.rowTexts(2), QStringList({"2", "", "", "17"}));

    // The current cell may be a fixed one: that is how windows write headings.
    grid.setRow(0);
    grid.setCol(3);
    EXPECT_EQ(grid.Text(), "Num3");
    grid.setText("Pball");
    EXPECT_EQ(grid.TextMatrix(0, 3), "Pball");
    grid.setCol(0);
    grid.setText("Date");
    EXPECT_EQ(grid.TextMatrix(0, 0), "Date");

    // Without a fixed column, column 0 is an ordinary one.
    FlexGrid diary;
    diary.setFixedCols(0);
    diary.setRows(4);
    diary.setCols(6);
    diary.setTextMatrix(0, 0, "Date");
    diary.setTextMatrix(1, 0, "05-Mar-2005");
    EXPECT_EQ(diary.Cols(), 6);
    EXPECT_EQ(diary.rowTexts(0).value(0), "Date");
    EXPECT_EQ(diary.TextMatrix(1, 0), "05-Mar-2005");
    EXPECT_FALSE(diary.cellRect(1, 0).isEmpty());
    EXPECT_TRUE(diary.cellRect(0, 0).isEmpty());
}

TEST(FlexGridTest, GrowingAndShrinkingKeepTheTextsThatRemain)
{
    FlexGrid grid;
    grid.setRows(10);
    grid.setCols(9);
    FillHeadings(grid);
    grid.setTextMatrix(9, 8, "45");
    grid.setTextMatrix(4, 2, "7");

    grid.setRows(200);
    grid.setCols(12);
    EXPECT_EQ(grid.TextMatrix(9, 8), "45");
    EXPECT_EQ(grid.TextMatrix(0, 8), "Num8");
    EXPECT_EQ(grid.TextMatrix(9, 0), "9");
    // New rows and columns are empty, labels included.
    EXPECT_EQ(grid.TextMatrix(150, 0), "");
    EXPECT_EQ(grid.TextMatrix(0, 11), "");

    grid.setRows(5);
    grid.setCols(3);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.TextMatrix(4, 2), "7");
    EXPECT_EQ(grid.TextMatrix(9, 8), "");
    grid.setRows(10);
    EXPECT_EQ(grid.TextMatrix(9, 0), "") << "rows cut off come back empty";

    // Never fewer rows than the fixed ones.
    grid.setRows(0);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 1), "Num1");
}

TEST(FlexGridTest, OutOfRangeIsHarmless)
{
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(3);
    grid.setTextMatrix(3, 1, "x");
    grid.setTextMatrix(1, -1, "x");
    grid.setTextMatrix(-1, 0, "x");
    EXPECT_EQ(grid.TextMatrix(3, 1), "");
    EXPECT_EQ(grid.TextMatrix(99, 99), "");
    EXPECT_TRUE(grid.rowTexts(7).isEmpty());
    EXPECT_TRUE(grid.colTexts(-2).isEmpty());

    grid.setRow(2);
    grid.setCol(2);
    grid.setRow(99); // the "no row chosen" a window may try on a small grid
    grid.setCol(-1);
    grid.setColSel(5);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.ColSel(), 2);

    grid.setCellBackColor(5, 5, Qt::yellow);
    EXPECT_FALSE(grid.cellBackColor(5, 5).isValid());
    grid.setColWidth(9, 50);
    EXPECT_EQ(grid.ColWidth(9), 0);
    grid.setColAlignment(9, Qt::AlignCenter);
    grid.setTopRow(500);
    grid.setTopRow(-4);
    EXPECT_EQ(grid.TopRow(), 1);

    // Shrinking below the current cell moves it onto the last row and column.
    grid.setRows(2);
    grid.setCols(2);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(FlexGridTest, CurrentCellAndSelection)
{
    FlexGrid grid;
    grid.setRows(20);
    grid.setCols(12);
    QSignalSpy moves(&grid, &FlexGrid::RowColChange);

    grid.setRow(3);
    grid.setCol(11);
    EXPECT_EQ(moves.count(), 2);
    grid.setColSel(1); // columns 1 to 11 of row 3 show as selected
    EXPECT_EQ(grid.ColSel(), 1);
    EXPECT_EQ(grid.RowSel(), 3);
    const QModelIndexList selected = grid.selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 11);
    for (const QModelIndex& index : selected)
        EXPECT_EQ(index.row(), 3 - grid.FixedRows());

    // Moving the current cell shrinks the selection back to it.
    grid.setRow(5);
    EXPECT_EQ(grid.ColSel(), 11);
    EXPECT_EQ(grid.RowSel(), 5);
    EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty());

    // A selection over fixed cells highlights only the others.
    grid.setRow(0);
    grid.setCol(1);
    grid.setRowSel(2);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 2);

    // Setting the current cell never scrolls.
    grid.resize(300, 150);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setRow(19);
    QApplication::processEvents();
    EXPECT_EQ(grid.TopRow(), 1);
    grid.close();
}

TEST(FlexGridTest, ClicksMakeTheCellCurrentBeforeTheHandlerRuns)
{
    FlexGrid grid;
    grid.setRows(10);
    grid.setCols(9);
    FillHeadings(grid);
    grid.setTextMatrix(4, 6, "33");
    grid.resize(600, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));

    int clickedRow = -1, clickedCol = -1;
    QString textSeen;
    QObject::connect(&grid, &FlexGrid::Click, [&](int row, int col) {
        clickedRow = row;
        clickedCol = col;
        textSeen = grid.Text();
        // A handler that highlights the row, as the entry windows do.
        grid.setCol(8);
        grid.setColSel(1);
    });
    QSignalSpy doubles(&grid, &FlexGrid::DblClick);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(4, 6).center());
    EXPECT_EQ(clickedRow, 4);
    EXPECT_EQ(clickedCol, 6);
    EXPECT_EQ(textSeen, "33");
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 8);

    // A click elsewhere starts over from the clicked cell.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(2, 2).center());
    EXPECT_EQ(clickedRow, 2);
    EXPECT_EQ(textSeen, "");
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 8);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(3, 1).center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(3, 1).center());
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles.at(0).at(0).toInt(), 3);
    EXPECT_EQ(doubles.at(0).at(1).toInt(), 1);
    grid.close();
}

TEST(FlexGridTest, CellColours)
{
    FlexGrid grid;
    grid.setRows(5);
    grid.setCols(9);
    const QColor white = grid.palette().color(QPalette::Base);
    EXPECT_EQ(grid.cellBackColor(2, 2), white);

    // Program colour values have red in the low byte: 160 is dark red.
    grid.setRow(0);
    grid.setCol(8);
    grid.setCellForeColor(std::uint32_t(160));
    grid.setText("Pball");
    EXPECT_EQ(grid.CellForeColor(), QColor(160, 0, 0));
    grid.setCellBackColor(0xC0FFFFu);
    EXPECT_EQ(grid.CellBackColor(), QColor(255, 255, 192));
    grid.setCellBackColor(Qt::yellow); // a Qt colour is not a colour value
    EXPECT_EQ(grid.CellBackColor(), QColor(255, 255, 0));

    grid.setCellBackColor(3, 4, QColor(255, 255, 0));
    EXPECT_EQ(grid.cellBackColor(3, 4), QColor(255, 255, 0));
    EXPECT_EQ(grid.TextMatrix(3, 4), "") << "colouring a cell leaves its text";
    grid.setCellForeColor(0, 0, QColor(0, 0, 255));
    EXPECT_EQ(grid.cellForeColor(0, 0), QColor(0, 0, 255));

    // Texts move, colours stay with the cell.
    grid.setTextMatrix(3, 4, "9");
    grid.setTextMatrix(2, 4, grid.TextMatrix(3, 4));
    grid.setTextMatrix(3, 4, "");
    EXPECT_EQ(grid.cellBackColor(2, 4), white);
    EXPECT_EQ(grid.cellBackColor(3, 4), QColor(255, 255, 0));
}

TEST(FlexGridTest, ClearEmptiesTextsAndColoursButKeepsTheLayout)
{
    FlexGrid grid;
    grid.setRows(30);
    grid.setCols(9);
    FillHeadings(grid);
    grid.setTextMatrix(7, 3, "12");
    grid.setCellBackColor(7, 3, Qt::yellow);
    grid.setCellForeColor(0, 8, QColor(160, 0, 0));
    grid.setColWidth(0, 70);
    grid.setColWidth(3, 55);
    grid.setColAlignment(3, Qt::AlignHCenter);
    grid.setRow(7);
    grid.setCol(3);

    grid.Clear();
    EXPECT_EQ(grid.Rows(), 30);
    EXPECT_EQ(grid.Cols(), 9);
    for (int r = 0; r < grid.Rows(); ++r)
        EXPECT_EQ(grid.rowTexts(r).join(""), "") << "row " << r;
    EXPECT_EQ(grid.cellBackColor(7, 3), grid.palette().color(QPalette::Base));
    EXPECT_EQ(grid.cellForeColor(0, 8), grid.palette().color(QPalette::ButtonText));
    EXPECT_EQ(grid.ColWidth(0), 70);
    EXPECT_EQ(grid.ColWidth(3), 55);
    EXPECT_EQ(grid.ColAlignment(3), Qt::AlignHCenter);
    EXPECT_EQ(grid.Row(), 7);

    // A cell written after Clear takes its column's alignment.
    grid.setTextMatrix(2, 3, "5");
    const QVariant align = grid.model()->index(2 - 1, 3 - 1).data(Qt::TextAlignmentRole);
    EXPECT_EQ(Qt::Alignment(align.toInt()), Qt::AlignHCenter | Qt::AlignVCenter);
}

TEST(FlexGridTest, TopRowScrollsWithinTheRows)
{
    FlexGrid grid;
    grid.setRows(200);
    grid.setCols(9);
    grid.resize(400, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    EXPECT_EQ(grid.TopRow(), 1);

    grid.setTopRow(2);
    EXPECT_EQ(grid.TopRow(), 2);
    grid.setTopRow(120);
    EXPECT_EQ(grid.TopRow(), 120);
    EXPECT_EQ(grid.rowAt(0), 119) << "row 120 is the first one drawn under the headings";
    grid.setTopRow(-3); // never above the first non-fixed row
    EXPECT_EQ(grid.TopRow(), 1);
    grid.setTopRow(5000); // no further than the last row allows
    EXPECT_GT(grid.TopRow(), 150);
    EXPECT_LE(grid.TopRow(), 199);
    grid.close();
}

TEST(FlexGridTest, LayoutFollowsTheColumns)
{
    FlexGrid grid;
    grid.setRows(10);
    grid.setCols(9);
    int sum = 0;
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.setColWidth(c, 40 + c);
        sum += 40 + c;
    }
    EXPECT_EQ(grid.ColWidth(0), 40);
    EXPECT_EQ(grid.ColWidth(8), 48);
    grid.fitWidthToColumns(8);
    EXPECT_GT(grid.width(), sum);
    EXPECT_LT(grid.width(), sum + 60);

    // Row heights follow the font.
    const int before = grid.rowHeight(0);
    QFont big = grid.font();
    big.setPointSize(big.pointSize() * 3);
    grid.setFont(big);
    EXPECT_GT(grid.rowHeight(0), before);
}

TEST(DatePickerTest, ShowsEnglishNamesWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        DatePicker picker;
        picker.setValue(QDate(2005, 3, 5));
        EXPECT_EQ(picker.CustomFormat(), DatePicker::LongFormat);
        EXPECT_EQ(picker.shownText(), "Sat 5 Mar 2005");
        picker.setCustomFormat(DatePicker::ShortFormat);
        EXPECT_EQ(picker.shownText(), "05 Mar 05");
        picker.setValue(QDate(2005, 12, 17));
        EXPECT_EQ(picker.shownText(), "17 Dec 05");
        EXPECT_TRUE(picker.calendarPopup());
    }
    QLocale::setDefault(saved);
}

TEST(DatePickerTest, ValueAndChanges)
{
    DatePicker picker;
    QSignalSpy changes(&picker, &DatePicker::Change);
    picker.setValue(QDate(1999, 12, 31));
    EXPECT_EQ(picker.Value(), QDate(1999, 12, 31));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toDate(), QDate(1999, 12, 31));

    picker.setValue(QDate()); // ignored
    EXPECT_EQ(picker.Value(), QDate(1999, 12, 31));
    picker.setValue(QDate(1850, 1, 1));
    EXPECT_EQ(picker.Value(), QDate(1900, 1, 1));
    picker.setValue(QDate(2300, 1, 1));
    EXPECT_EQ(picker.Value(), QDate(2100, 12, 31));
}

TEST(DatePickerTest, NoDateReadsAsNoneUntilOneIsEntered)
{
    SetClockForTests(QDateTime(QDate(2026, 6, 15), QTime(9, 0)));
    DatePicker picker;
    picker.setDateRange(QDate(1950, 1, 1), QDate(2049, 12, 31));
    picker.setCustomFormat(DatePicker::ShortFormat);
    picker.setValue(QDate(2005, 3, 5));
    QSignalSpy changes(&picker, &DatePicker::Change);
    picker.setNoValue();
    EXPECT_FALSE(picker.Value().isValid());
    EXPECT_EQ(picker.shownText().trimmed(), "");
    ASSERT_EQ(changes.count(), 1);
    EXPECT_FALSE(changes.at(0).at(0).toDate().isValid());
    picker.setNoValue(); // again: still none, and the range stays
    EXPECT_FALSE(picker.Value().isValid());

    // A date set by the program ends it; the range is the same as before.
    picker.setValue(QDate(1900, 1, 1));
    EXPECT_EQ(picker.Value(), QDate(1950, 1, 1));
    EXPECT_EQ(picker.minimumDate(), QDate(1950, 1, 1));
    EXPECT_EQ(picker.shownText(), "01 Jan 50");

    // Stepped by the player from no date: today.
    picker.setNoValue();
    picker.stepBy(-1);
    EXPECT_EQ(picker.Value(), QDate(2026, 6, 15));
    EXPECT_EQ(changes.last().at(0).toDate(), QDate(2026, 6, 15));

    // The calendar opens at the present month.
    picker.setNoValue();
    picker.show();
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() - 4, picker.height() / 2));
    ASSERT_NE(picker.calendarWidget(), nullptr);
    EXPECT_TRUE(picker.calendarWidget()->isVisible());
    EXPECT_EQ(picker.calendarWidget()->yearShown(), 2026);
    EXPECT_EQ(picker.calendarWidget()->monthShown(), 6);
    EXPECT_FALSE(picker.Value().isValid());
    picker.calendarWidget()->window()->hide();

    // Typed by the player: into today's date, from its first part.
    picker.setNoValue();
    picker.show();
    picker.setFocus();
    QTest::keyClicks(&picker, "12");
    EXPECT_EQ(picker.Value(), QDate(2026, 6, 12));
    EXPECT_EQ(picker.shownText(), "12 Jun 26");
}

// Writing row labels while the current cell moves row by row, as windows fill
// their grids, measures the labels no more than a few times.
TEST(FlexGridTest, RowLabelsAreNotMeasuredForEachRow)
{
    struct CountingStyle : QProxyStyle {
        mutable int measured = 0;
        QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                               const QWidget* widget) const override
        {
            if (type == CT_HeaderSection)
                ++measured;
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        }
    };
    FlexGrid grid;
    grid.setCols(9);
    grid.setRows(181);
    auto* style = new CountingStyle;
    style->setParent(&grid);
    grid.verticalHeader()->setStyle(style);
    grid.show();
    QApplication::processEvents();
    style->measured = 0;
    for (int r = 1; r <= 179; ++r) {
        grid.setTextMatrix(r, 0, QString::number(r));
        grid.setRow(r);
        grid.setCol(8);
    }
    QApplication::processEvents();
    EXPECT_LT(style->measured, 200);
}

// A batch of cell writes reaches the view as one change.
TEST(FlexGridTest, ABatchOfWritesIsOneChange)
{
    FlexGrid grid;
    grid.setCols(9);
    grid.setRows(100);
    QSignalSpy changes(grid.model(), &QAbstractItemModel::dataChanged);
    {
        const FlexGrid::Batch batch(&grid);
        for (int r = 1; r < 100; ++r) {
            grid.setTextMatrix(r, 0, QString::number(r));
            grid.setTextMatrix(r, 3, "7");
            grid.setCellForeColor(r, 8, QColor(Qt::red));
        }
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(grid.TextMatrix(99, 0), "99");
    EXPECT_EQ(grid.model()->data(grid.model()->index(98, 2)).toString(), "7");
}
