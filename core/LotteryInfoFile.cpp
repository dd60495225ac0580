#include "core/LotteryInfoFile.h"

LotteryInfoText ParseLotteryInfo(const QStringList& lines)
{
    LotteryInfoText info;
    QString leading; // text before the first section line
    int current = -1;
    bool dropping = false;
    for (const QString& line : lines) {
        if (line.startsWith('#')) {
            if (info.sections.size() == kLotteryInfoTabs) {
                ++info.droppedSections;
                dropping = true;
                continue;
            }
            info.sections.append({line.mid(1), QString(), true});
            current = int(info.sections.size()) - 1;
            continue;
        }
        if (dropping)
            continue;
        if (current < 0)
            leading += line + '\n';
        else
            info.sections[current].text += line + '\n';
    }
    if (!leading.isEmpty()) {
        if (info.sections.isEmpty())
            info.sections.append({QString(), QString(), false});
        info.sections[0].text.prepend(leading);
    }
    return info;
}
