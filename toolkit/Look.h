#pragma once

#include <QFont>
#include <QIcon>
#include <QStyle>

class QWidget;

// The few look-and-feel helpers every window uses.
namespace Look {

// The font at a size in pixels, as the window layouts give their sizes.
QFont withPixelSize(QFont font, int pixels, bool bold = false);

// A picture of ours, or the style's standard one where ours is missing.
QIcon pictureOr(const QString &resource, QStyle::StandardPixmap fallback, const QWidget *widget);

// A window restored onto a monitor that is gone, or larger than the screen, comes back onto
// the primary screen.
void keepOnScreen(QWidget *window);

} // namespace Look
