#pragma once
// What the benchmarks on large files share: the process's memory as the
// kernel counts it, and a lottery database of made-up daily draws.
#include "bench/BenchRandom.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QDate>
#include <QFile>
#include <functional>
#include <malloc.h>

// A figure of /proc/self/status in megabytes ("VmRSS:" now, "VmHWM:" the peak).
inline double StatusMB(const char* key)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The high-water mark of resident memory starts again from what the process
// holds now, after the memory freed by earlier benchmarks went back to the
// system (else it hides what the one measured takes).
inline void ResetPeakMemory()
{
    malloc_trim(0);
    QFile refs("/proc/self/clear_refs");
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// A file of count lines made by line(i), written a megabyte at a time.
inline void WriteChunked(const QString& name, const std::function<QByteArray(int)>& line, int count)
{
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk;
    for (int i = 0; i < count; ++i) {
        chunk += line(i);
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
}

// A 6/49 database of the given number of draws, one a day back from
// 5 Dec 2026, its numbers drawn from x; written a megabyte at a time.
inline void WriteDailyDatabase(const QString& name, int days, unsigned& x)
{
    const QDate newest(2026, 12, 5);
    WriteChunked(
        name,
        [&x, newest](int i) {
            if (i == 0)
                return QByteArray("UK Lotto\r\nhttp://www.national-lottery.co.uk\r\n6,49,0,0,1\r\n");
            QByteArray line = FormatShortDate(newest.addDays(1 - i)).toLatin1();
            for (int c = 0; c < 6; ++c)
                line += ',' + QByteArray::number(NextRandom(x) % 49 + 1);
            return line + ",," + QByteArray::number(NextRandom(x) % 49 + 1) + "\r\n";
        },
        days + 1);
}

// Saved entries of that database: count lines, each dated on one of its
// days, about 57 bytes a line, ended by lineEnd. With accented, every tenth
// player name holds an "ë" (two bytes in UTF-8).
inline void WriteManySavedEntries(const QString& name, int count, int days, unsigned& x, const QByteArray& lineEnd,
                                  bool accented = false)
{
    const QDate newest(2026, 12, 5);
    WriteChunked(
        name,
        [&x, newest, days, &lineEnd, accented](int i) {
            QByteArray line = FormatShortDate(newest.addDays(-int(NextRandom(x) % unsigned(days)))).toLatin1();
            for (int c = 0; c < 6; ++c)
                line += ',' + QByteArray::number(NextRandom(x) % 49 + 1);
            const char* player = accented && i % 10 == 9 ? "No\xC3\xABl " : "Player ";
            return line + ",,,UK Lotto," + player + QByteArray::number(i % 100) + ",dbase1.txt" + lineEnd;
        },
        count);
}
