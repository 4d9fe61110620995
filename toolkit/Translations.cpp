#include "toolkit/Translations.h"

#include "platform/HelpViewer.h"
#include "toolkit/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString Resources = QStringLiteral(":/translations");

QString &installed()
{
    static QString language;
    return language;
}

// "de-DE", "de_DE" and "DE" are all German.
QString languageOf(const QString &code)
{
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

namespace Translations {

QStringList available()
{
    QStringList languages;
    const QStringList files =
        QDir(Resources).entryList({QStringLiteral("numra_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages += file.mid(6, file.size() - 9);
    return languages;
}

QString choose(const QString &requested, const QStringList &userLanguages,
               const QStringList &available)
{
    if (!requested.isEmpty()) {
        const QString language = languageOf(requested);
        return available.contains(language) ? language : QString();
    }
    for (const QString &code : userLanguages) {
        const QString language = languageOf(code);
        // The C locale and English both read the program's own texts.
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return {};
        if (available.contains(language))
            return language;
    }
    return {};
}

bool install(QCoreApplication &app, const QString &language)
{
    // What an earlier call installed goes: the texts are then English again.
    for (QTranslator *translator : app.findChildren<QTranslator *>(
             QStringLiteral("numra translation"), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
    if (language.isEmpty())
        return true;
    const auto load = [&app](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(&app);
        translator->setObjectName(QStringLiteral("numra translation"));
        if (translator->load(name, folder))
            return QCoreApplication::installTranslator(translator);
        delete translator;
        return false;
    };
    if (!load(QStringLiteral("numra_") + language, Resources))
        return false;
    installed() = language;
    // Qt's own texts (the buttons of its message boxes and file dialog) where it ships them; a
    // language it has none for keeps them in English.
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString current()
{
    return installed();
}

QString setUp(QCoreApplication &app, const QString &requested)
{
    const QString language = choose(requested, QLocale::system().uiLanguages(), available());
    if (language.isEmpty() || !install(app, language))
        return {};
    // Its untranslated topics say so at their top, in the same language.
    const QString help = TextCodec::dataFilePath(QStringLiteral("Numra.%1.hlp").arg(language));
    if (QFile::exists(help))
        Platform::setApplicationHelpFile(help);
    return language;
}

} // namespace Translations
