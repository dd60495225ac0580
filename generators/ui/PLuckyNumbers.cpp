#include "generators/ui/PLuckyNumbers.h"

#include "core/ui/TipBox.h"
#include "platform/Dates.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PLuckyNumbers::PLuckyNumbers(QWidget* parent) : LuckyWheelWindow("PLuckyNumbers", "Numerology", parent)
{
    Label7->setText("Numerology");
    Label2->setText("Numerology is used to discover a set of numbers that is unique to you. Each letter in your "
                    "name has a value and the digits are combined with those in your birth date to caculate a "
                    "series of numbers. These are your lucky numbers and they are placed in a short wheel to "
                    "maximise their effectiveness.");
    NameLabel = NamedLabel(this, "Label6", "Your full name:");
    Text1 = NamedLineEdit(this, "Text1");
    Text1->setMaxLength(100);
    Text1->setToolTip(" Full name on birth certificate ");
    Label8 = NamedLabel(this, "Label8", "Date you were born:");
    DTPicker2 = new DatePicker(this);
    DTPicker2->setObjectName("DTPicker2");
    // Room for the longest date with the drop-down arrow.
    DTPicker2->setMinimumWidth(DTPicker2->fontMetrics().horizontalAdvance("Wed 30 Sep 2026") + 48);
    DTPicker2->setValue(Today());
    Label3 = NamedLabel(this, "Label3",
                        "Any of your lucky numbers that are not in this lottery (eg. out of range) will be ignored.");
    Label3->setWordWrap(true);

    auto* inputs = new QGridLayout;
    inputs->addWidget(NameLabel, 0, 0);
    inputs->addWidget(Text1, 0, 1);
    inputs->addWidget(Label8, 1, 0);
    inputs->addWidget(DTPicker2, 1, 1, Qt::AlignLeft);
    inputs->setColumnStretch(1, 1);
    methodBox()->addLayout(inputs);
    methodBox()->addLayout(wheelRow());
    methodBox()->addWidget(Label3);
    methodBox()->addWidget(Label4);
}

bool PLuckyNumbers::InputsOK()
{
    if (Text1->text().trimmed().isEmpty()) {
        ShowTip(6);
        return false;
    }
    return true;
}

std::int32_t PLuckyNumbers::Seed() const { return NameSeed(Text1->text(), DTPicker2->Value()).value_or(0); }

SkinLabels PLuckyNumbers::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {Label3}};
}
