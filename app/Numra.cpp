// The entry unit: the application, its six windows, and the message loop.

#include "ErrorLogger.h"
#include "Main.h"
#include "NumraApplication.h"
#include "Windows.h"

#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    NumraApplication app(argc, argv);
    SetUpApplication();
    QCommandLineParser options;
    options.setApplicationDescription(QCoreApplication::translate(
        "main", "Finds the words that spell a telephone number on a keypad."));
    options.addHelpOption();
    const QCommandLineOption dictionary(
        QStringLiteral("dictionary"),
        QCoreApplication::translate("main", "Use FILE as the dictionary, as File > Open would."),
        QStringLiteral("FILE"));
    options.addOption(dictionary);
    options.process(app);
    NumraWindows windows(options.value(dictionary));
    // After the main window has set the log file, so that a crash report lands beside it.
    ErrorLogger::instance().installCrashHandler();
    windows.MainForm->show();
    return app.exec();
}
