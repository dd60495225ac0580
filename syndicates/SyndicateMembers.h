#pragma once
// The member list of the open syndicate, as the members window edits it in
// the shared table `Syndicate`: rows 1 to 100, from row 1 up to the first row
// whose name (field 0) is empty, kept without gaps.

#include "syndicates/SyndicateFile.h"

#include <QString>
#include <QStringList>
#include <array>

// The four ways a member may pay, in the order the windows offer them.
QStringList PayByMethods();

// How many members the list holds.
int MemberCount();
// The members' names in row order (list item k is row k + 1).
QStringList MemberNames();

// Fields 0 to 7 of a member as typed: name, four address lines, phone,
// e-mail, pay by.
using MemberFields = std::array<QString, 8>;

enum class AddMemberResult {
    NoName,  // the name is empty or blank: nothing changed
    Updated, // the member with that name (exactly) got the fields
    Added,   // a new member after the last
    Full,    // a new name, and all 100 member rows are in use: nothing changed
};

// Stores fields 0 to 7 (0 to 6 trimmed of blanks, every field made safe for
// the file by SyndicateText) in the member row whose name is the name given,
// before any other: as given, else the trimmed name exactly, else the trimmed
// name as the boxes show a name read from the file (a double quote as an
// apostrophe, blanks at its ends dropped); or else in the first row after the
// list. An updated member keeps its name as it stood and its fields 8 to 10.
// Returns the row through `row` (0 when nothing changed).
AddMemberResult AddMember(const MemberFields& fields, int* row = nullptr);

// Removes the member at that place of the list (0 = row 1), moving every
// later member up one row; the row that held the last member is emptied.
// False when there is no member at that place.
bool DeleteMemberAt(int index);

// Sorts the members by name, whole names compared character by character by
// character code (every capital before every small letter). False, and
// nothing done, when there are fewer than two members.
bool SortMembers();
