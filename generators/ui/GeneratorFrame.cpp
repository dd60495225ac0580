#include "generators/ui/GeneratorFrame.h"
#include "core/ui/DatabaseList.h"
#include "core/ui/HelpCommands.h"
#include "platform/ui/Colours.h"

#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "databases/ui/SaveEntries.h"
#include "generators/ui/EntriesGrid.h"
#include "generators/Entries.h"
#include "generators/EntryFilters.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/Folder.h"
#include "platform/ui/MsgBox.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "printing/ui/PrintReports.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <functional>

namespace {

const QString kPlayHelpPage = QStringLiteral("helpplay.html");

// Holds the controls given while a generation runs: those enabled are
// disabled, and enabled again at the end with the focus where it was.
class InputHold {
public:
    explicit InputHold(const QList<QWidget*>& inputs) : focus_(QApplication::focusWidget())
    {
        for (QWidget* w : inputs)
            if (w->isEnabled()) {
                if (focus_ && (w == focus_ || w->isAncestorOf(focus_)))
                    focusHeld_ = true;
                w->setEnabled(false);
                held_ << w;
            }
    }
    ~InputHold()
    {
        for (const QPointer<QWidget>& w : held_)
            if (w)
                w->setEnabled(true);
        if (focusHeld_ && focus_ && focus_->isEnabled())
            focus_->setFocus();
    }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

private:
    QPointer<QWidget> focus_;
    bool focusHeld_ = false;
    QList<QPointer<QWidget>> held_;
};

QCheckBox* NewCheck(QWidget* parent, const QString& name, const QString& text)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

} // namespace

GeneratorFrame::GeneratorFrame(const GeneratorFrameOptions& options, QWidget* parent)
    : LoadOnce(parent), options_(options)
{
    setObjectName(options.name);
    setWindowTitle(options.caption);

    Label1 = NamedLabel(this, "Label1", "Select a lottery:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMaximumWidth(List1->fontMetrics().horizontalAdvance("US Mega Millions Plus") + 24);
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setCols(9);
    MSFlexGrid1->setRows(options.gridRows);
    Label7 = NamedLabel(this, "Label7", QString());
    MakeTitle(Label7);
    Label2 = NamedLabel(this, "Label2", QString());
    Label2->setWordWrap(true);
    Label5 = NamedLabel(this, "Label5", QString());
    if (options.checkBoxes) {
        Label6[0] = NamedLabel(this, "Label6(0)", "Do not pick lottery entries with...");
        Check1 = NewCheck(this, "Check1", "Too many odd or even numbers");
        Check2 = NewCheck(this, "Check2", "Too many low or high numbers");
        Check3 = NewCheck(this, "Check3", "Same numbers as a previous draw");
    }
    if (options.filterButtons) {
        Label6[1] = NamedLabel(this, "Label6(1)", options.filtersHeading);
        const QString filterTip = options.filterTips ? QStringLiteral(" Delete bad entries ") : QString();
        const auto& names = options.filterButtonNames;
        FilterOddEvenButton = NamedButton(this, names[0], "Odd/even", filterTip);
        FilterHighLowButton = NamedButton(this, names[1], "High/low", filterTip);
        FilterLongRunsButton = NamedButton(this, names[2], "Long runs", filterTip);
        FilterHistoryButton = NamedButton(this, names[3], "Previous draws", filterTip);
    }
    Command2 =
        NamedPictureButton(this, "Command2", QStyle::SP_BrowserReload, "Generate", options.generateTip, "view-refresh");
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_CustomBase, "Print", options.printTip, "document-print");
    Command7 =
        NamedPictureButton(this, "Command7", QStyle::SP_DialogSaveButton, "Save", options.saveTip, "document-save");
    for (const QString& name : options.helpButtons)
        HelpButtons << newHelpButton(name, " Help ");
    Command1 = NamedButton(this, "Command1", " Close ", options.closeTip);

    // Layout: the lottery list on the left; heading, description, the
    // window's own controls, grid and status on the right; boxes, filters and
    // buttons below (or beside the grid, or under the list: see the options).
    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(List1, 1);
    auto* right = rightBox_ = new QVBoxLayout;
    right->addWidget(Label7);
    right->addWidget(Label2);
    methodBox_ = new QVBoxLayout;
    right->addLayout(methodBox_);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(MSFlexGrid1, 1, Qt::AlignLeft);
    right->addLayout(gridRow, 1);
    right->addWidget(Label5);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);

    // The boxes and the filter buttons side by side under their headings (or
    // the buttons under the boxes); a second help button stands beside the
    // filters.
    const bool stacked = options.filtersBesideGrid || !options.checkBoxes;
    auto* filters = filterGrid_ = new QGridLayout;
    filters->setHorizontalSpacing(8);
    if (options.checkBoxes) {
        filters->addWidget(Label6[0], 0, 0, 1, stacked ? 4 : 1);
        filters->addWidget(Check1, 1, 0, 1, stacked ? 4 : 1);
        filters->addWidget(Check2, 2, 0, 1, stacked ? 4 : 1);
        filters->addWidget(Check3, 3, 0, 1, stacked ? 4 : 1);
    }
    const int buttonRow = stacked && options.checkBoxes ? 4 : 0;
    const int buttonColumn = stacked ? 0 : 2;
    if (!stacked)
        filters->setColumnMinimumWidth(1, 16);
    if (options.filterButtons) {
        filters->addWidget(Label6[1], buttonRow, buttonColumn, 1, 2);
        filters->addWidget(FilterOddEvenButton, buttonRow + 1, buttonColumn);
        filters->addWidget(FilterHighLowButton, buttonRow + 1, buttonColumn + 1);
        filters->addWidget(FilterLongRunsButton, buttonRow + 2, buttonColumn);
        filters->addWidget(FilterHistoryButton, buttonRow + 2, buttonColumn + 1);
    }
    for (int i = 1; i < HelpButtons.size(); ++i) {
        if (stacked)
            filters->addWidget(HelpButtons[i], buttonRow + 2, buttonColumn + 1 + i, Qt::AlignLeft);
        else
            filters->addWidget(HelpButtons[i], 3, 1 + i, Qt::AlignLeft);
    }
    filters->setColumnStretch(4, 1);
    if (options.filtersBesideGrid) {
        auto* beside = new QVBoxLayout;
        beside->addLayout(filters);
        beside->addStretch(1);
        gridRow->addSpacing(12);
        gridRow->addLayout(beside);
    } else if (!options.checkBoxes) {
        left->addSpacing(8);
        left->addLayout(filters);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command6);
    buttons->addWidget(Command7);
    if (!HelpButtons.isEmpty())
        buttons->addWidget(HelpButtons[0]);
    buttons->addStretch();
    buttons->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    if (!stacked)
        layout->addLayout(filters);
    layout->addLayout(buttons);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    // A click on the lottery already chosen chooses it again.
    List1->viewport()->installEventFilter(this);
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = List1->row(item);
        if (row >= 0 && row == rowBeforePress_ && row == List1->currentRow())
            List1_Click();
        rowBeforePress_ = -1;
    });
    connect(Command2, &QPushButton::clicked, this, &GeneratorFrame::Command2_Click);
    connect(Command6, &QPushButton::clicked, this, &GeneratorFrame::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &GeneratorFrame::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &GeneratorFrame::Command1_Click);
    for (QPushButton* help : HelpButtons)
        connect(help, &QPushButton::clicked, this, &GeneratorFrame::Help_Click);
    if (options.filterButtons) {
        connect(FilterOddEvenButton, &QPushButton::clicked, this, [this] { RunFilter(FilterOddEven); });
        connect(FilterHighLowButton, &QPushButton::clicked, this, [this] { RunFilter(FilterHighLow); });
        connect(FilterLongRunsButton, &QPushButton::clicked, this, [this] { RunFilter(FilterLongRuns); });
        connect(FilterHistoryButton, &QPushButton::clicked, this, [this] { RunFilter(FilterHistory); });
    }
}

QPushButton* GeneratorFrame::newHelpButton(const QString& name, const QString& tip)
{
    auto* b = NamedButton(this, name, "?", tip);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance("?") * 4 + 12);
    helpButtons_ << b;
    return b;
}

void GeneratorFrame::placeStatusLine(QBoxLayout* box)
{
    rightBox_->removeWidget(Label5);
    box->addWidget(Label5);
}

void GeneratorFrame::Form_Load()
{
    Busy = false;
    // Tab goes as the controls stand: the window's own controls, above the
    // grid, between the lottery list and the grid (the window made them last).
    SetTabOrder(QList<QWidget*>{List1} + FocusableIn(methodBox_) + QList<QWidget*>{MSFlexGrid1});
    Skinning(this, SkinFamily::Play, SkinningLabels());
    const int width = QFontMetrics(MSFlexGrid1->font()).horizontalAdvance("00000000");
    for (int c = 0; c <= kExtraBallColumn; ++c) {
        MSFlexGrid1->setColWidth(c, width);
        MSFlexGrid1->setColAlignment(c, Qt::AlignCenter);
    }
    // Beside the filters the grid gives up its seventh number and extra
    // ball to a scroll bar where the window is narrow.
    MSFlexGrid1->fitWidthToColumns(8, options_.filtersBesideGrid ? 6 : -1);
    // Room for a dozen lines in the grid at first, as far as the screen has
    // room (the frame of the window and a taskbar need some).
    QSize size(sizeHint().width(), sizeHint().height() + MSFlexGrid1->fontMetrics().height() * 14);
    if (const QScreen* where = screen())
        size = size.boundedTo(where->availableGeometry().size() - QSize(16, 64));
    resize(size.expandedTo(minimumSizeHint()));
    setHeadings();
    if (ListDatabases(List1) == 0) {
        ClearEntries();
        Label5->setText("There is no lottery database to choose from.");
    } else {
        List1->setCurrentRow(0);
    }
    Loaded();
}

SkinLabels GeneratorFrame::SkinningLabels() const
{
    return {.title = {Label7}, .body = {Label2}, .label = {Label1}, .other = {Label5}};
}

void GeneratorFrame::setHeadings()
{
    MSFlexGrid1->setTextMatrix(0, 0, "Line");
    for (int c = 1; c <= 7; ++c)
        MSFlexGrid1->setTextMatrix(0, c, "Num" + QString::number(c));
    MSFlexGrid1->setTextMatrix(0, 8, "Pball");
    MSFlexGrid1->setCellForeColor(0, 8, ToQColor(kExtraBallColour));
}

void GeneratorFrame::loadLottery(int row)
{
    loadedRow_ = row;
    loadFailed_ = !LoadDatabase(row);
    if (!loadFailed_)
        PrepareLottery();
    // Counted after the window's preparation, which may sort the draws.
    loadedGeneration_ = OpenLotteryGeneration();
}

void GeneratorFrame::UntickFilterBoxes()
{
    for (QCheckBox* box : {Check1, Check2, Check3})
        if (box)
            box->setChecked(false);
}

void GeneratorFrame::List1_Click()
{
    if (Busy) {
        // The open lottery stays the one being played: the list shows it again.
        const QSignalBlocker block(List1);
        List1->setCurrentRow(loadedRow_);
        return;
    }
    {
        BusyGuard busy;
        Hourglass wait;
        if (options_.untickOnChoice)
            UntickFilterBoxes();
        // Nothing shown or kept of the lottery before stays to be filtered or
        // saved under this one, whatever Generate then says.
        MSFlexGrid1->Clear();
        MSFlexGrid1->setTopRow(1);
        setHeadings();
        ClearEntries();
        Label5->clear();
        loadLottery(List1->currentRow());
        if (!loadFailed_)
            LotteryChosen();
    }
    if (options_.generateOnChoice)
        Command2_Click();
    else
        Label5->setText(ServingProblem());
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
    return OwnServingProblem();
}

void GeneratorFrame::Command2_Click()
{
    if (Busy)
        return;
    // Lines are made for the lottery chosen here, even when another window
    // opened another one since.
    if (loadedRow_ >= 0 && OpenLotteryGeneration() != loadedGeneration_) {
        BusyGuard busy;
        Hourglass wait;
        loadLottery(loadedRow_);
    }
    if (const QString problem = ServingProblem(); !problem.isEmpty()) {
        // Nothing from an earlier lottery stays to be saved under this one.
        ClearEntries();
        ShowEntries(MSFlexGrid1);
        Label5->setText(problem);
    } else if (InputsOK()) {
        BusyGuard busy;
        Hourglass wait;
        const InputHold hold(inputs());
        Generate();
    }
    finishBusy();
}

QList<QWidget*> GeneratorFrame::inputs() const
{
    QList<QWidget*> found;
    std::function<void(QLayout*)> walk = [&](QLayout* box) {
        for (int i = 0; i < box->count(); ++i) {
            QLayoutItem* item = box->itemAt(i);
            if (QLayout* inner = item->layout())
                walk(inner);
            QWidget* w = item->widget();
            if (w && !qobject_cast<QLabel*>(w) && !helpButtons_.contains(w))
                found << w;
        }
    };
    walk(methodBox_);
    for (QCheckBox* box : {Check1, Check2, Check3})
        if (box)
            found << box;
    // The lottery list too: a lottery clicked meanwhile would stand
    // highlighted over lines made for the one being played.
    found << List1;
    return found;
}

void GeneratorFrame::Generate()
{
    BeforeGenerate();
    const double t0 = MonotonicSeconds();
    BlankGrid();
    ClearEntries();
    Randomize();
    auto ticked = [](const QCheckBox* box) { return box && box->isChecked(); };
    RetryTests tests = ReadRetryTests(ticked(Check1), ticked(Check2), ticked(Check3));
    tests.own = OwnTest();
    const RetryOutcome outcome = RunRetryLoop([this](const QString& status) { Label5->setText(status); },
                                              options_.decimals, t0, [this] { PlayLotto(); }, tests);
    AfterRetryLoop();
    ShowEntries(MSFlexGrid1);
    Label5->setText(FinalRetryStatus(outcome, options_.decimals));
}

void GeneratorFrame::BlankGrid() { BlankEntriesGrid(MSFlexGrid1); }

void GeneratorFrame::AfterRetryLoop() { SortEntries(BallsDrawn); }

void GeneratorFrame::finishBusy()
{
    // A Close that came while the loop ran closes the window now.
    if (closeAfterBusy_) {
        closeAfterBusy_ = false;
        done(QDialog::Rejected);
    }
}

void GeneratorFrame::RunFilter(void (*filter)())
{
    if (Busy)
        return;
    filter();
    ShowEntries(MSFlexGrid1);
}

void GeneratorFrame::Command6_Click()
{
    if (Busy)
        return;
    PrintEntries(MSFlexGrid1);
}

void GeneratorFrame::Command7_Click()
{
    if (Busy)
        return;
    SaveMyEntries(MSFlexGrid1);
}

void GeneratorFrame::Help_Click() { ShowHelpPage(kPlayHelpPage); }

void GeneratorFrame::Command1_Click()
{
    if (Busy) {
        // The command that runs lets events run, so this click came from
        // inside it: the window closes when it ends.
        if (CloseWaitsWhileBusy())
            closeAfterBusy_ = true;
        return;
    }
    done(QDialog::Rejected);
}

bool GeneratorFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress)
        rowBeforePress_ = List1->currentRow();
    return QDialog::eventFilter(watched, event);
}

void GeneratorFrame::reject()
{
    // Escape and the close box close as the Close button does.
    Command1_Click();
}
