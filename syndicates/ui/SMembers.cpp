#include "syndicates/ui/SMembers.h"

#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/SyndicateReports.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/SyndicateMembers.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SMembers::SMembers(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("SMembers");
    setWindowTitle("Syndicate Members");

    Label1 = NamedLabel(this, "Label1", "Syndicate Members");
    MakeSyndicateTitle(Label1);
    Label6 = NamedLabel(this, "Label6", "Syndicate:");
    Label3 = NamedLabel(this, "Label3", "This is a very long name");
    Label5 = NamedLabel(this, "Label5", "Manager:");
    Label4 = NamedLabel(this, "Label4", "Manager's name");
    for (QLabel* name : {Label3, Label4}) {
        LetTextRunPastEdge(name);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
    }

    const char* const captions[6] = {"Name:", "Address:", "Phone:", "Email:", "Members:", "Pay by:"};
    for (int i = 0; i < 6; ++i)
        Label2[i] = NamedLabel(this, QStringLiteral("Label2_%1").arg(i), captions[i]);
    for (int i = 0; i < 7; ++i) {
        Text1[i] = NamedFieldBox(this, QStringLiteral("Text1_%1").arg(i), i == 6 ? 50 : 30);
        Text1[i]->setMinimumWidth(Text1[i]->fontMetrics().averageCharWidth() * (i == 6 ? 42 : 32));
    }
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMinimumWidth(List1->fontMetrics().averageCharWidth() * 32);
    List1->setMinimumHeight(List1->fontMetrics().height() * 14);

    Command1 = NamedButton(this, "Command1", "Add", " Add new member or update exisitng member ");
    Command2 = NamedButton(this, "Command2", "Delete", " Delete the member selected in the Members list ");
    Command5 = NamedButton(this, "Command5", "Clear", "Clear the input boxes");
    Command7 = NamedButton(this, "Command7", "Sort", "Sort the members by last name");
    Command4 = NamedPictureButton(this, "Command4", QStyle::SP_DialogSaveButton, "Save",
                                  "Save the change and close the form", "document-save");
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_FileDialogDetailedView, "Print",
                                  "Print out all member details", "document-print");
    Command3 = NamedPictureButton(this, "Command3", QStyle::SP_DialogCloseButton, "Close",
                                  "Close without saving any changes you made");
    Label7 = NamedLabel(this, "Label7",
                        "Enter each syndicate member's details and click the Add button. To change a member's "
                        "details, select him/her in the Members list, change the details, and then click Add. The "
                        "member's details are then updated. Click Clear to clear the input boxes - it does not "
                        "affect the members list. Sort will sort by last name.");
    Label7->setWordWrap(true);

    auto* names = new QGridLayout;
    names->addWidget(Label6, 0, 0);
    names->addWidget(Label3, 0, 1);
    names->addWidget(Label5, 1, 0);
    names->addWidget(Label4, 1, 1);
    names->setColumnStretch(1, 1);

    auto* form = new QGridLayout;
    form->addWidget(Label2[0], 0, 0);
    form->addWidget(Text1[0], 0, 1);
    form->addWidget(Label2[1], 1, 0, Qt::AlignTop);
    for (int i = 1; i <= 4; ++i)
        form->addWidget(Text1[i], i, 1);
    form->addWidget(Label2[2], 5, 0);
    form->addWidget(Text1[5], 5, 1);
    form->addWidget(Label2[3], 6, 0);
    form->addWidget(Text1[6], 6, 1);
    form->addWidget(Label2[5], 7, 0);
    form->addWidget(Combo1, 7, 1);
    form->setRowStretch(8, 1);

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command2, Command5, Command7})
        commands->addWidget(b);
    commands->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(commands);

    auto* right = new QVBoxLayout;
    right->addWidget(Label2[4]);
    right->addWidget(List1, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 3);
    middle->addLayout(right, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command4);
    buttons->addWidget(Command6);
    buttons->addWidget(Command3);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label1);
    main->addLayout(names);
    main->addLayout(middle, 1);
    main->addWidget(Label7);
    main->addLayout(buttons);

    connect(List1, &QListWidget::itemSelectionChanged, this, &SMembers::List1_Click);
    connect(Combo1, &QComboBox::activated, this, [this] { payBy_ = {}; });
    connect(Command1, &QPushButton::clicked, this, &SMembers::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SMembers::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &SMembers::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &SMembers::Command7_Click);
    connect(Command4, &QPushButton::clicked, this, &SMembers::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &SMembers::Command6_Click);
    connect(Command3, &QPushButton::clicked, this, &SMembers::Command3_Click);
    EscapeRunsClose(this, [this] { Command3_Click(); });
}

void SMembers::Skinning()
{
    ::Skinning(this, SkinFamily::Syndicates,
               {.title = {Label1},
                .body = {Label7},
                .label = {Label2[0], Label2[1], Label2[2], Label2[3], Label2[4], Label2[5]},
                .other = {}});
}

void SMembers::LoadList()
{
    const QSignalBlocker quiet(List1);
    List1->clear();
    List1->addItems(MemberNames());
    List1->setCurrentRow(-1);
}

void SMembers::Form_Load()
{
    Skinning();
    Combo1->clear();
    Combo1->addItems(PayByMethods());
    Combo1->setCurrentIndex(0);
    Label3->setText(Syndicate[0][SyndicateNameField]);
    Label4->setText(Syndicate[0][NameField]);
    Label3->setToolTip(Syndicate[0][SyndicateNameField]);
    Label4->setToolTip(Syndicate[0][NameField]);
    forgetShown();
    LoadList();
    Changed = false;
}

void SMembers::Command1_Click()
{
    if (Text1[0]->text().trimmed().isEmpty())
        return;
    // A box left as it showed the chosen member gives that field as read,
    // which the box may show cut to its length or with its quotes changed.
    MemberFields fields;
    std::array<bool, 8> untouched{};
    for (int i = 0; i < 7; ++i) {
        untouched[i] = shown_[i].untouched(Text1[i]->text());
        fields[i] = shown_[i].current(Text1[i]->text());
    }
    untouched[PayByField] = payBy_.untouched(Combo1->currentText());
    fields[PayByField] = payBy_.current(Combo1->currentText());
    AddMemberResult result;
    {
        Hourglass wait;
        int row = 0;
        result = AddMember(fields, &row);
        // Updating that member, the untouched fields are written back as read.
        if (result == AddMemberResult::Updated && row == shownRow_) {
            for (int i = 1; i < 8; ++i) {
                if (untouched[i])
                    Syndicate[row][SyndicateFieldIndex(i)] = fields[i];
            }
        }
    }
    if (result == AddMemberResult::Full) {
        MsgBox("The syndicate already has " + QString::number(kMaxMembers) + " members, as many as it can hold."
                   + "\r\nDelete a member before you add another.    ",
               vbExclamation, "Sorry!");
        return;
    }
    for (QLineEdit* box : Text1)
        box->clear();
    forgetShown();
    LoadList();
    Changed = true;
    Text1[0]->setFocus();
}

void SMembers::Command2_Click()
{
    const int index = List1->currentRow();
    if (index < 0 || List1->selectedItems().isEmpty()) {
        MsgBox("Select a member first!    ", vbExclamation, "Help");
        return;
    }
    Hourglass wait;
    DeleteMemberAt(index);
    LoadList();
    Changed = true;
    Command5_Click();
}

void SMembers::forgetShown()
{
    shown_ = {};
    payBy_ = {};
    shownRow_ = 0;
}

void SMembers::Command5_Click()
{
    for (QLineEdit* box : Text1)
        box->clear();
    forgetShown();
    {
        const QSignalBlocker quiet(List1);
        List1->setCurrentRow(-1);
        List1->clearSelection();
    }
    Text1[0]->setFocus();
}

void SMembers::Command7_Click()
{
    if (!SortMembers())
        return;
    LoadList();
    Command5_Click();
    Changed = true;
}

void SMembers::List1_Click()
{
    const int index = List1->currentRow();
    if (index < 0 || List1->selectedItems().isEmpty())
        return;
    const int row = index + 1;
    for (int i = 0; i < 7; ++i)
        shown_[i] = ShowField(Text1[i], Syndicate[row][SyndicateFieldIndex(i)]);
    shownRow_ = row;
    payBy_ = ShowPayBy(Combo1, Syndicate[row][PayByField]);
}

void SMembers::Command4_Click()
{
    bool saved = false;
    QString why;
    {
        Hourglass wait;
        saved = SaveSyndicate(&why);
    }
    if (!saved) {
        ShowNotSaved(Settings[SyndicateFile], why);
        return;
    }
    Changed = false;
    MsgBox("  Syndicate member list saved...  ", vbInformation, "Vantrel");
}

void SMembers::Command6_Click() { PrintMembers(); }

void SMembers::Command3_Click()
{
    if (MayCloseWindow(Changed))
        done(QDialog::Rejected);
}

void SMembers::closeEvent(QCloseEvent* event)
{
    if (MayCloseWindow(Changed))
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void SMembers::done(int result)
{
    if (Changed) {
        DiscardSyndicateChanges();
        Changed = false;
    }
    QDialog::done(result);
}
