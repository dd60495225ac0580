#include "generators/ui/PStarSign.h"

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "platform/Dates.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

PStarSign::PStarSign(QWidget* parent) : LuckyWheelWindow("PStarSign", "Star Signs", parent)
{
    Label7->setText("Star sign");
    Label2->setText("Things do not happen by chance and everything is mapped out from the day you were born "
                    "according to your star sign. Borrowing techniques from astrology, your star sign and day you "
                    "were born are used to caculate your lucky numbers for a specific lottery draw date. The "
                    "numbers are placed in a short wheel to maximise their effectiveness.");
    SignLabel = NamedLabel(this, "Label6", "Star sign:");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->addItems({"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Saggitarius",
                      "Capricorn", "Aquarius", "Pisces"});
    Label8 = NamedLabel(this, "Label8", "Birth day:");
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    for (int day = 1; day <= 31; ++day)
        Combo2->addItem(" " + QString::number(day));
    Label3 = NamedLabel(this, "Label3", "Draw date:");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    // Room for the longest date with the drop-down arrow.
    DTPicker1->setMinimumWidth(DTPicker1->fontMetrics().horizontalAdvance("Wed 30 Sep 2026") + 48);
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(Today());
    Label10 = NamedLabel(this, "Label10",
                         "Any of your lucky numbers that are not in this lottery (eg. out of range) will be ignored.");
    Label10->setWordWrap(true);

    auto* inputs = new QGridLayout;
    inputs->addWidget(SignLabel, 0, 0);
    inputs->addWidget(Combo1, 0, 1, Qt::AlignLeft);
    inputs->addWidget(Label8, 1, 0);
    inputs->addWidget(Combo2, 1, 1, Qt::AlignLeft);
    inputs->addWidget(Label3, 2, 0);
    inputs->addWidget(DTPicker1, 2, 1, Qt::AlignLeft);
    inputs->setColumnStretch(1, 1);
    methodBox()->addLayout(inputs);
    methodBox()->addLayout(wheelRow());
    methodBox()->addWidget(Label10);
    methodBox()->addWidget(Label4);
}

void PStarSign::LotteryChosen()
{
    // Proposed again at every choice; the setting is only read.
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(ProposedDrawDate(LotteryName, Settings[DrawDate], Today()));
}

std::int32_t PStarSign::Seed() const
{
    return StarSignSeed(Combo2->currentIndex(), Combo1->currentIndex(), DTPicker1->Value());
}

SkinLabels PStarSign::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {Label10}};
}
