#include "platform/Cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace Platform {

HourglassCursor::HourglassCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

HourglassCursor::~HourglassCursor()
{
    restore();
}

void HourglassCursor::restore()
{
    if (m_active) {
        m_active = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

} // namespace Platform
