#pragma once

#include "app/Main.h"
#include "core/NumraGlobal.h"

#include <QString>

#include <memory>

// The application's name and help file. No display name is set: the window system would add it
// to every caption.
void SetUpApplication();

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
