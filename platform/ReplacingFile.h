#pragma once
// A file written whole or not at all.
//
// The new content goes to a scratch file beside the target (a name no other
// file has, made afresh), which is synced and renamed over the target only
// when every byte was written: a full disk, a size limit or a failed sync
// leaves the old file as it was and removes the scratch file. QSaveFile does
// not ensure this: its commit() may rename a cut file over the old one.
//
// A scratch file is named ".<target>.vantrel-new-XXXXXX" (six letters or
// digits). Should the program end during a write, the one left behind is
// found by that name alone (RemoveLeftoverScratchFiles).

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

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
    // Syncs and closes the scratch file and renames it over the target. False,
    // with the target untouched, on any failure. Once the rename is done the
    // new file is in place: the folder's sync that follows is tried, and a
    // failure of it is not a failed write (folderSyncError says it).
    bool commit();
    // The system's reason when the folder's sync after the rename failed.
    QString folderSyncError() const { return folderSyncError_; }
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
    QString folderSyncError_;
    int fd_ = -1;
};

// The steps of a commit that the system may refuse.
enum class CommitStep { SyncFile, CloseFile, Rename, SyncFolder };
// Tests: before each step of every commit the hook is asked; a system error
// number it returns makes the step fail as if the system had refused it with
// that error (0 lets the step run). An empty hook removes it.
using CommitStepHook = std::function<int(CommitStep)>;
void SetCommitStepHook(CommitStepHook hook);

// Removes from the folder (not its subfolders) the scratch files a write cut
// short by the end of the program left behind: regular files named as this
// writer names them, and nothing else. Returns the names removed. Only a
// program that alone uses the folder may call it, or it could remove the
// scratch file of a write still under way.
QStringList RemoveLeftoverScratchFiles(const QString& folder);

// Writes bytes as a file's whole content through a ReplacingFile. False with
// the system's reason in error (when given) if any of it failed.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error = nullptr);
