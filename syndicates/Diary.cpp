#include "syndicates/Diary.h"

#include "platform/TextFile.h"
#include "syndicates/SyndicateFile.h"

#include <QFile>

bool IsEmptyRecord(const DiaryRecord& record)
{
    for (const QString& cell : record)
        if (!cell.trimmed().isEmpty())
            return false;
    return true;
}

std::optional<std::vector<DiaryRecord>> ReadDiary(const QString& path, int* badLine)
{
    std::vector<DiaryRecord> records;
    if (badLine)
        *badLine = 0;
    if (!QFile::exists(path))
        return records;
    const auto text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    // Empty lines at the end hold no record.
    QStringList lines = SplitLines(*text);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    if (badLine) {
        for (qsizetype i = 0; i < lines.size() && *badLine == 0; ++i) {
            bool closed = true;
            if (SplitFields(lines[i], &closed).size() != kDiaryColumns || !closed)
                *badLine = int(i) + 1;
        }
    }
    FieldReader reader(lines.join(QLatin1Char('\n')));
    while (!reader.atEnd()) {
        DiaryRecord record;
        for (int c = 0; c < kDiaryColumns && !reader.atEnd(); ++c)
            record[c] = reader.field();
        records.push_back(record);
    }
    return records;
}

bool WriteDiary(const QString& path, const std::vector<DiaryRecord>& records, QString* error)
{
    QStringList lines;
    for (const DiaryRecord& record : records) {
        if (IsEmptyRecord(record))
            continue;
        QStringList cells;
        for (const QString& cell : record)
            cells << SyndicateField(cell);
        lines << cells.join(QLatin1Char(','));
    }
    return WriteLines(path, lines, error);
}
