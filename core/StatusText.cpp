#include "core/StatusText.h"

#include "core/PhraseSuggestions.h"

#include <charconv>
#include <clocale>
#include <cmath>

namespace Numra {

std::string FormatSeconds(double seconds, std::string_view decimalSeparator)
{
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    const auto thousandths = static_cast<long long>(std::llround(seconds * 1000.0));
    std::string text;
    if (thousandths >= 1000)
        text = std::to_string(thousandths / 1000);
    std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

std::string ConversionStatusText(std::int64_t matches, std::int64_t examined, double seconds,
                                 std::string_view decimalSeparator)
{
    return " " + std::to_string(matches) + " Matches out of " + std::to_string(examined) +
           " words in " + FormatSeconds(seconds, decimalSeparator) + " secs";
}

std::string PhraseCountText(std::uint64_t count, double approximate)
{
    if (count != UINT64_MAX)
        return std::to_string(count);
    // As printf's %.3g in the C locale, whatever locale the program runs in.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, approximate, std::chars_format::general, 3).ptr;
    return std::string(text, end);
}

std::string CompletePhrasesText(std::uint64_t count, double approximate)
{
    return PhraseCountText(count, approximate) +
           (count == 1 ? " complete phrase" : " complete phrases");
}

std::string NoPhraseText(const NoPhrase &why)
{
    std::string text;
    switch (why.reason) {
    case NoPhraseReason::NoFreeDigit:
        text = "No free digit to cover";
        break;
    case NoPhraseReason::UncoveredDigit:
        text = "No word covers the digit at position";
        break;
    case NoPhraseReason::DeadEnd:
        text = "No phrase reaches past the digit at position";
        break;
    case NoPhraseReason::None:
        text = "No complete phrase";
        break;
    }
    if (why.position > 0)
        text += " " + std::to_string(why.position);
    return text;
}

std::string LocaleDecimalSeparator()
{
    const char *current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string previous = current ? current : "C";
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv *numeric = std::localeconv();
        if (numeric && numeric->decimal_point && *numeric->decimal_point)
            separator = numeric->decimal_point;
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separator;
}

} // namespace Numra
