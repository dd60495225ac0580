#include "databases/EntryEdit.h"

#include "databases/EntryCheck.h"
#include "platform/Dates.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace {
// The highest number a column takes when the row's lottery is not known.
constexpr int kDefaultHighest = 60;

int highestInColumn(int column, const std::optional<LotteryDefinition>& lottery)
{
    // Column c of the main numbers holds main number c.
    if (lottery && column <= kLastMainColumn && column <= lottery->ballsDrawn)
        return lottery->maxBall;
    if (lottery && column == kExtraBallColumn && lottery->extraBallMax > 0)
        return lottery->extraBallMax;
    return kDefaultHighest;
}
} // namespace

std::optional<LotteryDefinition> EntryLottery(const SavedEntry& entry)
{
    if (!IsDatabaseFileName(entry.dbaseFile))
        return std::nullopt;
    const auto header = ReadDatabaseHeader(entry.dbaseFile);
    if (!header || !header->definition || !header->definition->valid())
        return std::nullopt;
    return header->definition;
}

EntryEdit CheckEntryEdit(const QList<SavedEntry>& rows, int row, int column, const QString& typed,
                         const std::optional<LotteryDefinition>& lottery)
{
    EntryEdit edit{row, column, std::nullopt, typed.trimmed()};
    if (column == kLotteryColumn || column == kDbaseFileColumn) {
        edit.error = EntryEditError::FixedColumn;
        return edit;
    }
    if (row < 1 || row > rows.size() || EntryField(rows[row - 1], column).isEmpty()) {
        edit.error = EntryEditError::NoText;
        return edit;
    }
    const SavedEntry& entry = rows[row - 1];

    if (column >= kFirstNumberColumn && column <= kExtraBallColumn) {
        const int n = CellFromText(edit.text);
        if (n < 1 || n > highestInColumn(column, lottery)) {
            edit.error = EntryEditError::OutOfRange;
            return edit;
        }
        if (column <= kLastMainColumn) {
            for (int c = kFirstNumberColumn; c <= kLastMainColumn; ++c) {
                if (c != column && CellFromText(EntryField(entry, c)) == n) {
                    edit.error = EntryEditError::RepeatedNumber;
                    return edit;
                }
            }
        }
    } else if (column == kDateColumn) {
        if (!ParseDate(edit.text))
            edit.error = EntryEditError::BadDate;
    } else if (column == kNameColumn) {
        edit.text = SavedEntryField(edit.text);
    }
    // The file must read the cell back as it shows.
    if (!edit.error && !PlainOrQuotedField(edit.text))
        edit.error = EntryEditError::Unwritable;
    return edit;
}

std::optional<std::array<QString, kSavedEntryNumbers>> TypedEntryNumbers(const std::array<QString, 9>& texts,
                                                                         const LotteryDefinition& lottery)
{
    if (!TypedEntryValid(texts, lottery, lottery.ballsDrawn, lottery.extraBallMax > 0))
        return std::nullopt;
    std::array<QString, kSavedEntryNumbers> numbers;
    for (int c = kFirstNumberColumn; c <= kLastMainColumn; ++c)
        numbers[c - kFirstNumberColumn] = c <= lottery.ballsDrawn ? texts[c].trimmed() : QString();
    if (lottery.extraBallMax > 0)
        numbers[kExtraBallColumn - kFirstNumberColumn] = texts[kExtraBallColumn].trimmed();
    return numbers;
}
