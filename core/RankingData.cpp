#include "core/RankingData.h"

#include "core/FilePaths.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <limits>

namespace Numra {

namespace {

constexpr std::string_view Header = "numra-rank 1";
// The bits a pair slot gives each part: two word ids and the gain.
constexpr int IdBits = 22;
constexpr int GainBits = 20;
constexpr std::int64_t MaxWords = std::int64_t(1) << IdBits;
// Costs and gains beyond this many bits would mean nothing beside the phrase limit, and are
// refused before they could overflow a sum.
constexpr std::int64_t MaxBits = 1000;

// splitmix64's finalizer: every bit of the input reaches the low bits a slot is taken from.
std::uint64_t mix(std::uint64_t x)
{
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::uint64_t hashOf(std::string_view key)
{
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ key.size();
    std::size_t i = 0;
    for (; i + 8 <= key.size(); i += 8) {
        std::uint64_t part;
        std::memcpy(&part, key.data() + i, 8);
        h = (h ^ part) * 0xFF51AFD7ED558CCDULL;
    }
    std::uint64_t rest = 0;
    std::memcpy(&rest, key.data() + i, key.size() - i);
    return mix(h ^ rest);
}

// Room for twice as many entries as there will be, a power of two.
std::size_t slotsFor(std::size_t entries)
{
    return std::bit_ceil(std::max<std::size_t>(16, entries * 2));
}

// A decimal as thousandths: digits, then a point and more digits; a fourth decimal rounds.
bool parseThousandths(std::string_view text, std::int64_t &value)
{
    const auto isDigit = [&text](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    std::size_t i = 0;
    std::int64_t whole = 0;
    for (; isDigit(i) && whole <= MaxBits; ++i)
        whole = whole * 10 + (text[i] - '0');
    if (i == 0)
        return false;
    std::int64_t fraction = 0;
    int decimals = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == '.') {
        const std::size_t first = ++i;
        for (; isDigit(i); ++i, ++decimals) {
            if (decimals < 3)
                fraction = fraction * 10 + (text[i] - '0');
            else if (decimals == 3)
                roundUp = text[i] >= '5';
        }
        if (i == first)
            return false;
    }
    for (int d = std::min(decimals, 3); d < 3; ++d)
        fraction *= 10;
    value = whole * 1000 + fraction + roundUp;
    return i == text.size() && value <= MaxBits * 1000;
}

// The fields of a line between tabs; false when there are not exactly n.
template <std::size_t N> bool splitFields(std::string_view line, std::string_view (&fields)[N])
{
    for (std::size_t f = 0; f < N; ++f) {
        const auto tab = line.find('\t');
        if ((tab == std::string_view::npos) != (f + 1 == N))
            return false;
        fields[f] = line.substr(0, tab);
        if (tab != std::string_view::npos)
            line.remove_prefix(tab + 1);
    }
    return true;
}

} // namespace

RankingData RankingData::Read(const std::string &path)
{
    RankingData data;
    std::error_code error;
    std::FILE *file = OpenRegularFile(PathFromBytes(path), error);
    if (!file) {
        data.fail(RankingError::CouldNotOpen, 0, error.message());
        return data;
    }
    std::string text;
    // Read in one go; a size the system reports wrongly (a file still growing) only costs a
    // second read.
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(PathFromBytes(path), sizeError);
    if (!sizeError && size > MaxFileSize) {
        std::fclose(file);
        data.fail(RankingError::TooLarge, 0, "larger than 1 GiB");
        return data;
    }
    text.resize(sizeError ? 1 << 16 : static_cast<std::size_t>(size) + 1);
    std::size_t used = 0;
    bool failed = false;
    for (;;) {
        used += ReadFileAt(file, used, text.data() + used, text.size() - used, failed);
        if (failed || used < text.size())
            break;
        if (text.size() > MaxFileSize) {
            std::fclose(file);
            data.fail(RankingError::TooLarge, 0, "larger than 1 GiB");
            return data;
        }
        text.resize(text.size() * 2);
    }
    std::fclose(file);
    if (failed) {
        data.fail(RankingError::ReadError, 0, "could not be read");
        return data;
    }
    text.resize(used);
    return Parse(std::move(text));
}

RankingData RankingData::Parse(std::string text)
{
    RankingData data;
    data.m_text = std::move(text);
    if (!data.parseLines()) {
        data.m_words.clear();
        data.m_words.shrink_to_fit();
        data.m_wordSlots = {};
        data.m_pairSlots = {};
        data.m_pairCount = 0;
        data.m_text = {};
    }
    return data;
}

void RankingData::fail(RankingError error, std::int64_t line, std::string detail)
{
    m_error = error;
    m_errorLine = line;
    m_reason = line > 0 ? "line " + std::to_string(line) + ": " + detail : std::move(detail);
}

bool RankingData::parseLines()
{
    const std::string_view text = m_text;
    std::size_t words = 0, pairs = 0;
    m_lineNumber = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto end = std::min(text.find('\n', at), text.size());
        words += text[at] == 'W';
        pairs += text[at] == 'P';
        at = end + 1;
    }
    m_words.reserve(words);
    m_wordSlots.assign(slotsFor(words + pairs / 8), 0);
    m_pairSlots.assign(pairs ? slotsFor(pairs) : 0, 0);

    std::string_view fields[4];
    std::string_view lastFirstKey;
    WordId lastFirst = NoWord;
    for (std::size_t at = 0; at < text.size() || m_lineNumber == 0;) {
        const auto end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++m_lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (m_lineNumber == 1) {
            if (line != Header) {
                fail(RankingError::BadHeader, 1,
                     "not a ranking file (the first line is not \"" + std::string(Header) + "\")");
                return false;
            }
            continue;
        }
        if (line.empty() || line.front() == '#')
            continue;
        if (!splitFields(line, fields) || fields[0].size() != 1 ||
            (fields[0] != "W" && fields[0] != "P")) {
            fail(RankingError::BadLine, m_lineNumber, "not a W or P line of four fields");
            return false;
        }
        if (fields[1].empty() || fields[2].empty()) {
            fail(RankingError::BadLine, m_lineNumber, "an empty word");
            return false;
        }
        if (fields[0] == "W") {
            std::int64_t cost;
            if (!parseThousandths(fields[2], cost)) {
                fail(RankingError::BadLine, m_lineNumber,
                     "the cost is not a decimal from 0 to 1000");
                return false;
            }
            if (fields[3].empty() ||
                (fields[3] != "-" && !std::all_of(fields[3].begin(), fields[3].end(),
                                                  [](char c) { return c >= 'a' && c <= 'z'; }))) {
                fail(RankingError::BadLine, m_lineNumber, "the flags are neither - nor letters");
                return false;
            }
            bool added;
            const WordId id = insertWord(fields[1], added);
            if (id == NoWord)
                return false;
            RankedWord &word = m_words[static_cast<std::size_t>(id)];
            if (word.listed) {
                fail(RankingError::BadLine, m_lineNumber, "the word is listed twice");
                return false;
            }
            word.listed = true;
            word.cost = static_cast<std::int32_t>(cost);
            word.function = fields[3].find('f') != std::string_view::npos;
            word.offensive = fields[3].find('o') != std::string_view::npos;
            word.never = fields[3].find('x') != std::string_view::npos;
        } else {
            std::int64_t gain;
            if (!parseThousandths(fields[3], gain) || gain == 0 ||
                gain >= (std::int64_t(1) << GainBits)) {
                fail(RankingError::BadLine, m_lineNumber, "the gain is not a decimal above 0");
                return false;
            }
            bool added;
            // The pairs of one word usually follow each other.
            if (fields[1] != lastFirstKey) {
                lastFirst = insertWord(fields[1], added);
                lastFirstKey = fields[1];
            }
            const WordId first = lastFirst;
            const WordId second = first == NoWord ? NoWord : insertWord(fields[2], added);
            if (second == NoWord)
                return false;
            if (!insertPair(first, second, static_cast<std::int32_t>(gain))) {
                fail(RankingError::BadLine, m_lineNumber, "the pair is listed twice");
                return false;
            }
            m_words[static_cast<std::size_t>(first)].leads = true;
            std::int32_t &best = m_words[static_cast<std::size_t>(second)].bestGainInto;
            best = std::max(best, static_cast<std::int32_t>(gain));
        }
    }
    return true;
}

namespace {

// A word slot holds the word's id and the upper half of its key's hash, so that a probe passes
// other words without reading their keys: the file is far larger than any cache.
std::uint64_t wordSlot(RankingData::WordId id, std::uint64_t hash)
{
    return (hash & 0xFFFFFFFF00000000ULL) | static_cast<std::uint32_t>(id + 1);
}

RankingData::WordId slotWord(std::uint64_t slot)
{
    return static_cast<RankingData::WordId>(static_cast<std::uint32_t>(slot)) - 1;
}

} // namespace

RankingData::WordId RankingData::insertWord(std::string_view key, bool &added)
{
    added = false;
    if (m_words.size() * 2 >= m_wordSlots.size()) {
        std::vector<std::uint64_t> slots(m_wordSlots.size() * 2, 0);
        const std::size_t mask = slots.size() - 1;
        for (std::size_t id = 0; id < m_words.size(); ++id) {
            const std::uint64_t hash = hashOf(m_words[id].key);
            std::size_t slot = hash & mask;
            while (slots[slot] != 0)
                slot = (slot + 1) & mask;
            slots[slot] = wordSlot(static_cast<WordId>(id), hash);
        }
        m_wordSlots = std::move(slots);
    }
    const std::uint64_t hash = hashOf(key);
    const std::size_t mask = m_wordSlots.size() - 1;
    std::size_t slot = hash & mask;
    for (; m_wordSlots[slot] != 0; slot = (slot + 1) & mask) {
        const std::uint64_t entry = m_wordSlots[slot];
        if ((entry ^ hash) >> 32 == 0 &&
            m_words[static_cast<std::size_t>(slotWord(entry))].key == key)
            return slotWord(entry);
    }
    if (static_cast<std::int64_t>(m_words.size()) >= MaxWords) {
        fail(RankingError::TooLarge, m_lineNumber, "more words than the pairs can name");
        return NoWord;
    }
    const auto id = static_cast<WordId>(m_words.size());
    m_wordSlots[slot] = wordSlot(id, hash);
    m_words.push_back({});
    m_words.back().key = key;
    added = true;
    return id;
}

namespace {

std::uint64_t pairKey(RankingData::WordId first, RankingData::WordId second)
{
    return static_cast<std::uint64_t>(first) << (IdBits + GainBits) |
           static_cast<std::uint64_t>(second) << GainBits;
}

constexpr std::uint64_t GainMask = (std::uint64_t(1) << GainBits) - 1;

} // namespace

bool RankingData::insertPair(WordId first, WordId second, std::int32_t gain)
{
    const std::uint64_t key = pairKey(first, second);
    const std::size_t mask = m_pairSlots.size() - 1;
    std::size_t slot = mix(key) & mask;
    for (; m_pairSlots[slot] != 0; slot = (slot + 1) & mask) {
        if ((m_pairSlots[slot] & ~GainMask) == key)
            return false;
    }
    m_pairSlots[slot] = key | static_cast<std::uint64_t>(gain);
    ++m_pairCount;
    return true;
}

RankingData::WordId RankingData::Find(std::string_view key) const
{
    if (m_wordSlots.empty())
        return NoWord;
    const std::uint64_t hash = hashOf(key);
    const std::size_t mask = m_wordSlots.size() - 1;
    for (std::size_t slot = hash & mask; m_wordSlots[slot] != 0; slot = (slot + 1) & mask) {
        const std::uint64_t entry = m_wordSlots[slot];
        if ((entry ^ hash) >> 32 == 0 &&
            m_words[static_cast<std::size_t>(slotWord(entry))].key == key)
            return slotWord(entry);
    }
    return NoWord;
}

std::int32_t RankingData::PairGain(WordId first, WordId second) const
{
    if (m_pairSlots.empty() || first == NoWord || second == NoWord)
        return 0;
    const std::uint64_t key = pairKey(first, second);
    const std::size_t mask = m_pairSlots.size() - 1;
    for (std::size_t slot = mix(key) & mask; m_pairSlots[slot] != 0; slot = (slot + 1) & mask) {
        if ((m_pairSlots[slot] & ~GainMask) == key)
            return static_cast<std::int32_t>(m_pairSlots[slot] & GainMask);
    }
    return 0;
}

std::string RankingPathFor(std::string_view dictionaryPath)
{
#ifdef _WIN32
    const auto slash = dictionaryPath.find_last_of("/\\");
#else
    const auto slash = dictionaryPath.find_last_of('/');
#endif
    const auto name = slash == std::string_view::npos ? 0 : slash + 1;
    const auto dot = dictionaryPath.find_last_of('.');
    // A name starting with a dot (".numra") has no extension.
    const bool extension = dot != std::string_view::npos && dot > name;
    return std::string(dictionaryPath.substr(0, extension ? dot : dictionaryPath.size())) + ".rank";
}

} // namespace Numra
