#include "core/ui/LotteryInfo.h"

#include "core/ui/Skinning.h"
#include "platform/TextFile.h"
#include "platform/ui/Controls.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

LotteryInfo::LotteryInfo(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("LotteryInfo");
    setWindowTitle("Lottery Information");

    Label1 = NamedLabel(this, "Label1", "Lottery Information");
    MakeTitle(Label1);
    Label2 = NamedLabel(this, "Label2",
                        "It is not possible to feature every lottery in the world, so here is a small selection of "
                        "popular ones...");
    Label2->setWordWrap(true);
    Notice = NamedLabel(this, "Notice", QString());
    Notice->setWordWrap(true);
    Notice->hide();

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->setUsesScrollButtons(true);
    const QFont fixed = FixedPitchFont();
    for (int i = 0; i < kLotteryInfoTabs; ++i) {
        Text1[i] = new QPlainTextEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setReadOnly(true);
        Text1[i]->setFont(fixed);
        Text1[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
        SSTab1->addTab(Text1[i], QStringLiteral("Tab %1").arg(i + 1));
    }
    // Room for a line of 76 characters and some 28 lines.
    const QFontMetrics metrics(fixed);
    SSTab1->setMinimumSize(metrics.horizontalAdvance(QString(76, 'M')) + 40, metrics.lineSpacing() * 28);

    Command1 = NamedPictureButton(this, "Command1", QStyle::SP_DialogCloseButton, "Close", " Close ", "window-close");
    connect(Command1, &QPushButton::clicked, this, &LotteryInfo::Command1_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Notice);
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);
}

void LotteryInfo::Skinning()
{
    ::Skinning(this, SkinFamily::Help, {.title = {Label1}, .body = {Label2}, .label = {}, .other = {}});
}

void LotteryInfo::Form_Load()
{
    Skinning();
    const auto lines = ReadLines(kLotteryInfoFile);
    const LotteryInfoText info = lines ? ParseLotteryInfo(*lines) : LotteryInfoText{};
    // Captions show as written: a "&" in one marks no shortcut key.
    for (int i = 0; i < int(info.sections.size()); ++i) {
        if (info.sections[i].named)
            SSTab1->setTabText(i, QString(info.sections[i].caption).replace('&', QStringLiteral("&&")));
        Text1[i]->setPlainText(info.sections[i].text);
    }
    // One tab per section; the tabs beyond the last section stay empty and
    // out of sight.
    for (int i = 0; i < kLotteryInfoTabs; ++i)
        SSTab1->setTabVisible(i, i < info.sections.size());
    SSTab1->setVisible(!info.sections.isEmpty());

    QString notice;
    if (!lines)
        notice = "The lottery information file \"" + kLotteryInfoFile + "\" is not in the program folder.";
    else if (info.sections.isEmpty())
        notice = "The lottery information file \"" + kLotteryInfoFile + "\" is empty.";
    else if (info.droppedSections > 0)
        notice = QStringLiteral("\"%1\" has %2 sections; only the first %3 are shown here.")
                     .arg(kLotteryInfoFile)
                     .arg(kLotteryInfoTabs + info.droppedSections)
                     .arg(kLotteryInfoTabs);
    Notice->setText(notice);
    Notice->setVisible(!notice.isEmpty());

    SSTab1->setCurrentIndex(0);
}

void LotteryInfo::Command1_Click() { close(); }
