#include "tools/BatchMode.h"

#include "core/DictionaryIndex.h"
#include "core/NumberList.h"
#include "core/RankingData.h"
#include "core/StatusText.h"
#include "core/TextEncoding.h"
#include "tools/FindSupport.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#ifdef _WIN32
// clang-format off
#include <fcntl.h>
#include <io.h>
// clang-format on
#endif

namespace NumraFind {

namespace {

// Output lines made together: enough to keep both threads busy between two writes, few enough
// that the memory stays flat however long the list is.
constexpr std::size_t ChunkLines = 4096;
// Lines a thread takes from the chunk at a time.
constexpr std::size_t Grab = 32;
constexpr unsigned MaxThreads = 64;

struct Ranked
{
    std::string out;     // its output lines
    std::string refused; // why the line was refused; empty when it was not
    bool found = false;  // a phrase was listed
};

class BatchRanker
{
public:
    BatchRanker(const Numra::PhraseRanker &ranker, const BatchOptions &options)
        : m_ranker(ranker), m_options(options)
    {}

    void Rank(std::string_view line, std::size_t length, bool first, Ranked &result) const
    {
        result.out.clear();
        result.refused.clear();
        result.found = false;
        std::string number;
        const Numra::ListLine kind =
            Numra::ReadListLine(line, length, first, m_options.column, number);
        if (kind == Numra::ListLine::TooLong)
            result.refused = "is longer than 255 bytes";
        else if (kind == Numra::ListLine::ControlCharacter)
            result.refused = "holds a control character (a tab or another)";
        if (kind != Numra::ListLine::Number) {
            result.out.append(m_options.limit, '\n');
            return;
        }
        const Numra::MemorablePhrases found = m_ranker.Collect(Numra::FieldBytesFromUtf8(number));
        std::size_t listed = 0;
        found.Best(m_options.limit, [&](const Numra::MemorablePhrase &phrase) {
            result.out.append(number).append(1, '\t').append(phrase.vanity).append(1, '\t');
            result.out.append(phrase.text).append(1, '\t');
            result.out += Numra::CostText(phrase.cost);
            result.out.push_back('\n');
            return ++listed < m_options.limit;
        });
        result.found = listed > 0;
        for (; listed < m_options.limit; ++listed)
            result.out.append(number).append("\t\t\t\n");
    }

private:
    const Numra::PhraseRanker &m_ranker;
    const BatchOptions &m_options;
};

// Runs work(i) for every i below count on the given threads, this one among them; what a thread
// throws is thrown here once all have stopped.
template <typename Work> void onThreads(std::size_t count, unsigned threads, Work &&work)
{
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto run = [&] {
        try {
            for (std::size_t from; (from = next.fetch_add(Grab)) < count;) {
                for (std::size_t i = from; i < std::min(from + Grab, count); ++i)
                    work(i);
            }
        } catch (...) {
            next = count;
            const std::lock_guard lock(failureLock);
            if (!failure)
                failure = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(run);
    run();
    for (std::thread &helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}

unsigned threadCount(unsigned asked)
{
    if (asked > 0)
        return std::min(asked, MaxThreads);
    return std::clamp(std::thread::hardware_concurrency(), 1U, 2U);
}

// The ids of the words a phrase must hold, from a lookup of each; a word the dictionary lacks
// is said so.
bool wantedWords(Numra::DictionaryFile &file, const Numra::DictionaryIndex &index,
                 const std::vector<std::string> &words, std::vector<std::uint32_t> &ids)
{
    for (const std::string &word : words) {
        const Numra::WantedWord wanted = Numra::FindWanted(file, index, word);
        if (wanted.error != Numra::DictionaryError::None) {
            DictionaryError(wanted.error, file);
            return false;
        }
        if (wanted.ids.empty())
            std::fprintf(stderr, "numra-find: --containing %s: no phrase can hold it\n",
                         word.c_str());
        ids.insert(ids.end(), wanted.ids.begin(), wanted.ids.end());
    }
    return true;
}

std::string megabytes(std::size_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / 1e6);
    return text;
}

// What a run of the list came to.
struct ListOutcome
{
    std::size_t lines = 0;
    std::size_t found = 0; // lines with a phrase
    bool refused = false;
};

// Chunk by chunk: read, ranked on the threads, written in order.
ListOutcome rankList(Numra::ListLineReader &reader, const BatchRanker &rank, std::size_t limit,
                     unsigned threads)
{
    // A large --limit makes many lines of each number.
    const std::size_t chunk = std::max<std::size_t>(1, ChunkLines / limit);
    std::vector<std::string> lines(chunk);
    std::vector<std::size_t> lengths(chunk);
    std::vector<Ranked> results(chunk);
    ListOutcome outcome;
    for (bool more = true; more && !std::ferror(stdout);) {
        std::size_t count = 0;
        while (count < chunk && (more = reader.Next(lines[count], lengths[count])))
            ++count;
        const std::size_t firstLine = outcome.lines;
        onThreads(count, threads, [&](std::size_t i) {
            rank.Rank(lines[i], lengths[i], firstLine + i == 0, results[i]);
        });
        for (std::size_t i = 0; i < count; ++i) {
            ++outcome.lines;
            if (!results[i].refused.empty()) {
                outcome.refused = true;
                std::fprintf(stderr, "numra-find: line %zu: %s\n", outcome.lines,
                             results[i].refused.c_str());
            }
            outcome.found += results[i].found;
            Write(results[i].out);
        }
    }
    return outcome;
}

} // namespace

int RunBatch(const BatchOptions &options)
{
    const bool fromStandardInput = options.input.empty() || options.input == "-";
#ifdef _WIN32
    // Text mode would end the list at a Ctrl-Z.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::FILE *input = fromStandardInput ? stdin : std::fopen(options.input.c_str(), "rb");
    if (!input) {
        std::fprintf(stderr, "numra-find: cannot open %s: %s\n", options.input.c_str(),
                     std::strerror(errno));
        return Trouble;
    }
    struct Closer
    {
        std::FILE *file;
        bool owned;
        ~Closer()
        {
            if (owned)
                std::fclose(file);
        }
    } closer{input, !fromStandardInput};

    const auto start = std::chrono::steady_clock::now();
    Numra::DictionaryFile file(options.dictionary, {.TwoThreads = true});
    const Numra::DictionaryIndex index = Numra::DictionaryIndex::Build(file);
    if (index.Error() != Numra::DictionaryError::None)
        return DictionaryError(index.Error(), file);
    const double built = SecondsSince(start);
    const std::string rankingPath = Numra::RankingPathFor(file.Path());
    const auto rankingRead = std::chrono::steady_clock::now();
    const Numra::RankingData rankingData = Numra::RankingData::Read(rankingPath);
    const double loaded = SecondsSince(rankingRead);
    Numra::PhraseRanker ranker(index, &rankingData, options.phrases);
    if (!options.containing.empty()) {
        std::vector<std::uint32_t> ids;
        if (!wantedWords(file, index, options.containing, ids))
            return Trouble;
        ranker.Want(ids);
    }
    std::fprintf(stderr, "dictionary index: %zu words of %lld lines, %s MB, built in %s secs\n",
                 index.WordCount(), static_cast<long long>(index.LineCount()),
                 megabytes(index.Bytes()).c_str(), SecondsText(built).c_str());
    PrintRankingStatus(rankingData, rankingPath, loaded);

    const unsigned threads = threadCount(options.threads);
    Numra::ListLineReader reader(input);
    const auto listStarted = std::chrono::steady_clock::now();
    const ListOutcome outcome =
        rankList(reader, BatchRanker(ranker, options), options.limit, threads);
    if (!OutputWritten())
        return Trouble;
    if (reader.Failed()) {
        std::fprintf(stderr, "numra-find: could not read %s: %s\n",
                     fromStandardInput ? "the standard input" : options.input.c_str(),
                     std::strerror(reader.Error()));
        return Trouble;
    }
    std::fprintf(stderr, "%zu numbers, %zu with a phrase, ranked in %s secs on %u thread%s\n",
                 outcome.lines, outcome.found, SecondsText(SecondsSince(listStarted)).c_str(),
                 threads, threads == 1 ? "" : "s");
    return outcome.refused ? NoneFound : Found;
}

} // namespace NumraFind
