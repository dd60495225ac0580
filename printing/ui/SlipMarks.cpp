#include "printing/ui/SlipMarks.h"

#include "platform/ui/Printer.h"

#include <QStringList>

void StartSlipMarks() { Printer().SetScaleMode(vbTwips); }

SlipMarkResult DrawSlipMark(const PlaySlipTemplate& slip, int number, bool extraBall, int boardAcross, int boardDown)
{
    const std::optional<SlipMark> mark = MarkPosition(slip, number, extraBall, boardAcross, boardDown);
    if (!mark)
        return SlipMarkResult::NoPosition;
    // Single precision, as the printer's coordinates are.
    const float left = float(mark->left * MmToTwips);
    const float top = float(mark->top * MmToTwips);
    const float width = float(slip.value(MarkWidth) * MmToTwips);
    const float height = float(slip.value(MarkHeight) * MmToTwips);
    Printer().FillBox(left, top, left + width, top + height, Qt::black);
    const bool inside =
        left >= 0 && top >= 0 && left + width <= Printer().ScaleWidth() && top + height <= Printer().ScaleHeight();
    return inside ? SlipMarkResult::Drawn : SlipMarkResult::OffPage;
}

void SlipMarkTrouble::note(int number, SlipMarkResult result)
{
    if (result == SlipMarkResult::NoPosition)
        noPosition.insert(number);
    else if (result == SlipMarkResult::OffPage)
        offPage.insert(number);
}

namespace {
QString listed(const std::set<int>& numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << (n > kSlipNumbers ? QStringLiteral("above %1").arg(kSlipNumbers) : QString::number(n));
    return texts.join(QStringLiteral(", "));
}
} // namespace

QString SlipMarkTrouble::message(const QString& templateName) const
{
    QStringList parts;
    if (!noPosition.empty())
        parts << QStringLiteral("These numbers have no position in the template ") + templateName.trimmed()
                + QStringLiteral(" and were not marked: ") + listed(noPosition) + QStringLiteral(".    ");
    if (!offPage.empty())
        parts << QStringLiteral("These numbers lie outside the printable area of the page, so their marks are cut "
                                "off: ")
                + listed(offPage) + QStringLiteral(".    ");
    return parts.join(QStringLiteral("\r\n\r\n"));
}
