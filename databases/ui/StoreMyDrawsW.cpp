#include "databases/ui/StoreMyDrawsW.h"
#include "core/ui/DatabaseList.h"

#include "core/OpenLottery.h"
#include "core/ui/Skinning.h"
#include "databases/EntryEdit.h"
#include "databases/DrawCheck.h"
#include "databases/ui/DrawEntry.h"
#include "databases/ui/EntryControls.h"
#include "databases/SavedEntries.h"
#include "core/ui/TipBox.h"
#include "generators/Tips.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/Dates.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/Text.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kGridRows = 200;               // heading row and rows 1 to 199
constexpr int kGridCols = kSavedEntryFields; // one column a field
const QString kNewLine = QStringLiteral("\r\n");
} // namespace

StoreMyDrawsW::StoreMyDrawsW(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("StoreMyDrawsW");
    setWindowTitle("Store Draws Entries");

    Label5 = NamedLabel(this, "Label5", "Store lottery draw entries");
    MakeTitle(Label5);
    Label9 = NamedLabel(this, "Label9",
                        "If you pick your lottery numbers manually, enter them here so they can be saved to disk. "
                        "You can then view them, print them, and check them against the latest draw results to see "
                        "if you have won anything.");
    Label9->setWordWrap(true);
    Label8 = NamedLabel(this, "Label8", "Select the lottery:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    Label7 = NamedLabel(this, "Label7", "Draw date:");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    LimitToStoredDates(DTPicker1); // the stored date has a two-digit year
    Label1 = NamedLabel(this, "Label1", "Enter your numbers:");
    Label2 = NamedLabel(this, "Label2", " Pball");
    LabelPName = NamedLabel(this, "LabelPName", "Player/syndicate:");
    TextPName = NamedLineEdit(this, "TextPName");
    TextPName->setToolTip(" Enter the player's name or syndicate name ");
    Text1 = MakeNumberBoxes(this);
    Command2 = NamedButton(this, "Command2", "Add", " Add this entry to the grid ");
    Command4 = NamedPictureButton(this, "Command4", QStyle::SP_TrashIcon, QString(), " Delete current row ");
    Command5 = NamedPictureButton(this, "Command5", QStyle::SP_ArrowUp, QString(), " Move current row up ");
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_ArrowDown, QString(), " Move current row down ");
    Command3 = NamedPictureButton(this, "Command3", QStyle::SP_DialogSaveButton, "Save",
                                  " Save all lottery entries in the grid ", "document-save");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, "Close", " Close the window ");
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 6);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 20);
    SetUpEntryGrid(MSFlexGrid1, kGridRows,
                   {"-------DATE--------", "--NUM--", "---LOTTERY NAME---", "---PLAYER NAME---"});

    // The input controls stand in one row above the grid, each over the
    // column it fills.
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(0);
    inputs->setContentsMargins(MSFlexGrid1->frameWidth(), 0, 0, 0);
    const auto over = [&](QWidget* control, int col, int row, int rowSpan = 1) {
        control->setFixedWidth(MSFlexGrid1->ColWidth(col) - 8);
        inputs->setColumnMinimumWidth(col, MSFlexGrid1->ColWidth(col));
        inputs->addWidget(control, row, col, rowSpan, 1, Qt::AlignLeft | Qt::AlignTop);
    };
    inputs->addWidget(Label7, 0, kDateColumn);
    over(DTPicker1, kDateColumn, 1);
    inputs->addWidget(Label1, 0, kFirstNumberColumn, 1, kLastMainColumn - kFirstNumberColumn + 1);
    for (int i = 1; i <= kExtraBallColumn; ++i)
        over(Text1[i], kFirstNumberColumn + i - 1, 1);
    inputs->addWidget(Label2, 0, kExtraBallColumn);
    inputs->addWidget(Label8, 0, kLotteryColumn);
    over(List1, kLotteryColumn, 1, 2);
    List1->setFixedHeight(List1->fontMetrics().height() * 4 + 2 * List1->frameWidth());
    inputs->addWidget(LabelPName, 0, kNameColumn);
    over(TextPName, kNameColumn, 1);
    inputs->addWidget(Command2, 2, kNameColumn, Qt::AlignLeft | Qt::AlignBottom);
    inputs->setColumnStretch(kDbaseFileColumn, 1);

    auto* rowButtons = new QVBoxLayout;
    rowButtons->addWidget(Command4);
    rowButtons->addWidget(Command5);
    rowButtons->addWidget(Command6);
    rowButtons->addStretch(1);
    rowButtons->addWidget(Command3);
    rowButtons->addWidget(Command1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(MSFlexGrid1);
    gridRow->addLayout(rowButtons);
    gridRow->addStretch(1);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label5);
    main->addWidget(Label9);
    main->addLayout(inputs);
    main->addLayout(gridRow, 1);
    // Tab goes as the controls stand: along the row above the grid, then the
    // grid and the buttons beside it.
    SetTabOrder({DTPicker1, Text1[1], Text1[2], Text1[3], Text1[4], Text1[5], Text1[6], Text1[7], Text1[8], List1,
                 TextPName, Command2, MSFlexGrid1, Command4, Command5, Command6, Command3, Command1});

    ConnectListChoice(List1, this, &StoreMyDrawsW::List1_Click);
    connect(MSFlexGrid1, &FlexGrid::Click, this, &StoreMyDrawsW::MSFlexGrid1_Click);
    connect(Command1, &QPushButton::clicked, this, &StoreMyDrawsW::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &StoreMyDrawsW::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &StoreMyDrawsW::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &StoreMyDrawsW::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &StoreMyDrawsW::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &StoreMyDrawsW::Command6_Click);
}

void StoreMyDrawsW::Skinning()
{
    ::Skinning(this, SkinFamily::Databases, {.title = {Label5}, .body = {Label9}, .label = {}, .other = {}});
}

void StoreMyDrawsW::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::ShortFormat);
    DTPicker1->setValue(Today());
    if (ListDatabases(List1) > 0)
        List1->setCurrentRow(0); // runs the lottery choice
    else
        MsgBox("No lotteries to display!    ", vbExclamation, "Error!");
}

void StoreMyDrawsW::List1_Click()
{
    const int index = List1->currentRow();
    if (index < 0 || index >= kMaxDatabases)
        return;
    Hourglass wait;
    lotteryRead_ = ReadOpenLotteryHeader(DbaseFiles[index]);
    ShowNumberBoxes(Text1, Label2, lotteryRead_ ? OpenLotteryDefinition() : LotteryDefinition{});
    ChosenRow = 0; // no row chosen until one is clicked or added
}

int StoreMyDrawsW::filledRows() const
{
    int n = 0;
    while (n + 1 < kGridRows && !MSFlexGrid1->TextMatrix(n + 1, kDateColumn).isEmpty())
        ++n;
    return n;
}

void StoreMyDrawsW::Command2_Click()
{
    const int lottery = List1->currentRow();
    if (!lotteryRead_ && lottery >= 0 && lottery < kMaxDatabases) {
        // No number can be checked against a lottery that could not be read.
        MsgBox("The lottery database " + DbaseFiles[lottery]
                   + " cannot be read.    \r\n"
                     "Please choose another lottery.    ",
               vbExclamation, "Error!");
        return;
    }
    std::array<QString, 9> texts;
    for (int i = 1; i <= kExtraBallColumn; ++i)
        texts[i] = Text1[i]->text();
    const auto numbers = lotteryRead_ ? TypedEntryNumbers(texts, OpenLotteryDefinition()) : std::nullopt;
    if (!numbers) {
        ShowTip(6);
        return;
    }
    const int r = filledRows() + 1;
    if (r >= kGridRows) {
        MsgBox("The grid is full. Please save these entries first.  ", vbExclamation, "Error!");
        return;
    }
    SavedEntry entry;
    entry.date = FormatShortDate(DTPicker1->Value());
    entry.numbers = *numbers;
    entry.lottery = LotteryName;
    entry.name = SavedEntryField(TextPName->text());
    entry.dbaseFile = DbaseFile;
    FlexGrid* g = MSFlexGrid1;
    if (r + g->TopRow() > 7)
        g->setTopRow(std::max(1, r - 5));
    for (int c = 0; c < kGridCols; ++c)
        g->setTextMatrix(r, c, EntryField(entry, c));
    ChosenRow = r;
    highlight();
    for (int i = 1; i <= kExtraBallColumn; ++i)
        Text1[i]->clear();
}

void StoreMyDrawsW::highlight() { HighlightRow(MSFlexGrid1, ChosenRow, kDbaseFileColumn); }

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
        for (int c = 0; c < kGridCols; ++c)
            SetEntryField(e, c, MSFlexGrid1->TextMatrix(r, c));
        entries << e;
    }
    if (!entries.isEmpty()) {
        if (QString why; !AppendSavedEntries(entries, kSavedEntriesFile, &why)) {
            MsgBox("Your entries could not be saved to " + kSavedEntriesFile + ": " + why + ".  ", vbExclamation,
                   "Error!");
            return;
        }
        MsgBox("Your entries have been saved.  ", vbInformation); // under the application's title
    }
    done(QDialog::Accepted);
}

bool StoreMyDrawsW::confirmClose()
{
    if (MSFlexGrid1->TextMatrix(1, kDateColumn).isEmpty())
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
