#pragma once
// The syndicate's member list and payments on plain paper, on the report
// frame's page: title, heading and body positions and sizes moving with the
// text-size step, rows advancing a line of the body font, a page that is full
// going on at the body's top on the next one.

#include "printing/ui/PrintFrm.h"

class FlexGrid;

// The manager's and every member's contact details from `Syndicate` in
// memory, in six-line blocks. Nothing (no dialog, no message) when the
// syndicate has no member.
void PrintMembers();
// The payments window's grid as it shows: name, pay by, amount and paid-up
// date of the manager and every member, overdue dates in bold. Nothing when
// the grid holds no one.
void PrintPayments(const FlexGrid* grid);

// The printouts themselves, with the options chosen (tests).
void PrintMembersReport(const PrintOptions& options);
void PrintPaymentsReport(const FlexGrid* grid, const PrintOptions& options);

// Where the payments report wants its columns, in mm, for a text-size step
// and a left margin.
struct PaymentColumns {
    double x[4];
};
PaymentColumns PaymentColumnsFor(int step, double margin);
