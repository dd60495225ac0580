#include "PrintFixture.h"
#include "printing/ui/PrintSelection.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
// Shows the dialog, lets the test act as the player, answers the modal show.
void OnModal(std::function<void(PrintFrm*)> act)
{
    SetModalHook([act](QDialog* d) {
        d->show();
        act(static_cast<PrintFrm*>(d));
        return d->result();
    });
}
void PressPrint(PrintFrm* f) { QTest::mouseClick(f->Command6, Qt::LeftButton); }
} // namespace

using PrintDialogs = PrintTest;

TEST_F(PrintDialogs, LinesBelowOneKeepTheDialogOpenAndTheMarginIsClamped)
{
    Printer().SetTestPrinters({"Office", "Office", "Label"});
    Printer().SelectPrinter(1);
    PrintFrm* f = LoadPrintFrm();
    EXPECT_EQ(f->Combo1->currentIndex(), 1);            // the later of two equal names
    EXPECT_EQ(f->Combo1->itemText(3), kPdfPrinterName); // always offered, last
    f->show();
    for (const char* lines : {"0", "-3", "", "abc"}) {
        f->Text2->setText(lines);
        answer(vbOK);
        PressPrint(f);
        EXPECT_TRUE(f->isVisible()) << lines;
    }
    ASSERT_EQ(boxes().size(), 4u);
    EXPECT_EQ(boxAt(0).text, "Please set number of lines to print.    ");
    EXPECT_EQ(boxAt(0).title, "Error");
    EXPECT_EQ(boxAt(0).icon(), vbQuestion);
    f->Text2->setText("2.5");
    for (auto [margin, after] : {std::pair{"-3", "0"}, {"250", "100"}, {"abc", "abc"}}) {
        f->show();
        f->Text1->setText(margin);
        PressPrint(f);
        EXPECT_FALSE(f->isVisible());
        EXPECT_EQ(f->Text1->text(), after);
    }
    EXPECT_EQ(f->Label7->text(), "OK");
}

TEST_F(PrintDialogs, CancelAndTheCloseBoxBothAnswerCancel)
{
    PrintOptions o;
    OnModal([](PrintFrm* f) { QTest::mouseClick(f->Command1, Qt::LeftButton); });
    EXPECT_FALSE(AskPrintOptions(4, false, o));
    EXPECT_EQ(LoadPrintFrm()->Label7->text(), "Cancel");
    OnModal([](PrintFrm* f) { f->close(); });
    EXPECT_FALSE(AskPrintOptions(4, false, o));
    OnModal([](PrintFrm* f) {
        EXPECT_EQ(f->Label7->text(), "OK"); // preset again
        PressPrint(f);
    });
    EXPECT_TRUE(AskPrintOptions(4, false, o));

    PrintSelection media;
    EXPECT_TRUE(media.Option2->isChecked());
    EXPECT_TRUE(media.Option1->isEnabled());
    media.show();
    media.close();
    EXPECT_FALSE(media.Confirmed());
}

TEST_F(PrintDialogs, OptionsAreAppliedAndOfferedAgainAtTheNextPrintout)
{
    Printer().SetTestPrinters({"Office", "Label"});
    PrintOptions o;
    OnModal([](PrintFrm* f) {
        EXPECT_EQ(f->Text2->text(), "7");
        f->Combo1->setCurrentIndex(1);
        f->Combo2->setCurrentIndex(3);
        f->Text1->setText("25");
        f->Text2->setText("3");
        f->Combo4->setCurrentText("+3");
        f->Combo3->setCurrentIndex(2);
        f->Option1[1]->setChecked(true);
        PressPrint(f);
    });
    ASSERT_TRUE(AskPrintOptions(7, false, o));
    EXPECT_EQ(o.lines, 3);
    EXPECT_EQ(o.margin, 25);
    EXPECT_EQ(o.textStep, 3);
    EXPECT_EQ(Printer().CurrentIndex(), 1);
    EXPECT_EQ(Printer().PrintQuality(), vbPRPQHigh);
    EXPECT_EQ(Printer().PaperSize(), vbPRPSLetter);
    EXPECT_EQ(Printer().Orientation(), vbPRORLandscape);

    OnModal([](PrintFrm* f) {
        EXPECT_EQ(f->Text2->text(), "12");
        EXPECT_EQ(f->Text1->text(), "25");
        EXPECT_EQ(f->Combo3->currentText(), "Letter (8 1/2 x 11 in)");
        EXPECT_TRUE(f->Option1[1]->isChecked());
        f->Combo4->setCurrentText("-2");
        f->Combo2->setCurrentIndex(0);
        f->Combo3->setCurrentIndex(1);
        f->Option1[0]->setChecked(true);
        PressPrint(f);
    });
    ASSERT_TRUE(AskPrintOptions(12, false, o));
    EXPECT_EQ(o.textStep, -2);
    EXPECT_EQ(Printer().PrintQuality(), vbPRPQDraft);
    EXPECT_EQ(Printer().PaperSize(), vbPRPSA3);
    EXPECT_EQ(Printer().Orientation(), vbPRORPortrait);

    OnModal([](PrintFrm* f) {
        EXPECT_EQ(f->Text1->text(), "10"); // the saved-entries report resets it
        PressPrint(f);
    });
    ASSERT_TRUE(AskPrintOptions(12, true, o));
    EXPECT_EQ(o.margin, 10);
}
