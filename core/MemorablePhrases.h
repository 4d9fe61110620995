#pragma once

#include "core/BestPaths.h"
#include "core/DictionaryFile.h"
#include "core/DictionaryIndex.h"
#include "core/NumberLayout.h"
#include "core/NumraGlobal.h"
#include "core/Phrase.h"
#include "core/RankingData.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Ranked suggestions: the phrases of words and kept digits that a person would choose for a
// number, best first, as people write them (1-800-FLOWERS, 877-222-VETS).
namespace Numra {

struct PhraseOptions
{
    bool wordsInAreaCode = false; // the leading part (country and area code) may hold words
    bool offensive = false;       // words the ranking data flags as offensive may stand
};

// One item of a phrase: a dictionary word, or a run of kept digits (word empty).
struct PhraseItem
{
    std::string digits;    // the free digits it stands for
    std::string word;      // as shown, trimmed, in UTF-8; empty for kept digits
    std::string cls;       // the word's class
    std::int64_t line = 0; // the word's line in the dictionary, from 1; 0 for kept digits
    // Byte positions in the number text (from 1) of its first and last digit: a word may cross
    // separators, so the two need not be digits.size() - 1 apart.
    int first = 0;
    int last = 0;
};

struct MemorablePhrase
{
    std::int64_t cost = 0;         // thousandths of a bit; comparable across numbers
    std::vector<PhraseItem> items; // in number order, the leading part's kept digits not among them
    std::string text;              // words and kept digits separated by single spaces, in UTF-8
    std::string vanity;            // the vanity form (1-800-GOT-JUNK), in UTF-8
};

// What Use puts into the main window: the number text without the separators that the phrase's
// words cross, and one slot per word with its position in that text; kept digits get the
// dictionary's own entry for the digit where it has one, else stay free.
struct PhraseForUse
{
    std::string numberText;
    // Not "slots": Qt defines that word away in every file that uses its signals and slots.
    std::vector<PhraseSlot> phraseSlots;
};

// A dictionary word as a phrase ranks it: what the ranking data (or its line) say of it.
struct RankedFit
{
    std::string_view number; // its digits
    std::string_view word;   // as shown, trimmed, in UTF-8
    std::string_view cls;
    std::int64_t line = 0;
    std::int32_t cost = 0; // thousandths of a bit
    RankingData::WordId id = RankingData::NoWord;
    bool function = false;
    bool content = false; // 3 letters or more and no function word
    bool leads = false;   // may gain with the word after it
    bool wanted = false;  // one of the words a phrase must hold (PhraseRanker::Want)
    std::int32_t bestGainInto = 0;
};

class PhraseRanker;

class MemorablePhrases
{
public:
    // One pass over the dictionary with the conversion's reading rule. ranking may be null or
    // empty: the words are then ranked by their line in the dictionary.
    static MemorablePhrases Collect(DictionaryFile &file, std::string_view numberText,
                                    const RankingData *ranking, PhraseOptions options,
                                    const std::function<void()> &onOpened = {});

    MemorablePhrases(MemorablePhrases &&) = default;
    MemorablePhrases &operator=(MemorablePhrases &&) = default;

    DictionaryError Error() const { return m_error; }
    std::int64_t Examined() const { return m_examined; }
    // Distinct fitting words that may stand in a phrase (two records with the same digits and
    // the same word as shown count once).
    std::size_t WordCount() const { return m_words.size(); }

    // The best n phrases, best first, a vanity text once; stops early when onPhrase returns
    // false. None when nothing beats the number itself.
    void Best(std::size_t n, const std::function<bool(const MemorablePhrase &)> &onPhrase) const;
    std::vector<MemorablePhrase> Best(std::size_t n) const;

    PhraseForUse ForUse(const MemorablePhrase &phrase) const;

private:
    friend class PhraseRanker;
    using Fit = RankedFit;
    enum class FitKind { Word, DigitEntry, LeftOut };

    MemorablePhrases() = default;
    void start(std::string_view numberText, PhraseOptions options);
    // What a record is to a phrase; fit's texts view into the record's.
    static FitKind fitOf(std::string_view number, std::string_view word, std::string_view cls,
                         std::int64_t line, const RankingData *ranking, PhraseOptions options,
                         Fit &fit);
    void add(FitKind kind, const Fit &fit);
    void buildGraph(const RankingData *ranking, bool wanting);
    int textIndex(int position) const; // of a free digit the phrase covers
    MemorablePhrase phraseOf(const std::vector<std::uint32_t> &edges, std::int64_t cost) const;
    std::string vanityOf(const std::vector<PhraseItem> &items) const;

    DictionaryError m_error = DictionaryError::None;
    std::int64_t m_examined = 0;
    NumberLayout m_layout;
    PhraseOptions m_options;
    std::size_t m_searchFrom = 0; // the first free digit, in m_layout.Free(), a phrase covers
    std::deque<Record> m_records; // what m_words views into, read from the file
    std::vector<Fit> m_words;     // in dictionary order: an edge's item is its index
    std::array<std::string, 10> m_digitEntries; // the dictionary's own word for each digit
    // Nodes are states of a phrase so far: the free digits covered, its last item, whether a
    // function word waits for a partner, whether a content word has come. Every path to the goal
    // is one phrase within the cost limit's reach.
    PathGraph m_graph;
    std::vector<int> m_nodePosition; // free digits covered, counted from m_searchFrom
};

// The words of a whole dictionary ranked once, for phrases of many numbers: the same phrases as
// MemorablePhrases::Collect finds with a pass over the file. It views into the index and the
// ranking data, which must outlive it and what it collects; Collect may run on several threads.
class PhraseRanker
{
public:
    PhraseRanker(const DictionaryIndex &index, const RankingData *ranking, PhraseOptions options);

    // From now on a phrase must hold one of these words (ids in the index).
    void Want(const std::vector<std::uint32_t> &ids);

    MemorablePhrases Collect(std::string_view numberText) const;

private:
    const DictionaryIndex &m_index;
    const RankingData *m_ranking;
    PhraseOptions m_options;
    std::vector<MemorablePhrases::FitKind> m_kinds; // by index id
    std::vector<RankedFit> m_fits;
    bool m_wanting = false;
};

// "No memorable phrase for 764-702-9619": the number as typed, in UTF-8.
std::string NoMemorablePhraseText(std::string_view numberText);

} // namespace Numra
