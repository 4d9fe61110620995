#include "ui/SecondaryWindows.h"

#include "ui/AboutNumra.h"
#include "ui/AffixUnit.h"
#include "ui/ExceptionUnit.h"
#include "ui/LookUp.h"
#include "ui/Notify.h"
#include "ui/RankNumbers.h"
#include "ui/Suggest.h"

SecondaryWindows::SecondaryWindows(QWidget *mainWindow, Numra::DictionaryFile &dictionary,
                                   const std::function<void()> &userActed)
    : lookup(new TLookupForm(dictionary, mainWindow)), about(new TAboutForm(mainWindow)),
      affix(new TAffixForm(mainWindow)), exception(new TExceptionForm(mainWindow)),
      notify(new TNotifyForm(mainWindow)), suggest(new TSuggestForm(dictionary, mainWindow)),
      rank(new TRankForm(mainWindow))
{
    QObject::connect(lookup, &TLookupForm::userActed, mainWindow, userActed);
    QObject::connect(about, &TAboutForm::userActed, mainWindow, userActed);
    QObject::connect(suggest, &TSuggestForm::userActed, mainWindow, userActed);
    QObject::connect(rank, &TRankForm::userActed, mainWindow, userActed);
}

SecondaryWindows::~SecondaryWindows()
{
    for (QDialog *window :
         std::initializer_list<QDialog *>{rank, suggest, notify, exception, affix, about, lookup})
        delete window;
}

void SecondaryWindows::SaveSettings(Platform::SettingsStore &store) const
{
    lookup->SaveSettings(store);
    affix->SaveSettings(store);
    suggest->SaveSettings(store);
    rank->SaveSettings(store);
}
