#include "core/NumraGlobal.h"

#include "core/TextEncoding.h"

#include <algorithm>

namespace Numra {

namespace {

std::string_view cut(std::string_view text, std::size_t maxLength)
{
    return text.substr(0, std::min(text.size(), maxLength));
}

} // namespace

bool SplitRecord(std::string_view line, std::string &number, std::string &word, std::string &cls,
                 std::size_t maxLength)
{
    const std::string copy = RemoveParenthesized(line);
    std::string_view rest = copy;

    const auto firstComma = rest.find(',');
    if (firstComma == std::string_view::npos)
        return false;
    number = cut(rest.substr(0, firstComma), maxLength);
    if (number.empty())
        return false;

    rest.remove_prefix(firstComma + 1);
    const auto secondComma = rest.find(',');
    if (secondComma == std::string_view::npos)
        return false;
    word = cut(rest.substr(0, secondComma), maxLength);
    if (word.empty())
        return false;

    rest.remove_prefix(secondComma + 1);
    cls = cut(rest.substr(0, 1), maxLength);
    return !cls.empty();
}

bool SplitRecord(std::string_view line, Record &record)
{
    return SplitRecord(line, record.number, record.word, record.cls);
}

bool SplitShownRecord(std::string_view line, Record &record)
{
    if (!SplitRecord(line, record))
        return false;
    if (!IsAscii(record.word))
        record.word = LineTextAsUtf8(record.word, IsUtf8Line(line));
    return true;
}

std::string KeepLetters(std::string_view source)
{
    std::string output;
    for (char c : source) {
        if (LetterSet.contains(c) && output.size() < ShortStringMax)
            output.push_back(c);
    }
    return output;
}

std::string RemoveParenthesized(std::string_view source)
{
    std::string output(source);
    for (;;) {
        const auto close = output.find(')');
        const auto open = output.rfind('(');
        if (close == std::string::npos || open == std::string::npos || open >= close)
            return output;
        output.erase(open, close - open + 1);
    }
}

int FirstPos(std::string_view pattern, std::string_view text)
{
    if (pattern.empty())
        return 0;
    const auto at = text.find(pattern);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int LastPos(std::string_view pattern, std::string_view text)
{
    if (pattern.empty())
        return 0;
    const auto at = text.rfind(pattern);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int FirstDigitPos(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (FirstDigitSet.contains(text[i]))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int LastDigitPos(std::string_view text)
{
    for (std::size_t i = text.size(); i > 0; --i) {
        if (LastDigitSet.contains(text[i - 1]))
            return static_cast<int>(i);
    }
    return 0;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

void AppendWord(std::string &text, std::string_view word)
{
    word = Trim(word);
    if (word.empty())
        return;
    if (!text.empty())
        text += ' ';
    text += word;
}

} // namespace Numra
