#include "databases/ui/EntryControls.h"
#include "platform/ui/Colours.h"

#include "core/OpenLottery.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

void SetUpEntryGrid(FlexGrid* grid, int rows, const EntryGridWidths& widths)
{
    constexpr int kPad = 8;
    grid->setRows(rows);
    grid->setCols(12);
    const QFontMetrics fm(grid->font());
    grid->setTextMatrix(0, 0, QStringLiteral("Date"));
    grid->setColWidth(0, fm.horizontalAdvance(widths.date) + kPad);
    grid->setColAlignment(0, Qt::AlignHCenter);
    for (int c = 1; c <= 8; ++c) {
        grid->setTextMatrix(0, c, c == 8 ? QStringLiteral("Pball") : QStringLiteral("Num%1").arg(c));
        grid->setColWidth(c, fm.horizontalAdvance(widths.number) + kPad);
        grid->setColAlignment(c, Qt::AlignHCenter);
    }
    grid->setTextMatrix(0, 9, QStringLiteral("Lottery"));
    grid->setColWidth(9, fm.horizontalAdvance(widths.lottery) + kPad);
    grid->setTextMatrix(0, 10, QStringLiteral("Name"));
    grid->setColWidth(10, fm.horizontalAdvance(widths.name) + kPad);
    for (int c = 9; c <= 11; ++c)
        grid->setColAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
    for (int r = 0; r < rows; ++r)
        grid->setCellForeColor(r, 8, ToQColor(kExtraBallColour));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the file column stays out of view
    grid->fitWidthToColumns(10);
}

std::array<QLineEdit*, 9> MakeNumberBoxes(QWidget* parent)
{
    std::array<QLineEdit*, 9> boxes{};
    for (int i = 1; i <= 8; ++i)
        boxes[i] = NamedDigitsBox(parent, QStringLiteral("Text1_%1").arg(i), 4);
    return boxes;
}

void ShowNumberBoxes(const std::array<QLineEdit*, 9>& boxes, QLabel* pballLabel, const LotteryDefinition& lottery)
{
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);
    for (int i = 1; i <= 7; ++i)
        boxes[i]->setVisible(i <= balls);
    boxes[8]->setVisible(lottery.extraBallMax > 0);
    pballLabel->setVisible(lottery.extraBallMax > 0);
}

LotteryDefinition OpenLotteryDefinition()
{
    LotteryDefinition lottery;
    lottery.ballsDrawn = BallsDrawn;
    lottery.maxBall = MaxBall;
    lottery.headerValue3 = HeaderValue3;
    lottery.extraBallMax = ExtraBallMax;
    lottery.hasBonusBall = HasBonusBall;
    return lottery;
}

void HighlightRow(FlexGrid* grid, int row, int lastCol)
{
    if (row < 1)
        return;
    grid->setRow(row);
    grid->setCol(lastCol);
    grid->setColSel(1);
}
