#include "core/DataFiles.h"

#include "core/Settings.h"
#include "platform/Folder.h"

#include <QDir>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
std::function<void()>& saveHook()
{
    static std::function<void()> hook;
    return hook;
}

struct Subscriber {
    int id;
    FilesReplacedHandler handler;
};
std::vector<Subscriber>& subscribers()
{
    static std::vector<Subscriber> list;
    return list;
}
int subscribe(FilesReplacedHandler handler)
{
    static int last = 0;
    subscribers().push_back({++last, std::move(handler)});
    return last;
}
} // namespace

bool SubscribeToFilesReplaced(FilesReplacedHandler handler)
{
    subscribe(std::move(handler));
    return true;
}

FilesReplacedSubscription::FilesReplacedSubscription(FilesReplacedHandler handler) : id_(subscribe(std::move(handler)))
{}

FilesReplacedSubscription::~FilesReplacedSubscription()
{
    std::erase_if(subscribers(), [this](const Subscriber& s) { return s.id == id_; });
}

void NoticeFilesReplaced(const QStringList& names)
{
    if (names.isEmpty())
        return;
    MakeProgramFolderCurrent();
    if (names.contains(kSettingsFile))
        LoadSettings();
    // A copy: a subscriber may end its subscription (a window closing).
    const std::vector<Subscriber> now = subscribers();
    for (const Subscriber& s : now)
        if (std::any_of(subscribers().begin(), subscribers().end(), [&s](const Subscriber& x) { return x.id == s.id; }))
            s.handler(names);
}

void SetSaveBeforeCopyingHook(std::function<void()> hook) { saveHook() = std::move(hook); }

void SaveBeforeCopying()
{
    if (saveHook())
        saveHook()();
}

QStringList DiskCopyPatterns()
{
    return {QStringLiteral("*.txt"), QStringLiteral("*.ini"), QStringLiteral("SMembers.0??"),
            QStringLiteral("PTemplate.???"), QStringLiteral("Diary.???")};
}

QStringList BackupPatterns()
{
    return {QStringLiteral("*.txt"), QStringLiteral("*.ini"), QStringLiteral("PTemplate.0??"),
            QStringLiteral("Diary.0??"), QStringLiteral("Smembers.0??")};
}

QStringList DataFilesIn(const QString& folder, const QStringList& patterns)
{
    QStringList names;
    for (const QString& pattern : patterns)
        for (const QString& name : ListFilesIn(folder, pattern))
            if (!names.contains(name))
                names << name;
    return names;
}

CopyOutcome CopyDataFiles(const QString& fromFolder, const QString& toFolder, const QStringList& names,
                          const std::function<void(int)>& progress, OnCopyFailure onFailure)
{
    CopyOutcome outcome;
    const QDir from(fromFolder);
    const QDir to(toFolder);
    for (const QString& name : names) {
        QString error;
        if (!CopyFileReplacing(from.filePath(name), to.filePath(name), &error)) {
            outcome.failed << name;
            outcome.errors << error;
            if (onFailure == OnCopyFailure::Stop)
                break;
            continue;
        }
        outcome.copied << name;
        if (progress)
            progress(int(outcome.copied.size()));
    }
    return outcome;
}

QString BackupListItem(const QString& name, const QDateTime& modified)
{
    return name.left(kBackupNameWidth).leftJustified(kBackupNameWidth, ' ')
        + modified.toString(QStringLiteral("dd-MM-yy"));
}
