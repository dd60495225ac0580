#pragma once
// A draw typed into a database window: checking its numbers before they are
// written, and the scratch copy the rewrites start from.

#include "databases/DrawDatabase.h"

#include <QString>
#include <QStringList>
#include <optional>

class QLineEdit;

// What a draw of one lottery may hold.
struct DrawShape {
    int ballsDrawn = 0;      // main numbers, 1 to 7
    int maxBall = 0;         // main numbers run 1 to maxBall
    int eighthMax = 0;       // the eighth number runs 1 to eighthMax; 0 when the lottery has none
    bool eighthIsBonus = false; // the eighth number comes from the main range, so it differs from them
};

// The shape of the open lottery's draws (BallsDrawn, MaxBall, ExtraBallMax,
// HasBonusBall); an extra ball wins over a bonus ball.
DrawShape OpenLotteryShape();

// Checks the eight number texts (c1 to c8) of a draw: each main number present,
// digits only, 1 to maxBall and all different; the eighth empty, 0 or in its
// range (and, for a bonus ball, not one of the main numbers). Returns the eight
// fields to write, as plain numbers, with empty fields beyond the lottery's
// count (and for the eighth when the lottery has none); no value when a number
// is wrong.
std::optional<QStringList> CheckDrawNumbers(const QStringList& texts, const DrawShape& shape);

// Lets a number box take digits only, typed or pasted.
void AcceptDigitsOnly(QLineEdit* box);

// Copies a database file to the scratch file "temp.txt" (replacing it). False
// when the database cannot be read or the copy cannot be written.
bool CopyToScratch(const QString& database);

// The message for a rewrite that did not happen; empty when it did.
QString RewriteFailureText(RewriteResult result);
