#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Letters of every script, their case folding and their base letters, for comparing words
// written in UTF-8.
namespace Numra {

// A letter or a combining mark (Unicode general categories L and M).
bool IsUnicodeLetter(char32_t c);

// Appends the full case folding of c in UTF-8 (ß becomes ss, the final sigma ς becomes σ),
// without the Turkic dotted and dotless i rules.
void AppendCaseFolded(std::string &text, char32_t c);

// Appends c case-folded and without its diacritics, for a lookup that forgives missing accents:
// É, é and e with a combining acute all become e, ñ n, ί ι, й и. Letters with a stroke
// (ł, ø, đ) lose it, æ and œ become ae and oe. Marks outside the Latin, Greek and Cyrillic
// diacritics (an Indic vowel sign) stay.
void AppendAccentFolded(std::string &text, char32_t c);

// A key made by AppendCaseFolded (valid UTF-8), without its diacritics; ASCII stays as it is.
std::string AccentFolded(std::string_view key);

// The tables, written by tools/make-letter-tables.
namespace UnicodeTables {

struct LetterRange
{
    char32_t first;
    char32_t last;
};

// Code points first, first + stride, ... up to last fold to themselves plus delta.
struct FoldRun
{
    char32_t first;
    char32_t last;
    std::int32_t delta;
    std::uint8_t stride;
};

struct FoldExpansion
{
    char32_t from;
    char32_t to[3]; // unused places are 0
};

// A case-folded code point without its diacritics: up to two letters (unused places 0), none
// for a diacritic itself. A code point without an entry stays as it is.
struct AccentFold
{
    char32_t from;
    char32_t to[2];
};

extern const LetterRange Letters[];
extern const std::size_t LetterCount;
extern const FoldRun FoldRuns[];
extern const std::size_t FoldRunCount;
extern const FoldExpansion FoldExpansions[];
extern const std::size_t FoldExpansionCount;
extern const AccentFold AccentFolds[];
extern const std::size_t AccentFoldCount;

} // namespace UnicodeTables

} // namespace Numra
