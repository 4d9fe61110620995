#include "CrashWriter.h"

#include "FailurePlatform.h"

#if NUMRA_HANDLES_CRASH_SIGNALS

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
CrashWriter::Target crashTargets[2]; // the log file, then the fallback
long crashUtcOffset = 0;
std::array<char, 64 * 1024> crashStack;

void writeText(int fd, const char *text)
{
    size_t length = 0;
    while (text[length])
        ++length;
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= size_t(written);
    }
}

void writeNumber(int fd, unsigned long value, unsigned base, int width)
{
    char digits[32];
    char *end = digits + sizeof digits - 1;
    char *p = end;
    *p = '\0';
    do {
        *--p = "0123456789ABCDEF"[value % base];
        value /= base;
    } while ((value || end - p < width) && p > digits);
    writeText(fd, p);
}

// The date and time like QDateTime would give them, from the offset taken when the handler
// was installed.
void writeSeparator(int fd)
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
    writeText(fd, "==================== ");
    for (int i = 0; i < 6; ++i) {
        writeNumber(fd, fields[i], 10, i == 0 ? 4 : 2);
        writeText(fd, after[i]);
    }
    writeText(fd, " ====================\n");
}

const char *signalName(int signal)
{
    for (const CrashSignal &crash : CrashSignals) {
        if (crash.number == signal)
            return crash.name;
    }
    return "signal";
}

void writeCrashReport(int fd, int signal, siginfo_t *info, void *context,
                      const CrashWriter::Target &target)
{
    writeSeparator(fd);
    writeText(fd, "Fatal signal ");
    writeText(fd, signalName(signal));
    writeText(fd, " at address 0x");
    writeNumber(fd, reinterpret_cast<unsigned long>(info->si_addr), 16, 16);
    writeText(fd, ".\n\nCall Stack:\n");
    void *frames[FailurePlatform::MaxFrames];
    FailurePlatform::writeBacktrace(
        frames, FailurePlatform::backtrace(frames, int(FailurePlatform::MaxFrames)), fd);
    writeText(fd, "\nRegisters:\n");
    const auto &registers = FailurePlatform::signalContext(context);
    for (const FailurePlatform::RegisterName &reg : FailurePlatform::registerNames()) {
        writeText(fd, reg.name);
        writeText(fd, reg.name[2] ? " = " : "  = ");
        writeNumber(fd, FailurePlatform::registerValue(registers, reg), 16, 16);
        writeText(fd, "\n");
    }
    if (FailurePlatform::registerNames().empty())
        writeText(fd, "Registers not available.\n");
    writeText(fd, target.closingLines.c_str());
    writeText(fd, "\n");
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

void crashHandler(int signal, siginfo_t *info, void *context)
{
    const int flags = O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC;
    const CrashWriter::Target *target = &crashTargets[0];
    int fd = ::open(target->path.c_str(), flags, 0644);
    if (fd < 0 && !crashTargets[1].path.empty()) {
        target = &crashTargets[1];
        makeDirectories(target->directory);
        fd = ::open(target->path.c_str(), flags, 0644);
    }
    if (fd >= 0) {
        writeCrashReport(fd, signal, info, context, *target);
        ::close(fd);
    }
    // SA_RESETHAND has restored the default action; it ends the program once this returns.
    ::raise(signal);
}

} // namespace

void CrashWriter::prepare(const Target &logFile, const Target &fallback, long utcOffset)
{
    crashTargets[0] = logFile;
    crashTargets[1] = fallback;
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
