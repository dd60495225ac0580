#include "databases/DbaseUpdateW.h"

#include "core/OpenLottery.h"
#include "core/Skinning.h"
#include "platform/Shell.h"
#include "databases/DrawDatabase.h"
#include "databases/DrawEntry.h"
#include "generators/Tips.h"
#include "platform/Dates.h"
#include "platform/MsgBox.h"
#include "platform/TextFile.h"

#include <QApplication>
#include "platform/DatePicker.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QLabel* DbaseUpdateW::label(const QString& name, const QString& text)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    return l;
}

DbaseUpdateW::DbaseUpdateW(QWidget* parent) : QDialog(parent)
{
    setObjectName("DbaseUpdateW");
    setWindowTitle("Update lottery databases");

    QLabel* label5 = label("Label5", "Update lottery draws");
    QFont titleFont = label5->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    label5->setFont(titleFont);
    QLabel* label11 = label("Label11", "Draw results are stored by date and it is very important to set it correctly. "
                                       "You can enter a draw for any date and it will be inserted in the right place.");
    label11->setWordWrap(true);

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    DTPicker1->setToolTip(" Essential information! ");
    for (int k = 0; k < 8; ++k) {
        Text1[k] = new QLineEdit(this);
        Text1[k]->setObjectName(QStringLiteral("Text1_%1").arg(k));
        Text1[k]->setFixedWidth(Text1[k]->fontMetrics().horizontalAdvance("0000") + 12);
        Text1[k]->setAlignment(Qt::AlignCenter);
        AcceptDigitsOnly(Text1[k]);
        QSizePolicy p = Text1[k]->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        Text1[k]->setSizePolicy(p);
    }
    Label7 = label("Label7", QString());
    Label13 = label("Label13", "Last update was 00/00/00");

    Command1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), "Save", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip(" Save lottery draw result ");
    Command2 = new QPushButton("Go to website", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip(" Start Intenet Explorer ");
    CancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "Close", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setToolTip(" Close ");

    auto* boxes = new QHBoxLayout;
    for (int k = 0; k < 7; ++k)
        boxes->addWidget(Text1[k]);
    boxes->addSpacing(12);
    auto* eighth = new QVBoxLayout;
    eighth->addWidget(Label7);
    eighth->addWidget(Text1[7]);
    boxes->addLayout(eighth);
    boxes->addStretch();

    auto* entry = new QVBoxLayout;
    entry->addWidget(label("Label4", "Select Date:"));
    entry->addWidget(DTPicker1);
    entry->addSpacing(8);
    entry->addWidget(label("Label6", "Enter lottery draw result:"));
    entry->addLayout(boxes);
    entry->addSpacing(8);
    entry->addWidget(Label13);
    entry->addStretch();
    entry->addWidget(Command2, 0, Qt::AlignLeft);

    auto* lottery = new QVBoxLayout;
    lottery->addWidget(label("Label8", "Select Lottery:"));
    lottery->addWidget(List1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(entry, 2);
    middle->addLayout(lottery, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label5);
    layout->addWidget(label11);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &DbaseUpdateW::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DbaseUpdateW::Command2_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DbaseUpdateW::CancelButton_Click);

    Form_Load();
}

void DbaseUpdateW::Skinning()
{
    ::Skinning(this, SkinFamily::Databases,
               {.title = {"Label5"},
                .body = {"Label11"},
                .label = {"Label8", "Label4", "Label6", "Label7"},
                .other = {"Label13"}});
}

void DbaseUpdateW::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(Today());
    if (ListDatabases(this) > 0) {
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
    const bool readable = ReadOpenLotteryHeader(DbaseFile);

    // The newest draw is the first line after the header.
    QString newest;
    if (const auto lines = ReadLines(DbaseFile); lines && lines->size() > 3)
        newest = DrawLineDate(lines->at(3));
    Label13->setText("Last update was\n" + newest);

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
    QStringList texts;
    for (QLineEdit* box : Text1)
        texts << box->text();
    const auto fields = CheckDrawNumbers(texts, OpenLotteryShape());
    if (!fields) {
        ShowTip(6);
        return;
    }
    const QDate date = DTPicker1->Value();
    const QString line = FormatDrawLine(date, *fields);

    RewriteResult result = RewriteResult::CannotRead;
    if (CopyToScratch(DbaseFile))
        result = InsertDrawByDate(DbaseFile, line, date);
    if (result != RewriteResult::Done) {
        MsgBox(RewriteFailureText(result), vbOKOnly + vbExclamation, "Error!");
        return;
    }
    QApplication::processEvents();
    for (QLineEdit* box : Text1)
        box->clear();
    Label13->setText(FormatShortDate(date));
}

void DbaseUpdateW::Command2_Click() { OpenWebAddress(LotteryWebsite); }

void DbaseUpdateW::CancelButton_Click() { close(); }
