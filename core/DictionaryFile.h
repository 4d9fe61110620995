#pragma once

#include "NumraGlobal.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace Numra {

// What went wrong with the dictionary, for the caller to report; the core shows nothing.
enum class DictionaryError { None, CouldNotOpen, ReadError };

// The one binding through which every reader reads the dictionary. It holds at most one
// handle, reads in large blocks and hands out lines of at most ShortStringMax bytes.
class DictionaryFile
{
public:
    enum class ReadResult { Line, End, Error };

    DictionaryFile() = default;
    explicit DictionaryFile(std::string path) : m_path(std::move(path)) {}
    ~DictionaryFile() { Close(); }
    DictionaryFile(const DictionaryFile &) = delete;
    DictionaryFile &operator=(const DictionaryFile &) = delete;

    // Binding to another path releases the handle of the previous one.
    void Bind(std::string path);
    const std::string &Path() const { return m_path; }

    // Opens the bound file again at its first line; false when it cannot be opened.
    bool Reset();
    bool IsOpen() const { return m_file != nullptr; }
    void Close();

    // The line stays valid until the next call. Any of LF, CRLF and CR ends a line; a line
    // break at the very end of the file starts no further line.
    ReadResult ReadLine(std::string_view &line);

private:
    bool fill();
    void keep(const char *text, std::size_t length);

    std::string m_path;
    std::FILE *m_file = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    // Where the next LF lies (or m_end when the block holds none), so that a file with CR
    // line ends is not rescanned for LF once per line.
    std::size_t m_nextLf = 0;
    bool m_lfKnown = false;
    std::size_t m_nextCr = 0; // likewise for CR, which most files never hold
    bool m_crKnown = false;
    bool m_eof = false;
    bool m_error = false;
    bool m_skipLf = false; // a CR ended the last block: an LF starting the next one belongs to it
    std::string m_long;    // the kept part of a line that crosses a block boundary
};

// The reading loop every reader shares: re-opens the file at its first line, tells onOpened
// that it could, and passes each line, the last one too, to onLine.
template <typename OnLine, typename OnOpened>
DictionaryError ReadDictionary(DictionaryFile &file, OnLine &&onLine, OnOpened &&onOpened)
{
    if (!file.Reset())
        return DictionaryError::CouldNotOpen;
    onOpened();
    std::string_view line;
    for (;;) {
        switch (file.ReadLine(line)) {
        case DictionaryFile::ReadResult::Line:
            onLine(line);
            break;
        case DictionaryFile::ReadResult::End:
            return DictionaryError::None;
        case DictionaryFile::ReadResult::Error:
            return DictionaryError::ReadError;
        }
    }
}

template <typename OnLine> DictionaryError ReadDictionary(DictionaryFile &file, OnLine &&onLine)
{
    return ReadDictionary(file, std::forward<OnLine>(onLine), [] {});
}

} // namespace Numra
