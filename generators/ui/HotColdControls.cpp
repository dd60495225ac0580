#include "generators/ui/HotColdControls.h"

#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {
void SetColour(QLabel* label, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(role, colour);
    label->setPalette(p);
}
} // namespace

void AddHotColdButtons(QWidget* parent, QBoxLayout* box, std::array<QRadioButton*, 2>& buttons,
                       const std::function<void(int)>& clicked)
{
    buttons[0] = new QRadioButton("Hot numbers", parent);
    buttons[0]->setObjectName("Option1(0)");
    buttons[1] = new QRadioButton("Cold numbers", parent);
    buttons[1]->setObjectName("Option1(1)");
    buttons[0]->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(buttons[0]);
    row->addWidget(buttons[1]);
    row->addStretch(1);
    box->addLayout(row);
    for (int i = 0; i < 2; ++i)
        QObject::connect(buttons[std::size_t(i)], &QRadioButton::clicked, parent, [clicked, i] { clicked(i); });
}

QLabel* NewHotColdHeading(QWidget* parent, const QColor& text)
{
    QLabel* heading = NamedLabel(parent, "Label8", "Hot numbers");
    heading->setAutoFillBackground(true);
    heading->setMargin(2);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    SetColour(heading, QPalette::Window, ToQColor(kHotColour));
    SetColour(heading, QPalette::WindowText, text);
    return heading;
}

void ShowHotColdMode(QLabel* heading, QLabel* numbers, bool cold)
{
    heading->setText(cold ? "Cold numbers" : "Hot numbers");
    const QColor colour = ToQColor(cold ? kColdColour : kHotColour);
    SetColour(heading, QPalette::Window, colour);
    SetTextColours(numbers, colour);
}
