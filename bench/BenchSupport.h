#pragma once

// What the benchmarks share: the dictionaries they measure on, and the process's peak memory.

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace Bench {

// A dictionary of at least the given number of lines, made by tools/make-dictionary from the
// large word list once and kept for later runs.
inline std::string makeDictionary(const std::filesystem::path &path, int lines)
{
    if (std::filesystem::exists(path))
        return path.string();
    const char *words = "/usr/share/dict/american-english-huge";
    if (!std::filesystem::exists(words)) {
        std::fprintf(stderr,
                     "The benchmark dictionary is made from %s and the common-word lists: "
                     "apt-get install wamerican-huge wamerican-small scowl\n",
                     words);
        std::exit(1);
    }
    std::printf("making %s ...\n", path.c_str());
    const std::string command = "/usr/bin/python3 '" NUMRA_SOURCE_DIR
                                "/tools/make-dictionary' --words " +
                                std::string(words) + " --min-lines " + std::to_string(lines) +
                                " --output '" + path.string() + "'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "tools/make-dictionary failed\n");
        std::exit(1);
    }
    return path.string();
}

// The process's peak resident memory so far.
inline long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace Bench
