// Cost of complete phrases against one conversion pass, the time and memory of the best 100,000,
// and the speed and memory of listing every phrase, on a dictionary of a million lines. Not part
// of the test run:
//   cmake --build build --target bench_suggest && build/bin/bench_suggest [DICTIONARY]

#include "BenchSupport.h"
#include "Conversion.h"
#include "PhraseSuggestions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

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

} // namespace

int main(int argc, char *argv[])
{
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
