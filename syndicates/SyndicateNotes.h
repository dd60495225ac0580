#pragma once
// The syndicate manager's checklist and notes, kept in "SNotes.txt" in the
// program folder (one file for all syndicates), in the checklist-and-notes
// form of core/ChecklistFile.h.

#include "core/ChecklistFile.h"

#include <QString>
#include <optional>

inline const QString kSyndicateNotesFile = QStringLiteral("SNotes.txt");
inline constexpr int kSyndicateChecklistItems = kChecklistItems;

using SyndicateNotes = ChecklistNotes;

// The checklist a syndicate starts with: eight tasks, none ticked, no notes.
SyndicateNotes DefaultSyndicateNotes();

// The file's text, and the checklist and notes a text holds; a text with
// fewer than eight item lines keeps the default items it lacks.
QString SyndicateNotesText(const SyndicateNotes& content);
SyndicateNotes ParseSyndicateNotes(const QString& text);

// Reads the file; no value when it is missing or cannot be read.
std::optional<SyndicateNotes> ReadSyndicateNotes(const QString& path = kSyndicateNotesFile);
// Writes the file through a new one renamed over the old; false when it could
// not be written (the old file is then as it was), with the system's reason in
// error (when given).
bool WriteSyndicateNotes(const SyndicateNotes& content, const QString& path = kSyndicateNotesFile,
                         QString* error = nullptr);
