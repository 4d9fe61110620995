#include "Conversion.h"

#include "NumberIndex.h"

#include <algorithm>

namespace Numra {

bool FitsPlacement(Placement placement, int keyPos, std::string_view number,
                   std::string_view numberText, int leftAnchor, int rightAnchor)
{
    switch (placement) {
    case Placement::AnyPoint:
        return true;
    case Placement::Left:
        return keyPos == leftAnchor;
    case Placement::Right: {
        const int last = LastPos(number, numberText);
        return last > 0 && last + static_cast<int>(number.size()) - 1 == rightAnchor;
    }
    }
    return false;
}

ConversionOutcome RunConversion(DictionaryFile &file, std::string_view numberText,
                                Placement placement,
                                const std::function<void(const Record &)> &sink)
{
    numberText = numberText.substr(0, std::min(numberText.size(), ShortStringMax));
    const NumberIndex index(numberText);
    const int leftAnchor = FirstDigitPos(numberText);
    const int rightAnchor = LastDigitPos(numberText);

    ConversionOutcome outcome;
    Record record;
    outcome.error = ReadDictionary(file, [&](std::string_view line) {
        ++outcome.examined;
        // The cheap tests on the raw key first: most lines end here, before any split.
        if (!index.MayHoldKey(line))
            return;
        const int keyPos = index.LineKeyPos(line);
        if (keyPos == 0 || !SplitRecord(line, record))
            return;
        if (!FitsPlacement(placement, keyPos, record.number, numberText, leftAnchor, rightAnchor))
            return;
        ++outcome.accepted;
        sink(record);
    });
    return outcome;
}

} // namespace Numra
