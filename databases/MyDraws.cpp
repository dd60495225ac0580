#include "databases/MyDraws.h"

#include "platform/ReplacingFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

void KeptLines::appendFromFile(const std::shared_ptr<QFile>& file, qint64 offset, qint64 size, qsizetype lines,
                               bool crlf)
{
    file_ = file;
    if (!pieces_.empty() && pieces_.back().offset + pieces_.back().size == offset) {
        pieces_.back().size += size;
        pieces_.back().crlf = pieces_.back().crlf && crlf;
    } else {
        pieces_.push_back({offset, size, crlf});
    }
    count_ += lines;
}

void KeptLines::clear()
{
    pieces_.clear();
    file_.reset();
    count_ = 0;
}

bool KeptLines::forEachBlock(const std::function<bool(QByteArrayView)>& put, QString* error) const
{
    // Blocks start at whole megabytes of the file, so each is read as it
    // stands on the disk.
    constexpr qint64 kBlock = 1 << 20;
    QByteArray block;
    QByteArray written;
    for (const Piece& piece : pieces_) {
        if (!file_->seek(piece.offset)) {
            if (error)
                *error = file_->errorString();
            return false;
        }
        bool afterCr = false;  // the last byte was a CR, whose LF may come next
        bool lineOpen = false; // bytes of a line were given without its end
        for (qint64 at = piece.offset, stop = piece.offset + piece.size; at < stop;) {
            block.resize(std::min(stop, (at / kBlock + 1) * kBlock) - at);
            if (file_->read(block.data(), block.size()) != block.size()) {
                if (error)
                    *error = QStringLiteral("the file changed while it was open");
                return false;
            }
            at += block.size();
            if (piece.crlf) {
                if (!put(block))
                    return false;
                continue;
            }
            // Each line end, CR LF, a lone CR or a lone LF, is written CR LF.
            written.clear();
            const char* p = block.constData();
            const char* const end = p + block.size();
            while (p < end) {
                if (afterCr && *p == '\n') {
                    afterCr = false;
                    ++p;
                    continue;
                }
                const char* q = p;
                while (q < end && *q != '\r' && *q != '\n')
                    ++q;
                written.append(p, q - p);
                lineOpen = q == end;
                afterCr = false;
                if (q < end) {
                    written.append("\r\n", 2);
                    afterCr = *q == '\r';
                    ++q;
                }
                p = q;
            }
            if (!put(written))
                return false;
        }
        // The file's last line, which had no line end.
        if (lineOpen && !put("\r\n"))
            return false;
    }
    return true;
}

bool KeptLines::writeTo(ReplacingFile& out, QString* error) const
{
    const bool read =
        forEachBlock([&out](QByteArrayView bytes) { return out.write(bytes.data(), bytes.size()); }, error);
    if (!out.errorString().isEmpty()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return read;
}

QByteArray KeptLines::bytes() const
{
    QByteArray all;
    forEachBlock(
        [&all](QByteArrayView bytes) {
            all += bytes;
            return true;
        },
        nullptr);
    return all;
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

constexpr quint64 kOnes = 0x0101010101010101ULL;
constexpr quint64 kLow7 = 0x7F7F7F7F7F7F7F7FULL;

// The high bit of each of the eight bytes of w that equals c.
quint64 bytesEqual(quint64 w, unsigned char c)
{
    const quint64 t = w ^ (kOnes * c);
    return ~(((t & kLow7) + kLow7) | t | kLow7);
}

bool isBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The line from start up to its CR or LF (or n), eight bytes at a time, in
// one pass whatever the line ends are.
LineBytes scanLine(const char* text, qsizetype start, qsizetype n)
{
    LineBytes line;
    const char* const from = text + start;
    const char* const stop = text + n;
    quint64 high = 0;
    const char* p = from;
    for (; stop - p >= 8; p += 8) {
        quint64 w;
        std::memcpy(&w, p, 8);
        if (bytesEqual(w, '\n') | bytesEqual(w, '\r'))
            break;
        high |= w;
        // The marks are one bit a byte: a multiply adds them up (the baseline
        // x86-64 target has no popcount instruction).
        line.commas += int(((bytesEqual(w, ',') >> 7) * kOnes) >> 56);
        line.quote |= bytesEqual(w, '"') != 0;
    }
    for (; p < stop && *p != '\n' && *p != '\r'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        high |= c;
        line.commas += c == ',';
        line.quote |= c == '"';
    }
    line.end = p - text;
    line.ascii = (high & 0x8080808080808080ULL) == 0;
    for (const char* q = from; q < p && line.blank; ++q)
        line.blank = isBlank(static_cast<unsigned char>(*q));
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
    // A second opening of the same file, from which the lines kept as they
    // stand are read again when they are written.
    auto again = std::make_shared<QFile>(path);
    if (!OpenForReading(*again, why))
        return std::nullopt;
    if (again->size() != file.size()) {
        if (why)
            *why = QStringLiteral("the file changed while it was read");
        return std::nullopt;
    }

    // The file is read a piece at a time into one buffer (a mapping of it
    // would cost a page fault for every few kilobytes). Lines end at CR LF, a
    // lone CR or a lone LF, as every reader takes them. A line without
    // quotes holds one field more than its commas, whatever its encoding; it
    // is blank when it holds only ASCII blanks, and never when it holds a
    // comma: the lines kept aside, which stay in the file as they stand, are
    // decoded only when that does not tell.
    constexpr qint64 kPiece = 1 << 20;
    QByteArray buffer;
    qint64 base = 0;   // where the buffer starts in the file
    qsizetype pos = 0; // the first byte of the buffer not yet read as a line
    for (bool atEnd = false; !atEnd;) {
        buffer.remove(0, pos);
        base += pos;
        pos = 0;
        const qsizetype held = buffer.size();
        buffer.resize(held + kPiece);
        const qint64 got = file.read(buffer.data() + held, kPiece);
        if (got < 0) {
            if (why)
                *why = file.errorString();
            return std::nullopt;
        }
        buffer.resize(held + got);
        atEnd = got == 0;
        if (base == 0 && held == 0 && buffer.startsWith("\xEF\xBB\xBF"))
            pos = 3;

        const char* const data = buffer.constData();
        const qsizetype n = buffer.size();
        while (pos < n) {
            const LineBytes scan = scanLine(data, pos, n);
            const qsizetype end = scan.end;
            // A line that may go on in the next piece waits for it, as does a
            // CR whose LF may come first there.
            if (!atEnd && (end == n || (data[end] == '\r' && end + 1 == n)))
                break;
            const QByteArrayView bytes(data + pos, end - pos);
            const qint64 offset = base + pos;
            const bool crlf = end + 1 < n && data[end] == '\r' && data[end + 1] == '\n';
            const qsizetype next = std::min(end + (crlf ? 2 : 1), n);
            // The line stands in the file with its line end (the file's last
            // line may have none): it is kept there.
            const auto keep = [&table, &again, offset, size = next - pos, crlf] {
                table.kept.appendFromFile(again, offset, size, 1, crlf);
            };
            pos = next;

            const bool plain = !scan.quote && (scan.ascii || scan.commas > 0);
            if (plain && table.rows.size() >= kMyDrawsShown) {
                if (scan.blank)
                    continue;
                if (scan.commas + 1 != kSavedEntryFields)
                    ++table.unreadable;
                keep();
                continue;
            }
            const QString line = DecodeLine(bytes);
            if (line.trimmed().isEmpty())
                continue; // a blank line carries nothing; dropping it keeps the file clean
            if (!IsSavedEntryLine(line)) {
                ++table.unreadable;
                keep();
            } else if (table.rows.size() < kMyDrawsShown) {
                table.rows << ParseSavedEntry(line);
            } else {
                keep();
            }
        }
    }
    return table;
}

MyDrawsTable LoadMyDrawsFile() { return ReadMyDraws().value_or(MyDrawsTable{}); }

bool SaveMyDrawsFile(const MyDrawsTable& table, QString* error)
{
    if (table.rows.isEmpty() && table.kept.size() == 0)
        return DeleteSavedEntries(kSavedEntriesFile, error);
    ReplacingFile out(kSavedEntriesFile);
    bool written = out.open();
    for (const SavedEntry& e : table.rows) {
        if (!written)
            break;
        written = out.write(FormatSavedEntry(e).toUtf8()) && out.write("\r\n", 2);
    }
    QString why;
    if (written && !table.kept.writeTo(out, &why))
        written = false;
    else if (written)
        written = out.commit();
    if (error)
        *error = written ? QString() : why.isEmpty() ? out.errorString() : why;
    return written;
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
