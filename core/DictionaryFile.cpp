#include "DictionaryFile.h"

#include "FilePaths.h"

#include <algorithm>
#include <cstring>

namespace Numra {

namespace {

constexpr std::size_t BlockSize = 256 * 1024;

} // namespace

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
    m_buffer.resize(BlockSize);
    m_pos = m_end = m_nextLf = 0;
    m_eof = m_error = m_skipLf = false;
    m_long.clear();
    return true;
}

void DictionaryFile::Close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

bool DictionaryFile::fill()
{
    m_pos = m_end = m_nextLf = 0;
    m_lfKnown = m_crKnown = false;
    if (!m_file || m_eof || m_error)
        return false;
    const std::size_t got = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (got < m_buffer.size()) {
        if (std::ferror(m_file))
            m_error = true;
        else
            m_eof = true;
    }
    m_end = got;
    if (m_skipLf && m_end > 0) {
        m_skipLf = false;
        if (m_buffer[0] == '\n')
            m_pos = 1;
    }
    return got > 0;
}

void DictionaryFile::keep(const char *text, std::size_t length)
{
    const std::size_t room = ShortStringMax - std::min(ShortStringMax, m_long.size());
    m_long.append(text, std::min(length, room));
}

DictionaryFile::ReadResult DictionaryFile::ReadLine(std::string_view &line)
{
    if (!m_file)
        return ReadResult::Error;
    bool partial = false;
    m_long.clear();
    for (;;) {
        if (m_pos == m_end && !fill()) {
            if (m_error)
                return ReadResult::Error;
            if (!partial)
                return ReadResult::End;
            line = m_long;
            return ReadResult::Line;
        }
        // A block that held only the LF of a CR LF pair split by the previous block.
        if (m_pos == m_end)
            continue;
        const char *base = m_buffer.data();
        if (!m_lfKnown || m_nextLf < m_pos) {
            m_lfKnown = true;
            const void *lf = std::memchr(base + m_pos, '\n', m_end - m_pos);
            m_nextLf = lf ? static_cast<std::size_t>(static_cast<const char *>(lf) - base) : m_end;
        }
        if (!m_crKnown || m_nextCr < m_pos) {
            m_crKnown = true;
            const void *cr = std::memchr(base + m_pos, '\r', m_end - m_pos);
            m_nextCr = cr ? static_cast<std::size_t>(static_cast<const char *>(cr) - base) : m_end;
        }
        const std::size_t stop = std::min(m_nextLf, m_nextCr);

        const std::size_t start = m_pos;
        if (stop == m_end) {
            // No line break in this block: keep what fits and read on.
            keep(base + start, m_end - start);
            partial = true;
            m_pos = m_end;
            continue;
        }
        m_pos = stop + 1;
        if (base[stop] == '\r') {
            if (m_pos < m_end) {
                if (base[m_pos] == '\n')
                    ++m_pos;
            } else {
                m_skipLf = true;
            }
        }
        if (!partial) {
            line = std::string_view(base + start, std::min(stop - start, ShortStringMax));
        } else {
            keep(base + start, stop - start);
            line = m_long;
        }
        return ReadResult::Line;
    }
}

} // namespace Numra
