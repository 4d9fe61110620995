#pragma once

// What the benchmarks share: the dictionaries they measure on, and the process's peak memory.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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

// The median of several runs of work, in milliseconds.
inline double medianOf(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct ProcessFigures
{
    double Ms = 0;
    long PeakKiB = 0;
};

// One run of a program with its output thrown away: wall time and peak resident memory. A run
// that fails (exit status above 1) ends the benchmark.
inline ProcessFigures runProcess(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const ProcessFigures run{
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        usage.ru_maxrss};
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s failed\n", args[0].c_str());
        std::exit(1);
    }
    return run;
}

} // namespace Bench
