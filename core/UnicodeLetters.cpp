#include "core/UnicodeLetters.h"

#include "core/TextEncoding.h"

#include <algorithm>
#include <array>

namespace Numra {

using namespace UnicodeTables;

namespace {

// The full case folding of c, unused places 0.
std::array<char32_t, 3> caseFolding(char32_t c)
{
    const FoldRun *runsEnd = FoldRuns + FoldRunCount;
    const FoldRun *run = std::upper_bound(
        FoldRuns, runsEnd, c, [](char32_t value, const FoldRun &r) { return value < r.first; });
    if (run != FoldRuns && c <= run[-1].last && (c - run[-1].first) % run[-1].stride == 0)
        return {static_cast<char32_t>(static_cast<std::int32_t>(c) + run[-1].delta)};
    const FoldExpansion *expansionsEnd = FoldExpansions + FoldExpansionCount;
    const FoldExpansion *expansion =
        std::lower_bound(FoldExpansions, expansionsEnd, c,
                         [](const FoldExpansion &e, char32_t value) { return e.from < value; });
    if (expansion != expansionsEnd && expansion->from == c)
        return {expansion->to[0], expansion->to[1], expansion->to[2]};
    return {c};
}

// c is case-folded already.
void appendWithoutDiacritics(std::string &text, char32_t c)
{
    const AccentFold *end = AccentFolds + AccentFoldCount;
    const AccentFold *fold = std::lower_bound(
        AccentFolds, end, c, [](const AccentFold &f, char32_t value) { return f.from < value; });
    if (fold == end || fold->from != c) {
        AppendUtf8(text, c);
        return;
    }
    for (char32_t unit : fold->to) {
        if (unit)
            AppendUtf8(text, unit);
    }
}

} // namespace

bool IsUnicodeLetter(char32_t c)
{
    const LetterRange *end = Letters + LetterCount;
    const LetterRange *range = std::upper_bound(
        Letters, end, c, [](char32_t value, const LetterRange &r) { return value < r.first; });
    return range != Letters && c <= range[-1].last;
}

void AppendCaseFolded(std::string &text, char32_t c)
{
    for (char32_t unit : caseFolding(c)) {
        if (unit)
            AppendUtf8(text, unit);
    }
}

void AppendAccentFolded(std::string &text, char32_t c)
{
    for (char32_t unit : caseFolding(c)) {
        if (unit)
            appendWithoutDiacritics(text, unit);
    }
}

std::string AccentFolded(std::string_view key)
{
    if (IsAscii(key))
        return std::string(key);
    std::string folded;
    folded.reserve(key.size());
    std::size_t pos = 0;
    char32_t c;
    while (DecodeUtf8(key, pos, c))
        appendWithoutDiacritics(folded, c);
    return folded;
}

} // namespace Numra
