#pragma once
// Marks on play slips: a solid black box of the template's mark size, its
// top-left corner at the number's position. Positions and sizes are
// millimetres times MmToTwips, drawn in twips.

#include "printing/PlaySlipTemplate.h"

// Sets the printer's scale to twips.
void StartSlipMarks();
// Draws the mark of a number on a board; false (nothing drawn) when the
// number has no position in the template.
bool DrawSlipMark(const PlaySlipTemplate& slip, int number, bool extraBall, int boardAcross, int boardDown);
