#pragma once

#include "DictionaryFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Numra {

// The letters that decide a lookup match, with one parenthesised part removed. In text that is
// valid UTF-8, letters of every script count and are case-folded (UnicodeLetters.h); in any
// other text (Windows-1252) A to Z are lowered and only a to z kept. For ASCII both agree.
std::string WordKey(std::string_view text);

struct LookupOutcome
{
    DictionaryError error = DictionaryError::None;
    std::int64_t examined = 0;        // lines examined
    std::vector<std::string> numbers; // distinct, in order of first appearance
};

// onOpened runs once the file is open, before the first line is read.
LookupOutcome RunLookup(DictionaryFile &file, std::string_view typedWord,
                        const std::function<void()> &onOpened = {});

} // namespace Numra
