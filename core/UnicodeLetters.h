#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Letters of every script and their case folding, for comparing words written in UTF-8.
namespace Numra {

// A letter or a combining mark (Unicode general categories L and M).
bool IsUnicodeLetter(char32_t c);

// Appends the full case folding of c in UTF-8 (ß becomes ss, the final sigma ς becomes σ),
// without the Turkic dotted and dotless i rules.
void AppendCaseFolded(std::string &text, char32_t c);

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

extern const LetterRange Letters[];
extern const std::size_t LetterCount;
extern const FoldRun FoldRuns[];
extern const std::size_t FoldRunCount;
extern const FoldExpansion FoldExpansions[];
extern const std::size_t FoldExpansionCount;

} // namespace UnicodeTables

} // namespace Numra
