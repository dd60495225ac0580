#pragma once
// The checklist-and-notes file shared by the main window ("Notes.txt") and
// the syndicates ("SNotes.txt").
//
// The file: eight lines, one per checklist item in order, each the tick as a
// number with a blank either side (" 1 " ticked, " 0 " not), a comma and the
// caption as it stands (it may be empty or hold commas); then the notes text
// with its own line breaks and no line end after it. Lines end with CR LF.

#include <QString>
#include <array>

inline constexpr int kChecklistItems = 8;

struct ChecklistItem {
    bool ticked = false;
    QString caption;
};

struct ChecklistNotes {
    std::array<ChecklistItem, kChecklistItems> items;
    QString notes; // line breaks as '\n'
};

// The file's text. A line break in a caption becomes a blank, so it never
// shifts the lines after it.
QString ChecklistNotesText(const ChecklistNotes& content);

// The checklist and notes a text holds, read over `base`: the items of lines
// the text lacks stay as `base` has them. A tick that is not the number 1
// reads as not ticked. The notes keep every line break, one at their very end
// included.
ChecklistNotes ParseChecklistNotes(const QString& text, ChecklistNotes base);
