#include "PrintFixture.h"
#include "printing/PrintSelection.h"
#include "printing/PrinterChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
// Shows the dialog as the player would see it, lets the test act on it, and
// answers what the modal show would.
void OnModal(std::function<void(QDialog*)> act)
{
    SetModalHook([act](QDialog* d) {
        d->show();
        act(d);
        return d->result();
    });
}

void Click(QDialog* d, const char* name)
{
    auto* b = d->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}
} // namespace

using PrintDialogs = PrintTest;

TEST_F(PrintDialogs, PrintOptionsStartWithTheDesignChoices)
{
    Printer().SetTestPrinters({"Office", "Office", "Label"});
    Printer().SelectPrinter(1);
    PrintFrm* f = LoadPrintFrm();
    EXPECT_EQ(f->windowTitle(), "Print");
    EXPECT_EQ(f->Combo1->count(), 4);
    EXPECT_EQ(f->Combo1->currentIndex(), 1); // the later of two equal names
    EXPECT_EQ(f->Combo2->currentText(), "Standard");
    EXPECT_EQ(f->Combo3->currentText(), "A4 (210 x 297 mm)");
    EXPECT_EQ(f->Combo3->count(), 4);
    EXPECT_EQ(f->Combo4->currentText(), "Normal");
    EXPECT_EQ(f->Combo4->count(), 9);
    EXPECT_EQ(f->Text1->text(), "10");
    EXPECT_TRUE(f->Option1[0]->isChecked());
    EXPECT_EQ(f->Label7->text(), "OK");
    EXPECT_FALSE(f->Label7->isVisibleTo(f));
    EXPECT_EQ(LoadPrintFrm(), f); // one for the run
}

TEST_F(PrintDialogs, PrinterListWithoutTheCurrentNameSelectsNothing)
{
    QComboBox combo;
    Printer().SetTestPrinters({"A", "B"});
    FillPrinterList(&combo);
    EXPECT_EQ(combo.currentIndex(), 0);
    combo.setCurrentIndex(-1);
    Printer().SelectPrinter(1);
    ChoosePrinter(&combo); // no selection: the current printer stays
    EXPECT_EQ(Printer().CurrentIndex(), 1);
}

TEST_F(PrintDialogs, LinesBelowOneKeepTheDialogOpen)
{
    PrintFrm* f = LoadPrintFrm();
    f->show();
    for (const char* lines : {"0", "-3", "", "abc"}) {
        f->Text2->setText(lines);
        Click(f, "Command6");
        EXPECT_TRUE(f->isVisible()) << lines;
        EXPECT_EQ(f->Label7->text(), "OK");
    }
    ASSERT_EQ(boxes().size(), 4u);
    EXPECT_EQ(boxes()[0].text, "Please set number of lines to print.    ");
    EXPECT_EQ(boxes()[0].title, "Error");
    EXPECT_EQ(boxes()[0].icon(), vbQuestion);
    f->Text2->setText("2.5");
    Click(f, "Command6");
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(boxes().size(), 4u);
}

TEST_F(PrintDialogs, PrintButtonClampsTheMarginAndAppliesTheSettings)
{
    Printer().SetTestPrinters({"Office", "Label"});
    PrintFrm* f = LoadPrintFrm();
    struct Case {
        const char* margin;
        const char* after;
    };
    for (Case c : {Case{"-3", "0"}, Case{"250", "100"}, Case{"abc", "abc"}, Case{"12", "12"}}) {
        f->show();
        f->Text2->setText("5");
        f->Text1->setText(c.margin);
        f->Combo1->setCurrentIndex(1);
        f->Combo2->setCurrentIndex(3);
        f->Combo3->setCurrentIndex(1);
        f->Option1[1]->setChecked(true);
        Click(f, "Command6");
        EXPECT_EQ(f->Text1->text(), c.after);
    }
    EXPECT_EQ(Printer().CurrentIndex(), 1);
    EXPECT_EQ(Printer().PrintQuality(), vbPRPQHigh);
    EXPECT_EQ(Printer().PaperSize(), vbPRPSA3);
    EXPECT_EQ(Printer().Orientation(), vbPRORLandscape);
    f->Combo3->setCurrentIndex(0);
    f->Combo2->setCurrentIndex(0);
    f->Option1[0]->setChecked(true);
    Click(f, "Command6");
    EXPECT_EQ(Printer().PaperSize(), vbPRPSA4);
    EXPECT_EQ(Printer().PrintQuality(), vbPRPQDraft);
    EXPECT_EQ(Printer().Orientation(), vbPRORPortrait);
}

TEST_F(PrintDialogs, CancelAndTheCloseBoxBothAnswerCancel)
{
    PrintOptions o;
    OnModal([](QDialog* d) { Click(d, "Command1"); });
    EXPECT_FALSE(AskPrintOptions(4, false, o));
    EXPECT_EQ(LoadPrintFrm()->Label7->text(), "Cancel");

    OnModal([](QDialog* d) { d->close(); });
    EXPECT_FALSE(AskPrintOptions(4, false, o));

    OnModal([](QDialog* d) {
        EXPECT_EQ(static_cast<PrintFrm*>(d)->Label7->text(), "OK"); // preset again
        Click(d, "Command6");
    });
    EXPECT_TRUE(AskPrintOptions(4, false, o));
}

TEST_F(PrintDialogs, ExchangeReadsTheOptionsAndKeepsThemForTheNextPrintout)
{
    PrintOptions o;
    OnModal([](QDialog* d) {
        auto* f = static_cast<PrintFrm*>(d);
        EXPECT_EQ(f->Text2->text(), "7");
        f->Text1->setText("25");
        f->Text2->setText("3");
        f->Combo4->setCurrentText("+3");
        f->Combo3->setCurrentIndex(2);
        f->Option1[1]->setChecked(true);
        Click(d, "Command6");
    });
    ASSERT_TRUE(AskPrintOptions(7, false, o));
    EXPECT_EQ(o.lines, 3);
    EXPECT_EQ(o.margin, 25);
    EXPECT_EQ(o.textStep, 3);

    OnModal([](QDialog* d) {
        auto* f = static_cast<PrintFrm*>(d);
        EXPECT_EQ(f->Text2->text(), "12");
        EXPECT_EQ(f->Text1->text(), "25");
        EXPECT_EQ(f->Combo3->currentText(), "Letter (8 1/2 x 11 in)");
        EXPECT_TRUE(f->Option1[1]->isChecked());
        f->Combo4->setCurrentText("-2");
        Click(d, "Command6");
    });
    ASSERT_TRUE(AskPrintOptions(12, false, o));
    EXPECT_EQ(o.textStep, -2);
    EXPECT_EQ(o.margin, 25);

    OnModal([](QDialog* d) {
        EXPECT_EQ(static_cast<PrintFrm*>(d)->Text1->text(), "10"); // the saved-entries reset
        Click(d, "Command6");
    });
    ASSERT_TRUE(AskPrintOptions(12, true, o));
    EXPECT_EQ(o.margin, 10);
}

TEST_F(PrintDialogs, MediaChoiceOpensOnPlainPaperWithPlaySlipsOff)
{
    PrintSelection s;
    EXPECT_EQ(s.windowTitle(), "Print media selection");
    EXPECT_TRUE(s.Option2->isChecked());
    EXPECT_FALSE(s.Option1->isEnabled());
    EXPECT_EQ(s.Command6->toolTip(), "Print out the lottery entries");
    OnModal([](QDialog* d) { Click(d, "Command6"); });
    ShowModal(&s);
    EXPECT_TRUE(s.Confirmed());
    OnModal([](QDialog* d) { d->close(); });
    ShowModal(&s);
    EXPECT_FALSE(s.Confirmed());
}
