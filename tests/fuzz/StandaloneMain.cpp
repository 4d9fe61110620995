// Stands in for libFuzzer where it is not built: runs the target once on every file named on the
// command line, or found in a directory named there, so that the seeds serve as regression tests.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace fs = std::filesystem;

namespace {

bool collect(const fs::path &argument, std::vector<fs::path> &inputs)
{
    std::error_code ec;
    if (fs::is_directory(argument, ec)) {
        for (const auto &entry : fs::directory_iterator(argument, ec)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
        return !ec;
    }
    if (!fs::is_regular_file(argument, ec))
        return false;
    inputs.push_back(argument);
    return true;
}

bool run(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> content{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    if (in.bad())
        return false;
    std::cout << "Running " << path.string() << " (" << content.size() << " bytes)\n" << std::flush;
    // A valid pointer even for an empty input, as libFuzzer gives one.
    static const std::uint8_t empty = 0;
    const auto *data =
        content.empty() ? &empty : reinterpret_cast<const std::uint8_t *>(content.data());
    LLVMFuzzerTestOneInput(data, content.size());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!collect(argv[i], inputs)) {
            std::cerr << argv[0] << ": cannot read " << argv[i] << '\n';
            return 1;
        }
    }
    if (inputs.empty()) {
        std::cerr << "usage: " << argv[0] << " FILE|DIRECTORY...\n";
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path &path : inputs) {
        if (!run(path)) {
            std::cerr << argv[0] << ": cannot read " << path.string() << '\n';
            return 1;
        }
    }
    std::cout << "Ran " << inputs.size() << " inputs\n";
    return 0;
}
