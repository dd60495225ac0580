#pragma once
// Numbers and colours held as text, read and written the way the program's
// files expect.

#include <QString>
#include <cstdint>

// The leading number of a text: blanks skipped, an optional sign, digits and
// one decimal point. 0 when the text does not start with a number.
double Val(const QString& text);

// A number as text, with a leading blank when it is not negative (" 5", "-5").
QString Str(double value);

// The whole number nearest to value, halves to the even neighbour, as a 16-bit
// cell. A value that does not fit in 16 bits reads as 0.
std::int16_t ToCell(double value);

// The leading number of a text, rounded into a 16-bit cell as ToCell does.
std::int16_t CellFromText(QStringView text);

// Colour texts: "&H" followed by hexadecimal digits, red in the lowest byte.
// A value with the top bit set names a system colour by its low byte.
std::uint32_t ColourFromText(const QString& text, std::uint32_t fallback = 0);
// "&H" and upper-case hex digits, without leading zeros ("&HA0", "&H8000000F").
QString ColourToText(std::uint32_t value);
bool IsSystemColour(std::uint32_t value);

// Windows-1252, the code table of older files and of the numerology seed:
// the character of a byte, and the byte of a character (63, "?", for one
// the table does not hold).
char16_t Windows1252Char(unsigned char byte);
int Windows1252Code(char32_t character);
