#include "platform/Folder.h"
#include "platform/ReplacingFile.h"
#include "platform/TextFile.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <cerrno>
#include <functional>
#include <vector>

TEST(SplitLines, AcceptsEveryLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), QStringList({"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), QStringList({"a", ""}));
    EXPECT_EQ(SplitLines(""), QStringList());
    EXPECT_EQ(SplitLines("\n\nx"), QStringList({"", "", "x"}));
}

TEST(Fields, FollowTheProgramsReadingRules)
{
    EXPECT_EQ(SplitFields("05 Mar 05,1,2,,4"), QStringList({"05 Mar 05", "1", "2", "", "4"}));
    EXPECT_EQ(SplitFields("  a,  b"), QStringList({"a", "b"}));
    EXPECT_EQ(SplitFields("\"Smith, J\",3"), QStringList({"Smith, J", "3"}));
    EXPECT_EQ(SplitFields("a,"), QStringList({"a", ""}));
    EXPECT_EQ(SplitFields("6,49,0,0,1"), QStringList({"6", "49", "0", "0", "1"}));
}

TEST(Fields, AQuoteEndsAQuotedFieldOnlyBeforeACommaOrTheLineEnd)
{
    EXPECT_EQ(SplitFields("\"quote \"inside\" here\",\"  ab\" ,ab\"cd"),
              QStringList({"quote \"inside\" here", "  ab", "ab\"cd"}));
    // Without such a quote the field ends at the next one, as always.
    EXPECT_EQ(SplitFields("\"ab\"cd,x"), QStringList({"ab", "x"}));
    for (const QString text : {"quote \"inside\" here", "  ab  ", "\"", "a\" \"b", ""})
        EXPECT_EQ(SplitFields(*QuotedField(text) + ",x"), QStringList({text, "x"})) << text.toStdString();
    EXPECT_FALSE(QuotedField("a\" ,b"));
    EXPECT_FALSE(QuotedField("a\r\nb"));
}

TEST(Fields, ReaderRunsOverLineEndsAndReadsWholeLines)
{
    FieldReader r("Name, with comma\r\nhttp://x\r\n6,49\n0,0,1\r\n\"q,1\",2");
    EXPECT_EQ(r.line(), "Name, with comma");
    EXPECT_EQ(r.line(), "http://x");
    QStringList fields;
    for (int i = 0; i < 7; ++i)
        fields << r.field();
    EXPECT_EQ(fields, QStringList({"6", "49", "0", "0", "1", "q,1", "2"}));
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.field(), "");
    // A quoted field without its closing quote ends with its line.
    FieldReader open("\"a,b\r\n\"c\",d");
    EXPECT_EQ(open.field(), "a,b");
    EXPECT_EQ(open.field(), "c");
}

class TextFiles : public ProgramFolderTest {};

TEST_F(TextFiles, WritesCrLfAndReplacesWholeFiles)
{
    ASSERT_TRUE(WriteLines("x.txt", {"one", "two"}));
    EXPECT_EQ(readBytes("x.txt"), QByteArray("one\r\ntwo\r\n"));
    ASSERT_TRUE(WriteLines("x.txt", {"three"}));
    EXPECT_EQ(readBytes("x.txt"), QByteArray("three\r\n"));
    // The new file keeps the old one's permissions.
    ASSERT_TRUE(QFile::setPermissions(path("x.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(AppendLines("x.txt", {"four"}));
    EXPECT_EQ(readBytes("x.txt"), QByteArray("three\r\nfour\r\n"));
    EXPECT_EQ(QFile::permissions(path("x.txt")) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    writeFile("y.txt", "no end");
    ASSERT_TRUE(AppendLines("y.txt", {"next"}));
    EXPECT_EQ(readBytes("y.txt"), QByteArray("no end\r\nnext\r\n"));
    // No scratch file is left beside the data.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(TextFiles, AFailedWriteLeavesTheOldFile)
{
    writeFile("keep.txt", "old\r\n");
    QDir(dir_.path()).mkdir("sub");
    // A folder in the way of the target: the write fails and reports it.
    EXPECT_FALSE(WriteLines("sub", {"x"}));
    EXPECT_EQ(readBytes("keep.txt"), QByteArray("old\r\n"));
    EXPECT_FALSE(ReadLines("missing.txt").has_value());
}

TEST_F(TextFiles, AWriteCutShortFailsWholeWithTheSystemsReason)
{
    // Each writer, in a child whose files may not pass 4 KiB: the new content
    // cannot be written whole, as on a full disk.
    const QString big = QString(7999, 'n') + "\n";
    writeFile("source.txt", big);
    using Writer = std::function<bool(QString*)>;
    const std::vector<std::pair<const char*, Writer>> writers = {
        {"WriteLines", [&](QString* e) { return WriteLines("data.txt", {big}, e); }},
        {"WriteTextFile", [&](QString* e) { return WriteTextFile("data.txt", big, e); }},
        {"AppendLines", [&](QString* e) { return AppendLines("data.txt", {big}, e); }},
        {"CopyFileReplacing", [&](QString* e) { return CopyFileReplacing("source.txt", "data.txt", e); }},
    };
    const QByteArray old = "an old line\r\nanother\r\n";
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        writeFile("data.txt", QString::fromLatin1(old));
        const auto said = RunUnderFileSizeLimit(4096, [&write = write] {
            QString error;
            return (write(&error) ? QStringLiteral("done:") : QStringLiteral("failed:")) + error;
        });
        ASSERT_TRUE(said);
        EXPECT_TRUE(said->startsWith("failed:")) << said->toStdString();
        EXPECT_TRUE(said->contains("File too large")) << said->toStdString();
        EXPECT_EQ(readBytes("data.txt"), old);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"data.txt", "source.txt"}));
    }
}

// The system may refuse any step of a commit. Up to the rename a refusal
// fails the write whole, with its reason; once the rename is done the write
// is done, and a folder's sync refused after it is only noted.
TEST_F(TextFiles, ACommitStepTheSystemRefuses)
{
    const struct {
        CommitStep step;
        bool done;
    } cases[] = {{CommitStep::SyncFile, false},
                 {CommitStep::CloseFile, false},
                 {CommitStep::Rename, false},
                 {CommitStep::SyncFolder, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.step));
        writeFile("data.txt", "old\r\n");
        SetCommitStepHook([step = c.step](CommitStep asked) { return asked == step ? EIO : 0; });
        ReplacingFile file(path("data.txt"));
        const bool done = file.open() && file.write(QByteArray("new\r\n")) && file.commit();
        SetCommitStepHook({});
        EXPECT_EQ(done, c.done);
        EXPECT_EQ(readBytes("data.txt"), c.done ? "new\r\n" : "old\r\n");
        const QString reason = c.done ? file.folderSyncError() : file.errorString();
        EXPECT_EQ(reason.toStdString(), qt_error_string(EIO).toStdString());
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"data.txt"}));
    }
}

TEST_F(TextFiles, ReadsOlderWindowsTextLineByLine)
{
    QFile f(path("old.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("caf\xe9 \x80\r\nna\xc3\xafve\r\n"); // a Windows-1252 line, then a UTF-8 line
    f.close();
    const auto lines = ReadLines("old.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->at(0), QString::fromUtf8("café €"));
    EXPECT_EQ(lines->at(1), QString::fromUtf8("naïve"));
}

TEST_F(TextFiles, ListsByWildcardWithoutRegardToCase)
{
    for (const char* name : {"dbase2.txt", "DBASE10.TXT", "dbase1.txt", "notes.txt", "dbase.txt.bak", "Dbase3.txt"})
        writeFile(name, "x");
    EXPECT_EQ(ListFiles("dbase*.txt"), QStringList({"dbase1.txt", "DBASE10.TXT", "dbase2.txt", "Dbase3.txt"}));
    EXPECT_TRUE(ListFiles("SMembers.*").isEmpty());
}

TEST_F(TextFiles, TheProgramFolderIsMadeWhenMissing)
{
    const QString nested = dir_.filePath("a/b");
    SetProgramFolder(nested);
    EXPECT_TRUE(MakeProgramFolderCurrent());
    EXPECT_TRUE(QDir(nested).exists());
    EXPECT_EQ(QDir::currentPath(), QDir(nested).canonicalPath());
    SetProgramFolder(dir_.path());
}

// Asking where the folder is makes nothing; a copy of the shipped files into a
// folder that is not there says which files it could not copy.
TEST_F(TextFiles, NamingTheProgramFolderMakesNothingAndAFailedCopyIsReported)
{
    const QString missing = dir_.filePath("not/made");
    SetProgramFolder(missing);
    EXPECT_EQ(ProgramFolder(), missing);
    EXPECT_FALSE(QFileInfo::exists(missing));
    const QString report = CopyShippedDataFiles();
    SetProgramFolder(dir_.path());
    EXPECT_TRUE(report.contains("LotteryTemplates.txt")) << report.toStdString();
    EXPECT_TRUE(CopyShippedDataFiles().isEmpty());
    EXPECT_TRUE(exists("LotteryTemplates.txt"));
}

namespace {
std::vector<QString> readAllLines(const QString& path)
{
    std::vector<QString> lines;
    LineReader reader(path);
    while (auto line = reader.next())
        lines.push_back(*line);
    return lines;
}
} // namespace

TEST_F(TextFiles, LineByLineReadingKeepsTheWholeFileRules)
{
    // Line ends of every kind, one of them split between two chunks of the
    // reader, a byte-order mark, a Windows-1252 line and no end on the last.
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += QByteArray(16 * 1024 - 4, 'a') + "\r\nb\rc\n\r\nna\xc3\xafve\rcaf\xe9\r\n\nlast";
    QFile f(path("mixed.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    const QStringList whole = *ReadLines("mixed.txt");
    ASSERT_EQ(whole.size(), 8);
    EXPECT_EQ(whole[5], QString::fromUtf8("café"));
    const std::vector<QString> lines = readAllLines("mixed.txt");
    EXPECT_EQ(QStringList(lines.begin(), lines.end()), whole);
    EXPECT_EQ(*ReadFirstLines("mixed.txt", 3), whole.mid(0, 3));
    EXPECT_EQ(*ReadFirstLines("mixed.txt", 20), whole);

    writeFile("ends.txt", "a\r\n\r\n");
    EXPECT_EQ(readAllLines("ends.txt"), std::vector<QString>({"a", ""}));
    writeFile("empty.txt", "");
    EXPECT_TRUE(readAllLines("empty.txt").empty());
    EXPECT_FALSE(ReadFirstLines("missing.txt", 3));
    EXPECT_FALSE(LineReader("missing.txt").isOpen());
}

// A file that opens with a byte-order mark, or is UTF-16 without one, is read
// as the text it holds by every reader, line by line or whole, and a line
// appended to it keeps that text (a file in UTF-16 or UTF-32 going over to
// UTF-8); one in UTF-16 or UTF-32 that does not decode is read by none and
// left as it is.
TEST_F(TextFiles, EveryReaderReadsAMarkedFileAsItsText)
{
    // The first line runs past the reader's first chunk, with a character
    // beyond 16 bits across its end in UTF-16; the second holds characters
    // whose bytes are those of line ends.
    const QStringList lines = {QString(8190, 'a') + QString::fromUtf8("\xf0\x9d\x84\x9e") + "z",
                               QString::fromUtf8("caf\xc3\xa9 \u0a0a\u0d0a\u0a0d,") + QChar(0xfeff), "", "last"};
    const QString text = lines.join("\r\n") + "\n";
    const struct {
        const char* name;
        QStringConverter::Encoding encoding;
        bool marked = true;
    } marked[] = {{"UTF-8", QStringConverter::Utf8},
                  {"UTF-16 LE", QStringConverter::Utf16LE},
                  {"UTF-16 BE", QStringConverter::Utf16BE},
                  {"UTF-32 LE", QStringConverter::Utf32LE},
                  {"UTF-32 BE", QStringConverter::Utf32BE},
                  {"UTF-16 LE without a mark", QStringConverter::Utf16LE, false},
                  {"UTF-16 BE without a mark", QStringConverter::Utf16BE, false}};
    for (const auto& c : marked) {
        SCOPED_TRACE(c.name);
        if (c.marked)
            writeMarked("marked.txt", text, c.encoding);
        else
            writeBytes("marked.txt", QStringEncoder(c.encoding)(text));
        EXPECT_EQ(ReadTextFile("marked.txt"), text);
        EXPECT_EQ(ReadLines("marked.txt"), lines);
        const std::vector<QString> byLine = readAllLines("marked.txt");
        EXPECT_EQ(QStringList(byLine.begin(), byLine.end()), lines);
        EXPECT_EQ(ReadFirstLines("marked.txt", 2), lines.mid(0, 2));
        EXPECT_EQ(ReadFirstLineStart("marked.txt", 3), "aaa");
        QFile file(path("marked.txt"));
        ASSERT_TRUE(OpenForReading(file));
        const FileBytes whole(file);
        EXPECT_TRUE(whole.ok());
        EXPECT_EQ(whole.transcoded(), c.encoding != QStringConverter::Utf8);
        EXPECT_EQ(DecodeText(whole.bytes().toByteArray()), text);
        ASSERT_TRUE(AppendLines("marked.txt", {"added"}));
        EXPECT_EQ(ReadLines("marked.txt"), lines + QStringList{"added"});
    }
    writeMarked("first.txt", QString::fromUtf8("\u0d0a\u0a0a\r\nnext"), QStringConverter::Utf16BE);
    EXPECT_EQ(ReadFirstLineStart("first.txt", 5), QString::fromUtf8("\u0d0a\u0a0a"));

    const struct {
        const char* name;
        QByteArray bytes;
    } broken[] = {
        {"UTF-16 LE, a byte left over",
         QByteArray("\xFF\xFE"
                    "a\0\r\0\n\0b\0c",
                    11)},
        {"UTF-16 BE, a lone half of a character", QByteArray("\xFE\xFF\0a\xD8\x34\0b\0\r\0\n", 12)},
        {"UTF-16 LE without a mark, a byte left over", QByteArray("a\0\r\0\n\0b\0c", 9)},
        {"UTF-32 LE, beyond Unicode",
         QByteArray("\xFF\xFE\0\0"
                    "a\0\0\0\0\0\x11\0",
                    12)},
    };
    for (const auto& c : broken) {
        SCOPED_TRACE(c.name);
        QFile out(path("broken.txt"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.bytes);
        out.close();
        EXPECT_FALSE(ReadTextFile("broken.txt"));
        EXPECT_FALSE(ReadLines("broken.txt"));
        EXPECT_FALSE(ReadFirstLines("broken.txt", 5));
        EXPECT_FALSE(LineReader("broken.txt").isOpen());
        QFile file(path("broken.txt"));
        ASSERT_TRUE(OpenForReading(file));
        EXPECT_FALSE(FileBytes(file).ok());
        EXPECT_FALSE(AppendLines("broken.txt", {"added"}));
        EXPECT_EQ(readBytes("broken.txt"), c.bytes);
    }
}

TEST_F(TextFiles, AHugeLineIsCutAndTheReadingGoesOnPastIt)
{
    QFile f(path("huge.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4 * 1024 * 1024, 'x') + "\r\nsecond\r\n");
    f.close();
    const qint64 before = BytesReadByProcess();
    const auto first = ReadFirstLines("huge.txt", 1);
    const qint64 read = BytesReadByProcess() - before;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->value(0).size(), LineReader::kMaxLineBytes);
    EXPECT_LT(read, 256 * 1024);
    // Read on, the long line comes cut and marked, and the reading goes on
    // after it; asked for whole, it comes whole.
    LineReader reader("huge.txt");
    EXPECT_EQ(reader.next()->size(), LineReader::kMaxLineBytes);
    EXPECT_TRUE(reader.longLine());
    EXPECT_EQ(reader.next(), "second");
    EXPECT_FALSE(reader.longLine());
    EXPECT_FALSE(reader.next());
    LineReader whole("huge.txt", -1, LineReader::LongLines::Whole);
    EXPECT_EQ(whole.next()->size(), 4 * 1024 * 1024);
    EXPECT_TRUE(whole.longLine());
    EXPECT_EQ(whole.next(), "second");

    // A line of exactly the longest length is read whole.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(LineReader::kMaxLineBytes, 'y') + "\nnext");
    f.close();
    const std::vector<QString> lines = readAllLines("huge.txt");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "next");
}

TEST_F(TextFiles, OnlyRegularFilesAreOpened)
{
    const NamedPipe pipe(path("pipe.txt"));
    ASSERT_TRUE(pipe.made());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(ReadTextFile("pipe.txt"));
    EXPECT_FALSE(ReadLines("pipe.txt"));
    EXPECT_FALSE(ReadFirstLines("pipe.txt", 1));
    EXPECT_FALSE(ReadFirstLineStart("pipe.txt", 100));
    EXPECT_FALSE(LineReader("pipe.txt").isOpen());
    QString why;
    EXPECT_FALSE(CopyFileReplacing("pipe.txt", "copy.txt", &why));
    EXPECT_TRUE(why.contains("named pipe")) << why.toStdString(); // the reason, not "Unknown error"
    EXPECT_FALSE(AppendLines("pipe.txt", {"x"}));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_FALSE(QFileInfo(path("pipe.txt")).isFile()); // the pipe is left as it was
}
