#include "platform/Text.h"

#include <cmath>

double Val(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    QString number;
    if (i < n && (text[i] == '-' || text[i] == '+'))
        number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    return number.toDouble();
}

QString Str(double value)
{
    QString digits;
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        digits = QString::number(static_cast<long long>(value));
    else
        digits = QString::number(value, 'g', 15);
    return value < 0 ? digits : " " + digits;
}

std::int16_t ToCell(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return 0;
    return static_cast<std::int16_t>(rounded);
}

std::int16_t CellFromText(QStringView text)
{
    // Plain whole numbers are by far the most common: read them directly.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const bool negative = i < n && text[i] == '-';
    if (i < n && (text[i] == '-' || text[i] == '+'))
        ++i;
    long value = 0;
    int digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9' && digits < 9) {
        value = value * 10 + (text[i].unicode() - '0');
        ++digits;
        ++i;
    }
    const bool more = i < n && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.');
    if (more)
        return ToCell(Val(text.toString()));
    if (digits == 0)
        return 0;
    return ToCell(double(negative ? -value : value));
}

std::uint32_t ColourFromText(const QString& text, std::uint32_t fallback)
{
    QString t = text.trimmed();
    if (!t.startsWith("&H", Qt::CaseInsensitive))
        return fallback;
    t = t.mid(2);
    if (t.endsWith('&'))
        t.chop(1);
    if (t.isEmpty() || t.size() > 8)
        return fallback;
    bool ok = false;
    const std::uint32_t value = t.toUInt(&ok, 16);
    return ok ? value : fallback;
}

QString ColourToText(std::uint32_t value) { return "&H" + QString::number(value, 16).toUpper(); }

bool IsSystemColour(std::uint32_t value) { return (value & 0x80000000u) != 0; }

namespace {
// Windows-1252 differs from Latin-1 in 0x80 to 0x9F.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

char16_t Windows1252Char(unsigned char byte)
{
    return (byte >= 0x80 && byte < 0xA0) ? kCp1252High[byte - 0x80] : char16_t(byte);
}

int Windows1252Code(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return int(character);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == character)
            return 0x80 + i;
    return '?';
}
