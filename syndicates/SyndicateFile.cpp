#include "syndicates/SyndicateFile.h"

#include "core/DataFiles.h"
#include "core/Settings.h"
#include "platform/Folder.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

SyndicateRow Syndicate[kSyndicateRows + 1];

namespace {
const QString kMembersPrefix = QStringLiteral("SMembers.");

// A restore or a disk copy that replaced the open syndicate's file, or the
// settings that name it, reads the syndicate again before any window can save
// the rows still in memory over it. Settings put back before the syndicate
// file they name keep naming it: it opens when it comes.
[[maybe_unused]] const bool readAgainWhenReplaced = SubscribeToFilesReplaced([](const QStringList& names) {
    const QString& open = Settings[SyndicateFile];
    if (names.contains(kSettingsFile) || (!open.isEmpty() && names.contains(open)))
        LoadSyndicate(MissingSyndicate::Await);
});

// The members file item 16 names that was not there when a restore put the
// settings back: item 16 keeps it, and no syndicate is open until it comes.
QString awaited;

void clearRows(int lastRow)
{
    for (int r = 0; r <= lastRow; ++r)
        for (QString& field : Syndicate[r])
            field.clear();
}

QString quotedLine(const SyndicateRow& row)
{
    QStringList fields;
    for (const QString& field : row)
        fields << SyndicateField(field);
    return fields.join(QLatin1Char(','));
}

std::optional<SyndicateProblem> problem;
bool problemTaken = false;

// Rows 0 to 100 as the open syndicate's file was last read or written.
SyndicateRow stored[kSyndicateFileRows];

void keepAsStored() { std::copy(Syndicate, Syndicate + kSyndicateFileRows, stored); }

void noteProblem(std::optional<SyndicateProblem> found)
{
    if (found != problem)
        problemTaken = false;
    problem = std::move(found);
}

// The first line of a members file that does not hold one row's eleven
// fields (a quoted field without its closing quote is not one), or the line
// the file ends before; no value for a whole file.
std::optional<SyndicateProblem> checkLines(const QString& fileName, const QString& text)
{
    QStringList lines = SplitLines(text);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bool closed = true;
        if (i >= kSyndicateFileRows || SplitFields(lines[i], &closed).size() != kSyndicateFields || !closed)
            return SyndicateProblem{fileName, int(i) + 1, false};
    }
    if (lines.size() < kSyndicateFileRows)
        return SyndicateProblem{fileName, int(lines.size()) + 1, true};
    return std::nullopt;
}

// The settings file follows item 16 at once, so closing the preferences
// (which reads the settings file again) keeps the syndicate that is open.
// notSaved (when given) gets the reason the settings file could not be
// written, or nothing when it was.
void saveChoice(QString* notSaved)
{
    QString why;
    const bool saved = SaveSettings(&why);
    if (notSaved)
        *notSaved = saved ? QString() : why;
}

// Empties rows 0 to 100 and fills them from the file item 16 names.
void readSyndicate(MissingSyndicate missing)
{
    ClearSyndicate();
    const QString fileName = Settings[SyndicateFile];
    if (fileName.isEmpty()) {
        awaited.clear();
        noteProblem(std::nullopt);
        return;
    }
    if (!IsMembersFileName(fileName) || !QFile::exists(fileName)) {
        const bool wait = IsMembersFileName(fileName) && (missing == MissingSyndicate::Await || fileName == awaited);
        awaited = wait ? fileName : QString();
        if (!wait)
            Settings.set(SyndicateFile, QString());
        noteProblem(std::nullopt);
        return;
    }
    awaited.clear();
    const auto text = ReadTextFile(fileName);
    if (!text) {
        noteProblem(SyndicateProblem{fileName, 0, false});
        return;
    }
    FieldReader reader(*text);
    for (int r = 0; r < kSyndicateFileRows && !reader.atEnd(); ++r)
        for (int f = 0; f < kSyndicateFields && !reader.atEnd(); ++f)
            Syndicate[r][SyndicateFieldIndex(f)] = reader.field();
    noteProblem(checkLines(fileName, *text));
}
} // namespace

void ClearSyndicate() { clearRows(kSyndicateFileRows - 1); }

void ResetSyndicate()
{
    clearRows(kSyndicateRows);
    keepAsStored();
    problem.reset();
    problemTaken = false;
    awaited.clear();
}

const std::optional<SyndicateProblem>& SyndicateReadProblem() { return problem; }

std::optional<SyndicateProblem> TakeNewSyndicateProblem()
{
    if (problemTaken || !problem)
        return std::nullopt;
    problemTaken = true;
    return problem;
}

bool SyndicateChanged() { return !std::equal(Syndicate, Syndicate + kSyndicateFileRows, stored); }

void DiscardSyndicateChanges() { std::copy(stored, stored + kSyndicateFileRows, Syndicate); }

bool OpenSyndicateFileKept() { return problem && problem->keepFile() && problem->file == Settings[SyndicateFile]; }

void LoadSyndicate(MissingSyndicate missing)
{
    readSyndicate(missing);
    keepAsStored();
}

bool SaveSyndicate(QString* error)
{
    const QString fileName = Settings[SyndicateFile];
    // Nothing of an awaited syndicate is in memory to write.
    if (!IsMembersFileName(fileName) || fileName == awaited)
        return true;
    if (OpenSyndicateFileKept())
        return false;
    QStringList lines;
    for (int r = 0; r < kSyndicateFileRows; ++r)
        lines << quotedLine(Syndicate[r]);
    if (!WriteLines(fileName, lines, error))
        return false;
    keepAsStored();
    return true;
}

QString SyndicateField(const QString& text)
{
    if (const auto field = QuotedField(text))
        return *field;
    return QLatin1Char('"') + SyndicateText(text) + QLatin1Char('"');
}

QString SyndicateText(const QString& text)
{
    QString clean = text;
    for (QChar& c : clean) {
        if (c == QLatin1Char('"'))
            c = QLatin1Char('\'');
        else if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x2028) || c == QChar(0x2029))
            c = QLatin1Char(' ');
    }
    return clean;
}

QString MembersFileName(int number)
{
    return kMembersPrefix + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

bool IsMembersFileName(const QString& name)
{
    if (name.size() != kMembersPrefix.size() + 3 || !name.startsWith(kMembersPrefix))
        return false;
    for (qsizetype i = kMembersPrefix.size(); i < name.size(); ++i)
        if (name[i] < QLatin1Char('0') || name[i] > QLatin1Char('9'))
            return false;
    return true;
}

QString DiaryFileName(const QString& membersFile)
{
    if (!IsMembersFileName(membersFile))
        return QString();
    return QStringLiteral("Diary.") + membersFile.right(3);
}

std::optional<int> FreeSyndicateNumber()
{
    for (int n = 0; n < kSyndicateNumbers; ++n) {
        const QString members = MembersFileName(n);
        if (!QFile::exists(members) && !QFile::exists(DiaryFileName(members)))
            return n;
    }
    return std::nullopt;
}

QList<SyndicateListing> ListSyndicates()
{
    QList<SyndicateListing> list;
    for (const QString& file : ListFiles(QStringLiteral("SMembers.0??"))) {
        if (!IsMembersFileName(file))
            continue; // another spelling of the name: not a file the program wrote
        QString name;
        // The name is the last field of the first line: room for every field
        // of a name's length, quotes and comma included.
        if (const auto line = ReadFirstLineStart(file, kSyndicateFields * (kListNameLength + 3))) {
            FieldReader reader(*line);
            for (int f = 0; f < kSyndicateFields && !reader.atEnd(); ++f) {
                const QString item = reader.field();
                if (f == SyndicateNameField)
                    name = item.left(kListNameLength);
            }
        }
        list.append({name.isEmpty() ? file : name, file});
    }
    return list;
}

CreateResult CreateSyndicate(const SyndicateDetails& details, QString* error, QString* choiceNotSaved)
{
    const auto number = FreeSyndicateNumber();
    if (!number)
        return CreateResult::NoFreeNumber;
    if (!OpenSyndicateFileKept() && !SaveSyndicate(error))
        return CreateResult::OpenNotSaved;
    const QString before = Settings[SyndicateFile];
    Settings.set(SyndicateFile, MembersFileName(*number));
    awaited.clear();
    ClearSyndicate();
    for (int f = 0; f < 7; ++f)
        Syndicate[0][SyndicateFieldIndex(f)] = details.field[f].trimmed();
    Syndicate[0][SyndicateNameField] = details.name.trimmed();
    if (!SaveSyndicate(error)) {
        Settings.set(SyndicateFile, before);
        LoadSyndicate();
        return CreateResult::NotWritten;
    }
    saveChoice(choiceNotSaved);
    return CreateResult::Created;
}

bool ChooseSyndicate(const QString& membersFile, QString* choiceNotSaved)
{
    if (!IsMembersFileName(membersFile))
        return false;
    Settings.set(SyndicateFile, membersFile);
    awaited.clear();
    saveChoice(choiceNotSaved);
    return true;
}

bool DeleteSyndicateFiles(const QString& membersFile)
{
    bool deleted = true;
    for (const QString& file : {membersFile, DiaryFileName(membersFile)}) {
        if (!file.isEmpty() && QFile::exists(file) && !QFile::remove(file))
            deleted = false;
    }
    LoadSyndicate();
    // A settings file left naming the deleted syndicate closes it when it
    // is read again (its file is missing), so a failure here changes nothing.
    saveChoice(nullptr);
    return deleted;
}
