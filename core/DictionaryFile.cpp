#include "DictionaryFile.h"

#include "FilePaths.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>

namespace Numra {

namespace {

// After each block's bytes, room for the byte that the line cursor may look at past the text.
constexpr std::size_t Tailroom = 64;

// Blocks taken ahead of the one being handed out, each a quarter of a megabyte.
constexpr std::size_t BlocksInFlight = 4;

// Off by default: on the shared two-core machine it was measured on, a second thread waiting
// for its turn cost more than it saved (see the benchmark's marker and reading table).
std::atomic<bool> readAheadUsed{false};

enum class ReadState { More, End, Failed };
enum class SlotState { Free, Taken, Done };

// One block as read and marked, and what the pass's picker found in it ahead of time.
struct Slot
{
    // One byte before the text: the byte before the block, which tells where its lines begin.
    std::unique_ptr<char[]> Buffer{new char[1 + DictionaryFile::BlockSize + Tailroom]};
    std::size_t Got = 0;
    ReadState State = ReadState::More;
    ByteMarks Marks;

    std::size_t Block = 0;
    SlotState Use = SlotState::Free; // guarded by Blocks::Lock
    bool Broken = false;             // reading, marking or picking it threw
    bool Picked = false;
    std::size_t PickedFrom = 0; // the lines the picker saw
    std::size_t PickedTo = 0;
    PickedLines Picks;

    char *Text() const { return Buffer.get() + 1; }

    void SetState(std::size_t got, bool failed)
    {
        Got = got;
        State = failed                             ? ReadState::Failed
                : got == DictionaryFile::BlockSize ? ReadState::More
                                                   : ReadState::End;
        Text()[Got] = '\0';
    }

    // At the file's position, for reading in turn.
    void Read(std::FILE *file)
    {
        const std::size_t got = std::fread(Text(), 1, DictionaryFile::BlockSize, file);
        SetState(got, got < DictionaryFile::BlockSize && std::ferror(file));
    }

    // At the block's place, with the byte before it.
    void ReadAt(std::FILE *file, std::size_t block)
    {
        const std::size_t before = block == 0 ? 0 : 1;
        bool failed = false;
        const std::size_t got =
            ReadFileAt(file, block * DictionaryFile::BlockSize - before, Text() - before,
                       DictionaryFile::BlockSize + before, failed);
        SetState(got > before ? got - before : 0, failed);
    }
};

// Where the line after the break at `at` begins; skipLf tells that the break is a CR that ends
// the block, whose LF may begin the next one.
std::size_t pastBreak(const Slot &slot, std::size_t at, bool &skipLf)
{
    if (at + 1 == slot.Got && slot.Text()[at] == '\r')
        skipLf = true;
    return AfterBreak(slot.Text(), at);
}

// Where the whole lines of a block that begin at rest end: past its last break unless it is the
// file's last block.
std::size_t wholeLinesEnd(const Slot &slot, std::size_t rest, bool &skipLf)
{
    if (slot.State == ReadState::End)
        return slot.Got;
    const std::size_t last = LastMark(slot.Marks.Breaks, rest, slot.Got);
    return last == slot.Got ? rest : pastBreak(slot, last, skipLf);
}

// Editors on Windows begin a UTF-8 file with a byte-order mark, which is no part of its first
// line.
std::size_t byteOrderMarkLength(const Slot &slot)
{
    constexpr std::string_view Mark = "\xEF\xBB\xBF";
    return slot.Block == 0 && std::string_view(slot.Text(), slot.Got).starts_with(Mark)
               ? Mark.size()
               : 0;
}

// Where the first line of a block read at its place begins: the line before it runs on into
// the block unless the byte before the block ended it.
std::size_t firstLineStart(const Slot &slot)
{
    const char *text = slot.Text();
    if (slot.Block == 0)
        return byteOrderMarkLength(slot);
    if (text[-1] == '\n')
        return 0;
    if (text[-1] == '\r')
        return slot.Got > 0 && text[0] == '\n' ? 1 : 0;
    const std::size_t at = NextMark(slot.Marks.Breaks, 0, slot.Got);
    return at == slot.Got ? slot.Got : AfterBreak(text, at);
}

} // namespace

// The read blocks and the thread that takes blocks ahead; the kept start of a line that runs on
// from one block into the next, and that line once it is whole.
//
// Reading in turn, the blocks are read one after the other at the file's position. With a
// second thread, both take the next block that nobody has taken, read it at its place, mark it
// and pick its lines; the handing out in file order waits only for a block the other thread
// is still on, and never for the thread to come round (on a busy machine that wait costs more
// than the work). A mutex and a condition variable rather than atomic waits: MinGW's
// libstdc++ 12 loses the wake-up of an atomic wait, which hung the pass.
struct DictionaryFile::Blocks
{
    std::array<Slot, BlocksInFlight> Slots;
    std::mutex Lock; // guards the slots' Use and Block and the four below
    std::condition_variable Changed;
    std::size_t NextToTake = 0;
    bool TakingEnded = false; // a block came up short: none after it is worth taking
    bool Stopping = false;
    std::thread Helper;
    MarkRequest Request; // what the pass holding a Pass asks for
    const LinePicker *Picker = nullptr;
    bool Parallel = false; // this pass takes blocks on two threads
    std::size_t Next = 0;  // number of the next block to hand out

    Slot *Current = nullptr;
    std::size_t Rest = 0; // where the current block's lines after a joined line begin
    bool RestPending = false;

    std::array<char, ShortStringMax + Tailroom> Joined{};
    std::size_t JoinedLength = 0; // the kept part of a line not yet ended
    ByteMarks JoinedMarks;

    bool SkipLf = false; // a CR ended the last block: an LF starting the next one belongs to it

    void Restart()
    {
        Next = NextToTake = 0;
        TakingEnded = Stopping = false;
        for (Slot &slot : Slots) {
            slot.Use = SlotState::Free;
            slot.Picked = false;
        }
        Current = nullptr;
        RestPending = false;
        JoinedLength = 0;
        SkipLf = false;
    }

    bool CurrentIs(ReadState state) const { return Current && Current->State == state; }

    Slot &SlotOf(std::size_t block) { return Slots[block % BlocksInFlight]; }

    // Outside the lock: reads, marks and picks a taken block.
    void Work(Slot &slot, std::FILE *file)
    {
        slot.ReadAt(file, slot.Block);
        MarkBytes(slot.Text(), slot.Got, slot.Marks, Request);
        slot.Picked = false;
        if (!Picker || slot.State == ReadState::Failed)
            return;
        const std::size_t from = firstLineStart(slot);
        bool skipLf = false;
        const std::size_t to = wholeLinesEnd(slot, from, skipLf);
        if (from >= to)
            return;
        slot.Picks.Clear();
        (*Picker)(LineBlock{slot.Text(), from, to, &slot.Marks}, slot.Picks);
        slot.PickedFrom = from;
        slot.PickedTo = to;
        slot.Picked = true;
    }

    // With the lock held: takes the next block that nobody has taken, when its slot is free,
    // and reads, marks and picks it outside the lock. False when there is none to take.
    bool TakeAndWork(std::unique_lock<std::mutex> &lock, std::FILE *file)
    {
        if (TakingEnded || Stopping)
            return false;
        Slot &slot = SlotOf(NextToTake);
        if (slot.Use != SlotState::Free)
            return false;
        slot.Use = SlotState::Taken;
        slot.Block = NextToTake++;
        lock.unlock();
        try {
            Work(slot, file);
            slot.Broken = false;
        } catch (...) {
            // Not on the helper thread, where it would end the program: the handing out works
            // on the block again and meets the failure on its own thread.
            slot.Broken = true;
        }
        lock.lock();
        slot.Use = SlotState::Done;
        if (slot.State != ReadState::More)
            TakingEnded = true;
        Changed.notify_all();
        return true;
    }

    void Help(std::FILE *file)
    {
        std::unique_lock<std::mutex> lock(Lock);
        for (;;) {
            if (Stopping)
                return;
            if (TakeAndWork(lock, file))
                continue;
            if (TakingEnded)
                return;
            Changed.wait(lock);
        }
    }

    void Stop()
    {
        if (!Helper.joinable())
            return;
        {
            const std::lock_guard<std::mutex> lock(Lock);
            Stopping = true;
        }
        Changed.notify_all();
        Helper.join();
    }

    // The block to hand out next.
    Slot &Take(std::FILE *file)
    {
        const std::size_t block = Next++;
        if (block == 0)
            Parallel = readAheadUsed;
        if (!Parallel) {
            // In turn, at the file's position, into the one slot: a block is done with once the
            // next is taken.
            Slot &slot = Slots[0];
            slot.Block = block;
            slot.Picked = false;
            slot.Read(file);
            MarkBytes(slot.Text(), slot.Got, slot.Marks, Request);
            return slot;
        }
        std::unique_lock<std::mutex> lock(Lock);
        if (block > 0)
            SlotOf(block - 1).Use = SlotState::Free;
        Changed.notify_all();
        Slot &slot = SlotOf(block);
        for (;;) {
            if (slot.Use == SlotState::Done && slot.Block == block)
                break;
            if (!TakeAndWork(lock, file))
                Changed.wait(lock);
        }
        lock.unlock();
        if (slot.Broken)
            Work(slot, file);
        // A file of one block, or a machine of one core, needs no second thread.
        if (block == 0 && slot.State == ReadState::More &&
            std::thread::hardware_concurrency() != 1) {
            try {
                Helper = std::thread([this, file] { Help(file); });
            } catch (const std::system_error &) {
                // No thread to be had: this one takes every block.
            }
        }
        return slot;
    }

    void Keep(const char *text, std::size_t length)
    {
        const std::size_t room = ShortStringMax - JoinedLength;
        length = std::min(length, room);
        std::memcpy(Joined.data() + JoinedLength, text, length);
        JoinedLength += length;
    }

    // The kept line as a block of its own, ended by a break.
    LineBlock JoinedLine()
    {
        const std::size_t length = JoinedLength;
        JoinedLength = 0;
        Joined[length] = '\n';
        Joined[length + 1] = '\0';
        MarkBytes(Joined.data(), length + 1, JoinedMarks, Request);
        return LineBlock{Joined.data(), 0, length + 1, &JoinedMarks};
    }
};

DictionaryFile::DictionaryFile() = default;

DictionaryFile::DictionaryFile(std::string path) : m_path(std::move(path)) {}

DictionaryFile::~DictionaryFile()
{
    Close();
}

void DictionaryFile::UseReadAhead(bool use)
{
    readAheadUsed = use;
}

DictionaryFile::Pass::Pass(DictionaryFile &file, MarkRequest request, const LinePicker *picker)
    : m_file(file)
{
    if (m_file.m_blocks) {
        m_file.m_blocks->Request = request;
        m_file.m_blocks->Picker = picker;
    }
}

DictionaryFile::Pass::~Pass()
{
    m_file.stopReadAhead();
    if (m_file.m_blocks) {
        m_file.m_blocks->Request = {};
        m_file.m_blocks->Picker = nullptr;
    }
}

void DictionaryFile::Bind(std::string path)
{
    Close();
    m_path = std::move(path);
}

bool DictionaryFile::Reset()
{
    Close();
    if (m_path.empty()) {
        m_openError = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    // Only a regular file is a dictionary: a directory fails at the first read, a FIFO blocks
    // and a device such as /dev/zero never ends.
    m_file = OpenRegularFile(PathFromBytes(m_path), m_openError);
    if (!m_file)
        return false;
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    if (!m_blocks)
        m_blocks = std::make_unique<Blocks>();
    m_blocks->Restart();
    return true;
}

void DictionaryFile::stopReadAhead()
{
    if (m_blocks)
        m_blocks->Stop();
}

void DictionaryFile::Close()
{
    stopReadAhead();
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

DictionaryFile::ReadResult DictionaryFile::ReadBlock(LineBlock &block, const PickedLines **picked)
{
    if (picked)
        *picked = nullptr;
    if (!m_file)
        return ReadResult::Error;
    Blocks &b = *m_blocks;
    for (;;) {
        if (!b.RestPending) {
            if (b.CurrentIs(ReadState::Failed))
                return ReadResult::Error;
            if (b.CurrentIs(ReadState::End))
                return ReadResult::End;
            b.Current = &b.Take(m_file);
            std::size_t start = byteOrderMarkLength(*b.Current);
            if (b.SkipLf && b.Current->Got > 0) {
                b.SkipLf = false;
                if (b.Current->Text()[0] == '\n')
                    start = 1;
            }
            b.Rest = start;
            b.RestPending = true;
            if (b.JoinedLength > 0) {
                // A line that an earlier block began ends at this block's first break.
                const Slot &slot = *b.Current;
                const std::size_t at = NextMark(slot.Marks.Breaks, 0, slot.Got);
                b.Keep(slot.Text(), at);
                if (at == slot.Got) {
                    b.RestPending = false;
                    if (slot.State != ReadState::End)
                        continue;
                    block = b.JoinedLine();
                    return ReadResult::Line;
                }
                b.Rest = pastBreak(slot, at, b.SkipLf);
                block = b.JoinedLine();
                return ReadResult::Line;
            }
        }
        b.RestPending = false;
        const Slot &slot = *b.Current;
        const char *text = slot.Text();
        // Whole lines end at the last break; what follows runs on into the next block.
        const std::size_t size = wholeLinesEnd(slot, b.Rest, b.SkipLf);
        if (slot.State == ReadState::More)
            b.Keep(text + size, slot.Got - size);
        if (size <= b.Rest)
            continue;
        block = LineBlock{text, b.Rest, size, &slot.Marks};
        if (picked && slot.Picked && slot.PickedFrom == b.Rest && slot.PickedTo == size)
            *picked = &slot.Picks;
        return ReadResult::Line;
    }
}

} // namespace Numra
