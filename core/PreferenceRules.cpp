#include "core/PreferenceRules.h"

#include "platform/Text.h"

#include <QRegularExpression>

QString StoredLinkCaption(const QString& typed)
{
    QString caption = typed;
    caption.replace('&', QStringLiteral("&&"));
    caption.replace(',', '\'');
    return caption.trimmed();
}

QString ShownLinkCaption(const QString& stored)
{
    QString caption = stored;
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString StoredLinkAddress(const QString& typed)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    const QString address = typed.trimmed();
    if (scheme.match(address).hasMatch())
        return address;
    return QStringLiteral("http://") + address;
}

bool FilterSecondOption(const QString& text) { return Val(text) == 2; }

QString FilterItemText(SettingsItem item, bool secondOption)
{
    switch (item) {
    case OddEvenFilter: return secondOption ? "2 Odd/Even filter" : "1 Odd/Even filter";
    case HighLowFilter: return secondOption ? "2 High/Low filter" : "1 High/Low filter";
    case HistoryFilter: return secondOption ? "2 History  filter" : "1 History  filter";
    case LongRunFilter: return secondOption ? "2 Long Run filter" : "3 Long Run filter";
    default: return {};
    }
}

QString SkinFlagsText(bool pictures, bool colours) { return QString::number((pictures ? 1 : 0) + (colours ? 2 : 0)); }

void ResetColours()
{
    for (const SettingsItemInfo& info : SettingsItemTable())
        if (info.item >= TitleColour && info.item <= BackgroundColour)
            Settings.set(info.item, info.defaultValue);
}
