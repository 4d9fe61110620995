#pragma once

// Slow, obvious versions of the dictionary readers, written from the rules alone and sharing no
// code with core/: the fast passes (the number index, the block reader, the hashed lookup) must
// agree with them on every input.

#include "core/AffixTable.h"
#include "core/Conversion.h"
#include "core/TextEncoding.h"
#include "core/UnicodeLetters.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace Reference {

using Numra::Placement;
using Numra::Record;

inline constexpr std::size_t Max = 255;

inline std::string cut(std::string_view text)
{
    return std::string(text.substr(0, text.size() < Max ? text.size() : Max));
}

// Position counting from 1 of the first occurrence, 0 for none or an empty pattern.
inline int naiveFirstPos(std::string_view pattern, std::string_view text)
{
    if (pattern.empty() || pattern.size() > text.size())
        return 0;
    for (std::size_t k = 0; k + pattern.size() <= text.size(); ++k) {
        if (text.substr(k, pattern.size()) == pattern)
            return int(k) + 1;
    }
    return 0;
}

// From the far end down to the first occurrence, the first start that holds the pattern.
// Occurrences may overlap: "aa" in "aaa" is at 2.
inline int naiveLastPos(std::string_view pattern, std::string_view text)
{
    const int first = naiveFirstPos(pattern, text);
    if (first == 0)
        return 0;
    for (int k = int(text.size() - pattern.size()) + 1; k > first; --k) {
        if (text.substr(std::size_t(k) - 1, pattern.size()) == pattern)
            return k;
    }
    return first;
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int naiveFirstDigitPos(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i]))
            return int(i) + 1;
    }
    return 0;
}

inline int naiveLastDigitPos(std::string_view text)
{
    int found = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i]))
            found = int(i) + 1;
    }
    return found;
}

inline std::string naiveRemoveParenthesized(std::string_view source)
{
    std::string output(source);
    for (;;) {
        const int f = naiveFirstPos(")", output);
        const int l = naiveLastPos("(", output);
        if (f == 0 || l == 0 || l >= f)
            return output;
        output = output.substr(0, std::size_t(l) - 1) + output.substr(std::size_t(f));
    }
}

inline std::string naiveKeepLetters(std::string_view source)
{
    std::string output;
    for (char c : source) {
        if (c >= 'a' && c <= 'z' && output.size() < Max)
            output += c;
    }
    return output;
}

inline bool naiveSplitRecord(std::string_view line, Record &record)
{
    const std::string copy = naiveRemoveParenthesized(line);
    const int first = naiveFirstPos(",", copy);
    if (first == 0)
        return false;
    record.number = cut(copy.substr(0, std::size_t(first) - 1));
    if (record.number.empty())
        return false;
    const std::string rest = copy.substr(std::size_t(first));
    const int second = naiveFirstPos(",", rest);
    if (second == 0)
        return false;
    record.word = cut(rest.substr(0, std::size_t(second) - 1));
    if (record.word.empty())
        return false;
    record.cls = rest.substr(std::size_t(second), 1);
    return !record.cls.empty();
}

// The code points of text, false when it is not well-formed UTF-8: a sequence is well formed
// when it encodes back to the same bytes, in the shortest form, outside the surrogates.
inline bool naiveDecodeUtf8(std::string_view text, std::u32string &decoded)
{
    decoded.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC0 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF8 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < 0x80 || next > 0xBF)
                return false;
            c = c * 64 + (next - 0x80);
        }
        const std::size_t shortest = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (shortest != length || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        decoded += c;
        i += length;
    }
    return true;
}

// A cut at Max bytes that splits a well-formed character drops that character whole.
inline std::string naiveCutUtf8(std::string_view text)
{
    std::u32string decoded;
    if (text.size() <= Max || naiveDecodeUtf8(text.substr(0, Max), decoded))
        return cut(text);
    for (std::size_t start = Max - 1; start + 3 >= Max; --start) {
        for (std::size_t length = Max + 1 - start; length <= 4 && start + length <= text.size();
             ++length) {
            if (naiveDecodeUtf8(text.substr(start, length), decoded) && decoded.size() == 1 &&
                naiveDecodeUtf8(text.substr(0, start), decoded))
                return std::string(text.substr(0, start));
        }
    }
    return cut(text);
}

// The bytes of a Windows-1252 character in UTF-8; the code page's table is data, taken from
// the core (tst_TextEncoding checks it both ways).
inline std::string naiveUtf8FromWindows1252(std::string_view text)
{
    std::string utf8;
    for (char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b >= 0x80 && b < 0xA0 && Numra::Windows1252High[b - 0x80]
                               ? Numra::Windows1252High[b - 0x80]
                               : b;
        if (c < 0x80) {
            utf8 += char(c);
        } else if (c < 0x800) {
            utf8 += char(0xC0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3F));
        } else {
            utf8 += char(0xE0 | (c >> 12));
            utf8 += char(0x80 | ((c >> 6) & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

// A line is UTF-8 when its kept bytes are; a line cut at Max bytes may end in the first bytes of
// a character, which some continuation would make whole.
inline bool naiveIsUtf8Line(std::string_view line)
{
    std::u32string decoded;
    if (naiveDecodeUtf8(line, decoded))
        return true;
    if (line.size() != Max)
        return false;
    for (std::size_t kept = 1; kept <= 3; ++kept) {
        const std::string_view head = line.substr(0, Max - kept);
        const std::string tail(line.substr(Max - kept));
        if (!naiveDecodeUtf8(head, decoded))
            continue;
        for (std::size_t length = kept + 1; length <= 4; ++length) {
            for (int second = 0x80; second <= 0xBF; ++second) {
                std::string whole = tail;
                if (whole.size() == 1)
                    whole += char(second);
                whole.resize(length, char(0x80));
                if (naiveDecodeUtf8(whole, decoded) && decoded.size() == 1)
                    return true;
            }
        }
    }
    return false;
}

// The letter, folding and accent tables are data (checked in tst_UnicodeLetters, the folding
// against Qt's); the rule around them is written here afresh. Text is read as UTF-8 or as
// Windows-1252, and in either the letters of every script count; a bare key is also without
// diacritics.
inline std::string naiveKeyOf(std::string_view text, bool utf8, bool bare = false)
{
    std::u32string decoded;
    const std::string removed = naiveRemoveParenthesized(text);
    naiveDecodeUtf8(utf8 ? removed : naiveUtf8FromWindows1252(removed), decoded);
    std::string key;
    for (char32_t c : decoded) {
        if (Numra::IsUnicodeLetter(c))
            (bare ? Numra::AppendAccentFolded : Numra::AppendCaseFolded)(key, c);
    }
    return key;
}

// Typed text goes by its own bytes: UTF-8 when they are, Windows-1252 when not.
inline std::string naiveWordKey(std::string_view text, bool bare = false)
{
    const std::string kept = naiveCutUtf8(text);
    std::u32string decoded;
    return naiveKeyOf(kept, naiveDecodeUtf8(kept, decoded), bare);
}

// A record's word goes by its line.
inline std::string naiveShownWord(std::string_view line, std::string_view word)
{
    return naiveIsUtf8Line(line) ? std::string(word) : naiveUtf8FromWindows1252(word);
}

// LF, CRLF and CR each end a line; a break at the very end starts no further line. A UTF-8
// byte-order mark at the very start is no part of the first line.
inline std::vector<std::string> naiveSplitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        lines.push_back(cut(bytes.substr(start, end - start)));
        start = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && start < bytes.size() &&
            bytes[start] == '\n')
            ++start;
    }
    return lines;
}

// Every line is examined, the last one too; the records that fit, in file order, and when asked
// the number of each one's line, from 1.
inline std::vector<Record> naiveConvert(const std::vector<std::string> &lines,
                                        std::string_view number, Placement placement,
                                        std::int64_t &examined,
                                        std::vector<std::int64_t> *lineNumbers = nullptr)
{
    const std::string text = cut(number);
    const int left = naiveFirstDigitPos(text);
    const int right = naiveLastDigitPos(text);
    std::vector<Record> accepted;
    examined = 0;
    for (const std::string &whole : lines) {
        const std::string line = cut(whole);
        ++examined;
        const int comma = naiveFirstPos(",", line);
        if (comma == 0)
            continue;
        const int p = naiveFirstPos(line.substr(0, std::size_t(comma) - 1), text);
        if (p == 0)
            continue;
        Record r;
        if (!naiveSplitRecord(line, r))
            continue;
        bool fits = placement == Placement::AnyPoint;
        if (placement == Placement::Left)
            fits = p == left;
        if (placement == Placement::Right) {
            const int last = naiveLastPos(r.number, text);
            fits = last > 0 && last + int(r.number.size()) - 1 == right;
        }
        r.word = naiveShownWord(line, r.word);
        if (!fits)
            continue;
        accepted.push_back(r);
        if (lineNumbers)
            lineNumbers->push_back(examined);
    }
    return accepted;
}

// Every distinct number of the records whose word has the typed word's key, first seen first,
// then those of the words that have its key only without diacritics.
inline std::vector<std::string> naiveLookup(const std::vector<std::string> &lines,
                                            std::string_view typedWord, std::int64_t &examined)
{
    const std::string key = naiveWordKey(typedWord);
    const std::string bare = naiveWordKey(typedWord, true);
    std::vector<std::string> numbers;
    std::vector<std::string> bareNumbers;
    std::set<std::string> seen;
    examined = 0;
    for (const std::string &line : lines) {
        ++examined;
        Record r;
        if (!naiveSplitRecord(cut(line), r))
            continue;
        const bool utf8 = naiveIsUtf8Line(cut(line));
        if (!utf8)
            r.number = naiveUtf8FromWindows1252(r.number);
        if (naiveKeyOf(r.word, utf8) == key && seen.insert(r.number).second)
            numbers.push_back(r.number);
        if (naiveKeyOf(r.word, utf8, true) == bare)
            bareNumbers.push_back(r.number);
    }
    // The words that match only without accents come after those that match as typed.
    for (const std::string &number : bareNumbers) {
        if (seen.insert(number).second)
            numbers.push_back(number);
    }
    return numbers;
}

inline Numra::AffixTable naiveAffixTable(const std::vector<std::string> &lines)
{
    Numra::AffixTable table;
    for (const std::string &line : lines) {
        Record r;
        if (!naiveSplitRecord(cut(line), r))
            continue;
        r.word = naiveShownWord(cut(line), r.word);
        if (r.word.front() == '-')
            table.push_back({Numra::SuffixKind, r.word, r.number});
        if (r.word.back() == '-')
            table.push_back({Numra::PrefixKind, r.word, r.number});
    }
    return table;
}

inline bool sameRecord(const Record &a, const Record &b)
{
    return a.number == b.number && a.word == b.word && a.cls == b.cls;
}

} // namespace Reference
