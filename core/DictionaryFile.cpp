#include "core/DictionaryFile.h"

#include "core/FilePaths.h"

#include <system_error>

namespace Numra {

DictionaryFile::DictionaryFile(ReaderOptions options) : m_options(options) {}

DictionaryFile::DictionaryFile(std::string path, ReaderOptions options)
    : m_path(std::move(path)), m_options(options)
{}

DictionaryFile::~DictionaryFile()
{
    Close();
}

DictionaryFile::Pass::Pass(DictionaryFile &file, MarkRequest request, const LinePicker *picker)
    : m_file(file)
{
    if (m_file.m_lines)
        m_file.m_lines->BeginPass(request, picker);
}

DictionaryFile::Pass::~Pass()
{
    if (m_file.m_lines)
        m_file.m_lines->EndPass();
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
    if (!m_lines)
        m_lines = std::make_unique<LineBlocks>(m_options);
    m_lines->Restart(m_file);
    return true;
}

void DictionaryFile::Close()
{
    if (m_lines)
        m_lines->Stop();
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

ReadResult DictionaryFile::ReadBlock(LineBlock &block, const PickedLines **picked)
{
    if (picked)
        *picked = nullptr;
    if (!m_file)
        return ReadResult::Error;
    return m_lines->Next(block, picked);
}

} // namespace Numra
