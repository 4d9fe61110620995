#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a telephone number is laid out, for the suggestions: which digits are free, which runs a
// covered digit breaks them into, and which leading part (the country and area code) a person
// cannot choose. Separators (spaces, dashes, dots, slashes, parentheses, anything not a digit)
// are formatting and are read across.
namespace Numra {

class NumberLayout
{
public:
    // The number text as the number field holds it (one byte a character, the used-digit mark
    // for a covered digit), cut to ShortStringMax.
    static NumberLayout Of(std::string_view numberText);

    const std::string &Text() const { return m_text; }

    // 0-based index in the text of each free digit, in order.
    const std::vector<int> &Free() const { return m_free; }
    // Each free digit's run: a covered digit between two free digits starts a new run.
    const std::vector<int> &Run() const { return m_run; }
    // The free digits in order, a used-digit mark where a covered digit breaks their runs: the
    // text the conversion is run on, so that a word is found across separators but never across
    // a covered digit. from: the first free digit it starts at.
    std::string FreeDigitText(std::size_t from = 0) const;

    // The North American plan: 11 digits starting with 1, or 10 digits, unless a + leads to
    // another country code.
    bool IsNanp() const { return m_nanp; }
    // The leading part: its digits (free or covered) come first in the number, and LeadingFree
    // of the free digits lie in it.
    std::size_t LeadingDigits() const { return m_leadingDigits; }
    std::size_t LeadingFree() const { return m_leadingFree; }
    // The text index after the leading part and the separators that follow it.
    std::size_t LeadingEnd() const { return m_leadingEnd; }
    // The NANP exchange, the three digits after the area code, as its first free digit's index
    // in Free(); -1 when there is none or one of its digits is covered.
    int Exchange() const { return m_exchange; }

    // The vanity form's start: the leading part as typed, the separators after it included, in
    // UTF-8 (1-800-, (800) , +49 30 ); for a number typed as digits alone the usual grouping
    // (1-800-, 800-). Empty when there is no leading part.
    std::string LeadingText() const;

private:
    std::string m_text;
    std::vector<int> m_free;
    std::vector<int> m_run;
    bool m_nanp = false;
    std::size_t m_leadingDigits = 0;
    std::size_t m_leadingFree = 0;
    std::size_t m_leadingEnd = 0; // text index after the leading part and its separators
    int m_exchange = -1;
};

// A number field's text in UTF-8: a covered digit as U+2022, a character the field could not
// hold as U+FFFD.
std::string FieldTextAsUtf8(std::string_view text);

} // namespace Numra
