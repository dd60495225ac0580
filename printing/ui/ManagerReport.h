#pragma once
// The syndicate manager's report: the syndicate's details, its diary of
// tickets, costs and winnings, and the diary's total, as the manager window
// shows them.

#include "printing/ui/PrintFrm.h"

#include <QString>

class FlexGrid;

struct ManagerDetails {
    QString syndicateName;
    QString managerName;
    QString address[4];
    QString phone;
    QString email;
};

// The diary's records: its rows from row 1 to the last row that holds
// anything (empty rows between records are not records).
int CountDiaryRecords(const FlexGrid* diary);

// Offers the count of records in the Print dialog and prints; nothing (and no
// message) when the diary has no record or the player cancels.
void PrintSyndicate(const ManagerDetails& details, const FlexGrid* diary, const QString& total);

// Prints with the options given: the title, the details block, the column
// titles and a rule, at most options.lines records, and the total line; a
// diary longer than the page goes on at the top of the next.
void PrintManagerReport(const ManagerDetails& details, const FlexGrid* diary, const QString& total,
                        const PrintOptions& options);
