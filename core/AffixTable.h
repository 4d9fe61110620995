#pragma once

#include "core/DictionaryFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Numra {

enum AffixKind : std::uint8_t { SuffixKind = 0, PrefixKind = 1 };

struct AffixEntry
{
    std::uint8_t Kind = SuffixKind;
    std::string Affix;
    std::string Number;

    friend bool operator==(const AffixEntry &, const AffixEntry &) = default;
};

// Every prefix and suffix of the dictionary, in file order; no fixed capacity.
using AffixTable = std::vector<AffixEntry>;

// A word beginning with "-" is a suffix, one ending with "-" a prefix, and a lone "-" is both.
inline bool IsSuffixWord(std::string_view word)
{
    return !word.empty() && word.front() == '-';
}
inline bool IsPrefixWord(std::string_view word)
{
    return !word.empty() && word.back() == '-';
}
inline bool IsAffixWord(std::string_view word)
{
    return IsSuffixWord(word) || IsPrefixWord(word);
}

// The entries a record gives, by the rule above.
void AddAffixes(const Record &record, AffixTable &table);

// Empties the table and fills it from the dictionary, each affix in UTF-8 as its line reads;
// after a read error the entries taken so far stay.
DictionaryError ReadAffixTable(DictionaryFile &file, AffixTable &table);

// An affix joined to the chosen word, as the correction window offers it.
struct AffixCombination
{
    std::string word;
    std::string digits;
    std::int32_t position = 0;
};

// The prefixes and suffixes whose digits touch the word at position: a suffix's digits start
// right after the word's, a prefix's end right before them. In table order; an entry keeps the
// kind it is listed under.
std::vector<AffixEntry> MatchingAffixes(const AffixTable &table, std::string_view numberText,
                                        int position, std::size_t digitsLength);

AffixCombination JoinAffix(const AffixEntry &affix, std::string_view word, std::string_view digits,
                           std::int32_t position);

} // namespace Numra
