#include "core/DictionaryIndex.h"

#include "core/LookupPass.h"
#include "core/PhraseSuggestions.h"
#include "core/UnicodeLetters.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_set>

namespace Numra {

namespace {

// The fields' texts go into blocks that never grow past their first capacity, so that the views
// into them stay valid.
constexpr std::size_t TextBlockSize = 1 << 16;

std::string_view keep(std::vector<std::string> &texts, std::string_view field)
{
    if (texts.empty() || texts.back().size() + field.size() > texts.back().capacity()) {
        texts.emplace_back();
        texts.back().reserve(std::max(TextBlockSize, field.size()));
    }
    std::string &block = texts.back();
    const std::size_t at = block.size();
    block.append(field);
    return std::string_view(block).substr(at, field.size());
}

} // namespace

DictionaryIndex DictionaryIndex::Build(DictionaryFile &file)
{
    DictionaryIndex index;
    PhraseRecordFilter records;
    Record record;
    index.m_error = ReadDictionary(file, [&](std::string_view line) {
        ++index.m_lineCount;
        // The conversion matches the text before the first comma, as the line writes it; a
        // record whose digits are something else there is never found.
        const std::size_t comma = line.find(',');
        if (comma == 0 || comma == std::string_view::npos ||
            !std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(comma),
                         [](char c) { return FirstDigitSet.contains(c); }))
            return;
        if (!SplitShownRecord(line, record) || !records.Takes(record))
            return;
        index.m_words.push_back({keep(index.m_texts, record.number),
                                 keep(index.m_texts, record.word), keep(index.m_texts, record.cls),
                                 index.m_lineCount});
    });
    if (index.m_error != DictionaryError::None) {
        DictionaryIndex failed;
        failed.m_error = index.m_error;
        return failed;
    }
    index.buildTrie();
    return index;
}

void DictionaryIndex::buildTrie()
{
    // First as nodes of ten children each, then laid out breadth first so that each node's
    // children are consecutive.
    std::vector<std::array<std::int32_t, 10>> children(1);
    children[0].fill(-1);
    std::vector<std::int32_t> nodeOf(m_words.size());
    for (std::size_t w = 0; w < m_words.size(); ++w) {
        std::int32_t node = 0;
        for (char c : m_words[w].number) {
            const auto digit = static_cast<std::size_t>(c - '0');
            if (children[static_cast<std::size_t>(node)][digit] < 0) {
                children[static_cast<std::size_t>(node)][digit] =
                    static_cast<std::int32_t>(children.size());
                children.emplace_back().fill(-1);
            }
            node = children[static_cast<std::size_t>(node)][digit];
        }
        nodeOf[w] = node;
    }
    std::vector<std::int32_t> laidOut(children.size()); // old node -> its place
    std::vector<std::int32_t> order{0};                 // places -> old node
    for (std::size_t at = 0; at < order.size(); ++at) {
        for (std::int32_t child : children[static_cast<std::size_t>(order[at])]) {
            if (child >= 0) {
                laidOut[static_cast<std::size_t>(child)] = static_cast<std::int32_t>(order.size());
                order.push_back(child);
            }
        }
    }
    m_nodes.assign(order.size(), Node{});
    std::uint32_t next = 1;
    for (std::size_t at = 0; at < order.size(); ++at) {
        Node &node = m_nodes[at];
        node.firstChild = next;
        for (int d = 0; d < 10; ++d) {
            if (children[static_cast<std::size_t>(order[at])][static_cast<std::size_t>(d)] >= 0) {
                node.digits |= static_cast<std::uint16_t>(1U << d);
                ++next;
            }
        }
    }
    // Each node's words in dictionary order: counted, then placed.
    std::vector<std::uint32_t> counts(m_nodes.size() + 1, 0);
    for (std::int32_t node : nodeOf)
        ++counts[static_cast<std::size_t>(laidOut[static_cast<std::size_t>(node)]) + 1];
    for (std::size_t k = 1; k < counts.size(); ++k)
        counts[k] += counts[k - 1];
    m_wordIds.resize(m_words.size());
    for (std::size_t k = 0; k < m_nodes.size(); ++k) {
        m_nodes[k].wordsBegin = counts[k];
        m_nodes[k].wordsEnd = counts[k];
    }
    for (std::size_t w = 0; w < m_words.size(); ++w) {
        Node &node =
            m_nodes[static_cast<std::size_t>(laidOut[static_cast<std::size_t>(nodeOf[w])])];
        m_wordIds[node.wordsEnd++] = static_cast<std::uint32_t>(w);
    }
}

std::size_t DictionaryIndex::Bytes() const
{
    std::size_t bytes =
        m_words.capacity() * sizeof(IndexedWord) + m_nodes.capacity() * sizeof(Node) +
        m_wordIds.capacity() * sizeof(std::uint32_t) + m_texts.capacity() * sizeof(std::string);
    for (const std::string &text : m_texts)
        bytes += text.capacity();
    return bytes;
}

std::int64_t DictionaryIndex::child(std::uint32_t node, char c) const
{
    if (!FirstDigitSet.contains(c))
        return -1;
    const unsigned digit = static_cast<unsigned>(c - '0');
    const unsigned present = m_nodes[node].digits;
    if (!((present >> digit) & 1U))
        return -1;
    return m_nodes[node].firstChild +
           static_cast<std::uint32_t>(std::popcount(present & ((1U << digit) - 1)));
}

std::int64_t DictionaryIndex::nodeOf(std::string_view digits) const
{
    std::int64_t node = m_nodes.empty() ? -1 : 0;
    for (std::size_t i = 0; i < digits.size() && node >= 0; ++i)
        node = child(static_cast<std::uint32_t>(node), digits[i]);
    return node;
}

std::vector<std::uint32_t> DictionaryIndex::Spelling(std::string_view typedWord,
                                                     const std::vector<std::string> &numbers) const
{
    const std::string key = AccentFolded(WordKey(typedWord));
    std::vector<std::uint32_t> ids;
    for (const std::string &number : numbers) {
        const std::int64_t node = nodeOf(number);
        if (node < 0)
            continue;
        const Node &found = m_nodes[static_cast<std::size_t>(node)];
        for (std::uint32_t i = found.wordsBegin; i < found.wordsEnd; ++i) {
            if (AccentFolded(WordKey(m_words[m_wordIds[i]].word)) == key)
                ids.push_back(m_wordIds[i]);
        }
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void DictionaryIndex::Find(std::string_view text, std::vector<std::uint32_t> &ids) const
{
    ids.clear();
    if (m_nodes.empty())
        return;
    for (std::size_t start = 0; start < text.size(); ++start) {
        std::int64_t node = 0;
        for (std::size_t at = start; at < text.size(); ++at) {
            node = child(static_cast<std::uint32_t>(node), text[at]);
            if (node < 0)
                break;
            const Node &found = m_nodes[static_cast<std::size_t>(node)];
            ids.insert(ids.end(), m_wordIds.begin() + found.wordsBegin,
                       m_wordIds.begin() + found.wordsEnd);
        }
    }
    // A digit string that occurs twice gave its words twice.
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

WantedWord FindWanted(DictionaryFile &file, const DictionaryIndex &index, std::string_view word)
{
    const LookupOutcome found = RunLookup(file, word);
    if (found.error != DictionaryError::None)
        return {{}, found.error};
    return {index.Spelling(word, found.numbers), DictionaryError::None};
}

} // namespace Numra
