#include "syndicates/SyndicateFile.h"

#include "core/Settings.h"
#include "platform/TextFile.h"

#include <QFile>

QString Syndicate[kSyndicateRows + 1][kSyndicateFields];

namespace {
void clearRows(int lastRow)
{
    for (int r = 0; r <= lastRow; ++r)
        for (QString& field : Syndicate[r])
            field.clear();
}
} // namespace

void ResetSyndicate() { clearRows(kSyndicateRows); }

void LoadSyndicate()
{
    clearRows(kSyndicateFileRows - 1);
    const QString fileName = Settings[SyndicateFile];
    if (fileName.isEmpty())
        return;
    if (!QFile::exists(fileName)) {
        Settings.set(SyndicateFile, QString());
        return;
    }
    const auto text = ReadTextFile(fileName);
    if (!text)
        return;
    FieldReader reader(*text);
    for (int r = 0; r < kSyndicateFileRows && !reader.atEnd(); ++r)
        for (int f = 0; f < kSyndicateFields && !reader.atEnd(); ++f)
            Syndicate[r][f] = reader.field();
}
