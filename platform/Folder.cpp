#include "platform/Folder.h"
#include "platform/ReplacingFile.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace {
QString& folderOverride()
{
    static QString path;
    return path;
}

// Where the files the program ships are found: installed beside the program
// (bin/../share/vantrel), in the build folder the program was built in (the
// build copies them to <build>/data), else in the folder it was configured to
// be installed in.
QString shippedDataFolder()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {programDir + "/../share/vantrel", programDir + "/data", QString(VANTREL_DATA_DIR)}) {
        if (QDir(candidate).exists())
            return candidate;
    }
    return {};
}

struct HeldFolder {
    int fd = -1;
    std::function<void(const QString&, const QString&)> moved;
    bool said = false;
};
HeldFolder& held()
{
    static HeldFolder folder;
    return folder;
}

bool sameFolder(const struct stat& a, const QString& path)
{
    struct stat b = {};
    return ::stat(QFile::encodeName(path).constData(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The held folder when the path names another, else the path.
QString heldFolder(const QString& path)
{
    HeldFolder& h = held();
    struct stat folder = {};
    if (::fstat(h.fd, &folder) != 0 || sameFolder(folder, path))
        return path;
    const QString reach = QStringLiteral("/proc/self/fd/%1").arg(h.fd);
    QString now = QFile::symLinkTarget(reach);
    if (now.isEmpty() || !sameFolder(folder, now))
        now.clear();
    if (!h.said) {
        h.said = true;
        if (h.moved)
            h.moved(path, now);
    }
    return now.isEmpty() ? reach : now;
}
} // namespace

QString ProgramFolder()
{
    QString path = folderOverride();
    if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (path.isEmpty())
        path = QDir::homePath() + "/.local/share/vantrel";
    return held().fd >= 0 ? heldFolder(path) : path;
}

void HoldProgramFolder(int folderFd, std::function<void(const QString& path, const QString& now)> moved)
{
    held() = {folderFd, std::move(moved), false};
}

void SetProgramFolder(const QString& path) { folderOverride() = path; }

bool MakeProgramFolderCurrent()
{
    const QString path = ProgramFolder();
    return QDir().mkpath(path) && QDir::setCurrent(path);
}

bool OpenProgramFolder()
{
    const QString path = ProgramFolder();
    if (!QDir().mkpath(path) || !QDir::setCurrent(path))
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".write-check-XXXXXX")));
    return probe.open();
}

QString CopyShippedDataFiles()
{
    const QString from = shippedDataFolder();
    if (from.isEmpty())
        return QStringLiteral("The files Vantrel ships (lottery templates, wheels, help pages) were not found "
                              "beside the program.");
    const QDir source(from);
    const QDir target(ProgramFolder());
    QStringList failed;
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name.endsWith(".desktop")) // the desktop entry is for the desktop, not the player's folder
            continue;
        const QString dest = target.filePath(name);
        // Through the one whole-or-nothing writer: a failed copy leaves nothing behind.
        if (!QFile::exists(dest) && !CopyFileReplacing(source.filePath(name), dest))
            failed << name;
    }
    if (failed.isEmpty())
        return {};
    return "These files Vantrel ships could not be copied into " + QDir::toNativeSeparators(target.path()) + ": "
        + failed.join(", ") + ".";
}

QStringList ListFiles(const QString& pattern) { return ListFilesIn(QDir::currentPath(), pattern); }

QStringList ListFilesIn(const QString& folder, const QString& pattern)
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (re.match(name).hasMatch())
            names << name;
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool CopyFileReplacing(const QString& from, const QString& to, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    auto unreadable = [&fail, &from](const QString& why) {
        return fail(QStringLiteral("%1 could not be read: %2").arg(QDir::toNativeSeparators(from), why));
    };
    QFile source(from);
    QString why;
    if (!OpenForReading(source, &why))
        return unreadable(why);
    const QDateTime modified = QFileInfo(source).lastModified();

    ReplacingFile target(to);
    auto unwritable = [&fail, &to, &target] {
        return fail(
            QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(to), target.errorString()));
    };
    if (!target.open())
        return unwritable();
    // A piece at a time, through one buffer: a large file costs no memory.
    constexpr qint64 kPiece = 256 * 1024;
    std::vector<char> buffer(std::size_t{kPiece});
    for (;;) {
        const qint64 got = source.read(buffer.data(), kPiece);
        if (got < 0)
            return unreadable(source.errorString());
        if (got == 0)
            break;
        if (!target.write(buffer.data(), got))
            return unwritable();
    }
    source.close();
    // The copy carries the original's date, as the backup lists show it.
    target.setModified(modified);
    if (!target.commit())
        return unwritable();
    if (error)
        error->clear();
    return true;
}

QString FirstFolderIn(const QStringList& roots)
{
    for (const QString& root : roots) {
        if (root.isEmpty())
            continue;
        const QStringList found = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (!found.isEmpty())
            return QDir(root).filePath(found.first());
    }
    return {};
}

QString RemovableDiskFolder()
{
    const QString user = qEnvironmentVariable("USER");
    if (user.isEmpty() || user.contains('/'))
        return {};
    return FirstFolderIn({"/media/" + user, "/run/media/" + user});
}

QStringList ListUndecodableFiles(const QString& pattern)
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    DIR* dir = ::opendir(".");
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_type == DT_DIR)
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString name = utf8.decode(QByteArrayView(entry->d_name));
        if (utf8.hasError() && re.match(name).hasMatch())
            names << name;
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
