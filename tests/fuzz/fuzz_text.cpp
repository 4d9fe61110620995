// The text helpers on arbitrary bytes: each agrees with its plain reference and keeps the
// properties its callers rely on.

#include "core/NumberIndex.h"
#include "core/NumraGlobal.h"
#include "tests/Reference.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

using namespace Numra;

namespace {

// The helpers' own strings are at most 255 bytes; longer texts only slow the quadratic
// references down.
constexpr std::size_t MaxText = 4096;

std::size_t count(std::string_view text, char c)
{
    return std::size_t(std::count(text.begin(), text.end(), c));
}

bool isSubsequence(std::string_view part, std::string_view whole)
{
    std::size_t at = 0;
    for (char c : whole) {
        if (at < part.size() && part[at] == c)
            ++at;
    }
    return at == part.size();
}

void checkRemoveParenthesized(std::string_view source)
{
    const std::string output = RemoveParenthesized(source);
    FUZZ_CHECK(output == Reference::naiveRemoveParenthesized(source));
    FUZZ_CHECK(isSubsequence(output, source));
    // Each pass removes the last "(" with the first ")" and nothing between holds a bracket.
    FUZZ_CHECK(count(source, '(') - count(output, '(') == count(source, ')') - count(output, ')'));
    // It only stops once no "(" stands before the first ")", so a second run changes nothing.
    const auto close = output.find(')');
    const auto open = output.rfind('(');
    FUZZ_CHECK(close == std::string::npos || open == std::string::npos || open > close);
    FUZZ_CHECK(RemoveParenthesized(output) == output);
}

void checkSplitRecord(std::string_view line, std::size_t maxLength)
{
    Record record;
    Record expected;
    const bool isRecord = SplitRecord(line, record);
    FUZZ_CHECK(isRecord == Reference::naiveSplitRecord(line, expected));
    if (isRecord) {
        FUZZ_CHECK(Reference::sameRecord(record, expected));
        FUZZ_CHECK(!record.number.empty() && record.number.size() <= ShortStringMax);
        FUZZ_CHECK(!record.word.empty() && record.word.size() <= ShortStringMax);
        FUZZ_CHECK(record.cls.size() == 1);
        FUZZ_CHECK(record.number.find(',') == std::string::npos);
        FUZZ_CHECK(record.word.find(',') == std::string::npos);
        const std::string kept = RemoveParenthesized(line);
        FUZZ_CHECK(std::string_view(kept).starts_with(record.number));
    }

    // A smaller maximum cuts the same fields shorter and, above 0, never changes the answer.
    std::string number, word, cls;
    const bool cutIsRecord = SplitRecord(line, number, word, cls, maxLength);
    FUZZ_CHECK(cutIsRecord == (isRecord && maxLength > 0));
    if (cutIsRecord) {
        FUZZ_CHECK(number == record.number.substr(0, maxLength));
        FUZZ_CHECK(word == record.word.substr(0, maxLength));
        FUZZ_CHECK(cls == record.cls);
    }
}

void checkKeepLetters(std::string_view source)
{
    const std::string letters = KeepLetters(source);
    FUZZ_CHECK(letters == Reference::naiveKeepLetters(source));
    FUZZ_CHECK(letters.size() <= ShortStringMax);
    FUZZ_CHECK(
        std::all_of(letters.begin(), letters.end(), [](char c) { return LetterSet.contains(c); }));
    FUZZ_CHECK(isSubsequence(letters, source));
}

void checkPositions(std::string_view pattern, std::string_view text)
{
    const int first = FirstPos(pattern, text);
    const int last = LastPos(pattern, text);
    FUZZ_CHECK(first == Reference::naiveFirstPos(pattern, text));
    FUZZ_CHECK(last == Reference::naiveLastPos(pattern, text));
    FUZZ_CHECK((first == 0) == (last == 0));
    if (first == 0)
        return;
    FUZZ_CHECK(!pattern.empty() && first <= last);
    FUZZ_CHECK(std::size_t(last) + pattern.size() - 1 <= text.size());
    FUZZ_CHECK(text.substr(std::size_t(first) - 1, pattern.size()) == pattern);
    FUZZ_CHECK(text.substr(std::size_t(last) - 1, pattern.size()) == pattern);
}

void checkDigitPositions(std::string_view text)
{
    const int first = FirstDigitPos(text);
    const int last = LastDigitPos(text);
    FUZZ_CHECK(first == Reference::naiveFirstDigitPos(text));
    FUZZ_CHECK(last == Reference::naiveLastDigitPos(text));
    FUZZ_CHECK((first == 0) == (last == 0));
    FUZZ_CHECK(first <= last && std::size_t(last) <= text.size());
    if (first > 0) {
        FUZZ_CHECK(FirstDigitSet.contains(text[std::size_t(first) - 1]));
        FUZZ_CHECK(LastDigitSet.contains(text[std::size_t(last) - 1]));
    }
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

void checkTrim(std::string_view text)
{
    const std::string_view trimmed = Trim(text);
    FUZZ_CHECK(trimmed.empty() || (!isBlank(trimmed.front()) && !isBlank(trimmed.back())));
    if (trimmed.empty()) {
        FUZZ_CHECK(std::all_of(text.begin(), text.end(), isBlank));
        return;
    }
    // A view into the text itself, with only blanks cut off either end.
    FUZZ_CHECK(trimmed.data() >= text.data() &&
               trimmed.data() + trimmed.size() <= text.data() + text.size());
    const std::size_t front = std::size_t(trimmed.data() - text.data());
    FUZZ_CHECK(std::all_of(text.begin(), text.begin() + front, isBlank));
    FUZZ_CHECK(std::all_of(text.begin() + front + trimmed.size(), text.end(), isBlank));
    FUZZ_CHECK(Trim(trimmed) == trimmed);
}

// The index answers for the number text cut to 255 bytes, as the conversion uses it.
void checkNumberIndex(std::string_view text, std::string_view pattern)
{
    const std::string_view number = text.substr(0, std::min(text.size(), ShortStringMax));
    const NumberIndex index(text);
    FUZZ_CHECK(index.FirstPos(pattern) == FirstPos(pattern, number));
    FUZZ_CHECK(index.FirstPos({}) == 0);
    // Keys cut from the text at a spread of places, and the same keys with their last byte
    // changed; a few are enough, and every plain search is costly under the fuzzer.
    for (std::size_t k = 0; k < std::min<std::size_t>(number.size(), 16); ++k) {
        const std::size_t start = (k * 97 + pattern.size()) % number.size();
        std::string key(number.substr(start, 1 + static_cast<unsigned char>(number[start]) % 9));
        FUZZ_CHECK(index.FirstPos(key) == FirstPos(key, number));
        key.back() = char(key.back() + 1);
        FUZZ_CHECK(index.FirstPos(key) == FirstPos(key, number));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > Fuzz::MaxInput)
        return 0;
    const std::string_view input = Fuzz::bytes(data, std::min(size, MaxText));

    checkRemoveParenthesized(input);
    checkSplitRecord(input, input.empty() ? 0 : static_cast<unsigned char>(input[0]) % 8);
    checkSplitRecord(input.substr(0, std::min(input.size(), ShortStringMax)), 1);
    checkKeepLetters(input);
    checkDigitPositions(input);
    checkTrim(input);

    // The first byte says how long a pattern the next bytes make; the rest is the text.
    if (input.empty())
        return 0;
    const std::size_t length = static_cast<unsigned char>(input[0]) % 17;
    const std::string_view pattern = input.substr(1, length);
    const std::string_view text = input.substr(std::min(input.size(), 1 + length));
    checkPositions(pattern, text);
    checkPositions(text.substr(text.size() / 3, pattern.size()), text); // one that occurs
    checkNumberIndex(text, pattern);
    return 0;
}
