#include "app/NumraWindows.h"

#include "platform/HelpViewer.h"
#include "toolkit/TextCodec.h"
#include "toolkit/Translations.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Numra"));
    QApplication::setOrganizationName(QStringLiteral("Numra"));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.numra.numra"));
    Platform::setApplicationHelpFile(TextCodec::dataFilePath(QStringLiteral("Numra.hlp")));
}

QString SetUpLanguage(QCoreApplication &app, const QString &requested)
{
    const QString language =
        Translations::choose(requested, QLocale::system().uiLanguages(), Translations::available());
    if (language.isEmpty() || !Translations::install(app, language))
        return {};
    // Its untranslated topics say so at their top, in the same language.
    const QString help = TextCodec::dataFilePath(QStringLiteral("Numra.%1.hlp").arg(language));
    if (QFile::exists(help))
        Platform::setApplicationHelpFile(help);
    return language;
}

NumraWindows::NumraWindows(const QString &dictionary)
    : MainForm(std::make_unique<TMainForm>(state, window, dictionary))
{}

NumraWindows::~NumraWindows() = default;
