#pragma once
// "Lottery Info.txt": the lottery information shipped beside the program, one
// section per tab. A line starting with "#" starts a section and names its
// tab; every other line is text of the section it stands in.

#include <QList>
#include <QString>
#include <QStringList>

inline const QString kLotteryInfoFile = QStringLiteral("Lottery Info.txt");
inline constexpr int kLotteryInfoTabs = 10;

struct LotteryInfoSection {
    QString caption;
    QString text;      // each line followed by a line feed
    bool named = true; // false for text before any section line
};

struct LotteryInfoText {
    // At most kLotteryInfoTabs sections. Lines before the first section line
    // go to the text of section 0, ahead of its own lines; such a section has
    // no caption when the file has no section line at all.
    QList<LotteryInfoSection> sections;
    int droppedSections = 0; // sections beyond the last tab, not shown
};

LotteryInfoText ParseLotteryInfo(const QStringList& lines);
