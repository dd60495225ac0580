#include "databases/ui/DbaseUpdateW.h"
#include "core/ui/DatabaseList.h"

#include "core/OpenLottery.h"
#include "core/ui/Skinning.h"
#include "databases/DrawDatabase.h"
#include "databases/DrawCheck.h"
#include "databases/ui/DrawEntry.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

DbaseUpdateW::DbaseUpdateW(QWidget* parent) : LoadOnce(parent)
{
    QLabel* label5 = StartWindow(this, "DbaseUpdateW", "Update lottery databases", "Label5", "Update lottery draws");
    QLabel* label11 = BodyText(this, "Label11",
                               "Draw results are stored by date and it is very important to set it correctly. "
                               "You can enter a draw for any date and it will be inserted in the right place.");

    List1 = LotteryList(this);
    DTPicker1 = DrawDatePicker(this);
    for (int k = 0; k < 8; ++k)
        Text1[k] = NumberBox(this, k);
    Label7 = NamedLabel(this, "Label7", QString());
    Label13 = NamedLabel(this, "Label13", "Last update was 00/00/00");

    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogSaveButton, "Save", " Save lottery draw result ");
    Command2 = NamedButton(this, "Command2", "Go to website", " Start Intenet Explorer ");
    CancelButton = NamedPictureButton(this, "CancelButton", QStyle::SP_DialogCloseButton, "Close", " Close ");

    auto* date = new QHBoxLayout;
    date->addWidget(DTPicker1);
    date->addStretch();

    QLabel* label4 = NamedLabel(this, "Label4", "Select Date:");
    QLabel* label6 = NamedLabel(this, "Label6", "Enter lottery draw result:");
    QLabel* label8 = NamedLabel(this, "Label8", "Select Lottery:");
    skinLabels_ = {.title = {label5}, .body = {label11}, .label = {label8, label4, label6, Label7}, .other = {Label13}};

    auto* entry = new QVBoxLayout;
    entry->addWidget(label4);
    entry->addLayout(date);
    entry->addSpacing(8);
    entry->addWidget(label6);
    entry->addLayout(NumberBoxRow({Text1.begin(), Text1.end()}, Label7));
    entry->addSpacing(8);
    entry->addWidget(Label13);
    entry->addStretch();
    entry->addWidget(Command2, 0, Qt::AlignLeft);

    auto* lottery = new QVBoxLayout;
    lottery->addWidget(label8);
    lottery->addWidget(List1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(entry, 2);
    middle->addSpacing(8);
    middle->addLayout(lottery, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label5);
    layout->addWidget(label11);
    layout->addLayout(middle);
    layout->addLayout(ButtonRow({Command1, CancelButton}));

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &DbaseUpdateW::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DbaseUpdateW::Command2_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DbaseUpdateW::CancelButton_Click);
}

void DbaseUpdateW::Skinning() { ::Skinning(this, SkinFamily::Databases, skinLabels_); }

void DbaseUpdateW::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(Today());
    if (ListDatabases(List1) > 0) {
        List1->setCurrentRow(-1);
        List1->setCurrentRow(0);
    } else {
        // Nothing to update: no lottery, no boxes.
        for (QLineEdit* box : Text1)
            box->hide();
        Label13->setText("Last update was");
        Command1->setEnabled(false);
        Command2->setEnabled(false);
    }
}

void DbaseUpdateW::List1_Click()
{
    const int i = List1->currentRow();
    if (i < 0 || i >= kMaxDatabases)
        return;
    DbaseFile = DbaseFiles[i];
    OpenLotteryChanged();
    const bool readable = ReadOpenLotteryHeader(DbaseFile);

    // The newest draw is the first draw line after the header.
    QString newest;
    if (const auto draw = DrawFileReader(DbaseFile).next())
        newest = draw->date;
    Label13->setText(readable ? "Last update was\n" + newest : QStringLiteral("This lottery database cannot be read."));

    // A box for each of the lottery's numbers, and the eighth when it draws a
    // bonus or extra ball, so every draw of this lottery can be typed in.
    const bool eighth = HasBonusBall > 0 || ExtraBallMax > 0;
    for (int k = 0; k < 8; ++k) {
        Text1[k]->clear();
        Text1[k]->setVisible(readable && (k < 7 ? k < BallsDrawn : eighth));
    }
    Command1->setEnabled(readable);

    QString caption;
    if (HasBonusBall > 0)
        caption = "Bonus";
    if (ExtraBallMax > 0)
        caption = "Powerball";
    Label7->setText(caption);
}

void DbaseUpdateW::Command1_Click()
{
    if (List1->currentRow() < 0 || DbaseFile.isEmpty())
        return;
    const QDate date = DTPicker1->Value();
    const auto line = CheckedDrawLine(date, {Text1.begin(), Text1.end()});
    if (!line)
        return;
    QString why;
    if (!RewriteDone(InsertDrawByDate(DbaseFile, *line, date, &why), why))
        return;
    for (QLineEdit* box : Text1)
        box->clear();
    Label13->setText(FormatShortDate(date));
}

void DbaseUpdateW::Command2_Click() { OpenWebsite(LotteryWebsite, "Error!"); }

void DbaseUpdateW::CancelButton_Click() { close(); }
