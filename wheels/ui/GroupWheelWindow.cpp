#include "wheels/ui/GroupWheelWindow.h"

#include "core/OpenLottery.h"
#include "platform/ui/Controls.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

GroupWheelWindow::GroupWheelWindow(const WheelFrameOptions& options, const GroupWheelTexts& texts, QWidget* parent)
    : WheelFrame(options, parent)
{
    Label7->setText(texts.heading);
    Label2->setText(texts.description);
    Label8 = NamedLabel(this, "Label8", texts.prompt);
    boxesColumn()->insertWidget(0, Label8);
    for (int i = 0; i < 6; ++i) {
        auto* option = new QRadioButton(texts.sizes[std::size_t(i)], this);
        option->setObjectName(QString("Option1(%1)").arg(i));
        Option1[std::size_t(i)] = option;
        sideColumn()->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    sideColumn()->addStretch(1);
    Option1[0]->setChecked(true);
}

int GroupWheelWindow::SelectedSize() const
{
    for (int i = 0; i < 6; ++i)
        if (Option1[std::size_t(i)]->isChecked())
            return i;
    return 0;
}

QString GroupWheelWindow::WheelRefusal() const
{
    // A line joins two blocks and plays at least four numbers.
    if (BallsDrawn < 4)
        return "Not available with this lottery.    ";
    return QString();
}
