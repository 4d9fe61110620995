#include "core/LineBlocks.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace Numra {

namespace {

// Where the line after the break at `at` begins; skipLf tells that the break is a CR that ends
// the block, whose LF may begin the next one.
std::size_t pastBreak(const MarkedBlock &block, std::size_t at, bool &skipLf)
{
    if (at + 1 == block.Size && block.Text()[at] == '\r')
        skipLf = true;
    return AfterBreak(block.Text(), at);
}

// Where the whole lines of a block that begin at rest end: past its last break unless it is the
// file's last block.
std::size_t wholeLinesEnd(const MarkedBlock &block, std::size_t rest, bool &skipLf)
{
    if (block.End == BlockEnd::Last)
        return block.Size;
    const std::size_t last = LastMark(block.Marks.Breaks, rest, block.Size);
    return last == block.Size ? rest : pastBreak(block, last, skipLf);
}

// Editors on Windows begin a UTF-8 file with a byte-order mark, which is no part of its first
// line.
std::size_t byteOrderMarkLength(const MarkedBlock &block)
{
    constexpr std::string_view Mark = "\xEF\xBB\xBF";
    return block.Number == 0 && std::string_view(block.Text(), block.Size).starts_with(Mark)
               ? Mark.size()
               : 0;
}

// Where the first line of a block read at its place begins: the line before it runs on into
// the block unless the byte before the block ended it.
std::size_t firstLineStart(const MarkedBlock &block)
{
    const char *text = block.Text();
    if (block.Number == 0)
        return byteOrderMarkLength(block);
    if (text[-1] == '\n')
        return 0;
    if (text[-1] == '\r')
        return block.Size > 0 && text[0] == '\n' ? 1 : 0;
    const std::size_t at = NextMark(block.Marks.Breaks, 0, block.Size);
    return at == block.Size ? block.Size : AfterBreak(text, at);
}

// On the thread that read the block: the picker's picks from the lines where the block's whole
// lines will begin and end if the blocks before it end as their byte before it tells. The
// handing out uses them only where they do.
void pickAhead(const LinePicker &picker, MarkedBlock &block)
{
    if (block.End == BlockEnd::Failed)
        return;
    const std::size_t from = firstLineStart(block);
    bool skipLf = false;
    const std::size_t to = wholeLinesEnd(block, from, skipLf);
    if (from >= to)
        return;
    block.Ahead.Picks.Clear();
    picker(LineBlock{block.Text(), from, to, &block.Marks}, block.Ahead.Picks);
    block.Ahead.From = from;
    block.Ahead.To = to;
    block.Ahead.Done = true;
}

} // namespace

LineBlocks::LineBlocks(ReaderOptions options) : m_blocks(options) {}

void LineBlocks::Restart(std::FILE *file)
{
    m_blocks.Restart(file);
    m_current = nullptr;
    m_restPending = false;
    m_joinedLength = 0;
    m_skipLf = false;
}

void LineBlocks::BeginPass(MarkRequest request, const LinePicker *picker)
{
    BlockReader::AheadWork work;
    if (picker)
        work = [picker](MarkedBlock &block) { pickAhead(*picker, block); };
    m_blocks.SetPass(request, std::move(work));
}

void LineBlocks::EndPass()
{
    m_blocks.Stop();
    m_blocks.SetPass({}, {});
}

void LineBlocks::Stop()
{
    m_blocks.Stop();
}

void LineBlocks::keep(const char *text, std::size_t length)
{
    const std::size_t room = ShortStringMax - m_joinedLength;
    length = std::min(length, room);
    std::memcpy(m_joined.data() + m_joinedLength, text, length);
    m_joinedLength += length;
}

// The kept line as a block of its own, ended by a break.
LineBlock LineBlocks::joinedLine()
{
    const std::size_t length = m_joinedLength;
    m_joinedLength = 0;
    m_joined[length] = '\n';
    m_joined[length + 1] = '\0';
    m_blocks.Mark(m_joined.data(), length + 1, m_joinedMarks);
    return LineBlock{m_joined.data(), 0, length + 1, &m_joinedMarks};
}

// Makes the next block current, past a byte-order mark or the LF of a CR LF pair split from it.
// True when that ends a line run on from earlier blocks, which is then to be handed out.
bool LineBlocks::takeBlock()
{
    m_current = &m_blocks.Next();
    const MarkedBlock &block = *m_current;
    m_rest = byteOrderMarkLength(block);
    if (m_skipLf && block.Size > 0) {
        m_skipLf = false;
        if (block.Text()[0] == '\n')
            m_rest = 1;
    }
    m_restPending = true;
    if (m_joinedLength == 0)
        return false;
    // A line that an earlier block began ends at this block's first break.
    const std::size_t at = NextMark(block.Marks.Breaks, 0, block.Size);
    keep(block.Text(), at);
    if (at == block.Size) {
        m_restPending = false;
        return block.End == BlockEnd::Last;
    }
    m_rest = pastBreak(block, at, m_skipLf);
    return true;
}

ReadResult LineBlocks::Next(LineBlock &lines, const PickedLines **picked)
{
    if (picked)
        *picked = nullptr;
    for (;;) {
        if (!m_restPending) {
            if (m_current && m_current->End == BlockEnd::Failed)
                return ReadResult::Error;
            if (m_current && m_current->End == BlockEnd::Last)
                return ReadResult::End;
            if (takeBlock()) {
                lines = joinedLine();
                return ReadResult::Lines;
            }
            if (!m_restPending)
                continue;
        }
        m_restPending = false;
        const MarkedBlock &block = *m_current;
        // Whole lines end at the last break; what follows runs on into the next block.
        const std::size_t end = wholeLinesEnd(block, m_rest, m_skipLf);
        if (block.End == BlockEnd::More)
            keep(block.Text() + end, block.Size - end);
        if (end <= m_rest)
            continue;
        lines = LineBlock{block.Text(), m_rest, end, &block.Marks};
        const PickedAhead &ahead = block.Ahead;
        if (picked && ahead.Done && ahead.From == m_rest && ahead.To == end)
            *picked = &ahead.Picks;
        return ReadResult::Lines;
    }
}

} // namespace Numra
