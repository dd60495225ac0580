#include "generators/PLuckyDip.h"

#include "core/OpenLottery.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "generators/Tips.h"
#include "platform/Random.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

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
    o.blankGridFirst = false;
    o.clockAfterReseed = true;
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
    Label8 = new QLabel("Lines to generate", this);
    Label8->setObjectName("Label8");
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setRange(1, 30);
    HScroll1->setValue(5);
    Label4 = new QLabel("5", this);
    Label4->setObjectName("Label4");
    Command3 = new QPushButton("?", this);
    Command3->setObjectName("Command3");
    Command3->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(Label8);
    row->addWidget(HScroll1, 1);
    row->addWidget(Label4);
    row->addWidget(Command3);
    methodBox()->addLayout(row);

    connect(HScroll1, &QScrollBar::valueChanged, this, &PLuckyDip::HScroll1_Change);
    connect(Command3, &QPushButton::clicked, this, &PLuckyDip::Command3_Click);
    Form_Load();
}

void PLuckyDip::HScroll1_Change()
{
    Label4->setText(QString::number(HScroll1->value()));
}

void PLuckyDip::Command3_Click()
{
    ShowTip(1);
}

void PLuckyDip::PlayLotto()
{
    const int k = BallsDrawn, n = MaxBall, e = ExtraBallMax;
    for (int i = 1; i <= n; ++i)
        BallPool[i] = std::int16_t(i);
    const int lines = std::min(HScroll1->value(), kMaxEntryLines);
    for (int r = 1; r <= lines; ++r) {
        // The pool is shuffled again for every line, from where it stands.
        for (int i = 1; i <= n; ++i)
            std::swap(BallPool[i], BallPool[RandomNumber(n)]);
        for (int c = 1; c <= k; ++c)
            Entries[r][c] = BallPool[c];
        if (e > 0)
            Entries[r][8] = std::int16_t(RandomNumber(e));
    }
    EndEntries(lines);
    SortEntries(k);
}

void PLuckyDip::AfterRetryLoop()
{
    RemoveDuplicates(this);
}
