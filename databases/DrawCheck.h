#pragma once
// The checking of a draw typed by hand before it is written to a database
// file, and what the rewrites of a database share. The windows that take a
// draw (Update, Create, History) read their boxes and call these.

#include "databases/DrawDatabase.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// What a draw of one lottery may hold.
struct DrawShape {
    int ballsDrawn = 0;         // main numbers, 1 to 7
    int maxBall = 0;            // main numbers run 1 to maxBall
    int eighthMax = 0;          // the eighth number runs 1 to eighthMax; 0 when the lottery has none
    bool eighthIsBonus = false; // the eighth number comes from the main range, so it differs from them
};

// The shape of the open lottery's draws (BallsDrawn, MaxBall, ExtraBallMax,
// HasBonusBall); an extra ball wins over a bonus ball.
DrawShape OpenLotteryShape();

// The open lottery's definition values.
LotteryDefinition OpenLotteryDefinition();

// Checks the eight number texts (c1 to c8) of a draw: each main number present,
// digits only, 1 to maxBall and all different; the eighth empty, 0 or in its
// range (and, for a bonus ball, not one of the main numbers). Returns the eight
// fields to write, as plain numbers, with empty fields beyond the lottery's
// count (and for the eighth when the lottery has none); no value when a number
// is wrong.
std::optional<QStringList> CheckDrawNumbers(const QStringList& texts, const DrawShape& shape);

// The draw line for a date and the number texts c1 to c8, checked as
// CheckDrawNumbers does; no line when a number is wrong.
std::optional<QString> NewDrawLine(const QDate& date, const QStringList& texts, const DrawShape& shape);

// The first and last dates a draw line can hold: its two-digit year is read
// back within a hundred-year window, so a date outside it would come back as
// another century's.
std::pair<QDate, QDate> StoredDateRange();
