#pragma once

#include "core/DictionaryFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Numra {

// The letters that decide a lookup match, with one parenthesised part removed: letters of every
// script, case-folded (UnicodeLetters.h), of text read as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise. A record's word is read by its line's rule instead (IsUtf8Line).
std::string WordKey(std::string_view text);

struct LookupOutcome
{
    DictionaryError error = DictionaryError::None;
    std::int64_t examined = 0; // lines examined
    // Distinct, in order of first appearance: first those of the words whose key is the typed
    // word's, then those of the words that have its key only without diacritics on either side
    // (AccentFolded: cafe and café, ΤΑΞΙ and ταξί). For ASCII words there is no second kind.
    std::vector<std::string> numbers;
};

// onOpened runs once the file is open, before the first line is read.
LookupOutcome RunLookup(DictionaryFile &file, std::string_view typedWord,
                        const std::function<void()> &onOpened = {});

} // namespace Numra
