#pragma once

#include "core/Phrase.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Text helpers and the state the windows share. Texts are byte strings: one byte is one
// character position, and positions count from 1 with 0 meaning "not found".
namespace Numra {

// Longest text a dictionary line or field keeps; the rest of a longer line is dropped.
inline constexpr std::size_t ShortStringMax = 255;

// Written into the number text in place of each digit that the phrase covers
// (the bullet of Windows-1252, shown to the user as U+2022).
inline constexpr char UsedDigitMark = '\x95';

// A set of byte values.
class CharSet
{
public:
    constexpr CharSet() = default;
    constexpr CharSet(char first, char last)
    {
        for (int c = static_cast<unsigned char>(first); c <= static_cast<unsigned char>(last); ++c)
            add(static_cast<char>(c));
    }
    constexpr void add(char c)
    {
        const auto u = static_cast<unsigned char>(c);
        m_bits[u / 64] |= std::uint64_t{1} << (u % 64);
    }
    constexpr bool contains(char c) const
    {
        const auto u = static_cast<unsigned char>(c);
        return (m_bits[u / 64] >> (u % 64)) & 1U;
    }

private:
    std::array<std::uint64_t, 4> m_bits{};
};

inline constexpr CharSet LetterSet{'a', 'z'};
inline constexpr CharSet LastDigitSet{'0', '9'};
inline constexpr CharSet FirstDigitSet{'0', '9'};

// The phrase being built and the word last chosen for it, where the correction window's
// affixes apply.
struct NumraState
{
    std::string SelectedWord;
    std::string SelectedNumber;
    std::int32_t SelectedPosition = 0;
    std::int32_t AffixPosition = 0;
    Phrase SelectedPhrase;
};

struct Record
{
    std::string number;
    std::string word;
    std::string cls;
};

// Splits a dictionary line into its three fields; false when the line is not a record.
bool SplitRecord(std::string_view line, std::string &number, std::string &word, std::string &cls,
                 std::size_t maxLength = ShortStringMax);
bool SplitRecord(std::string_view line, Record &record);
// SplitRecord, with the word as the user sees it: in UTF-8, read by its line's rule
// (IsUtf8Line). The number stays the line's bytes, which the number text is matched against.
bool SplitShownRecord(std::string_view line, Record &record);

std::string KeepLetters(std::string_view source);
std::string RemoveParenthesized(std::string_view source);

// Position of the first / last occurrence of pattern in text, 0 when there is none
// (also for an empty pattern).
int FirstPos(std::string_view pattern, std::string_view text);
int LastPos(std::string_view pattern, std::string_view text);

int FirstDigitPos(std::string_view text);
int LastDigitPos(std::string_view text);

// A space or a control character, which the copy and button rules trim.
constexpr bool IsBlank(char32_t c)
{
    return c <= U' ';
}

// Removes leading and trailing blanks (IsBlank), as the copy and button rules do.
std::string_view Trim(std::string_view text);

// Adds a word to a phrase's text, trimmed and after a single space; a blank word adds nothing.
void AppendWord(std::string &text, std::string_view word);

} // namespace Numra
