#pragma once

#include <QString>
#include <QStringList>

// Ends every error report with the request to mail the log, and where the log lies.
void ReportClosingLines(QStringList &lines, const QString &logDirectory);
