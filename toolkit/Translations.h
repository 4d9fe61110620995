#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The interface's languages besides English, whose texts are the program's own.
namespace Translations {

// The languages the program has translations for ("de", "fr" ...).
QStringList available();

// The language to show: requested when it is given (a code such as "de" or "de_DE"), else the
// first of the user's languages (QLocale::uiLanguages, best first) that is English or one of
// available; empty for English, also when the request is for a language there is none of.
QString choose(const QString &requested, const QStringList &userLanguages,
               const QStringList &available);

// Installs the program's translation into language and Qt's own for its dialogs, in place of
// what an earlier call installed; English (empty) removes them. False when the program's
// translation could not be loaded.
bool install(QCoreApplication &app, const QString &language);

// The language install() put in place, empty for English.
QString current();

// The windows' language: the one requested, else the user's (choose), with its help file where
// it has one. Returns the language shown, empty for English.
QString setUp(QCoreApplication &app, const QString &requested);

} // namespace Translations
