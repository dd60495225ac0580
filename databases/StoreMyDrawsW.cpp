#include "databases/StoreMyDrawsW.h"

#include "core/OpenLottery.h"
#include "core/Skinning.h"
#include "databases/DrawDatabase.h"
#include "databases/EntryCheck.h"
#include "databases/SavedEntries.h"
#include "generators/Tips.h"
#include "platform/DatePicker.h"
#include "platform/Dates.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/Text.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kGridRows = 200; // heading row and rows 1 to 199
constexpr int kGridCols = 12;
constexpr std::uint32_t kDarkRed = 160;
const QString kNewLine = QStringLiteral("\r\n");

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

StoreMyDrawsW::StoreMyDrawsW(QWidget* parent) : QDialog(parent)
{
    setObjectName("StoreMyDrawsW");
    setWindowTitle("Store Draws Entries");

    Label5 = Label(this, "Label5", "Store lottery draw entries");
    QFont big = Label5->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Label5->setFont(big);
    Label9 = Label(this, "Label9",
                   "If you pick your lottery numbers manually, enter them here so they can be saved to disk. You "
                   "can then view them, print them, and check them against the latest draw results to see if you "
                   "have won anything.");
    Label9->setWordWrap(true);
    Label8 = Label(this, "Label8", "Select the lottery:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMaximumHeight(List1->fontMetrics().height() * 6);
    Label7 = Label(this, "Label7", "Draw date:");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    Label1 = Label(this, "Label1", "Enter your numbers:");
    Label2 = Label(this, "Label2", " Pball");
    LabelPName = Label(this, "LabelPName", "Player/syndicate:");
    TextPName = new QLineEdit(this);
    TextPName->setObjectName("TextPName");
    TextPName->setToolTip(" Enter the player's name or syndicate name ");
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (int i = 1; i <= 8; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setValidator(digits); // digits and Backspace only
        Text1[i]->setAlignment(Qt::AlignCenter);
        Text1[i]->setMaximumWidth(Text1[i]->fontMetrics().horizontalAdvance("00000") + 12);
    }
    Command2 = Button(this, "Command2", "Add", " Add this entry to the grid ");
    Command4 = Button(this, "Command4", QString(), " Delete current row ");
    Command4->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    Command5 = Button(this, "Command5", QString(), " Move current row up ");
    Command5->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command6 = Button(this, "Command6", QString(), " Move current row down ");
    Command6->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command3 = Button(this, "Command3", QString(), " Save all lottery entries in the grid ");
    Command3->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Command1 = Button(this, "Command1", QString(), " Close the window ");
    Command1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the file column stays out of view
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 20);

    // The input controls stand in one row above the grid, in the order of its
    // columns.
    auto* inputs = new QGridLayout;
    inputs->addWidget(Label7, 0, 0);
    inputs->addWidget(DTPicker1, 1, 0);
    inputs->addWidget(Label1, 0, 1, 1, 7);
    for (int i = 1; i <= 8; ++i)
        inputs->addWidget(Text1[i], 1, i);
    inputs->addWidget(Label2, 0, 8);
    inputs->addWidget(LabelPName, 0, 9);
    inputs->addWidget(TextPName, 1, 9);
    inputs->addWidget(Command2, 1, 10);
    inputs->setColumnStretch(11, 1);

    auto* top = new QHBoxLayout;
    auto* lottery = new QVBoxLayout;
    lottery->addWidget(Label8);
    lottery->addWidget(List1);
    top->addWidget(Label9, 1);
    top->addLayout(lottery);

    auto* rowButtons = new QVBoxLayout;
    rowButtons->addWidget(Command4);
    rowButtons->addWidget(Command5);
    rowButtons->addWidget(Command6);
    rowButtons->addStretch(1);
    rowButtons->addWidget(Command3);
    rowButtons->addWidget(Command1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(MSFlexGrid1, 1);
    gridRow->addLayout(rowButtons);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label5);
    main->addLayout(top);
    main->addLayout(inputs);
    main->addLayout(gridRow, 1);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(MSFlexGrid1, &FlexGrid::Click, this, [this] { MSFlexGrid1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });

    Form_Load();
}

void StoreMyDrawsW::Skinning()
{
    SkinLabels labels;
    labels.title = {"Label5"};
    labels.body = {"Label9"};
    ::Skinning(this, SkinFamily::Databases, labels);
}

void StoreMyDrawsW::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::ShortFormat);
    DTPicker1->setValue(Today());

    FlexGrid* g = MSFlexGrid1;
    g->setRows(kGridRows);
    g->setCols(kGridCols);
    const QFontMetrics fm(g->font());
    const int pad = 8;
    g->setTextMatrix(0, 0, "Date");
    g->setColWidth(0, fm.horizontalAdvance("----------DATE-----------") + pad);
    g->setColAlignment(0, Qt::AlignHCenter);
    for (int c = 1; c <= 8; ++c) {
        g->setTextMatrix(0, c, c == 8 ? QStringLiteral("Pball") : QStringLiteral("Num%1").arg(c));
        g->setColWidth(c, fm.horizontalAdvance("---NUM---") + pad);
        g->setColAlignment(c, Qt::AlignHCenter);
    }
    g->setCellForeColor(0, 8, ToQColor(kDarkRed));
    g->setTextMatrix(0, 9, "Lottery");
    g->setColWidth(9, fm.horizontalAdvance("-------LOTTERY NAME--------") + pad);
    g->setTextMatrix(0, 10, "Name");
    g->setColWidth(10, fm.horizontalAdvance("-------PLAYER NAME---------") + pad);
    for (int r = 1; r < kGridRows; ++r)
        g->setCellForeColor(r, 8, ToQColor(kDarkRed));
    g->fitWidthToColumns(10);

    if (ListDatabases(this) > 0)
        List1->setCurrentRow(0); // runs the lottery choice
    else
        MsgBox("No lotteries to display!    ", vbExclamation, "Error!");
}

void StoreMyDrawsW::List1_Click()
{
    const int index = List1->currentRow();
    if (index < 0 || index >= kMaxDatabases)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lotteryRead_ = ReadOpenLotteryHeader(DbaseFiles[index]);
    const int balls = lotteryRead_ ? std::clamp(BallsDrawn, 0, 7) : 0;
    for (int i = 1; i <= 8; ++i)
        Text1[i]->setVisible(i <= balls);
    const bool extra = lotteryRead_ && ExtraBallMax > 0;
    Text1[8]->setVisible(extra);
    Label2->setVisible(extra);
    ChosenRow = 0; // no row chosen until one is clicked or added
    QApplication::restoreOverrideCursor();
}

int StoreMyDrawsW::filledRows() const
{
    int n = 0;
    while (n + 1 < kGridRows && !MSFlexGrid1->TextMatrix(n + 1, 0).isEmpty())
        ++n;
    return n;
}

void StoreMyDrawsW::Command2_Click()
{
    std::array<QString, 9> texts;
    for (int i = 1; i <= 8; ++i)
        texts[i] = Text1[i]->text();
    LotteryDefinition lottery;
    lottery.ballsDrawn = BallsDrawn;
    lottery.maxBall = MaxBall;
    lottery.extraBallMax = ExtraBallMax;
    lottery.hasBonusBall = HasBonusBall;
    if (!lotteryRead_ || !TypedEntryValid(texts, lottery, lottery.ballsDrawn, lottery.extraBallMax > 0)) {
        ShowTip(6);
        return;
    }
    const int r = filledRows() + 1;
    if (r >= kGridRows) {
        MsgBox("The grid is full. Please save these entries first.  ", vbExclamation, "Error!");
        return;
    }
    FlexGrid* g = MSFlexGrid1;
    if (r + g->TopRow() > 7)
        g->setTopRow(std::max(1, r - 5));
    g->setTextMatrix(r, 0, FormatShortDate(DTPicker1->Value()));
    for (int i = 1; i <= 7; ++i)
        g->setTextMatrix(r, i, i <= BallsDrawn ? texts[i].trimmed() : QString());
    g->setTextMatrix(r, 8, ExtraBallMax > 0 ? texts[8].trimmed() : QString());
    g->setTextMatrix(r, 9, LotteryName);
    g->setTextMatrix(r, 10, SavedEntryField(TextPName->text()));
    g->setTextMatrix(r, 11, DbaseFile);
    ChosenRow = r;
    highlight();
    for (int i = 1; i <= 8; ++i)
        Text1[i]->clear();
}

void StoreMyDrawsW::highlight()
{
    if (ChosenRow < 1)
        return;
    MSFlexGrid1->setRow(ChosenRow);
    MSFlexGrid1->setCol(11);
    MSFlexGrid1->setColSel(1);
}

void StoreMyDrawsW::MSFlexGrid1_Click()
{
    ChosenRow = MSFlexGrid1->Row();
    highlight();
}

void StoreMyDrawsW::swapRows(int a, int b)
{
    for (int c = 0; c < kGridCols; ++c) {
        const QString t = MSFlexGrid1->TextMatrix(a, c);
        MSFlexGrid1->setTextMatrix(a, c, MSFlexGrid1->TextMatrix(b, c));
        MSFlexGrid1->setTextMatrix(b, c, t);
    }
}

void StoreMyDrawsW::Command4_Click()
{
    const int s = ChosenRow;
    const int n = filledRows();
    if (s < 1 || s > n)
        return;
    for (int i = s; i < n; ++i)
        for (int c = 0; c < kGridCols; ++c)
            MSFlexGrid1->setTextMatrix(i, c, MSFlexGrid1->TextMatrix(i + 1, c));
    for (int c = 0; c < kGridCols; ++c)
        MSFlexGrid1->setTextMatrix(n, c, QString());
    highlight();
}

void StoreMyDrawsW::Command5_Click()
{
    const int m = ChosenRow;
    if (m <= 1)
        return;
    if (m > filledRows()) {
        highlight();
        return;
    }
    swapRows(m, m - 1);
    ChosenRow = m - 1;
    highlight();
}

void StoreMyDrawsW::Command6_Click()
{
    const int m = ChosenRow;
    if (m < 1)
        return;
    if (m + 1 > filledRows()) {
        highlight();
        return;
    }
    swapRows(m, m + 1);
    ChosenRow = m + 1;
    highlight();
}

void StoreMyDrawsW::Command3_Click()
{
    QList<SavedEntry> entries;
    const int n = filledRows();
    for (int r = 1; r <= n; ++r) {
        SavedEntry e;
        e.date = MSFlexGrid1->TextMatrix(r, 0);
        for (int i = 0; i < kSavedEntryNumbers; ++i)
            e.numbers[i] = MSFlexGrid1->TextMatrix(r, i + 1);
        e.lottery = MSFlexGrid1->TextMatrix(r, 9);
        e.name = MSFlexGrid1->TextMatrix(r, 10);
        e.dbaseFile = MSFlexGrid1->TextMatrix(r, 11);
        entries << e;
    }
    if (!entries.isEmpty()) {
        if (!AppendSavedEntries(entries)) {
            MsgBox("Your entries could not be saved.  ", vbExclamation, "Error!");
            return;
        }
        MsgBox("Your entries have been saved.  ", vbInformation); // under the application's title
    }
    done(QDialog::Accepted);
}

bool StoreMyDrawsW::confirmClose()
{
    if (MSFlexGrid1->TextMatrix(1, 0).isEmpty())
        return true;
    return MsgBox("If you have made changes you should    " + kNewLine + "click Save to save them. If you        "
                      + kNewLine + "continue, any changes will be lost.    ",
                  vbOKCancel + vbExclamation, "Warning!")
        == vbOK;
}

void StoreMyDrawsW::Command1_Click()
{
    if (confirmClose())
        done(QDialog::Rejected);
}

void StoreMyDrawsW::reject()
{
    if (confirmClose())
        QDialog::reject();
}
