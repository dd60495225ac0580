#include "wheels/ui/PGuaranteed.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/Random.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/NumberBoard.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

WheelFrameOptions Options()
{
    WheelFrameOptions o;
    o.frame = WheelGeneratorOptions("PGuaranteed", "Guaranteed win wheels", 200);
    o.frame.checkBoxes = true;
    o.frame.helpButtons = {"Command10", "Command11"};
    o.frame.filtersBesideGrid = true; // the board and the families take the height
    o.frame.decimals = 2;
    o.listCaptionName = "Label5";
    o.statusName = "Label10";
    o.generateBusy = GenerateBusy::ReturnsWhenSet;
    o.closeBusy = CloseBusy::Waits;
    o.retryLoop = true;
    o.statusColour = kRetryStatusColour;
    return o;
}

// The highest number the board can show for the open lottery.
int BoardTop() { return std::clamp(MaxBall, 0, kBoardNumbers); }

} // namespace

PGuaranteed::PGuaranteed(QWidget* parent) : WheelFrame(Options(), parent)
{
    // The board takes the name Label1; the frame's "Select a lottery:" and
    // status line are named Label5 and Label10.
    Label10 = Label5;
    Label7->setText("Guaranteed win wheels");
    Label2->setText("Many of these wheels are big and expensive, but they maximise your chance of one or more "
                    "3-matches or 5-matches in your lottery entries. Either pick your own numbers or use the Random "
                    "Selection buttons. The wheels are designed for pick-6 lotteries.");
    Label19 = NamedLabel(this, "Label19", "Designed for pick-6 lotteries");
    Label9 = NamedLabel(this, "Label9", "   Click your numbers:");
    Board = new NumberBoard("Label1", kBoardNumbers, 12, this);
    Command16 = NamedButton(this, "Command16", "Clear", " Clear the number selection ");

    static const std::array<const char*, kGuaranteedFamilies> headingNames{"Label6(2)", "Label6(3)", "Label6(4)"};
    static const std::array<const char*, kGuaranteedFamilies> countNames{"Label8", "Label14", "Label16"};
    static const std::array<const char*, kGuaranteedFamilies> linesNames{"Label11", "Label15", "Label17"};
    static const std::array<const char*, kGuaranteedFamilies> promiseNames{"Label13", "Label3", "Label4"};
    static const std::array<const char*, kGuaranteedFamilies> generateNames{"Command2", "Command3", "Command4"};
    static const std::array<const char*, kGuaranteedFamilies> generateTips{
        "Generate another selection of lottery entries", "Generate another selection of lottery entries",
        " Generate another selection of lottery entries "};

    // Board on the left of the window's own row, the three families beside
    // it one above the other.
    auto* families = new QGridLayout;
    families->setHorizontalSpacing(10);
    families->setVerticalSpacing(2);
    for (int f = 0; f < kGuaranteedFamilies; ++f) {
        const auto i = std::size_t(f);
        const auto family = WheelFamily(f);
        Heading[i] = NamedLabel(this, headingNames[i], GuaranteedHeading(family));
        QFont bold = Heading[i]->font();
        bold.setBold(true);
        Heading[i]->setFont(bold);
        CountText[i] = NamedLabel(this, countNames[i], QString());
        LinesText[i] = NamedLabel(this, linesNames[i], QString());
        Promise[i] = NamedLabel(this, promiseNames[i], GuaranteedPromise(family));
        Promise[i]->setWordWrap(true);
        Combo[i] = new QComboBox(this);
        Combo[i]->setObjectName(QString("Combo%1").arg(f + 1));
        Combo[i]->addItems(GuaranteedItems(family));
        if (f == 0) {
            GenerateButton[i] = Command2;
            Command2->setToolTip(generateTips[i]);
        } else {
            GenerateButton[i] = NamedPictureButton(this, generateNames[i], QStyle::SP_BrowserReload, "Generate",
                                                   generateTips[i], "view-refresh");
        }
        RandomButton[i] = NamedPictureButton(this, QString("Command12(%1)").arg(f), QStyle::SP_CustomBase,
                                             "Random selection", " Random selection of numbers ");
        const int row = f * 4; // a gap row between families
        families->addWidget(Heading[i], row, 0);
        auto* counts = new QHBoxLayout;
        counts->setSpacing(16);
        counts->addWidget(CountText[i]);
        counts->addWidget(LinesText[i]);
        counts->addStretch();
        families->addLayout(counts, row, 1, 1, 3);
        families->addWidget(Combo[i], row + 1, 0);
        families->addWidget(GenerateButton[i], row + 1, 1);
        families->addWidget(RandomButton[i], row + 1, 2);
        families->addWidget(Promise[i], row + 2, 0, 1, 4);
        if (f + 1 < kGuaranteedFamilies)
            families->setRowMinimumHeight(row + 3, 4);
    }
    families->setColumnStretch(3, 1);
    // A promise is never narrower than its family's row of controls: it
    // keeps the lines it needs there when the window is made small, and the
    // grid gives up its rows instead.
    for (int f = 0; f < kGuaranteedFamilies; ++f) {
        const auto i = std::size_t(f);
        const int row = Combo[i]->sizeHint().width() + GenerateButton[i]->sizeHint().width()
            + RandomButton[i]->sizeHint().width() + 2 * families->horizontalSpacing();
        Promise[i]->setMinimumHeight(Promise[i]->heightForWidth(row));
    }
    // The frame's Generate moves from the row of buttons into its family.
    for (QLayout* box : layout()->findChildren<QLayout*>())
        box->removeWidget(Command2);

    auto* boardBox = new QVBoxLayout;
    boardBox->addWidget(Label19);
    boardBox->addWidget(Label9);
    boardBox->addWidget(Board);
    auto* clear = new QHBoxLayout;
    clear->addStretch();
    clear->addWidget(Command16);
    boardBox->addLayout(clear);
    boardBox->addStretch();
    auto* own = new QHBoxLayout;
    own->addLayout(boardBox);
    own->addSpacing(12);
    own->addLayout(families, 1);
    methodBox()->addLayout(own);

    for (int f = 0; f < kGuaranteedFamilies; ++f) {
        connect(Combo[std::size_t(f)], &QComboBox::currentIndexChanged, this, [this, f] { Combo_Change(f); });
        connect(RandomButton[std::size_t(f)], &QPushButton::clicked, this, [this, f] { RandomButton_Click(f); });
        Combo_Change(f);
    }
    // Each Generate button runs the frame's Generate with its family; the
    // first is the frame's Command2, whose handler is Command2_Click.
    for (int f = 1; f < kGuaranteedFamilies; ++f)
        connect(GenerateButton[std::size_t(f)], &QPushButton::clicked, this, [this, f] { Generate_Click(f); });
    connect(Command16, &QPushButton::clicked, this, &PGuaranteed::Command16_Click);
}

SkinLabels PGuaranteed::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {Label10}};
}

void PGuaranteed::Combo_Change(int family)
{
    const auto i = std::size_t(family);
    const QString item = Combo[i]->currentText();
    CountText[i]->setText(PickNumbersText(item));
    LinesText[i]->setText(UsesLinesText(item));
}

void PGuaranteed::LotteryStep() { Board->setTop(BoardTop()); }

void PGuaranteed::Command16_Click()
{
    Board->clearSelection();
    BlankEntriesGrid(MSFlexGrid1);
}

void PGuaranteed::Command2_Click() { Generate_Click(0); }

void PGuaranteed::Generate_Click(int family)
{
    if (Busy)
        return;
    family_ = std::clamp(family, 0, kGuaranteedFamilies - 1);
    WheelFrame::Command2_Click();
}

bool PGuaranteed::InputsOK()
{
    const auto i = std::size_t(family_);
    need_ = ItemNumbers(Combo[i]->currentText());
    const std::vector<int> picks = Board->selectedNumbers();
    const Refusal refusal = GuaranteedRefusal(int(picks.size()), need_, MaxBall, BallsDrawn);
    if (refusal.refused()) {
        MsgBox(refusal.text, vbOKOnly | vbExclamation, refusal.title);
        return false;
    }
    const QString table = GuaranteedTable(WheelFamily(family_), Combo[i]->currentIndex());
    if (table.isEmpty()) {
        MsgBox("The table of this wheel is missing from the program.    ", vbOKOnly | vbExclamation, "Sorry!");
        return false;
    }
    PutPicksInPool(picks);
    CurrentWheel = table;
    return true;
}

bool PGuaranteed::RunWheel()
{
    // Every try takes the numbers in a new order, from where the last left
    // them; "A" is BallPool element 1.
    ShuffleOddPositions(need_);
    return ExpandWheel(CurrentWheel, ExpansionFor(6, LetterBase::Pool(1), need_)).ok();
}

void PGuaranteed::RandomButton_Click(int family)
{
    if (Busy)
        return;
    {
        BusyGuard busy;
        Hourglass wait;
        Randomize();
        Command16_Click();
        const int need = ItemNumbers(Combo[std::size_t(family)]->currentText());
        for (int number : RandomBoardPicks(need, BoardTop()))
            Board->setSelected(number, true);
    }
    Generate_Click(family);
}
