#pragma once
// The Lottery Information window: "Lottery Info.txt" of the program folder,
// one tab per section.

#include "core/LotteryInfoFile.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class LotteryInfo : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit LotteryInfo(QWidget* parent = nullptr);

    QLabel* Label1; // title
    QLabel* Label2;
    QLabel* Notice; // what could not be shown, when anything
    QTabWidget* SSTab1;
    std::array<QPlainTextEdit*, kLotteryInfoTabs> Text1{};
    QPushButton* Command1; // Close

    void Skinning();
    void Form_Load() override;
    void Command1_Click();
};
