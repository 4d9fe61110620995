#include "toolkit/DictionaryWarning.h"

#include "platform/Dialogs.h"
#include "toolkit/TextCodec.h"

#include <QCoreApplication>

void showDictionaryWarning(QWidget *parent, Numra::DictionaryError error,
                           std::string_view pathBytes, const char *handler)
{
    const QString path = TextCodec::fromPathBytes(pathBytes);
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
