#include "databases/ui/WhatIf.h"
#include "core/ui/DatabaseList.h"
#include "platform/ui/Colours.h"

#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/ui/Skinning.h"
#include "databases/DrawCheck.h"
#include "databases/ui/EntryControls.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "core/ui/TipBox.h"
#include "generators/Tips.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/Text.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kGridRows = 1000; // heading row and rows 1 to 999
constexpr int kGridCols = 10;
} // namespace

WhatIf::WhatIf(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("WhatIf");
    setWindowTitle("What if...?");

    Label5 = NamedLabel(this, "Label5", "What if...?");
    MakeTitle(Label5);
    Label9 = NamedLabel(this, "Label9",
                        "What if you had played the same lottery numbers each week since the lottery started. Would "
                        "you have won the jackpot? What if you had bought 10 tickets each week. Of course, it would be "
                        "expensive, but if you would have won, it would have been worth it. What if...");
    Label4 =
        NamedLabel(this, "Label4",
                   "You can load lottery entries that have been saved to disk or type them in directly. Tip: Choose "
                   "one of the methods of picking lottery entries, such as Full Selection, save the entries, then "
                   "load them here to see how good that method is.");
    Label9->setWordWrap(true);
    Label4->setWordWrap(true);
    Label8 = NamedLabel(this, "Label8", "1. Select lottery:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMaximumWidth(List1->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 16);
    Label1 = NamedLabel(this, "Label1", "2. Enter numbers:");
    Label2 = NamedLabel(this, "Label2", "Pball:");
    Text1 = MakeNumberBoxes(this);
    // Room for two digits is enough here and keeps the window within a
    // 1280-pixel screen beside the grid and the report.
    for (int i = 1; i <= kExtraBallColumn; ++i)
        Text1[i]->setFixedWidth(Text1[i]->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    Command2 = NamedButton(this, "Command2", "Add", " Add this lottery entry ");
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 8);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 20);
    Command4 = NamedPictureButton(this, "Command4", QStyle::SP_TrashIcon, QString(), " Delete selected lottery entry ");
    Label3 = NamedLabel(this, "Label3", "3. Check numbers:");
    Command3 = NamedButton(this, "Command3", "Check", " See if you have won! ");
    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName("Text2");
    Text2->setReadOnly(true);
    Text2->setMinimumWidth(Text2->fontMetrics().horizontalAdvance(" 0 - match + powerball = 000000 times") + 40);
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, "Close", " Close the window ");

    auto* numbers = new QGridLayout;
    for (int i = 1; i <= 7; ++i)
        numbers->addWidget(Text1[i], 0, i - 1);
    numbers->addWidget(Label2, 1, 0);
    numbers->addWidget(Text1[8], 2, 0);
    numbers->addWidget(Command2, 2, 2, 1, 5, Qt::AlignRight | Qt::AlignBottom);
    numbers->setColumnStretch(7, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(Label8);
    left->addWidget(List1);
    left->addWidget(Label1);
    left->addLayout(numbers);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(MSFlexGrid1, 1);
    gridColumn->addWidget(Command4, 0, Qt::AlignLeft);
    auto* right = new QVBoxLayout;
    right->addWidget(Label3);
    right->addWidget(Command3);
    right->addWidget(Text2, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(gridColumn);
    body->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label5);
    main->addWidget(Label9);
    main->addWidget(Label4);
    main->addLayout(body, 1);
    main->addLayout(buttons);

    ConnectListChoice(List1, this, &WhatIf::List1_Click);
    connect(MSFlexGrid1, &FlexGrid::Click, this, &WhatIf::MSFlexGrid1_Click);
    connect(Command1, &QPushButton::clicked, this, &WhatIf::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &WhatIf::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &WhatIf::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &WhatIf::Command4_Click);
}

void WhatIf::Skinning()
{
    ::Skinning(this, SkinFamily::Analyse,
               {.title = {Label5}, .body = {Label9, Label4}, .label = {Label8, Label1, Label2, Label3}, .other = {}});
}

void WhatIf::Form_Load()
{
    Skinning();
    InitGrid();
    ListDatabases(List1); // no lottery is chosen yet
    Busy = false;
}

void WhatIf::InitGrid()
{
    FlexGrid* g = MSFlexGrid1;
    g->setRows(kGridRows);
    g->setCols(kGridCols);
    g->Clear();
    const int width = g->fontMetrics().horizontalAdvance("000000") + 8;
    for (int c = 8; c >= 0; --c) {
        g->setColWidth(c, width);
        g->setColAlignment(c, Qt::AlignHCenter);
        g->setTextMatrix(0, c, QStringLiteral("Num%1").arg(c));
    }
    g->setTextMatrix(0, 0, "Line");
    g->setTextMatrix(0, 8, "Pball");
    g->setCellForeColor(0, 8, ToQColor(kExtraBallColour));
    // In a narrow window the grid gives up its last columns first.
    g->fitWidthToColumns(8, 4);
    g->setRow(1);
    g->setCol(1);
    ChosenRow = 0;
}

void WhatIf::List1_Click()
{
    if (Busy)
        return;
    {
        BusyGuard busy;
        Hourglass wait;
        InitGrid();
        Text2->clear();
        lotteryLoaded_ = LoadDatabase(List1->currentRow());
        loadedGeneration_ = OpenLotteryGeneration();
        lottery_ = OpenLotteryDefinition();
        lottery_.ballsDrawn = std::clamp(lottery_.ballsDrawn, 0, 7);
        ShowNumberBoxes(Text1, Label2, lottery_);
    }
    if (!SavedEntriesExist())
        return;
    if (MsgBox("Load saved draws?    ", vbYesNo + vbQuestion, "What if?") != vbYes)
        return;

    BusyGuard busy;
    Hourglass wait;
    // Saved lines hold the lottery's whole name, which the list may show cut.
    // The grid takes the first lines; an empty row stays after them.
    QString why;
    const auto saved = SavedLinesOf(LotteryName, kGridRows - 2, &why);
    if (!saved) {
        MsgBox("Your saved lottery entries could not be read from " + kSavedEntriesFile + ": " + why
                   + ". The file is left as it is.  ",
               vbExclamation, "Error!");
        return;
    }
    const std::vector<BallRow>& lines = *saved;
    const int n = static_cast<int>(lines.size());
    FlexGrid* g = MSFlexGrid1;
    for (int r = 1; r <= n; ++r) {
        g->setTextMatrix(r, 0, QString::number(r));
        for (int c = 1; c <= kExtraBallColumn; ++c) {
            const int v = lines[r - 1][c];
            g->setTextMatrix(r, c, v >= 1 ? QString::number(v) : QString());
        }
        g->setCellForeColor(r, 8, ToQColor(kExtraBallColour));
    }
    g->setTopRow(1);
    ChosenRow = 0;
}

void WhatIf::highlight() { HighlightRow(MSFlexGrid1, ChosenRow, 9); }

void WhatIf::Command2_Click()
{
    if (Busy)
        return;
    std::array<QString, 9> texts;
    for (int i = 1; i <= kExtraBallColumn; ++i)
        texts[i] = Text1[i]->text();
    // Before a lottery is chosen the numbers run 1 to 60.
    LotteryDefinition lottery = lottery_;
    if (!lotteryLoaded_) {
        lottery = LotteryDefinition{};
        lottery.ballsDrawn = 7;
        lottery.maxBall = 60;
    }
    const int balls = std::clamp(lottery.ballsDrawn, 0, 7);
    if (!TypedEntryValid(texts, lottery, std::min(4, balls), false)) {
        ShowTip(6);
        return;
    }
    FlexGrid* g = MSFlexGrid1;
    int r = 1;
    while (r < kGridRows && !g->TextMatrix(r, 0).isEmpty())
        ++r;
    if (r >= kGridRows) {
        MsgBox("The grid is full. Please delete some lines first.  ", vbExclamation, "Error!");
        return;
    }
    g->setTextMatrix(r, 0, QString::number(r));
    for (int c = 1; c <= 7; ++c)
        g->setTextMatrix(r, c, c <= balls ? texts[c].trimmed() : QString());
    g->setTextMatrix(r, 8, lottery.extraBallMax > 0 ? texts[kExtraBallColumn].trimmed() : QString());
    g->setCellForeColor(r, 8, ToQColor(kExtraBallColour));
    for (int i = 1; i <= kExtraBallColumn; ++i)
        Text1[i]->clear();
    ChosenRow = r;
    highlight();
}

void WhatIf::MSFlexGrid1_Click()
{
    ChosenRow = MSFlexGrid1->Row();
    highlight();
}

void WhatIf::Command4_Click()
{
    if (Busy || ChosenRow < 1)
        return;
    FlexGrid* g = MSFlexGrid1;
    const int r = ChosenRow;
    if (g->TextMatrix(r, 0).isEmpty())
        return;
    const int last = kGridRows - 1;
    const bool lastHeld = !g->TextMatrix(last, 0).isEmpty();
    for (int v = r + 1; v <= last; ++v) {
        for (int c = kGridCols - 1; c >= 0; --c)
            g->setTextMatrix(v - 1, c, g->TextMatrix(v, c));
        if (g->TextMatrix(v, 0).isEmpty())
            break;
    }
    if (lastHeld) // a full grid: its last row has moved up
        for (int c = 0; c < kGridCols; ++c)
            g->setTextMatrix(last, c, QString());
    highlight();
}

std::vector<BallRow> WhatIf::gridLines() const
{
    std::vector<BallRow> lines;
    for (int r = 1; r < kGridRows && !MSFlexGrid1->TextMatrix(r, 1).isEmpty(); ++r) {
        BallRow line{};
        for (int c = 1; c <= kExtraBallColumn; ++c)
            line[c] = CellFromText(MSFlexGrid1->TextMatrix(r, c));
        lines.push_back(line);
    }
    return lines;
}

WhatIfTallies WhatIf::CheckIt() const { return WhatIfTally(gridLines(), Draws, DrawCount(), lottery_); }

void WhatIf::Command3_Click()
{
    if (Busy)
        return;
    if (Val(MSFlexGrid1->TextMatrix(1, 1)) == 0)
        return; // no line typed or loaded
    // The list's current row alone is no choice: taking the focus makes its
    // first item current without loading that lottery.
    if (!lotteryLoaded_ || List1->selectedItems().isEmpty()) {
        MsgBox("Select a lottery first!    ", vbExclamation, "Error!");
        return;
    }
    BusyGuard busy;
    Hourglass wait;
    Text2->clear();
    // Another window may have opened another lottery since this one was
    // chosen: the check runs against the lottery chosen here.
    if (OpenLotteryGeneration() != loadedGeneration_) {
        lotteryLoaded_ = LoadDatabase(List1->currentRow());
        loadedGeneration_ = OpenLotteryGeneration();
    }
    const WhatIfTallies tallies = CheckIt();
    Text2->setPlainText(WhatIfReport(tallies, DrawCount(), lottery_));
}

void WhatIf::Command1_Click()
{
    // Every command runs to its end before the next click is handled, so
    // nothing can still be working here.
    done(QDialog::Rejected);
}
