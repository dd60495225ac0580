#include "wheels/Wheel49.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <bit>
#include <optional>

namespace {

// The cyclic Golay code of length 23: the 12 shifts of its generator
// 1 + x^2 + x^4 + x^5 + x^6 + x^10 + x^11 span it; a parity bit in place 23
// extends it to length 24, minimum weight 8.
std::vector<quint32> GolayWords()
{
    constexpr quint32 generator = (1u << 0) | (1u << 2) | (1u << 4) | (1u << 5) | (1u << 6) | (1u << 10) | (1u << 11);
    std::array<quint32, 12> basis{};
    for (int i = 0; i < 12; ++i)
        basis[std::size_t(i)] = generator << i;
    std::vector<quint32> words;
    words.reserve(4096);
    for (quint32 pick = 0; pick < 4096; ++pick) {
        quint32 word = 0;
        for (int i = 0; i < 12; ++i)
            if ((pick >> i) & 1)
                word ^= basis[std::size_t(i)];
        if (std::popcount(word) % 2 != 0)
            word |= 1u << 23;
        words.push_back(word);
    }
    return words;
}

QString Problem(const QString& why)
{
    return why + QStringLiteral(" The wheel uses its own built-in pattern instead.");
}

} // namespace

std::vector<LetterSet> TripleDesign22()
{
    constexpr quint32 fixed = (1u << 22) | (1u << 23);
    std::vector<LetterSet> lines;
    for (quint32 word : GolayWords())
        if (std::popcount(word) == 8 && (word & fixed) == fixed)
            lines.push_back(LetterSet(word & ~fixed));
    return lines;
}

std::vector<std::int16_t> BuildWheel49Pattern()
{
    std::vector<std::int16_t> values;
    values.reserve(kWheel49Values);
    const auto design = TripleDesign22();
    for (int part = 0; part < 2; ++part)
        for (LetterSet line : design)
            for (LetterSet m = line; m; m &= m - 1)
                values.push_back(std::int16_t(22 * part + std::countr_zero(m) + 1));
    for (int single = 1; single <= 21; ++single) {
        values.push_back(std::int16_t(single));
        for (int p = 45; p <= 49; ++p)
            values.push_back(std::int16_t(p));
    }
    return values;
}

std::vector<LetterSet> Wheel49LineSets(const std::vector<std::int16_t>& values)
{
    std::vector<LetterSet> lines;
    for (std::size_t i = 0; i + 6 <= values.size(); i += 6) {
        LetterSet line = 0;
        for (std::size_t k = i; k < i + 6; ++k)
            if (values[k] >= 1 && values[k] <= kWheel49Numbers)
                line |= LetterSet(1) << (values[k] - 1);
        lines.push_back(line);
    }
    return lines;
}

Wheel49Proof ProveWheel49(const std::vector<LetterSet>& lines)
{
    // completes[a][b]: the positions c for which a, b and c lie in one line;
    // a draw is met exactly when it holds such three.
    constexpr int n = kWheel49Numbers;
    std::vector<std::array<LetterSet, n>> completes(n);
    for (auto& row : completes)
        row.fill(0);
    for (LetterSet line : lines)
        for (LetterSet a = line; a; a &= a - 1)
            for (LetterSet b = a & (a - 1); b; b &= b - 1) {
                const int i = std::countr_zero(a);
                const int j = std::countr_zero(b);
                const LetterSet rest = line & ~(LetterSet(1) << i) & ~(LetterSet(1) << j);
                completes[std::size_t(i)][std::size_t(j)] |= rest;
                completes[std::size_t(j)][std::size_t(i)] |= rest;
            }
    const auto pair = [&](int a, int b) { return completes[std::size_t(a)][std::size_t(b)]; };
    Wheel49Proof proof;
    for (int a = 0; a < n - 5; ++a)
        for (int b = a + 1; b < n - 4; ++b) {
            const LetterSet m2 = pair(a, b);
            for (int c = b + 1; c < n - 3; ++c) {
                const bool met3 = (m2 >> c) & 1;
                const LetterSet m3 = m2 | pair(a, c) | pair(b, c);
                for (int d = c + 1; d < n - 2; ++d) {
                    const bool met4 = met3 || ((m3 >> d) & 1);
                    const LetterSet m4 = m3 | pair(a, d) | pair(b, d) | pair(c, d);
                    for (int e = d + 1; e < n - 1; ++e) {
                        const bool met5 = met4 || ((m4 >> e) & 1);
                        const LetterSet m5 = m4 | pair(a, e) | pair(b, e) | pair(c, e) | pair(d, e);
                        for (int f = e + 1; f < n; ++f) {
                            ++proof.draws;
                            if (!met5 && !((m5 >> f) & 1))
                                ++proof.missed;
                        }
                    }
                }
            }
        }
    return proof;
}

QStringList Wheel49FileLines(const std::vector<std::int16_t>& values)
{
    QStringList lines;
    for (std::size_t i = 0; i + 6 <= values.size(); i += 6) {
        QStringList line;
        for (std::size_t k = i; k < i + 6; ++k)
            line << QString::number(values[k]);
        lines << line.join(',');
    }
    return lines;
}

std::optional<std::vector<std::int16_t>> ParseWheel49(const QStringList& lines, QString* problem)
{
    std::vector<std::int16_t> values;
    values.reserve(kWheel49Values);
    const auto fail = [&](const QString& why) -> std::optional<std::vector<std::int16_t>> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        for (const QString& field : SplitFields(line)) {
            const QString text = field.trimmed();
            bool ok = !text.isEmpty();
            for (QChar ch : text)
                ok = ok && ch >= '0' && ch <= '9';
            const int value = ok && text.size() <= 3 ? text.toInt() : 0;
            if (value < 1 || value > kWheel49Numbers)
                return fail(QStringLiteral("Value %1 of \"%2\" is \"%3\", not a number from 1 to %4.")
                                .arg(values.size() + 1)
                                .arg(QLatin1String(kWheel49FileName), text.left(20))
                                .arg(kWheel49Numbers));
            values.push_back(std::int16_t(value));
            if (int(values.size()) == kWheel49Values)
                return values;
        }
    }
    return fail(QStringLiteral("\"%1\" holds %2 numbers; the wheel needs %3.")
                    .arg(QLatin1String(kWheel49FileName))
                    .arg(values.size())
                    .arg(kWheel49Values));
}

Wheel49Pattern LoadWheel49(const QString& folder)
{
    Wheel49Pattern pattern;
    const QString path = QDir(folder).filePath(QLatin1String(kWheel49FileName));
    const QFileInfo info(path);
    if (!info.exists()) {
        pattern.values = BuildWheel49Pattern();
        QString why;
        if (WriteLines(path, Wheel49FileLines(pattern.values), &why)) {
            pattern.source = Wheel49Source::Written;
        } else {
            pattern.source = Wheel49Source::Built;
            pattern.problem = Problem(
                QStringLiteral("\"%1\" could not be written to the program folder: %2.").arg(kWheel49FileName, why));
        }
        return pattern;
    }
    // Read only as far as the 1050 values need: a long file is not read whole.
    std::optional<std::vector<std::int16_t>> values;
    QString why;
    // Only a regular file is opened: the opening of a pipe would wait for ever.
    std::optional<LineReader> file;
    if (info.isFile())
        file.emplace(path);
    if (file && file->isOpen()) {
        LineReader& reader = *file;
        QStringList lines;
        int fields = 0;
        while (fields < kWheel49Values) {
            const auto line = reader.next();
            if (!line)
                break;
            lines << *line;
            if (!line->trimmed().isEmpty())
                fields += int(line->count(',')) + 1;
        }
        values = ParseWheel49(lines, &why);
        // The window promises three numbers of every draw; a file whose lines
        // do not keep that promise is not used.
        if (values) {
            const Wheel49Proof proof = ProveWheel49(Wheel49LineSets(*values));
            if (!proof.holds()) {
                why = QStringLiteral("\"%1\" misses %2 of the draws of six, so it does not win a 3-match on "
                                     "every draw.")
                          .arg(kWheel49FileName)
                          .arg(proof.missed);
                values.reset();
            }
        }
    } else {
        why = QStringLiteral("\"%1\" cannot be read.").arg(kWheel49FileName);
    }
    if (values) {
        pattern.values = std::move(*values);
        pattern.source = Wheel49Source::File;
    } else {
        pattern.values = BuildWheel49Pattern();
        pattern.source = Wheel49Source::Built;
        pattern.problem = Problem(why);
    }
    return pattern;
}
