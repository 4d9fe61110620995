#pragma once

#include "core/DictionaryFile.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace Numra {

enum class Placement { Left, Right, AnyPoint };

struct ConversionOutcome
{
    DictionaryError error = DictionaryError::None;
    std::int64_t examined = 0; // lines examined
    std::int64_t accepted = 0;
};

// True when an entry whose key first occurs at keyPos fits the placement; the anchors are the
// first and last free digit of the number text.
bool FitsPlacement(Placement placement, int keyPos, std::string_view number,
                   std::string_view numberText, int leftAnchor, int rightAnchor);

// One pass over the dictionary: every record whose digits occur in the number text at the
// chosen place goes to the sink, in file order, its word in UTF-8 (SplitShownRecord).
// onOpened runs once the file is open, before the first line is read.
ConversionOutcome RunConversion(DictionaryFile &file, std::string_view numberText,
                                Placement placement,
                                const std::function<void(const Record &)> &sink,
                                const std::function<void()> &onOpened = {});
// The same pass, telling the sink each record's line too, counting from 1.
ConversionOutcome RunConversion(DictionaryFile &file, std::string_view numberText,
                                Placement placement,
                                const std::function<void(const Record &, std::int64_t)> &sink,
                                const std::function<void()> &onOpened = {});

} // namespace Numra
