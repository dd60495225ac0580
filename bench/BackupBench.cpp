// Copying a large stray file into the backup folder, as Back up all does.
#include "core/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// A program folder holding one 100 MB text file, and its backup folder.
struct Fixture {
    QTemporaryDir dir;
    static constexpr qint64 kSize = 100 * 1024 * 1024;
    Fixture()
    {
        QDir(dir.path()).mkdir(kBackupFolder);
        QFile big(dir.filePath("stray.txt"));
        if (!big.open(QIODevice::WriteOnly))
            return;
        const QByteArray line = QByteArray(1023, 'x') + '\n';
        for (qint64 written = 0; written < kSize; written += line.size())
            big.write(line);
    }
};
} // namespace

static void BM_BackupCopy(benchmark::State& state)
{
    static Fixture f;
    const QString backup = QDir(f.dir.path()).filePath(kBackupFolder);
    for (auto _ : state) {
        const CopyOutcome outcome = CopyDataFiles(f.dir.path(), backup, {"stray.txt"});
        if (!outcome.ok())
            state.SkipWithError("the copy failed");
    }
    state.SetBytesProcessed(state.iterations() * Fixture::kSize);
}
BENCHMARK(BM_BackupCopy)->Unit(benchmark::kMillisecond);
