#include "platform/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace Platform {

namespace {

const char *const HelpContextProperty = "numraHelpContext";

HelpHandler &helpHandler()
{
    static HelpHandler handler;
    return handler;
}

QString &helpFileName()
{
    static QString name = QStringLiteral("Numra.hlp");
    return name;
}

QString anchorFor(int context)
{
    return context == 0 ? QStringLiteral("contents") : QStringLiteral("help%1").arg(context);
}

// One help window for the whole program, like the system's help viewer.
class HelpWindow : public QDialog
{
public:
    HelpWindow()
    {
        setWindowTitle(QObject::tr("Numra Help"));
        setAttribute(Qt::WA_DeleteOnClose);
        resize(640, 560);
        m_browser = new QTextBrowser(this);
        m_browser->setOpenExternalLinks(true);
        m_browser->setAccessibleName(QObject::tr("Help text"));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_browser);
    }

    void showTopic(const QString &file, int context)
    {
        if (m_file != file) {
            m_file = file;
            load();
        }
        m_browser->scrollToAnchor(anchorFor(context));
        show();
        raise();
        activateWindow();
    }

protected:
    void changeEvent(QEvent *event) override
    {
        QDialog::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && !m_file.isEmpty())
            load();
    }

private:
    void load()
    {
        // The file gives no colours: the palette's, light or dark, keep it readable. Headings
        // look like the grids' headings.
        const QPalette &colours = m_browser->palette();
        m_browser->document()->setDefaultStyleSheet(
            QStringLiteral("th { background-color: %1; color: %2; }")
                .arg(colours.color(QPalette::Button).name(),
                     colours.color(QPalette::ButtonText).name()));
        QFile source(m_file);
        if (source.open(QIODevice::ReadOnly))
            m_browser->setHtml(QString::fromUtf8(source.readAll()));
        else
            m_browser->setPlainText(
                QObject::tr("The help file %1 could not be opened.").arg(m_file));
    }

    QTextBrowser *m_browser;
    QString m_file;
};

QPointer<HelpWindow> &helpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// F1 anywhere in a window opens the topic of the nearest widget that has a context.
class HelpShortcut : public QObject
{
public:
    explicit HelpShortcut(QWidget *owner) : QObject(owner)
    {
        auto *action = new QAction(owner);
        action->setShortcut(QKeySequence::HelpContents);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        owner->addAction(action);
        QObject::connect(action, &QAction::triggered, owner, [owner] {
            // An open menu has the keyboard, whichever control keeps the focus meanwhile.
            const QWidget *from = QApplication::activePopupWidget();
            if (!from)
                from = QApplication::focusWidget();
            int context = 0;
            for (const QWidget *w = from; w && !context; w = w->parentWidget())
                context = helpContext(w);
            if (!context)
                context = helpContext(owner);
            showHelp(applicationHelpFile(), context);
        });
    }
};

} // namespace

void showHelp(const QString &helpFile, int context)
{
    if (helpHandler()) {
        helpHandler()(helpFile, context);
        return;
    }
    if (!helpWindow())
        helpWindow() = new HelpWindow;
    helpWindow()->showTopic(helpFile, context);
}

void setHelpHandler(HelpHandler handler)
{
    helpHandler() = std::move(handler);
}

void closeHelp()
{
    if (helpWindow())
        helpWindow()->close();
}

void setHelpContext(QWidget *widget, int context)
{
    const bool hadShortcut = widget->property(HelpContextProperty).isValid();
    widget->setProperty(HelpContextProperty, context);
    // A menu is a window too, but the shortcut of the window it opens from serves it; an
    // action of its own would show as an item.
    if (!hadShortcut && widget->isWindow() && widget->windowType() != Qt::Popup)
        new HelpShortcut(widget);
}

int helpContext(const QWidget *widget)
{
    return widget->property(HelpContextProperty).toInt();
}

void setApplicationHelpFile(const QString &helpFile)
{
    helpFileName() = helpFile;
}

QString applicationHelpFile()
{
    return helpFileName();
}

} // namespace Platform
