#include "databases/ui/SaveEntries.h"

#include "core/OpenLottery.h"
#include "core/Settings.h"
#include "databases/SavedEntries.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/Dates.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/Text.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

SaveEntries::SaveEntries(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("SaveEntries");
    setWindowTitle("Save lottery entries");

    auto wrapped = [this](const char* name, const QString& text) {
        QLabel* l = NamedLabel(this, name, text);
        l->setWordWrap(true);
        return l;
    };
    Label3 = wrapped("Label3", "Select the number of lottery entries to save.");
    Label1 = NamedLabel(this, "Label1", "Lines:");
    Text1 = NamedLineEdit(this, "Text1");
    Label2 =
        wrapped("Label2", "You can associate these lottery entries with a player or syndicate by entering a name.");
    LabelPName = NamedLabel(this, "LabelPName", "Name:");
    Text2 = NamedLineEdit(this, "Text2");
    Label6 = wrapped("Label6", "It is essential that you set the lottery draw date. It is used when checking entries.");
    Label5 = NamedLabel(this, "Label5", "Date:");
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");

    // Picture buttons, with their word beside the picture.
    Command7 = NamedPictureButton(this, "Command7", QStyle::SP_DialogSaveButton, "Save", " Save lottery entries ");
    Command7->setDefault(true);
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCancelButton, "Cancel", " Cancel ");

    auto* grid = new QGridLayout;
    grid->addWidget(Label3, 0, 0, 1, 2);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(LabelPName, 3, 0);
    grid->addWidget(Text2, 3, 1);
    grid->addWidget(Label6, 4, 0, 1, 2);
    grid->addWidget(Label5, 5, 0);
    grid->addWidget(DTPicker1, 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command7);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    setMinimumWidth(fontMetrics().horizontalAdvance(Label6->text()) * 3 / 5);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(Command7, &QPushButton::clicked, this, &SaveEntries::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &SaveEntries::Command1_Click);
}

void SaveEntries::Form_Load()
{
    Text2->setText(Settings[PlayerName]);
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(ProposedDrawDate(LotteryName, Settings[DrawDate], Today()));
}

namespace {
// The number of lines a typed count asks for: its leading number rounded (0
// when it has none), at most `shown`.
int LinesAsked(const QString& typed, int shown)
{
    const double asked = Val(typed);
    return asked >= shown ? shown : ToCell(asked);
}
} // namespace

void SaveEntries::Command7_Click()
{
    // A count that saves nothing is refused, and the dialog stays open.
    if (LinesAsked(Text1->text(), 1) < 1) {
        MsgBox("The number of lines to save must be 1 or more.  ", vbOKOnly + vbExclamation, "Error!");
        Text1->setFocus();
        return;
    }
    Settings.set(PlayerName, Text2->text().trimmed());
    Settings.set(DrawDate, MediumDate(DTPicker1->Value()));
    saved_ = true;
    accept();
}

void SaveEntries::Command1_Click()
{
    Text1->setText("0");
    reject();
}

int SaveMyEntries(FlexGrid* grid)
{
    if (!grid)
        return 0;
    grid->setCol(1);
    grid->setRow(1);
    if (grid->Text().isEmpty())
        return 0;
    int shown = 1;
    while (shown + 1 < grid->Rows() && !grid->TextMatrix(shown + 1, 1).isEmpty())
        ++shown;

    SaveEntries dialog(grid->window());
    dialog.Load();
    dialog.Text1->setText(QString::number(shown));
    ShowModal(&dialog);
    // Closed without Save: nothing is saved.
    const int count = dialog.saved() ? LinesAsked(dialog.Text1->text(), shown) : 0;
    if (count <= 0)
        return 0;

    const auto chosen = ParseDate(Settings[DrawDate]);
    const QString date = chosen ? MediumDate(*chosen) : Settings[DrawDate];
    QList<SavedEntry> entries;
    for (int r = 1; r <= count; ++r) {
        SavedEntry e;
        e.date = date;
        for (int c = 1; c <= kSavedEntryNumbers; ++c)
            e.numbers[c - 1] = grid->TextMatrix(r, c);
        e.lottery = LotteryName;
        e.name = SavedEntryField(dialog.Text2->text()); // as the other windows take a typed name
        e.dbaseFile = DbaseFile;
        entries << e;
    }
    grid->setRow(std::min(count + 1, grid->Rows() - 1));
    grid->setCol(1);
    if (QString why; !AppendSavedEntries(entries, kSavedEntriesFile, &why)) {
        MsgBox("The lottery entries could not be saved to " + kSavedEntriesFile + ": " + why + ".  ", vbExclamation,
               "Error!");
        return 0;
    }
    return count;
}
