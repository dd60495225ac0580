#include "wheels/WheelCheck.h"

#include <array>
#include <bit>
#include <memory>

namespace {

// Bits from..63 (none when from is 64 or more).
LetterSet BitsFrom(int from) { return from >= 64 ? 0 : ~LetterSet(0) << from; }
// Bits 0..n-1.
LetterSet FirstBits(int n) { return n >= 64 ? ~LetterSet(0) : (LetterSet(1) << n) - 1; }

void Keep(WheelCheck& out, LetterSet set, std::size_t keep)
{
    if (out.missed.size() < keep)
        out.missed.push_back(set);
}

// The walk of the fast check for a match of three. pair[a][b] holds the
// letters c for which a, b and c lie together in some line, so a chosen set
// meets a line in three letters exactly when it holds such a triple.
class TripleWalk {
public:
    TripleWalk(const std::vector<LetterSet>& lines, int letters, int drawn, std::size_t keep, WheelCheck& out)
        : pair_(std::make_unique<std::array<std::array<LetterSet, 64>, 64>>()), letters_(letters), drawn_(drawn),
          keep_(keep), all_(FirstBits(letters)), out_(out)
    {
        for (auto& row : *pair_)
            row.fill(0);
        for (LetterSet line : lines) {
            line &= all_;
            for (LetterSet a = line; a; a &= a - 1) {
                const int i = std::countr_zero(a);
                for (LetterSet b = a & (a - 1); b; b &= b - 1) {
                    const int j = std::countr_zero(b);
                    const LetterSet rest = line & ~(LetterSet(1) << i) & ~(LetterSet(1) << j);
                    (*pair_)[std::size_t(i)][std::size_t(j)] |= rest;
                    (*pair_)[std::size_t(j)][std::size_t(i)] |= rest;
                }
            }
        }
    }

    // `chosen` holds `count` letters, all below `next`, no three of them in
    // one line; `completes` is every letter that would make such a three.
    void walk(int count, int next, LetterSet chosen, LetterSet completes)
    {
        const int need = drawn_ - count;
        if (need == 0) { // only reached when drawn is 0
            ++out_.sets;
            ++out_.missedCount;
            Keep(out_, chosen, keep_);
            return;
        }
        if (need == 1) {
            const LetterSet candidates = all_ & BitsFrom(next);
            const LetterSet missed = candidates & ~completes;
            out_.sets += quint64(std::popcount(candidates));
            out_.missedCount += quint64(std::popcount(missed));
            for (LetterSet m = missed; m && out_.missed.size() < keep_; m &= m - 1)
                out_.missed.push_back(chosen | (m & (~m + 1)));
            return;
        }
        for (int x = next; x <= letters_ - need; ++x) {
            if ((completes >> x) & 1) {
                // Every set holding these letters and x is met.
                out_.sets += Binomial(letters_ - 1 - x, need - 1);
                continue;
            }
            LetterSet more = completes;
            for (LetterSet a = chosen; a; a &= a - 1)
                more |= (*pair_)[std::size_t(std::countr_zero(a))][std::size_t(x)];
            walk(count + 1, x + 1, chosen | (LetterSet(1) << x), more);
        }
    }

private:
    std::unique_ptr<std::array<std::array<LetterSet, 64>, 64>> pair_;
    int letters_;
    int drawn_;
    std::size_t keep_;
    LetterSet all_;
    WheelCheck& out_;
};

} // namespace

std::vector<LetterSet> WheelLineSets(std::string_view table, int lineLetters)
{
    std::vector<LetterSet> lines;
    if (lineLetters < 1)
        return lines;
    for (std::size_t p = 0; p < table.size(); p += std::size_t(lineLetters)) {
        LetterSet line = 0;
        for (std::size_t i = p; i < table.size() && i < p + std::size_t(lineLetters); ++i) {
            const int bit = int(static_cast<unsigned char>(table[i])) - 65;
            if (bit >= 0 && bit < kMaxWheelLetters)
                line |= LetterSet(1) << bit;
        }
        lines.push_back(line);
    }
    return lines;
}

QString LetterSetText(LetterSet set)
{
    QString text;
    for (; set; set &= set - 1)
        text += QChar(65 + std::countr_zero(set));
    return text;
}

LetterSet LetterSetOf(std::string_view letters) { return WheelLineSets(letters, int(letters.size()) + 1).at(0); }

quint64 Binomial(int n, int k)
{
    static const auto table = [] {
        std::array<std::array<quint64, 65>, 65> c{};
        for (int i = 0; i <= 64; ++i) {
            c[std::size_t(i)][0] = 1;
            for (int j = 1; j <= i; ++j)
                c[std::size_t(i)][std::size_t(j)] =
                    c[std::size_t(i - 1)][std::size_t(j - 1)] + (j < i ? c[std::size_t(i - 1)][std::size_t(j)] : 0);
        }
        return c;
    }();
    if (n < 0 || n > 64 || k < 0 || k > n)
        return 0;
    return table[std::size_t(n)][std::size_t(k)];
}

WheelCheck CheckWheel(const std::vector<LetterSet>& lines, int letters, int drawn, int match, std::size_t keepMissed)
{
    if (match != 3 || letters < 0 || letters > kMaxWheelLetters || drawn < 0 || drawn > letters)
        return CheckWheelNaive(lines, letters, drawn, match, keepMissed);
    WheelCheck out;
    TripleWalk(lines, letters, drawn, keepMissed, out).walk(0, 0, 0, 0);
    return out;
}

WheelCheck CheckWheelNaive(const std::vector<LetterSet>& lines, int letters, int drawn, int match,
                           std::size_t keepMissed)
{
    WheelCheck out;
    if (letters < 0 || letters >= kMaxWheelLetters || drawn < 0 || drawn > letters)
        return out;
    const auto met = [&](LetterSet set) {
        for (LetterSet line : lines)
            if (std::popcount(line & set) >= match)
                return true;
        return false;
    };
    const auto visit = [&](LetterSet set) {
        ++out.sets;
        if (!met(set)) {
            ++out.missedCount;
            Keep(out, set, keepMissed);
        }
    };
    if (drawn == 0) {
        visit(0);
        return out;
    }
    // Every set of `drawn` bits below bit `letters`, in ascending order of
    // value (the next set with as many bits, Gosper's way).
    const LetterSet end = LetterSet(1) << letters;
    for (LetterSet set = FirstBits(drawn); set < end;) {
        visit(set);
        const LetterSet low = set & (~set + 1);
        const LetterSet ripple = set + low;
        set = (((ripple ^ set) >> 2) / low) | ripple;
    }
    return out;
}
