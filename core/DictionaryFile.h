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

// Hands out the lines of a block in order, each cut to ShortStringMax bytes. Every line but the
// file's last ends at a break mark; text after the last mark is the last line of the file.
class LineCursor
{
public:
    LineCursor() = default;
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
        m_start = at + 1;
        // The LF of a CR LF pair carries no mark; the byte after a block's text is readable.
        if (m_hasCr && m_text[at] == '\r' && m_text[at + 1] == '\n')
            ++m_start;
        return true;
    }

    // Where line starts in the block's text.
    std::size_t Offset(std::string_view line) const
    {
        return static_cast<std::size_t>(line.data() - m_text);
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
    std::size_t lastStart = block.Start;
    if (last != block.Size) {
        lastStart = last + 1;
        if (marks.HasCr && block.Text[last] == '\r' && block.Text[last + 1] == '\n')
            ++lastStart;
    }
    return CountMarks(marks.Breaks, block.Start, block.Size) + (lastStart < block.Size ? 1 : 0);
}

// The line that holds the byte at, cut to ShortStringMax bytes; end receives where it ends.
inline std::string_view LineHolding(const LineBlock &block, std::size_t at, std::size_t &end)
{
    const ByteMarks &marks = *block.Marks;
    const std::size_t before = LastMark(marks.Breaks, block.Start, at);
    std::size_t start = block.Start;
    if (before != at) {
        start = before + 1;
        if (marks.HasCr && block.Text[before] == '\r' && block.Text[start] == '\n')
            ++start;
    }
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

    // Opens the bound file again at its first line; false when it cannot be opened.
    bool Reset();
    bool IsOpen() const { return m_file != nullptr; }
    void Close();

    // The line stays valid until the next call. Any of LF, CRLF and CR ends a line; a line
    // break at the very end of the file starts no further line.
    ReadResult ReadLine(std::string_view &line);

    // The whole lines of the next block (Line), the last line of the file among them; a block
    // that ends in a read error still gives the lines before it, and the next call the error.
    // Marks beyond the line breaks are made only when asked for, the same for a whole pass.
    // When picked is given, it receives what the pass's picker found in exactly these lines
    // ahead of time, or null when the pass must pick them itself.
    ReadResult ReadBlock(LineBlock &block, MarkRequest request = {},
                         const PickedLines **picked = nullptr);

    // While a pass holds one, a second thread takes blocks after the first as they come: it
    // reads them at their place in the file, marks them and runs the pass's picker on them,
    // while this thread does the same with the next block that nobody has taken and hands out
    // the blocks in file order. So each core scans the bytes it copied in. The thread is joined
    // when the object goes, however the pass ends. Lines, counts and errors are the same either
    // way. Off unless turned on (the benchmark measures both).
    static void UseReadAhead(bool use);

    class ReadAhead
    {
    public:
        ReadAhead(DictionaryFile &file, MarkRequest request, const LinePicker *picker);
        ~ReadAhead();
        ReadAhead(const ReadAhead &) = delete;
        ReadAhead &operator=(const ReadAhead &) = delete;

    private:
        DictionaryFile &m_file;
    };

private:
    struct Blocks;

    void stopReadAhead();

    std::string m_path;
    std::FILE *m_file = nullptr;
    std::unique_ptr<Blocks> m_blocks;
    LineBlock m_block; // what ReadLine is handing out
    LineCursor m_cursor;
};

// A pass in two halves: pick looks at the lines of a block alone and may run on another thread
// ahead of the file order, so it may only read what stays unchanged for the pass; use takes
// each block and what was picked from it, in file order. Re-opens the file at its first line
// and tells onOpened that it could.
template <typename Use, typename OnOpened>
DictionaryError ReadDictionaryPicked(DictionaryFile &file, const LinePicker &pick, Use &&use,
                                     MarkRequest request, OnOpened &&onOpened)
{
    if (!file.Reset())
        return DictionaryError::CouldNotOpen;
    onOpened();
    const DictionaryFile::ReadAhead readAhead(file, request, pick ? &pick : nullptr);
    LineBlock block;
    PickedLines mine;
    for (;;) {
        const PickedLines *picked = nullptr;
        switch (file.ReadBlock(block, request, &picked)) {
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

// The reading loop every reader shares: re-opens the file at its first line, tells onOpened
// that it could, and passes each block of whole lines, the last line too, to onBlock.
template <typename OnBlock, typename OnOpened>
DictionaryError ReadDictionaryBlocks(DictionaryFile &file, OnBlock &&onBlock, MarkRequest request,
                                     OnOpened &&onOpened)
{
    return ReadDictionaryPicked(
        file, LinePicker(), [&](const LineBlock &block, const PickedLines &) { onBlock(block); },
        request, std::forward<OnOpened>(onOpened));
}

template <typename OnBlock>
DictionaryError ReadDictionaryBlocks(DictionaryFile &file, OnBlock &&onBlock,
                                     MarkRequest request = {})
{
    return ReadDictionaryBlocks(file, std::forward<OnBlock>(onBlock), request, [] {});
}

// The same, line by line.
template <typename OnLine, typename OnOpened>
DictionaryError ReadDictionary(DictionaryFile &file, OnLine &&onLine, OnOpened &&onOpened)
{
    return ReadDictionaryBlocks(
        file,
        [&](const LineBlock &block) {
            LineCursor cursor(block);
            std::string_view line;
            while (cursor.Next(line))
                onLine(line);
        },
        {}, std::forward<OnOpened>(onOpened));
}

template <typename OnLine> DictionaryError ReadDictionary(DictionaryFile &file, OnLine &&onLine)
{
    return ReadDictionary(file, std::forward<OnLine>(onLine), [] {});
}

} // namespace Numra
