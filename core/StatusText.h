#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Numra {

// Seconds rounded to three decimals with no trailing zeros, no leading zero below one, and
// nothing at all when the value rounds to zero.
std::string FormatSeconds(double seconds, std::string_view decimalSeparator);

// " 12 Matches out of 50000 words in .25 secs"
std::string ConversionStatusText(std::int64_t matches, std::int64_t examined, double seconds,
                                 std::string_view decimalSeparator);

// The decimal separator of the user's locale (the environment's LC_NUMERIC), in its encoding.
// The program's own C locale is left as it was.
std::string LocaleDecimalSeparator();

} // namespace Numra
