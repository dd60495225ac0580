#pragma once
// The program's data files as the copy commands see them: which files are
// copied to and from a removable disk and the backup folder, the copying
// itself, and the list form of the Backup and Restore window.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

// The patterns of the removable-disk copies, in copy order: text files
// (databases, saved entries, notes, templates, information), the settings
// file, syndicates, play-slip templates, syndicate diaries.
QStringList DiskCopyPatterns();
// The patterns of the backup folder, in list order.
QStringList BackupPatterns();
// The folder's files that match the patterns (case ignored), pattern by
// pattern, each name once.
QStringList DataFilesIn(const QString& folder, const QStringList& patterns);

// What the program keeps in memory of its data files (the main window's
// checklist and notes, the settings) is saved before they are copied out, so
// a copy holds the session as it stands. The main window sets the hook.
void SetSaveBeforeCopyingHook(std::function<void()> hook);
// Runs the hook (nothing when none is set).
void SaveBeforeCopying();

// Files of the program folder replaced from outside the program's own saving
// (a restore from the backup folder, a copy from a removable disk). Whatever
// keeps a file's content in memory (the open syndicate, the open lottery, the
// main window's notes) subscribes, and reads the file again when told, so no
// table still in memory is saved over a file just put back.
using FilesReplacedHandler = std::function<void(const QStringList& names)>;
// Subscribes for the whole run (the tables of the rules, at start-up). Returns
// true, so a file can subscribe in the initializer of a constant.
bool SubscribeToFilesReplaced(FilesReplacedHandler handler);
// A subscription that ends when the object is destroyed (a window's).
class FilesReplacedSubscription {
public:
    explicit FilesReplacedSubscription(FilesReplacedHandler handler);
    ~FilesReplacedSubscription();
    FilesReplacedSubscription(const FilesReplacedSubscription&) = delete;
    FilesReplacedSubscription& operator=(const FilesReplacedSubscription&) = delete;

private:
    int id_;
};
// Tells that the named files of the program folder were replaced: makes the
// program folder current, reads the settings again when "vantrel.ini" is among
// them (the other tables follow what the settings name), then runs every
// subscriber in the order they subscribed. Nothing happens for no names.
void NoticeFilesReplaced(const QStringList& names);

// The name of the backup folder below the program folder.
inline const QString kBackupFolder = QStringLiteral("Backup");

struct CopyOutcome {
    QStringList copied; // names copied, in order
    QStringList failed; // names that could not be copied, in order
    QStringList errors; // why, for the player: one for each failed name
    bool ok() const { return failed.isEmpty(); }
};
// What a failed file does to the rest: a disk copy stops there (a full or
// missing disk fails every file after it), the backup folder's copies go on.
enum class OnCopyFailure { Stop, CopyTheRest };
// Copies the named files from one folder to another, each through a new file
// renamed over the old one (those copied before a failure stay copied).
// progress runs after each copy with the count so far.
CopyOutcome CopyDataFiles(const QString& fromFolder, const QString& toFolder, const QStringList& names,
                          const std::function<void(int copied)>& progress = {},
                          OnCopyFailure onFailure = OnCopyFailure::Stop);

// A backup list row: the file name padded with blanks, or cut, to 27
// characters, then its date as "dd-mm-yy".
inline constexpr int kBackupNameWidth = 27;
QString BackupListItem(const QString& name, const QDateTime& modified);

// Names that lists show from a file's first line (lotteries, play-slip
// templates, syndicates) are cut at this length, which no real name reaches
// (read with ReadFirstLineStart, platform/TextFile.h).
inline constexpr int kListNameLength = 100;
// A whole name as those lists show it.
inline QString ListedName(const QString& name) { return name.left(kListNameLength); }
