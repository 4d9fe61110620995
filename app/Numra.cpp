// The entry unit: the application, its six windows, and the message loop.

#include "ErrorLogger.h"
#include "Main.h"
#include "NumraApplication.h"
#include "Windows.h"

int main(int argc, char *argv[])
{
    NumraApplication app(argc, argv);
    SetUpApplication();
    NumraWindows windows;
    // After the main window has set the log file, so that a crash report lands beside it.
    ErrorLogger::instance().installCrashHandler();
    windows.MainForm->show();
    return app.exec();
}
