#pragma once
// A file written whole or not at all.
//
// The new content goes to a scratch file beside the target (a name no other
// file has, made afresh), which is synced and renamed over the target only
// when every byte was written: a full disk, a size limit or a failed sync
// leaves the old file as it was and removes the scratch file. QSaveFile does
// not ensure this: its commit() may rename a cut file over the old one.

#include <QByteArray>
#include <QDateTime>
#include <QString>

class ReplacingFile {
public:
    explicit ReplacingFile(const QString& path);
    ~ReplacingFile(); // a scratch file not committed is removed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Makes the scratch file. An existing target must be writable (a
    // read-only file is refused, as an opening for writing would refuse it).
    bool open();
    // Appends bytes to the scratch file, however the system splits the write.
    // Small writes are gathered and written a block at a time, so a file may
    // be written a line at a time; a failure shows at a later write or at
    // the commit, which reports it and leaves the target untouched.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // The last-modified time the new file takes (its writing time otherwise).
    void setModified(const QDateTime& when) { modified_ = when; }
    // Syncs and closes the scratch file, renames it over the target and syncs
    // the folder. False, with the target untouched, on any failure.
    bool commit();
    // Why the last step failed: the system's own reason.
    QString errorString() const { return error_; }

private:
    bool fail(int errorNumber);
    bool flush();
    bool writeOut(const char* data, qint64 size);
    static constexpr qint64 kBlockBytes = 256 * 1024;
    void discard();
    QByteArray pending_; // gathered bytes not yet written
    QString path_;
    QString scratch_;
    QDateTime modified_;
    QString error_;
    int fd_ = -1;
};

// Writes bytes as a file's whole content through a ReplacingFile. False with
// the system's reason in error (when given) if any of it failed.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error = nullptr);
