#pragma once

#include "core/BlockReader.h"
#include "core/LineBlock.h"
#include "core/NumraGlobal.h"

#include <array>
#include <cstdio>

namespace Numra {

enum class ReadResult { Lines, End, Error };

// The whole lines of a file a block at a time: the lines that begin and end within each marked
// block, and each line that runs on from one block into the next as a block of its own. Any of
// LF, CRLF and CR ends a line; a line break at the very end of the file starts no further line;
// a UTF-8 byte-order mark at the very start is no part of the first line.
class LineBlocks
{
public:
    explicit LineBlocks(ReaderOptions options);

    // Starts at the first line of file, which must be at its start.
    void Restart(std::FILE *file);
    // What a pass asks of the blocks, marks beyond the line breaks and its picker, when it has
    // one, until EndPass; with two threads the picker runs ahead on the thread that read a block.
    void BeginPass(MarkRequest request, const LinePicker *picker);
    void EndPass();
    // Joins the second thread; no line is read after.
    void Stop();

    // The whole lines of the next block (Lines), the last line of the file among them; a block
    // that ends in a read error still gives the lines before it, and the next call the error.
    // When picked is given, it receives what the pass's picker found in exactly these lines
    // ahead of time, or null when the pass must pick them itself.
    ReadResult Next(LineBlock &block, const PickedLines **picked);

private:
    bool takeBlock();
    void keep(const char *text, std::size_t length);
    LineBlock joinedLine();

    BlockReader m_blocks;

    // The block whose lines are handed out; null before the first.
    const MarkedBlock *m_current = nullptr;
    // When true, the whole lines of m_current from m_rest on (m_rest <= m_current->Size) are
    // still to be handed out; what follows its last break is then kept for the next block.
    bool m_restPending = false;
    std::size_t m_rest = 0;

    // The kept start of a line that runs on from earlier blocks, at most ShortStringMax bytes:
    // m_joinedLength > 0 exactly while such a line waits for its end. Once ended, it is
    // handed out from here with marks of its own.
    std::array<char, ShortStringMax + Tailroom> m_joined{};
    std::size_t m_joinedLength = 0;
    ByteMarks m_joinedMarks;

    // A CR ended the last block: an LF starting the next one belongs to it.
    bool m_skipLf = false;
};

} // namespace Numra
