#include "Look.h"

#include <QFile>
#include <QWidget>

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

} // namespace Look
