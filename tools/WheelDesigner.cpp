// Computes the "3-Match for 6" wheels for 30 to 48 numbers and writes them as
// the data file wheels/DesignedTables.cpp. Run by hand after changing a
// stored table they are built on:
//   build/wheel_designer wheels/DesignedTables.cpp
//
// Each wheel is two parts on disjoint letters, every line inside one part.
// Six drawn numbers among the wheel's put three or more into one part, so the
// wheel meets every such draw in three numbers exactly when
//   - one part holds every three of its letters together in some line (a
//     three-for-three part), and
//   - the other holds, for every four of its letters, a line with three of
//     them (a four-for-three part; with at most two drawn numbers in the
//     first part, the second holds four or more).
// The three-for-three parts are the stored 14- to 18-number tables and a
// 77-line design on 22 letters; the four-for-three parts are found by
// simulated annealing with a fixed seed, so every run writes the same file.
// Every part and every wheel is proven with the checker before it is written.

#include "wheels/GuaranteedTables.h"
#include "wheels/Wheel49.h"
#include "wheels/WheelCheck.h"

#include <QFile>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<LetterSet>;

std::string Letters(const Lines& lines, int shift)
{
    std::string text;
    for (LetterSet line : lines)
        for (LetterSet m = line; m; m &= m - 1)
            text += char(65 + shift + std::countr_zero(m));
    return text;
}

// The stored "3-Match for 3" table of that size, if there is one.
const GuaranteedWheel* StoredThreeForThree(int numbers, int lines)
{
    for (const GuaranteedWheel& w : GuaranteedWheels(WheelFamily::ThreeForThree))
        if (w.numbers == numbers && w.lines == lines)
            return &w;
    return nullptr;
}

LetterSet Lowest(LetterSet set) { return set & (~set + 1); }

// Four-for-three part on n letters with exactly `size` lines. The cost is
// 64 for every four letters with no line holding three of them, plus 1 for
// every three letters in no line, so among the parts that keep the promise
// the search prefers those that hold more threes together. A step moves one
// letter of one line.
class Annealer {
public:
    Annealer(int n, int size, unsigned seed) : n_(n), random_(seed)
    {
        for (int p = 0; p < 64; ++p)
            for (int k = 1; k <= 4; ++k)
                choose_[k][p] = int(Binomial(p, k));
        quads_.assign(Binomial(n, 4), 0);
        triples_.assign(Binomial(n, 3), 0);
        uncoveredQuads_ = long(quads_.size());
        uncoveredTriples_ = long(triples_.size());
        for (int i = 0; i < size; ++i) {
            lines_.push_back(randomLine());
            add(lines_.back());
        }
    }

    long cost() const { return 64 * uncoveredQuads_ + uncoveredTriples_; }

    // The best part met on the way that keeps the promise; empty when none.
    Lines run(long steps)
    {
        Lines best;
        long bestCost = -1;
        std::uniform_real_distribution<double> unit(0, 1);
        for (long step = 0; step < steps; ++step) {
            const double temperature = 8.0 * std::pow(0.02, double(step) / double(steps));
            const std::size_t i = random_() % lines_.size();
            const LetterSet old = lines_[i];
            const LetterSet out = NthBit(old, int(random_() % 6));
            const LetterSet in = NthBit(~old & all(), int(random_() % unsigned(n_ - 6)));
            const long before = cost();
            move(old, out, in);
            const long delta = cost() - before;
            if (delta <= 0 || unit(random_) < std::exp(-double(delta) / temperature)) {
                lines_[i] = (old & ~out) | in;
                if (uncoveredQuads_ == 0 && (bestCost < 0 || cost() < bestCost)) {
                    bestCost = cost();
                    best = lines_;
                }
            } else {
                move((old & ~out) | in, in, out);
            }
        }
        return best;
    }

private:
    LetterSet all() const { return (LetterSet(1) << n_) - 1; }

    static LetterSet NthBit(LetterSet set, int k)
    {
        for (int i = 0; i < k; ++i)
            set &= set - 1;
        return Lowest(set);
    }

    LetterSet randomLine()
    {
        LetterSet line = 0;
        while (std::popcount(line) < 6)
            line |= LetterSet(1) << (random_() % unsigned(n_));
        return line;
    }

    // Colex rank of a set of three or four letters.
    int rank(LetterSet set) const
    {
        int r = 0;
        int k = 1;
        for (; set; set &= set - 1)
            r += choose_[k++][std::countr_zero(set)];
        return r;
    }

    void count(std::vector<int>& counts, long& uncovered, LetterSet set, int by)
    {
        int& c = counts[std::size_t(rank(set))];
        if (c == 0 && by > 0)
            --uncovered;
        c += by;
        if (c == 0)
            ++uncovered;
    }

    // A new line: its threes, and every four holding three of its letters.
    void add(LetterSet line)
    {
        const LetterSet outside = all() & ~line;
        for (LetterSet a = line; a; a &= a - 1)
            for (LetterSet b = a & (a - 1); b; b &= b - 1)
                for (LetterSet c = b & (b - 1); c; c &= c - 1) {
                    const LetterSet triple = Lowest(a) | Lowest(b) | Lowest(c);
                    count(triples_, uncoveredTriples_, triple, +1);
                    for (LetterSet z = outside; z; z &= z - 1)
                        count(quads_, uncoveredQuads_, triple | Lowest(z), +1);
                    for (LetterSet z = c & (c - 1); z; z &= z - 1) // four inside the line
                        count(quads_, uncoveredQuads_, triple | Lowest(z), +1);
                }
    }

    // Line `line` takes letter `in` for `out`: the threes and fours that hold
    // `out` with two of the five kept letters (and a letter outside both
    // lines) lose it, those with `in` gain it.
    void move(LetterSet line, LetterSet out, LetterSet in)
    {
        const LetterSet kept = line & ~out;
        const LetterSet outside = all() & ~line & ~in;
        for (LetterSet a = kept; a; a &= a - 1)
            for (LetterSet b = a & (a - 1); b; b &= b - 1) {
                const LetterSet pair = Lowest(a) | Lowest(b);
                count(triples_, uncoveredTriples_, pair | out, -1);
                count(triples_, uncoveredTriples_, pair | in, +1);
                for (LetterSet z = outside; z; z &= z - 1) {
                    count(quads_, uncoveredQuads_, pair | out | Lowest(z), -1);
                    count(quads_, uncoveredQuads_, pair | in | Lowest(z), +1);
                }
            }
    }

    int n_;
    int choose_[5][64] = {};
    std::mt19937_64 random_;
    Lines lines_;
    std::vector<int> quads_;
    std::vector<int> triples_;
    long uncoveredQuads_ = 0;
    long uncoveredTriples_ = 0;
};

bool Proven(const Lines& lines, int letters, int drawn, const char* what)
{
    LetterSet used = 0;
    for (LetterSet line : lines)
        used |= line;
    const WheelCheck check = CheckWheel(lines, letters, drawn, 3);
    const bool sixes = std::all_of(lines.begin(), lines.end(), [](LetterSet l) { return std::popcount(l) == 6; });
    const bool ok = check.holds() && used == (LetterSet(1) << letters) - 1 && sixes;
    std::fprintf(stderr, "  %s, %d letters, %zu lines: %llu sets of %d checked, %llu missed%s\n", what, letters,
                 lines.size(), static_cast<unsigned long long>(check.sets), drawn,
                 static_cast<unsigned long long>(check.missedCount), ok ? "" : "  FAILED");
    return ok;
}

struct Part {
    Lines lines;
    std::string how;
};

// The four-for-three part on n letters with `size` lines.
Part FourForThree(int n, int size)
{
    static std::map<std::pair<int, int>, Part> found;
    const auto key = std::pair(n, size);
    if (auto it = found.find(key); it != found.end())
        return it->second;
    Part part;
    if (n == 16 && size == 21) {
        // The 28-number table's first part: ABCDE with each of F to O, and
        // the 11-number table on F to P.
        const std::string_view t28 = FindGuaranteedWheel(WheelFamily::ThreeForSix, 5)->letters;
        part.lines = WheelLineSets(t28.substr(0, 6 * 21));
        part.how = "the 28-number table's first part";
    } else if (n == 17 && size == 26) {
        // ABCDE with each of F to P (four letters with two of ABCDE hold one
        // of F to P), and the 12-number table on F to Q for the fours with one
        // or none of ABCDE.
        for (int x = 5; x < 16; ++x)
            part.lines.push_back(LetterSet(0x1f) | (LetterSet(1) << x));
        for (LetterSet line : WheelLineSets(StoredThreeForThree(12, 15)->letters))
            part.lines.push_back(line << 5);
        part.how = "ABCDE with F to P, and the 12-number table on F to Q";
    } else {
        const auto start = std::chrono::steady_clock::now();
        for (unsigned seed = 1; part.lines.empty(); ++seed)
            part.lines = Annealer(n, size, seed).run(1000000);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        part.how = "annealing, " + std::to_string(int(seconds * 10) / 10.0).substr(0, 4) + " s";
    }
    std::sort(part.lines.begin(), part.lines.end(),
              [](LetterSet a, LetterSet b) { return LetterSetText(a) < LetterSetText(b); });
    found[key] = part;
    return part;
}

struct Design {
    int numbers;
    int lines;
    std::string letters;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s wheels/DesignedTables.cpp\n", argv[0]);
        return 2;
    }
    const Lines design22 = TripleDesign22();
    if (!Proven(design22, 22, 3, "22-letter design"))
        return 1;
    std::vector<Design> designs;
    bool ok = true;
    for (const GuaranteedWheel& w : GuaranteedWheels(WheelFamily::ThreeForSix)) {
        if (w.numbers < 30)
            continue;
        std::fprintf(stderr, "%d numbers / %d lines\n", w.numbers, w.lines);
        std::string letters;
        int shift = 0;
        for (const WheelGroup& g : w.groups) {
            Part part;
            if (g.letters == 22 && g.lines == 77) {
                part = {design22, "the 22-letter design"};
            } else if (const auto* stored = StoredThreeForThree(g.letters, g.lines)) {
                part = {WheelLineSets(stored->letters), "the stored " + std::to_string(g.letters) + "-number table"};
                ok = Proven(part.lines, g.letters, 3, part.how.c_str()) && ok;
            } else {
                part = FourForThree(g.letters, g.lines);
                ok = Proven(part.lines, g.letters, 4, part.how.c_str()) && ok;
            }
            if (int(part.lines.size()) != g.lines) {
                std::fprintf(stderr, "  part of %zu lines, %d wanted\n", part.lines.size(), g.lines);
                ok = false;
            }
            letters += Letters(part.lines, shift);
            shift += g.letters;
        }
        ok = Proven(WheelLineSets(letters), w.numbers, 6, "whole wheel") && ok;
        designs.push_back({w.numbers, w.lines, letters});
    }
    if (!ok) {
        std::fprintf(stderr, "not written: a wheel failed its check\n");
        return 1;
    }

    std::string out = "// Written by tools/WheelDesigner; do not edit by hand.\n"
                      "#include \"wheels/DesignedTables.h\"\n\nnamespace {\n\n// clang-format off\n";
    for (const Design& d : designs) {
        out += "constexpr std::string_view kThreeForSix" + std::to_string(d.numbers) + " =";
        std::string row = "   ";
        for (std::size_t p = 0; p < d.letters.size(); p += 6) {
            const std::string piece = " R\"(" + d.letters.substr(p, 6) + ")\"";
            if (row.size() + piece.size() > 118) {
                out += "\n" + row;
                row = "   ";
            }
            row += piece;
        }
        out += "\n" + row + ";\n\n";
    }
    out += "// clang-format on\n\n} // namespace\n\nstd::string_view DesignedThreeForSix(int numbers)\n{\n"
           "    switch (numbers) {\n";
    for (const Design& d : designs)
        out += "    case " + std::to_string(d.numbers) + ": return kThreeForSix" + std::to_string(d.numbers) + ";\n";
    out += "    default: return {};\n    }\n}\n";
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out.data(), qint64(out.size())) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(stderr, "%zu wheels written to %s\n", designs.size(), argv[1]);
    return 0;
}
