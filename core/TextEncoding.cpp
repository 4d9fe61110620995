#include "core/TextEncoding.h"

#include "core/NumraGlobal.h"

#include <algorithm>

namespace Numra {

char32_t FromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) {
        const char16_t c = Windows1252High[byte - 0x80];
        return c ? c : byte;
    }
    return byte;
}

char ToWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < Windows1252High.size(); ++i) {
        if (Windows1252High[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return UnmappableByte;
}

bool DecodeUtf8(std::string_view text, std::size_t &pos, char32_t &c)
{
    if (pos >= text.size())
        return false;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    }
    std::size_t length;
    char32_t value;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return false;
    }
    if (text.size() - pos < length)
        return false;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    c = value;
    pos += length;
    return true;
}

bool IsUtf8(std::string_view text)
{
    std::size_t pos = 0;
    char32_t c;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80)
            ++pos;
        else if (!DecodeUtf8(text, pos, c))
            return false;
    }
    return true;
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AppendUtf8(std::string &text, char32_t c)
{
    if (c < 0x80) {
        text.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (c >> 6)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (c >> 12)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (c >> 18)));
        text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string Utf8FromWindows1252(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 2);
    for (char b : text)
        AppendUtf8(utf8, FromWindows1252(static_cast<unsigned char>(b)));
    return utf8;
}

namespace {

// Whether the bytes begin a UTF-8 sequence, well formed so far, that they do not finish.
bool beginsSequence(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (bytes.size() >= length)
        return false;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        // The second byte rules out overlong forms, surrogates and code points past U+10FFFF.
        const unsigned char least = i == 1 && lead == 0xE0   ? 0xA0
                                    : i == 1 && lead == 0xF0 ? 0x90
                                                             : 0x80;
        const unsigned char most = i == 1 && lead == 0xED   ? 0x9F
                                   : i == 1 && lead == 0xF4 ? 0x8F
                                                            : 0xBF;
        if (next < least || next > most)
            return false;
    }
    return true;
}

} // namespace

bool IsUtf8Line(std::string_view line)
{
    if (IsUtf8(line))
        return true;
    if (line.size() < ShortStringMax)
        return false;
    for (std::size_t tail = 1; tail <= 3 && tail <= line.size(); ++tail) {
        const std::size_t start = line.size() - tail;
        if (beginsSequence(line.substr(start)))
            return IsUtf8(line.substr(0, start));
    }
    return false;
}

std::string LineTextAsUtf8(std::string_view text, bool utf8Line)
{
    return utf8Line ? std::string(text) : Utf8FromWindows1252(text);
}

std::string FieldBytesFromUtf8(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    std::size_t pos = 0;
    char32_t c;
    while (pos < text.size()) {
        if (DecodeUtf8(text, pos, c)) {
            bytes.push_back(ToWindows1252(c));
        } else {
            bytes.push_back(UnmappableByte);
            ++pos;
        }
    }
    return bytes;
}

} // namespace Numra
