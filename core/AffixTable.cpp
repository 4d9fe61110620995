#include "core/AffixTable.h"

#include <algorithm>

namespace Numra {

void AddAffixes(const Record &record, AffixTable &table)
{
    if (IsSuffixWord(record.word))
        table.push_back({SuffixKind, record.word, record.number});
    if (IsPrefixWord(record.word))
        table.push_back({PrefixKind, record.word, record.number});
}

DictionaryError ReadAffixTable(DictionaryFile &file, AffixTable &table)
{
    table.clear();
    Record record;
    return ReadDictionary(file, [&](std::string_view line) {
        // Only a line holding a hyphen can give an affix; skip the split for all others.
        if (line.find('-') != std::string_view::npos && SplitShownRecord(line, record))
            AddAffixes(record, table);
    });
}

std::vector<AffixEntry> MatchingAffixes(const AffixTable &table, std::string_view numberText,
                                        int position, std::size_t digitsLength)
{
    const std::size_t start =
        std::min(static_cast<std::size_t>(std::max(position - 1, 0)), numberText.size());
    const std::string_view before = numberText.substr(0, start);
    const std::size_t end = start + digitsLength;
    const std::string_view after = end < numberText.size() ? numberText.substr(end) : "";

    std::vector<AffixEntry> matches;
    for (const AffixEntry &entry : table) {
        bool touches = false;
        if (entry.Kind == SuffixKind) {
            touches = FirstPos(entry.Number, after) == 1;
        } else if (entry.Kind == PrefixKind) {
            // Its digits must end right before the word, not merely occur somewhere before it.
            touches = entry.Number.size() <= before.size() &&
                      LastPos(entry.Number, before) ==
                          static_cast<int>(before.size() - entry.Number.size()) + 1;
        }
        if (touches)
            matches.push_back(entry);
    }
    return matches;
}

AffixCombination JoinAffix(const AffixEntry &affix, std::string_view word, std::string_view digits,
                           std::int32_t position)
{
    const std::string_view wordDigits = Trim(digits);
    const std::string_view affixDigits = Trim(affix.Number);
    if (affix.Kind == SuffixKind) {
        return {std::string(word) + affix.Affix, std::string(wordDigits) + std::string(affixDigits),
                position};
    }
    return {affix.Affix + std::string(word), std::string(affixDigits) + std::string(wordDigits),
            position - static_cast<std::int32_t>(affixDigits.size())};
}

} // namespace Numra
