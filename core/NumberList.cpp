#include "core/NumberList.h"

#include "core/NumraGlobal.h"
#include "core/TextEncoding.h"

#include <cerrno>
#include <cstring>

#include <algorithm>
#include <cstdio>

namespace Numra {

namespace {

// The fields of a CSV line: separated by commas; a field in double quotes may hold commas and
// doubled quotes; blanks around a field that is not quoted go.
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

} // namespace

std::string NumberField(std::string_view line, std::size_t column)
{
    std::vector<std::string> fields = CsvFields(line);
    if (column > 0)
        return column <= fields.size() ? std::move(fields[column - 1]) : std::string();
    const auto found = std::find_if(fields.begin(), fields.end(), [](const std::string &field) {
        return FirstDigitPos(field) != 0;
    });
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

bool HoldsControlCharacter(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c;
        if (!DecodeUtf8(text, pos, c))
            ++pos; // not UTF-8: shown as U+FFFD
        else if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return true;
    }
    return false;
}

bool ListLineReader::Next(std::string &line, std::size_t &length)
{
    line.clear();
    length = 0;
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !refill())
            return any;
        any = true;
        const char *start = m_buffer.data() + m_pos;
        const auto *lf = static_cast<const char *>(std::memchr(start, '\n', m_end - m_pos));
        const std::size_t taken = lf ? static_cast<std::size_t>(lf - start) : m_end - m_pos;
        line.append(start, std::min(taken, Kept - std::min(Kept, line.size())));
        length += taken;
        m_pos += taken;
        if (lf) {
            ++m_pos;
            return true;
        }
    }
}

bool ListLineReader::refill()
{
    if (m_failed)
        return false;
    m_pos = 0;
    errno = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_end == 0 && std::ferror(m_file)) {
        m_failed = true;
        m_error = errno;
    }
    return m_end > 0;
}

ListLine ReadListLine(std::string_view line, std::size_t length, bool first, std::size_t column,
                      std::string &number)
{
    number.clear();
    // A spreadsheet's export may begin with a byte-order mark.
    if (first && line.starts_with("\xEF\xBB\xBF")) {
        line.remove_prefix(3);
        length -= 3;
    }
    if (line.ends_with('\r') && length == line.size()) {
        line.remove_suffix(1);
        --length;
    }
    if (length > ShortStringMax)
        return ListLine::TooLong;
    if (HoldsControlCharacter(line))
        return ListLine::ControlCharacter;
    if (line.empty())
        return ListLine::Blank;
    number = NumberField(line, column);
    return ListLine::Number;
}

std::string CostText(std::int64_t cost)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(cost / 1000),
                  static_cast<long long>(cost % 1000));
    return text;
}

} // namespace Numra
