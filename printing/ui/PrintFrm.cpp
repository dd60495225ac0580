#include "printing/ui/PrintFrm.h"

#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Printer.h"
#include "platform/Text.h"
#include "printing/ui/PrinterChoice.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {
QComboBox* combo(QWidget* parent, const char* name, const QString& tip = QString())
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(false);
    c->setToolTip(tip);
    return c;
}

const QString kNotAllPrinters = QStringLiteral(" Not supported by all printers ");

PrintFrm*& instance()
{
    static PrintFrm* frm = nullptr;
    return frm;
}
} // namespace

PrintFrm::PrintFrm(QWidget* parent) : LoadOnce(parent)
{
    setWindowTitle(QStringLiteral("Print"));

    Label2 = NamedLabel(this, "Label2", QStringLiteral("Printer:"));
    Combo1 = combo(this, "Combo1");
    Label1 = NamedLabel(this, "Label1", QStringLiteral("Left margin:"));
    Text1 = NamedLineEdit(this, "Text1", QStringLiteral("10"));
    Label3 = NamedLabel(this, "Label3", QStringLiteral("mm"));
    Label5 = NamedLabel(this, "Label5", QStringLiteral("Print quality:"));
    Combo2 = combo(this, "Combo2", kNotAllPrinters);
    Label6 = NamedLabel(this, "Label6", QStringLiteral("Paper:"));
    Combo3 = combo(this, "Combo3", kNotAllPrinters);
    Label4 = NamedLabel(this, "Label4", QStringLiteral("Lines to print:"));
    Text2 = NamedLineEdit(this, "Text2", QStringLiteral("Text2"));
    Label8 = NamedLabel(this, "Label8", QStringLiteral("Text size:"));
    Combo4 = combo(this, "Combo4", kNotAllPrinters);

    Frame1 = new QGroupBox(QStringLiteral(" Orientation "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1[0] = new QRadioButton(QStringLiteral("Portrait"), Frame1);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[0]->setChecked(true);
    Option1[1] = new QRadioButton(QStringLiteral("Landscape"), Frame1);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Option1[0]);
    frameLayout->addWidget(Option1[1]);

    Command6 = NamedButton(this, "Command6", QStringLiteral("Print"), QStringLiteral(" Print "));
    Command6->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    Command6->setDefault(true);
    Command1 = NamedButton(this, "Command1", QStringLiteral("Cancel"), QStringLiteral(" Cancel "));
    Command1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    Label7 = NamedLabel(this, "Label7", QStringLiteral("OK"));
    Label7->setVisible(false);

    auto* margin = new QHBoxLayout;
    margin->addWidget(Text1);
    margin->addWidget(Label3);
    auto* form = new QFormLayout;
    form->addRow(Label2, Combo1);
    form->addRow(Label5, Combo2);
    form->addRow(Label6, Combo3);
    form->addRow(Label1, margin);
    form->addRow(Label8, Combo4);
    form->addRow(Label4, Text2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command6);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Command6, &QPushButton::clicked, this, &PrintFrm::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &PrintFrm::Command1_Click);
}

void PrintFrm::Form_Load()
{
    FillPrinterList(Combo1);
    FillQualityList(Combo2);
    Combo3->addItems({QStringLiteral("A4 (210 x 297 mm)"), QStringLiteral("A3 (297 x 420 mm)"),
                      QStringLiteral("Letter (8 1/2 x 11 in)"), QStringLiteral("Legal (8 1/2 x 14 in)")});
    Combo3->setCurrentIndex(0);
    Combo4->addItems({QStringLiteral("-4"), QStringLiteral("-3"), QStringLiteral("-2"), QStringLiteral("-1"),
                      QStringLiteral("Normal"), QStringLiteral("+1"), QStringLiteral("+2"), QStringLiteral("+3"),
                      QStringLiteral("+4")});
    Combo4->setCurrentIndex(4);
}

void PrintFrm::Command6_Click()
{
    if (Val(Text2->text()) < 1) {
        MsgBox(QStringLiteral("Please set number of lines to print.    "), vbQuestion, QStringLiteral("Error"));
        return;
    }
    if (Val(Text1->text()) < 0)
        Text1->setText(QStringLiteral("0"));
    if (Val(Text1->text()) > 100)
        Text1->setText(QStringLiteral("100"));
    ChoosePrinter(Combo1);
    Printer().SetOrientation(Option1[0]->isChecked() ? vbPRORPortrait : vbPRORLandscape);
    ChooseQuality(Combo2);
    static const int papers[] = {vbPRPSA4, vbPRPSA3, vbPRPSLetter, vbPRPSLegal};
    const int paper = Combo3->currentIndex();
    if (paper >= 0 && paper < 4)
        Printer().SetPaperSize(papers[paper]);
    // Hides the window; Label7 still reads "OK".
    accept();
}

void PrintFrm::Command1_Click() { reject(); }

void PrintFrm::reject()
{
    Label7->setText(QStringLiteral("Cancel"));
    QDialog::reject();
}

PrintFrm* LoadPrintFrm()
{
    if (!instance()) {
        instance() = new PrintFrm;
        instance()->Load();
    }
    return instance();
}

void UnloadPrintFrm()
{
    delete instance();
    instance() = nullptr;
}

bool AskPrintOptions(int lines, bool resetMargin, PrintOptions& options)
{
    PrintFrm* frm = LoadPrintFrm();
    frm->Label7->setText(QStringLiteral("OK"));
    frm->Text2->setText(QString::number(lines));
    if (resetMargin)
        frm->Text1->setText(QStringLiteral("10"));
    ShowModal(frm);
    if (frm->Label7->text() != QStringLiteral("OK"))
        return false;
    options.lines = Val(frm->Text2->text());
    options.margin = Val(frm->Text1->text());
    options.textStep = int(std::lround(Val(frm->Combo4->currentText())));
    return true;
}
