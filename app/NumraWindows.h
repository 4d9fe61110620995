#pragma once

#include "core/NumraGlobal.h"

#include <QString>

#include <memory>

class TAboutForm;
class TAffixForm;
class TExceptionForm;
class TLookupForm;
class TMainForm;
class TNotifyForm;
class TSuggestForm;

// The application's name and help file. No display name is set: the window system would add it
// to every caption.
void SetUpApplication();

// The program's windows, created once in their fixed order around one shared state: the six,
// then the phrase suggestions.
struct NumraWindows
{
    // A dictionary given here takes the place of the remembered one.
    explicit NumraWindows(const QString &dictionary = {});
    ~NumraWindows();

    Numra::NumraState state;
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TLookupForm> LookupForm;
    std::unique_ptr<TAboutForm> AboutForm;
    std::unique_ptr<TAffixForm> AffixForm;
    std::unique_ptr<TExceptionForm> ExceptionForm;
    std::unique_ptr<TNotifyForm> NotifyForm;
    std::unique_ptr<TSuggestForm> SuggestForm;
};
