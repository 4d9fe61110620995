#pragma once

#include <QMessageBox>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QStyle>

#include <array>
#include <atomic>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>

// One report, in the pieces the dialog shows.
struct ErrorReport
{
    QString text;      // kind, message, module and code address, source file and line
    QString callStack; // from where the failure was raised
    QString registers; // at the point where it was raised
    QStringList extraLines;
    QString logPath; // the file the report was appended to whole; empty when none took it
};

// The program's last resort for failures no handler expected: appends a report to the log
// file and shows it. The program configures it once at start; NumraApplication::notify()
// hands it what an event handler threw.
class ErrorLogger
{
public:
    using ExtraLinesCallback = std::function<void(QStringList &lines)>;
    using DialogHandler = std::function<void(const ErrorReport &report)>;

    static ErrorLogger &instance();

    void setIcon(QMessageBox::Icon icon);
    void setIcon(QStyle::StandardPixmap icon) { m_icon = icon; }
    // A relative path lies in the directory of the executable, whatever the working directory.
    // Default: "Error.Log" there.
    void setLogFile(const QString &path);
    void setLogFile(const std::filesystem::path &path) { m_logFile = path; }
    std::filesystem::path logFile() const;
    // Where the report goes when it cannot be written whole at the log file, under the log
    // file's own name. Default: the per-user data directory.
    void setFallbackDirectory(const QString &directory) { m_fallbackDirectory = directory; }
    QString fallbackDirectory() const;
    void setShowDetails(bool show) { m_showDetails = show; }
    // Called for every report, with an emptied list, while the extra page is enabled.
    void setExtraLinesCallback(ExtraLinesCallback callback)
    {
        m_extraLinesCallback = std::move(callback);
    }
    void setExtraPageTitle(const QString &title) { m_extraPageTitle = title; }
    void setExtraPageEnabled(bool enabled) { m_extraPageEnabled = enabled; }
    // Replaces the modal report dialog, for tests; an empty handler restores it.
    void setDialogHandler(DialogHandler handler) { m_dialogHandler = std::move(handler); }

    // While the extra-lines callback runs: the directory the report is being written to,
    // or an empty string when it could not be written anywhere. Not locked, as the callback
    // asks while report() holds the lock.
    QString currentLogDirectory() const { return m_currentLogDirectory; }

    void report(std::exception_ptr failure);
    // Reports the exception being handled; call it from a catch block.
    void reportCurrentException();

    // Appends a short report to the log file when the program crashes (SIGSEGV, SIGABRT,
    // SIGFPE, SIGILL, SIGBUS), then lets the signal end the program as it would have. Call it
    // once the logger is configured: the log file and the extra lines are prepared then.
    void installCrashHandler();

private:
    ErrorLogger();
    ErrorLogger(const ErrorLogger &) = delete;
    ErrorLogger &operator=(const ErrorLogger &) = delete;

    ErrorReport buildReport(std::exception_ptr failure);
    void writeReport(ErrorReport &report);
    // Where a report goes: the log file, then the fallback, which is empty when there is none
    // or it would be the log file itself.
    std::array<std::filesystem::path, 2> reportFiles() const;
    // Empties the lines and calls the extra-lines callback, telling it where the log goes.
    void addExtraLines(QStringList &lines, const QString &logDirectory);
    static QByteArray entryText(const ErrorReport &report);
    void showReport(const ErrorReport &report) const;
    void prepareCrashReport();

    QMutex m_mutex;
    QStyle::StandardPixmap m_icon = QStyle::SP_MessageBoxWarning;
    std::filesystem::path m_logFile;
    std::optional<QString> m_fallbackDirectory;
    bool m_showDetails = false;
    ExtraLinesCallback m_extraLinesCallback;
    QString m_extraPageTitle; // empty: "Additional"
    bool m_extraPageEnabled = false;
    DialogHandler m_dialogHandler;
    QString m_currentLogDirectory;
    // Given back while a report is made, so that a failure for want of memory is reported too.
    std::atomic<void *> m_reserve;
};
