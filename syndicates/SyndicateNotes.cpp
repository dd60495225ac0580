#include "syndicates/SyndicateNotes.h"

#include "platform/Text.h"
#include "platform/TextFile.h"

SyndicateNotes DefaultSyndicateNotes()
{
    static const char* const captions[kSyndicateChecklistItems] = {
        "Update members list", "Collect member payments", "Analyse lottery draws", "Generate lottery entries",
        "Fill in payslips",    "Buy lottery tickets",     "Check lottery results", "Distribute winnings to members!",
    };
    SyndicateNotes content;
    for (int i = 0; i < kSyndicateChecklistItems; ++i)
        content.items[i].caption = QString::fromLatin1(captions[i]);
    return content;
}

QString SyndicateNotesText(const SyndicateNotes& content)
{
    QString text;
    for (const ChecklistItem& item : content.items) {
        // A caption is one line of the file: a line break in it would shift
        // every later line.
        QString caption = item.caption;
        caption.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        caption.replace(QLatin1Char('\r'), QLatin1Char(' '));
        caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += Str(item.ticked ? 1 : 0) + QStringLiteral(" ,") + caption + QStringLiteral("\r\n");
    }
    QString notes = content.notes;
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    notes.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text + notes;
}

SyndicateNotes ParseSyndicateNotes(const QString& text)
{
    SyndicateNotes content = DefaultSyndicateNotes();
    const qsizetype n = text.size();
    qsizetype pos = 0;
    for (int i = 0; i < kSyndicateChecklistItems && pos < n; ++i) {
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
        content.items[i].ticked = CellFromText(comma < 0 ? line : line.left(comma)) == 1;
        content.items[i].caption = comma < 0 ? QString() : line.mid(comma + 1);
    }
    QString notes = text.mid(pos);
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    content.notes = notes;
    return content;
}

std::optional<SyndicateNotes> ReadSyndicateNotes(const QString& path)
{
    const auto text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    return ParseSyndicateNotes(*text);
}

bool WriteSyndicateNotes(const SyndicateNotes& content, const QString& path)
{
    return WriteTextFile(path, SyndicateNotesText(content));
}
