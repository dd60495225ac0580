#include "platform/Folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {
QString& folderOverride()
{
    static QString path;
    return path;
}

// Where the files the program ships are found: beside the build's sources
// during development, else the installed data folder.
QString shippedDataFolder()
{
    for (const QString& candidate : {QCoreApplication::applicationDirPath() + "/../share/vantrel",
                                     QString(VANTREL_DATA_DIR), QString(VANTREL_SOURCE_DATA_DIR)}) {
        if (QDir(candidate).exists())
            return candidate;
    }
    return {};
}
} // namespace

QString ProgramFolder()
{
    QString path = folderOverride();
    if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (path.isEmpty())
        path = QDir::homePath() + "/.local/share/vantrel";
    QDir().mkpath(path);
    return path;
}

void SetProgramFolder(const QString& path) { folderOverride() = path; }

bool MakeProgramFolderCurrent()
{
    const QString path = ProgramFolder();
    return QDir().mkpath(path) && QDir::setCurrent(path);
}

void CopyShippedDataFiles()
{
    const QString from = shippedDataFolder();
    if (from.isEmpty())
        return;
    const QDir source(from);
    const QDir target(ProgramFolder());
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name.endsWith(".desktop")) // the desktop entry is for the desktop, not the player's folder
            continue;
        const QString dest = target.filePath(name);
        if (!QFile::exists(dest))
            QFile::copy(source.filePath(name), dest);
    }
}

QStringList ListFiles(const QString& pattern)
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& name : QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (re.match(name).hasMatch())
            names << name;
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}
