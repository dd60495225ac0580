#pragma once
// Marks on play slips: a solid black box of the template's mark size, its
// top-left corner at the number's position. Positions and sizes are
// millimetres times MmToTwips, drawn in twips.

#include "printing/PlaySlipTemplate.h"

#include <QString>
#include <set>

// Sets the printer's scale to twips.
void StartSlipMarks();

enum class SlipMarkResult {
    Drawn,
    NoPosition, // the template has no position for the number: nothing drawn
    OffPage,    // drawn, but not wholly inside the printable area
};
SlipMarkResult DrawSlipMark(const PlaySlipTemplate& slip, int number, bool extraBall, int boardAcross, int boardDown);

// The numbers whose marks could not be printed whole, to tell the player.
struct SlipMarkTrouble {
    std::set<int> noPosition; // above 60 counts as 61
    std::set<int> offPage;
    void note(int number, SlipMarkResult result);
    // The warning for the player, empty when every mark was printed.
    QString message(const QString& templateName) const;
};
