#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the suggestions know of each word beyond the dictionary: its cost in bits, a few flags,
// and the gain of word pairs that belong together. Read from the file tools/make-ranking writes
// beside the dictionary:
//
//     numra-rank 1
//     # a comment
//     W <tab> KEY <tab> COST <tab> FLAGS      (FLAGS: - or letters; f, o, x are known)
//     P <tab> KEY1 <tab> KEY2 <tab> GAIN
//
// KEY is the word as the dictionary shows it, trimmed, in UTF-8; costs and gains are bits as
// decimals, held as thousandths.
namespace Numra {

enum class RankingError {
    None,
    CouldNotOpen, // missing or no regular file
    ReadError,
    TooLarge,  // more than MaxFileSize bytes, or more words than a pair can name
    BadHeader, // the first line is not "numra-rank 1"
    BadLine,   // a line that is none of the above; ErrorLine says which
};

// Bits a word costs whose dictionary line the file does not list.
inline constexpr std::int32_t UnknownWordCost = 34000;

struct RankedWord
{
    std::string_view key;
    std::int32_t cost = UnknownWordCost; // thousandths of a bit
    bool listed = false;                 // its W line has been read
    bool function = false;               // a lone one costs more (f)
    bool offensive = false;              // left out unless allowed (o)
    bool never = false;                  // never suggested (x)
    bool leads = false;                  // the first word of some pair
    std::int32_t bestGainInto = 0;       // the largest gain of a pair it ends
};

class RankingData
{
public:
    using WordId = std::int32_t;
    static constexpr WordId NoWord = -1;
    static constexpr std::size_t MaxFileSize = std::size_t(1) << 30;

    RankingData() = default;
    RankingData(RankingData &&) = default;
    RankingData &operator=(RankingData &&) = default;

    // An error leaves the data empty, as if there were no file.
    static RankingData Read(const std::string &path);
    static RankingData Parse(std::string text);

    bool Empty() const { return m_words.empty(); }
    RankingError Error() const { return m_error; }
    std::int64_t ErrorLine() const { return m_errorLine; } // from 1; 0 for the whole file
    // Why the file was not read, naming the line: "line 7: a cost is not a decimal".
    const std::string &Reason() const { return m_reason; }

    std::size_t WordCount() const { return m_words.size(); }
    std::size_t PairCount() const { return m_pairCount; }

    WordId Find(std::string_view key) const;
    const RankedWord &Word(WordId id) const { return m_words[static_cast<std::size_t>(id)]; }
    // The gain of second right after first; 0 when the file holds no such pair.
    std::int32_t PairGain(WordId first, WordId second) const;

private:
    void fail(RankingError error, std::int64_t line, std::string detail);
    bool parseLines();
    WordId insertWord(std::string_view key, bool &added);
    bool insertPair(WordId first, WordId second, std::int32_t gain);

    std::string m_text; // the file; every key views into it
    std::vector<RankedWord> m_words;
    std::vector<std::uint64_t> m_wordSlots; // open addressing, 0 where free (see wordSlot)
    // Open addressing over first << 42 | second << 20 | gain; 0 where free (a gain is never 0).
    std::vector<std::uint64_t> m_pairSlots;
    std::size_t m_pairCount = 0;
    std::int64_t m_lineNumber = 0; // of the line being read
    RankingError m_error = RankingError::None;
    std::int64_t m_errorLine = 0;
    std::string m_reason;
};

// Where the ranking data of a dictionary lie: its path with the extension replaced by .rank, or
// .rank appended to a path without one.
std::string RankingPathFor(std::string_view dictionaryPath);

} // namespace Numra
