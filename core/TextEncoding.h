#pragma once

#include <array>
#include <string>
#include <string_view>

// The byte encodings the core meets at its edges: UTF-8 from the command line and the windows,
// Windows-1252 in old dictionaries and in the number field's one-byte-per-character text.
namespace Numra {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
inline constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Stands for a character the code page cannot hold; never a digit, never the used-digit mark.
inline constexpr char UnmappableByte = '\x1A';

// An undefined byte stands for the control character of the same value.
char32_t FromWindows1252(unsigned char byte);
char ToWindows1252(char32_t c);

// Decodes the sequence at text[pos] and moves pos past it; false, pos unchanged, when the bytes
// there are not well-formed UTF-8 (overlong forms and surrogates are not).
bool DecodeUtf8(std::string_view text, std::size_t &pos, char32_t &c);
bool IsUtf8(std::string_view text);
bool IsAscii(std::string_view text);
void AppendUtf8(std::string &text, char32_t c);
std::string Utf8FromWindows1252(std::string_view text);

// The rule by which a dictionary line and every word on it are read: UTF-8 when the line is
// UTF-8, Windows-1252 otherwise. A line the reader cut at its length limit may end inside a
// character; that does not make it Windows-1252.
bool IsUtf8Line(std::string_view line);
// Text of a line, in UTF-8 by the line's rule.
std::string LineTextAsUtf8(std::string_view text, bool utf8Line);

// UTF-8 text as the number field holds it: one byte per character, see ToWindows1252. Each byte
// of a malformed sequence counts as one character that the code page cannot hold.
std::string FieldBytesFromUtf8(std::string_view text);

} // namespace Numra
