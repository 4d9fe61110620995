#pragma once

#include "core/BlockReader.h"
#include "core/ByteMarks.h"
#include "core/LineBlock.h"
#include "core/LineBlocks.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace Numra {

// What went wrong with the dictionary, for the caller to report; the core shows nothing.
enum class DictionaryError { None, CouldNotOpen, ReadError };

// The one binding through which every reader reads the dictionary. It holds at most one
// handle, reads in large blocks and hands out lines of at most ShortStringMax bytes, read as
// the options it was made with say.
class DictionaryFile
{
public:
    static constexpr std::size_t BlockSize = Numra::BlockSize;

    explicit DictionaryFile(ReaderOptions options = {});
    explicit DictionaryFile(std::string path, ReaderOptions options = {});
    ~DictionaryFile();
    DictionaryFile(const DictionaryFile &) = delete;
    DictionaryFile &operator=(const DictionaryFile &) = delete;

    // Binding to another path releases the handle of the previous one.
    void Bind(std::string path);
    const std::string &Path() const { return m_path; }

    // Opens the bound file again at its first line; false when it cannot be opened, and then
    // OpenError says why.
    bool Reset();
    std::error_code OpenError() const { return m_openError; }
    bool IsOpen() const { return m_file != nullptr; }
    void Close();

    // The whole lines of the next block, as LineBlocks::Next gives them; an error when the file
    // is not open.
    ReadResult ReadBlock(LineBlock &block, const PickedLines **picked = nullptr);

    // What a pass asks of the blocks, marks beyond the line breaks (the same for a whole pass)
    // and its picker, for as long as it holds this; the second thread is joined when it goes,
    // however the pass ends.
    class Pass
    {
    public:
        Pass(DictionaryFile &file, MarkRequest request, const LinePicker *picker);
        ~Pass();
        Pass(const Pass &) = delete;
        Pass &operator=(const Pass &) = delete;

    private:
        DictionaryFile &m_file;
    };

private:
    std::string m_path;
    ReaderOptions m_options;
    std::FILE *m_file = nullptr;
    std::error_code m_openError;
    // Made at the first open: a binding that is never read holds no blocks.
    std::unique_ptr<LineBlocks> m_lines;
};

// A pass in two halves: pick looks at the lines of a block alone and may run on another thread
// ahead of the file order, so it may only read what stays unchanged for the pass; use takes
// each block and what was picked from it, in file order. Re-opens the file at its first line
// and tells onOpened, when given, that it could.
template <typename Use>
DictionaryError ReadDictionaryPicked(DictionaryFile &file, const LinePicker &pick, Use &&use,
                                     MarkRequest request,
                                     const std::function<void()> &onOpened = {})
{
    if (!file.Reset())
        return DictionaryError::CouldNotOpen;
    if (onOpened)
        onOpened();
    const DictionaryFile::Pass pass(file, request, pick ? &pick : nullptr);
    LineBlock block;
    PickedLines mine;
    for (;;) {
        const PickedLines *picked = nullptr;
        switch (file.ReadBlock(block, &picked)) {
        case ReadResult::Lines:
            if (!picked) {
                mine.Clear();
                if (pick)
                    pick(block, mine);
                picked = &mine;
            }
            use(block, *picked);
            break;
        case ReadResult::End:
            return DictionaryError::None;
        case ReadResult::Error:
            return DictionaryError::ReadError;
        }
    }
}

// Every line of the file in order, the last line too.
template <typename OnLine> DictionaryError ReadDictionary(DictionaryFile &file, OnLine &&onLine)
{
    return ReadDictionaryPicked(file, LinePicker(),
                                [&](const LineBlock &block, const PickedLines &) {
                                    LineCursor cursor(block);
                                    std::string_view line;
                                    while (cursor.Next(line))
                                        onLine(line);
                                },
                                {});
}

} // namespace Numra
