#include "ui/DictionaryWarning.h"

#include "platform/Dialogs.h"
#include "toolkit/TextCodec.h"

#include "core/StatusText.h"

#include <QCoreApplication>
#include <QLocale>

QString dictionaryName(const Numra::DictionaryFile &dictionary)
{
    if (dictionary.Path().empty())
        return QCoreApplication::translate("DictionaryWarning", NoDictionaryOpen);
    return TextCodec::fromPathBytes(dictionary.Path());
}

void showDictionaryWarning(QWidget *parent, Numra::DictionaryError error,
                           const Numra::DictionaryFile &dictionary, const char *handler)
{
    const QString path = dictionaryName(dictionary);
    switch (error) {
    case Numra::DictionaryError::None:
        return;
    case Numra::DictionaryError::CouldNotOpen:
        Platform::showWarning(
            parent, QCoreApplication::translate("DictionaryWarning", "Can Not Open %1 in %2")
                        .arg(path, QLatin1String(handler)));
        return;
    case Numra::DictionaryError::ReadError:
        Platform::showWarning(
            parent, QCoreApplication::translate("DictionaryWarning", "Error Reading Dictionary %1")
                        .arg(path));
        return;
    }
}

QString secondsText(double seconds)
{
    return QString::fromStdString(
        Numra::FormatSeconds(seconds, QLocale().decimalPoint().toStdString()));
}

QString conversionStatusText(std::int64_t matches, std::int64_t examined, double seconds)
{
    return QCoreApplication::translate("DictionaryWarning",
                                       " %1 Matches out of %2 words in %3 secs")
        .arg(QString::number(matches), QString::number(examined), secondsText(seconds));
}
