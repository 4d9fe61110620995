#include "DictionaryFile.h"

#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

namespace Numra {

namespace {

// Before each block's bytes, room for the kept start of a line that the block before began;
// after them, room for the byte that the line cursor may look at past the text.
constexpr std::size_t Headroom = 256;
constexpr std::size_t Tailroom = 64;
static_assert(Headroom >= ShortStringMax);

// Three blocks let the thread read one block ahead while a second waits its turn.
constexpr std::size_t BlocksInFlight = 3;

std::atomic<bool> readAheadUsed{true};

enum class ReadState { More, End, Failed };
enum SlotState : int { Free, Full, Stopping };

struct Slot
{
    std::unique_ptr<char[]> Bytes{new char[Headroom + DictionaryFile::BlockSize + Tailroom]};
    std::size_t Got = 0;
    ReadState State = ReadState::More;
    std::atomic<int> Use{Free};

    char *Data() { return Bytes.get() + Headroom; }

    void Fill(std::FILE *file)
    {
        Got = std::fread(Data(), 1, DictionaryFile::BlockSize, file);
        State = Got == DictionaryFile::BlockSize ? ReadState::More
                : std::ferror(file)              ? ReadState::Failed
                                                 : ReadState::End;
    }
};

} // namespace

// The read blocks, the marks of the one being scanned and the thread that reads ahead.
struct DictionaryFile::Blocks
{
    std::array<Slot, BlocksInFlight> Slots;
    ByteMarks Marks;
    std::size_t Next = 0; // number of the next block to scan
    bool Threaded = false;
    std::thread Reader;
    std::array<char, ShortStringMax> Carry{}; // the kept start of a line that runs on
    std::size_t CarryLength = 0;
    bool SkipLf = false; // a CR ended the last block: an LF starting the next one belongs to it
    bool Ended = false;
    bool Failed = false;

    void Restart()
    {
        Next = 0;
        CarryLength = 0;
        SkipLf = Ended = Failed = false;
    }

    Slot &SlotOf(std::size_t block) { return Slots[block % BlocksInFlight]; }

    void ReadFrom(std::FILE *file, std::size_t first)
    {
        for (std::size_t block = first;; ++block) {
            Slot &slot = SlotOf(block);
            int use;
            while ((use = slot.Use.load(std::memory_order_acquire)) == Full)
                slot.Use.wait(Full);
            if (use == Stopping)
                return;
            slot.Fill(file);
            slot.Use.store(Full, std::memory_order_release);
            slot.Use.notify_one();
            if (slot.State != ReadState::More)
                return;
        }
    }

    void Stop()
    {
        if (!Threaded)
            return;
        for (Slot &slot : Slots) {
            slot.Use.store(Stopping, std::memory_order_release);
            slot.Use.notify_one();
        }
        Reader.join();
        Threaded = false;
    }

    // The block to scan next, read here or waited for.
    Slot &Take(std::FILE *file, bool readAhead)
    {
        const std::size_t block = Next++;
        if (block > 0 && Threaded) {
            Slot &done = SlotOf(block - 1);
            done.Use.store(Free, std::memory_order_release);
            done.Use.notify_one();
        }
        Slot &slot = SlotOf(block);
        if (Threaded) {
            int use;
            while ((use = slot.Use.load(std::memory_order_acquire)) != Full)
                slot.Use.wait(use);
            return slot;
        }
        slot.Fill(file);
        // A file of one block needs no thread.
        if (readAhead && readAheadUsed && slot.State == ReadState::More) {
            for (Slot &other : Slots)
                other.Use.store(Free, std::memory_order_relaxed);
            slot.Use.store(Full, std::memory_order_relaxed);
            try {
                Reader = std::thread([this, file, block] { ReadFrom(file, block + 1); });
                Threaded = true;
            } catch (const std::system_error &) {
                // No thread to be had: read on in turn.
            }
        }
        return slot;
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
    std::error_code ec;
    // A directory opens for reading on some systems and then fails at the first read;
    // it is no more a dictionary than a missing file is.
    if (std::filesystem::is_directory(std::filesystem::u8path(m_path), ec))
        return false;
    m_file = std::fopen(m_path.c_str(), "rb");
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

DictionaryFile::ReadResult DictionaryFile::ReadBlock(LineBlock &block, Marks marks)
{
    if (!m_file)
        return ReadResult::Error;
    Blocks &b = *m_blocks;
    for (;;) {
        if (b.Failed)
            return ReadResult::Error;
        if (b.Ended)
            return ReadResult::End;
        Slot &slot = b.Take(m_file, m_readAheadWanted);
        char *text = slot.Data();
        char *end = text + slot.Got;
        if (b.SkipLf && slot.Got > 0) {
            b.SkipLf = false;
            if (*text == '\n')
                ++text;
        }
        // The start of a line that the last block began goes right before its continuation.
        text -= b.CarryLength;
        std::memcpy(text, b.Carry.data(), b.CarryLength);
        *end = '\0';
        std::size_t size = static_cast<std::size_t>(end - text);
        MarkBytes(text, size, b.Marks, marks == Marks::BreaksAndCommas);

        if (slot.State != ReadState::End) {
            // Whole lines end at the last break; what follows runs on into the next block.
            std::size_t whole = 0;
            for (std::size_t word = (size + 63) / 64; word-- > 0;) {
                if (const std::uint64_t bits = b.Marks.Breaks[word]) {
                    const std::size_t at = word * 64 + 63 - std::countl_zero(bits);
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
            b.CarryLength = std::min(size - whole, ShortStringMax);
            std::memcpy(b.Carry.data(), text + whole, b.CarryLength);
            size = whole;
        }
        b.Ended = slot.State == ReadState::End;
        b.Failed = slot.State == ReadState::Failed;
        if (size == 0)
            continue;
        block = LineBlock{text, size, &b.Marks};
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
