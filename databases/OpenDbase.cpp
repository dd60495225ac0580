#include "databases/OpenDbase.h"

#include "core/OpenLottery.h"
#include "platform/Shell.h"
#include "platform/MsgBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

OpenDbase::OpenDbase(QWidget* parent) : QDialog(parent)
{
    setObjectName("OpenDbase");
    setWindowTitle("Open lottery database");

    Label3 = new QLabel("Select a lottery:", this);
    Label3->setObjectName("Label3");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    Command2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton), "Open", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip(" Open database ");
    Command1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip(" Cancel ");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addWidget(List1);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &OpenDbase::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &OpenDbase::Command1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &OpenDbase::List1_DblClick);

    Form_Load();
}

void OpenDbase::Form_Load() { ListDatabases(this); }

void OpenDbase::Command2_Click()
{
    const int i = List1->currentRow();
    if (i < 0 || i >= kMaxDatabases || List1->selectedItems().isEmpty())
        return;
    DbaseFile = DbaseFiles[i];
    if (!OpenInTextEditor(DbaseFile)) {
        MsgBox("The lottery database could not be opened.    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    close();
}

void OpenDbase::List1_DblClick() { Command2_Click(); }

void OpenDbase::Command1_Click() { close(); }
