#include "databases/ui/DbaseUpdateOther.h"

#include "databases/ui/DrawEntry.h"
#include "platform/TextFile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// A tab of address boxes, each under its label's caption, and its Save
// button.
QWidget* AddressTab(const QList<std::pair<QLabel*, QLineEdit*>>& rows, QPushButton* save)
{
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    int row = 0;
    for (const auto& [label, box] : rows) {
        label->setParent(tab);
        box->setParent(tab);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    save->setParent(tab);
    grid->addWidget(save, row, 1, Qt::AlignRight);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(1, 1);
    return tab;
}
} // namespace

DbaseUpdateOther::DbaseUpdateOther(QWidget* parent)
    : DownloadFrame(parent, "DbaseUpdateOther", "Download lottery draws")
{
    Label3->setText("2. Click the Download button when you are ready.");
    OKButton->setText(" Download draws ");
    Label2 = NamedLabel(this, "Label2", "Progress:");
    Label15 = NamedLabel(this, "Label15", "Please wait...");
    QSizePolicy keepPlace = Label15->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Label15->setSizePolicy(keepPlace);
    Label15->hide();

    Label10 = NamedLabel(this, "Label10", "Lotto:");
    Text1 = NamedLineEdit(this, "Text1");
    Command7 = NamedButton(this, "Command7", " Save URLs ");
    SSTab1->addTab(AddressTab({{Label10, Text1}}, Command7), "South Africa");

    Label6 = NamedLabel(this, "Label6", "Gold Lotto (Sat):");
    Label7 = NamedLabel(this, "Label7", "Gold Lotto (Wed):");
    Label8 = NamedLabel(this, "Label8", "Powerball:");
    Label9 = NamedLabel(this, "Label9", "Oz Lotto:");
    Text2 = NamedLineEdit(this, "Text2");
    Text3 = NamedLineEdit(this, "Text3");
    Text4 = NamedLineEdit(this, "Text4");
    Text5 = NamedLineEdit(this, "Text5");
    Command1 = NamedButton(this, "Command1", " Save URLs ");
    SSTab1->addTab(AddressTab({{Label6, Text2}, {Label7, Text3}, {Label8, Text4}, {Label9, Text5}}, Command1),
                   "Australia");

    Label12 = NamedLabel(this, "Label12", "Mega Millions:");
    Label11 = NamedLabel(this, "Label11", "Powerball:");
    Label13 = NamedLabel(this, "Label13", "Ca SuperLoto Plus:");
    Label14 = NamedLabel(this, "Label14", "Ca Fantasy 5:");
    Text7 = NamedLineEdit(this, "Text7");
    Text6 = NamedLineEdit(this, "Text6");
    Text8 = NamedLineEdit(this, "Text8");
    Text9 = NamedLineEdit(this, "Text9");
    Command2 = NamedButton(this, "Command2", " Save URLs ");
    SSTab1->addTab(AddressTab({{Label12, Text7}, {Label11, Text6}, {Label13, Text8}, {Label14, Text9}}, Command2),
                   "US");

    auto* progress = new QHBoxLayout;
    progress->addWidget(Label2);
    progress->addStretch();
    progress->addWidget(Label15);

    auto* buttons = ButtonRow({OKButton, CancelButton});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addWidget(SSTab1);
    layout->addLayout(progress);
    layout->addWidget(List2, 1);
    layout->addWidget(Label4);
    layout->addLayout(buttons);

    skinLabels_ = {.title = {Label5}, .body = {Label4}, .label = {Label2}, .other = {Label1, Label3}};
    connect(OKButton, &QPushButton::clicked, this, &DbaseUpdateOther::OKButton_Click);
    connect(Command7, &QPushButton::clicked, this, &DbaseUpdateOther::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &DbaseUpdateOther::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DbaseUpdateOther::Command2_Click);

    FitToScreen();
}

void DbaseUpdateOther::Skinning() { ::Skinning(this, SkinFamily::Databases, skinLabels_); }

void DbaseUpdateOther::Form_Load()
{
    Skinning();
    Text1->setText(Settings[AddressItemOf(OtherLottery::SALotto)]);
    Text2->setText(Settings[AddressItemOf(OtherLottery::GoldLottoSat)]);
    Text3->setText(Settings[AddressItemOf(OtherLottery::GoldLottoWed)]);
    Text4->setText(Settings[AddressItemOf(OtherLottery::AUPowerball)]);
    Text5->setText(Settings[AddressItemOf(OtherLottery::OzLotto)]);
    Text7->setText(Settings[AddressItemOf(OtherLottery::MegaMillions)]);
    Text6->setText(Settings[AddressItemOf(OtherLottery::USPowerball)]);
    Text8->setText(Settings[AddressItemOf(OtherLottery::SuperLottoPlus)]);
    Text9->setText(Settings[AddressItemOf(OtherLottery::Fantasy5)]);
}

void DbaseUpdateOther::OKButton_Click()
{
    if (running())
        return;
    StartRun({Command7, Command1, Command2});
    Label15->show();
    switch (SSTab1->currentIndex()) {
    case 0: DownloadSA(); break;
    case 1: DownloadAU(); break;
    case 2:
        DownloadMM();
        DownloadPB();
        DownloadCA();
        break;
    default: break;
    }
    EndRun();
    OKButton->setEnabled(true);
    Label15->hide();
}

void DbaseUpdateOther::DownloadSA() { Download(OtherLottery::SALotto); }

void DbaseUpdateOther::DownloadAU()
{
    for (OtherLottery lottery :
         {OtherLottery::GoldLottoSat, OtherLottery::GoldLottoWed, OtherLottery::AUPowerball, OtherLottery::OzLotto}) {
        if (!Download(lottery))
            return;
    }
}

void DbaseUpdateOther::DownloadPB() { Download(OtherLottery::USPowerball); }

void DbaseUpdateOther::DownloadMM() { Download(OtherLottery::MegaMillions); }

void DbaseUpdateOther::DownloadCA()
{
    if (Download(OtherLottery::SuperLottoPlus))
        Download(OtherLottery::Fantasy5);
}

bool DbaseUpdateOther::Download(OtherLottery lottery)
{
    if (Stopped())
        return false;
    const OtherLotteryInfo& info = OtherLotteryOf(lottery);
    AddTimedLine(info.connecting);
    const FetchResult fetched = FetchAddress(Settings[AddressItemOf(lottery)]);
    if (Stopped()) {
        AddLine(kStoppedLine);
        return false;
    }
    if (!fetched.ok) {
        Failed(fetched.error);
        return false;
    }
    if (fetched.body.size() < kOtherShortText) {
        AddLine("Download error!");
        return false;
    }
    AddTimedLine(info.processing);

    const QStringList lines = OtherResultLines(lottery, fetched.body);
    QString why;
    if (!WriteLines(kDownloadScratchFile, lines, &why)) {
        Failed("The file " + kDownloadScratchFile + " could not be written: " + why + ".");
        return false;
    }
    LetEventsRun();
    const ParsedResults parsed = ParseOtherResults(lottery, fetched.body);
    if (!parsed.usable()) {
        Failed(parsed.error);
        return false;
    }
    if (Stopped()) {
        AddLine(kStoppedLine);
        return false;
    }
    if (!MayReplace(info.file, info.name, parsed.draws))
        return true; // kept by the player's choice: the group goes on
    if (!StoreResults(info.file, parsed, &why)) {
        Failed("The database file " + info.file + " could not be written: " + why + ".");
        return false;
    }
    LetEventsRun();
    if (!info.updated.isEmpty())
        AddTimedLine(info.updated);
    return true;
}

void DbaseUpdateOther::Failed(const QString& why)
{
    AddLine("Not updated: " + why);
    MsgBox("An error occurred. Please try again later.", vbCritical, "Error");
}

void DbaseUpdateOther::Command7_Click()
{
    SaveAddresses("Are you sure you want to save these URLs?    ", {{AddressItemOf(OtherLottery::SALotto), Text1}});
}

void DbaseUpdateOther::Command1_Click()
{
    SaveAddresses("Are you sure you want to save these URLs?    ",
                  {{AddressItemOf(OtherLottery::GoldLottoSat), Text2},
                   {AddressItemOf(OtherLottery::GoldLottoWed), Text3},
                   {AddressItemOf(OtherLottery::AUPowerball), Text4},
                   {AddressItemOf(OtherLottery::OzLotto), Text5}});
}

void DbaseUpdateOther::Command2_Click()
{
    SaveAddresses("Are you sure you want to save these URLs?    ",
                  {{AddressItemOf(OtherLottery::MegaMillions), Text7},
                   {AddressItemOf(OtherLottery::USPowerball), Text6},
                   {AddressItemOf(OtherLottery::SuperLottoPlus), Text8},
                   {AddressItemOf(OtherLottery::Fantasy5), Text9}});
}
