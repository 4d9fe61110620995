#pragma once

#include "DictionaryFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Numra {

// The letters that decide a lookup match: A to Z lowered, one parenthesised part removed,
// then only a to z kept.
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
