#include "platform/Desktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace Platform {

void setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString programDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString dataFilePath(const QString &fileName)
{
    const QDir program(programDirectory());
    const QString beside = program.filePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral("../share/numra/") + fileName));
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

} // namespace Platform
