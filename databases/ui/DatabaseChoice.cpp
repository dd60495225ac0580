#include "databases/ui/DatabaseChoice.h"
#include "core/ui/DatabaseList.h"

#include "core/OpenLottery.h"
#include "databases/ui/DrawEntry.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

DatabaseChoice::DatabaseChoice(QWidget* parent, const QString& name, const QString& caption, const Button& action,
                               const Button& close)
    : LoadOnce(parent)
{
    setObjectName(name);
    setWindowTitle(caption);

    Label3 = NamedLabel(this, "Label3", "Select a lottery:");
    List1 = LotteryList(this);
    List1->setMinimumHeight(180);
    Command2 = NamedPictureButton(this, "Command2", action.picture, action.caption, action.tip);
    Command1 = NamedPictureButton(this, "Command1", close.picture, close.caption, close.tip);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addWidget(List1);
    layout->addLayout(ButtonRow({Command2, Command1}));

    connect(Command2, &QPushButton::clicked, this, &DatabaseChoice::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &DatabaseChoice::Command1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &DatabaseChoice::List1_DblClick);
}

void DatabaseChoice::Form_Load() { ListDatabases(List1); }

void DatabaseChoice::List1_DblClick() { Command2_Click(); }

void DatabaseChoice::Command1_Click() { close(); }

int DatabaseChoice::chosen() const
{
    const int i = List1->currentRow();
    if (i < 0 || i >= kMaxDatabases || List1->selectedItems().isEmpty()) {
        MsgBox(List1->count() == 0 ? "No lotteries to display!    " : "Select a lottery first!    ",
               vbOKOnly + vbExclamation, "Error!");
        return -1;
    }
    return i;
}
