#include "syndicates/SyndicateNotes.h"

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

QString SyndicateNotesText(const SyndicateNotes& content) { return ChecklistNotesText(content); }

SyndicateNotes ParseSyndicateNotes(const QString& text) { return ParseChecklistNotes(text, DefaultSyndicateNotes()); }

std::optional<SyndicateNotes> ReadSyndicateNotes(const QString& path)
{
    const auto text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    return ParseSyndicateNotes(*text);
}

bool WriteSyndicateNotes(const SyndicateNotes& content, const QString& path, QString* error)
{
    return WriteTextFile(path, SyndicateNotesText(content), error);
}
