#pragma once

#include "core/DictionaryFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The words a phrase may hold (IsPhraseRecord), read from the dictionary once and found by their
// digit strings: numra-find --batch ranks a whole list of numbers without a pass per number.
namespace Numra {

struct IndexedWord
{
    std::string_view number; // the digit string, as the line writes it
    std::string_view word;   // as shown (SplitShownRecord), untrimmed
    std::string_view cls;
    std::int64_t line = 0; // in the dictionary, from 1
};

class DictionaryIndex
{
public:
    // Reads every line of the file. After an error the index is empty.
    static DictionaryIndex Build(DictionaryFile &file);

    DictionaryIndex(DictionaryIndex &&) = default;
    DictionaryIndex &operator=(DictionaryIndex &&) = default;

    DictionaryError Error() const { return m_error; }
    std::int64_t LineCount() const { return m_lineCount; }
    std::size_t WordCount() const { return m_words.size(); }
    const IndexedWord &Word(std::uint32_t id) const { return m_words[id]; }
    // The bytes the index holds, its texts included.
    std::size_t Bytes() const;

    // The words whose digit strings occur in text, in dictionary order: the phrase words that a
    // conversion pass of text would hand on, two with the same digits and the same trimmed word
    // once, as the first of them. A digit string never crosses a byte that is no digit.
    void Find(std::string_view text, std::vector<std::uint32_t> &ids) const;

    // The words under these digit strings whose letters are the typed word's, accents aside, as
    // the lookup compares them: what a phrase holds when it holds the word a lookup found.
    std::vector<std::uint32_t> Spelling(std::string_view typedWord,
                                        const std::vector<std::string> &numbers) const;

private:
    // A trie over the digit strings. A node's children are consecutive, in digit order, from
    // firstChild; bit d of digits says that digit d has one.
    struct Node
    {
        std::uint32_t firstChild = 0;
        std::uint16_t digits = 0;
        std::uint32_t wordsBegin = 0; // its words in m_wordIds
        std::uint32_t wordsEnd = 0;
    };

    DictionaryIndex() = default;
    void buildTrie();
    // The node after `node` by the digit c, and the node of exactly these digits; -1 for none.
    std::int64_t child(std::uint32_t node, char c) const;
    std::int64_t nodeOf(std::string_view digits) const;

    DictionaryError m_error = DictionaryError::None;
    std::int64_t m_lineCount = 0;
    std::vector<std::string> m_texts; // each a block of fields; the words view into them
    std::vector<IndexedWord> m_words; // in dictionary order
    std::vector<Node> m_nodes;        // the root first
    std::vector<std::uint32_t> m_wordIds;
};

// The ids of the index's words that spell word, whose digits a lookup in file finds: the words a
// phrase must hold to contain it. Empty when no phrase can; error when the lookup could not
// read the file.
struct WantedWord
{
    std::vector<std::uint32_t> ids;
    DictionaryError error = DictionaryError::None;
};
WantedWord FindWanted(DictionaryFile &file, const DictionaryIndex &index, std::string_view word);

} // namespace Numra
