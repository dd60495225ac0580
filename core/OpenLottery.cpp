#include "core/OpenLottery.h"

#include "databases/DrawDatabase.h"
#include "platform/Folder.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QFile>

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
QString firstLine(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = SplitLines(DecodeText(file.read(4096)));
    return lines.value(0);
}

// One draw line into a row: the date field is skipped, then c1 to c8. A value
// outside its lottery's range, or one that does not fit 16 bits, reads as 0.
void loadDrawLine(QStringView line, std::int16_t* row, int maxMain, int maxExtra)
{
    qsizetype pos = line.indexOf(u',');
    for (int column = 1; column <= 8; ++column) {
        std::int16_t value = 0;
        if (pos >= 0) {
            const qsizetype start = pos + 1;
            qsizetype end = line.indexOf(u',', start);
            QStringView field = line.mid(start, (end < 0 ? line.size() : end) - start);
            // A quoted field may hold a comma; its number starts after the quote.
            if (!field.isEmpty() && field.trimmed().startsWith(u'"')) {
                const qsizetype close = line.indexOf(u'"', line.indexOf(u'"', start) + 1);
                if (close >= 0) {
                    field = line.mid(start, close - start).trimmed().mid(1);
                    end = line.indexOf(u',', close);
                }
            }
            value = CellFromText(field);
            pos = end;
        }
        const int limit = column <= 7 ? maxMain : maxExtra;
        row[column] = (value < 0 || value > limit) ? 0 : value;
    }
}
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
    const auto text = ReadTextFile(fileName);
    if (!text) {
        LotteryName.clear();
        LotteryWebsite.clear();
        BallsDrawn = MaxBall = HeaderValue3 = ExtraBallMax = 0;
        HasBonusBall = 0;
        return false;
    }
    const QStringList lines = SplitLines(*text);
    LotteryName = lines.value(0);
    LotteryWebsite = lines.value(1);
    const auto definition = ParseDefinition(lines.value(2));
    if (!definition || !definition->valid()) {
        BallsDrawn = MaxBall = HeaderValue3 = ExtraBallMax = 0;
        HasBonusBall = 0;
        return false;
    }
    BallsDrawn = definition->ballsDrawn;
    MaxBall = definition->maxBall;
    HeaderValue3 = definition->headerValue3;
    ExtraBallMax = definition->extraBallMax;
    HasBonusBall = std::int16_t(definition->hasBonusBall);

    const int maxExtra = ExtraBallMax > 0 ? ExtraBallMax : MaxBall;
    int r = 1;
    for (qsizetype i = 3; i < lines.size() && r < kMaxDrawsLoaded + 1; ++i, ++r)
        loadDrawLine(lines[i], Draws[r], MaxBall, maxExtra);
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
