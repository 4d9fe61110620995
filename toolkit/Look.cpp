#include "toolkit/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

class DefaultButton : public QObject
{
public:
    DefaultButton(QWidget *window, QPushButton *button) : QObject(window), m_button(button) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_button)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
        QPushButton *clicked = focused ? focused : m_button.data();
        if (!clicked->isEnabled())
            return false;
        clicked->click();
        return true;
    }

private:
    QPointer<QPushButton> m_button;
};

} // namespace

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

void setElidedText(QLabel *label, const QString &text)
{
    const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    label->setAccessibleName(text);
}

void keepOnScreen(QWidget *window)
{
    // The screen that holds most of the window, so that a window saved on a large second
    // monitor keeps its size there.
    const QRect frame(window->pos(), window->size());
    const QScreen *home = nullptr;
    qint64 largest = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(frame);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > largest) {
            largest = area;
            home = screen;
        }
    }
    const bool lost = home == nullptr;
    if (lost)
        home = QGuiApplication::primaryScreen();
    if (!home)
        return;
    const QRect available = home->availableGeometry();
    window->resize(std::min(window->width(), available.width()),
                   std::min(window->height(), available.height()));
    if (lost)
        window->move(available.topLeft());
}

bool entersByUser(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

void tabOnlyToChecked(const QList<QAbstractButton *> &group)
{
    for (QAbstractButton *button : group) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

int pushButtonContentWidth(const QAbstractButton *button)
{
    int width = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
                2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return width;
}

void dropPictureIfCrowded(QAbstractButton *button)
{
    if (!button->icon().isNull() && pushButtonContentWidth(button) > button->width())
        button->setIcon(QIcon());
}

void setDefaultButton(QWidget *window, QPushButton *button)
{
    window->installEventFilter(new DefaultButton(window, button));
}

} // namespace Look
