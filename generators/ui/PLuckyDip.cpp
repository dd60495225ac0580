#include "generators/ui/PLuckyDip.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/LuckyDip.h"
#include "core/ui/TipBox.h"
#include "generators/Tips.h"
#include "platform/ui/Controls.h"
#include "platform/Random.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
GeneratorFrameOptions Options()
{
    GeneratorFrameOptions o;
    o.name = "PLuckyDip";
    o.caption = "Lucky Dip";
    o.gridRows = 35;
    o.filterTips = false;
    o.saveTip = "Save these lottery entries to disk";
    o.helpButtons = {"Command8"};
    o.decimals = 3;
    o.poolLimit = kBallPoolSize;
    return o;
}
} // namespace

PLuckyDip::PLuckyDip(QWidget* parent) : GeneratorFrame(Options(), parent)
{
    Label7->setText("Lucky dip");
    Label2->setText("Don't accept any old ticket the lottery terminal prints out. It might be biased! If you have "
                    "not had any wins and want a completely random selection of lottery numbers, try these below. "
                    "They may just bring you luck.");
    Label8 = NamedLabel(this, "Label8", "Lines to generate");
    HScroll1 = NamedScrollBar(this, "HScroll1", 1, 30, 5);
    Label4 = NamedLabel(this, "Label4", "5");
    Label4->setMinimumWidth(Label4->fontMetrics().horizontalAdvance("00"));
    Command3 = newHelpButton("Command3");
    auto* row = new QHBoxLayout;
    row->addWidget(Label8);
    row->addWidget(HScroll1, 1);
    row->addWidget(Label4);
    methodBox()->addLayout(row);
    // The odd/even tip stands beside the filters.
    filterGrid()->addWidget(Command3, 3, 2, Qt::AlignLeft);
    SetTabOrder({FilterHistoryButton, Command3});

    connect(HScroll1, &QScrollBar::valueChanged, this, &PLuckyDip::HScroll1_Change);
    connect(Command3, &QPushButton::clicked, this, &PLuckyDip::Command3_Click);
}

void PLuckyDip::HScroll1_Change() { Label4->setText(QString::number(HScroll1->value())); }

void PLuckyDip::Command3_Click() { ShowTip(1); }

void PLuckyDip::PlayLotto() { LuckyDipLines(HScroll1->value()); }

void PLuckyDip::AfterRetryLoop() { RemoveDuplicates(); }
