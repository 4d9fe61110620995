#pragma once

#include <QString>
#include <QStringList>

// Ends every error report with the request to mail the log and where the log lies, or, when
// no log could be written (an empty directory), with the request to mail the report itself.
void ReportClosingLines(QStringList &lines, const QString &logDirectory);

// The program's error reports: the log beside the program, the details shown, and these lines
// on a page of their own.
void SetUpErrorReports();
