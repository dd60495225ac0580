#pragma once
// Helpers the generator tests share: an open lottery with given draws, the
// lines a grid shows and the lines saved (the lines of Entries: EntryLines in
// support/WheelFixtures.h).

#include "core/OpenLottery.h"
#include "databases/SavedEntries.h"
#include "generators/Entries.h"
#include "platform/ui/FlexGrid.h"
#include "support/SaveDialog.h"
#include "support/WheelFixtures.h"

#include <QStringList>
#include <vector>

// Opens a K/N lottery with E extra balls; each draw its main numbers, then
// its extra ball if given.
inline void SetLottery(int k, int n, int e = 0, const std::vector<std::vector<int>>& draws = {})
{
    ResetOpenLottery();
    BallsDrawn = k;
    MaxBall = n;
    ExtraBallMax = e;
    for (std::size_t r = 0; r < draws.size(); ++r) {
        for (int c = 1; c <= k; ++c)
            Draws[r + 1][c] = std::int16_t(draws[r][std::size_t(c - 1)]);
        Draws[r + 1][kExtraBallColumn] = std::int16_t(draws[r].size() > std::size_t(k) ? draws[r][std::size_t(k)] : 0);
    }
    OpenLotteryChanged();
}

// Rows 1 to rows of a grid, columns 1 to 8 joined by commas.
inline QStringList GridLines(FlexGrid* grid, int rows)
{
    QStringList out;
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (int c = 1; c <= kExtraBallColumn; ++c)
            cells << grid->TextMatrix(r, c);
        out << cells.join(',');
    }
    return out;
}

// The numbers of each saved entry joined by commas.
inline QStringList SavedLines()
{
    QStringList out;
    if (const auto entries = ReadSavedEntries())
        for (const SavedEntry& e : *entries) {
            QStringList numbers;
            for (const QString& n : e.numbers)
                numbers << n;
            out << numbers.join(',');
        }
    return out;
}
