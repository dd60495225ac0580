#include "databases/ui/HistoryW.h"
#include "core/ui/DatabaseList.h"
#include "platform/ui/Colours.h"

#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/ui/Skinning.h"
#include "databases/ui/DrawEntry.h"
#include "generators/Entries.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/PrintReports.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <optional>

namespace {
constexpr int kGridRows = 3000;
constexpr int kShownDraws = 2994; // rows 1 to 2994
const QString kNoDateNote = QStringLiteral("This draw's date cannot be read; choose its date.");
} // namespace

HistoryW::HistoryW(QWidget* parent) : LoadOnce(parent)
{
    QLabel* label2 = StartWindow(this, "HistoryW", "Lottery Draws History", "Label2", "Lottery draw results");
    QLabel* label4 = BodyText(this, "Label4",
                              "Select a lottery in the list on the right to view all the draw results. The "
                              "numbers can be viewed in the order they were drawn or in ascending order.");

    List1 = LotteryList(this);
    Label1 = NamedLabel(this, "Label1", QString());
    LetTextRunPastEdge(Label1);
    Text2 = NamedLineEdit(this, "Text2");
    Command4 = NamedButton(this, "Command4", "Go");

    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setRows(kGridRows);
    MSFlexGrid1->setCols(10);
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 8);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 28);

    Option1 = new QRadioButton("Draw order", this);
    Option1->setObjectName("Option1");
    Option1->setChecked(true);
    Option2 = new QRadioButton("Ascending order", this);
    Option2->setObjectName("Option2");

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    // Hidden in the ascending order, the editor keeps its place, so the grid
    // and the order buttons stay where they are.
    QSizePolicy keepsItsPlace = Frame1->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    Frame1->setSizePolicy(keepsItsPlace);
    DTPicker1 = new DatePicker(Frame1);
    DTPicker1->setObjectName("DTPicker1");
    LimitToStoredDates(DTPicker1);
    Label6 = NamedLabel(Frame1, "Label6", kNoDateNote);
    Label6->setWordWrap(true);
    QSizePolicy keepsPlace = Label6->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    Label6->setSizePolicy(keepsPlace);
    Label6->hide();
    for (int n = 1; n <= kExtraBallColumn; ++n)
        Text1[n] = NumberBox(Frame1, n);
    SetTextColours(Text1[8], ToQColor(kExtraBallColour));
    SetTextColours(Label6, ToQColor(kExtraBallColour));
    Command3 = NamedButton(Frame1, "Command3", "Update Draw", " Update selected draw ");
    Command2 = NamedButton(Frame1, "Command2", "Delete Draw", " Delete selected draw ");

    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_FileIcon, "Print", " Print ");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, "Close", " Close ");

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);

    // The editing area: one box under each number column, then the date and
    // the two buttons.
    numberRow_ = new QHBoxLayout;
    numberRow_->setSpacing(0);
    for (int n = 1; n <= kExtraBallColumn; ++n)
        numberRow_->addWidget(Text1[n]);
    numberRow_->addStretch();
    auto* editButtons = new QHBoxLayout;
    editButtons->addWidget(DTPicker1);
    editButtons->addStretch();
    editButtons->addWidget(Command3);
    editButtons->addWidget(Command2);
    auto* frame = new QVBoxLayout(Frame1);
    frame->addLayout(numberRow_);
    frame->addLayout(editButtons);
    frame->addWidget(Label6);

    auto* views = new QHBoxLayout;
    views->addWidget(Option1);
    views->addWidget(Option2);
    views->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(MSFlexGrid1, 1);
    left->addLayout(views);
    left->addWidget(Frame1);

    QLabel* label3 = NamedLabel(this, "Label3", "Select a lottery:");
    QLabel* label5 = NamedLabel(this, "Label5", "Web:");
    skinLabels_ = {.title = {label2}, .body = {label4}, .label = {label3, label5}, .other = {}};

    auto* web = new QHBoxLayout;
    web->addWidget(label5);
    web->addWidget(Text2, 1);
    web->addWidget(Command4);
    auto* right = new QVBoxLayout;
    right->addWidget(label4);
    right->addSpacing(8);
    right->addWidget(label3);
    right->addWidget(List1, 1);
    right->addLayout(web);
    right->addSpacing(8);
    right->addLayout(ButtonRow({Command6, Command1}));
    auto* rightPanel = new QWidget(this);
    rightPanel->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);
    rightPanel->setFixedWidth(rightPanel->fontMetrics().horizontalAdvance("0") * 36);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addSpacing(8);
    middle->addWidget(rightPanel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label2);
    layout->addLayout(middle, 1);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(MSFlexGrid1, &FlexGrid::Click, this, &HistoryW::MSFlexGrid1_Click);
    // A row reached with the keyboard is edited as a clicked one, so Update
    // and Delete always act on the draw the editor shows.
    connect(MSFlexGrid1, &FlexGrid::RowColChange, this, [this] {
        if (!settingGrid_ && MSFlexGrid1->Row() != editedRow_)
            MSFlexGrid1_Click();
    });
    connect(DTPicker1, &DatePicker::Change, this, &HistoryW::showDateNote);
    connect(Option1, &QRadioButton::clicked, this, &HistoryW::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &HistoryW::Option2_Click);
    connect(Command2, &QPushButton::clicked, this, &HistoryW::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &HistoryW::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &HistoryW::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &HistoryW::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &HistoryW::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &HistoryW::Timer1_Timer);
}

void HistoryW::Skinning() { ::Skinning(this, SkinFamily::Databases, skinLabels_); }

void HistoryW::layOutColumns()
{
    const QFontMetrics metrics(MSFlexGrid1->font());
    const int number = metrics.horizontalAdvance("0000000");
    for (int c = 0; c <= kExtraBallColumn; ++c) {
        MSFlexGrid1->setColAlignment(c, Qt::AlignCenter);
        MSFlexGrid1->setColWidth(c, number);
    }
    MSFlexGrid1->setColWidth(0, metrics.horizontalAdvance("00000000000000"));
    MSFlexGrid1->setColWidth(9, 0); // only carries the row selection
    MSFlexGrid1->fitWidthToColumns(8);
    // The boxes line up under columns 1 to 8.
    const int margin = Frame1->layout()->contentsMargins().left();
    numberRow_->insertSpacing(0, std::max(0, MSFlexGrid1->ColWidth(0) - margin + MSFlexGrid1->frameWidth()));
    for (int n = 1; n <= kExtraBallColumn; ++n)
        Text1[n]->setFixedWidth(MSFlexGrid1->ColWidth(n));
}

void HistoryW::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::ShortFormat);
    layOutColumns();
    if (ListDatabases(List1) == 0) {
        Frame1->hide();
        MsgBox("No lotteries to display!    ", vbOKOnly + vbExclamation, "Error!");
        Timer1->start();
        return;
    }
    SortedView = false;
    List1->setCurrentRow(0);
}

void HistoryW::Timer1_Timer()
{
    Timer1->stop();
    if (List1->count() == 0)
        close();
}

bool HistoryW::showsEighth() const { return ExtraBallMax > 0 || HasBonusBall == 1; }

void HistoryW::showNumbers(int row, const HistoryRow& draw)
{
    const QStringList texts = DrawNumberTexts(draw, showsEighth());
    for (int c = 1; c <= kExtraBallColumn; ++c)
        MSFlexGrid1->setTextMatrix(row, c, texts[c - 1]);
}

void HistoryW::List1_Click()
{
    if (Busy) {
        // The lottery being rewritten stays the one shown.
        const QSignalBlocker block(List1);
        List1->setCurrentRow(listedRow_);
        return;
    }
    const int index = List1->currentRow();
    if (index < 0 || index >= kMaxDatabases)
        return;
    listedRow_ = index;
    Hourglass hourglass;
    QScopedValueRollback setting(settingGrid_, true);
    const bool loaded = LoadDatabase(index);
    Text2->setText(LotteryWebsite);
    Label1->setText("  " + LotteryName);
    Label1->setToolTip(LotteryName);

    // Dates and numbers come from one reading of each line, so grid row k is
    // always draw line k of the file.
    rows_ = ReadHistoryRows(DbaseFile, kShownDraws);
    MSFlexGrid1->setUpdatesEnabled(false);
    std::optional<FlexGrid::Batch> batch(MSFlexGrid1);
    MSFlexGrid1->Clear();
    MSFlexGrid1->setTextMatrix(0, 0, "Date");
    if (!rows_.empty()) {
        for (int c = 1; c <= 7; ++c) {
            if (rows_[0].numbers[c] > 0)
                MSFlexGrid1->setTextMatrix(0, c, "Num" + QString::number(c));
        }
    }
    QString eighth;
    if (HasBonusBall == 1)
        eighth = "Bonus";
    if (ExtraBallMax > 0)
        eighth = "Pball";
    MSFlexGrid1->setTextMatrix(0, 8, eighth);
    for (int k = 1; k <= int(rows_.size()); ++k) {
        MSFlexGrid1->setTextMatrix(k, 0, rows_[k - 1].date);
        showNumbers(k, rows_[k - 1]);
        MSFlexGrid1->setCellForeColor(k, 8, ToQColor(kExtraBallColour));
    }
    batch.reset();
    MSFlexGrid1->setUpdatesEnabled(true);

    // A box for each of the lottery's numbers, and the eighth when it draws a
    // bonus or extra ball, so every draw can be corrected whole.
    for (int n = 1; n <= kExtraBallColumn; ++n) {
        const bool shown = n <= 7 ? n <= BallsDrawn : showsEighth();
        if (!shown)
            Text1[n]->clear();
        Text1[n]->setVisible(shown);
    }
    readable_ = loaded;
    Command3->setEnabled(loaded);
    Command2->setEnabled(loaded);

    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setTopRow(1);
    SortedView = false;
    Option1->setChecked(true);
    MSFlexGrid1_Click();
    Frame1->show();
}

void HistoryW::MSFlexGrid1_Click()
{
    if (Busy)
        return;
    QScopedValueRollback setting(settingGrid_, true);
    MSFlexGrid1->setCol(0);
    const int r = ChosenDrawRow(rows_, MSFlexGrid1->Row());
    editedRow_ = r;
    if (r == 0) {
        for (int n = 1; n <= kExtraBallColumn; ++n)
            Text1[n]->clear();
        showDateNote();
        return;
    }
    MSFlexGrid1->setRow(r);
    const QRect cell = MSFlexGrid1->cellRect(r, 1);
    if (r < MSFlexGrid1->TopRow() || !MSFlexGrid1->viewport()->rect().contains(cell))
        MSFlexGrid1->setTopRow(r);

    // A date that cannot be read leaves the picker empty until the player
    // chooses the right one.
    const DrawInEditor draw = EditorContents(rows_[r - 1], showsEighth());
    if (draw.date)
        DTPicker1->setValue(*draw.date);
    else
        DTPicker1->setNoValue();
    showDateNote();
    for (int n = 1; n <= kExtraBallColumn; ++n)
        Text1[n]->setText(draw.numbers[n - 1]);

    MSFlexGrid1->setCol(9);
    MSFlexGrid1->setColSel(0);
}

void HistoryW::Option2_Click()
{
    if (Busy || SortedView)
        return;
    Hourglass hourglass;
    Frame1->hide();
    const int count = std::clamp(BallsDrawn, 0, 7);
    // Every draw shown is sorted, one missing a number too; missing numbers
    // go after the others, as SortDraws puts them.
    const auto key = [](int v) { return v == 0 ? INT_MAX : v; };
    for (int r = 1; r <= int(rows_.size()); ++r) {
        std::array<int, 9> sorted = rows_[r - 1].numbers;
        std::sort(sorted.begin() + 1, sorted.begin() + 1 + count, [&](int a, int b) { return key(a) < key(b); });
        for (int c = 1; c <= count; ++c)
            MSFlexGrid1->setTextMatrix(r, c, sorted[c] > 0 ? QString::number(sorted[c]) : QString());
    }
    SortedView = true;
}

void HistoryW::Option1_Click()
{
    if (Busy || !SortedView)
        return;
    Hourglass hourglass;
    for (int r = 1; r <= int(rows_.size()); ++r)
        showNumbers(r, rows_[r - 1]);
    MSFlexGrid1->setRow(1);
    MSFlexGrid1_Click();
    SortedView = false;
    Frame1->show();
}

void HistoryW::Command2_Click()
{
    if (Busy || !readable_)
        return;
    const int r = editedRow_;
    const DrawEditCheck check = CheckDrawDelete(DbaseFile, rows_, r);
    if (check != DrawEditCheck::Allowed) {
        refuseEdit(check);
        return;
    }
    const int top = MSFlexGrid1->TopRow();
    const auto closeIfAsked = qScopeGuard([this] { finishBusy(); });
    QString why;
    if (!RewriteDone(rewrite([r, &why] { return DeleteDraw(DbaseFile, r, &why); }), why))
        return;
    List1_Click();
    // The chosen row stays where it was and takes the draw that moved up into
    // it (the new last draw when the last was deleted), so each click deletes
    // the draw the editor shows.
    {
        QScopedValueRollback setting(settingGrid_, true);
        MSFlexGrid1->setTopRow(top);
        MSFlexGrid1->setRow(r);
    }
    MSFlexGrid1_Click();
}

void HistoryW::Command3_Click()
{
    if (Busy)
        return;
    const int r = editedRow_;
    const QDate date = DTPicker1->Value();
    const DrawEditCheck check = CheckDrawUpdate(DbaseFile, rows_, r, date);
    if (check != DrawEditCheck::Allowed) {
        refuseEdit(check);
        return;
    }
    const auto line = CheckedDrawLine(date, {Text1.begin() + 1, Text1.end()});
    if (!line)
        return;
    const auto closeIfAsked = qScopeGuard([this] { finishBusy(); });
    QString why;
    if (!RewriteDone(rewrite([&] { return ReplaceDraw(DbaseFile, r, *line, date, &why); }), why))
        return;
    List1_Click();
}

RewriteResult HistoryW::rewrite(const std::function<RewriteResult()>& work)
{
    BusyGuard busy;
    Hourglass hourglass;
    const RewriteResult result = work();
    // The window repaints before the file is read back and shown again,
    // which takes a moment for a long history. A click that comes now finds
    // Busy set and does nothing; a Close waits for the end (finishBusy).
    QApplication::processEvents();
    return result;
}

void HistoryW::finishBusy()
{
    // A Close that came during the rewrite closes the window now, once the
    // rewritten file is loaded again.
    if (closeAfterBusy_) {
        closeAfterBusy_ = false;
        QDialog::reject();
    }
}

void HistoryW::refuseEdit(DrawEditCheck check)
{
    switch (check) {
    case DrawEditCheck::Allowed:
    case DrawEditCheck::NoDraw: break;
    case DrawEditCheck::OnlyDraw:
        MsgBox("Can't delete last line!    ", vbOKOnly + vbExclamation, "Warning");
        MSFlexGrid1_Click();
        break;
    case DrawEditCheck::ChangedElsewhere:
        MsgBox("The lottery database has been changed by another program.    \r\n"
               "It is shown again as it is now.    ",
               vbOKOnly + vbExclamation, "Warning");
        List1_Click();
        break;
    case DrawEditCheck::NoDate:
        MsgBox("This draw's date cannot be read.    \r\nPlease choose its date first.    ", vbOKOnly + vbExclamation,
               "Warning");
        break;
    }
}

void HistoryW::showDateNote()
{
    // A database that cannot be read has no draw to change: the note says why.
    Label6->setText(readable_ ? kNoDateNote : QStringLiteral("This lottery database cannot be read."));
    Label6->setVisible(!readable_ || (editedRow_ > 0 && !DTPicker1->Value().isValid()));
}

void HistoryW::Command6_Click()
{
    if (Busy)
        return;
    {
        QScopedValueRollback setting(settingGrid_, true);
        PrintDrawResults(MSFlexGrid1);
    }
    // Printing moves the current cell: the editor returns to the first draw.
    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(1);
    MSFlexGrid1_Click();
}

void HistoryW::Command4_Click() { OpenWebsite(Text2->text(), "Warning"); }

void HistoryW::Command1_Click() { close(); }

void HistoryW::reject()
{
    if (Busy) {
        closeAfterBusy_ = true;
        return;
    }
    QDialog::reject();
}
