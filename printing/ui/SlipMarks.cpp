#include "printing/ui/SlipMarks.h"

#include "platform/ui/Printer.h"

void StartSlipMarks() { Printer().SetScaleMode(vbTwips); }

bool DrawSlipMark(const PlaySlipTemplate& slip, int number, bool extraBall, int boardAcross, int boardDown)
{
    const std::optional<SlipMark> mark = MarkPosition(slip, number, extraBall, boardAcross, boardDown);
    if (!mark)
        return false;
    // Single precision, as the printer's coordinates are.
    const float left = float(mark->left * MmToTwips);
    const float top = float(mark->top * MmToTwips);
    const float width = float(slip.value(MarkWidth) * MmToTwips);
    const float height = float(slip.value(MarkHeight) * MmToTwips);
    Printer().FillBox(left, top, left + width, top + height, Qt::black);
    return true;
}
