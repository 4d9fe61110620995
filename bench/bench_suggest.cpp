// The ranked phrases on the shipped dictionary: the ranking data's load, the best 100 against one
// conversion pass, and numra-find's start without --phrases. Then the cost of complete phrases
// against one conversion pass, the time and memory of the best 100,000, and the speed and memory
// of listing every phrase, on a dictionary of a million lines. Not part of the test run:
//   cmake --build build --target bench_suggest && build/bin/bench_suggest [DICTIONARY]

#include "bench/BenchSupport.h"
#include "core/Conversion.h"
#include "core/MemorablePhrases.h"
#include "core/PhraseSuggestions.h"
#include "core/RankingData.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr int Runs = 7;

// The fastest of several runs, in milliseconds: the least disturbed by a busy machine.
double bestOf(const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < Runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void compareWithPass(Numra::DictionaryFile &file, const std::string &number)
{
    // Taken in turns, so that a busy spell of the machine slows both alike.
    double pass = 1e300, best = 1e300;
    std::size_t records = 0, phrases = 0;
    double count = 0;
    for (int i = 0; i < 3; ++i) {
        pass = std::min(pass, bestOf([&] {
                            Numra::RunConversion(file, number, Numra::Placement::AnyPoint,
                                                 [](const Numra::Record &) {});
                        }));
        best = std::min(best, bestOf([&] {
                            const auto suggestions =
                                Numra::PhraseSuggestions::Collect(file, number);
                            phrases = suggestions.Best(100).size();
                            records = suggestions.RecordCount();
                            count = suggestions.ApproximateCount();
                        }));
    }
    const auto suggestions = Numra::PhraseSuggestions::Collect(file, number);
    const double search = bestOf([&] { suggestions.Best(100); });
    std::printf("%3zu digits: pass %7.2f ms, suggestions (pass, graph, best 100) %7.2f ms, "
                "ratio %.3f; the search alone %.3f ms (%zu records, %.3g phrases, %zu listed)\n",
                number.size(), pass, best, best / pass, search, records, count, phrases);
}

// Many of the best, handed out one at a time: the memory grows with the phrases handed out, a few
// bytes each, and is measured before the rest of the run raises the peak.
void bestMany(Numra::DictionaryFile &file, const std::string &number, std::size_t n)
{
    const auto suggestions = Numra::PhraseSuggestions::Collect(file, number);
    const long before = Bench::peakKiB();
    std::size_t handed = 0;
    const double took = bestOf([&] {
        handed = 0;
        suggestions.Best(n, [&](const Numra::Suggestion &) { return ++handed, true; });
    });
    std::printf("best %zu of %zu digits: %8.2f ms; peak memory %ld kB before, %ld kB after\n",
                handed, number.size(), took, before, Bench::peakKiB());
}

using Bench::medianOf;

// Until tools/make-ranking has written the real file: every word of the dictionary at a cost by
// its line, as the fallback ranks it, and pairs of the commoner words, the second of each among
// the 4,000 commonest, as a language model's pairs mostly are.
std::string syntheticRanking(const std::string &dictionary, const std::filesystem::path &path,
                             std::size_t pairs, std::size_t leading)
{
    std::ifstream in(dictionary, std::ios::binary);
    std::ofstream out(path, std::ios::binary);
    out << "numra-rank 1\n# synthetic, written by bench_suggest\n";
    std::vector<std::string> words; // in the dictionary's order
    std::unordered_set<std::string> seen;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        Numra::Record record;
        if (!Numra::SplitShownRecord(line, record) || Numra::Trim(record.word).empty())
            continue;
        const std::string key(Numra::Trim(record.word));
        if (!seen.insert(key).second)
            continue;
        words.push_back(key);
        out << "W\t" << key << '\t' << 12 + 3 * std::log2(1 + number / 2048.0) << "\t-\n";
    }
    const std::size_t common = std::min<std::size_t>(4000, words.size());
    const std::size_t perWord = (pairs + leading - 1) / leading;
    std::size_t written = 0;
    for (std::size_t i = 0; written < pairs && i < std::min(leading, words.size()); ++i) {
        std::unordered_set<std::size_t> partners;
        for (std::size_t j = 1; partners.size() < perWord && written < pairs; ++j) {
            const std::size_t partner = (i * 7919 + j * 104729) % common;
            if (!partners.insert(partner).second)
                continue;
            out << "P\t" << words[i] << '\t' << words[partner] << "\t" << 1 + (i + j) % 9 << ".5\n";
            ++written;
        }
    }
    return path.string();
}

void rankedSuggestions(const std::filesystem::path &programDirectory, Bench::Launcher &launcher)
{
    const std::string dictionary = NUMRA_SOURCE_DIR "/resources/Numra Dictionary.txt";
    std::string rankingPath = Numra::RankingPathFor(dictionary);
    const bool real = std::filesystem::exists(rankingPath);
    Numra::RankingData ranking;
    const auto load = [&ranking](const std::string &path, const char *what) {
        const double took = medianOf(9, [&] { ranking = Numra::RankingData::Read(path); });
        std::printf("ranking data (%s, %ju bytes): %zu words, %zu pairs; load %.2f ms (median)\n",
                    what, static_cast<std::uintmax_t>(std::filesystem::file_size(path)),
                    ranking.WordCount(), ranking.PairCount(), took);
    };
    if (!real) {
        load(syntheticRanking(dictionary, programDirectory / "bench-ranking-1m.rank", 1000000,
                              25000),
             "synthetic, a million pairs");
        rankingPath =
            syntheticRanking(dictionary, programDirectory / "bench-ranking.rank", 150000, 5000);
    }
    load(rankingPath, real ? "the shipped file" : "synthetic, the shipped file's size");

    Numra::DictionaryFile file(dictionary);
    for (const std::string number : {"1-800-356-9377", "356-937-7267-22556", "225566935693772"}) {
        std::size_t listed = 0, words = 0;
        // Taken in turns, so that a busy spell of the machine slows both alike.
        std::vector<double> passes, rankings;
        for (int i = 0; i < 15; ++i) {
            passes.push_back(medianOf(1, [&] {
                Numra::RunConversion(file, number, Numra::Placement::AnyPoint,
                                     [](const Numra::Record &) {});
            }));
            rankings.push_back(medianOf(1, [&] {
                const auto phrases = Numra::MemorablePhrases::Collect(file, number, &ranking, {});
                listed = phrases.Best(100).size();
                words = phrases.WordCount();
            }));
        }
        const double pass = Bench::median(passes);
        const double ranked = Bench::median(rankings);
        const auto phrases = Numra::MemorablePhrases::Collect(file, number, &ranking, {});
        const double search = medianOf(15, [&] { phrases.Best(100); });
        std::printf("%s: pass %.2f ms, ranked best 100 (pass, graph, search) %.2f ms, ratio "
                    "%.2f; the search alone %.3f ms (%zu words, %zu listed)\n",
                    number.c_str(), pass, ranked, ranked / pass, search, words, listed);
    }

    const std::string find = (programDirectory / "numra-find").string();
    const std::string oneLine = (programDirectory / "bench-one-line.txt").string();
    std::ofstream(oneLine, std::ios::binary) << "2255,CALL,N\n";
    if (std::filesystem::exists(find)) {
        // Started by the launcher: a fork of this process, large by now, would add its copy.
        const auto startUp = [&](const std::vector<std::string> &args) {
            std::vector<double> times;
            for (int run = 0; run < 21; ++run)
                times.push_back(launcher.Run(args).Ms);
            return Bench::median(times);
        };
        const double version = startUp({find, "--version"});
        const double any = startUp({find, "--dictionary", oneLine, "2255"});
        const double truth = startUp({"/bin/true"});
        std::printf("numra-find start without --phrases (median of 21): --version %.2f ms, "
                    "a one-line dictionary %.2f ms; /bin/true %.2f ms\n",
                    version, any, truth);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::Launcher launcher; // while this process is small
    rankedSuggestions(std::filesystem::absolute(argv[0]).parent_path(), launcher);
    const std::string path =
        argc > 1 ? argv[1]
                 : Bench::makeDictionary(std::filesystem::absolute(argv[0]).parent_path() /
                                             "bench-dictionary.txt",
                                         1000000);
    Numra::DictionaryFile file(path);
    std::printf("dictionary: %s\n", path.c_str());
    compareWithPass(file, "3569377267");
    compareWithPass(file, "356937726722556694357883569377");
    std::string hundred;
    while (hundred.size() < 100)
        hundred += "2255669";
    compareWithPass(file, hundred.substr(0, 100));
    bestMany(file, hundred.substr(0, 100), 100000);

    // The shortest start of a long number that has a million phrases or more.
    const std::string digits = "22556693569377267225566935693772672255669";
    std::string number;
    std::uint64_t count = 0;
    for (std::size_t length = 1; length <= digits.size() && count < 1000000; ++length) {
        number = digits.substr(0, length);
        count = Numra::PhraseSuggestions::Collect(file, number).Count();
    }
    const auto suggestions = Numra::PhraseSuggestions::Collect(file, number);
    const long before = Bench::peakKiB();
    std::uint64_t streamed = 0;
    const double bare = bestOf([&] {
        streamed = 0;
        suggestions.ForEach([&](const Numra::Suggestion &) { return ++streamed, true; });
    });
    std::size_t bytes = 0;
    const double written = bestOf([&] {
        bytes = 0;
        suggestions.ForEach([&](const Numra::Suggestion &phrase) {
            bytes += Numra::PhraseText(phrase.words).size() +
                     Numra::VanityForm(number, phrase.words).size() + 2;
            return true;
        });
    });
    std::printf("all %llu phrases of %s (%zu records): %8.2f ms streamed, %8.2f ms with phrase "
                "and vanity texts (%zu bytes); peak memory %ld kB before, %ld kB after\n",
                static_cast<unsigned long long>(streamed), number.c_str(),
                suggestions.RecordCount(), bare, written, bytes, before, Bench::peakKiB());
    return 0;
}
