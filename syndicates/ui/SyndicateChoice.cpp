#include "syndicates/ui/SyndicateChoice.h"

#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SyndicateChoice::SyndicateChoice(QWidget* parent, const QString& name, const QString& caption,
                                 QStyle::StandardPixmap picture, const QString& word, const QString& actionTip,
                                 const QString& closeWord, const QString& closeTip)
    : LoadOnce(parent)
{
    setObjectName(name);
    setWindowTitle(caption);

    Label3 = NamedLabel(this, "Label3", "Select a syndicate:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMinimumHeight(List1->fontMetrics().height() * 10);
    List1->setMinimumWidth(List1->fontMetrics().horizontalAdvance(QString(34, 'n')));
    List2 = new QListWidget(this);
    List2->setObjectName("List2");
    List2->hide();
    Command2 = NamedPictureButton(this, "Command2", picture, word, actionTip);
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, closeWord, closeTip);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addWidget(List1);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &SyndicateChoice::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &SyndicateChoice::Command1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &SyndicateChoice::List1_DblClick);
}

void SyndicateChoice::Form_Load()
{
    for (const SyndicateListing& syndicate : ListSyndicates()) {
        List1->addItem(syndicate.name);
        List2->addItem(syndicate.file);
    }
    List1->setCurrentRow(-1);
    List1->clearSelection();
}

void SyndicateChoice::Command1_Click() { close(); }

QString SyndicateChoice::chosenFile() const
{
    const int i = List1->currentRow();
    if (i < 0 || i >= List2->count() || List1->selectedItems().isEmpty())
        return QString();
    return List2->item(i)->text();
}

OpenSyndicate::OpenSyndicate(QWidget* parent)
    : SyndicateChoice(parent, "OpenSyndicate", "Open syndicate", QStyle::SP_DialogOpenButton, "Open",
                      " Open syndicate ", "Cancel", " Cancel ")
{}

void OpenSyndicate::Command2_Click()
{
    const QString file = chosenFile();
    if (file.isEmpty())
        return;
    QString notSaved;
    ChooseSyndicate(file, &notSaved);
    if (!notSaved.isEmpty())
        ShowChoiceNotSaved(notSaved);
    close();
}

DeleteSyndicate::DeleteSyndicate(QWidget* parent)
    : SyndicateChoice(parent, "DeleteSyndicate", "Delete syndicate", QStyle::SP_TrashIcon, "Delete",
                      " Delete syndicate ", "Close", " Close ")
{}

void DeleteSyndicate::Command2_Click()
{
    const QString file = chosenFile();
    if (file.isEmpty())
        return;
    if (MsgBox("Are you sure?    ", vbYesNo + vbQuestion, "Delete") != vbYes)
        return;
    if (!DeleteSyndicateFiles(file))
        MsgBox(QStringLiteral("The files of this syndicate could not all be deleted.    \r\n"
                              "Check that the program's folder can be written to.    "),
               vbOKOnly + vbExclamation, "Error!");
    close();
}
