#include "ReportClosing.h"

#include "Desktop.h"

#include <QCoreApplication>
#include <QDir>

void ReportClosingLines(QStringList &lines, const QString &logDirectory)
{
    lines << QString() << QString()
          << QCoreApplication::translate("ReportClosing", "Please email the NumraError.Log to %1")
                 .arg(QStringLiteral(NUMRA_SUPPORT_EMAIL));
    // When the program's directory cannot take the log it goes elsewhere; then say where.
    // An empty directory means no log could be written at all; the usual line stays.
    if (logDirectory.isEmpty() || QDir(logDirectory) == QDir(Platform::programDirectory()))
        lines << QCoreApplication::translate(
            "ReportClosing", "The log can be found in the same directory as Numra.exe");
    else
        lines << QCoreApplication::translate("ReportClosing", "The log can be found in %1")
                     .arg(QDir::toNativeSeparators(logDirectory));
    lines << QString() << QCoreApplication::translate("ReportClosing", "Thank You");
}
