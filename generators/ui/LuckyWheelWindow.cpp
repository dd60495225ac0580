#include "generators/ui/LuckyWheelWindow.h"

#include "generators/Entries.h"
#include "generators/ui/EntriesGrid.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {
GeneratorFrameOptions Options(const QString& name, const QString& caption)
{
    GeneratorFrameOptions o;
    o.name = name;
    o.caption = caption;
    o.gridRows = 20;
    o.generateTip = " Generate lottery entries ";
    o.printTip = "Print out the lottery entries";
    o.saveTip = "Save the lottery entries to disk";
    o.closeTip = " Close ";
    o.helpButtons = {};
    o.checkBoxes = false;
    o.filterButtons = false;
    o.generateOnChoice = false;
    return o;
}
} // namespace

LuckyWheelWindow::LuckyWheelWindow(const QString& name, const QString& caption, QWidget* parent)
    : GeneratorFrame(Options(name, caption), parent)
{
    Label9 = NamedLabel(this, "Label9", "Pick a wheel:     ");
    auto* row = new QHBoxLayout;
    row->addWidget(Label9);
    for (int i = 0; i < 3; ++i) {
        Option[std::size_t(i)] = new QRadioButton("Wheel type " + QString::number(i + 1), this);
        Option[std::size_t(i)]->setObjectName("Option" + QString::number(i + 1));
        row->addWidget(Option[std::size_t(i)]);
    }
    row->addStretch();
    Option[1]->setChecked(true);
    wheelRow_ = row;
    Label4 = NamedLabel(this, "Label4", " Your lucky numbers:");
    Label4->setWordWrap(true);
}

int LuckyWheelWindow::WheelType() const
{
    for (int i = 0; i < 3; ++i)
        if (Option[std::size_t(i)]->isChecked())
            return i + 1;
    return 2;
}

void LuckyWheelWindow::PlayLotto() { last_ = LuckyWheelLines(Seed(), WheelType(), Source()); }

void LuckyWheelWindow::Generate()
{
    PlayLotto();
    if (!last_.served) {
        MsgBox("Too few of your lucky numbers are in this lottery    \r\n"
               "for this wheel. Try another wheel type.    ",
               vbOKOnly | vbExclamation, "Sorry!");
        return;
    }
    Label4->setText(last_.text);
    ShowEntries(MSFlexGrid1);
}
