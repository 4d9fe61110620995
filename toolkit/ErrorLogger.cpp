#include "ErrorLogger.h"

#include "ErrorDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#define BACKWARD_HAS_DW 1
#include <backward.hpp>

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <typeinfo>

#if defined(__x86_64__) && defined(__linux__)
#define NUMRA_HAS_REGISTERS 1
#else
#define NUMRA_HAS_REGISTERS 0
#endif

namespace {

constexpr size_t MaxFrames = 64;

QString tr(const char *text)
{
    return QCoreApplication::translate("ErrorLogger", text);
}

#if NUMRA_HAS_REGISTERS
struct RegisterName
{
    const char *name;
    int index;
    bool savedByGetcontext; // glibc's getcontext() leaves the scratch registers out
};

constexpr RegisterName Registers[] = {
    {"RIP", REG_RIP, true},  {"RSP", REG_RSP, true}, {"RBP", REG_RBP, true},
    {"RAX", REG_RAX, false}, {"RBX", REG_RBX, true}, {"RCX", REG_RCX, true},
    {"RDX", REG_RDX, true},  {"RSI", REG_RSI, true}, {"RDI", REG_RDI, true},
    {"R8", REG_R8, true},    {"R9", REG_R9, true},   {"R10", REG_R10, false},
    {"R11", REG_R11, false}, {"R12", REG_R12, true}, {"R13", REG_R13, true},
    {"R14", REG_R14, true},  {"R15", REG_R15, true}, {"EFL", REG_EFL, false},
};
#endif

// What the last throw on this thread left behind. The catch in NumraApplication::notify()
// runs after the thrower's frames have been unwound, so the call chain is taken at the throw.
struct ThrowCapture
{
    backward::StackTrace stack;
    void *site = nullptr; // return address into the throwing function
    void *object = nullptr;
    const std::type_info *type = nullptr;
#if NUMRA_HAS_REGISTERS
    ucontext_t context{};
#endif
};

thread_local ThrowCapture lastThrow;
thread_local bool capturing = false;

[[gnu::noinline]] void captureThrow(void *object, std::type_info *type, void *site,
                                    void *callerStack)
{
    ThrowCapture &capture = lastThrow;
#if NUMRA_HAS_REGISTERS
    getcontext(&capture.context);
    // Show the thrower's view: where it called the throw, and its stack pointer.
    capture.context.uc_mcontext.gregs[REG_RIP] = reinterpret_cast<greg_t>(site);
    capture.context.uc_mcontext.gregs[REG_RSP] = reinterpret_cast<greg_t>(callerStack);
#else
    Q_UNUSED(callerStack);
#endif
    capture.object = object;
    capture.type = type;
    capture.site = site;
    // backward-cpp keeps return addresses less one; start the chain at the thrower.
    capture.stack.load_from(static_cast<char *>(site) - 1, MaxFrames);
}

QString demangled(const char *name)
{
    int status = 0;
    char *readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    const QString result = QString::fromUtf8(status == 0 && readable ? readable : name);
    std::free(readable);
    return result;
}

QString hex(quintptr value)
{
    return QStringLiteral("%1").arg(value, 16, 16, QLatin1Char('0')).toUpper();
}

QString describeFrame(const backward::ResolvedTrace &frame)
{
    const QString function = QString::fromStdString(frame.object_function);
    QString text =
        QStringLiteral("#%1 %2  %3")
            .arg(frame.idx, -3)
            .arg(hex(quintptr(frame.addr)), function.isEmpty() ? QStringLiteral("??") : function);
    if (!frame.object_filename.empty())
        text += QStringLiteral("  (%1)").arg(
            QFileInfo(QString::fromStdString(frame.object_filename)).fileName());
    if (!frame.source.filename.empty())
        text += QStringLiteral("\n      at %1:%2")
                    .arg(QString::fromStdString(frame.source.filename))
                    .arg(frame.source.line);
    for (const auto &inliner : frame.inliners)
        text += QStringLiteral("\n      %1 inlined at %2:%3")
                    .arg(QString::fromStdString(inliner.function),
                         QString::fromStdString(inliner.filename))
                    .arg(inliner.line);
    return text;
}

#if NUMRA_HAS_REGISTERS
QString describeRegisters(const ucontext_t &context)
{
    QStringList lines;
    for (const RegisterName &reg : Registers) {
        if (reg.savedByGetcontext)
            lines += QStringLiteral("%1 = %2")
                         .arg(QLatin1String(reg.name), -3)
                         .arg(hex(quintptr(context.uc_mcontext.gregs[reg.index])));
    }
    return lines.join(QLatin1Char('\n'));
}
#endif

// The parts of a failure that are known only while it is being handled.
struct Failure
{
    QString kind;
    QString message;
    const std::type_info *type = nullptr;
    const void *object = nullptr;
};

Failure identify(std::exception_ptr failure)
{
    Failure result;
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception &e) {
        result.type = abi::__cxa_current_exception_type();
        result.object = dynamic_cast<const void *>(&e);
        result.message = QString::fromUtf8(e.what());
    } catch (...) {
        result.type = abi::__cxa_current_exception_type();
    }
    result.kind = result.type ? demangled(result.type->name()) : tr("unknown exception");
    return result;
}

bool isLastThrow(const Failure &failure)
{
    const ThrowCapture &capture = lastThrow;
    return capture.type && failure.type && *capture.type == *failure.type &&
           (!failure.object || failure.object == capture.object);
}

QString describeCallStack(const backward::StackTrace &stack, backward::ResolvedTrace *first)
{
    backward::TraceResolver resolver;
    resolver.load_stacktrace(stack);
    QStringList frames;
    for (size_t i = 0; i < stack.size(); ++i) {
        // The unwinder ends the chain with an address of all ones.
        if (stack[i].addr == nullptr || ~quintptr(stack[i].addr) == 0)
            continue;
        const backward::ResolvedTrace frame = resolver.resolve(stack[i]);
        if (i == 0 && first)
            *first = frame;
        frames += describeFrame(frame);
    }
    return frames.isEmpty() ? tr("Call stack not available.") : frames.join(QLatin1Char('\n'));
}

// Kind, message, module and code address, and the source line, of a failure raised at `site`.
QString describeFailure(const Failure &failure, void *site, const backward::ResolvedTrace &thrower)
{
    QStringList text;
    Dl_info module;
    if (site && dladdr(static_cast<char *>(site) - 1, &module) && module.dli_fname) {
        const quintptr offset = quintptr(site) - 1 - quintptr(module.dli_fbase);
        // dladdr() names the executable as it was started, perhaps by a relative path.
        QString moduleName = QString::fromStdString(thrower.object_filename);
        if (moduleName.isEmpty())
            moduleName = QString::fromLocal8Bit(module.dli_fname);
        text += tr("Exception %1 in module %2 at %3.").arg(failure.kind, moduleName, hex(offset));
    } else {
        text += tr("Exception %1.").arg(failure.kind);
    }
    if (!failure.message.isEmpty())
        text += failure.message;
    if (!thrower.source.filename.empty())
        text += tr("Source: %1, line %2")
                    .arg(QString::fromStdString(thrower.source.filename))
                    .arg(thrower.source.line);
    return text.join(QLatin1Char('\n'));
}

bool openForAppend(QFile &file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

} // namespace

// Declared where <cxxabi.h> declares it: at global scope it would clash with the declaration
// the compiler makes for itself.
namespace __cxxabiv1 {

extern "C" [[noreturn]] void __cxa_throw(void *object, std::type_info *type,
                                         void (*destroy)(void *))
{
    using CxaThrow = void (*)(void *, std::type_info *, void (*)(void *));
    // A failure while capturing (say, no memory for the frames) is thrown through here too;
    // it is neither captured nor allowed to escape.
    if (!capturing) {
        capturing = true;
        try {
            captureThrow(object, type, __builtin_return_address(0), __builtin_dwarf_cfa());
        } catch (...) {
        }
        capturing = false;
    }
    static const auto realThrow = reinterpret_cast<CxaThrow>(dlsym(RTLD_NEXT, "__cxa_throw"));
    if (!realThrow)
        std::abort();
    realThrow(object, type, destroy);
    __builtin_unreachable();
}

} // namespace __cxxabiv1

ErrorLogger &ErrorLogger::instance()
{
    static ErrorLogger logger;
    return logger;
}

void ErrorLogger::setIcon(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Information:
        return setIcon(QStyle::SP_MessageBoxInformation);
    case QMessageBox::Question:
        return setIcon(QStyle::SP_MessageBoxQuestion);
    case QMessageBox::Critical:
        return setIcon(QStyle::SP_MessageBoxCritical);
    default:
        return setIcon(QStyle::SP_MessageBoxWarning);
    }
}

QString ErrorLogger::logFile() const
{
    if (!m_logFile.isEmpty())
        return m_logFile;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Error.Log"));
}

QString ErrorLogger::fallbackDirectory() const
{
    // Asked late, once the application has its name.
    return m_fallbackDirectory.value_or(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

void ErrorLogger::reportCurrentException()
{
    report(std::current_exception());
}

void ErrorLogger::report(std::exception_ptr failure)
{
    if (!failure)
        return;
    ErrorReport report;
    // The logger must not fail in turn: whatever was gathered is still shown.
    try {
        QMutexLocker locker(&m_mutex);
        report = buildReport(failure);
        writeReport(report);
    } catch (...) {
    }
    // Unlocked, so that a failure in a handler running under the modal dialog is reported too.
    try {
        showReport(report);
    } catch (...) {
    }
}

ErrorReport ErrorLogger::buildReport(std::exception_ptr failure)
{
    const Failure what = identify(failure);
    ErrorReport report;
    if (isLastThrow(what)) {
        // A copy, as resolving the frames may throw (and catch) in turn.
        const ThrowCapture capture = lastThrow;
        backward::ResolvedTrace thrower;
        report.callStack = describeCallStack(capture.stack, &thrower);
        report.text = describeFailure(what, capture.site, thrower);
#if NUMRA_HAS_REGISTERS
        report.registers = describeRegisters(capture.context);
#endif
    } else {
        // Not raised by a C++ throw on this thread: the chain from here is the best there is.
        backward::StackTrace here;
        here.load_here(MaxFrames);
        report.callStack = describeCallStack(here, nullptr);
        report.text = describeFailure(what, nullptr, {});
    }
    if (report.registers.isEmpty())
        report.registers = tr("Registers not available.");
    return report;
}

// Opens the log for each report and closes it again, so the file is complete while the user
// reads the dialog. An installed copy cannot write beside the executable: then the report
// goes to the fallback directory, and the closing lines are told so.
void ErrorLogger::writeReport(ErrorReport &report)
{
    const QString primary = logFile();
    QFile file(primary);
    if (!openForAppend(file)) {
        const QString fallback = fallbackDirectory();
        file.setFileName(QDir(fallback).filePath(QFileInfo(primary).fileName()));
        if (fallback.isEmpty() || !QDir().mkpath(fallback) || !openForAppend(file))
            file.setFileName(QString());
    }

    if (m_extraPageEnabled && m_extraLinesCallback) {
        m_currentLogDirectory = file.isOpen() ? QFileInfo(file).absolutePath() : QString();
        report.extraLines.clear();
        m_extraLinesCallback(report.extraLines);
        m_currentLogDirectory.clear();
    }
    if (!file.isOpen())
        return;

    const QString now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QStringList entry{QStringLiteral("==================== %1 ====================").arg(now),
                      report.text,
                      QString(),
                      tr("Call Stack:"),
                      report.callStack,
                      QString(),
                      tr("Registers:"),
                      report.registers};
    if (!report.extraLines.isEmpty()) {
        entry += QString();
        entry += report.extraLines;
    }
    entry += QString();
    file.write(entry.join(QLatin1Char('\n')).toUtf8());
    file.close();
    report.logPath = QFileInfo(file).absoluteFilePath();
}

void ErrorLogger::showReport(const ErrorReport &report) const
{
    if (m_dialogHandler) {
        m_dialogHandler(report);
        return;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    ErrorDialog dialog(report, QApplication::activeWindow());
    dialog.setIcon(dialog.style()->standardIcon(m_icon));
    if (m_extraPageEnabled)
        dialog.addExtraPage(m_extraPageTitle.isEmpty() ? tr("Additional") : m_extraPageTitle);
    dialog.setDetailsShown(m_showDetails);
    dialog.exec();
}

// The crash handler may use only async-signal-safe calls, so everything it writes apart from
// the signal's own details is made ready by prepareCrashReport() beforehand.
namespace {

struct CrashTarget
{
    std::string path;
    std::string directory;
    std::string closingLines;
};

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
CrashTarget crashTargets[2]; // the log file, then the fallback
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

void writeCrashReport(int fd, int signal, siginfo_t *info, void *context, const CrashTarget &target)
{
    writeSeparator(fd);
    writeText(fd, "Fatal signal ");
    writeText(fd, signalName(signal));
    writeText(fd, " at address 0x");
    writeNumber(fd, reinterpret_cast<unsigned long>(info->si_addr), 16, 16);
    writeText(fd, ".\n\nCall Stack:\n");
    void *frames[MaxFrames];
    backtrace_symbols_fd(frames, backtrace(frames, int(MaxFrames)), fd);
    writeText(fd, "\nRegisters:\n");
#if NUMRA_HAS_REGISTERS
    const auto *registers = static_cast<ucontext_t *>(context)->uc_mcontext.gregs;
    for (const RegisterName &reg : Registers) {
        writeText(fd, reg.name);
        writeText(fd, reg.name[2] ? " = " : "  = ");
        writeNumber(fd, static_cast<unsigned long>(registers[reg.index]), 16, 16);
        writeText(fd, "\n");
    }
#else
    Q_UNUSED(context);
    writeText(fd, "Registers not available.\n");
#endif
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
    const CrashTarget *target = &crashTargets[0];
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

void ErrorLogger::prepareCrashReport()
{
    const QString primary = logFile();
    const QString fallback = fallbackDirectory();
    const QString directories[] = {QFileInfo(primary).absolutePath(), fallback};
    const QString paths[] = {primary, fallback.isEmpty()
                                          ? QString()
                                          : QDir(fallback).filePath(QFileInfo(primary).fileName())};
    for (int i = 0; i < 2; ++i) {
        CrashTarget &target = crashTargets[i];
        target.path = QFile::encodeName(paths[i]).toStdString();
        target.directory = QFile::encodeName(directories[i]).toStdString();
        target.closingLines.clear();
        if (m_extraPageEnabled && m_extraLinesCallback && !paths[i].isEmpty()) {
            QStringList lines;
            m_currentLogDirectory = directories[i];
            m_extraLinesCallback(lines);
            m_currentLogDirectory.clear();
            target.closingLines = (QLatin1Char('\n') + lines.join(QLatin1Char('\n'))).toStdString();
        }
    }
    crashUtcOffset = QDateTime::currentDateTime().offsetFromUtc();
}

void ErrorLogger::installCrashHandler()
{
    prepareCrashReport();
    // The first backtrace() loads libgcc, which must not happen inside the handler.
    void *frame = nullptr;
    backtrace(&frame, 1);

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
