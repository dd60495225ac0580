#include "databases/ui/ShowMyDrawsW.h"

#include "core/OpenLottery.h"
#include "core/ui/Skinning.h"
#include "databases/EntryEdit.h"
#include "databases/ui/EntryControls.h"
#include "core/ui/TipBox.h"
#include "generators/Entries.h"
#include "generators/Tips.h"
#include "platform/Dates.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "platform/Text.h"
#include "printing/ui/PrintReports.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kGridRows = 501;               // heading row and rows 1 to 500
constexpr int kGridCols = kSavedEntryFields; // one column a field
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kLightRed(255, 192, 192);

QFrame* Group(QWidget* parent, const QString& name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

// Says why a changed cell was refused, as the window always has.
void ShowEntryEditError(EntryEditError error)
{
    switch (error) {
    case EntryEditError::FixedColumn: MsgBox("Can't change lotteries!  ", vbExclamation, "Error"); break;
    case EntryEditError::OutOfRange: MsgBox("Number out of range!  ", vbExclamation, "Error"); break;
    case EntryEditError::RepeatedNumber:
    case EntryEditError::BadDate:
    case EntryEditError::Unwritable: ShowTip(6); break;
    case EntryEditError::NoText: break; // only cells that hold text can be changed
    }
}

QLabel* ColourBox(QWidget* parent, const QString& name, const QColor& colour)
{
    auto* l = NamedLabel(parent, name, QString());
    l->setFixedSize(16, 16);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, colour);
    l->setPalette(p);
    l->setFrameShape(QFrame::Box);
    return l;
}
} // namespace

ShowMyDrawsW::ShowMyDrawsW(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("ShowMyDrawsW");
    setWindowTitle("Show/Check Lottery Entries");

    Label5 = NamedLabel(this, "Label5", "   Your lottery entries");
    MakeTitle(Label5);
    Label8 = NamedLabel(this, "Label8", "Stored lottery entries");
    Label9 = NamedLabel(this, "Label9",
                        "The Check button tells you if you have won anything. Each lottery entry is checked with the "
                        "lottery draw result on the date specified. Any numbers matched are highlighted.");
    Label10 =
        NamedLabel(this, "Label10",
                   "To play the same lottery entry in future draw, select the row and update the draw date below. "
                   "Numbers and names can be changed too. Click any item and use the edit box below.");
    Label9->setWordWrap(true);
    Label10->setWordWrap(true);

    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 8);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 18);

    Label3 = ColourBox(this, "Label3", kYellow);
    Label4 = NamedLabel(this, "Label4", "Match main draw number:");
    Label7 = ColourBox(this, "Label7", kLightRed);
    for (int i = 0; i < 4; ++i)
        Label6[i] = NamedLabel(this, QStringLiteral("Label6_%1").arg(i), QString());
    Label6[0]->setText("Match Bonus/Powerball:");
    Label6[1]->setText("Edit");
    Label6[2]->setText("Delete");
    Label6[3]->setText("Sort");
    // The colour key shows from the first Check on; its place is kept from
    // the start, so the window does not widen under the player's hand.
    for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Label7, Label6[0]}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    Label2 = NamedLabel(this, "Label2", "Item:");
    Text1 = NamedLineEdit(this, "Text1");
    Command10 = NamedButton(this, "Command10", "Enter", " Change cell value ");
    Label1 = NamedLabel(this, "Label1", "Date:");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    Command8 = NamedButton(this, "Command8", "This row", " Change date of current row ");
    Command12 = NamedButton(this, "Command12", "All rows", " Change date of all rows ");
    Command7 = NamedButton(this, "Command7", "This row", " Delete the current lottery entry ");
    Command9 = NamedButton(this, "Command9", "All rows", " Delete all lottery entries ");
    Command4 = NamedButton(this, "Command4", "Out of date", " Delete lottery entries older than today ");
    Command11 = NamedButton(this, "Command11", "By date", " Sort lottery entries by date ");
    Command3 = NamedButton(this, "Command3", "By name", " Sort lottery entries by player name ");
    Command6 = NamedButton(this, "Command6", "By lottery", " Sort lottery entries by lottery name ");
    Command2 = NamedButton(this, "Command2", "Check", " See if you have won! ");
    Label14 = NamedLabel(this, "Label14", "Check report:");
    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName("Text2");
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text2->setMinimumWidth(Text2->fontMetrics().horizontalAdvance(" 0-match+bonus/pball = 00000 times") + 40);
    Text2->setMinimumHeight(Text2->fontMetrics().height() * 6);
    Command13 = NamedPictureButton(this, "Command13", QStyle::SP_DialogSaveButton, "Save", " Save the lottery entries ",
                                   "document-save");
    Command5 = NamedPictureButton(this, "Command5", QStyle::SP_CustomBase, "Print", " Print out lottery entries ",
                                  "document-print");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, "Close", " Close ");

    // Layout: title, grid with its colour key, the texts, then the edit,
    // delete, sort and check groups, the report and the window's buttons.
    // The colour key stands over the grid's right end, leaving the grid the
    // window's width.
    auto* key = new QHBoxLayout;
    key->addWidget(Label8);
    key->addStretch(1);
    key->addWidget(Label4);
    key->addWidget(Label3);
    key->addSpacing(12);
    key->addWidget(Label6[0]);
    key->addWidget(Label7);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(MSFlexGrid1, 1);

    QFrame* edit = Group(this, "Label11");
    auto* editLayout = new QGridLayout(edit);
    editLayout->addWidget(Label6[1], 0, 0, 1, 4);
    editLayout->addWidget(Label2, 1, 0);
    editLayout->addWidget(Text1, 1, 1, 1, 2);
    editLayout->addWidget(Command10, 1, 3);
    editLayout->addWidget(Label1, 2, 0);
    editLayout->addWidget(DTPicker1, 2, 1);
    editLayout->addWidget(Command8, 2, 2);
    editLayout->addWidget(Command12, 2, 3);
    editLayout->setRowStretch(3, 1);
    QFrame* remove = Group(this, "Label12");
    auto* removeLayout = new QVBoxLayout(remove);
    removeLayout->addWidget(Label6[2]);
    removeLayout->addWidget(Command7);
    removeLayout->addWidget(Command9);
    removeLayout->addWidget(Command4);
    removeLayout->addStretch(1);
    QFrame* sort = Group(this, "Label13");
    auto* sortLayout = new QVBoxLayout(sort);
    sortLayout->addWidget(Label6[3]);
    sortLayout->addWidget(Command11);
    sortLayout->addWidget(Command3);
    sortLayout->addWidget(Command6);
    sortLayout->addStretch(1);
    auto* check = new QVBoxLayout;
    check->addWidget(Command2);
    check->addWidget(Label14);
    check->addWidget(Text2, 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(edit);
    groups->addWidget(remove);
    groups->addWidget(sort);
    groups->addLayout(check, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command13);
    buttons->addWidget(Command5);
    buttons->addWidget(Command1);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label5);
    main->addLayout(key);
    main->addLayout(gridRow, 1);
    main->addWidget(Label9);
    main->addWidget(Label10);
    main->addLayout(groups);
    main->addLayout(buttons);

    connect(MSFlexGrid1, &FlexGrid::Click, this, &ShowMyDrawsW::MSFlexGrid1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &ShowMyDrawsW::Command10_Click);
    connect(Command1, &QPushButton::clicked, this, &ShowMyDrawsW::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ShowMyDrawsW::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ShowMyDrawsW::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &ShowMyDrawsW::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &ShowMyDrawsW::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &ShowMyDrawsW::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &ShowMyDrawsW::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &ShowMyDrawsW::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &ShowMyDrawsW::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &ShowMyDrawsW::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &ShowMyDrawsW::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &ShowMyDrawsW::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &ShowMyDrawsW::Command13_Click);
}

void ShowMyDrawsW::Form_Load()
{
    Changed = false;
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::ShortFormat);
    DTPicker1->setValue(Today());

    SetUpEntryGrid(MSFlexGrid1, kGridRows,
                   {"------DATE--------", "---NUM----", "--------LOTTERY NAME---------", "-----PLAYER NAME---------"});
    // In a narrow window the names scroll into view; the file column stays
    // out of it.
    MSFlexGrid1->setColWidth(kDbaseFileColumn, 0);
    MSFlexGrid1->fitWidthToColumns(kNameColumn, kExtraBallColumn);
    Label5->setMinimumWidth(MSFlexGrid1->minimumWidth());

    for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Label7, Label6[0]})
        w->setVisible(false);

    LoadMyDraws();
    DisplayMyDraws();
}

void ShowMyDrawsW::Skinning()
{
    ::Skinning(this, SkinFamily::Databases,
               {.title = {Label8}, .body = {Label9, Label10}, .label = {Label14}, .other = {}});
}

void ShowMyDrawsW::LoadMyDraws()
{
    QString why;
    auto table = ReadMyDraws(kSavedEntriesFile, &why);
    loadFailed_ = !table.has_value();
    MyDraws = table ? std::move(*table) : MyDrawsTable{};
    if (loadFailed_) {
        // Saving would replace a file that could not be read: keep it as it is.
        Command13->setEnabled(false);
        MsgBox("Your saved lottery entries could not be read from " + kSavedEntriesFile + ": " + why
                   + ". The file is left as it is.  ",
               vbExclamation, "Error!");
    } else if (MyDraws.unreadable > 0) {
        MsgBox(QStringLiteral("Lines of %1 that could not be read: %2. They are not shown, and stay in the file as "
                              "they are.  ")
                   .arg(kSavedEntriesFile)
                   .arg(MyDraws.unreadable),
               vbExclamation, "Error!");
    }
}

void ShowMyDrawsW::DisplayMyDraws()
{
    FlexGrid* g = MSFlexGrid1;
    g->setUpdatesEnabled(false);
    for (int r = 1; r < kGridRows; ++r) {
        const SavedEntry* e = r <= entryCount() ? &MyDraws.rows[r - 1] : nullptr;
        for (int c = 0; c < kGridCols; ++c) {
            g->setTextMatrix(r, c, e ? EntryField(*e, c) : QString());
            if (c >= kFirstNumberColumn && c <= kExtraBallColumn)
                g->setCellBackColor(r, c, kWhite);
        }
    }
    g->setUpdatesEnabled(true);
    g->setRow(1);
    g->setCol(kFirstNumberColumn);
    g->setTopRow(1);
    MSFlexGrid1_Click();
}

void ShowMyDrawsW::MSFlexGrid1_Click()
{
    Text1->setText(MSFlexGrid1->Text());
    Text1->setFocus();
    Text1->deselect();
    Text1->setCursorPosition(Text1->text().size());
}

void ShowMyDrawsW::showEvent(QShowEvent* event)
{
    LoadOnce::showEvent(event);
    // The dialog focuses the edit box as by Tab once it shows, which selects
    // its text; the caret belongs at the end with nothing selected.
    QTimer::singleShot(0, this, [this] {
        Text1->deselect();
        Text1->end(false);
    });
}

void ShowMyDrawsW::restoreCell(int row, int col)
{
    MSFlexGrid1->setRow(row);
    MSFlexGrid1->setCol(col);
}

void ShowMyDrawsW::Command10_Click()
{
    if (Busy)
        return;
    const int r = MSFlexGrid1->Row();
    const EntryEdit edit =
        CheckEntryEdit(MyDraws.rows, r, MSFlexGrid1->Col(), Text1->text(), EntryLottery(MyDraws.rows.value(r - 1)));
    if (edit.error) {
        ShowEntryEditError(*edit.error);
        return;
    }
    MSFlexGrid1->setTextMatrix(edit.row, edit.column, edit.text);
    SetEntryField(MyDraws.rows[edit.row - 1], edit.column, edit.text);
    Changed = true;
}

void ShowMyDrawsW::Command8_Click()
{
    const int r = MSFlexGrid1->Row();
    const int c = MSFlexGrid1->Col();
    if (r >= 1 && r <= entryCount() && ParseDate(MyDraws.rows[r - 1].date)) {
        const QString date = MediumDate(DTPicker1->Value());
        MyDraws.rows[r - 1].date = date;
        MSFlexGrid1->setTextMatrix(r, kDateColumn, date);
    }
    restoreCell(r, c);
    Changed = true;
}

void ShowMyDrawsW::Command12_Click()
{
    if (Busy)
        return;
    Hourglass wait;
    const int r0 = MSFlexGrid1->Row();
    const int c0 = MSFlexGrid1->Col();
    const QString date = MediumDate(DTPicker1->Value());
    for (int r = 1; r <= entryCount(); ++r) {
        if (!ParseDate(MyDraws.rows[r - 1].date))
            continue; // a row without a date is left alone
        MyDraws.rows[r - 1].date = date;
        MSFlexGrid1->setTextMatrix(r, kDateColumn, date);
    }
    restoreCell(r0, c0);
    Changed = true;
}

void ShowMyDrawsW::Command7_Click()
{
    const int r = MSFlexGrid1->Row();
    if (r < 1 || r > entryCount())
        return; // no entry on this row
    MSFlexGrid1->setCol(kDbaseFileColumn);
    MSFlexGrid1->setColSel(kDateColumn);
    if (MsgBox("Delete this lottery entry?   ", vbOKCancel + vbExclamation, "Please confirm...") != vbOK)
        return;
    Hourglass wait;
    ToggleButtons();
    DeleteRow(r);
    DisplayMyDraws();
    ToggleButtons();
    Changed = true;
}

void ShowMyDrawsW::DeleteRow(int r)
{
    if (r >= 1 && r <= entryCount())
        MyDraws.rows.removeAt(r - 1);
}

void ShowMyDrawsW::Command9_Click()
{
    if (MsgBox(QStringLiteral("Are you sure you want to delete    \n\rall of the lottery entries?    "),
               vbOKCancel + vbExclamation, "Please confirm...")
        != vbOK)
        return;
    if (!DeleteSavedEntries()) {
        MsgBox("Your saved lottery entries could not be deleted.  ", vbExclamation, "Error!");
        return;
    }
    MSFlexGrid1->Clear();
    MyDraws = MyDrawsTable{};
    Changed = false;
    MsgBox("All entries deleted. Nothing to show!  ", vbInformation, "Help");
    done(QDialog::Accepted);
}

void ShowMyDrawsW::Command4_Click()
{
    if (MsgBox(QStringLiteral("Delete all lottery entries    \n\rthat are older than today?    "),
               vbOKCancel + vbExclamation, "Please confirm...")
        != vbOK)
        return;
    Hourglass wait;
    ToggleButtons();
    RemoveOutOfDate(MyDraws.rows, Now());
    DisplayMyDraws();
    ToggleButtons();
    Changed = true;
}

void ShowMyDrawsW::sortBy(MyDrawsOrder order)
{
    Hourglass wait;
    ToggleButtons();
    SortMyDraws(MyDraws.rows, order);
    DisplayMyDraws();
    ToggleButtons();
    Changed = true;
}

void ShowMyDrawsW::Command11_Click() { sortBy(MyDrawsOrder::ByDate); }
void ShowMyDrawsW::Command3_Click() { sortBy(MyDrawsOrder::ByName); }
void ShowMyDrawsW::Command6_Click() { sortBy(MyDrawsOrder::ByLottery); }

void ShowMyDrawsW::Command2_Click()
{
    if (Busy)
        return;
    {
        // The window's events run after each entry and while a database is
        // read; meanwhile Busy keeps every other command out, and a Close
        // stops the check and closes the window once it has stopped.
        BusyGuard busy;
        Hourglass wait;
        ToggleButtons();
        const bool saveWasOn = Command13->isEnabled();
        Command12->setEnabled(false);
        Command13->setEnabled(false);
        check();
        Command12->setEnabled(true);
        Command13->setEnabled(saveWasOn);
        ToggleButtons();
    }
    if (closeAfterBusy_) {
        closeAfterBusy_ = false;
        reject();
    }
}

void ShowMyDrawsW::check()
{
    MatchCounts.fill(0);
    for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Label7, Label6[0]})
        w->setVisible(true);

    std::vector<EntryToCheck> entries;
    entries.reserve(entryCount());
    for (int r = 1; r <= entryCount(); ++r) {
        EntryToCheck e;
        e.date = MSFlexGrid1->TextMatrix(r, kDateColumn);
        for (int c = kFirstNumberColumn; c <= kExtraBallColumn; ++c)
            e.numbers[c] = CellFromText(MSFlexGrid1->TextMatrix(r, c));
        e.dbaseFile = MSFlexGrid1->TextMatrix(r, kDbaseFileColumn);
        entries.push_back(e);
    }
    CheckSummary summary = CheckEntries(entries, [this] {
        QCoreApplication::processEvents();
        return !closeAfterBusy_;
    });
    if (summary.stopped)
        return; // the window closes: nothing it shows changes
    for (int r = 1; r <= std::min(entryCount(), int(summary.outcomes.size())); ++r) {
        for (int c = kFirstNumberColumn; c <= kExtraBallColumn; ++c)
            MSFlexGrid1->setCellBackColor(r, c, kWhite);
        if (summary.outcomes[r - 1].status == EntryStatus::Checked)
            PaintCheck(r, summary.outcomes[r - 1].marks);
    }
    MatchCounts = summary.matchCounts;
    if (!summary.lastHeader)
        summary.bonusBlockBalls = std::clamp(BallsDrawn, 0, 7);
    else
        ReadOpenLotteryHeader(summary.lastDbaseFile);
    Text2->setPlainText(CheckReportText(summary));

    MSFlexGrid1->setTopRow(1);
    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(kFirstNumberColumn);
    MSFlexGrid1_Click();
}

void ShowMyDrawsW::PaintCheck(int r, const std::array<CellMark, 9>& marks)
{
    for (int c = kFirstNumberColumn; c <= kExtraBallColumn; ++c) {
        const CellMark mark = marks[c];
        MSFlexGrid1->setCellBackColor(r, c,
                                      mark == CellMark::Main        ? kYellow
                                          : mark == CellMark::Bonus ? kLightRed
                                                                    : kWhite);
    }
}

void ShowMyDrawsW::Command13_Click()
{
    if (Busy)
        return;
    if (QString why; !SaveMyDrawsFile(MyDraws, &why)) {
        MsgBox("Your lottery entries could not be saved: " + why + ".  ", vbExclamation, "Error!");
        return;
    }
    Changed = false;
    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(entryCount() > 0 ? kFirstNumberColumn : kDateColumn);
    MSFlexGrid1_Click();
}

void ShowMyDrawsW::Command5_Click()
{
    PrintMyEntries(MSFlexGrid1);
    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(kFirstNumberColumn);
    MSFlexGrid1->setTopRow(1);
    MSFlexGrid1_Click();
}

void ShowMyDrawsW::ToggleButtons()
{
    buttonsOff_ = !buttonsOff_;
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9,
                           Command10, Command11})
        b->setEnabled(!buttonsOff_);
}

bool ShowMyDrawsW::confirmClose()
{
    if (!Changed)
        return true;
    return MsgBox("Close without saving changes?    ", vbYesNo + vbQuestion, "Close window") == vbYes;
}

void ShowMyDrawsW::Command1_Click() { reject(); }

void ShowMyDrawsW::reject()
{
    if (Busy) {
        closeAfterBusy_ = true; // the check stops, then the window closes
        return;
    }
    // The close box and Escape ask as Close does.
    if (confirmClose())
        QDialog::reject();
}
