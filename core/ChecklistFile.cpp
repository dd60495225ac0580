#include "core/ChecklistFile.h"

#include "platform/Text.h"

namespace {
QString WithNewlines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

QString ChecklistNotesText(const ChecklistNotes& content)
{
    QString text;
    for (const ChecklistItem& item : content.items) {
        QString caption = WithNewlines(item.caption);
        caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += Str(item.ticked ? 1 : 0) + QStringLiteral(" ,") + caption + QStringLiteral("\r\n");
    }
    return text + WithNewlines(content.notes).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

ChecklistNotes ParseChecklistNotes(const QString& text, ChecklistNotes base)
{
    const qsizetype n = text.size();
    qsizetype pos = 0;
    for (int i = 0; i < kChecklistItems && pos < n; ++i) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QString line = text.mid(pos, end - pos);
        if (end < n && text[end] == QLatin1Char('\r'))
            ++end;
        if (end < n && text[end] == QLatin1Char('\n'))
            ++end;
        pos = end;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        base.items[i].ticked = CellFromText(comma < 0 ? line : line.left(comma)) == 1;
        base.items[i].caption = comma < 0 ? QString() : line.mid(comma + 1);
    }
    base.notes = WithNewlines(text.mid(pos));
    return base;
}
