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
// 77-line design on 22 letters. The four-for-three parts of 16, 17, 25 and 26
// letters are built from those (see FourForThree); the others are found by
// simulated annealing with fixed seeds, so every run writes the same file
// (in about three and a half minutes on three cores).
// Every part and every wheel is proven with the checker before it is written.

#include "wheels/GuaranteedTables.h"
#include "wheels/Wheel49.h"
#include "wheels/WheelCheck.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <thread>
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

// Four-for-three part on n letters with exactly `size` lines, by simulated
// annealing on the count of fours with no line holding three of them. A step
// moves one letter of one line: half the steps, while some four is left, take
// a line holding two of a random such four and move one of its other letters
// to one of the four's missing two; the others move a letter at random.
class Annealer {
public:
    Annealer(int n, int size, unsigned seed) : n_(n), random_(seed)
    {
        for (int p = 0; p < 64; ++p)
            for (int k = 1; k <= 4; ++k)
                choose_[k][p] = int(Binomial(p, k));
        quads_.assign(Binomial(n, 4), 0);
        uncovered_ = long(quads_.size());
        for (int i = 0; i < size; ++i) {
            lines_.push_back(randomLine());
            add(lines_.back());
        }
    }

    // The lines once every four is met; empty when the steps run out first.
    Lines run(long steps)
    {
        std::uniform_real_distribution<double> unit(0, 1);
        for (long step = 0; step < steps && uncovered_ > 0; ++step) {
            const double temperature = 1.0 * std::pow(0.05, double(step) / double(steps));
            std::size_t i = random_() % lines_.size();
            LetterSet out = NthBit(lines_[i], int(random_() % 6));
            LetterSet in = NthBit(~lines_[i] & all(), int(random_() % unsigned(n_ - 6)));
            if (random_() % 2 == 0) {
                std::size_t q = random_() % quads_.size();
                while (quads_[q] != 0)
                    q = (q + 1) % quads_.size();
                const LetterSet quad = unrank(q);
                std::vector<std::size_t> two;
                for (std::size_t k = 0; k < lines_.size(); ++k)
                    if (std::popcount(lines_[k] & quad) == 2)
                        two.push_back(k);
                if (!two.empty()) {
                    i = two[random_() % two.size()];
                    out = NthBit(lines_[i] & ~quad, int(random_() % 4));
                    in = NthBit(quad & ~lines_[i], int(random_() % 2));
                }
            }
            const LetterSet old = lines_[i];
            const long before = uncovered_;
            move(old, out, in);
            const long delta = uncovered_ - before;
            if (delta <= 0 || unit(random_) < std::exp(-double(delta) / temperature))
                lines_[i] = (old & ~out) | in;
            else
                move((old & ~out) | in, in, out);
        }
        return uncovered_ == 0 ? lines_ : Lines();
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

    // Colex rank of a set of four letters, and back.
    std::size_t rank(LetterSet set) const
    {
        int r = 0;
        int k = 1;
        for (; set; set &= set - 1)
            r += choose_[k++][std::countr_zero(set)];
        return std::size_t(r);
    }
    LetterSet unrank(std::size_t r) const
    {
        LetterSet set = 0;
        int left = int(r);
        for (int k = 4; k >= 1; --k) {
            int p = k - 1;
            while (p + 1 < n_ && choose_[k][p + 1] <= left)
                ++p;
            set |= LetterSet(1) << p;
            left -= choose_[k][p];
        }
        return set;
    }

    void count(LetterSet quad, int by)
    {
        int& c = quads_[rank(quad)];
        if (c == 0 && by > 0)
            --uncovered_;
        c += by;
        if (c == 0)
            ++uncovered_;
    }

    // A new line: every four holding three of its letters.
    void add(LetterSet line)
    {
        const LetterSet outside = all() & ~line;
        for (LetterSet a = line; a; a &= a - 1)
            for (LetterSet b = a & (a - 1); b; b &= b - 1)
                for (LetterSet c = b & (b - 1); c; c &= c - 1) {
                    const LetterSet triple = Lowest(a) | Lowest(b) | Lowest(c);
                    for (LetterSet z = outside; z; z &= z - 1)
                        count(triple | Lowest(z), +1);
                    for (LetterSet z = c & (c - 1); z; z &= z - 1) // four inside the line
                        count(triple | Lowest(z), +1);
                }
    }

    // Line `line` takes letter `in` for `out`: the fours that hold `out`, two
    // of the five kept letters and a letter outside both lines lose it, those
    // with `in` in place of `out` gain it.
    void move(LetterSet line, LetterSet out, LetterSet in)
    {
        const LetterSet kept = line & ~out;
        const LetterSet outside = all() & ~line & ~in;
        for (LetterSet a = kept; a; a &= a - 1)
            for (LetterSet b = a & (a - 1); b; b &= b - 1) {
                const LetterSet pair = Lowest(a) | Lowest(b);
                for (LetterSet z = outside; z; z &= z - 1) {
                    count(pair | out | Lowest(z), -1);
                    count(pair | in | Lowest(z), +1);
                }
            }
    }

    int n_;
    int choose_[5][64] = {};
    std::mt19937_64 random_;
    Lines lines_;
    std::vector<int> quads_;
    long uncovered_ = 0;
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
    } else if ((n == 25 && size == 84) || (n == 26 && size == 88)) {
        // The 22-letter design (every four with three of its letters is met)
        // and the y = n - 22 other letters in lines with 6 - y of the design's
        // letters each, for all of them but at most one: a four with two of
        // the others and two design letters holds one of those, and a four
        // with three or four of the others meets any of these lines.
        part.lines = TripleDesign22();
        const int others = n - 22;
        const LetterSet rest = ((LetterSet(1) << others) - 1) << 22;
        for (int from = 0; from < 21; from += 6 - others)
            part.lines.push_back(rest | (((LetterSet(1) << (6 - others)) - 1) << from));
        part.how = "the 22-letter design, and the other " + std::to_string(others) + " letters with "
            + std::to_string(6 - others) + " of its letters at a time";
    } else {
        // Seeds are tried three at a time, each on its own thread; the lowest
        // seed of the first three that gives a part wins, so every run
        // writes the same part.
        const auto start = std::chrono::steady_clock::now();
        for (unsigned first = 1; part.lines.empty(); first += 3) {
            std::array<Lines, 3> results;
            std::vector<std::thread> threads;
            for (unsigned k = 0; k < 3; ++k)
                threads.emplace_back([&, k] { results[k] = Annealer(n, size, first + k).run(4000000); });
            for (auto& t : threads)
                t.join();
            for (unsigned k = 0; k < 3 && part.lines.empty(); ++k)
                if (!results[k].empty()) {
                    part.lines = results[k];
                    char how[80];
                    std::snprintf(how, sizeof how, "annealing, seed %u, %.0f s", first + k,
                                  std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
                    part.how = how;
                }
        }
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
            const std::string literal = " R\"(" + d.letters.substr(p, 6) + ")\"";
            if (row.size() + literal.size() > 118) {
                out += "\n" + row;
                row = "   ";
            }
            row += literal;
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
