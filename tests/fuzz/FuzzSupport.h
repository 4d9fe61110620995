#pragma once

#include "core/ByteMarks.h"
#include "core/DictionaryFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unistd.h>

namespace Fuzz {

// Larger inputs are skipped: they find nothing that a small one cannot, and slow every run.
inline constexpr std::size_t MaxInput = 1 << 20;

[[noreturn]] inline void fail(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

// A macro for the text of the condition and its line; clang 14 has no std::source_location.
#define FUZZ_CHECK(condition) ((condition) ? void(0) : Fuzz::fail(#condition, __FILE__, __LINE__))

inline std::string_view bytes(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

// One dictionary file per process, rewritten for each input and removed at exit. It lives in
// memory where it can: on a disk file system each rewrite of a truncated file is flushed to disk
// and costs more than the whole test.
class ScratchFile
{
public:
    ScratchFile()
        : m_path((directory() / ("numra-fuzz-" + std::to_string(getpid()) + ".txt")).string())
    {}
    ~ScratchFile() { std::remove(m_path.c_str()); }

    const std::string &Path() const { return m_path; }

    void Write(std::string_view content) const
    {
        std::FILE *file = std::fopen(m_path.c_str(), "wb");
        FUZZ_CHECK(file != nullptr);
        // An empty view may hold a null pointer, which fwrite must not be given.
        const bool written = content.empty() ||
                             std::fwrite(content.data(), 1, content.size(), file) == content.size();
        FUZZ_CHECK(std::fclose(file) == 0 && written);
    }

private:
    static std::filesystem::path directory()
    {
        std::error_code ec;
        if (std::filesystem::is_directory("/dev/shm", ec))
            return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::string m_path;
};

inline const ScratchFile &Scratch()
{
    static const ScratchFile file;
    return file;
}

// A binding to the scratch file for an input of the given size. Each input is read with one of
// the markers this processor can run, in turn or on two threads, taken by its size, so that
// every way of reading meets every kind of input. Each way has its binding, kept for the whole
// run as the program keeps its own: each reader opens it again at its first line, and its read
// blocks are not allocated anew per input.
inline Numra::DictionaryFile &ScratchDictionary(std::size_t inputSize)
{
    static const std::vector<Numra::Marker> markers = Numra::AvailableMarkers();
    static const std::vector<std::unique_ptr<Numra::DictionaryFile>> files = [] {
        std::vector<std::unique_ptr<Numra::DictionaryFile>> made;
        for (bool twoThreads : {false, true}) {
            for (Numra::Marker marker : markers)
                made.push_back(std::make_unique<Numra::DictionaryFile>(
                    Scratch().Path(), Numra::ReaderOptions{marker, twoThreads}));
        }
        return made;
    }();
    const std::size_t marker = inputSize % markers.size();
    const bool twoThreads = inputSize / markers.size() % 2 == 1;
    return *files[(twoThreads ? markers.size() : 0) + marker];
}

// The first line of an input (up to its first LF) and the rest, which becomes the dictionary.
inline std::pair<std::string_view, std::string_view> SplitFirstLine(std::string_view input)
{
    const auto lf = input.find('\n');
    if (lf == std::string_view::npos)
        return {input, {}};
    return {input.substr(0, lf), input.substr(lf + 1)};
}

} // namespace Fuzz
