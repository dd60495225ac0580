#include "generators/ui/KeyNumbersWindow.h"

#include "core/OpenLottery.h"
#include "core/ui/TipBox.h"
#include "generators/KeyNumbers.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>
#include <set>

KeyWindowOptions KeyWindowDefaults(const QString& name, const QString& caption, int gridRows)
{
    KeyWindowOptions o;
    o.frame.name = name;
    o.frame.caption = caption;
    o.frame.gridRows = gridRows;
    o.frame.filterButtonNames = {"Command8", "Command9", "Command10", "Command11"};
    o.frame.generateTip = "Generate another selection of lottery entries";
    o.frame.printTip = "Print out lottery entries";
    o.frame.saveTip = "Save lottery entries to disk";
    o.frame.closeTip = " Close window ";
    o.frame.helpButtons = {"Command3", "Command4"};
    o.frame.decimals = 2;
    o.frame.untickOnChoice = true;
    o.frame.poolLimit = 100; // the pool holds N and 20 places beyond it
    return o;
}

namespace {
// The value labels of bars 1 to 3.
const char* const kValueLabels[3] = {"Label8", "Label9", "Label13"};
} // namespace

KeyNumbersWindow::KeyNumbersWindow(const KeyWindowOptions& options, QWidget* parent)
    : GeneratorFrame(options.frame, parent), options_(options)
{
    Label7->setText(options.heading);
    Label2->setText(options.description);
    const int k = options.keys;
    auto* bars = new QGridLayout;
    for (int i = 0; i < k; ++i) {
        auto* caption = NamedLabel(this, "Label" + QString::number(10 + i), "Number:");
        // Until a lottery is chosen bar i (from 1) runs from i to 50 - k + i;
        // a single key runs from 1 to 49.
        QScrollBar* bar =
            NamedScrollBar(this, "HScroll" + QString::number(i + 1), i + 1, (k == 1 ? 49 : 50 - k + i + 1), i + 1);
        bar->setSingleStep(1);
        bar->setPageStep(5);
        auto* value = NamedLabel(this, kValueLabels[i], QString::number(i + 1));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("000"));
        value->setAlignment(Qt::AlignCenter);
        bars->addWidget(caption, i, 0);
        bars->addWidget(bar, i, 1);
        bars->addWidget(value, i, 2);
        Bars.push_back(bar);
        ValueLabels.push_back(value);
        NumberLabels.push_back(caption);
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { HScroll_Change(i); });
    }
    bars->setColumnStretch(1, 1);
    if (!options.firstValueTip.isEmpty())
        ValueLabels[0]->setToolTip(options.firstValueTip);
    methodBox()->addLayout(bars);
}

std::vector<int> KeyNumbersWindow::Keys() const
{
    std::vector<int> keys;
    for (const QScrollBar* bar : Bars)
        keys.push_back(bar->value());
    return keys;
}

void KeyNumbersWindow::HScroll_Change(int index)
{
    // Neighbouring keys never stand on one number: the bar moved pushes its
    // neighbour on, below or above, and that push runs the neighbour's own
    // rule in turn.
    const int last = int(Bars.size()) - 1;
    if (index > 0 && Bars[std::size_t(index - 1)]->value() == Bars[std::size_t(index)]->value())
        Bars[std::size_t(index - 1)]->setValue(Bars[std::size_t(index)]->value() - 1);
    if (index < last && Bars[std::size_t(index)]->value() == Bars[std::size_t(index + 1)]->value())
        Bars[std::size_t(index + 1)]->setValue(Bars[std::size_t(index)]->value() + 1);
    ValueLabels[std::size_t(index)]->setText(QString::number(Bars[std::size_t(index)]->value()));
    // With three keys the third bar ends by running the first bar's rule.
    if (index == 2)
        HScroll_Change(0);
}

void KeyNumbersWindow::LotteryChosen()
{
    const int n = MaxBall, k = int(Bars.size());
    if (k == 1) {
        // A single key beyond the new lottery's range starts again at 1.
        QScrollBar* bar = Bars[0];
        if (bar->value() > n)
            bar->setValue(1);
        bar->setMaximum(std::max(n, 1));
        ValueLabels[0]->setText(QString::number(bar->value()));
        return;
    }
    // From the last bar down: each bar's highest value is N - k + its place.
    for (int i = k - 1; i >= 0; --i) {
        const int highest = std::max(n - k + i + 1, i + 1);
        QScrollBar* bar = Bars[std::size_t(i)];
        if (bar->value() > highest) {
            ValueLabels[std::size_t(i)]->setText(QString::number(highest));
            bar->setValue(highest);
        }
        bar->setMaximum(highest);
    }
}

bool KeyNumbersWindow::InputsOK()
{
    if (BallsDrawn < options_.smallestPick) {
        // The list shows the lottery just chosen behind the message: a click
        // makes its row current before it moves the highlight there.
        if (QListWidgetItem* chosen = List1->currentItem())
            List1->setCurrentItem(chosen, QItemSelectionModel::ClearAndSelect);
        MsgBox(options_.pickMessage, vbOKOnly | vbExclamation, "Sorry!");
        return false;
    }
    const std::vector<int> keys = Keys();
    if (std::set<int>(keys.begin(), keys.end()).size() != keys.size()) {
        ShowTip(6); // two bars on one number
        return false;
    }
    return true;
}

void KeyNumbersWindow::BlankGrid()
{
    if (options_.blankGrid)
        GeneratorFrame::BlankGrid();
}

void KeyNumbersWindow::PlayLotto() { KeyNumberLines(Keys()); }

SkinLabels KeyNumbersWindow::SkinningLabels() const
{
    SkinLabels labels{.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {Label5}};
    for (QLabel* caption : NumberLabels)
        labels.label << caption;
    return labels;
}
