// The entry unit: the application, its six windows, and the message loop.

#include "Desktop.h"
#include "ErrorLogger.h"
#include "HelpViewer.h"
#include "Main.h"
#include "NumraApplication.h"
#include "Windows.h"

int main(int argc, char *argv[])
{
    NumraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numra"));
    QApplication::setOrganizationName(QStringLiteral("Numra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Numra"));
    Platform::setApplicationHelpFile(Platform::dataFilePath(QStringLiteral("Numra.hlp")));
    NumraWindows windows;
    // After the main window has set the log file, so that a crash report lands beside it.
    ErrorLogger::instance().installCrashHandler();
    windows.MainForm->show();
    return app.exec();
}
