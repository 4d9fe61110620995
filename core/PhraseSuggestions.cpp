#include "core/PhraseSuggestions.h"

#include "core/AffixTable.h"
#include "core/Conversion.h"
#include "core/LookupPass.h"
#include "core/NumberLayout.h"
#include "core/NumraGlobal.h"
#include "core/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace Numra {

namespace {

bool isDigit(char c)
{
    return FirstDigitSet.contains(c);
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b)
{
    return a > std::numeric_limits<std::uint64_t>::max() - b
               ? std::numeric_limits<std::uint64_t>::max()
               : a + b;
}

// The words in number order: those of a phrase already are, and are not copied.
const std::vector<SuggestedWord> &inNumberOrder(const std::vector<SuggestedWord> &words,
                                                std::vector<SuggestedWord> &sorted)
{
    const auto before = [](const SuggestedWord &a, const SuggestedWord &b) {
        return a.position < b.position;
    };
    if (std::is_sorted(words.begin(), words.end(), before))
        return words;
    sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), before);
    return sorted;
}

} // namespace

std::int64_t RecordCost(std::int64_t line, std::string_view word, std::string_view cls)
{
    std::int64_t cost =
        WordCost + std::llround(1000 * std::log2(1 + static_cast<double>(line) / RankScale));
    if (cls == "A")
        cost += NameCost;
    // The lookup's letter rule, so that a word of any script counts as letters.
    if (WordKey(word).empty())
        cost += NoLetterCost;
    return cost;
}

bool IsPhraseRecord(const Record &record)
{
    return !record.number.empty() &&
           std::all_of(record.number.begin(), record.number.end(), isDigit) &&
           !Trim(record.word).empty() && !IsAffixWord(record.word);
}

bool PhraseRecordFilter::Takes(const Record &record)
{
    if (!IsPhraseRecord(record))
        return false;
    m_key.assign(record.number).append(1, ',').append(Trim(record.word));
    return m_seen.insert(m_key).second;
}

PhraseSuggestions PhraseSuggestions::Collect(DictionaryFile &file, std::string_view numberText,
                                             const std::function<void()> &onOpened)
{
    PhraseSuggestions result;
    const NumberLayout layout = NumberLayout::Of(numberText);
    result.m_text = layout.Text();
    result.m_free = layout.Free();
    result.m_digits = layout.FreeDigitText();
    PhraseRecordFilter records;
    // Separators are formatting: the words are found among the free digits alone, each within
    // one run of them.
    const auto outcome = RunConversion(
        file, result.m_digits, Placement::AnyPoint,
        [&](const Record &record, std::int64_t line) {
            if (!records.Takes(record))
                return;
            result.m_records.push_back({record, line, RecordCost(line, record.word, record.cls)});
        },
        onOpened);
    result.m_error = outcome.error;
    result.m_examined = outcome.examined;
    // Both callers report the error and show nothing, so no graph is built for them.
    if (result.m_error == DictionaryError::None)
        result.buildGraph();
    return result;
}

void PhraseSuggestions::buildGraph()
{
    std::vector<int> nodeAt(m_digits.size(), -1);
    for (std::size_t i = 0, node = 0; i < m_digits.size(); ++i) {
        if (isDigit(m_digits[i]))
            nodeAt[i] = static_cast<int>(node++);
    }
    const int nodes = static_cast<int>(m_free.size());

    // A word stands wherever its digits occur; records sharing a number share the search.
    std::vector<std::vector<Edge>> edges(nodes + 1);
    std::unordered_map<std::string_view, std::vector<int>> byNumber;
    for (std::size_t r = 0; r < m_records.size(); ++r)
        byNumber[m_records[r].record.number].push_back(static_cast<int>(r));
    for (const auto &[number, records] : byNumber) {
        for (auto at = m_digits.find(number); at != std::string::npos;
             at = m_digits.find(number, at + 1)) {
            const int from = nodeAt[at];
            for (int r : records)
                edges[from].push_back(
                    {from + static_cast<int>(number.size()), r, m_records[r].cost});
        }
    }

    m_graph = PathGraph(edges);
    m_count.assign(nodes + 1, 0);
    m_approximate.assign(nodes + 1, 0);
    m_count[nodes] = 1;
    m_approximate[nodes] = 1;
    for (int k = nodes - 1; k >= 0; --k) {
        for (const Edge &edge : m_graph.EdgesFrom(k)) {
            m_count[k] = saturatingAdd(m_count[k], m_count[edge.end]);
            m_approximate[k] += m_approximate[edge.end];
        }
    }
    if (nodes == 0) {
        m_count[0] = 0;
        m_approximate[0] = 0;
        m_why = {NoPhraseReason::NoFreeDigit, 0};
    } else if (m_count[0] == 0) {
        explainNoPhrase(edges);
    }
}

void PhraseSuggestions::explainNoPhrase(const std::vector<std::vector<Edge>> &edges)
{
    const int nodes = static_cast<int>(m_free.size());
    std::vector<bool> covered(nodes, false);
    std::vector<bool> reached(nodes + 1, false);
    reached[0] = true;
    int farthest = 0;
    for (int k = 0; k < nodes; ++k) {
        for (const Edge &edge : edges[k]) {
            std::fill(covered.begin() + k, covered.begin() + edge.end, true);
            if (reached[k]) {
                reached[edge.end] = true;
                farthest = std::max(farthest, edge.end);
            }
        }
    }
    const auto uncovered = std::find(covered.begin(), covered.end(), false);
    if (uncovered != covered.end())
        m_why = {NoPhraseReason::UncoveredDigit, m_free[uncovered - covered.begin()] + 1};
    else
        m_why = {NoPhraseReason::DeadEnd, m_free[farthest] + 1};
}

SuggestedWord PhraseSuggestions::wordOf(const Edge &edge, int from) const
{
    const Fit &fit = m_records[edge.item];
    return {m_free[from] + 1, fit.record.number, fit.record.word,
            fit.record.cls,   fit.line,          fit.cost};
}

void PhraseSuggestions::Best(std::size_t n,
                             const std::function<bool(const Suggestion &)> &onPhrase) const
{
    if (Count() == 0)
        return;
    BestPaths paths(m_graph);
    std::vector<std::uint32_t> edges;
    Suggestion phrase;
    for (std::size_t found = 0; found < n && paths.Next(); ++found) {
        paths.Edges(edges);
        phrase.cost = paths.Cost();
        phrase.words.clear();
        int from = 0;
        for (std::uint32_t index : edges) {
            const Edge &edge = m_graph.EdgeAt(index);
            phrase.words.push_back(wordOf(edge, from));
            from = edge.end;
        }
        if (!onPhrase(phrase))
            return;
    }
}

std::vector<Suggestion> PhraseSuggestions::Best(std::size_t n) const
{
    std::vector<Suggestion> best;
    Best(n, [&best](const Suggestion &phrase) {
        best.push_back(phrase);
        return true;
    });
    return best;
}

void PhraseSuggestions::ForEach(const std::function<bool(const Suggestion &)> &onPhrase) const
{
    if (Count() == 0)
        return;
    const int nodes = static_cast<int>(m_free.size());
    Suggestion phrase;
    // For each word of the phrase so far, the node it starts at and which of its words it is.
    std::vector<std::pair<int, std::size_t>> path;
    int at = 0;
    std::size_t next = 0;
    for (;;) {
        if (at == nodes) {
            if (!onPhrase(phrase))
                return;
        } else if (next < m_graph.EdgesFrom(at).size()) {
            const Edge &edge = m_graph.EdgesFrom(at)[next];
            path.emplace_back(at, next);
            phrase.words.push_back(wordOf(edge, at));
            phrase.cost += phrase.words.back().cost;
            at = edge.end;
            next = 0;
            continue;
        }
        if (path.empty())
            return;
        phrase.cost -= phrase.words.back().cost;
        phrase.words.pop_back();
        std::tie(at, next) = path.back();
        path.pop_back();
        ++next;
    }
}

std::string PhraseText(const std::vector<SuggestedWord> &words)
{
    std::vector<SuggestedWord> sorted;
    std::string text;
    for (const SuggestedWord &w : inNumberOrder(words, sorted))
        AppendWord(text, w.word);
    return text;
}

std::string VanityForm(std::string_view numberText, const std::vector<SuggestedWord> &words)
{
    std::vector<SuggestedWord> sorted;
    std::string vanity;
    std::size_t done = 0;
    // The number text holds one byte a character; what stays of it is written as UTF-8, like
    // the words, and a character the number text could not hold as U+FFFD, not as a control
    // character.
    const auto keep = [&vanity](std::string_view part) {
        for (char c : part)
            AppendUtf8(vanity, c == UnmappableByte
                                   ? U'\uFFFD'
                                   : FromWindows1252(static_cast<unsigned char>(c)));
    };
    for (const SuggestedWord &w : inNumberOrder(words, sorted)) {
        const auto start = static_cast<std::size_t>(std::max(w.position, 1) - 1);
        if (start < done || start >= numberText.size())
            continue; // overlaps the word before, or lies outside the text
        keep(numberText.substr(done, start - done));
        const std::string_view word = Trim(w.word);
        // A dictionary that is not UTF-8 is Windows-1252, as the lookup reads it.
        if (IsUtf8(word))
            vanity.append(word);
        else
            keep(word);
        // The word stands in place of its digits and of the separators it crosses.
        done = start;
        for (std::size_t digits = 0; done < numberText.size() && digits < w.number.size(); ++done)
            digits += isDigit(numberText[done]);
    }
    keep(numberText.substr(done));
    return vanity;
}

} // namespace Numra
