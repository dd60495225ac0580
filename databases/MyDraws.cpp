#include "databases/MyDraws.h"

#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

void KeptLines::append(QByteArrayView line)
{
    bytes_ += line;
    bytes_ += "\r\n";
    ++count_;
}

void KeptLines::clear()
{
    bytes_.clear();
    count_ = 0;
}

namespace {
// What a line's bytes tell without decoding them: whether they are all ASCII,
// hold a double quote, hold only blanks, and how many commas they hold.
struct LineBytes {
    qsizetype end = 0; // where the line ends
    int commas = 0;
    bool ascii = true;
    bool quote = false;
    bool blank = true;
};

LineBytes scanLine(const char* text, qsizetype start, qsizetype n)
{
    LineBytes line;
    unsigned high = 0;
    qsizetype i = start;
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n')
            break;
        high |= c;
        line.commas += c == ',';
        line.quote |= c == '"';
        line.blank &= c == ' ' || (c >= '\t' && c <= '\r');
    }
    line.end = i;
    line.ascii = high < 0x80;
    return line;
}
} // namespace

std::optional<MyDrawsTable> ReadMyDraws(const QString& path, QString* why)
{
    MyDrawsTable table;
    if (!QFileInfo::exists(path))
        return table;
    if (const QString unreadable = SavedEntriesUnreadable(path); !unreadable.isEmpty()) {
        if (why)
            *why = unreadable;
        return std::nullopt;
    }
    QFile file(path);
    if (!OpenForReading(file, why))
        return std::nullopt;
    const FileBytes whole(file);
    if (!whole.ok()) {
        if (why)
            *why = file.errorString();
        return std::nullopt;
    }
    QByteArrayView text = whole.bytes();
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    table.kept.reserve(text.size());

    // Lines end at CR LF, a lone CR or a lone LF, as every reader takes them.
    // A line of ASCII without quotes holds one field more than its commas and
    // is blank when it holds only blanks: the lines kept aside, which are
    // written back as bytes, are decoded only when they hold more than that.
    const char* const data = text.data();
    const qsizetype n = text.size();
    for (qsizetype start = 0; start < n;) {
        const LineBytes scan = scanLine(data, start, n);
        const qsizetype end = scan.end;
        const QByteArrayView bytes = text.sliced(start, end - start);
        start = end + (end + 1 < n && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);

        const bool plain = scan.ascii && !scan.quote;
        if (plain && table.rows.size() >= kMyDrawsShown) {
            if (scan.blank)
                continue;
            if (scan.commas + 1 != kSavedEntryFields)
                ++table.unreadable;
            table.kept.append(bytes);
            continue;
        }
        const QString line = DecodeLine(bytes);
        if (line.trimmed().isEmpty())
            continue; // a blank line carries nothing; dropping it keeps the file clean
        if (!IsSavedEntryLine(line)) {
            ++table.unreadable;
            table.kept.append(bytes);
        } else if (table.rows.size() < kMyDrawsShown) {
            table.rows << ParseSavedEntry(line);
        } else {
            table.kept.append(bytes);
        }
    }
    return table;
}

MyDrawsTable LoadMyDrawsFile() { return ReadMyDraws().value_or(MyDrawsTable{}); }

bool SaveMyDrawsFile(const MyDrawsTable& table, QString* error)
{
    if (table.rows.isEmpty() && table.kept.size() == 0)
        return DeleteSavedEntries(kSavedEntriesFile, error);
    QByteArray bytes;
    bytes.reserve(table.kept.bytes().size() + table.rows.size() * 64);
    for (const SavedEntry& e : table.rows) {
        bytes += FormatSavedEntry(e).toUtf8();
        bytes += "\r\n";
    }
    bytes += table.kept.bytes();
    return WriteBytes(kSavedEntriesFile, bytes, error);
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
