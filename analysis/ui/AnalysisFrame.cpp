#include "analysis/ui/AnalysisFrame.h"

#include "core/OpenLottery.h"
#include "databases/DatabaseLoader.h"
#include "core/ui/DatabaseList.h"
#include "platform/ui/Colours.h"
#include "platform/ui/Controls.h"
#include "printing/ui/PrintReports.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

AnalysisFrame::AnalysisFrame(const AnalysisFrameOptions& options, QWidget* parent) : LoadOnce(parent), options_(options)
{
    setObjectName(options.name);
    setWindowTitle(options.caption);

    ListLabel = NamedLabel(this, options.listLabelName, "Select a lottery:");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMaximumWidth(List1->fontMetrics().horizontalAdvance("US Mega Millions Plus") + 24);
    List1->setMinimumHeight(List1->fontMetrics().height() * 6);
    Heading = NamedLabel(this, options.headingName, options.heading);
    MakeTitle(Heading);
    StatusLabel = NamedLabel(this, "StatusLabel", QString());
    StatusLabel->setWordWrap(true);
    SetTextColours(StatusLabel, QColor(0xA0, 0, 0));
    QFont bold = StatusLabel->font();
    bold.setBold(true);
    StatusLabel->setFont(bold);
    StatusLabel->hide();
    Command6 = NamedPictureButton(this, "Command6", QStyle::SP_CustomBase, "Print", options.printTip, "document-print");
    CloseButton = NamedPictureButton(this, options.closeName, QStyle::SP_DialogCloseButton, "Close", options.closeTip);

    // The list and the window's own choices on the left; heading, texts and
    // charts on the right; Print and Close at the bottom.
    leftBox_ = new QVBoxLayout;
    leftBox_->addWidget(ListLabel);
    leftBox_->addWidget(List1);
    mainBox_ = new QVBoxLayout;
    mainBox_->addWidget(Heading);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(leftBox_);
    left->addStretch(1);
    body->addLayout(left);
    body->addLayout(mainBox_, 1);
    buttonBox_ = new QHBoxLayout;
    buttonBox_->addWidget(StatusLabel, 1);
    buttonBox_->addStretch(1);
    buttonBox_->addWidget(Command6);
    buttonBox_->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttonBox_);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(Command6, &QPushButton::clicked, this, &AnalysisFrame::Command6_Click);
    connect(CloseButton, &QPushButton::clicked, this, &AnalysisFrame::Close_Click);
}

QLabel* AnalysisFrame::Explanation(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = NamedLabel(parent, name, text);
    label->setWordWrap(true);
    return label;
}

void AnalysisFrame::applySkin(const SkinLabels& labels) { ::Skinning(this, SkinFamily::Analyse, labels); }

void AnalysisFrame::Form_Load()
{
    // Tab goes as the controls stand: the list and the window's own choices,
    // the texts and charts, then the buttons at the foot (the window made
    // its own controls last).
    SetTabOrder(FocusableIn(leftBox_) + FocusableIn(mainBox_) + FocusableIn(buttonBox_));
    Skinning();
    SetUp();
    if (ListDatabases(List1) == 0) {
        // Nothing is loaded: whatever another window left open stays as it
        // was and is not shown here.
        input_ = NoLottery();
        say("There is no lottery database to choose from.");
        ShowAnalysis();
        return;
    }
    List1->setCurrentRow(0);
}

void AnalysisFrame::List1_Click()
{
    const int row = List1->currentRow();
    const bool loaded = row >= 0 && LoadDatabase(row);
    if (loaded && options_.sortsDraws)
        SortDraws(BallsDrawn);
    input_ = loaded ? OpenLotteryInput() : NoLottery();
    if (!loaded)
        say("This lottery database cannot be read, so there is nothing to analyse.");
    else if (input_.drawCount == 0)
        say("There are no draws in this lottery database yet.");
    else
        say(QString());
    ShowAnalysis();
}

void AnalysisFrame::say(const QString& text)
{
    StatusLabel->setText(text);
    StatusLabel->setVisible(!text.isEmpty());
}

void AnalysisFrame::Command6_Click() { Print(); }

void AnalysisFrame::Print() { PrintWindowImage(this); }

void AnalysisFrame::Close_Click() { done(QDialog::Rejected); }

// ---------------------------------------------------------------- the four newest draws

LatestDrawsPanel::LatestDrawsPanel(QWidget* parent, const QString& captionName,
                                   const std::array<QString, 4>& numberNames, const std::array<QString, 4>& ratioNames)
    : widget_(new QWidget(parent))
{
    widget_->setObjectName("LatestDrawsPanel");
    auto* grid = new QGridLayout(widget_);
    grid->setContentsMargins(0, 0, 0, 0);
    caption_ = NamedLabel(widget_, captionName, "Last 4 draws     ");
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    grid->addWidget(caption_, 0, 0, 1, 2);
    for (int i = 0; i < 4; ++i) {
        numbers_[i] = NamedLabel(widget_, numberNames[i], QString());
        ratios_[i] = NamedLabel(widget_, ratioNames[i], QString());
        ratios_[i]->setFont(bold);
        ratios_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ratios_[i]->setMinimumWidth(ratios_[i]->fontMetrics().horizontalAdvance("00:00"));
        grid->addWidget(numbers_[i], i + 1, 0);
        grid->addWidget(ratios_[i], i + 1, 1);
    }
    grid->setColumnStretch(0, 1);
}

void LatestDrawsPanel::fill(const AnalysisInput& in, const std::function<bool(int)>& counts)
{
    const bool any = in.ballsDrawn > 0;
    const auto rows = LatestDraws(in, counts);
    for (int i = 0; i < 4; ++i) {
        numbers_[i]->setText(any ? rows[i].numbers : QString());
        ratios_[i]->setText(any ? rows[i].ratio : QString());
    }
}
