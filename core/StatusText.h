#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Numra {

struct NoPhrase;

// Seconds rounded to three decimals with no trailing zeros, no leading zero below one, and
// nothing at all when the value rounds to zero.
std::string FormatSeconds(double seconds, std::string_view decimalSeparator);

// " 12 Matches out of 50000 words in .25 secs", as numra-find prints it; the windows write the
// same words through tr().
std::string ConversionStatusText(std::int64_t matches, std::int64_t examined, double seconds,
                                 std::string_view decimalSeparator);

// The count of complete phrases: exact, or, when the count says UINT64_MAX (at least that
// many), the approximate count to three figures ("5.73e+20"), which alone is known.
std::string PhraseCountText(std::uint64_t count, double approximate);
// "1 complete phrase", "18 complete phrases".
std::string CompletePhrasesText(std::uint64_t count, double approximate);

// Why there is no complete phrase: "No word covers the digit at position 5".
std::string NoPhraseText(const NoPhrase &why);

// The decimal separator of the user's locale (the environment's LC_NUMERIC), in its encoding.
// The program's own C locale is left as it was.
std::string LocaleDecimalSeparator();

} // namespace Numra
