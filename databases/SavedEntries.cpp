#include "databases/SavedEntries.h"

#include "platform/Dates.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

int SavedEntry::number(int i) const
{
    if (i < 1 || i > kSavedEntryNumbers)
        return 0;
    return CellFromText(numbers[i - 1]);
}

std::optional<QDate> SavedEntry::drawDate() const { return ParseDate(date); }

QString SavedEntryField(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char(','), QLatin1Char(';'));
    out.replace(QLatin1Char('"'), QLatin1Char('\''));
    return out;
}

QString EntryField(const SavedEntry& entry, int column)
{
    if (column >= kFirstNumberColumn && column <= kExtraBallColumn)
        return entry.numbers[column - kFirstNumberColumn];
    switch (column) {
    case kDateColumn: return entry.date;
    case kLotteryColumn: return entry.lottery;
    case kNameColumn: return entry.name;
    case kDbaseFileColumn: return entry.dbaseFile;
    default: return QString();
    }
}

void SetEntryField(SavedEntry& entry, int column, const QString& text)
{
    if (column >= kFirstNumberColumn && column <= kExtraBallColumn)
        entry.numbers[column - kFirstNumberColumn] = text;
    else if (column == kDateColumn)
        entry.date = text;
    else if (column == kLotteryColumn)
        entry.lottery = text;
    else if (column == kNameColumn)
        entry.name = text;
    else if (column == kDbaseFileColumn)
        entry.dbaseFile = text;
}

SavedEntry ParseSavedEntry(const QString& line)
{
    const QStringList f = SplitFields(line);
    SavedEntry e;
    auto at = [&f](int i) { return i < f.size() ? f[i] : QString(); };
    e.date = at(kDateColumn);
    for (int i = 0; i < kSavedEntryNumbers; ++i)
        e.numbers[i] = at(kFirstNumberColumn + i);
    e.lottery = at(kLotteryColumn);
    e.name = at(kNameColumn);
    e.dbaseFile = at(kDbaseFileColumn);
    e.readable = f.size() == kSavedEntryFields;
    e.line = line;
    return e;
}

bool IsSavedEntryLine(QStringView line)
{
    if (line.isEmpty())
        return false;
    int fields = 0;
    for (qsizetype pos = 0;; ++pos) {
        ScanField(line, pos);
        if (++fields > kSavedEntryFields)
            return false;
        if (pos >= line.size() || line[pos] != u',')
            break;
    }
    return fields == kSavedEntryFields;
}

// A field as a new line holds it: in double quotes when it holds a comma or
// starts with a quote, so the field rules read it back whole; otherwise
// plain, blanks and all. A text that no quoting carries (a quote followed by
// a comma) has its quotes made single ones.
static QString FieldText(const QString& text)
{
    const bool plain = !text.contains(QLatin1Char(',')) && !text.startsWith(QLatin1Char('"'));
    if (plain)
        return text;
    if (const auto field = QuotedField(text))
        return *field;
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// The fields of a line as they are written in it, between the commas that
// part them.
static QStringList WrittenFields(const QString& line)
{
    QStringList written;
    if (line.isEmpty())
        return written;
    qsizetype pos = 0;
    for (qsizetype start = 0;; start = ++pos) {
        ScanField(line, pos);
        written << line.mid(start, pos - start);
        if (pos >= line.size() || line[pos] != QLatin1Char(','))
            break;
    }
    return written;
}

QString FormatSavedEntry(const SavedEntry& entry)
{
    if (!entry.readable)
        return entry.line;
    // A field that still reads as the line it came from held it is written
    // as it was, quotes and blanks included.
    const QStringList was = WrittenFields(entry.line);
    QStringList fields;
    QStringList kept;
    QStringList fresh;
    for (int c = kDateColumn; c <= kDbaseFileColumn; ++c) {
        const QString text = EntryField(entry, c);
        fields << text;
        fresh << FieldText(text);
        const bool same = was.size() == kSavedEntryFields && SplitFields(was[c]).value(0) == text;
        kept << (same ? was[c] : fresh.last());
    }
    // A field kept as written may run on into a changed one beside it (a
    // quote left open by hand): then every field is written afresh.
    const QString line = kept.join(QLatin1Char(','));
    return SplitFields(line) == fields ? line : fresh.join(QLatin1Char(','));
}

bool SavedEntriesExist(const QString& path) { return QFileInfo::exists(path); }

QString SavedEntriesUnreadable(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QString();
    QFile file(path);
    if (QString why; !OpenForReading(file, &why))
        return why;
    if (StartsAsWideText(file.read(kEncodingSampleBytes)))
        return QStringLiteral("it is saved as UTF-16 or UTF-32 text, which the program does not read");
    return QString();
}

static QStringList ToLines(const QList<SavedEntry>& entries)
{
    QStringList lines;
    lines.reserve(entries.size());
    for (const SavedEntry& e : entries)
        lines << FormatSavedEntry(e);
    return lines;
}

bool AppendSavedEntries(const QList<SavedEntry>& entries, const QString& path, QString* error)
{
    if (entries.isEmpty())
        return true;
    if (const QString why = SavedEntriesUnreadable(path); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    return AppendLines(path, ToLines(entries), error);
}

bool DeleteSavedEntries(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

std::optional<QDate> NextDrawDate(const QString& lotteryName, const QDate& today)
{
    const QString name = lotteryName.trimmed().toUpper();
    const int w = today.dayOfWeek() % 7 + 1; // Sunday 1 .. Saturday 7
    int days = -1;
    if (name == "UK THUNDERBALL" || name == "UK LOTTO" || name == "UK LOTTO EXTRA" || name == "UK LOTTO HOT PICKS"
        || name == "US POWERBALL") {
        // Wednesday and Saturday draws.
        if (w < 4)
            days = 4 - w;
        else if (w > 4)
            days = 7 - w;
    } else if (name == "UK DAILY PLAY") {
        if (w == 1)
            days = 1;
    } else if (name == "US MEGA MILLIONS") {
        // Tuesday and Friday draws.
        if (w < 3)
            days = 3 - w;
        else if (w == 4 || w == 5)
            days = 6 - w;
        else if (w == 7)
            days = 3;
    }
    if (days < 0)
        return std::nullopt;
    return today.addDays(days);
}

QDate ProposedDrawDate(const QString& lotteryName, const QString& chosenDate, const QDate& today)
{
    if (const auto next = NextDrawDate(lotteryName, today))
        return *next;
    // A chosen date stands while it lies ahead (after today).
    if (const auto chosen = ParseDate(chosenDate); chosen && *chosen > today)
        return *chosen;
    return today;
}
