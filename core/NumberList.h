#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A list of telephone numbers as carriers and resellers hand them out: one number a line,
// plain or as a CSV export.
namespace Numra {

// The fields of a CSV line: separated by commas; a field in double quotes may hold commas and
// doubled quotes; blanks around a field that is not quoted go.
std::vector<std::string> CsvFields(std::string_view line);

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

// A phrase's cost (thousandths of a bit) as bits with three decimals, whatever the locale.
std::string CostText(std::int64_t cost);

} // namespace Numra
