#include "databases/ui/DbaseUpdate.h"

#include "databases/ResultDownloads.h"
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

DbaseUpdate::DbaseUpdate(QWidget* parent) : DownloadFrame(parent, "DbaseUpdate", "Download UK lottery draws")
{
    Label3->setText("2. Click the Download button when ready.");
    OKButton->setText(" Download draws databases ");

    // "Download": the progress log and the Download button.
    auto* download = new QWidget;
    Label2 = NamedLabel(download, "Label2", "Progress:");
    auto* downloadLayout = new QVBoxLayout(download);
    downloadLayout->addWidget(Label2);
    downloadLayout->addWidget(List2);
    downloadLayout->addWidget(OKButton, 0, Qt::AlignRight);
    SSTab1->addTab(download, "Download");

    // "URLs": the five addresses and their Save button.
    auto* urls = new QWidget;
    auto* grid = new QGridLayout(urls);
    const char* captions[5] = {"Lotto:", "Thunderball:", "Daily Play:", "Lotto Extra:", "Hot Picks:"};
    for (int i = 0; i < 5; ++i) {
        Label6[i] = NamedLabel(urls, QStringLiteral("Label6_%1").arg(i), captions[i]);
        Text1[i] = NamedLineEdit(urls, QStringLiteral("Text1_%1").arg(i));
        grid->addWidget(Label6[i], i, 0);
        grid->addWidget(Text1[i], i, 1);
    }
    Command7 = NamedButton(urls, "Command7", " Save URLs ");
    grid->addWidget(Command7, 5, 1, Qt::AlignRight);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);
    SSTab1->addTab(urls, "URLs");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addWidget(SSTab1, 1);
    layout->addWidget(Label4);
    layout->addLayout(ButtonRow({CancelButton}));

    skinLabels_ = {.title = {Label5}, .body = {Label4}, .label = {}, .other = {Label1, Label3}};
    connect(OKButton, &QPushButton::clicked, this, &DbaseUpdate::OKButton_Click);
    connect(Command7, &QPushButton::clicked, this, &DbaseUpdate::Command7_Click);

    FitToScreen();
}

void DbaseUpdate::Skinning() { ::Skinning(this, SkinFamily::Databases, skinLabels_); }

void DbaseUpdate::Form_Load()
{
    Skinning();
    for (int i = 0; i < 5; ++i)
        Text1[i]->setText(Settings[UKDownloadURL + i]);
}

void DbaseUpdate::OKButton_Click()
{
    if (running())
        return;
    if (!ReadsDatesTheUKWay()) {
        MsgBox("Please set the region to United Kingdom in the  \r\n"
               "desktop's region settings to download UK lottery draws.",
               vbExclamation, "Warning!");
        return;
    }
    StartRun({});
    for (int i = 0; i < kUKLotteries && !Settings[UKDownloadName + i].isEmpty() && !Stopped(); ++i) {
        AddTimedLine("Downloading " + Settings[UKDownloadName + i] + " draws...");
        DbaseDownload(i);
    }
    EndRun();
    // Another run needs the window opened again.
    OKButton->setEnabled(false);
}

void DbaseUpdate::DbaseDownload(int i)
{
    if (i < 0 || i >= kUKLotteries)
        return;
    const QString name = Settings[UKDownloadName + i];
    const FetchResult fetched = FetchAddress(Settings[UKDownloadURL + i]);
    if (Stopped())
        return AddLine(kStoppedLine);
    if (!fetched.ok)
        return Failed(fetched.error);
    if (fetched.body.size() < kUKShortText)
        return AddLine("An error occured downoading " + name);
    AddTimedLine("Processing " + name + " draws...");

    const QStringList lines = UKResultLines(fetched.body);
    QString why;
    if (!WriteLines(kDownloadScratchFile, lines, &why))
        return Failed("The file " + kDownloadScratchFile + " could not be written: " + why + ".");
    LetEventsRun();
    const ParsedResults parsed = ParseUKResults(i, name, fetched.body);
    if (!parsed.usable())
        return Failed(parsed.error);
    if (Stopped())
        return AddLine(kStoppedLine);
    if (!MayReplace(UKDatabaseFile(i), name, parsed.draws))
        return;
    if (!StoreResults(UKDatabaseFile(i), parsed, &why))
        return Failed("The database file " + UKDatabaseFile(i) + " could not be written: " + why + ".");
    LetEventsRun();
    AddTimedLine("Updated " + name + " database.");
}

void DbaseUpdate::Failed(const QString& why)
{
    AddLine("Not updated: " + why);
    MsgBox("An error has occured. Please try again later.    ", vbCritical, "Error");
}

void DbaseUpdate::Command7_Click()
{
    QList<std::pair<SettingsItem, QLineEdit*>> boxes;
    for (int i = 0; i < 5; ++i)
        boxes.append({UKDownloadURL + i, Text1[i]});
    SaveAddresses("Are you sure you want to change the URLs?    ", boxes);
}
