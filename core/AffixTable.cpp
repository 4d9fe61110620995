#include "AffixTable.h"

namespace Numra {

void AddAffixes(const Record &record, AffixTable &table)
{
    if (record.word.front() == '-')
        table.push_back({SuffixKind, record.word, record.number});
    if (record.word.back() == '-')
        table.push_back({PrefixKind, record.word, record.number});
}

DictionaryError ReadAffixTable(DictionaryFile &file, AffixTable &table)
{
    table.clear();
    Record record;
    return ReadDictionary(file, [&](std::string_view line) {
        // Only a line holding a hyphen can give an affix; skip the split for all others.
        if (line.find('-') != std::string_view::npos && SplitRecord(line, record))
            AddAffixes(record, table);
    });
}

} // namespace Numra
