#include "toolkit/ErrorLogger.h"

#include "core/FilePaths.h"
#include "platform/Dialogs.h"
#include "toolkit/CrashWriter.h"
#include "toolkit/ErrorDialog.h"
#include "toolkit/TextCodec.h"
#include "toolkit/ThrowCapture.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fstream>
#include <optional>

namespace {

// The report, its write and its dialog live on this when memory has run out.
constexpr std::size_t ReserveBytes = std::size_t(16) << 20;
// Naming the functions and source lines (libdw) takes tens of megabytes for a program with debug
// information, and libdw aborts when an allocation fails: it runs only when this much is free.
constexpr std::size_t NamingBytes = std::size_t(64) << 20;

QString demangled(const char *name)
{
    return QString::fromStdString(FailurePlatform::demangle(name));
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
            QFileInfo(QFile::decodeName(frame.object_filename.c_str())).fileName());
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

QString describeRegisters(const FailurePlatform::MachineContext &context)
{
    QStringList lines;
    for (const FailurePlatform::RegisterName &reg : FailurePlatform::registerNames()) {
        if (reg.savedByGetcontext)
            lines += QStringLiteral("%1 = %2")
                         .arg(QLatin1String(reg.name), -3)
                         .arg(hex(FailurePlatform::registerValue(context, reg)));
    }
    return lines.join(QLatin1Char('\n'));
}

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
        result.type = FailurePlatform::currentExceptionType();
        result.object = dynamic_cast<const void *>(&e);
        result.message = QString::fromUtf8(e.what());
    } catch (...) {
        result.type = FailurePlatform::currentExceptionType();
    }
    result.kind = result.type ? demangled(result.type->name())
                              : QCoreApplication::translate("ErrorLogger", "unknown exception");
    return result;
}

bool isLastThrow(const Failure &failure)
{
    const ThrowCapture &capture = lastThrow();
    return capture.type && failure.type && *capture.type == *failure.type &&
           (!failure.object || failure.object == capture.object);
}

// What the loader knows of a code address: the nearest exported function, and the module with
// the offset that names the line later, given the module's debug information.
QString describeAddress(const backward::Trace &trace)
{
    QString text = QStringLiteral("#%1 %2").arg(trace.idx, -3).arg(hex(quintptr(trace.addr)));
    FailurePlatform::Module module;
    if (!FailurePlatform::moduleOf(trace.addr, module))
        return text + QStringLiteral("  ??");
    const auto offset = [](quintptr from, quintptr to) {
        return QStringLiteral("+0x%1").arg(to - from, 0, 16);
    };
    text += module.symbol
                ? QStringLiteral("  %1%2").arg(demangled(module.symbol),
                                               offset(module.symbolAddress, quintptr(trace.addr)))
                : QStringLiteral("  ??");
    return text + QStringLiteral("  (%1%2)")
                      .arg(QFileInfo(QFile::decodeName(module.fileName)).fileName(),
                           offset(module.base, quintptr(trace.addr)));
}

bool roomToName()
{
    void *probe = FailurePlatform::reserveMemory(NamingBytes);
    FailurePlatform::releaseMemory(probe, NamingBytes);
    return probe != nullptr;
}

// Named down to the source line when memory allows, else by module and exported function.
QString describeCallStack(const backward::StackTrace &stack, backward::ResolvedTrace *first)
{
    std::optional<backward::TraceResolver> resolver;
    if (roomToName()) {
        resolver.emplace();
        resolver->load_stacktrace(stack);
    }
    QStringList frames;
    for (size_t i = 0; i < stack.size(); ++i) {
        // The unwinder ends the chain with an address of all ones.
        if (stack[i].addr == nullptr || ~quintptr(stack[i].addr) == 0)
            continue;
        if (!resolver) {
            frames += describeAddress(stack[i]);
            continue;
        }
        const backward::ResolvedTrace frame = resolver->resolve(stack[i]);
        if (i == 0 && first)
            *first = frame;
        frames += describeFrame(frame);
    }
    return frames.isEmpty()
               ? QCoreApplication::translate("ErrorLogger", "Call stack not available.")
               : frames.join(QLatin1Char('\n'));
}

// Kind, message, module and code address, and the source line, of a failure raised at `site`.
QString describeFailure(const Failure &failure, void *site, const backward::ResolvedTrace &thrower)
{
    QStringList text;
    FailurePlatform::Module module;
    if (site && FailurePlatform::moduleOf(static_cast<char *>(site) - 1, module)) {
        const quintptr offset = quintptr(site) - 1 - module.base;
        // dladdr() names the executable as it was started, perhaps by a relative path.
        QString moduleName = QFile::decodeName(thrower.object_filename.c_str());
        if (moduleName.isEmpty())
            moduleName = QFile::decodeName(module.fileName);
        text += QCoreApplication::translate("ErrorLogger", "Exception %1 in module %2 at %3.")
                    .arg(failure.kind, moduleName, hex(offset));
    } else {
        text += QCoreApplication::translate("ErrorLogger", "Exception %1.").arg(failure.kind);
    }
    if (!failure.message.isEmpty())
        text += failure.message;
    if (!thrower.source.filename.empty())
        text += QCoreApplication::translate("ErrorLogger", "Source: %1, line %2")
                    .arg(QString::fromStdString(thrower.source.filename))
                    .arg(thrower.source.line);
    return text.join(QLatin1Char('\n'));
}

std::filesystem::path absolutePath(const std::filesystem::path &path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute;
}

// Appends the whole text or, as far as the file can be cut back, nothing: on a full disk the
// report used to stop mid-line while the dialog still pointed to it.
bool appendWhole(const std::filesystem::path &path, const QByteArray &text)
{
    std::error_code error;
    const std::filesystem::file_status before = std::filesystem::status(path, error);
    const bool existed = std::filesystem::exists(before);
    const bool regular = std::filesystem::is_regular_file(before);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;

    std::ofstream file(path, std::ios::out | std::ios::app);
    if (!file.is_open())
        return false;
    file.write(text.constData(), std::streamsize(text.size()));
    file.flush();
    file.close();
    if (file)
        return true;
    // Never a device or anything else that was there before: only our own text is taken back.
    if (regular)
        std::filesystem::resize_file(path, size, error);
    else if (!existed && std::filesystem::is_regular_file(path, error))
        std::filesystem::remove(path, error);
    return false;
}

} // namespace

ErrorLogger::ErrorLogger() : m_reserve(FailurePlatform::reserveMemory(ReserveBytes))
{
    prepareThrowCapture();
}

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

void ErrorLogger::setLogFile(const QString &path)
{
    setLogFile(TextCodec::toPath(path));
}

std::filesystem::path ErrorLogger::logFile() const
{
    // Relative to the program, not to the working directory, which a file dialog may change.
    const std::filesystem::path name = m_logFile.empty() ? "Error.Log" : m_logFile;
    if (name.is_absolute())
        return name;
    std::filesystem::path directory = Numra::ProgramDirectory();
    if (directory.empty())
        directory = TextCodec::toPath(QCoreApplication::applicationFilePath()).parent_path();
    return directory / name;
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
    // The failure may be that memory ran out: the report lives on the reserve, and one made
    // meanwhile, from a handler under the dialog, finds it given back already.
    FailurePlatform::releaseMemory(m_reserve.exchange(nullptr), ReserveBytes);
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
    void *reserve = FailurePlatform::reserveMemory(ReserveBytes);
    void *none = nullptr;
    if (!m_reserve.compare_exchange_strong(none, reserve))
        FailurePlatform::releaseMemory(reserve, ReserveBytes);
}

ErrorReport ErrorLogger::buildReport(std::exception_ptr failure)
{
    const Failure what = identify(failure);
    ErrorReport report;
    if (isLastThrow(what)) {
        // A copy, as resolving the frames may throw (and catch) in turn.
        const ThrowCapture capture = lastThrow();
        backward::ResolvedTrace thrower;
        report.callStack = describeCallStack(capture.stack, &thrower);
        report.text = describeFailure(what, capture.site, thrower);
        report.registers = describeRegisters(capture.context);
    } else {
        // Not raised by a C++ throw on this thread: the chain from here is the best there is.
        backward::StackTrace here;
        here.load_here(FailurePlatform::MaxFrames);
        report.callStack = describeCallStack(here, nullptr);
        report.text = describeFailure(what, nullptr, {});
    }
    if (report.registers.isEmpty())
        report.registers = QCoreApplication::translate("ErrorLogger", "Registers not available.");
    return report;
}

// Opens the log for each report and closes it again, so the file is complete while the user
// reads the dialog. An installed copy cannot write beside the executable, nor can a full disk
// take the report: then it goes to the fallback directory, and the closing lines are told where
// it went, or that it went nowhere.
void ErrorLogger::writeReport(ErrorReport &report)
{
    const std::array<std::filesystem::path, 2> files = reportFiles();
    for (const std::filesystem::path &path : files) {
        if (path.empty())
            continue;
        std::error_code error;
        if (path == files[1])
            std::filesystem::create_directories(path.parent_path(), error);
        addExtraLines(report.extraLines, TextCodec::fromPath(path.parent_path()));
        if (appendWhole(path, entryText(report))) {
            report.logPath = TextCodec::fromPath(path);
            return;
        }
    }
    addExtraLines(report.extraLines, QString());
}

std::array<std::filesystem::path, 2> ErrorLogger::reportFiles() const
{
    const std::filesystem::path primary = absolutePath(logFile());
    const QString directory = fallbackDirectory();
    if (directory.isEmpty())
        return {primary, {}};
    const std::filesystem::path fallback =
        absolutePath(TextCodec::toPath(directory) / primary.filename());
    return {primary, fallback == primary ? std::filesystem::path() : fallback};
}

void ErrorLogger::addExtraLines(QStringList &lines, const QString &logDirectory)
{
    if (!m_extraPageEnabled || !m_extraLinesCallback)
        return;
    m_currentLogDirectory = logDirectory;
    lines.clear();
    m_extraLinesCallback(lines);
    m_currentLogDirectory.clear();
}

QByteArray ErrorLogger::entryText(const ErrorReport &report)
{
    const QString now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QStringList entry{QStringLiteral("==================== %1 ====================").arg(now),
                      report.text,
                      QString(),
                      QCoreApplication::translate("ErrorLogger", "Call Stack:"),
                      report.callStack,
                      QString(),
                      QCoreApplication::translate("ErrorLogger", "Registers:"),
                      report.registers};
    if (!report.extraLines.isEmpty()) {
        entry += QString();
        entry += report.extraLines;
    }
    entry += QString();
    return entry.join(QLatin1Char('\n')).toUtf8();
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
        dialog.addExtraPage(m_extraPageTitle.isEmpty()
                                ? QCoreApplication::translate("ErrorLogger", "Additional")
                                : m_extraPageTitle);
    dialog.setDetailsShown(m_showDetails);
    Platform::execModal(&dialog);
}

void ErrorLogger::prepareCrashReport()
{
    const std::array<std::filesystem::path, 2> files = reportFiles();
    CrashWriter::Target targets[2] = {{files[0], {}}, {files[1], {}}};
    for (CrashWriter::Target &target : targets) {
        if (target.path.empty())
            continue;
        QStringList lines;
        addExtraLines(lines, TextCodec::fromPath(target.path.parent_path()));
        if (!lines.isEmpty())
            target.closingLines = (QLatin1Char('\n') + lines.join(QLatin1Char('\n'))).toStdString();
    }
    CrashWriter::prepare(targets[0], targets[1], QDateTime::currentDateTime().offsetFromUtc());
}

void ErrorLogger::installCrashHandler()
{
    prepareCrashReport();
    CrashWriter::install();
}
