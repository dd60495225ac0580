#include "platform/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// What the scratch file's name adds to the target's; mkostemp fills the six
// X with letters and digits.
constexpr char kScratchTag[] = ".vantrel-new-";

CommitStepHook& commitStepHook()
{
    static CommitStepHook hook;
    return hook;
}

// The error a test makes the step fail with, or 0.
int refusal(CommitStep step) { return commitStepHook() ? commitStepHook()(step) : 0; }

// The process's file-creation mask, read without changing it (setting it to
// read it back would race with files other threads create meanwhile).
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        // Read whole: the system gives such files no size.
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask);
            }
        }
    }
    return 022;
}
} // namespace

ReplacingFile::ReplacingFile(const QString& path) : path_(path)
{
    // A link is followed, so the file it names is replaced, not the link.
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            path_ = target;
    }
}

ReplacingFile::~ReplacingFile() { discard(); }

bool ReplacingFile::fail(int errorNumber)
{
    error_ = qt_error_string(errorNumber);
    discard();
    return false;
}

void ReplacingFile::discard()
{
    pending_.clear();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!scratch_.isEmpty()) {
        ::unlink(QFile::encodeName(scratch_).constData());
        scratch_.clear();
    }
}

bool ReplacingFile::open()
{
    discard();
    error_.clear();
    const QByteArray target = QFile::encodeName(path_);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && ::access(target.constData(), W_OK) != 0)
        return fail(errno);
    const QFileInfo info(path_);
    QByteArray pattern = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName())
        + QByteArray(kScratchTag) + QByteArrayLiteral("XXXXXX");
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    fd_ = fd;
    scratch_ = QFile::decodeName(pattern);
    // The new file keeps the old one's permissions, else the usual ones.
    mode_t mode = 0666;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        mode &= ~currentUmask();
    }
    if (::fchmod(fd_, mode) != 0)
        return fail(errno);
    return true;
}

namespace {
constexpr qint64 kBlockBytes = 256 * 1024;
}

bool ReplacingFile::write(const char* data, qint64 size)
{
    if (fd_ < 0) {
        if (error_.isEmpty())
            error_ = qt_error_string(EBADF);
        return false;
    }
    if (pending_.size() + size < kBlockBytes) {
        pending_.append(data, size);
        return true;
    }
    return flush() && writeOut(data, size);
}

bool ReplacingFile::flush()
{
    const bool done = writeOut(pending_.constData(), pending_.size());
    pending_.resize(0);
    return done;
}

bool ReplacingFile::writeOut(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd_, data, std::size_t(size));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (done == 0) // nothing taken and no reason given
            return fail(EIO);
        data += done;
        size -= done;
    }
    return true;
}

bool ReplacingFile::commit()
{
    if (fd_ < 0) {
        if (error_.isEmpty())
            error_ = qt_error_string(EBADF);
        return false;
    }
    // The gathered bytes go first: a write after the date would change it.
    if (!flush())
        return false;
    if (modified_.isValid()) {
        const qint64 ms = modified_.toMSecsSinceEpoch();
        struct timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = time_t(ms / 1000);
        times[1].tv_nsec = long(ms % 1000) * 1000000L;
        if (times[1].tv_nsec < 0) {
            times[1].tv_sec -= 1;
            times[1].tv_nsec += 1000000000L;
        }
        ::futimens(fd_, times); // the date is a courtesy: the content counts
    }
    if (const int refused = refusal(CommitStep::SyncFile))
        return fail(refused);
    if (::fsync(fd_) != 0)
        return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    const int closeRefused = refusal(CommitStep::CloseFile);
    if (::close(fd) != 0)
        return fail(errno);
    if (closeRefused)
        return fail(closeRefused);
    if (const int refused = refusal(CommitStep::Rename))
        return fail(refused);
    if (::rename(QFile::encodeName(scratch_).constData(), QFile::encodeName(path_).constData()) != 0)
        return fail(errno);
    scratch_.clear();
    // The write is done: the new file is in place and every byte of it is on
    // the disk. The folder's sync makes the rename itself last through a
    // power cut; should it fail, the file is there all the same.
    folderSyncError_.clear();
    int why = refusal(CommitStep::SyncFolder);
    if (why == 0) {
        const int dir =
            ::open(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            if (::fsync(dir) != 0)
                why = errno;
            ::close(dir);
        }
    }
    if (why != 0 && why != EINVAL && why != EROFS)
        folderSyncError_ = qt_error_string(why);
    return true;
}

bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error)
{
    ReplacingFile file(path);
    const bool done = file.open() && file.write(bytes) && file.commit();
    if (error)
        *error = done ? QString() : file.errorString();
    return done;
}

void SetCommitStepHook(CommitStepHook hook) { commitStepHook() = std::move(hook); }

QStringList RemoveLeftoverScratchFiles(const QString& folder)
{
    // A dot, the target's name, the tag and exactly six letters or digits.
    static const QRegularExpression scratchName(QRegularExpression::anchoredPattern(
        QStringLiteral("\\..+") + QRegularExpression::escape(QLatin1String(kScratchTag))
        + QStringLiteral("[A-Za-z0-9]{6}")));
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (!scratchName.match(name).hasMatch())
            continue;
        // Only a regular file, looked at without following a link.
        struct stat info {};
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (::unlink(path.constData()) == 0)
            removed << name;
    }
    return removed;
}
