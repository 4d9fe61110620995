// The entry unit: the application, its six windows, and the message loop.

#include "app/Main.h"
#include "app/NumraWindows.h"
#include "toolkit/ErrorLogger.h"
#include "toolkit/NumraApplication.h"
#include "toolkit/Translations.h"

#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Numra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMRA_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(QCoreApplication::translate(
        "main", "Finds the words that spell a telephone number on a keypad."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    const QCommandLineOption dictionary(
        QStringLiteral("dictionary"),
        QCoreApplication::translate("main", "Use FILE as the dictionary, as File > Open would."),
        QStringLiteral("FILE"));
    options.addOption(dictionary);
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("main",
                                    "Show the windows in the language CODE (de, fr ...) instead of "
                                    "the system's; en for English."),
        QStringLiteral("CODE"));
    options.addOption(language);

    // Answered before the window system is asked for: they need no display. What else is
    // wrong with the arguments (the window system's own among them) is told once it is there.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    options.parse(arguments);
    if (options.isSet(help) || options.isSet(version)) {
        const QCoreApplication answering(argc, argv);
        if (options.isSet(help))
            options.showHelp();
        options.showVersion();
    }

    NumraApplication app(argc, argv);
    SetUpApplication();
    options.process(app);
    const QString requested = options.value(language);
    if (Translations::setUp(app, requested).isEmpty() && !requested.isEmpty() &&
        !requested.startsWith(QLatin1String("en"), Qt::CaseInsensitive))
        std::fprintf(stderr, "Numra: no translation into %s; the windows stay in English\n",
                     qPrintable(requested));
    NumraWindows windows(options.value(dictionary));
    // After the main window has set the log file, so that a crash report lands beside it.
    ErrorLogger::instance().installCrashHandler();
    windows.MainForm->show();
    return app.exec();
}
