#include "databases/DatabaseLoader.h"

#include "core/DataFiles.h"
#include "core/OpenLottery.h"
#include "databases/DrawDatabase.h"
#include "databases/SavedEntries.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {
// The first line of a file, or empty when it has none. Only the start of the
// file is read: a lottery list shows many databases of thousands of draws.
QString firstLine(const QString& fileName) { return ReadFirstLineStart(fileName, kListNameLength).value_or(QString()); }

// A restore or a disk copy that replaced the open lottery's file reads it
// again; the change count moves, so every cache and window of the draws
// follows.
[[maybe_unused]] const bool readAgainWhenReplaced = SubscribeToFilesReplaced([](const QStringList& names) {
    if (!DbaseFile.isEmpty() && names.contains(DbaseFile))
        LoadDatabaseFile(DbaseFile);
});
} // namespace

bool EntryCanNameDatabase(const QString& fileName)
{
    if (fileName.contains(u'\r') || fileName.contains(u'\n'))
        return false;
    SavedEntry entry;
    entry.dbaseFile = fileName;
    const SavedEntry read = ParseSavedEntry(FormatSavedEntry(entry));
    if (!read.readable || read.dbaseFile != fileName)
        return false;
    const QFileInfo file(fileName);
    return file.exists() || file.isSymLink();
}

QStringList FindDatabases(QStringList* leftOut)
{
    MakeProgramFolderCurrent();
    QStringList files;
    for (const QString& file : ListFiles("dbase*.txt")) {
        if (EntryCanNameDatabase(file))
            files << file;
        else if (leftOut)
            *leftOut << file;
    }
    if (leftOut)
        *leftOut += ListUndecodableFiles("dbase*.txt");
    const int count = std::min<int>(int(files.size()), kMaxDatabases);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        DbaseFiles[i] = files[i];
        QString caption = firstLine(files[i]);
        names << (caption.trimmed().isEmpty() ? files[i] : caption);
    }
    return names;
}

bool LoadDatabase(int index)
{
    if (index < 0 || index >= kMaxDatabases) {
        ClearDraws();
        return false;
    }
    return LoadDatabaseFile(DbaseFiles[index]);
}

bool LoadDatabaseFile(const QString& fileName)
{
    DbaseFile = fileName;
    ClearDraws();
    DrawFileReader file(fileName);
    const DatabaseHeader& header = file.header();
    LotteryName = header.name;
    LotteryWebsite = header.website;
    if (!file.isOpen() || !file.lottery()) {
        BallsDrawn = MaxBall = HeaderValue3 = ExtraBallMax = 0;
        HasBonusBall = 0;
        return false;
    }
    const LotteryDefinition& lottery = *file.lottery();
    BallsDrawn = lottery.ballsDrawn;
    MaxBall = lottery.maxBall;
    HeaderValue3 = lottery.headerValue3;
    ExtraBallMax = lottery.extraBallMax;
    HasBonusBall = std::int16_t(lottery.hasBonusBall);

    // The file is read no further than the draws kept. A draw without a first
    // number in range is left out: a row whose column 1 is 0 would end the
    // draws for every reader, cutting off all the older ones.
    int r = 1;
    while (r <= kMaxDrawsLoaded) {
        const auto draw = file.next();
        if (!draw)
            break;
        if (draw->numbers[1] == 0)
            continue;
        for (int column = 1; column <= kExtraBallColumn; ++column)
            Draws[r][column] = std::int16_t(draw->numbers[column]);
        ++r;
    }
    OpenLotteryChanged();
    return true;
}
