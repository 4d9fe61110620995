#pragma once

#include "core/NumraGlobal.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// A list of telephone numbers as carriers and resellers hand them out: one number a line,
// plain or as a CSV export.
namespace Numra {

// The number a line holds: its column-th field (from 1), or with column 0 its first field that
// holds a digit (the first field when none does). A line without a comma is its own field.
std::string NumberField(std::string_view line, std::size_t column = 0);

// One number of a list with its best phrase, as a ranking of the list shows it.
struct RankedNumber
{
    std::string number;    // the field as the list gives it
    std::string vanity;    // the best phrase's vanity form; empty when there is none
    std::string phrase;    // its words and kept digits
    std::int64_t cost = 0; // thousandths of a bit, lower is better
    std::int64_t line = 0; // in the list, from 1
    bool found = false;    // a memorable phrase holds the number
};

// Best first: the cheaper phrase, then the earlier line; numbers without a phrase last.
bool RanksBefore(const RankedNumber &a, const RankedNumber &b);

// Whether text holds a control character (C0 or C1), read as UTF-8; bytes that are not UTF-8
// are no control characters.
bool HoldsControlCharacter(std::string_view text);

// The lines of a list, each without its LF, cut to a little more than a line may hold, so that
// a line of any length (or a file that is no text) costs no more memory.
class ListLineReader
{
public:
    explicit ListLineReader(std::FILE *file) : m_file(file), m_buffer(1 << 16) {}

    // The next line, and the length it really has; false at the end or after a read error.
    bool Next(std::string &line, std::size_t &length);
    bool Failed() const { return m_failed; }
    int Error() const { return m_error; } // errno of the failed read

    // The longest line kept whole: ShortStringMax bytes and a CR.
    static constexpr std::size_t Kept = ShortStringMax + 2;

private:
    bool refill();

    std::FILE *m_file;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0; // m_pos <= m_end <= m_buffer.size()
    std::size_t m_end = 0;
    bool m_failed = false;
    int m_error = 0;
};

// What a line of a list is.
enum class ListLine { Number, Blank, TooLong, ControlCharacter };

// Reads one line of a list as ListLineReader gives it (first: the list's first line, which may
// begin with a byte-order mark; a CR before the LF goes): its number field (NumberField) in
// number, or why it holds none.
ListLine ReadListLine(std::string_view line, std::size_t length, bool first, std::size_t column,
                      std::string &number);

// A phrase's cost (thousandths of a bit) as bits with three decimals, whatever the locale.
std::string CostText(std::int64_t cost);

} // namespace Numra
