#include "core/BlockReader.h"

#include "core/FilePaths.h"

#include <system_error>

namespace Numra {

namespace {

void setRead(MarkedBlock &block, std::size_t got, bool failed)
{
    block.Size = got;
    block.End = failed ? BlockEnd::Failed : got == BlockSize ? BlockEnd::More : BlockEnd::Last;
    block.Text()[got] = '\0';
    block.Ahead.Done = false;
}

// At the file's position, for reading in turn.
void readOn(MarkedBlock &block, std::FILE *file)
{
    const std::size_t got = std::fread(block.Text(), 1, BlockSize, file);
    setRead(block, got, got < BlockSize && std::ferror(file));
}

// At the block's place, with the byte before it.
void readAtPlace(MarkedBlock &block, std::FILE *file)
{
    const std::size_t before = block.Number == 0 ? 0 : 1;
    bool failed = false;
    const std::size_t got = ReadFileAt(file, block.Number * BlockSize - before,
                                       block.Text() - before, BlockSize + before, failed);
    setRead(block, got > before ? got - before : 0, failed);
}

} // namespace

BlockReader::BlockReader(ReaderOptions options) : m_options(options) {}

BlockReader::~BlockReader()
{
    Stop();
}

void BlockReader::Restart(std::FILE *file)
{
    m_file = file;
    m_next = m_nextToTake = 0;
    m_takingEnded = m_stopping = false;
    for (Slot &slot : m_slots) {
        slot.Use = SlotUse::Free;
        slot.Block.Ahead.Done = false;
    }
}

void BlockReader::SetPass(MarkRequest request, AheadWork work)
{
    m_request = request;
    m_work = std::move(work);
}

void BlockReader::Mark(const char *text, std::size_t size, ByteMarks &marks) const
{
    MarkBytes(m_options.MarkWith, text, size, marks, m_request);
}

const MarkedBlock &BlockReader::Next()
{
    const std::size_t number = m_next++;
    return m_options.TwoThreads ? handOut(number) : readInTurn(number);
}

const MarkedBlock &BlockReader::readInTurn(std::size_t number)
{
    MarkedBlock &block = m_slots[0].Block;
    block.Number = number;
    readOn(block, m_file);
    Mark(block.Text(), block.Size, block.Marks);
    return block;
}

// Outside the lock.
void BlockReader::work(MarkedBlock &block)
{
    readAtPlace(block, m_file);
    Mark(block.Text(), block.Size, block.Marks);
    if (m_work)
        m_work(block);
}

// With the lock held: takes the next block that nobody has taken, when its slot is free, and
// works on it outside the lock. False when there is none to take.
bool BlockReader::takeAndWork(std::unique_lock<std::mutex> &lock)
{
    if (m_takingEnded || m_stopping)
        return false;
    Slot &slot = slotOf(m_nextToTake);
    if (slot.Use != SlotUse::Free)
        return false;
    slot.Use = SlotUse::Taken;
    slot.Block.Number = m_nextToTake++;
    lock.unlock();
    try {
        work(slot.Block);
        slot.Broken = false;
    } catch (...) {
        // Not on the helper thread, where it would end the program: the handing out works on
        // the block again and meets the failure on its own thread.
        slot.Broken = true;
    }
    lock.lock();
    slot.Use = SlotUse::Done;
    if (slot.Block.End != BlockEnd::More)
        m_takingEnded = true;
    m_changed.notify_all();
    return true;
}

void BlockReader::help()
{
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        if (m_stopping)
            return;
        if (takeAndWork(lock))
            continue;
        if (m_takingEnded)
            return;
        m_changed.wait(lock);
    }
}

// Both threads take the next block that nobody has taken; the handing out in file order waits
// only for a block the other thread is still on, and never for the thread to come round (on a
// busy machine that wait costs more than the work).
const MarkedBlock &BlockReader::handOut(std::size_t number)
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (number > 0)
        slotOf(number - 1).Use = SlotUse::Free;
    m_changed.notify_all();
    Slot &slot = slotOf(number);
    for (;;) {
        if (slot.Use == SlotUse::Done && slot.Block.Number == number)
            break;
        if (!takeAndWork(lock))
            m_changed.wait(lock);
    }
    lock.unlock();
    if (slot.Broken)
        work(slot.Block);
    // A file of one block, or a machine of one core, needs no second thread.
    if (number == 0 && slot.Block.End == BlockEnd::More &&
        std::thread::hardware_concurrency() != 1) {
        try {
            m_helper = std::thread([this] { help(); });
        } catch (const std::system_error &) {
            // No thread to be had: this one takes every block.
        }
    }
    return slot.Block;
}

void BlockReader::Stop()
{
    if (!m_helper.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_helper.join();
}

} // namespace Numra
