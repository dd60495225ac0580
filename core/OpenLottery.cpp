#include "core/OpenLottery.h"

#include "core/DataFiles.h"
#include "databases/DrawDatabase.h"
#include "platform/Folder.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstring>

std::array<QString, kMaxDatabases> DbaseFiles;
QString DbaseFile;
QString LotteryName;
QString LotteryWebsite;
int BallsDrawn = 0;
int MaxBall = 0;
int HeaderValue3 = 0;
int ExtraBallMax = 0;
std::int16_t HasBonusBall = 0;
std::int16_t Draws[kDrawRows + 1][9];

namespace {
std::uint64_t generation = 0;

void clearDrawsFrom(int row)
{
    for (int r = std::max(row, 0); r <= kDrawRows; ++r)
        std::memset(Draws[r], 0, sizeof Draws[r]);
    ++generation;
}

// The first line of a file, or empty when it has none. Only the start of the
// file is read: a lottery list shows many databases of thousands of draws.
QString firstLine(const QString& fileName) { return ReadFirstLineStart(fileName).value_or(QString()); }
} // namespace

QStringList FindDatabases()
{
    MakeProgramFolderCurrent();
    const QStringList files = ListFiles("dbase*.txt");
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
        clearDrawsFrom(1);
        return false;
    }
    return LoadDatabaseFile(DbaseFiles[index]);
}

bool LoadDatabaseFile(const QString& fileName)
{
    DbaseFile = fileName;
    clearDrawsFrom(1);
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
        for (int column = 1; column <= 8; ++column)
            Draws[r][column] = std::int16_t(draw->numbers[column]);
        ++r;
    }
    ++generation;
    return true;
}

void SortDraws(int n)
{
    n = std::clamp(n, 0, 8);
    // Zeros (missing numbers) sort after the numbers.
    auto key = [](std::int16_t v) { return v == 0 ? 0x7FFF : int(v); };
    int row = 1;
    do {
        std::int16_t* cells = Draws[row] + 1;
        std::stable_sort(cells, cells + n, [&](std::int16_t a, std::int16_t b) { return key(a) < key(b); });
        ++row;
    } while (row <= kDrawRows && Draws[row][1] != 0);
    ++generation;
}

void OpenLotteryChanged() { ++generation; }

std::uint64_t OpenLotteryGeneration() { return generation; }

int DrawCount()
{
    int n = 0;
    while (n < kDrawRows && Draws[n + 1][1] != 0)
        ++n;
    return n;
}

void ResetOpenLottery()
{
    DbaseFiles.fill(QString());
    DbaseFile.clear();
    LotteryName.clear();
    LotteryWebsite.clear();
    BallsDrawn = MaxBall = HeaderValue3 = ExtraBallMax = 0;
    HasBonusBall = 0;
    std::memset(Draws, 0, sizeof Draws);
    ++generation;
}
