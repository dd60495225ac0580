#include "databases/DeleteDbaseW.h"

#include "core/OpenLottery.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

DeleteDbaseW::DeleteDbaseW(QWidget* parent) : QDialog(parent)
{
    setObjectName("DeleteDbaseW");
    setWindowTitle("Delete lottery database");

    Label3 = new QLabel("Select a lottery:", this);
    Label3->setObjectName("Label3");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    Command2 = new QPushButton(style()->standardIcon(QStyle::SP_TrashIcon), "Delete", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip(" Delete database ");
    Command1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "Close", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip(" Close ");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addWidget(List1);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &DeleteDbaseW::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &DeleteDbaseW::Command1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &DeleteDbaseW::List1_DblClick);

    Form_Load();
}

void DeleteDbaseW::Form_Load() { ListDatabases(this); }

void DeleteDbaseW::Command2_Click()
{
    const int i = List1->currentRow();
    if (i < 0 || i >= kMaxDatabases || List1->selectedItems().isEmpty())
        return;
    if (MsgBox("  Are you sure?    \r\n", vbYesNo + vbQuestion, "Delete database") != vbYes)
        return;
    DbaseFile = DbaseFiles[i];
    // A file another program has removed already is gone as asked.
    if (QFile::exists(DbaseFile) && !QFile::remove(DbaseFile)) {
        MsgBox("The lottery database could not be deleted.    ", vbOKOnly + vbExclamation, "Error!");
        return;
    }
    QApplication::processEvents();
    close();
}

void DeleteDbaseW::List1_DblClick() { Command2_Click(); }

void DeleteDbaseW::Command1_Click() { close(); }
