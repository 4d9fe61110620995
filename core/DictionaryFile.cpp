#include "DictionaryFile.h"

#include "FilePaths.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
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

// Where the whole lines of a block that begin at rest end: at its last break unless it is the
// file's last block. skipLf tells that a CR ends the block, whose LF may begin the next one.
std::size_t wholeLinesEnd(const Slot &slot, std::size_t rest, bool &skipLf)
{
    const char *text = slot.Text();
    const std::size_t size = slot.Got;
    if (slot.State == ReadState::End)
        return size;
    for (std::size_t word = (size + 63) / 64; word-- > rest / 64;) {
        if (const std::uint64_t bits = slot.Marks.Breaks[word]) {
            const std::size_t at =
                word * 64 + 63 - static_cast<std::size_t>(std::countl_zero(bits));
            if (at < rest)
                break;
            std::size_t whole = at + 1;
            if (text[at] == '\r') {
                if (whole == size)
                    skipLf = true;
                else if (text[whole] == '\n')
                    ++whole;
            }
            return whole;
        }
    }
    return rest;
}

// Where the first line of a block read at its place begins: the line before it runs on into
// the block unless the byte before the block ended it.
std::size_t firstLineStart(const Slot &slot)
{
    const char *text = slot.Text();
    if (slot.Block == 0 || text[-1] == '\n')
        return 0;
    if (text[-1] == '\r')
        return slot.Got > 0 && text[0] == '\n' ? 1 : 0;
    const std::size_t at = NextMark(slot.Marks.Breaks, 0, slot.Got);
    if (at == slot.Got)
        return slot.Got;
    return at + 1 < slot.Got && text[at] == '\r' && text[at + 1] == '\n' ? at + 2 : at + 1;
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
    bool Threaded = false;
    std::thread Helper;
    MarkRequest Request;
    const LinePicker *Picker = nullptr;
    bool Wanted = false;   // a pass holds a ReadAhead
    bool Parallel = false; // this pass takes blocks on two threads
    std::size_t Next = 0;  // number of the next block to hand out

    Slot *Current = nullptr;
    std::size_t Rest = 0; // where the current block's lines after a joined line begin
    bool RestPending = false;

    std::array<char, ShortStringMax + Tailroom> Joined{};
    std::size_t JoinedLength = 0; // the kept part of a line not yet ended
    ByteMarks JoinedMarks;

    bool SkipLf = false; // a CR ended the last block: an LF starting the next one belongs to it
    bool Ended = false;
    bool Failed = false;

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
        SkipLf = Ended = Failed = false;
    }

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
        if (!Threaded)
            return;
        {
            const std::lock_guard<std::mutex> lock(Lock);
            Stopping = true;
        }
        Changed.notify_all();
        Helper.join();
        Threaded = false;
    }

    // The block to hand out next.
    Slot &Take(std::FILE *file, MarkRequest request)
    {
        const std::size_t block = Next++;
        if (block == 0)
            Parallel = Wanted && readAheadUsed;
        if (!Parallel) {
            // In turn, at the file's position.
            Slot &slot = SlotOf(block);
            slot.Block = block;
            slot.Picked = false;
            slot.Read(file);
            MarkBytes(slot.Text(), slot.Got, slot.Marks, request);
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
                Threaded = true;
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
    LineBlock JoinedLine(MarkRequest request)
    {
        const std::size_t length = JoinedLength;
        JoinedLength = 0;
        Joined[length] = '\n';
        Joined[length + 1] = '\0';
        MarkBytes(Joined.data(), length + 1, JoinedMarks, request);
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

DictionaryFile::ReadAhead::ReadAhead(DictionaryFile &file, MarkRequest request,
                                     const LinePicker *picker)
    : m_file(file)
{
    if (m_file.m_blocks) {
        m_file.m_blocks->Wanted = true;
        m_file.m_blocks->Request = request;
        m_file.m_blocks->Picker = picker;
    }
}

DictionaryFile::ReadAhead::~ReadAhead()
{
    m_file.stopReadAhead();
    if (m_file.m_blocks) {
        m_file.m_blocks->Wanted = false;
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
    if (m_path.empty())
        return false;
    // Only a regular file is a dictionary: a directory fails at the first read, a FIFO blocks
    // and a device such as /dev/zero never ends.
    m_file = OpenRegularFile(PathFromBytes(m_path));
    if (!m_file)
        return false;
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    if (!m_blocks)
        m_blocks = std::make_unique<Blocks>();
    m_blocks->Restart();
    m_cursor = LineCursor();
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

DictionaryFile::ReadResult DictionaryFile::ReadBlock(LineBlock &block, MarkRequest request,
                                                     const PickedLines **picked)
{
    if (picked)
        *picked = nullptr;
    if (!m_file)
        return ReadResult::Error;
    Blocks &b = *m_blocks;
    for (;;) {
        if (!b.RestPending) {
            if (b.Failed)
                return ReadResult::Error;
            if (b.Ended)
                return ReadResult::End;
            b.Current = &b.Take(m_file, request);
            b.Ended = b.Current->State == ReadState::End;
            b.Failed = b.Current->State == ReadState::Failed;
            std::size_t start = 0;
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
                    if (b.Failed || !b.Ended)
                        continue;
                    block = b.JoinedLine(request);
                    return ReadResult::Line;
                }
                b.Rest = at + 1;
                if (slot.Text()[at] == '\r') {
                    if (b.Rest == slot.Got)
                        b.SkipLf = true;
                    else if (slot.Text()[b.Rest] == '\n')
                        ++b.Rest;
                }
                block = b.JoinedLine(request);
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

DictionaryFile::ReadResult DictionaryFile::ReadLine(std::string_view &line)
{
    while (!m_cursor.Next(line)) {
        const ReadResult result = ReadBlock(m_block);
        if (result != ReadResult::Line)
            return result;
        m_cursor = LineCursor(m_block);
    }
    return ReadResult::Line;
}

} // namespace Numra
