#include "LookupPass.h"

#include <algorithm>
#include <unordered_set>

namespace Numra {

std::string WordKey(std::string_view text)
{
    std::string lowered(text.substr(0, std::min(text.size(), ShortStringMax)));
    for (char &c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return KeepLetters(RemoveParenthesized(Trim(lowered)));
}

namespace {

enum class Quick { NoRecord, Differs, Matches, Unsure };

// Most lines hold no bracket, and then the record's word key can be compared with the wanted
// key as the word is scanned, without splitting or copying anything.
Quick quickMatch(std::string_view line, std::string_view key)
{
    // Without an opening bracket nothing is removed from the line before it is split.
    if (line.find('(') != std::string_view::npos)
        return Quick::Unsure;
    const auto first = line.find(',');
    if (first == 0 || first == std::string_view::npos)
        return Quick::NoRecord;
    const auto second = line.find(',', first + 1);
    if (second == std::string_view::npos || second == first + 1 || second + 1 >= line.size())
        return Quick::NoRecord;
    std::size_t matched = 0;
    for (std::size_t i = first + 1; i < second; ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (!LetterSet.contains(c))
            continue;
        if (matched == key.size() || key[matched] != c)
            return Quick::Differs;
        ++matched;
    }
    return matched == key.size() ? Quick::Matches : Quick::Differs;
}

// A word whose first byte is a letter other than the key's first letter differs, unless a
// bracket in the line may remove that letter; the block's marks tell both without a look at the
// line's bytes one by one. Most lines of a dictionary end here.
bool firstLetterDiffers(const LineBlock &block, std::size_t at, std::size_t length, char first)
{
    const std::size_t end = at + length;
    if (NextMark(block.Marks->Brackets, at, end) != end)
        return false;
    const std::size_t comma = NextMark(block.Marks->Commas, at, end);
    if (comma + 1 >= end)
        return false;
    char c = block.Text[comma + 1];
    if (c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    return c >= 'a' && c <= 'z' && c != first;
}

} // namespace

LookupOutcome RunLookup(DictionaryFile &file, std::string_view typedWord)
{
    const std::string key = WordKey(typedWord);
    LookupOutcome outcome;
    std::unordered_set<std::string> seen;
    Record record;
    const auto consider = [&](std::string_view line) {
        const Quick quick = quickMatch(line, key);
        if (quick == Quick::NoRecord || quick == Quick::Differs)
            return;
        if (!SplitRecord(line, record) || (quick == Quick::Unsure && WordKey(record.word) != key))
            return;
        if (seen.insert(record.number).second)
            outcome.numbers.push_back(record.number);
    };
    outcome.error = ReadDictionaryBlocks(
        file,
        [&](const LineBlock &block) {
            LineCursor cursor(block);
            std::string_view line;
            while (cursor.Next(line)) {
                ++outcome.examined;
                if (key.empty() ||
                    !firstLetterDiffers(block, cursor.Offset(line), line.size(), key[0]))
                    consider(line);
            }
        },
        DictionaryFile::Marks::BreaksAndCommas);
    return outcome;
}

} // namespace Numra
