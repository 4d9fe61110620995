#include "Look.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace Look {

QFont withPixelSize(QFont font, int pixels, bool bold)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QIcon pictureOr(const QString &resource, QStyle::StandardPixmap fallback, const QWidget *widget)
{
    return QFile::exists(resource) ? QIcon(resource) : widget->style()->standardIcon(fallback);
}

void keepOnScreen(QWidget *window)
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect available = primary->availableGeometry();
    window->resize(std::min(window->width(), available.width()),
                   std::min(window->height(), available.height()));
    const QRect frame(window->pos(), window->size());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            return;
    }
    window->move(available.topLeft());
}

} // namespace Look
