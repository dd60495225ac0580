#include "databases/MyDraws.h"

#include <algorithm>

MyDrawsTable SplitMyDraws(const QList<SavedEntry>& lines)
{
    MyDrawsTable table;
    for (const SavedEntry& line : lines) {
        if (line.readable && table.rows.size() < kMyDrawsShown)
            table.rows << line;
        else
            table.kept << line;
    }
    return table;
}

MyDrawsTable LoadMyDrawsFile()
{
    const auto lines = ReadSavedEntries();
    return lines ? SplitMyDraws(*lines) : MyDrawsTable{};
}

bool SaveMyDrawsFile(const MyDrawsTable& table, QString* error)
{
    return WriteSavedEntries(table.rows + table.kept, kSavedEntriesFile, error);
}

void SortMyDraws(QList<SavedEntry>& rows, MyDrawsOrder order)
{
    switch (order) {
    case MyDrawsOrder::ByDate: {
        // Dates parsed once; an entry without a date sorts as the oldest.
        QList<std::pair<QDate, SavedEntry>> keyed;
        keyed.reserve(rows.size());
        for (const SavedEntry& e : rows)
            keyed.append({e.drawDate().value_or(QDate()), e});
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            if (!b.first.isValid())
                return a.first.isValid();
            return a.first.isValid() && a.first > b.first;
        });
        for (qsizetype i = 0; i < rows.size(); ++i)
            rows[i] = keyed[i].second;
        break;
    }
    case MyDrawsOrder::ByName:
        std::stable_sort(rows.begin(), rows.end(),
                         [](const SavedEntry& a, const SavedEntry& b) { return a.name.toUpper() < b.name.toUpper(); });
        break;
    case MyDrawsOrder::ByLottery:
        std::stable_sort(rows.begin(), rows.end(), [](const SavedEntry& a, const SavedEntry& b) {
            return a.lottery.toUpper() < b.lottery.toUpper();
        });
        break;
    }
}

int RemoveOutOfDate(QList<SavedEntry>& rows, const QDateTime& now)
{
    const QDateTime limit = now.addDays(-1);
    const auto before = rows.size();
    rows.removeIf([&limit](const SavedEntry& e) {
        const auto date = e.drawDate();
        return date && QDateTime(*date, QTime(0, 0)) < limit;
    });
    return static_cast<int>(before - rows.size());
}
