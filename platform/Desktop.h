#pragma once

#include <QString>

class QUrl;

namespace Platform {

// Replaces the whole clipboard with plain text.
void setClipboardText(const QString &text);
QString clipboardText();

// Hands a mailto: or web address to the desktop; a failure shows nothing. Tests catch the
// address with QDesktopServices::setUrlHandler.
void openUrl(const QUrl &url);

} // namespace Platform
