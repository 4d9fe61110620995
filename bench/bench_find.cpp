// Start-up of numra-find, the whole process, on a one-line dictionary: what a script pays that
// calls it once per number. /bin/true, spawned the same way, is the floor. Not part of the
// test run:
//   cmake --build build --target bench_find numra-find && build/bin/bench_find [RUNS]

#include "FilePaths.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

// Milliseconds per run, sorted, with both output streams thrown away.
std::vector<double> timeRuns(const std::vector<std::string> &command, int runs)
{
    std::vector<char *> argv;
    for (const std::string &arg : command)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child;
        if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            std::perror(argv[0]);
            std::exit(2);
        }
        int status;
        waitpid(child, &status, 0);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    posix_spawn_file_actions_destroy(&actions);
    std::sort(times.begin(), times.end());
    return times;
}

void report(const char *name, const std::vector<double> &times)
{
    std::printf("%-28s median %6.2f ms  fastest %6.2f ms  90%% %6.2f ms\n", name,
                times[times.size() / 2], times.front(), times[times.size() * 9 / 10]);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const std::string dictionary =
        (std::filesystem::temp_directory_path() / ("bench_find-" + std::to_string(getpid())))
            .string();
    std::ofstream(dictionary) << "2255,CALL,N\n";
    const std::string program = (Numra::ProgramDirectory() / "numra-find").string();

    std::printf("%d runs each\n", runs);
    const auto floor = timeRuns({"/bin/true"}, runs);
    report("/bin/true", floor);
    const auto convert = timeRuns({program, "--dictionary", dictionary, "2255669"}, runs);
    report("numra-find NUMBER", convert);
    const auto lookup = timeRuns({program, "--dictionary", dictionary, "--lookup", "call"}, runs);
    report("numra-find --lookup WORD", lookup);
    std::printf("median above /bin/true: %.2f ms\n",
                convert[convert.size() / 2] - floor[floor.size() / 2]);
    std::filesystem::remove(dictionary);
}
