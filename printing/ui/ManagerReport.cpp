#include "printing/ui/ManagerReport.h"

#include "platform/ui/FlexGrid.h"

int CountDiaryRecords(const FlexGrid* diary)
{
    if (!diary)
        return 0;
    for (int r = diary->Rows() - 1; r >= 1; --r)
        for (int c = 0; c < diary->Cols(); ++c)
            if (!diary->TextMatrix(r, c).trimmed().isEmpty())
                return r;
    return 0;
}

void PrintSyndicate(const ManagerDetails&, const FlexGrid*, const QString&) {}

void PrintManagerReport(const ManagerDetails&, const FlexGrid*, const QString&, const PrintOptions&) {}
