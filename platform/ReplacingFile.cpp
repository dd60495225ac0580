#include "platform/ReplacingFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
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
    QByteArray pattern =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + QByteArrayLiteral(".XXXXXX");
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
    if (::fsync(fd_) != 0)
        return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(QFile::encodeName(scratch_).constData(), QFile::encodeName(path_).constData()) != 0)
        return fail(errno);
    scratch_.clear();
    // The rename itself reaches the disk with the folder's sync.
    const int dir =
        ::open(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        const int synced = ::fsync(dir);
        const int why = errno;
        ::close(dir);
        if (synced != 0 && why != EINVAL && why != EROFS) {
            error_ = qt_error_string(why);
            return false;
        }
    }
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
