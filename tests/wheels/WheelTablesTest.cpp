// Every stored wheel of the guaranteed-win and three-/four-match windows has
// its stated size and letters and keeps its promise, proven over every set of
// drawn letters; the checker itself agrees with the slow way and finds the
// sets that the mended tables used to miss.
#include "wheels/GuaranteedTables.h"
#include "wheels/ThreeMatchTables.h"
#include "wheels/WheelCheck.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <set>
#include <string>

namespace {

// The letters of codes 65 to 64 + v.
LetterSet FirstLetters(int v) { return (LetterSet(1) << v) - 1; }

// Size and letters: L lines of six different letters, over exactly the first v
// letters.
void ExpectShape(std::string_view letters, int v, int lines, const std::string& name)
{
    SCOPED_TRACE(name);
    ASSERT_EQ(letters.size(), std::size_t(6 * lines));
    LetterSet used = 0;
    for (LetterSet line : WheelLineSets(letters)) {
        EXPECT_EQ(std::popcount(line), 6) << "a line repeats a letter";
        used |= line;
    }
    for (char c : letters)
        EXPECT_TRUE(c >= 65 && c < 65 + v) << "letter " << c << " outside the first " << v;
    EXPECT_EQ(used, FirstLetters(v));
}

std::string Sorted(const std::vector<LetterSet>& sets)
{
    QStringList names;
    for (LetterSet s : sets)
        names << LetterSetText(s);
    names.sort();
    return names.join(' ').toStdString();
}

std::string Name(const GuaranteedWheel& w) { return std::string(w.item); }

// The table with line `line` (1-based) holding `now` where it held `was`.
std::string Unmended(std::string_view table, int line, char now, char was)
{
    std::string text(table);
    const std::size_t at = text.find(now, std::size_t(6 * (line - 1)));
    EXPECT_LT(at, std::size_t(6 * line));
    text[at] = was;
    return text;
}

} // namespace

TEST(GuaranteedTables, IndexMatchesTheChoiceLists)
{
    EXPECT_EQ(GuaranteedWheels().size(), std::size_t(kGuaranteedWheelCount));
    EXPECT_EQ(GuaranteedWheels(WheelFamily::ThreeForSix).size(), 20u);
    EXPECT_EQ(GuaranteedWheels(WheelFamily::ThreeForThree).size(), 10u);
    EXPECT_EQ(GuaranteedWheels(WheelFamily::FiveForSix).size(), 2u);
    EXPECT_EQ(FindGuaranteedWheel(WheelFamily::FiveForSix, 2), nullptr);
    EXPECT_EQ(FindGuaranteedWheel(WheelFamily::ThreeForThree, -1), nullptr);
    EXPECT_EQ(FindGuaranteedWheel(WheelFamily::ThreeForSix, 19)->numbers, 48);
    const QRegularExpression item(QStringLiteral("^(\\d+) numbers / (\\d+) lines$"));
    for (WheelFamily family : {WheelFamily::ThreeForSix, WheelFamily::ThreeForThree, WheelFamily::FiveForSix}) {
        int index = 0;
        for (const GuaranteedWheel& w : GuaranteedWheels(family)) {
            SCOPED_TRACE(Name(w));
            EXPECT_EQ(w.family, family);
            EXPECT_EQ(w.listIndex, index++);
            const auto m = item.match(QString::fromLatin1(w.item.data(), qsizetype(w.item.size())));
            ASSERT_TRUE(m.hasMatch());
            EXPECT_EQ(m.captured(1).toInt(), w.numbers);
            EXPECT_EQ(m.captured(2).toInt(), w.lines);
            EXPECT_EQ(w.groups[0].letters + w.groups[1].letters, w.numbers);
            EXPECT_EQ(w.groups[0].lines + w.groups[1].lines, w.lines);
        }
    }
}

// Each table: its size, its letters, its parts, and its promise over every
// set of drawn letters (12,271,512 sets of six for 48 numbers).
TEST(GuaranteedTables, EveryTableKeepsItsPromise)
{
    for (const GuaranteedWheel& w : GuaranteedWheels()) {
        ExpectShape(w.letters, w.numbers, w.lines, Name(w));
        const auto lines = WheelLineSets(w.letters);
        const WheelCheck check = CheckWheel(lines, w.numbers, w.drawn, w.match);
        EXPECT_EQ(check.sets, Binomial(w.numbers, w.drawn)) << Name(w);
        EXPECT_TRUE(check.holds()) << Name(w) << " misses " << check.missedCount << ", first " << Sorted(check.missed);
        if (w.groups[1].letters == 0)
            continue;
        // The part holding "A": every letter reached from "A" through lines.
        LetterSet part = 1;
        for (bool grew = true; grew;) {
            grew = false;
            for (LetterSet line : lines)
                if ((line & part) && (line & ~part)) {
                    part |= line;
                    grew = true;
                }
        }
        const auto inside = std::count_if(lines.begin(), lines.end(), [&](LetterSet l) { return (l & part) == l; });
        EXPECT_EQ(std::popcount(part), w.groups[0].letters) << Name(w);
        EXPECT_EQ(int(inside), w.groups[0].lines) << Name(w);
    }
}

// The larger tables are built on the smaller ones, mended letters and all:
// the 16-number table is the 34-number table's first 38 lines, and the
// 18-number table, moved onto the part's letters, a part of the 36- to
// 41-number tables.
TEST(GuaranteedTables, LargerTablesCarryTheMendedParts)
{
    const auto table = [](WheelFamily f, int index) { return FindGuaranteedWheel(f, index)->letters; };
    const std::string_view sixteen = table(WheelFamily::ThreeForThree, 8);
    EXPECT_EQ(table(WheelFamily::ThreeForSix, 8).substr(0, sixteen.size()), sixteen);
    const std::string_view eighteen = table(WheelFamily::ThreeForThree, 9);
    for (int index : {9, 10, 11, 12}) {
        const GuaranteedWheel& w = *FindGuaranteedWheel(WheelFamily::ThreeForSix, index);
        SCOPED_TRACE(Name(w));
        // The 18-letter part starts at "A", or follows the other part.
        const int shift = w.groups[0].letters == 18 ? 0 : w.groups[0].letters;
        const std::size_t from = shift == 0 ? 0 : std::size_t(6 * w.groups[0].lines);
        std::string moved(eighteen);
        for (char& c : moved)
            c = char(c + shift);
        EXPECT_EQ(w.letters.substr(from, moved.size()), moved);
    }
}

// The three mends, undone: the checker names exactly the sets each old letter
// left out, and each new letter is the only one-letter mend (16 and 18
// numbers) or the one that brings back the 12-number table's line (13).
TEST(GuaranteedTables, CheckerFindsWhatTheOldLettersMissed)
{
    const GuaranteedWheel& w16 = *FindGuaranteedWheel(WheelFamily::ThreeForThree, 8);
    const std::string old16 = Unmended(w16.letters, 33, 'K', 'A');
    EXPECT_EQ(old16.substr(6 * 32, 6), "DJALMP");
    WheelCheck check = CheckWheel(WheelLineSets(old16), 16, 3, 3);
    EXPECT_EQ(Sorted(check.missed), "DJK DKL DKP JKM JKP KLM KLP");

    const GuaranteedWheel& w18 = *FindGuaranteedWheel(WheelFamily::ThreeForThree, 9);
    const std::string old18 = Unmended(w18.letters, 8, 'I', 'H');
    check = CheckWheel(WheelLineSets(old18), 18, 3, 3);
    EXPECT_EQ(Sorted(check.missed), "ADI AIL DIL ILN ILQ INQ");

    const GuaranteedWheel& w13 = *FindGuaranteedWheel(WheelFamily::FiveForSix, 1);
    const std::string old13 = Unmended(w13.letters, 93, 'J', 'I');
    check = CheckWheel(WheelLineSets(old13), 13, 6, 5);
    EXPECT_EQ(Sorted(check.missed), "ACHJLM");
    const std::string_view twelve = FindGuaranteedWheel(WheelFamily::FiveForSix, 0)->letters;
    EXPECT_NE(twelve.find("ACGHJL"), std::string_view::npos);
    EXPECT_EQ(w13.letters.substr(6 * 92, 6), "ACGHJL");

    // Every one-letter change of the old 16- and 18-number tables: only the
    // mend keeps six different letters a line and the promise.
    for (const auto& [old, v, line, mend] : {std::tuple{old16, 16, 33, 'K'}, std::tuple{old18, 18, 8, 'I'}}) {
        int mends = 0;
        for (std::size_t at = 0; at < old.size(); ++at)
            for (char c = 'A'; c < 'A' + v; ++c) {
                std::string changed = old;
                changed[at] = c;
                const auto lines = WheelLineSets(changed);
                if (std::popcount(lines[at / 6]) != 6 || !CheckWheel(lines, v, 3, 3, 0).holds())
                    continue;
                ++mends;
                EXPECT_EQ(int(at / 6) + 1, line);
                EXPECT_EQ(c, mend);
            }
        EXPECT_EQ(mends, 1);
    }
}

// The fast check against the slow one, sets missed and all, on tables that
// keep and tables that break their promise.
TEST(WheelCheck, AgreesWithTestingEverySetAgainstEveryLine)
{
    std::vector<std::tuple<std::string, int, int, int>> cases;
    for (const GuaranteedWheel& w : GuaranteedWheels())
        if (w.numbers <= 24)
            cases.emplace_back(std::string(w.letters), w.numbers, w.drawn, w.match);
    // Broken ones: the 21-number table without its last line, the 8-number
    // table over nine letters, and promises above what a table gives.
    const std::string_view t21 = FindGuaranteedWheel(WheelFamily::ThreeForSix, 0)->letters;
    cases.emplace_back(std::string(t21.substr(0, t21.size() - 6)), 21, 6, 3);
    cases.emplace_back(std::string(FindGuaranteedWheel(WheelFamily::ThreeForThree, 0)->letters), 9, 3, 3);
    cases.emplace_back(std::string(FindGuaranteedWheel(WheelFamily::ThreeForThree, 2)->letters), 10, 4, 3);
    cases.emplace_back(std::string(FindGuaranteedWheel(WheelFamily::ThreeForThree, 2)->letters), 10, 5, 3);
    cases.emplace_back(std::string(FindGuaranteedWheel(WheelFamily::ThreeForThree, 3)->letters), 11, 2, 3);
    for (const auto& [letters, v, k, t] : cases) {
        SCOPED_TRACE(letters.substr(0, 12) + " v=" + std::to_string(v) + " k=" + std::to_string(k));
        const auto lines = WheelLineSets(letters);
        const WheelCheck fast = CheckWheel(lines, v, k, t, 1000000);
        const WheelCheck slow = CheckWheelNaive(lines, v, k, t, 1000000);
        EXPECT_EQ(fast.sets, Binomial(v, k));
        EXPECT_EQ(slow.sets, fast.sets);
        EXPECT_EQ(fast.missedCount, slow.missedCount);
        EXPECT_EQ(Sorted(fast.missed), Sorted(slow.missed));
    }
    // The 21-number table without its last line misses something; a short
    // list keeps the first ones and the whole count.
    const WheelCheck cut = CheckWheel(WheelLineSets(t21.substr(0, t21.size() - 6)), 21, 6, 3, 2);
    EXPECT_GT(cut.missedCount, 2u);
    EXPECT_EQ(cut.missed.size(), 2u);
    EXPECT_FALSE(cut.holds());
}

TEST(WheelCheck, LettersAndSets)
{
    EXPECT_EQ(LetterSetText(LetterSetOf("DJK")), "DJK");
    EXPECT_EQ(LetterSetOf("A[\\p"),
              (LetterSet(1) << 0) | (LetterSet(1) << 26) | (LetterSet(1) << 27) | (LetterSet(1) << 47));
    EXPECT_EQ(LetterSetText(LetterSetOf("p`a")), "`ap");
    EXPECT_EQ(WheelLineSets("ABCDEFGH").size(), 2u);
    EXPECT_EQ(Binomial(49, 6), 13983816u);
    EXPECT_EQ(Binomial(48, 6), 12271512u);
    EXPECT_EQ(Binomial(5, 6), 0u);
}

TEST(ThreeMatchTables, EveryWheelKeepsItsPromise)
{
    EXPECT_EQ(ThreeMatchWheels().size(), std::size_t(kThreeMatchWheelCount));
    EXPECT_EQ(ThreeMatchWheels(0).size(), 13u);
    EXPECT_EQ(ThreeMatchWheels(1).size(), 14u);
    EXPECT_TRUE(ThreeMatchWheels(2).empty());
    EXPECT_EQ(FindThreeMatchWheel(1, 14), nullptr);
    EXPECT_EQ(FindThreeMatchWheel(1, 3)->lines, 20);
    for (int mode : {0, 1}) {
        int index = 0;
        for (const ThreeMatchWheel& w : ThreeMatchWheels(mode)) {
            const std::string name(w.item);
            SCOPED_TRACE(name);
            EXPECT_EQ(w.mode, mode);
            EXPECT_EQ(w.listIndex, index++);
            EXPECT_EQ(w.match, 3 + mode);
            EXPECT_EQ(name, " " + std::to_string(w.drawn) + " from " + std::to_string(w.numbers));
            ExpectShape(w.letters, w.numbers, w.lines, name);
            for (std::size_t p = 0; p < w.letters.size(); p += 6)
                EXPECT_TRUE(std::is_sorted(w.letters.begin() + long(p), w.letters.begin() + long(p + 6)));
            const WheelCheck check = CheckWheel(WheelLineSets(w.letters), w.numbers, w.drawn, w.match);
            EXPECT_EQ(check.sets, Binomial(w.numbers, w.drawn));
            EXPECT_TRUE(check.holds()) << Sorted(check.missed);
        }
    }
}
