#include "syndicates/ui/NewSyndicate.h"

#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NewSyndicate::NewSyndicate(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("NewSyndicate");
    setWindowTitle("Create syndicate");

    Label1 = NamedLabel(this, "Label1", "New syndicate");
    MakeSyndicateTitle(Label1);
    Label3 = NamedLabel(this, "Label3",
                        "A new lottery syndicate is created by giving it a name and manager. The other details are "
                        "optional, but useful. Create as many lottery syndicates as you need.");
    Label3->setWordWrap(true);
    MakeDetailFields(this, Label2, Text1);
    Text1[7]->setToolTip(" Essential information ");
    Text1[0]->setToolTip(" Essential information ");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogSaveButton, "Create", " Save the syndicate ",
                                  "document-save");
    Command3 = NamedPictureButton(this, "Command3", QStyle::SP_DialogCloseButton, "Close", " Close ");

    auto* boxes = new QGridLayout;
    boxes->addWidget(Label2[0], 0, 0);
    boxes->addWidget(Text1[7], 0, 1);
    boxes->addWidget(Label2[1], 1, 0);
    boxes->addWidget(Text1[0], 1, 1);
    boxes->addWidget(Label2[2], 2, 0, Qt::AlignTop);
    for (int i = 1; i <= 4; ++i)
        boxes->addWidget(Text1[i], 1 + i, 1);
    boxes->addWidget(Label2[3], 6, 0);
    boxes->addWidget(Text1[5], 6, 1);
    boxes->addWidget(Label2[4], 7, 0);
    boxes->addWidget(Text1[6], 7, 1);
    boxes->setColumnMinimumWidth(1, Text1[6]->fontMetrics().horizontalAdvance(QString(40, 'n')));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    // The boxes in the order they stand, the syndicate's name first.
    const int order[] = {7, 0, 1, 2, 3, 4, 5, 6};
    for (int i = 1; i < 8; ++i)
        setTabOrder(Text1[order[i - 1]], Text1[order[i]]);
    Text1[7]->setFocus();

    connect(Command1, &QPushButton::clicked, this, &NewSyndicate::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &NewSyndicate::Command3_Click);
}

void NewSyndicate::Form_Load() { Skinning(); }

void NewSyndicate::Skinning()
{
    ::Skinning(this, SkinFamily::Syndicates,
               {.title = {Label1},
                .body = {Label3},
                .label = {Label2[0], Label2[1], Label2[2], Label2[3], Label2[4]},
                .other = {}});
}

void NewSyndicate::Command1_Click()
{
    if (Text1[7]->text().trimmed().isEmpty() || Text1[0]->text().trimmed().isEmpty()) {
        MsgBox("Cannot create a syndicate without    \r\na manager and a syndicate name...    ",
               vbOKOnly + vbExclamation, "Warning!");
        return;
    }
    SyndicateDetails details;
    for (int i = 0; i < 7; ++i)
        details.field[i] = Text1[i]->text();
    details.name = Text1[7]->text();
    const QString openFile = Settings[SyndicateFile];
    const auto number = FreeSyndicateNumber();
    QString why;
    QString choiceNotSaved;
    switch (CreateSyndicate(details, &why, &choiceNotSaved)) {
    case CreateResult::Created:
        MsgBox(" Syndicate created...      \r\n Syndicate opened...      ", vbOKOnly + vbInformation, "New syndicate");
        if (!choiceNotSaved.isEmpty())
            ShowChoiceNotSaved(choiceNotSaved);
        close();
        return;
    case CreateResult::NoFreeNumber:
        MsgBox("All 100 syndicate numbers (000 to 099) are in use.    \r\n"
               "Delete a syndicate before creating another...    ",
               vbOKOnly + vbExclamation, "Sorry!");
        return;
    case CreateResult::OpenNotSaved: ShowNotSaved(openFile, why); return;
    case CreateResult::NotWritten: ShowNotSaved(number ? MembersFileName(*number) : QString(), why); return;
    }
}

void NewSyndicate::Command3_Click() { close(); }
