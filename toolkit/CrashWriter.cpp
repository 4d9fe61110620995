#include "toolkit/CrashWriter.h"

#include "toolkit/FailurePlatform.h"

#if NUMRA_HANDLES_CRASH_SIGNALS

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <array>

namespace {

struct CrashSignal
{
    int number;
    const char *name;
};

constexpr CrashSignal CrashSignals[] = {
    {SIGSEGV, "SIGSEGV (segmentation fault)"},
    {SIGABRT, "SIGABRT (aborted)"},
    {SIGFPE, "SIGFPE (arithmetic error)"},
    {SIGILL, "SIGILL (illegal instruction)"},
    {SIGBUS, "SIGBUS (bus error)"},
};
// Spelt out beforehand: making a path inside the handler would allocate.
struct CrashTarget
{
    std::string path;
    std::string closingLines;
};

CrashTarget crashTargets[2]; // the log file, then the fallback
std::string fallbackDirectory;
long crashUtcOffset = 0;
std::array<char, 64 * 1024> crashStack;

// Writes on while every write succeeds; a full disk shows as the first write that fails.
struct CrashOutput
{
    int fd;
    bool ok = true;

    void text(const char *text)
    {
        size_t length = 0;
        while (text[length])
            ++length;
        while (ok && length > 0) {
            const ssize_t written = ::write(fd, text, length);
            if (written < 0 && errno == EINTR)
                continue;
            ok = written > 0;
            if (ok) {
                text += written;
                length -= size_t(written);
            }
        }
    }

    void number(unsigned long value, unsigned base, int width)
    {
        char digits[32];
        char *end = digits + sizeof digits - 1;
        char *p = end;
        *p = '\0';
        do {
            *--p = "0123456789ABCDEF"[value % base];
            value /= base;
        } while ((value || end - p < width) && p > digits);
        text(p);
    }
};

// The date and time like QDateTime would give them, from the offset taken when the handler
// was installed.
void writeSeparator(CrashOutput &out)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long seconds = long(now.tv_sec) + crashUtcOffset;
    const long z = seconds / 86400 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long day = doy - (153 * mp + 2) / 5 + 1;
    const long month = mp < 10 ? mp + 3 : mp - 9;
    const long year = yoe + era * 400 + (month <= 2);
    const long time = ((seconds % 86400) + 86400) % 86400;
    const long fields[] = {year, month, day, time / 3600, time / 60 % 60, time % 60};
    const char *const after[] = {"-", "-", " ", ":", ":", ""};
    out.text("==================== ");
    for (int i = 0; i < 6; ++i) {
        out.number(fields[i], 10, i == 0 ? 4 : 2);
        out.text(after[i]);
    }
    out.text(" ====================\n");
}

const char *signalName(int signal)
{
    for (const CrashSignal &crash : CrashSignals) {
        if (crash.number == signal)
            return crash.name;
    }
    return "signal";
}

// False when the report could not be written whole.
bool writeCrashReport(int fd, int signal, siginfo_t *info, void *context, const CrashTarget &target)
{
    CrashOutput out{fd};
    writeSeparator(out);
    out.text("Fatal signal ");
    out.text(signalName(signal));
    out.text(" at address 0x");
    out.number(reinterpret_cast<unsigned long>(info->si_addr), 16, 16);
    out.text(".\n\nCall Stack:\n");
    void *frames[FailurePlatform::MaxFrames];
    // Its own failures go unseen; the writes after it fail as well on a full disk.
    if (out.ok)
        FailurePlatform::writeBacktrace(
            frames, FailurePlatform::backtrace(frames, int(FailurePlatform::MaxFrames)), fd);
    out.text("\nRegisters:\n");
    const auto &registers = FailurePlatform::signalContext(context);
    for (const FailurePlatform::RegisterName &reg : FailurePlatform::registerNames()) {
        out.text(reg.name);
        out.text(reg.name[2] ? " = " : "  = ");
        out.number(FailurePlatform::registerValue(registers, reg), 16, 16);
        out.text("\n");
    }
    out.text(target.closingLines.c_str());
    out.text("\n");
    return out.ok;
}

void makeDirectories(const std::string &directory)
{
    char path[4096];
    if (directory.empty() || directory.size() >= sizeof path)
        return;
    for (size_t i = 1; i <= directory.size(); ++i) {
        if (i == directory.size() || directory[i] == '/') {
            directory.copy(path, i);
            path[i] = '\0';
            ::mkdir(path, 0755);
        }
    }
}

// A report cut off by a full disk is taken back, so that the log does not end mid-line.
bool appendCrashReport(const CrashTarget &target, int signal, siginfo_t *info, void *context)
{
    const char *path = target.path.c_str();
    if (!*path)
        return false;
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat before
    {
    };
    const bool regular = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
    const bool written = writeCrashReport(fd, signal, info, context, target);
    // A report cut short is taken back out, so the log never ends mid-line; should that fail
    // too, the report is still tried at the fallback.
    bool restored = true;
    if (!written && regular)
        restored = ::ftruncate(fd, before.st_size) == 0;
    return ::close(fd) == 0 && written && restored;
}

void crashHandler(int signal, siginfo_t *info, void *context)
{
    if (!appendCrashReport(crashTargets[0], signal, info, context)) {
        makeDirectories(fallbackDirectory);
        appendCrashReport(crashTargets[1], signal, info, context);
    }
    // SA_RESETHAND has restored the default action; it ends the program once this returns.
    ::raise(signal);
}

} // namespace

void CrashWriter::prepare(const Target &logFile, const Target &fallback, long utcOffset)
{
    crashTargets[0] = {logFile.path.native(), logFile.closingLines};
    crashTargets[1] = {fallback.path.native(), fallback.closingLines};
    fallbackDirectory = fallback.path.parent_path().native();
    crashUtcOffset = utcOffset;
}

void CrashWriter::install()
{
    // The first backtrace() loads libgcc, which must not happen inside the handler.
    void *frame = nullptr;
    FailurePlatform::backtrace(&frame, 1);

    // A stack of its own, so that a stack overflow can still be reported.
    stack_t stack{};
    stack.ss_sp = crashStack.data();
    stack.ss_size = crashStack.size();
    sigaltstack(&stack, nullptr);

    struct sigaction action = {};
    action.sa_sigaction = crashHandler;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const CrashSignal &crash : CrashSignals)
        sigaction(crash.number, &action, nullptr);
}

#else

void CrashWriter::prepare(const Target &, const Target &, long) {}

void CrashWriter::install() {}

#endif
