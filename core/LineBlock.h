#pragma once

#include "core/ByteMarks.h"
#include "core/NumraGlobal.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace Numra {

// Readable bytes after the text of every block of lines, for the byte past a break that
// AfterBreak looks at.
inline constexpr std::size_t Tailroom = 64;

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
// block's text and its length, in order; and how many lines the block has.
struct PickedLine
{
    std::uint32_t At = 0;
    std::uint32_t Length = 0;
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
    void Add(const LineBlock &block, std::string_view line)
    {
        Lines.push_back({static_cast<std::uint32_t>(line.data() - block.Text),
                         static_cast<std::uint32_t>(line.size())});
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
            picked.Add(block, line);
    }
}

} // namespace Numra
