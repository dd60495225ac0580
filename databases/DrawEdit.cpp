#include "databases/DrawEdit.h"

#include "core/OpenLottery.h"
#include "databases/DrawCheck.h"
#include "platform/Dates.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <algorithm>

std::vector<HistoryRow> ReadHistoryRows(const QString& fileName, int limit)
{
    std::vector<HistoryRow> rows;
    DrawFileReader file(fileName);
    while (int(rows.size()) < limit) {
        auto draw = file.next();
        if (!draw)
            break;
        rows.push_back(std::move(*draw));
    }
    return rows;
}

QStringList DrawNumberTexts(const HistoryRow& draw, bool showsEighth)
{
    QStringList texts;
    for (int c = 1; c <= 7; ++c)
        texts << (draw.numbers[c] > 0 ? QString::number(draw.numbers[c]) : QString());
    texts << (showsEighth ? QString::number(draw.numbers[kExtraBallColumn]) : QString());
    return texts;
}

int ChosenDrawRow(const std::vector<HistoryRow>& rows, int row)
{
    if (rows.empty())
        return 0;
    int r = std::clamp(row, 1, int(rows.size()));
    while (r > 1 && rows[r - 1].date.isEmpty())
        --r;
    return r;
}

DrawInEditor EditorContents(const HistoryRow& draw, bool showsEighth)
{
    return {ParseDate(draw.date), DrawNumberTexts(draw, showsEighth)};
}

namespace {
// NoDraw for a row outside the draws shown; ChangedElsewhere unless draw line
// `row` of the file still reads as shown.
DrawEditCheck CheckDrawShown(const QString& database, const std::vector<HistoryRow>& shown, int row)
{
    if (row < 1 || row > int(shown.size()))
        return DrawEditCheck::NoDraw;
    const std::vector<HistoryRow> now = ReadHistoryRows(database, row);
    if (int(now.size()) == row && now.back() == shown[row - 1])
        return DrawEditCheck::Allowed;
    return DrawEditCheck::ChangedElsewhere;
}
} // namespace

DrawEditCheck CheckDrawDelete(const QString& database, const std::vector<HistoryRow>& shown, int row)
{
    if (shown.size() < 2)
        return DrawEditCheck::OnlyDraw;
    return CheckDrawShown(database, shown, row);
}

DrawEditCheck CheckDrawUpdate(const QString& database, const std::vector<HistoryRow>& shown, int row, const QDate& date)
{
    if (row < 1 || row > int(shown.size()))
        return DrawEditCheck::NoDraw;
    if (!date.isValid())
        return DrawEditCheck::NoDate;
    return CheckDrawShown(database, shown, row);
}

RewriteResult DeleteDraw(const QString& database, int k, QString* error)
{
    return RemoveDrawLine(database, database, k, error) >= 0 ? RewriteResult::Done : RewriteResult::CannotWrite;
}

RewriteResult ReplaceDraw(const QString& database, int k, const QString& line, const QDate& date, QString* error)
{
    // One reading and one rewrite: the file holds either the old draw or the
    // new one, never a state between the two steps. With the only draw
    // removed, the new line goes after the header.
    const RewriteResult result =
        RewriteDraws(database, database, {.remove = k, .newLine = line, .date = date}, error).result;
    return result == RewriteResult::CannotRead ? RewriteResult::CannotWrite : result;
}
