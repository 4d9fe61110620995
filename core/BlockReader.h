#pragma once

#include "core/ByteMarks.h"
#include "core/LineBlock.h"

#include <array>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace Numra {

// How a dictionary is read, fixed when its reader is made.
struct ReaderOptions
{
    // Every marker gives the same marks; the tests and the benchmark run each.
    Marker MarkWith = BestMarker();
    // A second thread takes blocks after the first as they come while a pass runs: it reads
    // them at their place in the file, marks them and picks their lines, while the pass's own
    // thread does the same with the next block that nobody has taken. So each core scans the
    // bytes it copied in. Lines, counts and errors are the same either way. Off unless asked
    // for: on the shared two-core machine it was measured on, a second thread waiting for its
    // turn cost more than it saved (see the benchmark's marker and reading table).
    bool TwoThreads = false;
};

// Bytes read at a time; a line or a CR LF pair may be split between two blocks.
inline constexpr std::size_t BlockSize = 256 * 1024;

// Whether the file goes on after a block.
enum class BlockEnd { More, Last, Failed };

// What the pass picked out of a block's whole lines, on the thread that read the block, from
// where it took them to begin and end.
struct PickedAhead
{
    // Picks holds what the pass's picker found in the lines [From, To) of the block as it is
    // read now, From < To; false whenever the block is read again.
    bool Done = false;
    std::size_t From = 0;
    std::size_t To = 0;
    PickedLines Picks;
};

// One block of the file as read and marked.
struct MarkedBlock
{
    // One byte before the text: where the block was read at its place (with two threads), the
    // file's byte before it, which tells where its first line begins.
    std::unique_ptr<char[]> Buffer{new char[1 + BlockSize + Tailroom]};
    // The bytes read, Size <= BlockSize; Text()[Size] is a NUL.
    std::size_t Size = 0;
    // More only after a whole block was read; Last after a short read at the file's end.
    BlockEnd End = BlockEnd::More;
    // Its place: the block begins at byte Number * BlockSize of the file.
    std::size_t Number = 0;
    // The marks of Text()[0, Size), as the pass asked for them.
    ByteMarks Marks;
    PickedAhead Ahead;

    char *Text() const { return Buffer.get() + 1; }
};

// The blocks of a file in file order, each read and marked, and worked on ahead by the thread
// that read it when there are two. A mutex and a condition variable rather than atomic waits:
// MinGW's libstdc++ 12 loses the wake-up of an atomic wait, which hung the pass.
class BlockReader
{
public:
    // Runs on each block right after it is read and marked, on whichever thread read it, with
    // two threads only; it may read only what stays unchanged for the pass.
    using AheadWork = std::function<void(MarkedBlock &)>;

    explicit BlockReader(ReaderOptions options);
    ~BlockReader();
    BlockReader(const BlockReader &) = delete;
    BlockReader &operator=(const BlockReader &) = delete;

    // Starts over at the first block of file, whose position must be at its start.
    void Restart(std::FILE *file);
    // What the pass asks of the blocks from its first one on.
    void SetPass(MarkRequest request, AheadWork work);
    // The next block in file order, valid until the next call. An exception thrown on the
    // second thread while reading, marking or working on it is thrown here.
    const MarkedBlock &Next();
    // Marks other bytes as the blocks are marked (a line put together from two blocks).
    void Mark(const char *text, std::size_t size, ByteMarks &marks) const;
    // Joins the second thread, however the pass ends.
    void Stop();

private:
    // Blocks taken ahead of the one being handed out, each a quarter of a megabyte.
    static constexpr std::size_t BlocksInFlight = 4;

    enum class SlotUse { Free, Taken, Done };

    struct Slot
    {
        MarkedBlock Block;
        SlotUse Use = SlotUse::Free; // guarded by m_lock, as is Block.Number
        bool Broken = false;         // reading, marking or working on it threw
    };

    const MarkedBlock &readInTurn(std::size_t number);
    const MarkedBlock &handOut(std::size_t number);
    void work(MarkedBlock &block);
    bool takeAndWork(std::unique_lock<std::mutex> &lock);
    void help();
    Slot &slotOf(std::size_t number) { return m_slots[number % BlocksInFlight]; }

    const ReaderOptions m_options;
    // Read in turn, its position is where the next block begins; with two threads each block is
    // read at its place and the position is never used.
    std::FILE *m_file = nullptr;
    MarkRequest m_request; // the pass's, unchanged while the second thread runs
    AheadWork m_work;      // likewise

    // Read in turn, each block goes into the first slot at the file's position, and is done with
    // once the next is read. With two threads, block n goes into slotOf(n).
    std::array<Slot, BlocksInFlight> m_slots;
    // The number of the next block to hand out.
    std::size_t m_next = 0;

    std::mutex m_lock; // guards the slots' Use and Block.Number, and the four below
    std::condition_variable m_changed;
    // With two threads, between hand-outs m_next <= m_nextToTake < m_next + BlocksInFlight: the
    // blocks from the one handed out last to m_nextToTake - 1 are taken, each in its slot.
    std::size_t m_nextToTake = 0;
    bool m_takingEnded = false; // a block came up short: none after it is worth taking
    bool m_stopping = false;    // Stop was called: the second thread takes no further block
    // The second thread, started at the hand-out of a pass's first block when more follow, and
    // joined by Stop.
    std::thread m_helper;
};

} // namespace Numra
