#pragma once
// The saved entries as the Show/Check window holds them: the entries it shows
// and edits, and the lines it keeps aside and writes back untouched (lines that
// are no entry, and entries beyond the window's 499 rows). Only the shown
// entries are read into fields; the lines kept aside stay as the file's bytes,
// so a file of a million lines takes little more memory than its size.

#include "databases/SavedEntries.h"

#include <QByteArray>
#include <QFile>
#include <QDateTime>
#include <QList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ReplacingFile;

inline constexpr int kMyDrawsShown = 499;

// Lines kept as they stand in the file, written back each followed by CR LF
// whatever line end it had there. They are not copied: they are read again
// from the file as it was opened (still there after the file was replaced)
// when they are written, so a file of a million lines costs neither a copy
// nor its memory.
class KeptLines {
public:
    // The next `lines` lines, which stand in the file at offset, size bytes
    // with their line ends (the file's last line may have none); crlf says
    // that each of them ends with CR LF.
    void appendFromFile(const std::shared_ptr<QFile>& file, qint64 offset, qint64 size, qsizetype lines, bool crlf);
    void clear();
    qsizetype size() const { return count_; }
    // All of them, as they are written.
    QByteArray bytes() const;
    // Writes them all; false when the file could not be read again as it
    // was, or the writing failed (error then says why).
    bool writeTo(ReplacingFile& out, QString* error) const;

private:
    struct Piece {
        qint64 offset;
        qint64 size;
        bool crlf;
    };
    // Gives the lines as they are written, a block at a time; false when the
    // file could not be read again or put() refused a block.
    bool forEachBlock(const std::function<bool(QByteArrayView)>& put, QString* error) const;
    std::vector<Piece> pieces_;
    std::shared_ptr<QFile> file_;
    qsizetype count_ = 0;
};

struct MyDrawsTable {
    QList<SavedEntry> rows; // shown, row r of the grid is rows[r - 1]
    KeptLines kept;         // written back after the shown ones, as read
    int unreadable = 0;     // the kept lines that are no entry
};

// Reads the file: readable entries, up to 499, are shown; the other lines are
// kept in file order (blank lines are dropped). A missing file gives an empty
// table; no value when the file exists but cannot be read
// (SavedEntriesUnreadable), and why (when given) says why.
std::optional<MyDrawsTable> ReadMyDraws(const QString& path = kSavedEntriesFile, QString* why = nullptr);
// The same; a file that cannot be read gives an empty table.
MyDrawsTable LoadMyDrawsFile();
// Writes the shown entries, then the kept lines, over the file; deletes the
// file when there is nothing to write. False when the file could not be
// written.
bool SaveMyDrawsFile(const MyDrawsTable& table, QString* error = nullptr);

enum class MyDrawsOrder { ByDate, ByName, ByLottery };
// Stable sort: by date newest first (entries whose date does not parse go
// last), by player name or lottery name ascending without regard to case.
void SortMyDraws(QList<SavedEntry>& rows, MyDrawsOrder order);
// Deletes the entries whose draw date is earlier than `now` less one day (a
// date stands for its midnight). Entries whose date does not parse stay.
// Returns how many were deleted.
int RemoveOutOfDate(QList<SavedEntry>& rows, const QDateTime& now);
