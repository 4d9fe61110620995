#include "app/NumraWindows.h"

#include "app/Main.h"
#include "platform/Desktop.h"
#include "platform/HelpViewer.h"
#include "ui/AboutNumra.h"
#include "ui/AffixUnit.h"
#include "ui/ExceptionUnit.h"
#include "ui/LookUp.h"
#include "ui/Notify.h"
#include "ui/Suggest.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Numra"));
    QApplication::setOrganizationName(QStringLiteral("Numra"));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.numra.numra"));
    Platform::setApplicationHelpFile(Platform::dataFilePath(QStringLiteral("Numra.hlp")));
}

NumraWindows::NumraWindows(const QString &dictionary)
{
    MainForm = std::make_unique<TMainForm>(state, dictionary);
    LookupForm = std::make_unique<TLookupForm>(state, MainForm->DictionaryFile(),
                                               MainForm->dictionaryPathRef(), MainForm.get());
    AboutForm = std::make_unique<TAboutForm>(state, MainForm.get());
    AffixForm = std::make_unique<TAffixForm>(MainForm.get());
    ExceptionForm = std::make_unique<TExceptionForm>(MainForm.get());
    NotifyForm = std::make_unique<TNotifyForm>(MainForm.get());
    MainForm->setSecondaryWindows(LookupForm.get(), AboutForm.get(), AffixForm.get(),
                                  NotifyForm.get());
    SuggestForm = std::make_unique<TSuggestForm>(state, MainForm->DictionaryFile(),
                                                 MainForm->dictionaryPathRef(), MainForm.get());
    MainForm->setSuggestForm(SuggestForm.get());
}

// The secondary windows are the main window's children; they go first.
NumraWindows::~NumraWindows()
{
    SuggestForm.reset();
    NotifyForm.reset();
    ExceptionForm.reset();
    AffixForm.reset();
    AboutForm.reset();
    LookupForm.reset();
    MainForm.reset();
}
