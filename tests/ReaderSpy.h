#pragma once

// Listens as a screen reader does: accessibility on (the offscreen platform has it off, and then
// Qt's widgets tell nothing), each focus event noted with the widget that had the focus then.

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

class ReaderSpy
{
public:
    struct Focus
    {
        QAccessible::Id id;
        QPointer<QWidget> focusing;
        QString name;
    };

    ReaderSpy()
    {
        s_spy = this;
        setActive(true);
        m_previous = QAccessible::installUpdateHandler(heard);
    }
    ~ReaderSpy()
    {
        QAccessible::installUpdateHandler(m_previous);
        setActive(false);
        s_spy = nullptr;
    }

    QList<Focus> focus;

    // Each focus event must name a live object that had the focus as it was told: the focused
    // widget itself or one of its cells.
    QStringList wrongFocus() const
    {
        QStringList faults;
        for (const Focus &heard : focus) {
            QAccessibleInterface *named = QAccessible::accessibleInterface(heard.id);
            const QObject *owner = !named || !named->isValid() ? nullptr
                                   : named->object()           ? named->object()
                                                               : named->parent()->object();
            if (!owner || owner != heard.focusing)
                faults += heard.name + (owner ? " of " + owner->objectName() : " (gone)");
        }
        return faults;
    }

private:
    static void setActive(bool on)
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    }

    static void heard(QAccessibleEvent *event)
    {
        QAccessibleInterface *named = event->accessibleInterface();
        if (s_spy && event->type() == QAccessible::Focus && named)
            s_spy->focus.append({QAccessible::uniqueId(named), QApplication::focusWidget(),
                                 named->text(QAccessible::Name)});
    }

    static inline ReaderSpy *s_spy = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
};
