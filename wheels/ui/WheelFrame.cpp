#include "wheels/ui/WheelFrame.h"

#include "core/OpenLottery.h"
#include "core/ui/TipBox.h"
#include "databases/ui/SaveEntries.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/Random.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/PrintReports.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GeneratorFrameOptions WheelGeneratorOptions(const QString& name, const QString& caption, int gridRows)
{
    GeneratorFrameOptions o;
    o.name = name;
    o.caption = caption;
    o.gridRows = gridRows;
    o.checkBoxes = false;
    o.filtersHeading = "Filters   ";
    o.saveTip = "Save the lottery entries to disk";
    o.closeTip = " Close ";
    o.helpButtons = {"Command3"};
    o.generateOnChoice = false;
    return o;
}

WheelFrame::WheelFrame(const WheelFrameOptions& options, QWidget* parent)
    : GeneratorFrame(options.frame, parent), options_(options)
{
    Label1->setObjectName(options.listCaptionName);
    Label5->setObjectName(options.statusName);
    if (options.statusColour)
        SetTextColours(Label5, ToQColor(*options.statusColour));
    if (options.boxes > 0)
        buildBoxes();
}

void WheelFrame::buildBoxes()
{
    const int n = options_.boxes;
    const int s = std::max(1, options_.blockSize);
    const int perRow = std::max(1, options_.blocksPerRow);
    auto* numbers = new QHBoxLayout;
    boxesColumn_ = new QVBoxLayout;
    sideColumn_ = new QVBoxLayout;
    boxGrid_ = new QGridLayout;
    boxGrid_->setHorizontalSpacing(4);
    boxesColumn_->addLayout(boxGrid_);
    numbers->addLayout(boxesColumn_);
    numbers->addSpacing(16);
    numbers->addLayout(sideColumn_);
    numbers->addStretch(1);
    methodBox()->addLayout(numbers);

    // Each block takes its letter's column (when shown), its boxes, and a
    // gap after it.
    const int blockColumns = (options_.blockLetters ? 1 : 0) + s + 1;
    for (int i = 0; i < n; ++i) {
        const int block = i / s;
        const int row = block / perRow;
        const int column = (block % perRow) * blockColumns + (options_.blockLetters ? 1 : 0) + i % s;
        const QString name = QString("Text1(%1)").arg(i);
        QLineEdit* box =
            options_.digitsOnly ? NamedDigitsBox(this, name, options_.boxDigits) : NamedLineEdit(this, name);
        if (!options_.digitsOnly) {
            box->setMaxLength(options_.boxDigits);
            box->setAlignment(Qt::AlignCenter);
            box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(options_.boxDigits + 1, '0')) + 12);
        }
        Text1.push_back(box);
        boxGrid_->addWidget(box, row, column);
        if (options_.enterMovesOn)
            connect(box, &QLineEdit::returnPressed, this, [this, i] { Text1_Enter(i); });
        if (options_.blockLetters && i % s == 0) {
            QLabel* letter = NamedLabel(this, QString("Label1(%1)").arg(block + 1), QString(QChar(u'A' + block)));
            letter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            BlockLetters.push_back(letter);
            boxGrid_->addWidget(letter, row, column - 1);
        }
    }
    for (int b = 0; b < perRow; ++b)
        boxGrid_->setColumnMinimumWidth((b + 1) * blockColumns - 1, 12);
    SetBoxesInUse(n);

    if (options_.randomButtons) {
        Command12 = NamedButton(this, "Command12", "Random selection", options_.randomSelectionTip);
        Command8 = NamedButton(this, "Command8", "Random order", options_.randomOrderTip);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(Command12);
        buttons->addWidget(Command8);
        buttons->addStretch(1);
        boxesColumn_->addLayout(buttons);
        connect(Command12, &QPushButton::clicked, this, &WheelFrame::Command12_Click);
        connect(Command8, &QPushButton::clicked, this, &WheelFrame::Command8_Click);
    }
}

QStringList WheelFrame::BoxTexts() const
{
    QStringList texts;
    for (const QLineEdit* box : Text1)
        texts << box->text();
    return texts;
}

void WheelFrame::SetBoxTexts(const QStringList& texts)
{
    for (std::size_t i = 0; i < Text1.size() && qsizetype(i) < texts.size(); ++i)
        if (Text1[i]->text() != texts[qsizetype(i)])
            Text1[i]->setText(texts[qsizetype(i)]);
}

bool WheelFrame::BoxInUse(int i) const
{
    if (i < 0 || i >= int(Text1.size()))
        return false;
    return Text1[std::size_t(i)]->palette().color(QPalette::Base) == ToQColor(kBoxInUseColour);
}

std::vector<bool> WheelFrame::BoxesInUse() const
{
    std::vector<bool> used;
    for (int i = 0; i < int(Text1.size()); ++i)
        used.push_back(BoxInUse(i));
    return used;
}

void WheelFrame::SetBoxesInUse(int m)
{
    for (int i = 0; i < int(Text1.size()); ++i) {
        QLineEdit* box = Text1[std::size_t(i)];
        const bool used = i < m;
        QPalette p = box->palette();
        p.setColor(QPalette::Base, ToQColor(used ? kBoxInUseColour : kBoxNotInUseColour));
        p.setColor(QPalette::Text, Qt::black);
        box->setPalette(p);
        if (options_.disableUnused)
            box->setEnabled(used);
        if (!used && options_.emptyUnused)
            box->clear();
    }
}

void WheelFrame::Text1_Enter(int index)
{
    const int next = index + 1;
    if (next < int(Text1.size()) && Text1[std::size_t(next)]->isEnabled())
        Text1[std::size_t(next)]->setFocus();
}

void WheelFrame::Command12_Click()
{
    QStringList texts = BoxTexts();
    RandomSelection(texts, BoxesInUse(), MaxBall);
    SetBoxTexts(texts);
}

void WheelFrame::Command8_Click()
{
    QStringList texts = BoxTexts();
    RandomOrder(texts, options_.orderWriteBack);
    SetBoxTexts(texts);
}

void WheelFrame::LotteryChosen()
{
    LotteryStep();
    for (QLineEdit* box : Text1)
        if (!BoxFitsLottery(box->text(), MaxBall))
            box->clear();
}

void WheelFrame::Command2_Click()
{
    switch (options_.generateBusy) {
    case GenerateBusy::ReturnsWhenSet: GeneratorFrame::Command2_Click(); break;
    case GenerateBusy::SetsWithoutTesting:
        Busy = false; // set again at once, and clear when Generate ends
        GeneratorFrame::Command2_Click();
        break;
    case GenerateBusy::NotUsed: {
        const bool was = Busy;
        Busy = false;
        GeneratorFrame::Command2_Click();
        Busy = was;
        break;
    }
    }
}

void WheelFrame::Generate()
{
    if (options_.retryLoop) {
        GeneratorFrame::Generate();
        return;
    }
    if (options_.clearBeforeChecks)
        ClearEntries();
    if (options_.reseedOnGenerate)
        Randomize();
    // A number in two boxes would stand twice in a line.
    if (!BoxesOK() || RepeatsANumber(BoxTexts(), BoxesInUse())) {
        ShowTip(6);
        return;
    }
    if (const QString refusal = WheelRefusal(); !refusal.isEmpty()) {
        MsgBox(refusal, vbOKOnly | vbExclamation, "Sorry!");
        return;
    }
    if (!options_.clearBeforeChecks)
        ClearEntries();
    if (!RunWheel()) {
        ClearEntries();
        ShowTip(6);
        return;
    }
    ShowWheel();
}

bool WheelFrame::BoxesOK()
{
    if (Text1.empty())
        return true;
    const BoxReading reading = ReadNumberBoxes(BoxTexts(), BoxesInUse(), MaxBall);
    for (int i : reading.emptied)
        Text1[std::size_t(i)]->clear();
    return reading.ok;
}

void WheelFrame::PlayLotto() { RunWheel(); }

void WheelFrame::ShowWheel()
{
    SortEntries(BallsDrawn);
    ShowEntries(MSFlexGrid1);
}

WheelExpansion WheelFrame::ExpansionFor(int lettersPerLine, LetterBase base, int filled)
{
    WheelExpansion how;
    how.lettersPerLine = lettersPerLine;
    how.base = base;
    how.filled = filled;
    how.ballsDrawn = BallsDrawn;
    how.maxBall = MaxBall;
    how.extraBallMax = ExtraBallMax;
    return how;
}

SkinLabels WheelFrame::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {}, .other = {}};
}

void WheelFrame::RunFilter(void (*filter)())
{
    if (options_.filtersTestBusy && Busy)
        return;
    if (filter == FilterHistory && options_.historyFilterHourglass) {
        Hourglass wait;
        filter();
    } else {
        filter();
    }
    ShowEntries(MSFlexGrid1);
}

void WheelFrame::Command6_Click()
{
    if (options_.printSaveTestBusy && Busy)
        return;
    PrintEntries(MSFlexGrid1);
}

void WheelFrame::Command7_Click()
{
    if (options_.printSaveTestBusy && Busy)
        return;
    SaveMyEntries(MSFlexGrid1);
}

void WheelFrame::Command1_Click()
{
    if (options_.closeBusy == CloseBusy::NoTest) {
        done(QDialog::Rejected);
        return;
    }
    GeneratorFrame::Command1_Click();
}
