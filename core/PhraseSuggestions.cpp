#include "PhraseSuggestions.h"

#include "AffixTable.h"
#include "Conversion.h"
#include "LookupPass.h"
#include "NumraGlobal.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
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

PhraseSuggestions PhraseSuggestions::Collect(DictionaryFile &file, std::string_view numberText,
                                             const std::function<void()> &onOpened)
{
    PhraseSuggestions result;
    result.m_text = numberText.substr(0, std::min(numberText.size(), ShortStringMax));
    std::unordered_set<std::string> seen;
    std::string key;
    const auto outcome = RunConversion(
        file, result.m_text, Placement::AnyPoint,
        [&](const Record &record, std::int64_t line) {
            if (!IsPhraseRecord(record))
                return;
            // "CALL" and "CALL " (a note in parentheses taken out) are one word to the reader.
            key.assign(record.number).append(1, ',').append(Trim(record.word));
            if (!seen.insert(key).second)
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
    std::vector<int> nodeAt(m_text.size(), -1);
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        if (isDigit(m_text[i])) {
            nodeAt[i] = static_cast<int>(m_free.size());
            m_free.push_back(static_cast<int>(i));
        }
    }
    const int nodes = static_cast<int>(m_free.size());

    // A word stands wherever its digits occur; records sharing a number share the search.
    std::vector<std::vector<Edge>> edges(nodes + 1);
    std::unordered_map<std::string_view, std::vector<int>> byNumber;
    for (std::size_t r = 0; r < m_records.size(); ++r)
        byNumber[m_records[r].record.number].push_back(static_cast<int>(r));
    for (const auto &[number, records] : byNumber) {
        for (auto at = m_text.find(number); at != std::string::npos;
             at = m_text.find(number, at + 1)) {
            const int from = nodeAt[at];
            for (int r : records)
                edges[from].push_back({r, from + static_cast<int>(number.size())});
        }
    }

    m_best.assign(nodes + 1, -1);
    m_count.assign(nodes + 1, 0);
    m_approximate.assign(nodes + 1, 0);
    m_edges.assign(nodes + 1, {});
    m_best[nodes] = 0;
    m_count[nodes] = 1;
    m_approximate[nodes] = 1;
    for (int k = nodes - 1; k >= 0; --k) {
        auto &live = m_edges[k];
        for (const Edge &edge : edges[k]) {
            if (m_best[edge.end] < 0)
                continue;
            live.push_back(edge);
            m_count[k] = saturatingAdd(m_count[k], m_count[edge.end]);
            m_approximate[k] += m_approximate[edge.end];
        }
        // Best completion first; on equal cost the earlier line, which is also the tie rule
        // between whole phrases, since two words at one place differ in their first line.
        const auto completion = [&](const Edge &e) {
            return m_records[e.record].cost + m_best[e.end];
        };
        std::sort(live.begin(), live.end(), [&](const Edge &a, const Edge &b) {
            const auto ca = completion(a), cb = completion(b);
            return ca != cb ? ca < cb : m_records[a.record].line < m_records[b.record].line;
        });
        if (!live.empty())
            m_best[k] = completion(live.front());
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
    const Fit &fit = m_records[edge.record];
    return {m_free[from] + 1, fit.record.number, fit.record.word,
            fit.record.cls,   fit.line,          fit.cost};
}

std::vector<Suggestion> PhraseSuggestions::Best(std::size_t n) const
{
    std::vector<Suggestion> best;
    if (n == 0 || Count() == 0)
        return best;
    const int nodes = static_cast<int>(m_free.size());

    // Each entry is a phrase begun: its parent's words, then word `index` of those at `from`.
    // It stands for its best completion, which is also the key it is ordered by. Popping one
    // pushes its best continuation (same key) and its next sibling (no smaller key), so the
    // complete phrases come out in order, and only prefixes of the phrases handed out are
    // ever popped.
    struct Begun
    {
        int parent;
        int from;
        int index;
        std::int64_t cost; // of the words so far
    };
    std::vector<Begun> begun;
    const auto endOf = [&](const Begun &b) { return m_edges[b.from][b.index].end; };
    const auto keyCost = [&](int i) { return begun[i].cost + m_best[endOf(begun[i])]; };
    // The words of an entry's best completion, as record indices, which follow the lines. Only
    // entries of equal cost need them, so each is made when first asked for.
    std::vector<std::vector<int>> sequences;
    const auto sequenceOf = [&](int i) -> const std::vector<int> & {
        std::vector<int> &sequence = sequences[i];
        if (!sequence.empty())
            return sequence;
        for (int at = i; at >= 0; at = begun[at].parent)
            sequence.push_back(m_edges[begun[at].from][begun[at].index].record);
        std::reverse(sequence.begin(), sequence.end());
        for (int k = endOf(begun[i]); k < nodes; k = m_edges[k].front().end)
            sequence.push_back(m_edges[k].front().record);
        return sequence;
    };
    // The heap's "less" means "comes later".
    const auto later = [&](int a, int b) {
        const auto ca = keyCost(a), cb = keyCost(b);
        if (ca != cb)
            return ca > cb;
        const auto &sa = sequenceOf(a), &sb = sequenceOf(b);
        return sa != sb ? sa > sb : a > b;
    };
    std::priority_queue<int, std::vector<int>, decltype(later)> heap(later);
    const auto push = [&](int parent, int from, int index) {
        if (index >= static_cast<int>(m_edges[from].size()))
            return;
        const std::int64_t before = parent < 0 ? 0 : begun[parent].cost;
        begun.push_back(
            {parent, from, index, before + m_records[m_edges[from][index].record].cost});
        sequences.emplace_back();
        heap.push(static_cast<int>(begun.size()) - 1);
    };

    push(-1, 0, 0);
    while (!heap.empty() && best.size() < n) {
        const int top = heap.top();
        heap.pop();
        const Begun current = begun[top];
        push(current.parent, current.from, current.index + 1);
        const int end = endOf(current);
        if (end < nodes) {
            push(top, end, 0);
            continue;
        }
        Suggestion phrase;
        phrase.cost = current.cost;
        for (int at = top; at >= 0; at = begun[at].parent)
            phrase.words.push_back(
                wordOf(m_edges[begun[at].from][begun[at].index], begun[at].from));
        std::reverse(phrase.words.begin(), phrase.words.end());
        best.push_back(std::move(phrase));
    }
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
        } else if (next < m_edges[at].size()) {
            const Edge &edge = m_edges[at][next];
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
    // the words.
    const auto keep = [&vanity](std::string_view part) {
        for (char c : part)
            AppendUtf8(vanity, FromWindows1252(static_cast<unsigned char>(c)));
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
        done = std::min(numberText.size(), start + w.number.size());
    }
    keep(numberText.substr(done));
    return vanity;
}

} // namespace Numra
