#include "core/NumberLayout.h"

#include "core/NumraGlobal.h"
#include "core/TextEncoding.h"

#include <algorithm>

namespace Numra {

namespace {

bool isDigit(char c)
{
    return FirstDigitSet.contains(c);
}

// A digit of the number, free or covered.
bool isNumberDigit(char c)
{
    return isDigit(c) || c == UsedDigitMark;
}

// Groups are the maximal runs of digits the user typed between separators; the last one or two
// are the subscriber's, the ones before them the country and area code. Of three groups only the
// first is kept (0800 123 4567, 13 22 27), unless a + makes it the country code that the area
// code follows (+49 30 1234567).
std::size_t leadingGroupDigits(const std::vector<std::size_t> &groups, bool countryCode)
{
    const std::size_t kept = groups.size() >= 4   ? groups.size() - 2
                             : groups.size() == 3 ? (countryCode ? 2 : 1)
                             : groups.size() == 2 ? 1
                                                  : 0;
    std::size_t digits = 0;
    for (std::size_t g = 0; g < kept; ++g)
        digits += groups[g];
    return digits;
}

} // namespace

NumberLayout NumberLayout::Of(std::string_view numberText)
{
    NumberLayout layout;
    layout.m_text = numberText.substr(0, std::min(numberText.size(), ShortStringMax));
    const std::string &text = layout.m_text;

    std::vector<std::size_t> groups;
    std::string digits; // every digit of the number, a covered one as the mark
    int run = 0;
    bool coveredSince = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isNumberDigit(c)) {
            if (i == 0 || !isNumberDigit(text[i - 1]))
                groups.push_back(0);
            ++groups.back();
            digits.push_back(c);
        }
        if (c == UsedDigitMark) {
            coveredSince = true;
        } else if (isDigit(c)) {
            if (coveredSince && !layout.m_free.empty())
                ++run;
            coveredSince = false;
            layout.m_free.push_back(static_cast<int>(i));
            layout.m_run.push_back(run);
        }
    }

    // "+49 30 ..." names another country even where it has ten digits; no area code of the plan
    // starts with 0 or 1, so 1300 354 448 (Australia) is not in it either.
    const auto start = text.find_first_not_of(' ');
    const bool plus = start != std::string::npos && text[start] == '+';
    const bool withOne = digits.size() == 11 && digits[0] == '1';
    const std::size_t area = withOne ? 1 : 0;
    const char areaStart = digits.size() > area ? digits[area] : '0';
    layout.m_nanp = !(plus && !digits.starts_with('1')) && (withOne || digits.size() == 10) &&
                    (areaStart == UsedDigitMark || (areaStart >= '2' && areaStart <= '9'));
    if (layout.m_nanp)
        layout.m_leadingDigits = withOne ? 4 : 3;
    else
        layout.m_leadingDigits = leadingGroupDigits(groups, plus);

    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size() && seen < layout.m_leadingDigits; ++i) {
        if (isNumberDigit(text[i])) {
            ++seen;
            layout.m_leadingEnd = i + 1;
            layout.m_leadingFree += isDigit(text[i]);
        }
    }
    while (layout.m_leadingDigits > 0 && layout.m_leadingEnd < text.size() &&
           !isNumberDigit(text[layout.m_leadingEnd]))
        ++layout.m_leadingEnd;

    // The exchange is kept whole only where its three digits are free and in one run.
    if (layout.m_nanp &&
        digits.substr(layout.m_leadingDigits, 3).find(UsedDigitMark) == std::string::npos) {
        const std::size_t first = layout.m_leadingFree;
        if (first + 3 <= layout.m_free.size() && layout.m_run[first] == layout.m_run[first + 2])
            layout.m_exchange = static_cast<int>(first);
    }
    return layout;
}

std::string NumberLayout::FreeDigitText(std::size_t from) const
{
    std::string digits;
    for (std::size_t i = from; i < m_free.size(); ++i) {
        if (i > from && m_run[i] != m_run[i - 1])
            digits.push_back(UsedDigitMark);
        digits.push_back(m_text[m_free[i]]);
    }
    return digits;
}

std::string NumberLayout::LeadingText() const
{
    if (m_leadingDigits == 0)
        return {};
    const std::string_view typed = std::string_view(m_text).substr(0, m_leadingEnd);
    if (!std::all_of(m_text.begin(), m_text.end(), isNumberDigit))
        return FieldTextAsUtf8(typed);
    // Typed as digits alone: written as people write it, 1-800- or 800-.
    const std::string grouped = m_nanp && m_leadingDigits == 4
                                    ? "1-" + std::string(typed.substr(1)) + "-"
                                    : std::string(typed) + "-";
    return FieldTextAsUtf8(grouped);
}

std::string FieldTextAsUtf8(std::string_view text)
{
    std::string utf8;
    for (char c : text)
        AppendUtf8(utf8, c == UnmappableByte ? U'\uFFFD'
                                             : FromWindows1252(static_cast<unsigned char>(c)));
    return utf8;
}

} // namespace Numra
