// numra-find --batch on the shipped dictionary and its ranking data: the index's size and build
// time, the ranking of one number in process, and whole runs on a million generated ten-digit
// numbers and on their first 100,000, on one thread and on two, with each run's peak memory.
// Not part of the test run:
//   cmake --build build --target bench_batch && build/bin/bench_batch [--quick]

#include "bench/BenchSupport.h"
#include "core/DictionaryIndex.h"
#include "core/MemorablePhrases.h"
#include "core/RankingData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bench::medianOf;

// North American numbers as people write them: an area code and an exchange from 2 to 9.
std::vector<std::string> generatedNumbers(std::size_t count)
{
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> leading(2, 9), digit(0, 9);
    std::vector<std::string> numbers;
    numbers.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        std::string number;
        for (int i = 0; i < 10; ++i) {
            if (i == 3 || i == 6)
                number.push_back('-');
            number.push_back(
                static_cast<char>('0' + (i == 0 || i == 3 ? leading(random) : digit(random))));
        }
        numbers.push_back(std::move(number));
    }
    return numbers;
}

std::string writeList(const std::filesystem::path &path, const std::vector<std::string> &numbers,
                      std::size_t count)
{
    std::ofstream out(path, std::ios::binary);
    for (std::size_t n = 0; n < count; ++n)
        out << numbers[n] << '\n';
    return path.string();
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::Launcher launcher; // before the list and the index make this process large
    const bool quick = argc > 1 && std::string(argv[1]) == "--quick";
    const std::filesystem::path programDirectory = std::filesystem::absolute(argv[0]).parent_path();
    const std::string dictionary = NUMRA_SOURCE_DIR "/resources/Numra Dictionary.txt";
    const std::string rankingPath = Numra::RankingPathFor(dictionary);
    if (!std::filesystem::exists(rankingPath)) {
        std::fprintf(stderr, "%s is missing: make it with tools/make-ranking\n",
                     rankingPath.c_str());
        return 1;
    }

    Numra::DictionaryFile file(dictionary);
    std::size_t indexBytes = 0, words = 0;
    const double build = medianOf(9, [&] {
        const auto index = Numra::DictionaryIndex::Build(file);
        indexBytes = index.Bytes();
        words = index.WordCount();
    });
    Numra::RankingData ranking;
    const double load = medianOf(5, [&] { ranking = Numra::RankingData::Read(rankingPath); });
    const auto index = Numra::DictionaryIndex::Build(file);
    const Numra::PhraseRanker ranker(index, &ranking, {});
    const double prepare =
        medianOf(5, [&] { const Numra::PhraseRanker again(index, &ranking, {}); });
    std::printf("index: %zu words, %.2f MB, built in %.2f ms (median of 9); ranking data "
                "loaded in %.2f ms, ranked for the index in %.2f ms (medians of 5)\n",
                words, static_cast<double>(indexBytes) / 1e6, build, load, prepare);

    const std::size_t total = quick ? 100000 : 1000000;
    const std::vector<std::string> numbers = generatedNumbers(total);
    // In process, one thread: the search alone, without reading or writing lines.
    const std::size_t sample = 20000;
    std::size_t found = 0;
    const double ranked = medianOf(5, [&] {
        found = 0;
        for (std::size_t n = 0; n < sample; ++n)
            found += !ranker.Collect(numbers[n]).Best(1).empty();
    });
    std::printf("in process, one thread: %zu numbers in %.1f ms (median of 5): %.0f numbers/s, "
                "%.1f us each; %zu with a phrase\n",
                sample, ranked, 1000.0 * static_cast<double>(sample) / ranked,
                1000.0 * ranked / static_cast<double>(sample), found);

    const std::string find = (programDirectory / "numra-find").string();
    const std::size_t small = std::min<std::size_t>(100000, total);
    const std::string smallList =
        writeList(programDirectory / "bench-list-100k.txt", numbers, small);
    const std::string bigList =
        quick ? smallList : writeList(programDirectory / "bench-list-1m.txt", numbers, total);
    // One and two threads taken in turns, so that a busy spell of the machine slows both alike.
    const auto whole = [&](const std::string &list, std::size_t count, int runs) {
        std::vector<double> times[2];
        long peak[2] = {0, 0};
        for (int i = 0; i < runs; ++i) {
            for (int threads = 1; threads <= 2; ++threads) {
                const Bench::ProcessFigures run =
                    launcher.Run({find, "--dictionary", dictionary, "--batch", "--threads",
                                  std::to_string(threads), list});
                times[threads - 1].push_back(run.Ms);
                peak[threads - 1] = std::max(peak[threads - 1], run.PeakKiB);
            }
        }
        for (int threads = 1; threads <= 2; ++threads) {
            const double ms = Bench::median(times[threads - 1]);
            std::printf("numra-find --batch, %zu numbers, %d thread%s: %.0f ms (median of %d), "
                        "%.0f numbers/s; peak RSS %.1f MiB\n",
                        count, threads, threads == 1 ? "" : "s", ms, runs,
                        1000.0 * static_cast<double>(count) / ms,
                        static_cast<double>(peak[threads - 1]) / 1024);
        }
    };
    std::vector<double> starts;
    long startPeak = 0;
    for (int i = 0; i < 5; ++i) {
        const Bench::ProcessFigures run =
            launcher.Run({find, "--dictionary", dictionary, "--batch", "/dev/null"});
        starts.push_back(run.Ms);
        startPeak = std::max(startPeak, run.PeakKiB);
    }
    std::printf("numra-find --batch on an empty list (the index and the ranking data): %.0f ms "
                "(median of 5); peak RSS %.1f MiB\n",
                Bench::median(starts), static_cast<double>(startPeak) / 1024);
    whole(smallList, small, 5);
    if (!quick)
        whole(bigList, total, 3);
    return 0;
}
