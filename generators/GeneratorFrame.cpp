#include "generators/GeneratorFrame.h"

#include "core/OpenLottery.h"
#include "databases/SaveEntries.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "platform/FlexGrid.h"
#include "platform/Folder.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr std::uint32_t kExtraBallColour = 160;  // dark red
const QString kHelpPage = QStringLiteral("helpplay.html");

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text, const QString& tip)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

// A picture button: the theme's icon, or the word when the theme has none.
QPushButton* NewPictureButton(QWidget* parent, const QString& name, const QString& tip, const QString& themeIcon,
                              QStyle::StandardPixmap fallback, const QString& word)
{
    auto* b = NewButton(parent, name, QString(), tip);
    QIcon icon = QIcon::fromTheme(themeIcon);
    if (icon.isNull() && fallback != QStyle::SP_CustomBase)
        icon = parent->style()->standardIcon(fallback);
    if (icon.isNull())
        b->setText(word);
    else
        b->setIcon(icon);
    b->setAccessibleName(word);
    return b;
}

QCheckBox* NewCheck(QWidget* parent, const QString& name, const QString& text)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

} // namespace

GeneratorFrame::GeneratorFrame(const GeneratorFrameOptions& options, QWidget* parent)
    : QDialog(parent), options_(options)
{
    setObjectName(options.name);
    setWindowTitle(options.caption);

    Label1 = NewLabel(this, "Label1", "Select a lottery:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setCols(9);
    MSFlexGrid1->setRows(options.gridRows);
    Label7 = NewLabel(this, "Label7", QString());
    Label2 = NewLabel(this, "Label2", QString());
    Label2->setWordWrap(true);
    Label5 = NewLabel(this, "Label5", QString());
    Label6[0] = NewLabel(this, "Label6(0)", "Do not pick lottery entries with...");
    Label6[1] = NewLabel(this, "Label6(1)", "Filters");
    Check1 = NewCheck(this, "Check1", "Too many odd or even numbers");
    Check2 = NewCheck(this, "Check2", "Too many low or high numbers");
    Check3 = NewCheck(this, "Check3", "Same numbers as a previous draw");
    const QString filterTip = options.filterTips ? QStringLiteral(" Delete bad entries ") : QString();
    FilterOddEvenButton = NewButton(this, options.filterButtons[0], "Odd/even", filterTip);
    FilterHighLowButton = NewButton(this, options.filterButtons[1], "High/low", filterTip);
    FilterLongRunsButton = NewButton(this, options.filterButtons[2], "Long runs", filterTip);
    FilterHistoryButton = NewButton(this, options.filterButtons[3], "Previous draws", filterTip);
    Command2 = NewPictureButton(this, "Command2", "Generate another selection of lottery entries", "view-refresh",
                                QStyle::SP_BrowserReload, "Generate");
    Command6 = NewPictureButton(this, "Command6", "Print out the lottery entries", "document-print",
                                QStyle::SP_CustomBase, "Print");
    // Printing the lines comes with the printing windows.
    Command6->setEnabled(false);
    Command7 = NewPictureButton(this, "Command7", options.saveTip, "document-save", QStyle::SP_DialogSaveButton,
                                "Save");
    for (const QString& name : options.helpButtons)
        HelpButtons << NewButton(this, name, "?", " Help ");
    Command1 = NewButton(this, "Command1", " Close ", QString());

    // Layout: the lottery list on the left; heading, description, the
    // window's own controls, grid and status on the right; boxes, filters and
    // buttons below.
    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(List1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Label7);
    right->addWidget(Label2);
    methodBox_ = new QVBoxLayout;
    right->addLayout(methodBox_);
    right->addWidget(MSFlexGrid1, 1);
    right->addWidget(Label5);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(Label6[0]);
    boxes->addWidget(Check1);
    boxes->addWidget(Check2);
    boxes->addWidget(Check3);
    auto* filters = new QGridLayout;
    filters->addWidget(Label6[1], 0, 0, 1, 2);
    filters->addWidget(FilterOddEvenButton, 1, 0);
    filters->addWidget(FilterHighLowButton, 1, 1);
    filters->addWidget(FilterLongRunsButton, 2, 0);
    filters->addWidget(FilterHistoryButton, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command6);
    buttons->addWidget(Command7);
    for (QPushButton* help : HelpButtons)
        buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(boxes);
    bottom->addLayout(filters);
    bottom->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(Command2, &QPushButton::clicked, this, &GeneratorFrame::Command2_Click);
    connect(Command6, &QPushButton::clicked, this, &GeneratorFrame::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &GeneratorFrame::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &GeneratorFrame::Command1_Click);
    for (QPushButton* help : HelpButtons)
        connect(help, &QPushButton::clicked, this, &GeneratorFrame::Help_Click);
    connect(FilterOddEvenButton, &QPushButton::clicked, this, [this] { runFilter(FilterOddEven); });
    connect(FilterHighLowButton, &QPushButton::clicked, this, [this] { runFilter(FilterHighLow); });
    connect(FilterLongRunsButton, &QPushButton::clicked, this, [this] { runFilter(FilterLongRuns); });
    connect(FilterHistoryButton, &QPushButton::clicked, this, [this] { runFilter(FilterHistory); });
}

void GeneratorFrame::Form_Load()
{
    Busy = false;
    const int width = QFontMetrics(MSFlexGrid1->font()).horizontalAdvance("00000000");
    for (int c = 0; c <= 8; ++c) {
        MSFlexGrid1->setColWidth(c, width);
        MSFlexGrid1->setColAlignment(c, Qt::AlignCenter);
    }
    MSFlexGrid1->fitWidthToColumns(8);
    setHeadings();
    if (ListDatabases(this) == 0) {
        ClearEntries();
        Label5->setText("There is no lottery database to choose from.");
        return;
    }
    List1->setCurrentRow(0);
}

void GeneratorFrame::setHeadings()
{
    MSFlexGrid1->setTextMatrix(0, 0, "Line");
    for (int c = 1; c <= 7; ++c)
        MSFlexGrid1->setTextMatrix(0, c, "Num" + QString::number(c));
    MSFlexGrid1->setTextMatrix(0, 8, "Pball");
    MSFlexGrid1->setCellForeColor(0, 8, ToQColor(kExtraBallColour));
}

void GeneratorFrame::List1_Click()
{
    if (Busy)
        return;
    {
        BusyGuard busy;
        if (options_.untickOnChoose) {
            Check1->setChecked(false);
            Check2->setChecked(false);
            Check3->setChecked(false);
        }
        MSFlexGrid1->Clear();
        MSFlexGrid1->setTopRow(1);
        setHeadings();
        loadFailed_ = !LoadDatabase(List1->currentRow());
        if (!loadFailed_)
            PrepareLottery();
    }
    Command2_Click();
}

QString GeneratorFrame::ServingProblem() const
{
    if (List1->count() == 0)
        return "There is no lottery database to choose from.";
    if (loadFailed_)
        return "This lottery's database could not be read.";
    if (BallsDrawn < 1 || BallsDrawn > 7)
        return "This lottery's database does not say how many numbers are drawn.";
    if (BallsDrawn > MaxBall)
        return "This lottery draws more numbers than it has.";
    if (MaxBall > options_.poolLimit)
        return QString("This window plays lotteries of at most %1 numbers.").arg(options_.poolLimit);
    return QString();
}

void GeneratorFrame::Command2_Click()
{
    if (Busy)
        return;
    BusyGuard busy;
    if (const QString problem = ServingProblem(); !problem.isEmpty()) {
        // Nothing from an earlier lottery stays to be saved under this one.
        ClearEntries();
        ShowEntries(this);
        Label5->setText(problem);
        return;
    }
    BeforeGenerate();
    double t0 = MonotonicSeconds();
    if (options_.blankGridFirst)
        BlankEntriesGrid(this);
    ClearEntries();
    Randomize();
    if (options_.clockAfterReseed)
        t0 = MonotonicSeconds();
    RetryTests tests = ReadRetryTests(this);
    tests.own = OwnTest();
    const RetryOutcome outcome = RunRetryLoop(Label5, options_.decimals, t0, [this] { PlayLotto(); }, tests);
    AfterRetryLoop();
    ShowEntries(this);
    FinishRetryStatus(Label5, outcome);
}

void GeneratorFrame::runFilter(void (*filter)(QWidget*))
{
    if (Busy)
        return;
    filter(this);
    ShowEntries(this);
}

void GeneratorFrame::Command6_Click()
{
    if (Busy)
        return;
}

void GeneratorFrame::Command7_Click()
{
    if (Busy)
        return;
    SaveMyEntries(this);
}

void GeneratorFrame::Help_Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(ProgramFolder()).filePath(kHelpPage)));
}

void GeneratorFrame::Command1_Click()
{
    if (Busy) {
        if (!options_.closeWaits)
            return;
        while (Busy)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    done(QDialog::Rejected);
}

void GeneratorFrame::reject()
{
    // Escape and the close box close as the Close button does.
    Command1_Click();
}
