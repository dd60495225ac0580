#include "printing/ui/PrintTickets.h"

#include "core/ui/HelpCommands.h"
#include "platform/Text.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "printing/PlaySlipTemplate.h"
#include "printing/ui/PrinterChoice.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PrintTickets::PrintTickets(QWidget* parent) : LoadOnce(parent)
{
    setWindowTitle(QStringLiteral("Print tickets"));

    Label2 = NamedLabel(this, "Label2", QStringLiteral("Printer:"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label6 = NamedLabel(this, "Label6", QStringLiteral("Template:"));
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setMinimumWidth(List3->fontMetrics().averageCharWidth() * 40);
    List3->setMaximumHeight(List3->fontMetrics().height() * 8);
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setVisible(false);
    Label1 = NamedLabel(this, "Label1", QString());
    Label1->setWordWrap(true);
    Label1->setVisible(false);
    Label4 = NamedLabel(this, "Label4", QStringLiteral("Lines to print:"));
    Text2 = NamedLineEdit(this, "Text2", QStringLiteral("Text2"));
    Label5 = NamedLabel(this, "Label5", QStringLiteral("Print quality:"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setToolTip(QStringLiteral(" Not supported by all printers "));
    Command2 = NamedPictureButton(this, "Command2", QStyle::SP_DialogHelpButton, QStringLiteral("Help"),
                                  QStringLiteral(" Get help "));
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_DialogOkButton, QStringLiteral("Print"),
                                  QStringLiteral(" Print "));
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCancelButton, QStringLiteral("Cancel"),
                                  QStringLiteral(" Cancel "));
    Label7 = NamedLabel(this, "Label7", QStringLiteral("OK"));
    Label7->setVisible(false);

    auto* form = new QFormLayout;
    form->addRow(Label2, Combo1);
    form->addRow(Label5, Combo2);
    form->addRow(Label6, List3);
    form->addRow(Label4, Text2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command6);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    connect(Command6, &QPushButton::clicked, this, &PrintTickets::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &PrintTickets::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PrintTickets::Command2_Click);
}

void PrintTickets::Form_Load()
{
    FillQualityList(Combo2);
    FillPrinterList(Combo1);
    List2->clear();
    List3->clear();
    lotteries_.clear();
    const TemplateListing listing = ListPlaySlipTemplates();
    for (const TemplateListing::Entry& entry : listing.templates) {
        List2->addItem(entry.file);
        List3->addItem(entry.name);
        lotteries_ << entry.lottery;
    }
    if (List3->count() > 0)
        List3->setCurrentRow(0);
    unreadable_ = listing.unreadable;
    if (!unreadable_.isEmpty()) {
        Label1->setText(QStringLiteral("Not listed, because they cannot be read: ") + unreadable_.join(", "));
        Label1->setVisible(true);
    }
}

void PrintTickets::Command6_Click()
{
    if (Val(Text2->text()) < 1) {
        MsgBox(QStringLiteral("Please set number of lines to print.    "), vbQuestion, QStringLiteral("Error"));
        return;
    }
    ChoosePrinter(Combo1);
    ChooseQuality(Combo2);
    if (List3->count() == 0) {
        Label7->setText(QStringLiteral("Cancel"));
        MsgBox(QStringLiteral("No lottery slip templates!    "), vbExclamation, QStringLiteral("Error!"));
    }
    // Hides the window; Label7 still reads "OK" unless no template is listed.
    accept();
}

void PrintTickets::Command1_Click() { reject(); }

void PrintTickets::Command2_Click() { ShowHelpPage(QStringLiteral("helpprint.html")); }

void PrintTickets::reject()
{
    Label7->setText(QStringLiteral("Cancel"));
    QDialog::reject();
}
