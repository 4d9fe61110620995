#include "ErrorLogger.h"

#include "CrashWriter.h"
#include "ErrorDialog.h"
#include "ThrowCapture.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ErrorLogger", text);
}

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
    result.kind = result.type ? demangled(result.type->name()) : tr("unknown exception");
    return result;
}

bool isLastThrow(const Failure &failure)
{
    const ThrowCapture &capture = lastThrow();
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
    FailurePlatform::Module module;
    if (site && FailurePlatform::moduleOf(static_cast<char *>(site) - 1, module)) {
        const quintptr offset = quintptr(site) - 1 - module.base;
        // dladdr() names the executable as it was started, perhaps by a relative path.
        QString moduleName = QString::fromStdString(thrower.object_filename);
        if (moduleName.isEmpty())
            moduleName = QString::fromLocal8Bit(module.fileName);
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

void ErrorLogger::prepareCrashReport()
{
    const QString primary = logFile();
    const QString fallback = fallbackDirectory();
    const QString directories[] = {QFileInfo(primary).absolutePath(), fallback};
    const QString paths[] = {primary, fallback.isEmpty()
                                          ? QString()
                                          : QDir(fallback).filePath(QFileInfo(primary).fileName())};
    CrashWriter::Target targets[2];
    for (int i = 0; i < 2; ++i) {
        CrashWriter::Target &target = targets[i];
        target.path = QFile::encodeName(paths[i]).toStdString();
        target.directory = QFile::encodeName(directories[i]).toStdString();
        if (m_extraPageEnabled && m_extraLinesCallback && !paths[i].isEmpty()) {
            QStringList lines;
            m_currentLogDirectory = directories[i];
            m_extraLinesCallback(lines);
            m_currentLogDirectory.clear();
            target.closingLines = (QLatin1Char('\n') + lines.join(QLatin1Char('\n'))).toStdString();
        }
    }
    CrashWriter::prepare(targets[0], targets[1], QDateTime::currentDateTime().offsetFromUtc());
}

void ErrorLogger::installCrashHandler()
{
    prepareCrashReport();
    CrashWriter::install();
}
