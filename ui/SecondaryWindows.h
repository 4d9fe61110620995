#pragma once

#include <QObject>

#include <functional>

class QWidget;
class TAboutForm;
class TAffixForm;
class TExceptionForm;
class TLookupForm;
class TNotifyForm;
class TRankForm;
class TSuggestForm;
namespace Numra {
class DictionaryFile;
}
namespace Platform {
class SettingsStore;
}

// The main window's secondary windows, made as its children in the program's fixed order, each
// reading its own settings as it is made.
struct SecondaryWindows
{
    // userActed runs for whatever the user does in a window that has no other answer.
    SecondaryWindows(QWidget *mainWindow, Numra::DictionaryFile &dictionary,
                     const std::function<void()> &userActed);
    // They read the main window's dictionary: they go before it.
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows &) = delete;
    SecondaryWindows &operator=(const SecondaryWindows &) = delete;

    void SaveSettings(Platform::SettingsStore &store) const;

    TLookupForm *lookup;
    TAboutForm *about;
    TAffixForm *affix;
    TExceptionForm *exception;
    TNotifyForm *notify;
    TSuggestForm *suggest;
    TRankForm *rank;
};
