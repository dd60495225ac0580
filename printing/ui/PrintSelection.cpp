#include "printing/ui/PrintSelection.h"

#include "platform/ui/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

PrintSelection::PrintSelection(QWidget* parent) : LoadOnce(parent)
{
    setWindowTitle(QStringLiteral("Print media selection"));

    Label1 = NamedLabel(this, "Label1",
                        QStringLiteral("Print on standard paper (eg A4), or on lottery forms/entry slips? Printing on "
                                       "lottery forms requires a template."));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(Label1->fontMetrics().averageCharWidth() * 48);

    Option2 = new QRadioButton(QStringLiteral("Standard paper"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setChecked(true);
    Option1 = new QRadioButton(QStringLiteral("Lottery forms"), this);
    Option1->setObjectName(QStringLiteral("Option1"));

    Command6 = NamedButton(this, "Command6", QStringLiteral("Print"), QStringLiteral("Print out the lottery entries"));
    Command6->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    Command6->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command6);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Option2);
    layout->addWidget(Option1);
    layout->addLayout(buttons);

    connect(Command6, &QPushButton::clicked, this, &PrintSelection::Command6_Click);
}

void PrintSelection::showEvent(QShowEvent* event)
{
    confirmed_ = false;
    LoadOnce::showEvent(event);
}

void PrintSelection::Command6_Click()
{
    confirmed_ = true;
    accept();
}
