#pragma once

#include "core/BestPaths.h"
#include "core/DictionaryFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Complete phrases for a number: every free digit covered once, left to right, by dictionary
// words, read across separators; a covered digit ends a run of free digits, and no word crosses
// it. One conversion pass collects the records
// that fit; the phrases are paths through a graph whose nodes are "the first k free digits are
// covered", so the best ones and their count come without listing them all.
namespace Numra {

// The cost of a phrase is the sum of its words' costs, in thousandths of a point; lower is better.
// A word costs:
//  - WordCost (2 points): fewer words read better on a keypad;
//  - log2(1 + line / RankScale) points for its line in the dictionary, which lists the more
//    common words first: the first couple of thousand lines cost under a point, and every
//    doubling beyond costs one more;
//  - NameCost (half a point) more when its class is "A", a name;
//  - NoLetterCost (30 points) more when its word holds no letter by the lookup's rule (WordKey),
//    as the dictionary's digit entries do, such as 2 for the digit 2: more than any run of
//    letter words costs, so digits stand only where no word fits.
// So one ordinary word from the first 6,000 lines beats any two words, while two words from the
// first thousand lines beat one word from beyond line 16,100: a common pair over an obscure long
// word. The shipped dictionary, though, holds its common words in one group of 40,000 lines,
// longest first: the line tells common from rare but hardly ranks within the group, and a rare long
// word follows the common short ones closely, so there fewer words win. Equal costs go to the
// phrase whose first differing word comes earlier in the dictionary.
inline constexpr std::int64_t WordCost = 2000;
inline constexpr double RankScale = 2048;
inline constexpr std::int64_t NameCost = 500;
inline constexpr std::int64_t NoLetterCost = 30000;

std::int64_t RecordCost(std::int64_t line, std::string_view word, std::string_view cls);

// A record may stand in a phrase when its number is digits only and its word is more than
// blanks and no affix: "-ING" or "ANTI-" alone is not a word, and joining one to its neighbour
// needs the spelling check of the correction window, which no suggestion can make.
bool IsPhraseRecord(const Record &record);

// The records a phrase may take, each word once: the first of two lines with the same number and
// word counts, and "CALL" and "CALL " (a note in parentheses taken out) are one word to the reader.
class PhraseRecordFilter
{
public:
    bool Takes(const Record &record);

private:
    std::unordered_set<std::string> m_seen;
    std::string m_key;
};

// One word of a phrase. The texts are views into the suggestions that made it, or into
// whatever the caller owns when it builds a phrase of its own.
struct SuggestedWord
{
    int position = 0;        // 1-based start of its digits in the number text
    std::string_view number; // the digits it covers
    std::string_view word;
    std::string_view cls;
    std::int64_t line = 0; // its line in the dictionary, counting from 1
    std::int64_t cost = 0;
};

struct Suggestion
{
    std::int64_t cost = 0;
    std::vector<SuggestedWord> words; // in number order
};

// Why there is no complete phrase, and at which digit (1-based position in the number text).
enum class NoPhraseReason {
    None,
    NoFreeDigit,    // every digit is covered already, or the text holds none
    UncoveredDigit, // the first free digit that no fitting word covers
    DeadEnd,        // every digit has a word, but the phrases from the left all stop here
};

struct NoPhrase
{
    NoPhraseReason reason = NoPhraseReason::None;
    int position = 0;
};

class PhraseSuggestions
{
public:
    // One pass over the dictionary, with the reading rule and the Any Point test of the
    // conversion. After an error there is no phrase and no reason (Why) for none. onOpened runs
    // once the dictionary is open, as the conversion's does.
    static PhraseSuggestions Collect(DictionaryFile &file, std::string_view numberText,
                                     const std::function<void()> &onOpened = {});

    PhraseSuggestions(PhraseSuggestions &&) = default;
    PhraseSuggestions &operator=(PhraseSuggestions &&) = default;

    DictionaryError Error() const { return m_error; }
    std::int64_t Examined() const { return m_examined; }
    // Distinct fitting records: two with the same number and the same word as shown (trimmed)
    // count once, as the first of them.
    std::size_t RecordCount() const { return m_records.size(); }

    // Complete phrases: exact, or UINT64_MAX when there are at least that many.
    std::uint64_t Count() const { return m_count.empty() ? 0 : m_count[0]; }
    double ApproximateCount() const { return m_approximate.empty() ? 0 : m_approximate[0]; }
    NoPhrase Why() const { return m_why; }

    // The best n phrases, best first, each handed to onPhrase as it is found; stops early when
    // onPhrase returns false. The work grows with n and the phrases' length, not with the number
    // of phrases; the memory with n alone, a few dozen bytes a phrase (see BestPaths).
    void Best(std::size_t n, const std::function<bool(const Suggestion &)> &onPhrase) const;
    std::vector<Suggestion> Best(std::size_t n) const;

    // Every complete phrase, depth first, trying at each step the word with the best
    // completion first: the first phrase is the best, the rest come in no order of cost. Memory
    // stays at one phrase. Stops when onPhrase returns false.
    void ForEach(const std::function<bool(const Suggestion &)> &onPhrase) const;

private:
    // An edge's item is its index in m_records, which follow the dictionary's lines; it ends at
    // the node after its last digit.
    using Edge = PathGraph::Edge;
    struct Fit
    {
        Record record;
        std::int64_t line = 0;
        std::int64_t cost = 0;
    };

    PhraseSuggestions() = default;
    void buildGraph();
    void explainNoPhrase(const std::vector<std::vector<Edge>> &edges);
    SuggestedWord wordOf(const Edge &edge, int from) const;

    DictionaryError m_error = DictionaryError::None;
    std::int64_t m_examined = 0;
    std::string m_text;
    std::vector<int> m_free; // 0-based index in m_text of each free digit
    std::string m_digits;    // the free digits, a mark between runs (NumberLayout)
    std::vector<Fit> m_records;
    // Node k: the first k free digits are covered. Its edges are the words that start at free
    // digit k and lead to a complete phrase, best completion first.
    PathGraph m_graph;
    std::vector<std::uint64_t> m_count;
    std::vector<double> m_approximate;
    NoPhrase m_why;
};

// The words in number order, each trimmed, separated by single spaces: what Copy puts after the
// comma.
std::string PhraseText(const std::vector<SuggestedWord> &words);

// The number text (one byte a character, as the number field holds it) with each word, trimmed,
// in place of its digits and the separators between them; everything else stays, a character the
// number text cannot hold as U+FFFD. In UTF-8: a word that is not UTF-8 is read as Windows-1252.
std::string VanityForm(std::string_view numberText, const std::vector<SuggestedWord> &words);

} // namespace Numra
