// Copying a file through a new file renamed into place.

#include "platform/Folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The process's peak memory in kB since the last ResetPeakMemory (Linux's
// VmHWM); -1 when the system does not tell it.
qint64 PeakMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}
bool ResetPeakMemory()
{
    QFile clear("/proc/self/clear_refs");
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}
} // namespace

TEST(CopyFileReplacing, ALargeFileIsCopiedWithoutHoldingItInMemory)
{
    QTemporaryDir dir;
    constexpr qint64 kSize = 48 * 1024 * 1024;
    {
        QFile big(dir.filePath("stray.txt"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        const QByteArray line = QByteArray(1023, 'x') + '\n';
        for (qint64 written = 0; written < kSize; written += line.size())
            ASSERT_EQ(big.write(line), line.size());
    }
    if (!ResetPeakMemory() || PeakMemoryKb() < 0)
        GTEST_SKIP() << "the system does not tell the peak memory";
    const qint64 before = PeakMemoryKb();
    QString error;
    ASSERT_TRUE(CopyFileReplacing(dir.filePath("stray.txt"), dir.filePath("copy.txt"), &error)) << error.toStdString();
    const qint64 grown = PeakMemoryKb() - before;
    EXPECT_EQ(QFile(dir.filePath("copy.txt")).size(), kSize);
    EXPECT_LT(grown, 8 * 1024) << "kB";
}
