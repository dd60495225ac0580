#include "wheels/ui/PThreeMatch.h"

#include "core/OpenLottery.h"
#include "core/ui/TipBox.h"
#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/Text.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr std::uint32_t kInUse = 0xFFFFFF;
constexpr std::uint32_t kNotInUse = 0xC0C0C0;

GeneratorFrameOptions Options()
{
    GeneratorFrameOptions o;
    o.name = "PThreeMatch";
    o.caption = "Three-match wheels";
    o.gridRows = 25;
    o.filtersHeading = "Filters   ";
    o.saveTip = "Save the lottery entries to disk";
    o.helpButtons = {"Command3"};
    o.checkBoxes = false;
    o.generateOnChoice = false;
    return o;
}

// A box's number as the window reads it: Val, rounded half to even.
int BoxValue(const QLineEdit* box)
{
    const double value = std::nearbyint(Val(box->text()));
    return value > 32767 ? 32767 : value < -32768 ? -32768 : int(value);
}

} // namespace

PThreeMatch::PThreeMatch(QWidget* parent) : GeneratorFrame(Options(), parent)
{
    // The frame's "Select a lottery:" is this window's Label5; its status
    // line, which this window writes only to say why a lottery cannot be
    // played, takes another name.
    Label1->setObjectName("Label5");
    Label5->setObjectName("StatusLine");
    Label7->setText("Guaranteed 3-match wheels");
    Option1[0] = new QRadioButton("3-match wheels", this);
    Option1[0]->setObjectName("Option1(0)");
    Option1[1] = new QRadioButton("4-match wheels", this);
    Option1[1]->setObjectName("Option1(1)");
    Option1[0]->setChecked(true);
    Label3 = NamedLabel(this, "Label3", "Designed for pick-6 lotteries");
    PickWheelLabel = NamedLabel(this, "Label1", "Pick your wheel:");
    Label8 = NamedLabel(this, "Label8", "   Pick x Numbers:");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    Combo2->hide();
    Command12 = NamedButton(this, "Command12", "Random selection", " Enter a random selection of numbers ");
    Command8 = NamedButton(this, "Command8", "Random order", " Nix up the order of the numbers ");

    auto* boxes = new QGridLayout;
    boxes->setSpacing(4);
    for (int i = 0; i < kThreeMatchBoxes; ++i) {
        QLineEdit* box = NamedDigitsBox(this, QString("Text1(%1)").arg(i), 3);
        box->setMaxLength(3);
        box->installEventFilter(this);
        Text1[std::size_t(i)] = box;
        boxes->addWidget(box, i / 5, i % 5);
    }

    // Options and the wheel list on the left, the boxes on the right.
    auto* choice = new QVBoxLayout;
    choice->addWidget(Label3);
    choice->addWidget(Option1[0]);
    choice->addWidget(Option1[1]);
    choice->addWidget(PickWheelLabel);
    choice->addWidget(Combo1);
    choice->addWidget(Combo2);
    choice->addStretch();
    auto* numbers = new QVBoxLayout;
    numbers->addWidget(Label8);
    numbers->addLayout(boxes);
    auto* random = new QHBoxLayout;
    random->addWidget(Command12);
    random->addWidget(Command8);
    random->addStretch();
    numbers->addLayout(random);
    auto* own = new QHBoxLayout;
    own->addLayout(choice);
    own->addSpacing(16);
    own->addLayout(numbers);
    own->addStretch();
    methodBox()->addLayout(own);

    // The lists are filled as the window loads: the 4-match list first,
    // then the 3-match list, whose first wheel is chosen.
    for (const MatchWheel& wheel : MatchWheels(true))
        Combo2->addItem(wheel.item);
    Combo2->setCurrentIndex(0);
    Combo2_Click();
    for (const MatchWheel& wheel : MatchWheels(false))
        Combo1->addItem(wheel.item);
    Combo1->setCurrentIndex(0);
    Combo1_Click();

    for (int i = 0; i < 2; ++i)
        connect(Option1[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, &PThreeMatch::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &PThreeMatch::Combo2_Click);
    connect(Command12, &QPushButton::clicked, this, &PThreeMatch::Command12_Click);
    connect(Command8, &QPushButton::clicked, this, &PThreeMatch::Command8_Click);
}

SkinLabels PThreeMatch::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {PickWheelLabel, Label1}, .other = {}};
}

void PThreeMatch::paintBox(int i, bool inUse)
{
    QLineEdit* box = Text1[std::size_t(i)];
    QPalette palette = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, ToQColor(inUse ? kInUse : kNotInUse));
    box->setPalette(palette);
    box->setEnabled(inUse);
    if (!inUse)
        box->clear();
}

void PThreeMatch::chooseWheel(bool fourMatch, int index)
{
    const auto& wheels = MatchWheels(fourMatch);
    // With no wheel chosen the last one stays.
    if (index < 0 || index >= int(wheels.size()))
        return;
    const MatchWheel& wheel = wheels[std::size_t(index)];
    CurrentWheel = wheel.letters;
    PickCount = wheel.v;
    Label2->setText(MatchExplanation(fourMatch, wheel));
    Label8->setText(MatchPickPrompt(wheel.v));
    for (int i = 0; i < kThreeMatchBoxes; ++i)
        paintBox(i, i < wheel.v);
    BlankEntriesGrid(MSFlexGrid1);
}

void PThreeMatch::Combo1_Click() { chooseWheel(false, Combo1->currentIndex()); }

void PThreeMatch::Combo2_Click() { chooseWheel(true, Combo2->currentIndex()); }

void PThreeMatch::Option1_Click(int index)
{
    FourMatch = index == 1;
    Option1[std::size_t(FourMatch ? 1 : 0)]->setChecked(true);
    Combo1->setVisible(!FourMatch);
    Combo2->setVisible(FourMatch);
    Label7->setText(FourMatch ? "Guaranteed 4-match wheels" : "Guaranteed 3-match wheels");
    setWindowTitle(FourMatch ? "Four-match wheels" : "Three-match wheels");
    if (FourMatch)
        Combo2_Click();
    else
        Combo1_Click();
}

void PThreeMatch::LotteryChosen()
{
    // A box keeps only a number the new lottery can draw.
    for (QLineEdit* box : Text1) {
        const int value = BoxValue(box);
        if (value > MaxBall || value < 1)
            box->clear();
    }
}

void PThreeMatch::Command12_Click()
{
    const auto numbers = MatchRandomSelection(MaxBall);
    for (int i = 0; i < kThreeMatchBoxes; ++i)
        if (Text1[std::size_t(i)]->isEnabled()) {
            const int n = numbers[std::size_t(i)];
            Text1[std::size_t(i)]->setText(n > 0 ? QString::number(n) : QString());
        }
}

void PThreeMatch::Command8_Click()
{
    std::array<int, kThreeMatchBoxes> values{};
    for (int i = 0; i < kThreeMatchBoxes; ++i)
        values[std::size_t(i)] = BoxValue(Text1[std::size_t(i)]);
    const auto shuffled = MatchRandomOrder(values);
    for (int i = 0; i < kThreeMatchBoxes; ++i) {
        const int n = shuffled[std::size_t(i)];
        Text1[std::size_t(i)]->setText(n > 0 ? QString::number(n) : QString());
    }
}

bool PThreeMatch::InputsOK()
{
    if (BallsDrawn < 5) {
        MsgBox("This method is not suitable for this lottery.    ", vbOKOnly | vbExclamation, "Sorry!");
        return false;
    }
    bool ok = true;
    for (int i = 0; i < kThreeMatchBoxes; ++i) {
        const QLineEdit* box = Text1[std::size_t(i)];
        const int value = BoxValue(box);
        BallPool[i] = std::int16_t(value);
        if (box->isEnabled() && (value > MaxBall || value < 1))
            ok = false;
    }
    if (!ok)
        ShowTip(6);
    return ok;
}

void PThreeMatch::Generate()
{
    ClearEntries();
    PlayLotto();
    SortEntries(BallsDrawn);
    ShowEntries(MSFlexGrid1);
}

void PThreeMatch::PlayLotto() { ExpandLetterWheel(CurrentWheel, 0); }

bool PThreeMatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on to the next box in use.
            for (int i = 0; i + 1 < kThreeMatchBoxes; ++i)
                if (watched == Text1[std::size_t(i)]) {
                    if (Text1[std::size_t(i + 1)]->isEnabled())
                        Text1[std::size_t(i + 1)]->setFocus();
                    return true;
                }
            if (watched == Text1.back())
                return true;
        }
    }
    return GeneratorFrame::eventFilter(watched, event);
}
