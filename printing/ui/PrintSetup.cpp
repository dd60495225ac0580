#include "printing/ui/PrintSetup.h"

#include "core/DataFiles.h"
#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/ui/DatabaseList.h"
#include "core/ui/HelpCommands.h"
#include "core/ui/Skinning.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"
#include "printing/ui/SlipMarks.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kGridRows = kSlipNumbers + 1;
const QColor kPlainCell(255, 255, 255);  // &HFFFFFF
const QColor kEditedCell(255, 255, 192); // &HC0FFFF, light yellow

QLineEdit* box(QWidget* parent, const QString& name, const QString& text)
{
    QLineEdit* edit = NamedLineEdit(parent, name, text);
    edit->setMaxLength(12);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// A frame of one or two labelled boxes.
QGroupBox* frame(QWidget* parent, const QString& title, const QList<QPair<QString, QLineEdit*>>& rows)
{
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->setContentsMargins(6, 4, 6, 4);
    form->setVerticalSpacing(3); // the column of six frames fits at 144 dots an inch
    for (const auto& [label, edit] : rows) {
        edit->setParent(group);
        form->addRow(label, edit);
    }
    return group;
}

QLabel* heading(QWidget* parent, const QString& text)
{
    QLabel* label = NamedLabel(parent, QString(), text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

PrintSetup::PrintSetup(QWidget* parent) : LoadOnce(parent)
{
    setObjectName(QStringLiteral("PrintSetup"));
    setWindowTitle(QStringLiteral("Lottery slip print setup"));
    const SlipHeader defaults = DefaultSlipHeader();
    auto named = [&](const char* name, SlipField field) {
        QLineEdit* edit = box(this, QString::fromLatin1(name), defaults[field]);
        boxes_[field] = edit;
        return edit;
    };

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setVisible(false);
    for (QListWidget* list : {List1, List3}) {
        list->setFixedWidth(list->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
        list->setMinimumHeight(list->fontMetrics().height() * 5);
    }
    Text3 = NamedLineEdit(this, QStringLiteral("Text3"));
    Text3->setMaxLength(50);

    Frame1 = new QGroupBox(QStringLiteral(" Orientation "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1[0] = new QRadioButton(QStringLiteral("Portrait"), Frame1);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[1] = new QRadioButton(QStringLiteral("Landscape"), Frame1);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    Option1[1]->setChecked(true);
    Label5 = NamedLabel(Frame1, QStringLiteral("Label5"), QString());
    Label7 = NamedLabel(Frame1, QStringLiteral("Label7"), QString());
    auto* orientation = new QGridLayout(Frame1);
    orientation->addWidget(Option1[0], 0, 0);
    orientation->addWidget(Option1[1], 0, 1);
    orientation->addWidget(Label5, 1, 0);
    orientation->addWidget(Label7, 1, 1);

    Text1[0] = named("Text1_0", MarkWidth);
    Text1[1] = named("Text1_1", MarkHeight);
    Text7[0] = named("Text7_0", BoardsAcross);
    Text7[1] = named("Text7_1", BoardsDown);
    Text8[0] = named("Text8_0", BoardSepX);
    Text8[1] = named("Text8_1", BoardSepY);
    Text2[0] = named("Text2_0", MarginX);
    Text2[1] = named("Text2_1", MarginY);
    Text9 = named("Text9", NumbersPerRow);
    Text6[2] = named("Text6_2", FirstNumX);
    Text6[3] = named("Text6_3", FirstNumY);
    Text6[0] = named("Text6_0", NumSepX);
    Text6[1] = named("Text6_1", NumSepY);
    Text2[2] = named("Text2_2", PballNumbersPerRow);
    Text2[3] = named("Text2_3", FirstPballX);
    Text2[4] = named("Text2_4", FirstPballY);
    Text2[5] = named("Text2_5", PballSepX);
    Text2[6] = named("Text2_6", PballSepY);

    const QString across = QStringLiteral("Horizontal:");
    const QString down = QStringLiteral("Vertical:");
    auto* slip = new QVBoxLayout;
    slip->addWidget(frame(this, QStringLiteral("Size of mark (mm)"),
                          {{QStringLiteral("Width:"), Text1[0]}, {QStringLiteral("Height:"), Text1[1]}}));
    slip->addWidget(frame(this, QStringLiteral("Number of boards"),
                          {{QStringLiteral("Across:"), Text7[0]}, {QStringLiteral("Down:"), Text7[1]}}));
    slip->addWidget(frame(this, QStringLiteral("Board separation (mm)"), {{across, Text8[0]}, {down, Text8[1]}}));
    slip->addWidget(frame(this, QStringLiteral("Printer margin (mm)"), {{across, Text2[0]}, {down, Text2[1]}}));
    slip->addStretch();

    auto* numbers = new QGridLayout;
    numbers->addWidget(heading(this, QStringLiteral("Main numbers")), 0, 0);
    numbers->addWidget(frame(this, QStringLiteral("Numbers per row"), {{QString(), Text9}}), 1, 0);
    numbers->addWidget(frame(this, QStringLiteral("Number 1 (mm)"), {{across, Text6[2]}, {down, Text6[3]}}), 2, 0);
    numbers->addWidget(frame(this, QStringLiteral("Number separation (mm)"), {{across, Text6[0]}, {down, Text6[1]}}), 3,
                       0);
    // The Powerball's under the main numbers' frames, so the window stays
    // within the screen's width at a large font.
    numbers->addWidget(heading(this, QStringLiteral("Powerball")), 4, 0);
    numbers->addWidget(frame(this, QStringLiteral("Numbers per row"), {{QString(), Text2[2]}}), 5, 0);
    numbers->addWidget(frame(this, QStringLiteral("Number 1 (mm)"), {{across, Text2[3]}, {down, Text2[4]}}), 6, 0);
    numbers->addWidget(frame(this, QStringLiteral("Number separation (mm)"), {{across, Text2[5]}, {down, Text2[6]}}), 7,
                       0);
    numbers->setRowStretch(8, 1);

    Label3 = NamedLabel(this, QStringLiteral("Label3"), QStringLiteral("Number positions on the lottery slip (mm):"));
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setRows(kGridRows);
    MSFlexGrid1->setCols(6);
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 8);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 16);
    Text4 = NamedLineEdit(this, QStringLiteral("Text4"));
    Text4->setMaxLength(7);
    // Only what a number in millimetres is typed with.
    Text4->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,-]*")), Text4));
    Text4->setFixedWidth(Text4->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")));
    Command7 = NamedButton(this, QStringLiteral("Command7"), QStringLiteral("Enter"));
    auto* edit = new QHBoxLayout;
    edit->addWidget(NamedLabel(this, QStringLiteral("Label4"), QStringLiteral("Edit:")));
    edit->addWidget(Text4);
    edit->addWidget(Command7);
    edit->addStretch();
    auto* grid = new QVBoxLayout;
    grid->addWidget(Label3);
    grid->addWidget(MSFlexGrid1, 1);
    grid->addLayout(edit);

    auto* lists = new QVBoxLayout;
    lists->addWidget(NamedLabel(this, QStringLiteral("Label1"), QStringLiteral(" Select a lottery:")));
    lists->addWidget(List1, 1);
    lists->addWidget(NamedLabel(this, QStringLiteral("Label2"), QStringLiteral(" Select a template:")));
    lists->addWidget(List3, 1);
    lists->addWidget(NamedLabel(this, QStringLiteral("Label6"), QStringLiteral(" Save template as:")));
    lists->addWidget(Text3);
    lists->addWidget(Frame1);

    Command5 = NamedButton(this, QStringLiteral("Command5"), QStringLiteral(" Generate number positions "));
    Command4 = NamedButton(this, QStringLiteral("Command4"), QStringLiteral(" Save As/Update template "));
    Command3 = NamedButton(this, QStringLiteral("Command3"), QStringLiteral(" Delete template "));
    Command6 = NamedButton(this, QStringLiteral("Command6"), QStringLiteral(" Test print on lottery slip "));
    Command1 = NamedButton(this, QStringLiteral("Command1"), QStringLiteral(" Get help "));
    CancelButton = NamedButton(this, QStringLiteral("CancelButton"), QStringLiteral(" Close "));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command5, Command4, Command3, Command6})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(CancelButton);

    auto* columns = new QHBoxLayout;
    columns->addLayout(lists);
    columns->addSpacing(8);
    columns->addLayout(slip);
    columns->addLayout(numbers);
    columns->addSpacing(8);
    columns->addLayout(grid, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(List3, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List3_Click();
    });
    connect(MSFlexGrid1, &FlexGrid::Click, this, &PrintSetup::MSFlexGrid1_Click);
    MSFlexGrid1->verticalHeader()->viewport()->installEventFilter(this);
    connect(Text4, &QLineEdit::returnPressed, this, &PrintSetup::Command7_Click);
    connect(Command7, &QPushButton::clicked, this, &PrintSetup::Command7_Click);
    connect(Command5, &QPushButton::clicked, this, &PrintSetup::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &PrintSetup::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &PrintSetup::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &PrintSetup::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &PrintSetup::Command1_Click);
    connect(CancelButton, &QPushButton::clicked, this, &PrintSetup::CancelButton_Click);
    // Escape closes as Close does, with its question.
    installEventFilter(this);
}

bool PrintSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            CancelButton_Click();
            return true;
        }
    }
    QHeaderView* numbers = MSFlexGrid1->verticalHeader();
    if (watched == numbers->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        const int section = numbers->logicalIndexAt(click->position().toPoint());
        if (click->button() == Qt::LeftButton && section >= 0) {
            MSFlexGrid1->setRow(section + MSFlexGrid1->FixedRows());
            MSFlexGrid1->setCol(0);
            MSFlexGrid1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QLineEdit* PrintSetup::HeaderBox(SlipField field) const { return boxes_[field]; }

SlipHeader PrintSetup::Header() const
{
    SlipHeader header;
    for (int f = 0; f < kSlipFieldCount; ++f)
        header[f] = boxes_[f]->text();
    return header;
}

void PrintSetup::Skinning() { ::Skinning(this, SkinFamily::File); }

void PrintSetup::Form_Load()
{
    Skinning();
    Label7->setText(QStringLiteral("[3] [6]...\n[2] [5]...\n[1 ] [4]..."));
    Label5->setText(QStringLiteral("[1 ] [2] [3]\n[4] [5] [6]\n[7] [8]..."));

    MSFlexGrid1->setTextMatrix(0, 0, QStringLiteral("Number"));
    const QStringList headings = {QStringLiteral("Num_X"), QStringLiteral("Num_Y"), QStringLiteral("Pball_X"),
                                  QStringLiteral("Pball_Y")};
    const QFontMetrics metrics(MSFlexGrid1->font());
    for (int c = 0; c < 6; ++c)
        MSFlexGrid1->setColAlignment(c, Qt::AlignCenter);
    MSFlexGrid1->setColWidth(0, metrics.horizontalAdvance(QStringLiteral("_NUMBER_")));
    for (int c = 1; c <= 4; ++c) {
        MSFlexGrid1->setTextMatrix(0, c, headings[c - 1]);
        MSFlexGrid1->setColWidth(c, metrics.horizontalAdvance(QStringLiteral("123456789")));
    }
    MSFlexGrid1->setColWidth(5, 0); // never used
    for (int n = 1; n <= kSlipNumbers; ++n)
        MSFlexGrid1->setTextMatrix(n, 0, QString::number(n));
    // In a narrow window the grid gives up its last columns first.
    MSFlexGrid1->fitWidthToColumns(4, 2);
    Label3->setWordWrap(true);
    Label3->setMinimumWidth(MSFlexGrid1->minimumWidth());

    EditRow = 1;
    EditCol = 1;
    if (ListDatabases(List1) > 0)
        List1->setCurrentRow(0);
    GetTemplates();
    if (List3->count() > 0)
        List3->setCurrentRow(0);
    updateButtons();
}

void PrintSetup::List1_Click() { LoadDatabase(List1->currentRow()); }

void PrintSetup::GetTemplates()
{
    List3->blockSignals(true);
    List3->clear();
    List3->blockSignals(false);
    List2->clear();
    for (const QString& file : TemplateFiles()) {
        // The template's name, or the file's when it has none.
        const QString first = ReadFirstLineStart(file, kListNameLength).value_or(QString());
        const QString name = first.trimmed().isEmpty() ? file : first;
        List2->addItem(file);
        List3->blockSignals(true);
        List3->addItem(name);
        List3->blockSignals(false);
    }
    updateButtons();
}

void PrintSetup::ClearGrid()
{
    for (int n = 1; n <= kSlipNumbers; ++n) {
        for (int c = 1; c <= 4; ++c)
            MSFlexGrid1->setTextMatrix(n, c, QString());
    }
    cellAsRead_ = {};
}

void PrintSetup::showPositions(const SlipPositions& positions)
{
    for (int n = 1; n <= kSlipNumbers; ++n) {
        for (int c = 0; c < 4; ++c)
            MSFlexGrid1->setTextMatrix(n, c + 1, FormatPosition(positions[n][c]));
    }
}

bool PrintSetup::gridIsEmpty() const
{
    for (int n = 1; n <= kSlipNumbers; ++n) {
        for (int c = 1; c <= 4; ++c) {
            if (!MSFlexGrid1->TextMatrix(n, c).trimmed().isEmpty())
                return false;
        }
    }
    return true;
}

SlipPositions PrintSetup::GridPositions() const
{
    SlipPositions positions{};
    for (int n = 1; n <= kSlipNumbers; ++n) {
        for (int c = 0; c < 4; ++c) {
            const QString text = MSFlexGrid1->TextMatrix(n, c + 1);
            const std::optional<double>& read = positionsRead_[n][c];
            positions[n][c] = cellAsRead_[n][c] && text == FormatPosition(read) ? read : PlainNumber(text);
        }
    }
    return positions;
}

void PrintSetup::List3_Click()
{
    const int index = List3->currentRow();
    if (index < 0 || index >= List2->count())
        return;
    ClearGrid();
    Text3->setText(List3->item(index)->text());
    nameKept_ = false;
    const PlaySlipRead read = ReadPlaySlipTemplate(List2->item(index)->text());
    if (!read.slip) {
        MsgBox(read.error, vbExclamation, QStringLiteral("Error!"));
        return;
    }
    const PlaySlipTemplate& slip = *read.slip;
    // The list shows the names cut: the template's lottery is compared as
    // the list would show it, whether it holds the whole name or (saved
    // earlier) the cut one.
    const QString lottery = ListedName(slip.TemplateLottery).trimmed();
    int match = -1;
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->text().trimmed() == lottery)
            match = i;
    }
    if (match >= 0 && match != List1->currentRow())
        List1->setCurrentRow(match);
    Option1[slip.SlipOrientation == 0 ? 0 : 1]->setChecked(true);
    for (int f = 0; f < kSlipFieldCount; ++f)
        boxes_[f]->setText(slip.header[f]);
    // Positions show with two decimals; one stored with more keeps them
    // while its cell is left as it is.
    showPositions(slip.positions);
    positionsRead_ = slip.positions;
    for (auto& row : cellAsRead_)
        row.fill(true);
    // A name longer than the box takes is shown cut, and kept whole while
    // the box is left as it is.
    nameRead_ = slip.TemplateName;
    nameShown_ = Text3->text();
    nameKept_ =
        !nameRead_.trimmed().isEmpty() && ListedName(nameRead_).trimmed() == List3->item(index)->text().trimmed();
    EditRow = 1;
    EditCol = 1;
    MSFlexGrid1->setRow(1);
    MSFlexGrid1->setCol(1);
    MSFlexGrid1_Click();
}

void PrintSetup::MSFlexGrid1_Click()
{
    if (MSFlexGrid1->Col() == 0)
        MSFlexGrid1->setCol(1);
    MSFlexGrid1->setCellBackColor(EditRow, EditCol, kPlainCell);
    MSFlexGrid1->setCellBackColor(kEditedCell);
    EditRow = MSFlexGrid1->Row();
    EditCol = MSFlexGrid1->Col();
    Text4->setText(MSFlexGrid1->Text());
    Text4->setFocus();
}

void PrintSetup::Command7_Click()
{
    const int row = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    if (row < 1 || row > kSlipNumbers || col < 1 || col > 4)
        return;
    MSFlexGrid1->setText(FormatPosition(Val(Text4->text())));
    cellAsRead_[row][col - 1] = false;
}

bool PrintSetup::lotteryChosen()
{
    if (List1->currentRow() >= 0)
        return true;
    MsgBox(QStringLiteral("There is no lottery to make a template for. Please create a lottery database first.    "),
           vbExclamation, QStringLiteral("Error!"));
    return false;
}

bool PrintSetup::generated(SlipGenerateResult* out)
{
    *out = GenerateSlipPositions(Header(), Option1[1]->isChecked(), MaxBall, ExtraBallMax);
    const SlipGenerateResult& result = *out;
    switch (result.problem) {
    case SlipGenerateResult::NumbersPerRow:
        MsgBox(QStringLiteral("Set the 'Numbers per row' value    "), vbExclamation, QStringLiteral("Error"));
        return false;
    case SlipGenerateResult::PballNumbersPerRow:
        MsgBox(QStringLiteral("Set the 'Powerball Numbers per row' value    "), vbExclamation, QStringLiteral("Error"));
        return false;
    case SlipGenerateResult::Header: MsgBox(result.message, vbExclamation, QStringLiteral("Error")); return false;
    case SlipGenerateResult::None: break;
    }
    return true;
}

bool PrintSetup::generate()
{
    ClearGrid();
    SlipGenerateResult result;
    if (!generated(&result))
        return false;
    showPositions(result.positions);
    return true;
}

void PrintSetup::Command5_Click()
{
    if (lotteryChosen())
        generate();
}

void PrintSetup::Command4_Click()
{
    if (!lotteryChosen())
        return;
    // The boxes must hold what Generate takes, whether or not it runs; the
    // positions saved are those the grid shows, generated first only when
    // the grid is empty.
    SlipGenerateResult generatedNow;
    if (!generated(&generatedNow))
        return;
    if (gridIsEmpty())
        showPositions(generatedNow.positions);
    PlaySlipTemplate slip;
    slip.positions = GridPositions();
    // The loaded template's name, kept whole while the box shows it as given.
    const bool keptName = nameKept_ && Text3->text() == nameShown_;
    const QString typed = keptName ? nameRead_ : Text3->text();
    const QString name = ListedName(typed).trimmed();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Type a name for the template in 'Save template as'.    "), vbExclamation,
               QStringLiteral("Error"));
        return;
    }
    int existing = -1;
    for (int i = 0; i < List3->count(); ++i) {
        if (List3->item(i)->text().trimmed().toUpper() == name.toUpper())
            existing = i;
    }
    const QString file = existing >= 0 ? List2->item(existing)->text() : FirstFreeTemplateFile();
    slip.TemplateName = typed;
    // The chosen lottery's whole name, which printing looks for (the list
    // may show it cut).
    slip.TemplateLottery = LotteryName;
    slip.SlipOrientation = Option1[0]->isChecked() ? 0 : 1;
    slip.header = Header();
    if (QString why; !WritePlaySlipTemplate(file, slip, &why)) {
        MsgBox(QStringLiteral("Couldn't save ") + file + QStringLiteral(": ") + why + QStringLiteral("    "),
               vbCritical, QStringLiteral("Error!"));
        return;
    }
    if (existing < 0) {
        List2->addItem(file);
        List3->addItem(name);
        List3->setCurrentRow(List3->count() - 1);
        updateButtons();
    }
    MsgBox(QStringLiteral("Template saved...    "), vbInformation, QStringLiteral("Vantrel"));
}

void PrintSetup::Command3_Click()
{
    const int index = List3->currentRow();
    if (index < 0 || index >= List2->count())
        return;
    if (MsgBox(QStringLiteral("Delete ") + List3->item(index)->text() + QStringLiteral(" template?    "),
               vbYesNo + vbQuestion, QStringLiteral("Delete template"))
        != vbYes)
        return;
    const QString file = List2->item(index)->text();
    if (QFileInfo::exists(file) && !QFile::remove(file)) {
        MsgBox(QStringLiteral("Couldn't delete ") + file, vbCritical, QStringLiteral("Error!"));
        return;
    }
    GetTemplates();
    if (List3->count() > 0)
        List3->setCurrentRow(0);
    ClearGrid();
}

void PrintSetup::Command6_Click()
{
    if (MSFlexGrid1->TextMatrix(1, 1).isEmpty()) {
        MsgBox(QStringLiteral("Fill the grid first!    "), vbExclamation, QStringLiteral("Error!"));
        return;
    }
    PlaySlipTemplate slip;
    slip.header = Header();
    const QString problem = CheckSlipHeader(slip.header);
    if (!problem.isEmpty()) {
        MsgBox(problem, vbExclamation, QStringLiteral("Error!"));
        return;
    }
    // The grid as it stands, hand corrections included; a cell that is not
    // a number has no position, and its mark is left out.
    slip.positions = GridPositions();
    StartSlipMarks();
    SlipMarkTrouble trouble;
    for (int bx = 0; bx < slip.boardsAcross(); ++bx) {
        for (int by = 0; by < slip.boardsDown(); ++by) {
            for (int n = 1; n <= kSlipNumbers; ++n) {
                if (n <= MaxBall)
                    trouble.note(n, DrawSlipMark(slip, n, false, bx, by));
                if (ExtraBallMax > 0 && n <= ExtraBallMax)
                    trouble.note(n, DrawSlipMark(slip, n, true, bx, by));
            }
        }
    }
    const bool started = Printer().DocumentOpen();
    if (!Printer().EndDoc() && started)
        return;
    // Boxes left empty in the grid are the player's own choice; marks cut
    // off by the page's edge are worth a word.
    trouble.noPosition.clear();
    const QString warning = trouble.message(Text3->text());
    if (!warning.isEmpty())
        MsgBox(warning, vbExclamation, QStringLiteral("Warning!"));
}

bool PrintSetup::mayClose()
{
    return MsgBox(QStringLiteral("Close? (Any changes not saved will be lost.)  "), vbYesNo + vbQuestion,
                  QStringLiteral("Close"))
        != vbNo;
}

void PrintSetup::CancelButton_Click()
{
    if (mayClose())
        reject();
}

void PrintSetup::closeEvent(QCloseEvent* event)
{
    if (mayClose())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void PrintSetup::Command1_Click() { ShowHelpPage(QStringLiteral("helpprint.html")); }

void PrintSetup::updateButtons() { Command3->setEnabled(List3->count() > 0); }
