#include "DictionaryFile.h"

#include "FilePaths.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

namespace Numra {

namespace {

// After each block's bytes, room for the byte that the line cursor may look at past the text.
constexpr std::size_t Tailroom = 64;

// Three blocks let the thread read one block ahead while a second waits its turn.
constexpr std::size_t BlocksInFlight = 3;

// Off by default: on the shared two-core machine it was measured on, a second thread waiting
// for its turn cost more than it saved (see the benchmark's marker and reading table).
std::atomic<bool> readAheadUsed{false};

enum class ReadState { More, End, Failed };
enum SlotState : int { Free, Reading, Full, Stopped };

// One block as read and marked.
struct Slot
{
    std::unique_ptr<char[]> Data{new char[DictionaryFile::BlockSize + Tailroom]};
    std::size_t Got = 0;
    ReadState State = ReadState::More;
    ByteMarks Marks;
    std::atomic<int> Use{Free};

    void Read(std::FILE *file)
    {
        Got = std::fread(Data.get(), 1, DictionaryFile::BlockSize, file);
        State = Got == DictionaryFile::BlockSize ? ReadState::More
                : std::ferror(file)              ? ReadState::Failed
                                                 : ReadState::End;
        Data[Got] = '\0';
    }
};

} // namespace

// The read blocks and the thread that reads ahead; the kept start of a line that runs on from
// one block into the next, and that line once it is whole.
//
// Whoever needs the next block first reads and marks it: the thread while it is ahead, the
// scanning thread itself when the other one has not come round (on a busy machine waiting for
// it costs more than the read).
struct DictionaryFile::Blocks
{
    std::array<Slot, BlocksInFlight> Slots;
    std::mutex FileLock;
    std::size_t NextToRead = 0;        // guarded by FileLock, as is the file
    bool ReadingEnded = false;         // guarded by FileLock: a read found the end or failed
    std::atomic<bool> Stopping{false}; // asks the thread to end
    bool Threaded = false;
    std::thread Reader;
    std::size_t Next = 0; // number of the next block to scan

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
        Next = NextToRead = 0;
        ReadingEnded = false;
        for (Slot &slot : Slots)
            slot.Use.store(Free, std::memory_order_relaxed);
        Current = nullptr;
        RestPending = false;
        JoinedLength = 0;
        SkipLf = Ended = Failed = false;
    }

    Slot &SlotOf(std::size_t block) { return Slots[block % BlocksInFlight]; }

    // Reads and marks the block unless someone else has begun it.
    bool Claim(std::FILE *file, std::size_t block, MarkRequest request)
    {
        Slot &slot = SlotOf(block);
        {
            const std::lock_guard<std::mutex> lock(FileLock);
            if (NextToRead != block || ReadingEnded ||
                slot.Use.load(std::memory_order_acquire) != Free)
                return false;
            slot.Use.store(Reading, std::memory_order_relaxed);
            ++NextToRead;
            slot.Read(file);
            ReadingEnded = slot.State != ReadState::More;
        }
        MarkBytes(slot.Data.get(), slot.Got, slot.Marks, request);
        slot.Use.store(Full, std::memory_order_release);
        slot.Use.notify_all();
        return true;
    }

    void ReadAhead(std::FILE *file, MarkRequest request)
    {
        while (!Stopping.load(std::memory_order_acquire)) {
            std::size_t block = 0;
            {
                const std::lock_guard<std::mutex> lock(FileLock);
                if (ReadingEnded)
                    return;
                block = NextToRead;
            }
            Slot &slot = SlotOf(block);
            const int use = slot.Use.load(std::memory_order_acquire);
            if (use == Stopped)
                return;
            if (use != Free || !Claim(file, block, request))
                slot.Use.wait(use);
        }
    }

    void Stop()
    {
        if (!Threaded)
            return;
        Stopping.store(true, std::memory_order_release);
        for (Slot &slot : Slots) {
            slot.Use.store(Stopped, std::memory_order_release);
            slot.Use.notify_all();
        }
        Reader.join();
        Threaded = false;
    }

    // The block to scan next, read here or by the thread.
    Slot &Take(std::FILE *file, bool readAhead, MarkRequest request)
    {
        const std::size_t block = Next++;
        if (block > 0) {
            Slot &done = SlotOf(block - 1);
            done.Use.store(Free, std::memory_order_release);
            done.Use.notify_all();
        }
        Slot &slot = SlotOf(block);
        for (;;) {
            const int use = slot.Use.load(std::memory_order_acquire);
            if (use == Full || (use == Free && Claim(file, block, request)))
                break;
            if (use == Reading)
                slot.Use.wait(Reading);
        }
        // A file of one block needs no thread.
        if (block == 0 && readAhead && readAheadUsed && slot.State == ReadState::More) {
            Stopping.store(false, std::memory_order_relaxed);
            try {
                Reader = std::thread([this, file, request] { ReadAhead(file, request); });
                Threaded = true;
            } catch (const std::system_error &) {
                // No thread to be had: read on in turn.
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

DictionaryFile::ReadAhead::~ReadAhead()
{
    m_file.stopReadAhead();
    m_file.m_readAheadWanted = false;
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

DictionaryFile::ReadResult DictionaryFile::ReadBlock(LineBlock &block, MarkRequest request)
{
    if (!m_file)
        return ReadResult::Error;
    Blocks &b = *m_blocks;
    for (;;) {
        if (!b.RestPending) {
            if (b.Failed)
                return ReadResult::Error;
            if (b.Ended)
                return ReadResult::End;
            b.Current = &b.Take(m_file, m_readAheadWanted, request);
            b.Ended = b.Current->State == ReadState::End;
            b.Failed = b.Current->State == ReadState::Failed;
            std::size_t start = 0;
            if (b.SkipLf && b.Current->Got > 0) {
                b.SkipLf = false;
                if (b.Current->Data[0] == '\n')
                    start = 1;
            }
            b.Rest = start;
            b.RestPending = true;
            if (b.JoinedLength > 0) {
                // A line that an earlier block began ends at this block's first break.
                const Slot &slot = *b.Current;
                const std::size_t at = NextMark(slot.Marks.Breaks, 0, slot.Got);
                b.Keep(slot.Data.get(), at);
                if (at == slot.Got) {
                    b.RestPending = false;
                    if (b.Failed || !b.Ended)
                        continue;
                    block = b.JoinedLine(request);
                    return ReadResult::Line;
                }
                b.Rest = at + 1;
                if (slot.Data[at] == '\r') {
                    if (b.Rest == slot.Got)
                        b.SkipLf = true;
                    else if (slot.Data[b.Rest] == '\n')
                        ++b.Rest;
                }
                block = b.JoinedLine(request);
                return ReadResult::Line;
            }
        }
        b.RestPending = false;
        const Slot &slot = *b.Current;
        const char *text = slot.Data.get();
        std::size_t size = slot.Got;
        if (slot.State != ReadState::End) {
            // Whole lines end at the last break; what follows runs on into the next block.
            std::size_t whole = b.Rest;
            for (std::size_t word = (size + 63) / 64; word-- > b.Rest / 64;) {
                if (const std::uint64_t bits = slot.Marks.Breaks[word]) {
                    const std::size_t at = word * 64 + 63 - std::countl_zero(bits);
                    if (at < b.Rest)
                        break;
                    whole = at + 1;
                    if (text[at] == '\r') {
                        if (whole == size)
                            b.SkipLf = true;
                        else if (text[whole] == '\n')
                            ++whole;
                    }
                    break;
                }
            }
            if (slot.State == ReadState::More)
                b.Keep(text + whole, size - whole);
            size = whole;
        }
        if (size <= b.Rest)
            continue;
        block = LineBlock{text, b.Rest, size, &slot.Marks};
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
