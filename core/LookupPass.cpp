#include "core/LookupPass.h"

#include "core/TextEncoding.h"
#include "core/UnicodeLetters.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace Numra {

namespace {

// A cut at the byte limit can fall inside a UTF-8 character; the whole character goes then,
// rather than the whole text falling back to the single-byte rule.
std::string_view cutToShortString(std::string_view text)
{
    const std::string_view cut = text.substr(0, std::min(text.size(), ShortStringMax));
    if (cut.size() == text.size() || IsUtf8(cut))
        return cut;
    for (std::size_t start = cut.size() - 1; start + 3 >= cut.size(); --start) {
        std::size_t end = start;
        char32_t c;
        if (DecodeUtf8(text, end, c) && end > cut.size() && IsUtf8(text.substr(0, start)))
            return text.substr(0, start);
    }
    return cut;
}

std::string unicodeKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    std::size_t pos = 0;
    char32_t c;
    while (DecodeUtf8(text, pos, c)) {
        if (IsUnicodeLetter(c))
            AppendCaseFolded(key, c);
    }
    return key;
}

// The key of text that is cut already and, beyond ASCII, in UTF-8.
std::string keyOf(std::string_view text)
{
    if (!IsAscii(text))
        return unicodeKey(RemoveParenthesized(Trim(text)));
    std::string lowered(text);
    for (char &c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return KeepLetters(RemoveParenthesized(Trim(lowered)));
}

// A record's word goes by the rule of its line; decoded, it may be longer than the line was,
// so it is not cut again.
std::string recordKey(std::string_view line, std::string_view word)
{
    return IsAscii(word) ? keyOf(word) : keyOf(LineTextAsUtf8(word, IsUtf8Line(line)));
}

} // namespace

std::string WordKey(std::string_view text)
{
    const std::string_view cut = cutToShortString(text);
    return keyOf(LineTextAsUtf8(cut, IsUtf8(cut)));
}

namespace {

enum class Quick { NoRecord, Differs, Matches, Unsure };

// The letters of each Windows-1252 byte, folded and without diacritics, empty for a byte that is
// no letter; made once, so that a Windows-1252 word is compared byte by byte at the cost of an
// ASCII one.
const std::array<std::string, 256> &windows1252Folded()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> folded;
        for (std::size_t b = 0; b < folded.size(); ++b) {
            const char32_t c = FromWindows1252(static_cast<unsigned char>(b));
            if (IsUnicodeLetter(c))
                AppendAccentFolded(folded[b], c);
        }
        return folded;
    }();
    return table;
}

// Whether the letters of text read as UTF-8 or as Windows-1252, folded and without diacritics,
// continue the bare key from
// matched to its end; compared as the text is decoded, so that most words stop at their first
// letter.
bool restMatches(std::string_view text, bool utf8, std::string_view key, std::size_t matched)
{
    const auto continues = [&](std::string_view folded) {
        if (key.size() - matched < folded.size() || key.compare(matched, folded.size(), folded))
            return false;
        matched += folded.size();
        return true;
    };
    if (!utf8) {
        const auto &table = windows1252Folded();
        for (char b : text) {
            const std::string &folded = table[static_cast<unsigned char>(b)];
            if (!folded.empty() && !continues(folded))
                return false;
        }
        return matched == key.size();
    }
    std::string folded; // short enough to stay in the string's own buffer
    std::size_t pos = 0;
    char32_t c;
    while (DecodeUtf8(text, pos, c)) {
        if (!IsUnicodeLetter(c))
            continue;
        folded.clear();
        AppendAccentFolded(folded, c);
        if (!continues(folded))
            return false;
    }
    return matched == key.size();
}

// Most lines hold no bracket, and then the record's word key can be compared with the wanted
// bare key (AccentFolded) as the word is scanned, without splitting or copying anything.
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
        // Beyond ASCII the rest of the word is read by the line's rule; the ASCII part before
        // reads alike in both.
        if (static_cast<unsigned char>(c) >= 0x80) {
            const std::string_view rest = line.substr(i, second - i);
            return restMatches(rest, IsUtf8Line(line), key, matched) ? Quick::Matches
                                                                     : Quick::Differs;
        }
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

// The lines worth a closer look hold a bracket, or a comma followed by the key's first letter
// in either case or by something that is no letter at all: the marks of the block find them
// without a look at the other lines' bytes, and most dictionary lines are other lines.
template <typename OnLine> void forEachLikelyLine(const LineBlock &block, OnLine &&onLine)
{
    const ByteMarks &marks = *block.Marks;
    std::size_t next = block.Start; // lines before it are done
    std::uint64_t carry = 0;
    for (std::size_t word = block.Start / 64; word * 64 < block.Size; ++word) {
        const std::uint64_t commas = marks.Commas[word];
        std::uint64_t likely =
            (((commas << 1) | carry) & marks.WordStarts[word]) | marks.Brackets[word];
        carry = commas >> 63;
        for (; likely != 0; likely &= likely - 1) {
            const std::size_t at = word * 64 + static_cast<std::size_t>(std::countr_zero(likely));
            if (at >= block.Size)
                break;
            if (at < next)
                continue;
            std::size_t end = 0;
            onLine(LineHolding(block, at, end));
            next = end + 1;
        }
    }
}

// Distinct numbers in order of first appearance.
struct DistinctNumbers
{
    std::vector<std::string> InOrder;
    std::unordered_set<std::string> Seen;

    void Add(const std::string &number)
    {
        if (Seen.insert(number).second)
            InOrder.push_back(number);
    }
};

} // namespace

LookupOutcome RunLookup(DictionaryFile &file, std::string_view typedWord,
                        const std::function<void()> &onOpened)
{
    const std::string key = WordKey(typedWord);
    // Lines are picked by their letters without diacritics; which of the few picked ones hold
    // the key as typed is told when they are listed. For ASCII both keys are one.
    const std::string bare = AccentFolded(key);
    // Whether a line holds a record of the bare key; runs on either thread.
    const auto matches = [&](std::string_view line, Record &record) {
        const Quick quick = quickMatch(line, bare);
        if (quick == Quick::NoRecord || quick == Quick::Differs)
            return false;
        return SplitRecord(line, record) &&
               (quick == Quick::Matches || AccentFolded(recordKey(line, record.word)) == bare);
    };
    // A key that begins with a letter a to z lets most lines be passed over unread; an accented
    // first letter is one of them too, since the marks never pass over a byte beyond ASCII.
    const bool byLetter = !bare.empty() && bare[0] >= 'a' && bare[0] <= 'z';
    const LinePicker pick = [&](const LineBlock &block, PickedLines &picked) {
        Record record;
        if (byLetter) {
            picked.LineCount = CountLines(block);
            forEachLikelyLine(block, [&](std::string_view line) {
                if (matches(line, record))
                    picked.Add(block, line);
            });
            return;
        }
        PickEachLine(block, picked, [&](std::string_view line) { return matches(line, record); });
    };
    LookupOutcome outcome;
    DistinctNumbers asTyped;
    DistinctNumbers withoutAccents;
    const bool asciiKey = IsAscii(key);
    Record record;
    outcome.error = ReadDictionaryPicked(
        file, pick,
        [&](const LineBlock &block, const PickedLines &picked) {
            outcome.examined += static_cast<std::int64_t>(picked.LineCount);
            for (const PickedLine &each : picked.Lines) {
                const std::string_view line = picked.Line(block, each);
                SplitRecord(line, record);
                // Numbers are handed on in UTF-8, as words are, whatever the line's encoding.
                if (!IsAscii(record.number))
                    record.number = LineTextAsUtf8(record.number, IsUtf8Line(line));
                // Two ASCII keys that are equal without accents are equal.
                const bool exact =
                    (asciiKey && IsAscii(record.word)) || recordKey(line, record.word) == key;
                (exact ? asTyped : withoutAccents).Add(record.number);
            }
        },
        byLetter ? MarkRequest{MarkWordStarts{bare[0]}} : MarkRequest{}, onOpened);
    outcome.numbers = std::move(asTyped.InOrder);
    for (std::string &number : withoutAccents.InOrder) {
        if (!asTyped.Seen.contains(number))
            outcome.numbers.push_back(std::move(number));
    }
    return outcome;
}

} // namespace Numra
