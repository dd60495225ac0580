#pragma once
// The syndicate manager's checklist and notes, kept in "SNotes.txt" in the
// program folder (one file for all syndicates).
//
// The file: eight lines, one per checklist item in order, each the tick as a
// number with a blank either side (" 1 " ticked, " 0 " not), a comma and the
// caption as it stands (it may be empty or hold commas); then the notes text
// with its own line breaks and no line end after it. Lines end with CR LF.

#include <QString>
#include <array>
#include <optional>

inline const QString kSyndicateNotesFile = QStringLiteral("SNotes.txt");
inline constexpr int kSyndicateChecklistItems = 8;

struct ChecklistItem {
    bool ticked = false;
    QString caption;
};

struct SyndicateNotes {
    std::array<ChecklistItem, kSyndicateChecklistItems> items;
    QString notes; // line breaks as '\n'
};

// The checklist a syndicate starts with: eight tasks, none ticked, no notes.
SyndicateNotes DefaultSyndicateNotes();

// The file's text for the checklist and notes, and the checklist and notes a
// text holds. A text with fewer than eight item lines keeps the default items
// it lacks; a tick that is not the number 1 reads as not ticked. The notes
// keep every line break, one at their very end included.
QString SyndicateNotesText(const SyndicateNotes& content);
SyndicateNotes ParseSyndicateNotes(const QString& text);

// Reads the file; no value when it is missing or cannot be read.
std::optional<SyndicateNotes> ReadSyndicateNotes(const QString& path = kSyndicateNotesFile);
// Writes the file through a new one renamed over the old; false when it could
// not be written (the old file is then as it was).
bool WriteSyndicateNotes(const SyndicateNotes& content, const QString& path = kSyndicateNotesFile);
