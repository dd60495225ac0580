#include "analysis/ui/ANumberStats.h"

#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "printing/ui/PrintReports.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kGridRows = 80; // the heading row and room for 79 numbers
const QString kSortHint = QStringLiteral("Use the sort buttons to see overdue, most common, and expected numbers");
const char* const kHeadings[] = {"Num", "Last drawn", "Times Drawn", "Average"};
} // namespace

ANumberStats::ANumberStats(QWidget* parent)
    : AnalysisFrame({.name = "ANumberStats",
                     .caption = "Number statistics",
                     .heading = "Number statistics",
                     .headingName = "Label1",
                     .listLabelName = "Label3",
                     .closeName = "Command3",
                     .closeTip = " Close window ",
                     .printTip = " Print out table "},
                    parent)
{
    Label6 = Explanation(this, "Label6",
                         "The Last Drawn column shows the number of draws since the number was last seen. The Times "
                         "Drawn column shows the number of times this number has appeared. The Average is the average "
                         "number of draws between appearances.");
    MSFlexGrid1 = new FlexGrid(this);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setCols(4);
    MSFlexGrid1->setRows(kGridRows);
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(1);
    MSFlexGrid1->setMinimumHeight(MSFlexGrid1->fontMetrics().height() * 16);
    Command1 = NamedButton(this, "Command1", "Sort", " Place overdue numbers at the top ");
    Command2 = NamedButton(this, "Command2", "Sort", " Place most common numbers at the top ");
    Command4 = NamedButton(this, "Command4", "Sort", " Place expected numbers at the top ");
    Label4 = NamedLabel(this, "Label4", kSortHint);
    Label4->setWordWrap(true);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);

    mainBox()->addWidget(Label6);
    mainBox()->addWidget(MSFlexGrid1, 1, Qt::AlignLeft);
    // The sort buttons stand under columns 1, 2 and 3 once the columns have
    // their widths (SetUp).
    auto* sortRow = new QWidget(this);
    sortRow->setObjectName("SortButtons");
    auto* sorts = new QHBoxLayout(sortRow);
    sorts->setContentsMargins(0, 0, 0, 0);
    sorts->setSpacing(0);
    sorts->addSpacing(0);
    for (QPushButton* button : {Command1, Command2, Command4}) {
        auto* cell = new QWidget(sortRow);
        auto* box = new QHBoxLayout(cell);
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(button, 0, Qt::AlignHCenter);
        sorts->addWidget(cell);
    }
    mainBox()->addWidget(sortRow, 0, Qt::AlignLeft);
    // Beside a stretch rather than aligned, so that its lines wrap within the
    // grid's width and the layout gives it the height they take.
    auto* message = new QHBoxLayout;
    message->addWidget(Label4);
    message->addStretch(1);
    mainBox()->addLayout(message);
    resize(900, 740);

    connect(Command1, &QPushButton::clicked, this, &ANumberStats::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ANumberStats::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &ANumberStats::Command4_Click);
}

void ANumberStats::Skinning() { applySkin({.title = {Heading}, .body = {Label6}, .label = {ListLabel}, .other = {}}); }

void ANumberStats::SetUp()
{
    FlexGrid* g = MSFlexGrid1;
    const QFontMetrics metrics(g->font());
    for (int c = 0; c < 4; ++c) {
        g->setColAlignment(c, Qt::AlignCenter);
        g->setColWidth(c, metrics.horizontalAdvance(c == 0 ? "___NUM__" : "000000000000000000000000"));
    }
    writeHeadings();
    g->fitWidthToColumns(3);
    // Each sort button centred under its column.
    auto* row = findChild<QWidget*>("SortButtons");
    auto* sorts = static_cast<QHBoxLayout*>(row->layout());
    sorts->itemAt(0)->spacerItem()->changeSize(g->frameWidth() + g->ColWidth(0), 0, QSizePolicy::Fixed,
                                               QSizePolicy::Minimum);
    for (int c = 1; c <= 3; ++c)
        sorts->itemAt(c)->widget()->setFixedWidth(g->ColWidth(c));
    sorts->invalidate();
    Label4->setFixedWidth(g->width());
    // Room for the longest message a sort can give (ten numbers of up to
    // three digits), so that the grid and the buttons stay put after a sort.
    const std::vector<NumberStatsRow> widest(10, NumberStatsRow{"888", {}, {}, {}});
    const QFontMetrics labelMetrics(Label4->font());
    int tallest = 0;
    for (StatsSort sort : {StatsSort::Overdue, StatsSort::MostCommon, StatsSort::Expected})
        tallest = std::max(
            tallest,
            labelMetrics.boundingRect(QRect(0, 0, Label4->width(), 0), Qt::TextWordWrap, SortMessage(widest, sort))
                .height());
    Label4->setMinimumHeight(tallest);
}

void ANumberStats::writeHeadings()
{
    for (int c = 0; c < 4; ++c)
        MSFlexGrid1->setTextMatrix(0, c, kHeadings[c]);
}

void ANumberStats::ShowAnalysis()
{
    MSFlexGrid1->Clear();
    writeHeadings();
    Label4->setText(kSortHint);
    Analyse();
    MSFlexGrid1->setTopRow(1);
}

void ANumberStats::Analyse()
{
    const std::vector<NumberStatsRow> rows = NumberStatistics(input());
    FlexGrid* g = MSFlexGrid1;
    g->setRows(std::max(kGridRows, int(rows.size()) + 1));
    for (int r = 1; r <= int(rows.size()); ++r)
        for (int c = 0; c < 4; ++c)
            g->setTextMatrix(r, c, rows[r - 1][c]);
}

std::vector<NumberStatsRow> ANumberStats::gridRows() const
{
    std::vector<NumberStatsRow> rows;
    for (int r = 1; r < MSFlexGrid1->Rows() && !MSFlexGrid1->TextMatrix(r, 0).isEmpty(); ++r)
        rows.push_back({MSFlexGrid1->TextMatrix(r, 0), MSFlexGrid1->TextMatrix(r, 1), MSFlexGrid1->TextMatrix(r, 2),
                        MSFlexGrid1->TextMatrix(r, 3)});
    return rows;
}

void ANumberStats::ToggleButtons()
{
    for (QPushButton* button : {Command1, Command2, CloseButton, Command4, Command6})
        button->setEnabled(!button->isEnabled());
}

void ANumberStats::sortBy(StatsSort sort)
{
    Hourglass wait;
    ToggleButtons();
    std::vector<NumberStatsRow> rows = gridRows();
    SortNumberStats(rows, sort);
    for (int r = 1; r <= int(rows.size()); ++r)
        for (int c = 0; c < 4; ++c)
            MSFlexGrid1->setTextMatrix(r, c, rows[r - 1][c]);
    Label4->setText(SortMessage(rows, sort));
    MSFlexGrid1->setTopRow(1);
    ToggleButtons();
}

void ANumberStats::Command1_Click() { sortBy(StatsSort::Overdue); }
void ANumberStats::Command2_Click() { sortBy(StatsSort::MostCommon); }
void ANumberStats::Command4_Click() { sortBy(StatsSort::Expected); }

void ANumberStats::Print() { PrintNumberStats(MSFlexGrid1); }
