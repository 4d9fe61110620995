#include "core/NumberList.h"

#include "core/NumraGlobal.h"

#include <algorithm>
#include <cstdio>

namespace Numra {

std::vector<std::string> CsvFields(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    bool wasQuoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back().push_back(c);
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back().push_back(line[++i]);
            else
                quoted = false;
        } else if (c == ',') {
            fields.emplace_back();
            wasQuoted = false;
        } else if (c == '"' && !wasQuoted && Trim(fields.back()).empty()) {
            fields.back().clear();
            quoted = wasQuoted = true;
        } else {
            fields.back().push_back(c);
        }
    }
    for (std::string &field : fields)
        field = std::string(Trim(field));
    return fields;
}

std::string NumberField(std::string_view line, std::size_t column)
{
    std::vector<std::string> fields = CsvFields(line);
    if (column > 0)
        return column <= fields.size() ? std::move(fields[column - 1]) : std::string();
    const auto holdsDigit = [](const std::string &field) {
        return std::any_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const auto found = std::find_if(fields.begin(), fields.end(), holdsDigit);
    return std::move(found != fields.end() ? *found : fields.front());
}

bool RanksBefore(const RankedNumber &a, const RankedNumber &b)
{
    if (a.found != b.found)
        return a.found;
    if (a.found && a.cost != b.cost)
        return a.cost < b.cost;
    return a.line < b.line;
}

std::string CostText(std::int64_t cost)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(cost / 1000),
                  static_cast<long long>(cost % 1000));
    return text;
}

} // namespace Numra
