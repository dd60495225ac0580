#pragma once
// The open syndicate: its manager (row 0, field 10 the syndicate's name) and
// members (rows 1 to 100), loaded from the members file that settings item 16
// names ("SMembers." and three digits).

#include <QString>

inline constexpr int kSyndicateRows = 101;     // rows 0 to 101; row 101 is never in a file
inline constexpr int kSyndicateFields = 11;    // fields 0 to 10
inline constexpr int kSyndicateFileRows = 101; // rows 0 to 100 are in the file

// Row r, field f. Empty text means "not set".
extern QString Syndicate[kSyndicateRows + 1][kSyndicateFields];

// Empties rows 0 to 100 (row 101 keeps its content). When item 16 names a
// file that exists, reads its 1,111 quoted comma-separated items into rows 0
// to 100 in order; a file cut short leaves the items it lacks empty. When the
// named file is missing, empties item 16: no syndicate is open.
void LoadSyndicate();

// Empties every row, 101 included (tests).
void ResetSyndicate();
