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

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    return median(std::move(times));
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

// A child of a large process counts the forked copy of its parent's memory in its own peak
// (Linux charges the copy's resident pages to it at exec). A launcher forked while the benchmark
// is still small starts the timed processes instead, so that their peaks are their own.
class Launcher
{
public:
    Launcher()
    {
        int request[2], answer[2];
        if (pipe(request) != 0 || pipe(answer) != 0) {
            std::perror("pipe");
            std::exit(1);
        }
        m_pid = fork();
        if (m_pid == 0) {
            close(request[1]);
            close(answer[0]);
            serve(request[0], answer[1]);
            _exit(0);
        }
        close(request[0]);
        close(answer[1]);
        m_requests = request[1];
        m_answers = answer[0];
    }
    ~Launcher()
    {
        close(m_requests);
        close(m_answers);
        waitpid(m_pid, nullptr, 0);
    }
    Launcher(const Launcher &) = delete;
    Launcher &operator=(const Launcher &) = delete;

    // runProcess, in the launcher.
    ProcessFigures Run(const std::vector<std::string> &args)
    {
        std::string request;
        for (const std::string &arg : args)
            request.append(arg).push_back('\0');
        std::size_t size = request.size();
        ProcessFigures run;
        if (!transfer(write, m_requests, &size, sizeof size) ||
            !transfer(write, m_requests, request.data(), size) ||
            !transfer(read, m_answers, &run, sizeof run))
            std::exit(1); // the launcher has said why
        return run;
    }

private:
    template <typename Call> static bool transfer(Call call, int fd, void *data, std::size_t size)
    {
        for (auto *bytes = static_cast<char *>(data); size > 0;) {
            const ssize_t done = call(fd, bytes, size);
            if (done <= 0)
                return false;
            bytes += done;
            size -= static_cast<std::size_t>(done);
        }
        return true;
    }

    static void serve(int requests, int answers)
    {
        std::size_t size = 0;
        while (transfer(read, requests, &size, sizeof size)) {
            std::string request(size, '\0');
            if (!transfer(read, requests, request.data(), size))
                return;
            std::vector<std::string> args;
            for (std::size_t at = 0; at < request.size(); at = request.find('\0', at) + 1)
                args.emplace_back(request.c_str() + at);
            ProcessFigures run = runProcess(args);
            transfer(write, answers, &run, sizeof run);
        }
    }

    pid_t m_pid = -1;
    int m_requests = -1;
    int m_answers = -1;
};

} // namespace Bench
