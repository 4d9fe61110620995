#include "Lookup.h"

#include <algorithm>
#include <unordered_set>

namespace Numra {

std::string WordKey(std::string_view text)
{
    std::string lowered(text.substr(0, std::min(text.size(), ShortStringMax)));
    for (char &c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return KeepLetters(RemoveParenthesized(Trim(lowered)));
}

LookupOutcome RunLookup(DictionaryFile &file, std::string_view typedWord)
{
    const std::string key = WordKey(typedWord);
    LookupOutcome outcome;
    std::unordered_set<std::string> seen;
    Record record;
    outcome.error = ReadDictionary(file, [&](std::string_view line) {
        ++outcome.examined;
        if (!SplitRecord(line, record) || WordKey(record.word) != key)
            return;
        if (seen.insert(record.number).second)
            outcome.numbers.push_back(record.number);
    });
    return outcome;
}

} // namespace Numra
