#pragma once
// What the benchmarks on large files share: the process's memory as the
// kernel counts it, and a lottery database of made-up daily draws.
#include "bench/BenchRandom.h"
#include "platform/Dates.h"
#include "platform/TextFile.h"

#include <QDate>
#include <QFile>
#include <QStringList>
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
// 5 Dec 2026, its numbers drawn from x.
inline void WriteDailyDatabase(const QString& name, int days, unsigned& x)
{
    const QDate newest(2026, 12, 5);
    QStringList lines{"UK Lotto", "http://www.national-lottery.co.uk", "6,49,0,0,1"};
    for (int d = 0; d < days; ++d) {
        QStringList fields{FormatShortDate(newest.addDays(-d))};
        for (int c = 0; c < 6; ++c)
            fields << QString::number(NextRandom(x) % 49 + 1);
        fields << "" << QString::number(NextRandom(x) % 49 + 1);
        lines << fields.join(',');
    }
    WriteLines(name, lines);
}
