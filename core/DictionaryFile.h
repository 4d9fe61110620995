#pragma once

#include "ByteMarks.h"
#include "NumraGlobal.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace Numra {

// What went wrong with the dictionary, for the caller to report; the core shows nothing.
enum class DictionaryError { None, CouldNotOpen, ReadError };

// The whole lines of one block of the file, from Start to Size, with the marks of its bytes
// (bit i of a mark word stands for Text[i]). Valid until the file reads on.
struct LineBlock
{
    const char *Text = nullptr;
    std::size_t Start = 0;
    std::size_t Size = 0;
    const ByteMarks *Marks = nullptr;
};

// Where the line after the break at `at` begins: past the LF too when the break is the CR of a
// CR LF pair (that LF carries no mark). The byte after a block's text is readable.
inline std::size_t AfterBreak(const char *text, std::size_t at)
{
    return text[at] == '\r' && text[at + 1] == '\n' ? at + 2 : at + 1;
}

// Hands out the lines of a block in order, each cut to ShortStringMax bytes. Every line but the
// file's last ends at a break mark; text after the last mark is the last line of the file.
class LineCursor
{
public:
    explicit LineCursor(const LineBlock &block)
        : m_text(block.Text), m_size(block.Size), m_breaks(block.Marks->Breaks.data()),
          m_words((block.Size + 63) / 64), m_hasCr(block.Marks->HasCr), m_start(block.Start)
    {
        m_word = block.Start / 64;
        if (m_word < m_words) {
            m_base = m_word * 64;
            m_bits = m_breaks[m_word++] & (~std::uint64_t{0} << (block.Start % 64));
        }
    }

    bool Next(std::string_view &line)
    {
        while (m_bits == 0) {
            if (m_word >= m_words) {
                if (m_start >= m_size)
                    return false;
                line = cut(m_size);
                m_start = m_size;
                return true;
            }
            m_base = m_word * 64;
            m_bits = m_breaks[m_word++];
        }
        const std::size_t at = m_base + static_cast<std::size_t>(std::countr_zero(m_bits));
        m_bits &= m_bits - 1;
        line = cut(at);
        m_start = m_hasCr ? AfterBreak(m_text, at) : at + 1;
        return true;
    }

private:
    std::string_view cut(std::size_t end) const
    {
        return {m_text + m_start, std::min(end - m_start, ShortStringMax)};
    }

    const char *m_text = nullptr;
    std::size_t m_size = 0;
    const std::uint64_t *m_breaks = nullptr;
    std::size_t m_words = 0;
    bool m_hasCr = false;
    std::size_t m_start = 0;
    std::size_t m_word = 0;
    std::size_t m_base = 0;
    std::uint64_t m_bits = 0;
};

// The number of lines in a block.
inline std::size_t CountLines(const LineBlock &block)
{
    const ByteMarks &marks = *block.Marks;
    const std::size_t last = LastMark(marks.Breaks, block.Start, block.Size);
    const std::size_t lastStart = last == block.Size ? block.Start : AfterBreak(block.Text, last);
    return CountMarks(marks.Breaks, block.Start, block.Size) + (lastStart < block.Size ? 1 : 0);
}

// The line that holds the byte at, cut to ShortStringMax bytes; end receives where it ends.
inline std::string_view LineHolding(const LineBlock &block, std::size_t at, std::size_t &end)
{
    const ByteMarks &marks = *block.Marks;
    const std::size_t before = LastMark(marks.Breaks, block.Start, at);
    const std::size_t start = before == at ? block.Start : AfterBreak(block.Text, before);
    end = NextMark(marks.Breaks, std::max(start, at), block.Size);
    return {block.Text + start, std::min(end - start, ShortStringMax)};
}

// What a pass picked out of a block's lines on its own: where each picked line starts in the
// block's text, its length and its number among the block's lines (from 0); and how many
// lines the block has.
struct PickedLine
{
    std::uint32_t At = 0;
    std::uint32_t Length = 0;
    std::uint32_t Index = 0;
};

struct PickedLines
{
    std::vector<PickedLine> Lines;
    std::size_t LineCount = 0;

    void Clear()
    {
        Lines.clear();
        LineCount = 0;
    }
    void Add(const LineBlock &block, std::string_view line, std::size_t index)
    {
        Lines.push_back({static_cast<std::uint32_t>(line.data() - block.Text),
                         static_cast<std::uint32_t>(line.size()),
                         static_cast<std::uint32_t>(index)});
    }
    std::string_view Line(const LineBlock &block, const PickedLine &picked) const
    {
        return {block.Text + picked.At, picked.Length};
    }
};

// Picks lines out of a block by looking at them alone; it may run on another thread.
using LinePicker = std::function<void(const LineBlock &, PickedLines &)>;

// Counts every line of a block and picks those that accepted takes, line by line.
template <typename Accepted>
void PickEachLine(const LineBlock &block, PickedLines &picked, Accepted &&accepted)
{
    LineCursor cursor(block);
    std::string_view line;
    for (; cursor.Next(line); ++picked.LineCount) {
        if (accepted(line))
            picked.Add(block, line, picked.LineCount);
    }
}

// The one binding through which every reader reads the dictionary. It holds at most one
// handle, reads in large blocks and hands out lines of at most ShortStringMax bytes.
class DictionaryFile
{
public:
    enum class ReadResult { Line, End, Error };
    // Bytes read at a time; a line or a CR LF pair may be split between two blocks.
    static constexpr std::size_t BlockSize = 256 * 1024;

    DictionaryFile();
    explicit DictionaryFile(std::string path);
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

    // The whole lines of the next block (Line), the last line of the file among them; a block
    // that ends in a read error still gives the lines before it, and the next call the error.
    // Any of LF, CRLF and CR ends a line; a line break at the very end of the file starts no
    // further line. When picked is given, it receives what the pass's picker found in exactly
    // these lines ahead of time, or null when the pass must pick them itself.
    ReadResult ReadBlock(LineBlock &block, const PickedLines **picked = nullptr);

    // With it on, a second thread takes blocks after the first as they come while a pass holds
    // a Pass: it reads them at their place in the file, marks them and runs the pass's picker
    // on them, while this thread does the same with the next block that nobody has taken and
    // hands out the blocks in file order. So each core scans the bytes it copied in. Lines,
    // counts and errors are the same either way. Off unless turned on (the benchmark measures
    // both).
    static void UseReadAhead(bool use);

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
    struct Blocks;

    void stopReadAhead();

    std::string m_path;
    std::FILE *m_file = nullptr;
    std::error_code m_openError;
    std::unique_ptr<Blocks> m_blocks;
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
        case DictionaryFile::ReadResult::Line:
            if (!picked) {
                mine.Clear();
                if (pick)
                    pick(block, mine);
                picked = &mine;
            }
            use(block, *picked);
            break;
        case DictionaryFile::ReadResult::End:
            return DictionaryError::None;
        case DictionaryFile::ReadResult::Error:
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
