#include "syndicates/ui/SManager.h"

#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "core/ui/TipBox.h"
#include "platform/Dates.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/ManagerReport.h"
#include "syndicates/Diary.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kDiaryRows = 1000; // the titles and records 1 to 999
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kHighlight = 0xC0FFFF; // light yellow
constexpr std::uint32_t kErrorBack = 0xC0C0FF; // light red

bool IsAmountColumn(int col) { return col >= DiaryCost && col <= DiaryBalance; }

int TextWidth(const QWidget* w, const QString& text) { return w->fontMetrics().horizontalAdvance(text) + 12; }
} // namespace

SManager::SManager(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("SManager");
    setWindowTitle("Syndicate Manager");

    Label1 = NamedLabel(this, "Label1", "Syndicate Manager");
    MakeSyndicateTitle(Label1);
    Label3 = NamedLabel(this, "Label3",
                        "Create a syndicate by entering a syndicate name and a manager name. The address, phone and "
                        "email are not essential, but are useful. You can keep track of the tickets bought, their "
                        "cost and any winnings below.");
    Label3->setWordWrap(true);
    MakeDetailFields(this, Label2, Text1);
    Label5 = NamedLabel(this, "Label5",
                        "Keep track of the number of tickets bought, their cost, winnings and notes by storing records "
                        "here...");
    Label5->setWordWrap(true);
    Label4 = NamedLabel(this, "Label4", "Edit:");
    Text2 = NamedFieldBox(this, "Text2", 100);
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    Command2 = NamedButton(this, "Command2", "Enter");
    Command5 = NamedPictureButton(this, "Command5", QStyle::SP_ArrowUp, QString(), " Move current row up ");
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_ArrowDown, QString(), " Move current row down ");
    Command4 = NamedPictureButton(this, "Command4", QStyle::SP_TrashIcon, QString(), " Delete current row ");
    Command7 = NamedButton(this, "Command7", "Total");
    Text3 = NamedLineEdit(this, "Text3");
    Text3->setReadOnly(true);
    Text3->setAlignment(Qt::AlignCenter);
    Command1 =
        NamedPictureButton(this, "Command1", QStyle::SP_DialogSaveButton, "Save", " Save the data ", "document-save");
    Command8 = NamedPictureButton(this, "Command8", QStyle::SP_FileIcon, "Print", " Print ", "document-print");
    Command3 = NamedPictureButton(this, "Command3", QStyle::SP_DialogCloseButton, "Close", " Close window ");

    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setRows(kDiaryRows);
    amountsRead_.assign(std::size_t(kDiaryRows), {});
    MSFlexGrid1->setCols(kDiaryColumns);
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(0);
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 8);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 18);

    // Details: name, manager, phone and e-mail on the left, the address on
    // the right.
    auto* details = new QGridLayout;
    details->addWidget(Label2[0], 0, 0);
    details->addWidget(Text1[7], 0, 1);
    details->addWidget(Label2[1], 1, 0);
    details->addWidget(Text1[0], 1, 1);
    details->addWidget(Label2[3], 2, 0);
    details->addWidget(Text1[5], 2, 1);
    details->addWidget(Label2[4], 3, 0);
    details->addWidget(Text1[6], 3, 1);
    details->addWidget(Label2[2], 0, 2, Qt::AlignRight);
    for (int i = 1; i <= 4; ++i)
        details->addWidget(Text1[i], i - 1, 3);
    details->setColumnMinimumWidth(1, TextWidth(this, QString(32, 'n')));
    details->setColumnMinimumWidth(3, TextWidth(this, QString(30, 'n')));
    details->setColumnStretch(1, 1);
    details->setColumnStretch(3, 1);

    // The cell editor: the text box and the date picker in one place.
    auto* editorPlace = new QWidget(this);
    auto* editors = new QStackedLayout(editorPlace);
    editors->setStackingMode(QStackedLayout::StackOne);
    editors->addWidget(Text2);
    editors->addWidget(DTPicker1);
    auto* editor = new QHBoxLayout;
    editor->addWidget(Label4);
    editor->addWidget(editorPlace, 1);
    editor->addWidget(Command2);

    auto* rowButtons = new QVBoxLayout;
    rowButtons->addWidget(Command5);
    rowButtons->addWidget(Command6);
    rowButtons->addWidget(Command4);
    rowButtons->addStretch();

    auto* totalRow = new QHBoxLayout;
    totalRow->setSpacing(0);
    totalSpace_ = new QWidget(this);
    totalRow->addWidget(totalSpace_);
    totalRow->addWidget(Command7);
    totalRow->addSpacing(3);
    totalRow->addWidget(Text3);
    totalRow->addStretch();

    auto* diary = new QVBoxLayout;
    diary->addWidget(Label5);
    diary->addLayout(editor);
    diary->addWidget(MSFlexGrid1, 1);
    diary->addLayout(totalRow);
    auto* diaryRow = new QHBoxLayout;
    diaryRow->addLayout(rowButtons);
    diaryRow->addLayout(diary, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command8);
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addLayout(details);
    layout->addLayout(diaryRow, 1);
    layout->addLayout(buttons);

    // The boxes in the order they stand: the left column, then the address.
    const int order[] = {7, 0, 5, 6, 1, 2, 3, 4};
    for (int i = 1; i < 8; ++i)
        setTabOrder(Text1[order[i - 1]], Text1[order[i]]);

    for (QLineEdit* box : Text1)
        connect(box, &QLineEdit::textEdited, this, [this] { Changed = true; });
    Text2->installEventFilter(this);
    connect(MSFlexGrid1, &FlexGrid::Click, this, &SManager::MSFlexGrid1_Click);
    connect(Command2, &QPushButton::clicked, this, &SManager::Command2_Click);
    connect(Command7, &QPushButton::clicked, this, &SManager::Command7_Click);
    connect(Command4, &QPushButton::clicked, this, &SManager::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &SManager::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &SManager::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &SManager::Command1_Click);
    connect(Command8, &QPushButton::clicked, this, &SManager::Command8_Click);
    connect(Command3, &QPushButton::clicked, this, &SManager::Command3_Click);
    EscapeRunsClose(this, [this] { Command3_Click(); });
}

void SManager::Skinning()
{
    ::Skinning(this, SkinFamily::Syndicates,
               {.title = {Label1},
                .body = {Label3},
                .label = {Label2[0], Label2[1], Label2[2], Label2[3], Label2[4]},
                .other = {}});
}

SyndicateFieldIndex SManager::detailField(int box) { return box == 7 ? SyndicateNameField : SyndicateFieldIndex(box); }

QString SManager::detailToSave(int box) const { return details_[box].toWrite(Text1[box]->text()); }

QString SManager::DiaryFile() const { return DiaryFileName(Settings[SyndicateFile]); }

void SManager::Form_Load()
{
    Skinning();
    locale_ = QLocale();
    CurrencySign = ::CurrencySign(locale_);
    for (int i = 0; i < 8; ++i)
        details_[i] = ShowField(Text1[i], Syndicate[0][detailField(i)]);
    DTPicker1->setValue(Today());

    const QStringList titles = {"Date", "Tickets", "Cost", "Won", "Balance", "Notes"};
    // Wide enough for amounts in the millions with their sign and grouping.
    const QStringList sizing = {"__00-Jun-0000__", "_Tickets_",        "_£000,000.00_",
                                "_£0,000,000.00_", "_-£0,000,000.00_", "1234567890123456789012345678901234567890"};
    for (int c = 0; c < kDiaryColumns; ++c) {
        MSFlexGrid1->setTextMatrix(0, c, titles[c]);
        MSFlexGrid1->setColAlignment(c, c == DiaryNotes ? Qt::AlignLeft : Qt::AlignHCenter);
        MSFlexGrid1->setColWidth(c, TextWidth(MSFlexGrid1, sizing[c]));
    }
    // The notes scroll in a narrow window.
    MSFlexGrid1->fitWidthToColumns(kDiaryColumns - 1, DiaryBalance);
    int beforeBalance = 0;
    for (int c = 0; c < DiaryBalance; ++c)
        beforeBalance += MSFlexGrid1->ColWidth(c);
    Text3->setFixedWidth(MSFlexGrid1->ColWidth(DiaryBalance));
    totalSpace_->setFixedWidth(
        std::max(0, beforeBalance + MSFlexGrid1->frameWidth() - Command7->sizeHint().width() - 3));

    amountsRead_.assign(std::size_t(MSFlexGrid1->Rows()), {});
    loadDiary();
    Changed = false;

    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(1);
    LastRow = 1;
    LastCol = 1;
    MSFlexGrid1_Click();
    Command7_Click();
}

void SManager::loadDiary()
{
    const QString file = DiaryFile();
    if (file.isEmpty())
        return;
    int badLine = 0;
    const auto records = ReadDiary(file, &badLine);
    if (!records || badLine > 0) {
        // Save must not write over records it could not read.
        diaryUnreadable_ = true;
        const QString what = records ? QStringLiteral("Line %1 of the diary file %2").arg(badLine).arg(file)
                                     : QStringLiteral("The diary file %1").arg(file);
        MsgBox(what
                   + QStringLiteral(" could not be read.    \r\n"
                                    "It is left as it is, and nothing is written over it.    "),
               vbOKOnly + vbExclamation, "Error!");
        if (!records)
            return;
    }
    // Every record of the file has a row, however many there are.
    if (int(records->size()) + 1 >= MSFlexGrid1->Rows())
        MSFlexGrid1->setRows(int(records->size()) + 2);
    amountsRead_.resize(std::size_t(MSFlexGrid1->Rows()));
    for (std::size_t i = 0; i < records->size(); ++i) {
        const int r = int(i) + 1;
        for (int c = 0; c < kDiaryColumns; ++c)
            MSFlexGrid1->setTextMatrix(r, c, (*records)[i][c]);
        for (int c = DiaryCost; c <= DiaryBalance; ++c) {
            const QString text = MSFlexGrid1->TextMatrix(r, c);
            if (text.isEmpty())
                continue;
            if (const auto amount = ParseMoney(text, locale_)) {
                MSFlexGrid1->setTextMatrix(r, c, FormatMoney(*amount, locale_));
                amountsRead_[std::size_t(r)][std::size_t(c)] = ShownField(text, MSFlexGrid1->TextMatrix(r, c));
            }
            colourAmount(r, c);
        }
        for (int c = 0; c < kDiaryColumns; ++c)
            paintCell(r, c);
    }
    if (badLine == 0)
        sayUnreadableCells(file, int(records->size()));
}

void SManager::sayUnreadableCells(const QString& file, int records)
{
    // One message for the whole diary: the first amount that cannot be read
    // tells whether the amounts are of another currency form, which explains
    // a page of red cells; else the first line with a cell that cannot be read.
    int firstBad = 0;
    for (int r = 1; r <= records; ++r) {
        for (int c = 0; c < kDiaryColumns; ++c) {
            if (!CellIsError(r, c))
                continue;
            if (firstBad == 0)
                firstBad = r;
            if (!IsAmountColumn(c))
                continue;
            const QString text = MSFlexGrid1->TextMatrix(r, c);
            if (IsAmountInAnotherLocale(text, locale_)) {
                MsgBox(QStringLiteral("The diary file %1 was written with another currency form    \r\n"
                                      "(line %2: %3), so its amounts cannot be read here.    \r\n"
                                      "They are kept as they are, marked in red, and the total cannot be "
                                      "worked out.    ")
                           .arg(file)
                           .arg(r)
                           .arg(text),
                       vbOKOnly + vbExclamation, "Error!");
                return;
            }
            r = records; // one amount is enough to tell
            break;
        }
    }
    if (firstBad > 0)
        MsgBox(QStringLiteral("Line %1 of the diary file %2 could not be read.    \r\n"
                              "The cells that cannot be read are marked in red and kept as they are.    ")
                   .arg(firstBad)
                   .arg(file),
               vbOKOnly + vbExclamation, "Error!");
}

bool SManager::CellIsError(int row, int col) const
{
    const QString text = MSFlexGrid1->TextMatrix(row, col);
    if (row < 1 || text.trimmed().isEmpty())
        return false;
    if (col == DiaryDate)
        return !ParseDate(text);
    if (IsAmountColumn(col))
        return !ParseMoney(text, locale_);
    return false;
}

void SManager::paintCell(int row, int col)
{
    std::uint32_t back = kWhite;
    if (row == MSFlexGrid1->Row() && col == MSFlexGrid1->Col())
        back = kHighlight;
    else if (CellIsError(row, col))
        back = kErrorBack;
    MSFlexGrid1->setCellBackColor(row, col, ToQColor(back));
}

void SManager::colourAmount(int row, int col)
{
    const auto amount = ParseMoney(MSFlexGrid1->TextMatrix(row, col), locale_);
    MSFlexGrid1->setCellForeColor(row, col, ToQColor(amount && *amount < 0 ? kNegativeAmountColour : 0));
}

void SManager::MSFlexGrid1_Click()
{
    const int r = MSFlexGrid1->Row();
    const int k = MSFlexGrid1->Col();
    const int lastRow = LastRow;
    const int lastCol = LastCol;
    LastRow = r;
    LastCol = k;
    paintCell(lastRow, lastCol);
    paintCell(r, k);
    const QString text = MSFlexGrid1->TextMatrix(r, k);
    auto* editors = static_cast<QStackedLayout*>(DTPicker1->parentWidget()->layout());
    if (k == DiaryDate) {
        editors->setCurrentWidget(DTPicker1);
        // An unreadable date (or one the picker cannot show) shows no date,
        // so Enter never writes another date over it.
        if (text.trimmed().isEmpty())
            DTPicker1->setValue(Today());
        else if (const auto date = ParseDate(text); date && date->year() >= 1900 && date->year() <= 2100)
            DTPicker1->setValue(*date);
        else
            DTPicker1->setNoValue();
    } else {
        editors->setCurrentWidget(Text2);
        Text2->setText(IsAmountColumn(k) && !CurrencySign.isEmpty() ? QString(text).remove(CurrencySign).trimmed()
                                                                    : text);
        if (Text2->isVisible())
            Text2->setFocus();
    }
}

bool SManager::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Command2_Click();
            return true;
        }
        const QString typed = key->text();
        const int col = MSFlexGrid1->Col();
        if (typed.size() == 1 && typed[0].isPrint() && col >= DiaryTickets && col <= DiaryBalance
            && !IsAmountCharacter(typed[0], locale_))
            return true; // letters are refused in the number columns
    }
    return QDialog::eventFilter(watched, event);
}

void SManager::setBalance(int row)
{
    const auto cost = ParseMoney(MSFlexGrid1->TextMatrix(row, DiaryCost), locale_);
    const auto won = ParseMoney(MSFlexGrid1->TextMatrix(row, DiaryWon), locale_);
    // A row whose Cost or Won cannot be read keeps its Balance.
    if (!cost || !won)
        return;
    MSFlexGrid1->setTextMatrix(row, DiaryBalance, FormatMoney(*won - *cost, locale_));
    colourAmount(row, DiaryBalance);
    paintCell(row, DiaryBalance);
}

void SManager::Command2_Click()
{
    const int r = MSFlexGrid1->Row();
    const int k = MSFlexGrid1->Col();
    if (r < 1)
        return;
    const QString s = SyndicateText(Text2->text()).trimmed();
    if (k == DiaryDate) {
        const QDate date = DTPicker1->Value();
        if (!date.isValid())
            return; // no date chosen: the cell keeps what it holds
        MSFlexGrid1->setTextMatrix(r, k, MediumDate(date));
    } else if (IsAmountColumn(k)) {
        const auto amount = ParseMoney(s, locale_);
        if (!amount) {
            ShowTip(6);
            return;
        }
        MSFlexGrid1->setTextMatrix(r, k, FormatMoney(*amount, locale_));
        amountsRead_[std::size_t(r)][std::size_t(k)] = {}; // the player's amount, in the locale's form
        colourAmount(r, k);
    } else {
        MSFlexGrid1->setTextMatrix(r, k, s);
    }
    paintCell(r, k);
    setBalance(r);
    if (k == DiaryNotes) {
        if (r + 1 < MSFlexGrid1->Rows())
            MSFlexGrid1->setRow(r + 1);
        MSFlexGrid1->setCol(DiaryDate);
    } else {
        MSFlexGrid1->setCol(k + 1);
    }
    Command7_Click();
    Changed = true;
}

void SManager::Command7_Click()
{
    const int r = MSFlexGrid1->Row();
    const int k = MSFlexGrid1->Col();
    Pence sum = 0;
    bool readable = true;
    for (int i = 1; i < MSFlexGrid1->Rows(); ++i) {
        colourAmount(i, DiaryBalance);
        const auto balance = ParseMoney(MSFlexGrid1->TextMatrix(i, DiaryBalance), locale_);
        if (!balance || __builtin_add_overflow(sum, *balance, &sum))
            readable = false;
        // A Cost or Won that cannot be read leaves its row's Balance unknown.
        if (CellIsError(i, DiaryCost) || CellIsError(i, DiaryWon))
            readable = false;
    }
    SetTextColours(Text3, ToQColor(!readable || sum < 0 ? kNegativeAmountColour : 0));
    // A balance that cannot be read leaves the total unknown, never short.
    Text3->setText(readable ? FormatMoney(sum, locale_) : QStringLiteral("Error"));
    Text3->setToolTip(readable ? QString() : QStringLiteral(" An amount in the diary cannot be read "));
    MSFlexGrid1->setRow(r);
    MSFlexGrid1->setCol(k);
    MSFlexGrid1_Click();
}

bool SManager::rowIsEmpty(int row) const
{
    for (int c = 0; c < kDiaryColumns; ++c)
        if (!MSFlexGrid1->TextMatrix(row, c).trimmed().isEmpty())
            return false;
    return true;
}

int SManager::lastRow() const { return MSFlexGrid1->Rows() - 1; }

void SManager::swapRows(int a, int b)
{
    std::swap(amountsRead_[std::size_t(a)], amountsRead_[std::size_t(b)]);
    for (int c = 0; c < kDiaryColumns; ++c) {
        const QString t = MSFlexGrid1->TextMatrix(a, c);
        MSFlexGrid1->setTextMatrix(a, c, MSFlexGrid1->TextMatrix(b, c));
        MSFlexGrid1->setTextMatrix(b, c, t);
    }
    for (int row : {a, b}) {
        for (int c = DiaryCost; c <= DiaryBalance; ++c)
            colourAmount(row, c);
        for (int c = 0; c < kDiaryColumns; ++c)
            paintCell(row, c);
    }
}

void SManager::Command4_Click()
{
    const int r = MSFlexGrid1->Row();
    if (r < 1 || r >= lastRow())
        return;
    // Every row below moves up one, records after an empty row included.
    int end = lastRow();
    while (end > r && rowIsEmpty(end))
        --end;
    // Deleting an empty row below the last record changes nothing Save writes.
    bool changes = end > r;
    for (int c = 0; c < kDiaryColumns; ++c)
        changes = changes || !MSFlexGrid1->TextMatrix(r, c).isEmpty();
    for (int i = r; i < end; ++i)
        swapRows(i, i + 1);
    for (int c = 0; c < kDiaryColumns; ++c)
        MSFlexGrid1->setTextMatrix(std::max(end, r), c, QString());
    amountsRead_[std::size_t(std::max(end, r))] = {};
    for (int c = 0; c < kDiaryColumns; ++c)
        paintCell(std::max(end, r), c);
    MSFlexGrid1->setRow(r);
    MSFlexGrid1->setCol(1);
    Command7_Click();
    if (changes)
        Changed = true;
}

void SManager::Command5_Click()
{
    const int r = MSFlexGrid1->Row();
    if (r <= 1)
        return;
    if (!rowIsEmpty(r)) {
        swapRows(r, r - 1);
        Changed = true;
        MSFlexGrid1->setRow(r - 1);
        MSFlexGrid1->setCol(1);
    } else {
        MSFlexGrid1->setCol(DiaryNotes);
    }
    MSFlexGrid1_Click();
}

void SManager::Command6_Click()
{
    const int r = MSFlexGrid1->Row();
    if (r < 1 || r >= lastRow())
        return;
    if (!rowIsEmpty(r + 1)) {
        swapRows(r, r + 1);
        Changed = true;
        MSFlexGrid1->setCol(1);
    } else {
        MSFlexGrid1->setCol(DiaryNotes);
    }
    MSFlexGrid1->setRow(r + 1);
    MSFlexGrid1_Click();
}

void SManager::Command1_Click()
{
    if (Text1[0]->text().trimmed().isEmpty() || Text1[7]->text().trimmed().isEmpty()) {
        MsgBox("Cannot have a syndicate without    \r\na manager and a syndicate name...  ", vbOKOnly + vbExclamation,
               "Warning!");
        return;
    }
    const QString file = DiaryFile();
    if (diaryUnreadable_) {
        ShowFileKept(file);
        return;
    }
    if (OpenSyndicateFileKept()) {
        ShowFileKept(Settings[SyndicateFile]);
        return;
    }
    QString details[8];
    for (int i = 0; i < 8; ++i)
        details[i] = detailToSave(i);
    for (int i = 0; i < 8; ++i)
        Syndicate[0][detailField(i)] = details[i];
    if (QString why; !SaveSyndicate(&why)) {
        ShowNotSaved(Settings[SyndicateFile], why);
        return;
    }
    if (!file.isEmpty()) {
        std::vector<DiaryRecord> records;
        for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
            DiaryRecord record;
            for (int c = 0; c < kDiaryColumns; ++c)
                record[c] = cellToSave(r, c);
            records.push_back(record);
        }
        if (QString why; !WriteDiary(file, records, &why)) {
            // The members file is written by now: say so, not "nothing saved".
            MsgBox(QStringLiteral("The details and members were saved in %1,    \r\n"
                                  "but the diary could not be written to %2: %3.    \r\n"
                                  "It is left as it was. Check that the program's    \r\n"
                                  "folder can be written to and save again.    ")
                       .arg(Settings[SyndicateFile], file, why),
                   vbOKOnly + vbExclamation, "Error!");
            return;
        }
    }
    Changed = false;
    close();
}

QString SManager::cellToSave(int row, int col) const
{
    return amountsRead_[std::size_t(row)][std::size_t(col)].current(MSFlexGrid1->TextMatrix(row, col));
}

void SManager::Command3_Click()
{
    if (MayCloseWindow(Changed))
        done(QDialog::Rejected);
}

void SManager::Command8_Click()
{
    Command7_Click();
    ManagerDetails details;
    // The details as stored, or as the player edited them.
    auto detail = [this](int box) { return details_[box].current(Text1[box]->text()); };
    details.syndicateName = detail(7);
    details.managerName = detail(0);
    for (int i = 0; i < 4; ++i)
        details.address[i] = detail(1 + i);
    details.phone = detail(5);
    details.email = detail(6);
    PrintSyndicate(details, MSFlexGrid1, Text3->text());
    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(1);
    MSFlexGrid1->setTopRow(1);
    MSFlexGrid1_Click();
}

void SManager::closeEvent(QCloseEvent* event)
{
    if (MayCloseWindow(Changed))
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void SManager::done(int result)
{
    if (Changed) {
        DiscardSyndicateChanges();
        Changed = false;
    }
    QDialog::done(result);
}
