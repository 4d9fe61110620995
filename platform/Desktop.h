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

// The directory of the program's own executable.
QString programDirectory();

// Where a data file that ships with the program lies: beside the executable in the build tree,
// or in ../share/numra beside it once installed. Falls back to the first place.
QString dataFilePath(const QString &fileName);

} // namespace Platform
