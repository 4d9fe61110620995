#include "ui/ReportClosing.h"

#include "toolkit/ErrorLogger.h"
#include "toolkit/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

void ReportClosingLines(QStringList &lines, const QString &logDirectory)
{
    const QString address = QStringLiteral(NUMRA_SUPPORT_EMAIL);
    lines << QString() << QString();
    if (logDirectory.isEmpty()) {
        // No log could be written: naming a file would send the user looking for nothing.
        lines << QCoreApplication::translate("ReportClosing",
                                             "The error log could not be written anywhere.")
              << QCoreApplication::translate("ReportClosing",
                                             "Please copy this report and email it to %1")
                     .arg(address);
    } else {
        lines << QCoreApplication::translate("ReportClosing",
                                             "Please email the NumraError.Log to %1")
                     .arg(address);
        // When the program's directory cannot take the log it goes elsewhere; then say where.
        if (QDir(logDirectory) == QDir(TextCodec::programDirectory()))
            lines << QCoreApplication::translate(
                "ReportClosing", "The log can be found in the same directory as Numra.exe");
        else
            lines << QCoreApplication::translate("ReportClosing", "The log can be found in %1")
                         .arg(QDir::toNativeSeparators(logDirectory));
    }
    lines << QString() << QCoreApplication::translate("ReportClosing", "Thank You");
}

void SetUpErrorReports()
{
    ErrorLogger &logger = ErrorLogger::instance();
    logger.setIcon(QMessageBox::Critical);
    // By its name alone: the logger puts it beside the program, whatever the folder is called.
    logger.setLogFile(QStringLiteral("Numra Error.Log"));
    logger.setShowDetails(true);
    logger.setExtraLinesCallback([](QStringList &lines) {
        ReportClosingLines(lines, ErrorLogger::instance().currentLogDirectory());
    });
    logger.setExtraPageTitle(QCoreApplication::translate("ReportClosing", "How To Report Error"));
    logger.setExtraPageEnabled(true);
}
