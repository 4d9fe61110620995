#include "core/FilePaths.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Numra {

std::filesystem::path PathFromBytes(std::string_view bytes)
{
#ifdef _WIN32
    // The narrow form would go through the ANSI code page and lose every other character.
    return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
#else
    return std::filesystem::path(std::string(bytes));
#endif
}

std::string PathToBytes(const std::filesystem::path &path)
{
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.native();
#endif
}

namespace {

class FileKindCategory : public std::error_category
{
public:
    const char *name() const noexcept override { return "file kind"; }
    std::string message(int) const override { return "Not a regular file"; }
};

std::error_code notRegularFile(bool directory)
{
    static const FileKindCategory category;
    return directory ? std::make_error_code(std::errc::is_a_directory)
                     : std::error_code(1, category);
}

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

} // namespace

std::FILE *OpenRegularFile(const std::filesystem::path &path, std::error_code &error)
{
    error.clear();
#ifdef _WIN32
    const std::filesystem::file_status kind = std::filesystem::status(path, error);
    if (!error && kind.type() == std::filesystem::file_type::not_found)
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    if (error)
        return nullptr;
    if (!std::filesystem::is_regular_file(kind)) {
        error = notRegularFile(std::filesystem::is_directory(kind));
        return nullptr;
    }
    std::FILE *file = _wfopen(path.c_str(), L"rb");
    if (!file) {
        error = lastError();
        return nullptr;
    }
    struct _stat64 status;
    if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
        error = notRegularFile(false);
        std::fclose(file);
        return nullptr;
    }
    return file;
#else
    struct stat status;
    // The check before the open keeps a FIFO from being opened at all (its open would wait for
    // a writer); the one after it catches a path swapped in between, which O_NONBLOCK keeps
    // from blocking the open.
    if (::stat(path.c_str(), &status) != 0) {
        error = lastError();
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        error = notRegularFile(S_ISDIR(status.st_mode));
        return nullptr;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = lastError();
        return nullptr;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        error = notRegularFile(false);
        ::close(fd);
        return nullptr;
    }
    std::FILE *file = ::fdopen(fd, "rb");
    if (!file) {
        error = lastError();
        ::close(fd);
    }
    return file;
#endif
}

std::size_t ReadFileAt(std::FILE *file, unsigned long long offset, char *buffer, std::size_t size,
                       bool &failed)
{
    failed = false;
    std::size_t got = 0;
#ifdef _WIN32
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    while (got < size) {
        OVERLAPPED at{};
        const unsigned long long from = offset + got;
        at.Offset = static_cast<DWORD>(from);
        at.OffsetHigh = static_cast<DWORD>(from >> 32);
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - got, 1U << 30));
        DWORD read = 0;
        if (!ReadFile(handle, buffer + got, want, &read, &at)) {
            failed = GetLastError() != ERROR_HANDLE_EOF;
            break;
        }
        if (read == 0)
            break;
        got += read;
    }
#else
    const int fd = ::fileno(file);
    while (got < size) {
        const ssize_t read =
            ::pread(fd, buffer + got, size - got, static_cast<off_t>(offset + got));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            failed = true;
            break;
        }
        if (read == 0)
            break;
        got += static_cast<std::size_t>(read);
    }
#endif
    return got;
}

std::vector<std::string> ProgramArguments(int argc, char *argv[])
{
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> result;
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(size > 1 ? static_cast<std::size_t>(size - 1) : 0U, '\0');
        if (size > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
        result.push_back(std::move(text));
    }
    LocalFree(wide);
    return result;
#else
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

std::filesystem::path ProgramDirectory()
{
#ifdef _WIN32
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD size =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (size == 0)
            return {};
        if (size < name.size())
            return std::filesystem::path(std::wstring(name.data(), size)).parent_path();
        name.resize(name.size() * 2);
    }
#else
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program.parent_path();
#endif
}

std::filesystem::path DataFilePath(const std::filesystem::path &programDirectory,
                                   std::string_view fileName)
{
    const std::filesystem::path name = PathFromBytes(fileName);
    const std::filesystem::path beside = programDirectory / name;
    std::error_code ec;
    if (std::filesystem::exists(beside, ec))
        return beside;
    const std::filesystem::path installed =
        (programDirectory / "../share/numra" / name).lexically_normal();
    if (std::filesystem::exists(installed, ec))
        return installed;
    return beside;
}

} // namespace Numra
