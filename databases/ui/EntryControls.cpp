#include "databases/ui/EntryControls.h"
#include "platform/ui/Colours.h"

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
    grid->setCols(kSavedEntryFields);
    const QFontMetrics fm(grid->font());
    grid->setTextMatrix(0, kDateColumn, QStringLiteral("Date"));
    grid->setColWidth(kDateColumn, fm.horizontalAdvance(widths.date) + kPad);
    grid->setColAlignment(kDateColumn, Qt::AlignHCenter);
    for (int c = kFirstNumberColumn; c <= kExtraBallColumn; ++c) {
        grid->setTextMatrix(0, c, c == kExtraBallColumn ? QStringLiteral("Pball") : QStringLiteral("Num%1").arg(c));
        grid->setColWidth(c, fm.horizontalAdvance(widths.number) + kPad);
        grid->setColAlignment(c, Qt::AlignHCenter);
    }
    grid->setTextMatrix(0, kLotteryColumn, QStringLiteral("Lottery"));
    grid->setColWidth(kLotteryColumn, fm.horizontalAdvance(widths.lottery) + kPad);
    grid->setTextMatrix(0, kNameColumn, QStringLiteral("Name"));
    grid->setColWidth(kNameColumn, fm.horizontalAdvance(widths.name) + kPad);
    for (int c = kLotteryColumn; c <= kDbaseFileColumn; ++c)
        grid->setColAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
    for (int r = 0; r < rows; ++r)
        grid->setCellForeColor(r, kExtraBallColumn, ToQColor(kExtraBallColour));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the file column stays out of view
    grid->fitWidthToColumns(kNameColumn);
}

std::array<QLineEdit*, 9> MakeNumberBoxes(QWidget* parent)
{
    std::array<QLineEdit*, 9> boxes{};
    for (int i = 1; i <= kExtraBallColumn; ++i)
        boxes[i] = NamedDigitsBox(parent, QStringLiteral("Text1_%1").arg(i), 4);
    return boxes;
}

void ShowNumberBoxes(const std::array<QLineEdit*, 9>& boxes, QLabel* pballLabel, const LotteryDefinition& lottery)
{
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);
    for (int i = 1; i <= 7; ++i)
        boxes[i]->setVisible(i <= balls);
    boxes[kExtraBallColumn]->setVisible(lottery.extraBallMax > 0);
    pballLabel->setVisible(lottery.extraBallMax > 0);
}

void HighlightRow(FlexGrid* grid, int row, int lastCol)
{
    if (row < 1)
        return;
    grid->setRow(row);
    grid->setCol(lastCol);
    grid->setColSel(1);
}
