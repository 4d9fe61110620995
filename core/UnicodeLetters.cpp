#include "UnicodeLetters.h"

#include "TextEncoding.h"

#include <algorithm>

namespace Numra {

using namespace UnicodeTables;

bool IsUnicodeLetter(char32_t c)
{
    const LetterRange *end = Letters + LetterCount;
    const LetterRange *range = std::upper_bound(
        Letters, end, c, [](char32_t value, const LetterRange &r) { return value < r.first; });
    return range != Letters && c <= range[-1].last;
}

void AppendCaseFolded(std::string &text, char32_t c)
{
    const FoldRun *runsEnd = FoldRuns + FoldRunCount;
    const FoldRun *run = std::upper_bound(
        FoldRuns, runsEnd, c, [](char32_t value, const FoldRun &r) { return value < r.first; });
    if (run != FoldRuns && c <= run[-1].last && (c - run[-1].first) % run[-1].stride == 0) {
        AppendUtf8(text, static_cast<char32_t>(static_cast<std::int32_t>(c) + run[-1].delta));
        return;
    }
    const FoldExpansion *expansionsEnd = FoldExpansions + FoldExpansionCount;
    const FoldExpansion *expansion =
        std::lower_bound(FoldExpansions, expansionsEnd, c,
                         [](const FoldExpansion &e, char32_t value) { return e.from < value; });
    if (expansion != expansionsEnd && expansion->from == c) {
        for (char32_t unit : expansion->to) {
            if (unit)
                AppendUtf8(text, unit);
        }
        return;
    }
    AppendUtf8(text, c);
}

} // namespace Numra
