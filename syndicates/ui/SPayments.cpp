#include "syndicates/ui/SPayments.h"

#include "core/Settings.h"
#include "core/ui/Skinning.h"
#include "core/ui/TipBox.h"
#include "platform/Dates.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "printing/ui/SyndicateReports.h"
#include "syndicates/SyndicateFile.h"
#include "syndicates/SyndicateMembers.h"
#include "syndicates/SyndicatePayments.h"
#include "syndicates/ui/SyndicateControls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kGridRows = kSyndicateFileRows + 1; // the heading row, the manager and 100 members

// The amount box takes what an amount is written with: digits, a sign, the
// locale's decimal point and group separator; other keys are discarded.
class AmountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar c : input) {
            if (!IsAmountCharacter(c))
                return Invalid;
        }
        return Acceptable;
    }
};

// An amount field as the grid shows it: in the currency form, or, when the
// field holds no amount (a file written by hand), marked with "?" as it
// stands, never as 0.
QString AmountCell(const QString& field)
{
    const auto amount = StoredAmount(field);
    return amount ? FormatMoney(*amount) : QStringLiteral("? ") + field;
}
} // namespace

SPayments::SPayments(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("SPayments");
    setWindowTitle("Syndicate Member Payments");

    Label1 = NamedLabel(this, "Label1", "Syndicate member payments");
    MakeSyndicateTitle(Label1);
    Label2[0] = NamedLabel(this, "Label2_0",
                           "Record each member's payments by entering the amount they have paid and the date they "
                           "have paid up to. This date is effectively the date the next payment is due. Members can "
                           "pay each week, or they can pay several weeks in advance - just set the date as "
                           "appropriate.");
    Label2[0]->setWordWrap(true);
    Label2[5] = NamedLabel(this, "Label2_5", "Pay by:");
    Label4 = NamedLabel(this, "Label4", "Payment:");
    Label3 = NamedLabel(this, "Label3", "Paid up to:");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Text1 = NamedLineEdit(this, "Text1");
    Text1->setMaxLength(10);
    Text1->setValidator(new AmountValidator(Text1));
    DTPicker1 = new DatePicker(this);
    DTPicker1->setObjectName("DTPicker1");
    Command10 = NamedButton(this, "Command10", "Enter", " Change cell value ");
    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogSaveButton, "Save", " Save the changes ",
                                  "document-save");
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_FileDialogDetailedView, "Print",
                                  "Print out the lottery entries", "document-print");
    Command2 = NamedPictureButton(this, "Command2", QStyle::SP_DialogCloseButton, "Close", " Close Window ");

    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(0);
    MSFlexGrid1->setCols(5);
    MSFlexGrid1->setRows(kGridRows);
    // The grid gives up rows first in a short window.
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 8);
    MSFlexGrid1->setPreferredHeight(MSFlexGrid1->fontMetrics().height() * 24);

    auto* entry = new QGridLayout;
    entry->addWidget(Label2[5], 0, 0);
    entry->addWidget(Combo1, 0, 1);
    entry->addWidget(Label4, 1, 0);
    entry->addWidget(Text1, 1, 1);
    entry->addWidget(Label3, 2, 0);
    entry->addWidget(DTPicker1, 2, 1);
    entry->addWidget(Command10, 3, 1, Qt::AlignLeft);
    entry->setRowStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command6);
    buttons->addWidget(Command2);

    auto* side = new QVBoxLayout;
    side->addLayout(entry, 1);
    side->addLayout(buttons);

    auto* middle = new QHBoxLayout;
    middle->addWidget(MSFlexGrid1);
    middle->addLayout(side);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label1);
    main->addWidget(Label2[0]);
    main->addLayout(middle, 1);

    connect(MSFlexGrid1, &FlexGrid::Click, this, &SPayments::MSFlexGrid1_Click);
    connect(Combo1, &QComboBox::activated, this, [this] { payBy_ = {}; });
    connect(Command10, &QPushButton::clicked, this, &SPayments::Command10_Click);
    connect(Command1, &QPushButton::clicked, this, &SPayments::Command1_Click);
    connect(Command6, &QPushButton::clicked, this, &SPayments::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &SPayments::Command2_Click);
    EscapeRunsClose(this, [this] { Command2_Click(); });
}

void SPayments::Skinning()
{
    ::Skinning(this, SkinFamily::Syndicates,
               {.title = {Label1}, .body = {Label2[0]}, .label = {Label2[5], Label3, Label4}, .other = {}});
}

void SPayments::showOverdue(int gridRow, const QString& paidUpTo)
{
    MSFlexGrid1->setCellForeColor(gridRow, 3, ToQColor(PaymentOverdue(paidUpTo, Today()) ? kOverdueColour : 0));
}

void SPayments::fitColumns()
{
    FlexGrid* grid = MSFlexGrid1;
    const QFontMetrics metrics = grid->fontMetrics();
    const QString sizing[4] = {QStringLiteral("___000000000000000000000___"), QStringLiteral("___0000000000000___"),
                               QStringLiteral("___") + CurrencySign() + QStringLiteral("00000.00___"),
                               QStringLiteral("____000 00 000 0000____")};
    // The name and amount columns widen for what they show, up to the
    // longest name the boxes take and the largest amount an amount field
    // holds; the others keep their width (a longer text, from a file written
    // by hand, is cut with "...").
    const int padding = metrics.horizontalAdvance(QStringLiteral("____"));
    const int widest[4] = {metrics.horizontalAdvance(QString(30, QLatin1Char('W'))) + padding, 0,
                           metrics.horizontalAdvance(FormatMoney(-99999999999999)) + padding, 0};
    for (int c = 0; c < 4; ++c) {
        int width = metrics.horizontalAdvance(sizing[c]);
        for (int r = 0; widest[c] > 0 && r < grid->Rows(); ++r)
            width = std::max(width, std::min(widest[c], metrics.horizontalAdvance(grid->TextMatrix(r, c)) + padding));
        grid->setColWidth(c, width);
    }
    // The fifth column stays empty: it takes no room, so no scroll bar leads
    // to it.
    grid->setColWidth(4, 0);
    // The other columns scroll in a narrow window.
    grid->fitWidthToColumns(3, 0);
}

void SPayments::Form_Load()
{
    Skinning();
    DTPicker1->setCustomFormat(DatePicker::LongFormat);
    DTPicker1->setValue(Today());
    Combo1->clear();
    Combo1->addItems(PayByMethods());
    Combo1->setCurrentIndex(0);

    FlexGrid* grid = MSFlexGrid1;
    const Qt::Alignment alignments[4] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignHCenter};
    const QString headings[4] = {QStringLiteral("Name"), QStringLiteral("Pay by"), QStringLiteral("Amount paid"),
                                 QStringLiteral("Paid up to date")};
    for (int c = 0; c < 4; ++c) {
        grid->setColAlignment(c, alignments[c]);
        grid->setTextMatrix(0, c, headings[c]);
    }

    for (int t = 0; t < kSyndicateFileRows; ++t) {
        grid->setTextMatrix(t + 1, 0, Syndicate[t][NameField]);
        grid->setTextMatrix(t + 1, 1, Syndicate[t][PayByField]);
        grid->setTextMatrix(t + 1, 2, AmountCell(Syndicate[t][AmountPaidField]));
        grid->setTextMatrix(t + 1, 3, Syndicate[t][PaidUpToField]);
        showOverdue(t + 1, Syndicate[t][PaidUpToField]);
        if (Syndicate[t + 1][NameField].isEmpty())
            break;
    }

    grid->setTextMatrix(1, 1, QStringLiteral("(Manager)"));
    fitColumns();
    grid->setTopRow(1);
    grid->setRow(1);
    MSFlexGrid1_Click();
    Changed = false;
}

void SPayments::MSFlexGrid1_Click()
{
    const int r = MSFlexGrid1->Row();
    const int t = r - 1;
    if (t < 0 || t >= kSyndicateFileRows)
        return;
    Text1->setText(AmountBoxText(Syndicate[t][AmountPaidField]));
    amount_ = ShownField(Syndicate[t][AmountPaidField], Text1->text());
    shownRow_ = t;

    // A paid-up date that is not a date shows as none, so it is never taken
    // for today and written back.
    const QString stored = Syndicate[t][PaidUpToField];
    const auto paidUpTo = PaidUpTo(stored);
    if (!paidUpTo && !stored.trimmed().isEmpty())
        DTPicker1->setNoValue();
    else
        DTPicker1->setValue(paidUpTo && *paidUpTo > Today() ? *paidUpTo : Today());

    payBy_ = ShowPayBy(Combo1, Syndicate[t][PayByField]);

    MSFlexGrid1->setRow(r);
    MSFlexGrid1->setCol(4);
    MSFlexGrid1->setColSel(0);
    if (isVisible())
        Text1->setFocus();
}

void SPayments::Command10_Click()
{
    const auto amount = ParseMoney(Text1->text());
    if (!amount || *amount <= 0) {
        ShowTip(6);
        return;
    }
    const int r = MSFlexGrid1->Row();
    const int t = r - 1;
    if (t < 0 || t >= kSyndicateFileRows || MSFlexGrid1->TextMatrix(r, 0).trimmed().isEmpty())
        return;

    // A method the player did not choose, and an amount left as the box
    // showed it (cut to its length, or in another form), stay as read.
    const bool shown = t == shownRow_;
    if (!shown || !payBy_.untouched(Combo1->currentText()))
        Syndicate[t][PayByField] = SyndicateText(Combo1->currentText());
    MSFlexGrid1->setTextMatrix(r, 1, Syndicate[t][PayByField]);
    if (shown && amount_.untouched(Text1->text())) {
        MSFlexGrid1->setTextMatrix(r, 2, AmountCell(Syndicate[t][AmountPaidField]));
    } else {
        MSFlexGrid1->setTextMatrix(r, 2, FormatMoney(*amount));
        Syndicate[t][AmountPaidField] = StoredAmountFor(Text1->text(), *amount);
    }
    // With no date in the picker the stored date stays as it is.
    if (const QDate date = DTPicker1->Value(); date.isValid()) {
        Syndicate[t][PaidUpToField] = MediumDate(date);
        MSFlexGrid1->setTextMatrix(r, 3, Syndicate[t][PaidUpToField]);
    }
    showOverdue(r, Syndicate[t][PaidUpToField]);
    fitColumns();

    MSFlexGrid1->setRow(r);
    MSFlexGrid1->setCol(0);
    MSFlexGrid1->setColSel(3);
    Text1->setFocus();
    Changed = true;
}

void SPayments::Command1_Click()
{
    if (QString why; !SaveSyndicate(&why)) {
        ShowNotSaved(Settings[SyndicateFile], why);
        return;
    }
    Changed = false;
    MsgBox("  Member payments have been saved...  ", vbInformation, "Vantrel");
}

void SPayments::Command6_Click() { PrintPayments(MSFlexGrid1); }

void SPayments::Command2_Click()
{
    if (MayCloseWindow(Changed))
        done(QDialog::Rejected);
}

void SPayments::closeEvent(QCloseEvent* event)
{
    if (MayCloseWindow(Changed))
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void SPayments::done(int result)
{
    if (Changed) {
        DiscardSyndicateChanges();
        Changed = false;
    }
    QDialog::done(result);
}
