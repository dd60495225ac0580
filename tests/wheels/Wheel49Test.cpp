// Wheel 49: the 22-point design, the 175-line pattern proven over every draw
// of six from 49, and the file "wheel49.dat" read, written and refused.
#include "platform/TextFile.h"
#include "support/TestSupport.h"
#include "wheels/Wheel49.h"

#include <QFile>
#include <bit>
#include <set>

namespace {

QStringList PatternLines(const std::vector<std::int16_t>& values) { return Wheel49FileLines(values); }

} // namespace

TEST(Wheel49Pattern, DesignOn22PointsHoldsEveryThreeOnce)
{
    const auto lines = TripleDesign22();
    ASSERT_EQ(lines.size(), 77u);
    std::vector<int> seen(22 * 22 * 22, 0);
    for (LetterSet line : lines) {
        EXPECT_EQ(std::popcount(line), 6);
        EXPECT_EQ(line >> 22, 0u);
        for (LetterSet a = line; a; a &= a - 1)
            for (LetterSet b = a & (a - 1); b; b &= b - 1)
                for (LetterSet c = b & (b - 1); c; c &= c - 1)
                    ++seen[std::size_t(std::countr_zero(a) * 484 + std::countr_zero(b) * 22 + std::countr_zero(c))];
    }
    int triples = 0;
    for (int a = 0; a < 22; ++a)
        for (int b = a + 1; b < 22; ++b)
            for (int c = b + 1; c < 22; ++c) {
                EXPECT_EQ(seen[std::size_t(a * 484 + b * 22 + c)], 1);
                ++triples;
            }
    EXPECT_EQ(triples, 1540);
}

// All 13,983,816 draws, one by one; the general checker agrees.
TEST(Wheel49Pattern, MeetsEveryDrawOfSixInThree)
{
    const auto values = BuildWheel49Pattern();
    ASSERT_EQ(values.size(), std::size_t(kWheel49Values));
    std::vector<int> uses(50, 0);
    for (std::int16_t v : values) {
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 49);
        ++uses[std::size_t(v)];
    }
    for (int p = 1; p <= 49; ++p)
        EXPECT_GT(uses[std::size_t(p)], 0) << p;
    const auto lines = Wheel49LineSets(values);
    ASSERT_EQ(lines.size(), std::size_t(kWheel49Lines));
    for (LetterSet line : lines)
        EXPECT_EQ(std::popcount(line), 6);
    const Wheel49Proof proof = ProveWheel49(lines);
    EXPECT_EQ(proof.draws, 13983816u);
    EXPECT_EQ(proof.missed, 0u);
    EXPECT_TRUE(proof.holds());
    EXPECT_TRUE(CheckWheel(lines, 49, 6, 3).holds());
}

// A pattern that breaks the promise is caught, and both checks count the same
// draws missed: with position 2 in place of 1 beside 45 to 49, a draw of 1 and
// 22, two of 23 to 44 and two of 45 to 49 meets no line in three.
TEST(Wheel49Pattern, BrokenPatternIsCaught)
{
    auto values = BuildWheel49Pattern();
    // Line 155 joins position 1 with 45 to 49.
    ASSERT_EQ(values[154 * 6], 1);
    values[154 * 6] = 2;
    const auto lines = Wheel49LineSets(values);
    const Wheel49Proof proof = ProveWheel49(lines);
    EXPECT_EQ(proof.draws, 13983816u);
    EXPECT_GT(proof.missed, 0u);
    EXPECT_FALSE(proof.holds());
    const WheelCheck check = CheckWheel(lines, 49, 6, 3, 1);
    EXPECT_EQ(check.missedCount, proof.missed);
    // The first in order: 1, 22, 23, 24, 45, 46.
    ASSERT_EQ(check.missed.size(), 1u);
    const LetterSet first = (LetterSet(1) << 0) | (LetterSet(1) << 21) | (LetterSet(1) << 22) | (LetterSet(1) << 23)
        | (LetterSet(1) << 44) | (LetterSet(1) << 45);
    EXPECT_EQ(check.missed[0], first);
}

using Wheel49File = ProgramFolderTest;

TEST_F(Wheel49File, MissingFileIsWrittenAndReadBack)
{
    Wheel49Pattern pattern = LoadWheel49(dir_.path());
    EXPECT_EQ(pattern.source, Wheel49Source::Written);
    EXPECT_TRUE(pattern.problem.isEmpty());
    EXPECT_EQ(pattern.values, BuildWheel49Pattern());
    ASSERT_TRUE(exists("wheel49.dat"));
    const QByteArray bytes = readBytes("wheel49.dat");
    EXPECT_EQ(bytes.count("\r\n"), kWheel49Lines);
    EXPECT_TRUE(bytes.startsWith(QByteArray::number(pattern.values[0]) + ','));
    pattern = LoadWheel49(dir_.path());
    EXPECT_EQ(pattern.source, Wheel49Source::File);
    EXPECT_EQ(pattern.values, BuildWheel49Pattern());
}

// The file's own pattern is used as it stands: blanks around values, blank
// lines, values spread over lines in any way, and anything after the 1050th
// value are all accepted. (The built pattern with its positions renumbered
// keeps the promise.)
TEST_F(Wheel49File, ValidFileIsReadAsItStands)
{
    std::vector<std::int16_t> values;
    for (std::int16_t p : BuildWheel49Pattern())
        values.push_back(std::int16_t(50 - p));
    QStringList lines = {QString()};
    for (int i = 0; i < kWheel49Values; i += 7) {
        QStringList row;
        for (int k = i; k < i + 7 && k < kWheel49Values; ++k)
            row << QStringLiteral(" %1 ").arg(values[std::size_t(k)]);
        lines << row.join(',') << QString();
    }
    lines << "not read, 99, x";
    writeLines("wheel49.dat", lines);
    const Wheel49Pattern pattern = LoadWheel49(dir_.path());
    EXPECT_EQ(pattern.source, Wheel49Source::File);
    EXPECT_EQ(pattern.values, values);
}

// An invalid file is reported, left as it is, and the built pattern used.
TEST_F(Wheel49File, InvalidFileIsReportedAndLeftAlone)
{
    const QStringList good = PatternLines(BuildWheel49Pattern());
    struct Case {
        QStringList lines;
        QString says;
    };
    QStringList shortFile = good;
    shortFile.last() = "1,2,3,4,5";
    QStringList zero = good;
    zero[3] = "0,1,2,3,4,5";
    QStringList fifty = good;
    fifty[174] = "1,2,3,4,5,50";
    QStringList word = good;
    word[0] = "1,2,three,4,5,6";
    QStringList gap = good;
    gap[10] = "1,2,,4,5,6";
    QStringList huge = good;
    huge[1] = "1,2,3,4,5,100000000000000000000";
    const std::vector<Case> cases = {
        {shortFile, "holds 1049 numbers; the wheel needs 1050."},
        {zero, "Value 19 of \"wheel49.dat\" is \"0\", not a number from 1 to 49."},
        {fifty, "Value 1050 of \"wheel49.dat\" is \"50\""},
        {word, "Value 3 of \"wheel49.dat\" is \"three\""},
        {gap, "Value 63 of \"wheel49.dat\" is \"\""},
        {huge, "Value 12 of"},
        {{}, "holds 0 numbers"},
        {PatternLines(std::vector<std::int16_t>(kWheel49Values, 7)),
         "\"wheel49.dat\" misses 13983816 of the draws of six, so it does not win a 3-match on every draw."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        writeLines("wheel49.dat", c.lines);
        const QByteArray before = readBytes("wheel49.dat");
        const Wheel49Pattern pattern = LoadWheel49(dir_.path());
        EXPECT_EQ(pattern.source, Wheel49Source::Built);
        EXPECT_EQ(pattern.values, BuildWheel49Pattern());
        EXPECT_TRUE(pattern.problem.contains(c.says)) << pattern.problem.toStdString();
        EXPECT_TRUE(pattern.problem.endsWith("The wheel uses its own built-in pattern instead."));
        EXPECT_EQ(readBytes("wheel49.dat"), before);
    }
}

TEST_F(Wheel49File, UnreadableOrUnwritableFolder)
{
    // A folder in the file's place cannot be read as the file.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("wheel49.dat"));
    Wheel49Pattern pattern = LoadWheel49(dir_.path());
    EXPECT_EQ(pattern.source, Wheel49Source::Built);
    EXPECT_TRUE(pattern.problem.startsWith("\"wheel49.dat\" cannot be read.")) << pattern.problem.toStdString();
    EXPECT_EQ(pattern.values.size(), std::size_t(kWheel49Values));

    // A folder that does not exist cannot take the new file.
    pattern = LoadWheel49(dir_.path() + "/no such folder");
    EXPECT_EQ(pattern.source, Wheel49Source::Built);
    EXPECT_TRUE(pattern.problem.startsWith(
        "\"wheel49.dat\" could not be written to the program folder: No such file or directory."))
        << pattern.problem.toStdString();
    EXPECT_EQ(pattern.values, BuildWheel49Pattern());
}
