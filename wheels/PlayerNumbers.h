#pragma once
// The player's numbers in the number boxes of the budget and create-a-wheel
// windows: a random pick of them, and their order mixed up.

#include <QString>
#include <QStringList>

// "Random selection": shuffles 1 to maxBall in BallPool 0 to maxBall - 1 and
// returns the first `boxes` of them as texts, one a box. A lottery of fewer
// numbers than boxes leaves the boxes past its numbers with an empty text.
QStringList RandomSelectionTexts(int boxes, int maxBall);

// "Random order": reads the boxes' numbers into BallPool (whole numbers; no
// number reads 0) and swaps each of places 0 to last, the last box that holds
// a number above 0, with a place drawn from 0 to last - 1. Returns the new
// texts of boxes 0 to last; a box without a number stays empty wherever it
// lands. Boxes after last keep what they hold.
QStringList RandomOrderTexts(const QStringList& boxes);
