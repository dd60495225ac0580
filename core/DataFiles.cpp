#include "core/DataFiles.h"

#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace {
std::function<void()>& saveHook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

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

std::optional<QString> ReadFirstLineStart(const QString& path, int maxChars)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A character takes at most four bytes, after a byte-order mark of three.
    const qint64 most = 3 + 4 * qint64(std::max(maxChars, 0));
    QByteArray bytes = file.read(most);
    qsizetype end = bytes.size();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            end = i;
            break;
        }
    }
    if (end == bytes.size() && bytes.size() == most) {
        // Cut short: leave out a character whose bytes were not all read.
        qsizetype lead = end - 1;
        while (lead > 0 && end - lead < 4 && (static_cast<unsigned char>(bytes[lead]) & 0xC0) == 0x80)
            --lead;
        const auto first = static_cast<unsigned char>(bytes[lead]);
        const qsizetype length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
        if (end - lead < length)
            end = lead;
    }
    bytes.truncate(end);
    return DecodeText(bytes).left(maxChars);
}
