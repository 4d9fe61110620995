#pragma once

#include "app/Main.h"
#include "core/NumraGlobal.h"

#include <QString>

class QCoreApplication;

#include <memory>

// The application's name and help file. No display name is set: the window system would add it
// to every caption.
void SetUpApplication();

// The windows' language: the one requested, else the system's (Translations::choose), with its
// help file where it has one. Returns the language shown, empty for English.
QString SetUpLanguage(QCoreApplication &app, const QString &requested);

// The program's windows around one shared state: the main window, which creates the others as
// its children in their fixed order.
struct NumraWindows
{
    // A dictionary given here takes the place of the remembered one.
    explicit NumraWindows(const QString &dictionary = {});
    ~NumraWindows();

    Numra::NumraState state;
    WindowState window;
    std::unique_ptr<TMainForm> MainForm;

    TLookupForm *LookupForm() const { return MainForm->lookupForm(); }
    TAffixForm *AffixForm() const { return MainForm->affixForm(); }
    TSuggestForm *SuggestForm() const { return MainForm->suggestForm(); }
};
